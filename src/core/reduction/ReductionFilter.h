#pragma once

// The conditions of one reduction run, turned once into tables: for each active stage,
// the bit of that stage at every value of its property that fails. A combination's
// properties come from unit Code's tally (code/Code.h), so a stage and the chart column
// that shows the same quantity cannot disagree.
//
// With a tolerance (容错) K a combination survives when it fails at most K of the active
// stages 2..19; the number range (stage 1) always holds strictly. K = 0 is the strict
// reduction: each stage removes exactly the combinations that pass every earlier active
// stage and fail this one.

#include "core/code/Code.h"
#include "core/reduction/CodeList.h"
#include "core/reduction/ConditionSet.h"
#include "core/reduction/GroupLines.h"
#include "core/reduction/ReductionProgress.h"

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kStageCount = 19;

// With a tolerance K a combination leaves at the stage where its failures first exceed
// K (at stage 1 when it lies outside the number range), so `removed` and `left` read as
// in a strict run and the removed ones plus the survivors make up the base.
struct StageOutcome
{
    bool active = false;
    int removed = 0;
    int left = 0;     // survivors after this stage
    int failed = 0;   // with a tolerance: combinations of the base that fail it (stages 2..19:
                      // of those within the number range)
};
using StageOutcomes = std::array<StageOutcome, kStageCount>;

// Which of the pass's forms fits a run: no property stage active (only the sets of
// numbers: the newest draw, the group lists), a few, or most of them.
enum class StageMix { SetsOnly, Few, Most };

// What the pass reads for every combination: the failing values of each active stage.
// It is a small value that the walk keeps in registers while it writes survive flags.
struct StageTables
{
    static constexpr int kValues = 512;
    using FailTable = std::array<std::uint32_t, kValues>;

    std::uint32_t active = 0;            // bit s: stage s + 1 is active
    RedMask prev = 0;                    // the newest draw (stage 14)
    const FailTable *fail = nullptr;     // by stage (0-based) and value: the stage's bit when it fails
    const ChosenGroup *groups1 = nullptr, *groups1End = nullptr;
    const ChosenGroup *groups2 = nullptr, *groups2End = nullptr;

    // Runs of consecutive numbers as one index below 64: r2 + 4 r3 + 12 r4 + 24 r5 + 48 r6,
    // where rL = runs[L - 1] of ConsecRuns. Six numbers allow at most three pairs or two
    // triples, so no two run patterns share an index.
    static int runsIndex(const std::array<int, 6> &runs)
    {
        return runs[1] + 4 * runs[2] + 12 * runs[3] + 24 * runs[4] + 48 * runs[5];
    }

    // The stages 2..19 that an ascending combination of six distinct reds fails (bit s - 1
    // for stage s). With most stages active every property stage is looked up without a
    // branch (the table of an inactive stage holds no bit); with few, each active one alone;
    // with none, the tally needs no more than its mask of reds.
    template <StageMix Mix>
    [[gnu::always_inline]] inline std::uint32_t fails(const TCodeTally &t) const;
    StageMix mix() const
    {
        constexpr std::uint32_t kProperties = 0x1DFFEU; // stages 2..13 and 15..17
        const int n = std::popcount(active & kProperties);
        return n == 0 ? StageMix::SetsOnly : n >= 6 ? StageMix::Most : StageMix::Few;
    }
};

class ReductionFilter
{
public:
    // Stage 14 compares with the newest draw of `history` (skipped when it is empty).
    // Every chosen-number group line is checked here: a bad one throws SsqError.
    ReductionFilter(const ConditionSet &conditions, const TBeenCodesRecArr &history);
    ReductionFilter(const ReductionFilter &) = delete;
    ReductionFilter &operator=(const ReductionFilter &) = delete;

    int tolerance() const { return m_tolerance; }
    // Whether stage `stage` + 1 takes part in the run.
    bool stageActive(int stage) const { return (m_active >> stage) & 1U; }
    bool anyActive() const { return m_active != 0; }
    // Stage 1: the admitted numbers, when the number range is active.
    bool rangeActive() const { return (m_active & 1U) != 0; }
    RedMask range() const { return m_range; }
    // The tables of stages 2..19; they live as long as the filter.
    StageTables tables() const;

    // The stages (bit s - 1 for stage s) that the combination `a` (six distinct reds
    // 1..33, any order) fails; stage 1 included.
    std::uint32_t failedStages(const TCodeRedArr &a) const;
    // The number (1..19) of the first stage that removes `a`, 0 when it survives: stage 1
    // when it lies outside the number range, else the stage where its failures exceed K.
    int firstFailingStage(const TCodeRedArr &a) const;

    // Runs the stages over `list` (all its entries alive: fresh from BuildBaseList, or an
    // imported base), clearing the flag of every removed combination. `threads` 0 means
    // the machine's cores. The progress receives rising positions up to kProgressMaximum
    // (start and finish are the caller's). `byFailures`, when given, receives the
    // survivors by their number of failed stages.
    StageOutcomes apply(TCodeList &list, ReductionProgress *progress = nullptr, int threads = 0,
                        std::array<int, kStageCount> *byFailures = nullptr) const;

    // The stage (0-based) where a combination with the failed stages `failed` leaves
    // under the tolerance K, -1 when it survives.
    [[gnu::always_inline]] static inline int leavingStage(std::uint32_t failed, int tolerance);

private:
    template <typename Keeps>
    void setStage(int stage, bool active, Keeps keeps);

    std::uint32_t m_active = 0;   // bit s: stage s + 1 is active
    int m_tolerance = 0;
    RedMask m_range = 0;
    RedMask m_prev = 0;
    std::array<StageTables::FailTable, kStageCount> m_fail{};
    std::vector<ChosenGroup> m_groups1;
    std::vector<ChosenGroup> m_groups2;
};

namespace ReductionFilterDetail {
[[gnu::always_inline]] inline bool groupsAdmit(const ChosenGroup *g, const ChosenGroup *end, RedMask m)
{
    for (; g != end; ++g)
        if (!g->admits(m))
            return false;
    return true;
}
} // namespace ReductionFilterDetail

template <StageMix Mix>
inline std::uint32_t StageTables::fails(const TCodeTally &t) const
{
    auto on = [this](int stage) {
        return Mix == StageMix::Most || (Mix == StageMix::Few && ((active >> stage) & 1U));
    };
    std::uint32_t f = 0;
    if (on(1))
        f |= fail[1][std::size_t(ZoneDigits(t))];
    if (on(2))
        f |= fail[2][std::size_t(Zone6Count(t))];
    if (on(3))
        f |= fail[3][std::size_t(OddEvenZoneCount(t))];
    if (on(4))
        f |= fail[4][std::size_t(Mod3Digits(t))];
    if (on(5))
        f |= fail[5][std::size_t(Mod6GroupCount(t))];
    if (on(6))
        f |= fail[6][std::size_t(AcValue(t))];
    if (on(7))
        f |= fail[7][std::size_t(MaxGap(t))];
    if (on(8))
        f |= fail[8][std::size_t(OddCount(t))];
    if (on(9))
        f |= fail[9][std::size_t(BigCount(t))];
    if (on(10)) {
        std::array<int, 6> runs;
        ConsecRuns(t, runs);
        f |= fail[10][std::size_t(runsIndex(runs))];
    }
    if (on(11))
        f |= fail[11][std::size_t(RedSum(t, false, false))];
    if (on(12))
        f |= fail[12][std::size_t(SameTailMax(t))];
    if (Mix == StageMix::Most || ((active >> 13) & 1U))
        f |= fail[13][std::size_t(CodeMask::RepeatCount(t.Reds, prev))];
    if (on(14))
        f |= fail[14][std::size_t(RedSum(t, true, false))];
    if (on(15))
        f |= fail[15][std::size_t(Mod5GroupCount(t, true))];
    if (on(16))
        f |= fail[16][std::size_t(BigTailCount(t))];
    if (((active >> 17) & 1U) && !ReductionFilterDetail::groupsAdmit(groups1, groups1End, t.Reds))
        f |= 1U << 17;
    if (((active >> 18) & 1U) && !ReductionFilterDetail::groupsAdmit(groups2, groups2End, t.Reds))
        f |= 1U << 18;
    return f;
}

inline int ReductionFilter::leavingStage(std::uint32_t failed, int tolerance)
{
    if (failed & 1U)
        return 0;
    if (std::popcount(failed) <= tolerance)
        return -1;
    // The combination leaves where its (K + 1)-th failure happens.
    for (int k = 0; k < tolerance; ++k)
        failed &= failed - 1;
    return std::countr_zero(failed);
}
