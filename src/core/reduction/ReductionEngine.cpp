#include "reduction/ReductionEngine.h"

#include "code/SsqError.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

using namespace CodeMask;

constexpr int binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    long long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return static_cast<int>(r);
}
static_assert(binomial(33, 6) == kCombinationCount);

// Number of combinations below a prefix whose last number is x at depth `depth` (1..6).
constexpr int subtreeSize(int x, int depth) { return binomial(33 - x, 6 - depth); }

// Class membership of one number, OR-ed over a combination; the number of distinct
// classes of a family is then one popcount.
//   bits  0.. 5: six-zone (n - 1) div 6
//   bits  8..13: odd/even half of the three zones
//   bits 16..21: n mod 6
//   bits 24..28: tail mod 5
constexpr std::uint64_t kZone6Family = 0x3FULL;
constexpr std::uint64_t kOddEvenZoneFamily = 0x3FULL << 8;
constexpr std::uint64_t kMod6Family = 0x3FULL << 16;
constexpr std::uint64_t kTailMod5Family = 0x1FULL << 24;

constexpr std::array<std::uint64_t, 34> makePresence()
{
    std::array<std::uint64_t, 34> p{};
    for (int n = 1; n <= 33; ++n) {
        const int half = 2 * ((n - 1) / 11) + (n % 2 == 0 ? 1 : 0);
        p[n] = (1ULL << ((n - 1) / 6)) | (1ULL << (8 + half)) | (1ULL << (16 + n % 6))
               | (1ULL << (24 + (n % 10) % 5));
    }
    return p;
}
constexpr auto kPresence = makePresence();

// Counters of the ten tail digits, three bits each (a tail has at most four numbers).
constexpr std::uint64_t kTailLow = 0x9249249ULL; // bit 3t for t = 0..9
constexpr std::array<std::uint64_t, 34> makeTailIncrement()
{
    std::array<std::uint64_t, 34> t{};
    for (int n = 1; n <= 33; ++n)
        t[n] = 1ULL << (3 * (n % 10));
    return t;
}
constexpr auto kTailIncrement = makeTailIncrement();

[[gnu::always_inline]] inline int sameTailMax(std::uint64_t tails)
{
    const bool ge2 = (tails & (kTailLow * 6)) != 0;
    const bool ge3 = (((tails >> 2) | ((tails >> 1) & tails)) & kTailLow) != 0;
    const bool ge4 = ((tails >> 2) & kTailLow) != 0;
    return 1 + int(ge2) + int(ge3) + int(ge4);
}

// Runs of consecutive numbers as one small index: r2 + 4 r3 + 12 r4 + 24 r5 + 48 r6,
// where rL is the number of maximal runs of exactly L numbers. Six numbers allow at
// most three pairs or two triples, so the index is unique and below 64.
constexpr std::array<int, 7> kRunWeight = {0, 0, 1, 4, 12, 24, 48};

constexpr RedMask kZone0 = range(1, 11);
constexpr RedMask kZone1 = range(12, 22);
constexpr RedMask kMod3Class0 = where([](int n) { return n % 3 == 0; });
constexpr RedMask kMod3Class1 = where([](int n) { return n % 3 == 1; });
constexpr RedMask kTensAndUp = range(10, 33);
constexpr RedMask kTwentiesAndUp = range(20, 33);
constexpr RedMask kThirties = range(30, 33);

// The state of a prefix of an ascending combination; each number adds to it in constant time.
struct Level
{
    RedMask m = 0;
    RedMask reflected = 0;   // bit 40 - n for every n: shifted, it gives the differences to a new number
    RedMask diffs = 0;       // bit d = some pair of the prefix differs by d
    std::uint64_t presence = 0;
    std::uint64_t tails = 0;
    int sum = 0;
    int gap = 0;
    int last = -2;
    int runIndex = 0;        // runs closed so far
    int runLength = 0;       // length of the run that ends at `last`
};

[[gnu::always_inline]] inline Level push(const Level &s, int x)
{
    Level t;
    t.m = s.m | bit(x);
    t.diffs = s.diffs | (s.reflected >> (40 - x));
    t.reflected = s.reflected | bit(40 - x);
    t.presence = s.presence | kPresence[x];
    t.tails = s.tails + kTailIncrement[x];
    t.sum = s.sum + x;
    t.gap = s.m ? std::max(s.gap, x - s.last) : 0;
    t.last = x;
    if (x == s.last + 1) {
        t.runIndex = s.runIndex;
        t.runLength = s.runLength + 1;
    } else {
        t.runIndex = s.runIndex + kRunWeight[s.runLength];
        t.runLength = 1;
    }
    return t;
}

} // namespace

struct ReductionFilter::Probe
{
    RedMask m;
    RedMask diffs;
    std::uint64_t presence;
    std::uint64_t tails;
    int sum;
    int gap;
    int runIndex;
};

namespace {

[[gnu::always_inline]] inline ReductionFilter::Probe probeOf(const Level &t)
{
    return {t.m, t.diffs, t.presence, t.tails, t.sum, t.gap, t.runIndex + kRunWeight[t.runLength]};
}

[[gnu::always_inline]] inline bool allowed(std::uint64_t bits, int value) { return (bits >> value) & 1U; }

std::uint32_t itemBits(const CheckList &list, int items) { return list.bits & ((1U << items) - 1U); }

// Values lo..hi of a range as bits over 0..63.
std::uint64_t rangeBits(const ValueRange &r)
{
    std::uint64_t bits = 0;
    for (int v = std::max(0, r.min); v <= std::min(63, r.max); ++v)
        bits |= 1ULL << v;
    return bits;
}

[[gnu::always_inline]] inline bool groupsAdmit(const std::vector<ChosenGroup> &groups, RedMask m)
{
    for (const ChosenGroup &g : groups)
        if (!g.admits(m))
            return false;
    return true;
}

} // namespace

ReductionFilter::ReductionFilter(const ConditionSet &c, const TBeenCodesRecArr &history)
{
    namespace I = ConditionItems;
    // The group lines come first: a bad one must stop the run before anything is set up.
    m_groups1 = ParseGroupList(c.CodeSel1, 1);
    m_groups2 = ParseGroupList(c.CodeSel2, 2);

    for (int n = 1; n <= 33; ++n)
        if (c.NumberRange[n - 1])
            m_range |= bit(n);
    m_active[0] = m_range != 0;

    // Stage 2: a row with a check keeps only its checked counts; 5 or 6 reds in a zone
    // have no item, so they fail while that row has a check.
    std::array<std::uint32_t, 3> zone{};
    std::array<std::uint32_t, 3> mod3{};
    for (int z = 0; z < 3; ++z) {
        zone[z] = itemBits(c.ZoneCounts[z], I::Zone);
        mod3[z] = itemBits(c.Mod3Counts[z], I::Mod3);
        m_active[1] = m_active[1] || zone[z] != 0;
        m_active[4] = m_active[4] || mod3[z] != 0;
    }
    for (int c0 = 0; c0 <= 6; ++c0)
        for (int c1 = 0; c0 + c1 <= 6; ++c1) {
            const std::array<int, 3> counts = {c0, c1, 6 - c0 - c1};
            bool zoneOk = true;
            bool mod3Ok = true;
            for (int z = 0; z < 3; ++z) {
                zoneOk = zoneOk && (zone[z] == 0 || allowed(zone[z], counts[z]));
                mod3Ok = mod3Ok && (mod3[z] == 0 || allowed(mod3[z], counts[z]));
            }
            m_zoneOk[c0 * 7 + c1] = zoneOk;
            m_mod3Ok[c0 * 7 + c1] = mod3Ok;
        }

    // Item i of these lists stands for the value i + 1.
    m_zone6Ok = itemBits(c.SixZoneSpread, I::SixZone) << 1;
    m_oddEvenZoneOk = itemBits(c.SixZoneOddEven, I::SixZone) << 1;
    m_mod6Ok = itemBits(c.Mod6Groups, I::Mod6) << 1;
    m_tailMod5Ok = itemBits(c.TailMod5Groups, I::TailMod5) << 1;
    m_active[2] = m_zone6Ok != 0;
    m_active[3] = m_oddEvenZoneOk != 0;
    m_active[5] = m_mod6Ok != 0;
    m_active[15] = m_tailMod5Ok != 0;

    // A range is no restriction when it reaches both thresholds, even where it would cut
    // a few extreme values.
    m_active[6] = !(c.AcRange.min <= 3 && c.AcRange.max >= 10);
    m_acOk = rangeBits(c.AcRange);
    m_active[7] = !(c.MaxGapRange.min <= 1 && c.MaxGapRange.max >= 28);
    m_gapOk = rangeBits(c.MaxGapRange);
    m_active[11] = !(c.SumRange.min <= 21 && c.SumRange.max >= 180);
    m_sumMin = c.SumRange.min;
    m_sumMax = c.SumRange.max;
    m_active[14] = !(c.TailSumRange.min <= 3 && c.TailSumRange.max >= 51);
    m_tailSumMin = c.TailSumRange.min;
    m_tailSumMax = c.TailSumRange.max;

    m_oddOk = itemBits(c.OddEvenRatio, I::Ratio);
    m_bigOk = itemBits(c.BigSmallRatio, I::Ratio);
    m_bigTailOk = itemBits(c.TailBigSmallRatio, I::Ratio);
    m_active[8] = m_oddOk != 0;
    m_active[9] = m_bigOk != 0;
    m_active[16] = m_bigTailOk != 0;

    // Stage 11: item j of ConsecCount stands for runs of j + 1 numbers (item 0: runs of
    // one, of which there are always none); item k of ConsecGroups for k such runs.
    const std::uint32_t lengths = itemBits(c.ConsecCount, I::ConsecCount);
    const std::uint32_t groups = itemBits(c.ConsecGroups, I::ConsecGroups);
    m_active[10] = lengths != 0;
    for (int r2 = 0; r2 <= 3; ++r2)
        for (int r3 = 0; r3 <= 2; ++r3)
            for (int r4 = 0; r4 <= 1; ++r4)
                for (int r5 = 0; r5 <= 1; ++r5)
                    for (int r6 = 0; r6 <= 1; ++r6) {
                        if (2 * r2 + 3 * r3 + 4 * r4 + 5 * r5 + 6 * r6 > 6)
                            continue;
                        const std::array<int, 6> runs = {0, r2, r3, r4, r5, r6};
                        bool ok = groups == 0;
                        for (int j = 0; j < 6 && !ok; ++j)
                            ok = allowed(lengths, j) && allowed(groups, runs[j]);
                        m_consecOk[r2 * kRunWeight[2] + r3 * kRunWeight[3] + r4 * kRunWeight[4]
                                   + r5 * kRunWeight[5] + r6 * kRunWeight[6]] = ok;
                    }

    m_sameTailOk = itemBits(c.SameTailCount, I::SameTail);
    m_active[12] = m_sameTailOk != 0;

    // Stage 14 needs the newest draw; with no history there is nothing to compare with.
    m_prevOk = itemBits(c.PrevTailSame, I::PrevTailSame);
    if (!history.empty())
        for (const auto n : history.back().Red)
            if (n >= 1 && n <= 33)
                m_prev |= bit(n);
    m_active[13] = m_prevOk != 0 && !history.empty();

    m_active[17] = !m_groups1.empty();
    m_active[18] = !m_groups2.empty();
}

[[gnu::always_inline]] inline int ReductionFilter::firstFail(const Probe &p) const
{
    const RedMask m = p.m;
    if (m_active[0] && (m & ~m_range))
        return 0;
    if (m_active[1] && !m_zoneOk[count(m & kZone0) * 7 + count(m & kZone1)])
        return 1;
    if (m_active[2] && !allowed(m_zone6Ok, count(p.presence & kZone6Family)))
        return 2;
    if (m_active[3] && !allowed(m_oddEvenZoneOk, count(p.presence & kOddEvenZoneFamily)))
        return 3;
    if (m_active[4] && !m_mod3Ok[count(m & kMod3Class0) * 7 + count(m & kMod3Class1)])
        return 4;
    if (m_active[5] && !allowed(m_mod6Ok, count(p.presence & kMod6Family)))
        return 5;
    if (m_active[6] && !allowed(m_acOk, count(p.diffs) - 5))
        return 6;
    if (m_active[7] && !allowed(m_gapOk, p.gap))
        return 7;
    if (m_active[8] && !allowed(m_oddOk, count(m & Odd)))
        return 8;
    if (m_active[9] && !allowed(m_bigOk, count(m & Big)))
        return 9;
    if (m_active[10] && !m_consecOk[p.runIndex])
        return 10;
    if (m_active[11] && (p.sum < m_sumMin || p.sum > m_sumMax))
        return 11;
    if (m_active[12] && !allowed(m_sameTailOk, sameTailMax(p.tails)))
        return 12;
    if (m_active[13] && !allowed(m_prevOk, count(m & m_prev)))
        return 13;
    if (m_active[14]) {
        // The tail sum is the sum less ten for every number from 10, 20 and 30 on.
        const int tailSum =
            p.sum - 10 * (count(m & kTensAndUp) + count(m & kTwentiesAndUp) + count(m & kThirties));
        if (tailSum < m_tailSumMin || tailSum > m_tailSumMax)
            return 14;
    }
    if (m_active[15] && !allowed(m_tailMod5Ok, count(p.presence & kTailMod5Family)))
        return 15;
    if (m_active[16] && !allowed(m_bigTailOk, count(m & BigTail)))
        return 16;
    if (m_active[17] && !groupsAdmit(m_groups1, m))
        return 17;
    if (m_active[18] && !groupsAdmit(m_groups2, m))
        return 18;
    return -1;
}

int ReductionFilter::firstFailingStage(const TCodeRedArr &a) const
{
    TCodeRedArr sorted = a;
    std::sort(sorted.begin(), sorted.end());
    Level level;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const int n = sorted[i];
        if (n < 1 || n > 33 || (i > 0 && n == sorted[i - 1]))
            throw SsqError(QStringLiteral("firstFailingStage: not a combination of six reds"));
        level = push(level, n);
    }
    return firstFail(probeOf(level)) + 1;
}

// Walks the combinations below one prefix of two numbers, in the order of the base list.
class ReductionWalker
{
public:
    ReductionWalker(const ReductionFilter &filter, std::uint8_t *alive)
        : m_f(filter), m_alive(alive) {}

    std::array<int, kStageCount> removed{};

    // The walk is compiled twice: once for the processor's popcount instruction, which
    // most of the stages lean on, and once for processors without it.
    void walkPair(int a, int b, int index);

    [[gnu::always_inline]] inline void walkPairInline(int a, int b, int index)
    {
        const Level l2 = push(push(Level{}, a), b);
        if (!admitted(a) || !admitted(b)) {
            cut(index, subtreeSize(b, 2));
            return;
        }
        for (int c = b + 1; c <= 30; ++c) {
            if (!admitted(c)) {
                index = cut(index, subtreeSize(c, 3));
                continue;
            }
            const Level l3 = push(l2, c);
            for (int d = c + 1; d <= 31; ++d) {
                if (!admitted(d)) {
                    index = cut(index, subtreeSize(d, 4));
                    continue;
                }
                const Level l4 = push(l3, d);
                for (int e = d + 1; e <= 32; ++e) {
                    if (!admitted(e)) {
                        index = cut(index, subtreeSize(e, 5));
                        continue;
                    }
                    const Level l5 = push(l4, e);
                    for (int f = e + 1; f <= 33; ++f, ++index) {
                        const int stage = m_f.firstFail(probeOf(push(l5, f)));
                        if (stage >= 0) {
                            ++removed[stage];
                            m_alive[index] = 0;
                        }
                    }
                }
            }
        }
    }

private:
    // Stage 1 is the first stage, so a prefix with a number outside the admitted range
    // removes its whole block of combinations at once.
    bool admitted(int n) const { return !m_f.m_active[0] || ((m_f.m_range >> n) & 1U); }
    int cut(int index, int size)
    {
        std::memset(m_alive + index, 0, static_cast<std::size_t>(size));
        removed[0] += size;
        return index + size;
    }

    const ReductionFilter &m_f;
    std::uint8_t *m_alive;
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
#else
void ReductionWalker::walkPair(int a, int b, int index)
{
    walkPairInline(a, b, index);
}
#endif

namespace {

struct PairChunk
{
    int a, b, index, size;
};

const std::vector<PairChunk> &pairChunks()
{
    static const std::vector<PairChunk> chunks = [] {
        std::vector<PairChunk> list;
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

} // namespace

StageOutcomes ReductionFilter::apply(TCodeList &list, ReductionProgress *progress, int threads) const
{
    if (list.Count != kCombinationCount || static_cast<int>(list.Alive.size()) != kCombinationCount)
        throw SsqError(QStringLiteral("ReductionFilter::apply: the list is not a base list"));
    if (threads <= 0)
        threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    threads = std::min(threads, 8);

    StageOutcomes outcomes;
    if (std::none_of(m_active.begin(), m_active.end(), [](bool a) { return a; })) {
        // No stage is active: every combination survives and the bar only advances.
        for (auto &o : outcomes)
            o.left = kCombinationCount;
        if (progress)
            progress->setPosition(kProgressMaximum);
        return outcomes;
    }

    const auto &chunks = pairChunks();
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::vector<std::array<int, kStageCount>> removed(static_cast<std::size_t>(threads));
    int shown = 0; // touched by the calling thread only

    auto work = [&](int worker, bool report) {
        ReductionWalker walker(*this, list.Alive.data());
        for (int i = next.fetch_add(1); i < static_cast<int>(chunks.size()); i = next.fetch_add(1)) {
            const PairChunk &chunk = chunks[static_cast<std::size_t>(i)];
            walker.walkPair(chunk.a, chunk.b, chunk.index);
            const int finished = done.fetch_add(chunk.size) + chunk.size;
            if (report && progress) {
                const int position =
                    static_cast<int>(static_cast<long long>(finished) * kProgressMaximum / kCombinationCount);
                if (position != shown) {
                    shown = position;
                    progress->setPosition(position);
                }
            }
        }
        removed[static_cast<std::size_t>(worker)] = walker.removed;
    };

    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
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

    int left = kCombinationCount;
    for (int s = 0; s < kStageCount; ++s) {
        int sum = 0;
        for (const auto &r : removed)
            sum += r[static_cast<std::size_t>(s)];
        left -= sum;
        outcomes[static_cast<std::size_t>(s)] = {m_active[static_cast<std::size_t>(s)], sum, left};
    }
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

ReductionRun RunReduction(const ConditionSet &conditions, const TBeenCodesRecArr &history,
                          TCodeList &result, ReductionProgress *progress, const QDateTime &now,
                          int threads)
{
    // Throws on a bad group line before the result list or the progress window is touched.
    const ReductionFilter filter(conditions, history);

    BuildBaseList(result);
    ReductionRun run;
    run.report.append(ReportTitleLine(now));
    run.report.append(QStringLiteral("缩水基础号码总共%1注号码").arg(result.Count));
    run.report.append(QString());

    if (progress) {
        progress->start(QString::fromUtf16(kProgressTitle), kProgressMaximum);
        progress->setPosition(0);
    }
    try {
        run.stages = filter.apply(result, progress, threads);
    } catch (...) {
        if (progress)
            progress->finish();
        throw;
    }
    if (progress)
        progress->finish();

    run.survivors = run.stages.back().left;
    run.report.append(QStringLiteral("缩水结果为总共%1注号码").arg(run.survivors));
    if (run.survivors > kReportListLimit)
        run.report.append(QStringLiteral("缩水结果超过20000注号码，忽略显示."));
    else
        ResultToLines(result, run.report);
    return run;
}
