#include "core/reduction/ReductionWalk.h"

#include "core/code/SsqError.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <system_error>
#include <thread>
#include <type_traits>

namespace {

using CodeMask::bit;

// Number of combinations below a prefix whose last number is x at depth `depth` (1..6).
constexpr int subtreeSize(int x, int depth) { return int(Binomial(33 - x, 6 - depth)); }

// What one worker counts; summed when the workers are done. With a tolerance the failed
// stages of every combination go into two small histograms of their masks (stages 1..10
// and 11..19) rather than a loop over the set bits: the branch of such a loop would be a
// guess at every combination.
struct Tally
{
    std::array<int, kStageCount> removed{};
    std::array<int, kStageCount> failed{};      // what the number range cuts in blocks
    std::array<int, kStageCount> byFailures{};
    std::array<int, 1024> lowMasks{};
    std::array<int, 512> highMasks{};

    std::array<int, kStageCount> failedPerStage() const
    {
        std::array<int, kStageCount> perStage = failed;
        for (std::size_t mask = 1; mask < lowMasks.size(); ++mask)
            for (std::size_t s = 0; s < 10; ++s)
                if ((mask >> s) & 1U)
                    perStage[s] += lowMasks[mask];
        for (std::size_t mask = 1; mask < highMasks.size(); ++mask)
            for (std::size_t s = 0; s < 9; ++s)
                if ((mask >> s) & 1U)
                    perStage[s + 10] += highMasks[mask];
        return perStage;
    }
};

// Walks the combinations below one prefix of two numbers in the order of the full list,
// adding one red at each depth to the tally of the prefix, or the entries of a list.
class Walker
{
public:
    Walker(const ReductionFilter &filter, std::uint8_t *alive)
        : m_stages(filter.tables()), m_alive(alive), m_ranged(filter.rangeActive()), m_range(filter.range()),
          m_tolerance(filter.tolerance()) {}

    Tally tally;

    // What the inner loops read, as locals: a survive flag is a byte, and a byte written
    // through a pointer could be any object the compiler would otherwise read again.
    struct Hot
    {
        StageTables stages;
        std::uint8_t *alive;
        int tolerance;
        bool ranged;
        RedMask range;
        Tally *tally;

        // Judges one combination and sets its survive flag.
        template <StageMix Mix>
        [[gnu::always_inline]] inline void judge(int index, const TCodeTally &t) const
        {
            const std::uint32_t failed = stages.fails<Mix>(t);
            // Only a run with a tolerance shows how many fail each stage; a strict run
            // keeps its speed.
            if (tolerance > 0) {
                ++tally->lowMasks[failed & 1023U];
                ++tally->highMasks[failed >> 10];
            }
            const int count = std::popcount(failed);
            const bool removed = count > tolerance;
            alive[index] = std::uint8_t(!removed);
            if (removed)
                ++tally->removed[std::size_t(ReductionFilter::leavingStage(failed, tolerance))];
            else if (tolerance > 0)
                ++tally->byFailures[std::size_t(count)];   // a strict run counts its survivors at the end
        }
        // A prefix with a number outside the admitted range removes its whole block of
        // combinations at once.
        bool admitted(int n) const { return !ranged || ((range >> n) & 1U); }
        int cut(int index, int size) const
        {
            std::memset(alive + index, 0, static_cast<std::size_t>(size));
            tally->removed[0] += size;
            tally->failed[0] += size;
            return index + size;
        }
    };
    Hot hot() { return {m_stages, m_alive, m_tolerance, m_ranged, m_range, &tally}; }

    template <StageMix Mix>
    [[gnu::always_inline]] inline void walkPairInline(int a, int b, int index)
    {
        const Hot h = hot();
        if (!h.admitted(a) || !h.admitted(b)) {
            h.cut(index, subtreeSize(b, 2));
            return;
        }
        const TCodeTally t2 = AddRed(AddRed(TCodeTally{}, a), b);
        for (int c = b + 1; c <= 30; ++c) {
            if (!h.admitted(c)) {
                index = h.cut(index, subtreeSize(c, 3));
                continue;
            }
            const TCodeTally t3 = AddRed(t2, c);
            for (int d = c + 1; d <= 31; ++d) {
                if (!h.admitted(d)) {
                    index = h.cut(index, subtreeSize(d, 4));
                    continue;
                }
                const TCodeTally t4 = AddRed(t3, d);
                for (int e = d + 1; e <= 32; ++e) {
                    if (!h.admitted(e)) {
                        index = h.cut(index, subtreeSize(e, 5));
                        continue;
                    }
                    const TCodeTally t5 = AddRed(t4, e);
                    const int block = 33 - e;
                    if (!h.ranged) {
                        for (int f = e + 1; f <= 33; ++f, ++index)
                            h.template judge<Mix>(index, AddRed(t5, f));
                        continue;
                    }
                    // Stage 1 is strict and comes first: the block is cleared at once and
                    // its admitted last numbers judged.
                    std::memset(h.alive + index, 0, std::size_t(block));
                    RedMask last = h.range & ~((bit(e) << 1) - 1);
                    const int outside = block - std::popcount(last);
                    h.tally->removed[0] += outside;
                    h.tally->failed[0] += outside;
                    for (; last; last &= last - 1) {
                        const int f = std::countr_zero(last);
                        h.template judge<Mix>(index + f - e - 1, AddRed(t5, f));
                    }
                    index += block;
                }
            }
        }
    }

    template <StageMix Mix>
    [[gnu::always_inline]] inline void walkListInline(const TCodeList &list, int from, int to)
    {
        const Hot h = hot();
        const TCodeRedArr *codes = list.Codes.data();
        for (int i = from; i < to; ++i) {
            const TCodeTally t = TallyOf(codes[i]);
            if (h.ranged && (t.Reds & ~h.range)) {
                h.alive[i] = 0;
                ++h.tally->removed[0];
                ++h.tally->failed[0];
            } else {
                h.template judge<Mix>(i, t);
            }
        }
    }

    void walkPair(int a, int b, int index);
    void walkList(const TCodeList &list, int from, int to);

private:
    const StageTables m_stages;
    std::uint8_t *const m_alive;
    const bool m_ranged;
    const RedMask m_range;
    const int m_tolerance;
};

// The walk is compiled for each StageMix, and each once for the
// processor's popcount instruction, which most properties lean on, and once for processors
// without it.
template <StageMix Mix>
void walkPairAny(Walker &w, int a, int b, int index)
{
    w.walkPairInline<Mix>(a, b, index);
}
template <StageMix Mix>
void walkListAny(Walker &w, const TCodeList &list, int from, int to)
{
    w.walkListInline<Mix>(list, from, to);
}
#if defined(__x86_64__) || defined(__i386__)
template <StageMix Mix>
[[gnu::target("popcnt")]] void walkPairPopcnt(Walker &w, int a, int b, int index)
{
    w.walkPairInline<Mix>(a, b, index);
}
template <StageMix Mix>
[[gnu::target("popcnt")]] void walkListPopcnt(Walker &w, const TCodeList &list, int from, int to)
{
    w.walkListInline<Mix>(list, from, to);
}
bool hasPopcnt()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("popcnt") != 0;
    }();
    return has;
}
#else
bool hasPopcnt() { return false; }
template <StageMix Mix>
void walkPairPopcnt(Walker &w, int a, int b, int index) { walkPairAny<Mix>(w, a, b, index); }
template <StageMix Mix>
void walkListPopcnt(Walker &w, const TCodeList &list, int from, int to) { walkListAny<Mix>(w, list, from, to); }
#endif

// Calls `walk` with the form of the pass that fits the run.
template <typename Walk>
void withMix(StageMix mix, Walk walk)
{
    switch (mix) {
    case StageMix::SetsOnly:
        walk(std::integral_constant<StageMix, StageMix::SetsOnly>{});
        break;
    case StageMix::Few:
        walk(std::integral_constant<StageMix, StageMix::Few>{});
        break;
    case StageMix::Most:
        walk(std::integral_constant<StageMix, StageMix::Most>{});
        break;
    }
}

void Walker::walkPair(int a, int b, int index)
{
    withMix(m_stages.mix(), [&](auto mix) {
        if (hasPopcnt())
            walkPairPopcnt<mix.value>(*this, a, b, index);
        else
            walkPairAny<mix.value>(*this, a, b, index);
    });
}

void Walker::walkList(const TCodeList &list, int from, int to)
{
    withMix(m_stages.mix(), [&](auto mix) {
        if (hasPopcnt())
            walkListPopcnt<mix.value>(*this, list, from, to);
        else
            walkListAny<mix.value>(*this, list, from, to);
    });
}

// A piece of work: the combinations below the prefix (a, b) of the full list, or the
// entries [index, index + size) of a base list (a = 0).
struct Chunk
{
    int a, b, index, size;
};

std::vector<Chunk> pairChunks()
{
    std::vector<Chunk> list;
    int index = 0;
    for (int a = 1; a <= 28; ++a)
        for (int b = a + 1; b <= 29; ++b) {
            list.push_back({a, b, index, subtreeSize(b, 2)});
            index += subtreeSize(b, 2);
        }
    return list;
}

std::vector<Chunk> listChunks(int count)
{
    constexpr int kPiece = 16384;
    std::vector<Chunk> list;
    for (int i = 0; i < count; i += kPiece)
        list.push_back({0, 0, i, std::min(kPiece, count - i)});
    return list;
}

bool isFullList(const TCodeList &list)
{
    return list.Count == kCombinationCount && list.Codes.size() == std::size_t(kCombinationCount)
           && list.Codes.front() == TCodeRedArr{1, 2, 3, 4, 5, 6}
           && list.Codes.back() == TCodeRedArr{28, 29, 30, 31, 32, 33};
}

} // namespace

StageOutcomes WalkReduction(const ReductionFilter &filter, TCodeList &list, ReductionProgress *progress, int threads,
                            std::array<int, kStageCount> *byFailures)
{
    if (list.Count < 0 || std::size_t(list.Count) != list.Alive.size() || std::size_t(list.Count) > list.Codes.size())
        throw SsqError(QStringLiteral("ReductionFilter::apply: the list's sizes disagree"));
    if (threads <= 0)
        threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    threads = std::min(threads, 8);

    StageOutcomes outcomes;
    if (!filter.anyActive()) {
        // No stage is active: every combination survives and the bar only advances.
        for (auto &o : outcomes)
            o.left = list.Count;
        if (byFailures) {
            byFailures->fill(0);
            (*byFailures)[0] = list.Count;
        }
        if (progress)
            progress->setPosition(kProgressMaximum);
        return outcomes;
    }

    const std::vector<Chunk> chunks = isFullList(list) ? pairChunks() : listChunks(list.Count);
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    int shown = 0; // touched by the calling thread only

    auto work = [&](int worker, bool report) {
        Walker walker(filter, list.Alive.data());
        for (int i = next.fetch_add(1); i < static_cast<int>(chunks.size()); i = next.fetch_add(1)) {
            const Chunk &chunk = chunks[static_cast<std::size_t>(i)];
            if (chunk.a > 0)
                walker.walkPair(chunk.a, chunk.b, chunk.index);
            else
                walker.walkList(list, chunk.index, chunk.index + chunk.size);
            const int finished = done.fetch_add(chunk.size) + chunk.size;
            if (report && progress) {
                const int position =
                    static_cast<int>(static_cast<long long>(finished) * kProgressMaximum / std::max(1, list.Count));
                if (position != shown) {
                    shown = position;
                    progress->setPosition(position);
                }
            }
        }
        tallies[static_cast<std::size_t>(worker)] = walker.tally;
    };

    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && chunks.size() > 1; ++t) {
        // Without another thread the calling one simply takes every chunk itself.
        try {
            helpers.emplace_back(work, t, false);
        } catch (const std::system_error &) {
            break;
        }
    }
    work(0, true);
    for (auto &helper : helpers)
        helper.join();
    if (progress && shown != kProgressMaximum)
        progress->setPosition(kProgressMaximum);

    Tally sum;
    for (const Tally &t : tallies) {
        const auto failed = t.failedPerStage();
        for (std::size_t s = 0; s < std::size_t(kStageCount); ++s) {
            sum.removed[s] += t.removed[s];
            sum.failed[s] += failed[s];
            sum.byFailures[s] += t.byFailures[s];
        }
    }
    int left = list.Count;
    for (std::size_t s = 0; s < std::size_t(kStageCount); ++s) {
        left -= sum.removed[s];
        outcomes[s] = {filter.stageActive(int(s)), sum.removed[s], left, sum.failed[s]};
    }
    if (filter.tolerance() == 0)
        sum.byFailures[0] = left;
    if (byFailures)
        *byFailures = sum.byFailures;
    return outcomes;
}
