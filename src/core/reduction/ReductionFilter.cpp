#include "core/reduction/ReductionFilter.h"

#include "core/code/SsqError.h"
#include "core/reduction/ReductionWalk.h"

#include <algorithm>

namespace {

namespace I = ConditionItems;

bool allowed(std::uint32_t bits, int value) { return value >= 0 && value < 32 && ((bits >> value) & 1U); }
std::uint32_t itemBits(const CheckList &list, int items) { return list.bits & ((1U << items) - 1U); }

// A stage of one check list whose item i keeps the value i + offset.
struct ListStage
{
    int stage;   // 0-based
    CheckList ConditionSet::*list;
    int items;
    int offset;
};
constexpr ListStage kListStages[] = {
    {2, &ConditionSet::SixZoneSpread, I::SixZone, 1},
    {3, &ConditionSet::SixZoneOddEven, I::SixZone, 1},
    {5, &ConditionSet::Mod6Groups, I::Mod6, 1},
    {8, &ConditionSet::OddEvenRatio, I::Ratio, 0},
    {9, &ConditionSet::BigSmallRatio, I::Ratio, 0},
    {12, &ConditionSet::SameTailCount, I::SameTail, 0},
    {13, &ConditionSet::PrevTailSame, I::PrevTailSame, 0},
    {15, &ConditionSet::TailMod5Groups, I::TailMod5, 1},
    {16, &ConditionSet::TailBigSmallRatio, I::Ratio, 0},
};

// A stage of a range, inclusive at both ends. It is no restriction when it reaches both
// thresholds, even where it would cut a few extreme values.
struct RangeStage
{
    int stage;
    ValueRange ConditionSet::*range;
    int low;
    int high;
};
constexpr RangeStage kRangeStages[] = {
    {6, &ConditionSet::AcRange, 3, 10},
    {7, &ConditionSet::MaxGapRange, 1, 28},
    {11, &ConditionSet::SumRange, 21, 180},
    {14, &ConditionSet::TailSumRange, 3, 51},
};

// A stage of three check lists, one per class (the zones, the remainders of 3), whose
// item i keeps i reds of the class. A list with a check keeps only its checked counts;
// more reds in one class than the list has items fail while that list has a check.
struct RowsStage
{
    int stage;
    std::array<CheckList, 3> ConditionSet::*rows;
    int items;
};
constexpr RowsStage kRowsStages[] = {
    {1, &ConditionSet::ZoneCounts, I::Zone},
    {4, &ConditionSet::Mod3Counts, I::Mod3},
};

} // namespace

// The table of an inactive stage keeps no bit: the pass looks every stage up.
template <typename Keeps>
void ReductionFilter::setStage(int stage, bool active, Keeps keeps)
{
    if (!active)
        return;
    m_active |= 1U << stage;
    for (int v = 0; v < StageTables::kValues; ++v)
        m_fail[std::size_t(stage)][std::size_t(v)] = keeps(v) ? 0U : (1U << stage);
}

ReductionFilter::ReductionFilter(const ConditionSet &c, const TBeenCodesRecArr &history)
{
    // The group lines come first: a bad one must stop the run before anything is set up.
    m_groups1 = ParseGroupList(c.CodeSel1, 1);
    m_groups2 = ParseGroupList(c.CodeSel2, 2);
    m_tolerance = std::clamp(c.Tolerance, 0, kMaxTolerance);

    for (int n = 1; n <= 33; ++n)
        if (c.NumberRange[std::size_t(n - 1)])
            m_range |= CodeMask::bit(n);
    if (m_range)
        m_active |= 1U;

    for (const ListStage &s : kListStages) {
        const std::uint32_t bits = itemBits(c.*s.list, s.items);
        setStage(s.stage, bits != 0, [&](int v) { return allowed(bits, v - s.offset); });
    }
    for (const RangeStage &s : kRangeStages) {
        const ValueRange r = c.*s.range;
        setStage(s.stage, !(r.min <= s.low && r.max >= s.high), [r](int v) { return r.min <= v && v <= r.max; });
    }
    for (const RowsStage &s : kRowsStages) {
        std::array<std::uint32_t, 3> bits{};
        for (std::size_t z = 0; z < 3; ++z)
            bits[z] = itemBits((c.*s.rows)[z], s.items);
        setStage(s.stage, bits[0] || bits[1] || bits[2], [&](int v) {
            // v holds the three counts as three-bit digits, the first on top (ZoneDigits,
            // Mod3Digits).
            const std::array<int, 3> counts = {v >> 6, (v >> 3) & 7, v & 7};
            for (std::size_t z = 0; z < 3; ++z)
                if (bits[z] && !allowed(bits[z], counts[z]))
                    return false;
            return true;
        });
    }

    // Stage 11: item j of ConsecCount stands for runs of j + 1 numbers (item 0: runs of
    // one, of which there are always none); item k of ConsecGroups for k such runs.
    const std::uint32_t lengths = itemBits(c.ConsecCount, I::ConsecCount);
    const std::uint32_t groups = itemBits(c.ConsecGroups, I::ConsecGroups);
    std::array<bool, StageTables::kValues> keepRuns{};
    for (int r2 = 0; r2 <= 3; ++r2)
        for (int r3 = 0; r3 <= 2; ++r3)
            for (int r4 = 0; r4 <= 1; ++r4)
                for (int r5 = 0; r5 <= 1; ++r5)
                    for (int r6 = 0; r6 <= 1; ++r6) {
                        const std::array<int, 6> runs = {0, r2, r3, r4, r5, r6};
                        bool ok = groups == 0;
                        for (std::size_t j = 0; j < 6 && !ok; ++j)
                            ok = allowed(lengths, int(j)) && allowed(groups, runs[j]);
                        keepRuns[std::size_t(StageTables::runsIndex(runs))] = ok;
                    }
    setStage(10, lengths != 0, [&](int v) { return keepRuns[std::size_t(v)]; });

    // Stage 14 needs the newest draw; with no history there is nothing to compare with.
    if (history.empty()) {
        m_active &= ~(1U << 13);
        m_fail[13].fill(0);
    } else {
        m_prev = ToMask(history.back().Red);
    }

    if (!m_groups1.empty())
        m_active |= 1U << 17;
    if (!m_groups2.empty())
        m_active |= 1U << 18;
}

std::uint32_t ReductionFilter::failedStages(const TCodeRedArr &a) const
{
    TCodeRedArr sorted = a;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] < 1 || sorted[i] > 33 || (i > 0 && sorted[i] == sorted[i - 1]))
            throw SsqError(QStringLiteral("failedStages: not a combination of six reds"));
    const TCodeTally t = TallyOf(sorted);
    const std::uint32_t outside = rangeActive() && (t.Reds & ~m_range) ? 1U : 0U;
    return outside | tables().fails<StageMix::Few>(t);
}

int ReductionFilter::firstFailingStage(const TCodeRedArr &a) const
{
    return leavingStage(failedStages(a), m_tolerance) + 1;
}

StageTables ReductionFilter::tables() const
{
    StageTables s;
    s.active = m_active;
    s.prev = m_prev;
    s.fail = m_fail.data();
    s.groups1 = m_groups1.data();
    s.groups1End = m_groups1.data() + m_groups1.size();
    s.groups2 = m_groups2.data();
    s.groups2End = m_groups2.data() + m_groups2.size();
    return s;
}

StageOutcomes ReductionFilter::apply(TCodeList &list, ReductionProgress *progress, int threads,
                                     std::array<int, kStageCount> *byFailures) const
{
    return WalkReduction(*this, list, progress, threads, byFailures);
}
