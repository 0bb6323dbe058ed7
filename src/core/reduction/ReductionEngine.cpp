#include "reduction/ReductionEngine.h"

#include "code/SsqError.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

using CodeMask::bit;

// Number of combinations below a prefix whose last number is x at depth `depth` (1..6).
constexpr int subtreeSize(int x, int depth) { return Binomial(33 - x, 6 - depth); }

std::uint32_t itemBits(const CheckList &list, int items) { return list.bits & ((1U << items) - 1U); }
bool allowed(std::uint32_t bits, int value) { return value >= 0 && value < 32 && ((bits >> value) & 1U); }

bool groupsAdmit(const std::vector<ChosenGroup> &groups, RedMask m)
{
    for (const ChosenGroup &g : groups)
        if (!g.admits(m))
            return false;
    return true;
}

// The value a check list item stands for is the item index plus `offset`.
auto itemTest(const CheckList &list, int items, int offset)
{
    const std::uint32_t bits = itemBits(list, items);
    return std::pair{bits != 0, [bits, offset](int v) { return allowed(bits, v - offset); }};
}

auto rangeTest(const ValueRange &r, int lowThreshold, int highThreshold)
{
    // A range is no restriction when it reaches both thresholds, even where it would cut
    // a few extreme values.
    const bool active = !(r.min <= lowThreshold && r.max >= highThreshold);
    return std::pair{active, [r](int v) { return r.min <= v && v <= r.max; }};
}

} // namespace

ReductionFilter::ReductionFilter(const ConditionSet &c, const TBeenCodesRecArr &history)
{
    namespace I = ConditionItems;
    // The group lines come first: a bad one must stop the run before anything is set up.
    m_groups1 = ParseGroupList(c.CodeSel1, 1);
    m_groups2 = ParseGroupList(c.CodeSel2, 2);
    m_tolerance = std::clamp(c.Tolerance, 0, kMaxTolerance);

    for (int n = 1; n <= 33; ++n)
        if (c.NumberRange[n - 1])
            m_range |= bit(n);
    m_active[0] = m_range != 0;

    // Each property stage: whether it is active and which values of its slot it keeps.
    auto addStage = [this](int stage, PropertySlot slot, bool active, auto keeps) {
        m_active[std::size_t(stage)] = active;
        if (!active)
            return;
        const int k = m_tableCount++;
        const SlotField &field = kSlotFields[std::size_t(slot)];
        m_shift[std::size_t(k)] = field.shift;
        m_mask[std::size_t(k)] = (1U << field.width) - 1U;
        for (int v = 0; v < (1 << field.width); ++v)
            m_failBit[std::size_t(k)][std::size_t(v)] = keeps(v + field.offset) ? 0U : (1U << stage);
    };

    // Stages 2 and 5 read two counts from one slot (c0 * 7 + c1, the third is 6 - c0 - c1).
    // A row with a check keeps only its checked counts; 5 or 6 reds in one class have no
    // item, so they fail while that row has a check.
    auto threeRows = [](const std::array<CheckList, 3> &rows, int items) {
        std::array<std::uint32_t, 3> bits{};
        for (int z = 0; z < 3; ++z)
            bits[std::size_t(z)] = itemBits(rows[std::size_t(z)], items);
        const bool active = bits[0] || bits[1] || bits[2];
        return std::pair{active, [bits](int v) {
                             const std::array<int, 3> counts = {v / 7, v % 7, 6 - v / 7 - v % 7};
                             for (std::size_t z = 0; z < 3; ++z)
                                 if (bits[z] && !allowed(bits[z], counts[z]))
                                     return false;
                             return true;
                         }};
    };
    {
        auto [active, keeps] = threeRows(c.ZoneCounts, I::Zone);
        addStage(1, SlotZones, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.SixZoneSpread, I::SixZone, 1);
        addStage(2, SlotZone6, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.SixZoneOddEven, I::SixZone, 1);
        addStage(3, SlotOddEvenZone, active, keeps);
    }
    {
        auto [active, keeps] = threeRows(c.Mod3Counts, I::Mod3);
        addStage(4, SlotMod3, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.Mod6Groups, I::Mod6, 1);
        addStage(5, SlotMod6, active, keeps);
    }
    {
        auto [active, keeps] = rangeTest(c.AcRange, 3, 10);
        addStage(6, SlotAc, active, keeps);
    }
    {
        auto [active, keeps] = rangeTest(c.MaxGapRange, 1, 28);
        addStage(7, SlotGap, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.OddEvenRatio, I::Ratio, 0);
        addStage(8, SlotOdd, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.BigSmallRatio, I::Ratio, 0);
        addStage(9, SlotBig, active, keeps);
    }
    {
        // Item j of ConsecCount stands for runs of j + 1 numbers (item 0: runs of one, of
        // which there are always none); item k of ConsecGroups for k such runs.
        const std::uint32_t lengths = itemBits(c.ConsecCount, I::ConsecCount);
        const std::uint32_t groups = itemBits(c.ConsecGroups, I::ConsecGroups);
        std::array<bool, 256> keep{};
        for (int r2 = 0; r2 <= 3; ++r2)
            for (int r3 = 0; r3 <= 2; ++r3)
                for (int r4 = 0; r4 <= 1; ++r4)
                    for (int r5 = 0; r5 <= 1; ++r5)
                        for (int r6 = 0; r6 <= 1; ++r6) {
                            const std::array<int, 6> runs = {0, r2, r3, r4, r5, r6};
                            bool ok = groups == 0;
                            for (int j = 0; j < 6 && !ok; ++j)
                                ok = allowed(lengths, j) && allowed(groups, runs[std::size_t(j)]);
                            keep[std::size_t(RunsIndex(runs))] = ok;
                        }
        addStage(10, SlotRuns, lengths != 0, [&keep](int v) { return keep[std::size_t(v)]; });
    }
    {
        auto [active, keeps] = rangeTest(c.SumRange, 21, 180);
        addStage(11, SlotSum, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.SameTailCount, I::SameTail, 0);
        addStage(12, SlotSameTail, active, keeps);
    }
    {
        auto [active, keeps] = rangeTest(c.TailSumRange, 3, 51);
        addStage(14, SlotTailSum, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.TailMod5Groups, I::TailMod5, 1);
        addStage(15, SlotTailMod5, active, keeps);
    }
    {
        auto [active, keeps] = itemTest(c.TailBigSmallRatio, I::Ratio, 0);
        addStage(16, SlotBigTail, active, keeps);
    }

    // Stage 14 needs the newest draw; with no history there is nothing to compare with.
    const std::uint32_t prevOk = itemBits(c.PrevTailSame, I::PrevTailSame);
    if (!history.empty())
        for (const auto n : history.back().Red)
            if (n >= 1 && n <= 33)
                m_prev |= bit(n);
    m_active[13] = prevOk != 0 && !history.empty();
    for (int v = 0; v < 8; ++v)
        m_prevFail[std::size_t(v)] = allowed(prevOk, v) ? 0U : (1U << 13);

    m_active[17] = !m_groups1.empty();
    m_active[18] = !m_groups2.empty();
}

[[gnu::always_inline]] inline std::uint32_t ReductionFilter::fails(const CombinationRecord &r, RedMask m) const
{
    std::uint32_t failed = 0;
    for (int k = 0; k < m_tableCount; ++k)
        failed |= m_failBit[std::size_t(k)][(r >> m_shift[std::size_t(k)]) & m_mask[std::size_t(k)]];
    if (m_active[13])
        failed |= m_prevFail[std::size_t(CodeMask::RepeatCount(m, m_prev))];
    if (m_active[17] && !groupsAdmit(m_groups1, m))
        failed |= 1U << 17;
    if (m_active[18] && !groupsAdmit(m_groups2, m))
        failed |= 1U << 18;
    return failed;
}

[[gnu::always_inline]] inline int ReductionFilter::leavingStage(std::uint32_t failed) const
{
    if (failed & 1U)
        return 0;
    if (std::popcount(failed) <= m_tolerance)
        return -1;
    // The combination leaves where its (K + 1)-th failure happens.
    for (int k = 0; k < m_tolerance; ++k)
        failed &= failed - 1;
    return std::countr_zero(failed);
}

std::uint32_t ReductionFilter::failedStages(const TCodeRedArr &a) const
{
    TCodeRedArr sorted = a;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] < 1 || sorted[i] > 33 || (i > 0 && sorted[i] == sorted[i - 1]))
            throw SsqError(QStringLiteral("failedStages: not a combination of six reds"));
    const RedMask m = ToMask(sorted);
    const std::uint32_t outside = m_active[0] && (m & ~m_range) ? 1U : 0U;
    return outside | fails(PropertiesOf(sorted), m);
}

int ReductionFilter::firstFailingStage(const TCodeRedArr &a) const
{
    return leavingStage(failedStages(a)) + 1;
}

namespace {
// What one worker counts; summed when the workers are done. The failed stages of every
// combination go into two small histograms of their masks (stages 1..10 and 11..19)
// rather than a loop over the set bits: the branch of such a loop would be a guess at
// every combination.
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
} // namespace

// Walks the combinations below one prefix of two numbers, in the order of the base list.
class ReductionWalker
{
public:
    ReductionWalker(const ReductionFilter &filter, std::uint8_t *alive)
        : m_f(filter), m_alive(alive), m_table(CombinationTable().data()) {}

    Tally tally;

    // The walk is compiled twice: once for the processor's popcount instruction, which
    // the groups and the tolerance lean on, and once for processors without it.
    void walkPair(int a, int b, int index);
    void walkList(const TCodeList &list, int from, int to);

    // Judges one combination and sets its survive flag.
    [[gnu::always_inline]] inline void judge(int index, RedMask m, CombinationRecord r)
    {
        const std::uint32_t failed = m_f.fails(r, m);
        // Only a run with a tolerance shows how many fail each stage; a strict run keeps
        // its old speed.
        if (m_f.m_tolerance > 0) {
            ++tally.lowMasks[failed & 1023U];
            ++tally.highMasks[failed >> 10];
        }
        const int count = std::popcount(failed);
        const bool removed = count > m_f.m_tolerance;
        m_alive[index] = std::uint8_t(!removed);
        if (removed)
            ++tally.removed[std::size_t(m_f.leavingStage(failed))];
        else
            ++tally.byFailures[std::size_t(count)];
    }

    [[gnu::always_inline]] inline void walkPairInline(int a, int b, int index)
    {
        if (!admitted(a) || !admitted(b)) {
            cut(index, subtreeSize(b, 2));
            return;
        }
        const RedMask m2 = bit(a) | bit(b);
        for (int c = b + 1; c <= 30; ++c) {
            if (!admitted(c)) {
                index = cut(index, subtreeSize(c, 3));
                continue;
            }
            const RedMask m3 = m2 | bit(c);
            for (int d = c + 1; d <= 31; ++d) {
                if (!admitted(d)) {
                    index = cut(index, subtreeSize(d, 4));
                    continue;
                }
                const RedMask m4 = m3 | bit(d);
                for (int e = d + 1; e <= 32; ++e) {
                    if (!admitted(e)) {
                        index = cut(index, subtreeSize(e, 5));
                        continue;
                    }
                    const RedMask m5 = m4 | bit(e);
                    const int block = 33 - e;
                    // The records of the next block are read soon; where the number range
                    // skips blocks, the processor would not guess the jump by itself.
                    __builtin_prefetch(m_table + index + block);
                    __builtin_prefetch(m_table + index + block + 8);
                    if (!m_f.m_active[0]) {
                        for (int f = e + 1; f <= 33; ++f, ++index)
                            judge(index, m5 | bit(f), m_table[index]);
                        continue;
                    }
                    // The block is cleared at once and its admitted last numbers judged.
                    std::memset(m_alive + index, 0, std::size_t(block));
                    RedMask last = m_f.m_range & ~((bit(e) << 1) - 1);
                    const int outside = block - std::popcount(last);
                    tally.removed[0] += outside;
                    tally.failed[0] += outside;
                    for (; last; last &= last - 1) {
                        const int f = std::countr_zero(last);
                        const int at = index + f - e - 1;
                        judge(at, m5 | bit(f), m_table[at]);
                    }
                    index += block;
                }
            }
        }
    }

    [[gnu::always_inline]] inline void walkListInline(const TCodeList &list, int from, int to)
    {
        for (int i = from; i < to; ++i) {
            const TCodeRedArr &a = list.Codes[std::size_t(i)];
            const RedMask m = ToMask(a);
            if (m_f.m_active[0] && (m & ~m_f.m_range))
                removeOutside(i);
            else
                judge(i, m, m_table[CombinationIndex(a)]);
        }
    }

private:
    // Stage 1 is strict and comes first, so a prefix with a number outside the admitted
    // range removes its whole block of combinations at once.
    bool admitted(int n) const { return !m_f.m_active[0] || ((m_f.m_range >> n) & 1U); }
    int cut(int index, int size)
    {
        std::memset(m_alive + index, 0, static_cast<std::size_t>(size));
        tally.removed[0] += size;
        tally.failed[0] += size;
        return index + size;
    }
    void removeOutside(int index)
    {
        m_alive[index] = 0;
        ++tally.removed[0];
        ++tally.failed[0];
    }

    const ReductionFilter &m_f;
    std::uint8_t *m_alive;
    const CombinationRecord *m_table;
};

#if defined(__x86_64__) || defined(__i386__)
namespace {
[[gnu::target("popcnt")]] void walkPairPopcnt(ReductionWalker &w, int a, int b, int index)
{
    w.walkPairInline(a, b, index);
}
void walkPairPlain(ReductionWalker &w, int a, int b, int index)
{
    w.walkPairInline(a, b, index);
}
[[gnu::target("popcnt")]] void walkListPopcnt(ReductionWalker &w, const TCodeList &list, int from, int to)
{
    w.walkListInline(list, from, to);
}
void walkListPlain(ReductionWalker &w, const TCodeList &list, int from, int to)
{
    w.walkListInline(list, from, to);
}
bool hasPopcnt()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("popcnt") != 0;
    }();
    return has;
}
} // namespace

void ReductionWalker::walkPair(int a, int b, int index)
{
    if (hasPopcnt())
        walkPairPopcnt(*this, a, b, index);
    else
        walkPairPlain(*this, a, b, index);
}
void ReductionWalker::walkList(const TCodeList &list, int from, int to)
{
    if (hasPopcnt())
        walkListPopcnt(*this, list, from, to);
    else
        walkListPlain(*this, list, from, to);
}
#else
void ReductionWalker::walkPair(int a, int b, int index)
{
    walkPairInline(a, b, index);
}
void ReductionWalker::walkList(const TCodeList &list, int from, int to)
{
    walkListInline(list, from, to);
}
#endif

namespace {

// A piece of work: the combinations below the prefix (a, b) of the full list, or the
// entries [index, index + size) of a base list (a = 0).
struct Chunk
{
    int a, b, index, size;
};

const std::vector<Chunk> &pairChunks()
{
    static const std::vector<Chunk> chunks = [] {
        std::vector<Chunk> list;
        int index = 0;
        for (int a = 1; a <= 28; ++a)
            for (int b = a + 1; b <= 29; ++b) {
                list.push_back({a, b, index, subtreeSize(b, 2)});
                index += subtreeSize(b, 2);
            }
        return list;
    }();
    return chunks;
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

StageOutcomes ReductionFilter::apply(TCodeList &list, ReductionProgress *progress, int threads,
                                     std::array<int, kStageCount> *byFailures) const
{
    if (list.Count < 0 || std::size_t(list.Count) != list.Alive.size() || std::size_t(list.Count) > list.Codes.size())
        throw SsqError(QStringLiteral("ReductionFilter::apply: the list's sizes disagree"));
    if (threads <= 0)
        threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    threads = std::min(threads, 8);

    StageOutcomes outcomes;
    if (std::none_of(m_active.begin(), m_active.end(), [](bool a) { return a; })) {
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

    const bool full = isFullList(list);
    const std::vector<Chunk> ownChunks = full ? std::vector<Chunk>{} : listChunks(list.Count);
    const std::vector<Chunk> &chunks = full ? pairChunks() : ownChunks;
    CombinationTable(); // made before the workers start, by this thread
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    int shown = 0; // touched by the calling thread only

    auto work = [&](int worker, bool report) {
        ReductionWalker walker(*this, list.Alive.data());
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
        outcomes[s] = {m_active[s], sum.removed[s], left, sum.failed[s]};
    }
    if (byFailures)
        *byFailures = sum.byFailures;
    return outcomes;
}

void BuildBaseList(TCodeList &list)
{
    list.Codes.resize(kCombinationCount);
    TCodeRedArr *out = list.Codes.data();
    for (std::int8_t a = 1; a <= 28; ++a)
        for (std::int8_t b = a + 1; b <= 29; ++b)
            for (std::int8_t c = b + 1; c <= 30; ++c)
                for (std::int8_t d = c + 1; d <= 31; ++d)
                    for (std::int8_t e = d + 1; e <= 32; ++e)
                        for (std::int8_t f = e + 1; f <= 33; ++f)
                            *out++ = TCodeRedArr{a, b, c, d, e, f};
    list.Count = kCombinationCount;
    list.Alive.assign(kCombinationCount, 1);
}

int AliveCount(const TCodeList &list)
{
    int alive = 0;
    for (int i = 0; i < list.Count; ++i)
        alive += list.Alive[static_cast<std::size_t>(i)] != 0;
    return alive;
}

void ResultToLines(const TCodeList &list, QStringList &lines)
{
    QString line;
    int onLine = 0;
    bool any = false;
    for (int i = 0; i < list.Count; ++i) {
        if (!list.Alive[static_cast<std::size_t>(i)])
            continue;
        any = true;
        line += RedArrToStr(list.Codes[static_cast<std::size_t>(i)]) + QStringLiteral(", ");
        if (++onLine == 5) {
            lines.append(line);
            line.clear();
            onLine = 0;
        }
    }
    if (!any)
        return;
    if (onLine > 0)
        lines.append(line);
    lines.append(QString());
}

QString ReportTitleLine(const QDateTime &now)
{
    return QStringLiteral("晨帆选号通  ") + now.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}

TCodeRedArrArr SurvivorCodes(const TCodeList &list)
{
    TCodeRedArrArr codes;
    codes.reserve(std::size_t(AliveCount(list)));
    for (int i = 0; i < list.Count; ++i)
        if (list.Alive[std::size_t(i)])
            codes.push_back(list.Codes[std::size_t(i)]);
    return codes;
}

QString ToleranceLine(const std::array<int, kStageCount> &byFailures, int tolerance)
{
    QString line = QStringLiteral("满足全部条件 %1 注").arg(byFailures[0]);
    for (int k = 1; k <= tolerance && k < kStageCount; ++k)
        line += QStringLiteral("，错%1个 %2 注").arg(k).arg(byFailures[std::size_t(k)]);
    return line;
}

ReductionRun RunReduction(const ConditionSet &conditions, const TBeenCodesRecArr &history,
                          TCodeList &result, ReductionProgress *progress, const QDateTime &now,
                          int threads, const TCodeRedArrArr *base)
{
    // Throws on a bad group line before the result list or the progress window is touched.
    const ReductionFilter filter(conditions, history);

    if (base) {
        result.Codes = *base;
        result.Count = static_cast<int>(base->size());
        result.Alive.assign(base->size(), 1);
    } else {
        BuildBaseList(result);
    }
    ReductionRun run;
    run.baseCount = result.Count;
    run.tolerance = filter.tolerance();
    run.report.append(ReportTitleLine(now));
    run.report.append(QStringLiteral("缩水基础号码总共%1注号码").arg(result.Count));
    run.report.append(QString());

    if (progress) {
        progress->start(QString::fromUtf16(kProgressTitle), kProgressMaximum);
        progress->setPosition(0);
    }
    try {
        run.stages = filter.apply(result, progress, threads, &run.byFailures);
    } catch (...) {
        if (progress)
            progress->finish();
        throw;
    }
    if (progress)
        progress->finish();

    run.survivors = run.stages.back().left;
    run.report.append(QStringLiteral("缩水结果为总共%1注号码").arg(run.survivors));
    if (run.tolerance > 0)
        run.report.append(ToleranceLine(run.byFailures, run.tolerance));
    if (run.survivors > kReportListLimit)
        run.report.append(QStringLiteral("缩水结果超过20000注号码，忽略显示."));
    else
        ResultToLines(result, run.report);
    return run;
}
