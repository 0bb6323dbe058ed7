#pragma once

// The reduction ("缩水计算"): every combination of six reds out of 1..33 runs through
// nineteen stages in a fixed order, one per condition of the condition panel and one per
// list of chosen-number groups; the survivors stay flagged in the result list and a short
// report goes to the result memo.
//
// Each stage removes exactly the combinations that pass every earlier active stage and
// fail this one. That is what lets the engine test all stages in one pass per
// combination, stopping at the first failing stage, with the combination's properties
// built up number by number while the combinations are enumerated in order.

#include "code/Code.h"
#include "reduction/ConditionSet.h"
#include "reduction/GroupLines.h"
#include "reduction/ReductionProgress.h"

#include <QDateTime>
#include <QStringList>
#include <array>
#include <vector>

inline constexpr int kCombinationCount = 1107568; // C(33, 6)
inline constexpr int kStageCount = 19;
inline constexpr int kReportListLimit = 20000;

// A list of combinations with one survive flag each: `ResultList` of the reduction, and
// the list the single-ticket recommendation builds for itself.
struct TCodeList
{
    TCodeRedArrArr Codes;  // ascending within each combination, lexicographic order
    int Count = 0;
    TBoolArr Alive;        // 1 while the combination survives
};

// Fills `list` with all 1,107,568 combinations in lexicographic order, every one alive.
// The list's storage is reused when it already has the size.
void BuildBaseList(TCodeList &list);
int AliveCount(const TCodeList &list);
// Appends the survivors, five to a line, each as "01 02 03 04 05 06, "; a last shorter
// line and then one empty line follow. Nothing is added when nothing survives.
void ResultToLines(const TCodeList &list, QStringList &lines);

struct StageOutcome
{
    bool active = false;
    int removed = 0;
    int left = 0;   // survivors after this stage
};
using StageOutcomes = std::array<StageOutcome, kStageCount>;

// The conditions of one run, turned once into class masks and allowed-value tables.
class ReductionFilter
{
public:
    // Stage 14 compares with the newest draw of `history` (skipped when it is empty).
    // Every chosen-number group line is checked here: a bad one throws SsqError.
    ReductionFilter(const ConditionSet &conditions, const TBeenCodesRecArr &history);

    bool stageActive(int stage) const { return m_active[stage]; }

    // The number (1..19) of the first stage that removes the ascending combination `a`,
    // 0 when it passes every stage.
    int firstFailingStage(const TCodeRedArr &a) const;

    // Runs the stages over a list fresh from BuildBaseList, clearing the flag of every
    // removed combination. `threads` 0 means the machine's cores. The progress receives
    // rising positions up to kProgressMaximum (start and finish are the caller's).
    StageOutcomes apply(TCodeList &list, ReductionProgress *progress = nullptr, int threads = 0) const;

    struct Probe;   // the properties of one combination as the stages read them

private:
    friend class ReductionWalker;
    int firstFail(const Probe &p) const;   // stage index 0..18, -1 when it passes

    std::array<bool, kStageCount> m_active{};
    RedMask m_range = 0;
    std::array<bool, 49> m_zoneOk{};       // index c0 * 7 + c1 (c2 = 6 - c0 - c1)
    std::array<bool, 49> m_mod3Ok{};
    std::uint32_t m_zone6Ok = 0;           // bit v = value v kept
    std::uint32_t m_oddEvenZoneOk = 0;
    std::uint32_t m_mod6Ok = 0;
    std::uint64_t m_acOk = 0;
    std::uint64_t m_gapOk = 0;
    std::uint32_t m_oddOk = 0;
    std::uint32_t m_bigOk = 0;
    std::array<bool, 64> m_consecOk{};     // by run signature
    int m_sumMin = 0, m_sumMax = 0;
    std::uint32_t m_sameTailOk = 0;
    RedMask m_prev = 0;
    std::uint32_t m_prevOk = 0;
    int m_tailSumMin = 0, m_tailSumMax = 0;
    std::uint32_t m_tailMod5Ok = 0;
    std::uint32_t m_bigTailOk = 0;
    std::vector<ChosenGroup> m_groups1;
    std::vector<ChosenGroup> m_groups2;
};

struct ReductionRun
{
    QStringList report;   // the text of the result memo, line by line
    StageOutcomes stages;
    int survivors = 0;
};

// One whole run as "缩水计算" does it: the group lines are checked first (a bad line
// throws SsqError and `result` is left as it was), then the base list is built, the
// stages run and the report is written. `now` is the time the report's first line shows.
ReductionRun RunReduction(const ConditionSet &conditions, const TBeenCodesRecArr &history,
                          TCodeList &result, ReductionProgress *progress = nullptr,
                          const QDateTime &now = QDateTime::currentDateTime(), int threads = 0);

// The report's first line, "晨帆选号通  2005.06.01 13:05:09".
QString ReportTitleLine(const QDateTime &now);
