#pragma once

// The reduction ("缩水计算"): every combination of six reds out of 1..33, or the
// combinations of an imported base (大底), runs through nineteen stages in a fixed order,
// one per condition of the condition panel and one per list of chosen-number groups; the
// survivors stay flagged in the result list and a short report goes to the result memo.
//
// With a tolerance (容错) K a combination survives when it fails at most K of the active
// stages 2..19; the number range (stage 1) always holds strictly. K = 0 is the strict
// reduction: each stage removes exactly the combinations that pass every earlier active
// stage and fail this one. The stages look the properties up in the table of
// CombinationProperties.h and test every stage of a combination in one pass.

#include "code/Code.h"
#include "reduction/CombinationProperties.h"
#include "reduction/ConditionSet.h"
#include "reduction/GroupLines.h"
#include "reduction/ReductionProgress.h"

#include <QDateTime>
#include <QStringList>
#include <array>
#include <vector>

inline constexpr int kCombinationCount = kCombinationTotal;
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

// The conditions of one run, turned once into allowed-value tables.
class ReductionFilter
{
public:
    // Stage 14 compares with the newest draw of `history` (skipped when it is empty).
    // Every chosen-number group line is checked here: a bad one throws SsqError.
    ReductionFilter(const ConditionSet &conditions, const TBeenCodesRecArr &history);

    int tolerance() const { return m_tolerance; }

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

private:
    friend class ReductionWalker;
    std::uint32_t fails(const CombinationRecord &r, RedMask m) const;   // stages 2..19
    int leavingStage(std::uint32_t failed) const;                      // 0-based, -1 = survives

    std::array<bool, kStageCount> m_active{};
    int m_tolerance = 0;
    RedMask m_range = 0;
    // Per active property stage: its record slot and, per value, its bit when it fails.
    int m_tableCount = 0;
    std::array<int, kPropertySlots> m_shift{};
    std::array<std::uint32_t, kPropertySlots> m_mask{};
    std::array<std::array<std::uint32_t, 256>, kPropertySlots> m_failBit{};
    RedMask m_prev = 0;
    std::array<std::uint32_t, 8> m_prevFail{};
    std::vector<ChosenGroup> m_groups1;
    std::vector<ChosenGroup> m_groups2;
};

struct ReductionRun
{
    QStringList report;   // the text of the result memo, line by line
    StageOutcomes stages;
    int survivors = 0;
    int baseCount = 0;
    int tolerance = 0;
    std::array<int, kStageCount> byFailures{};   // survivors by number of failed stages
};

// One whole run as "缩水计算" does it: the group lines are checked first (a bad line
// throws SsqError and `result` is left as it was), then the base list is built (every
// combination, or the ascending, distinct combinations of `base` in their order), the
// stages run and the report is written. `now` is the time the report's first line shows.
ReductionRun RunReduction(const ConditionSet &conditions, const TBeenCodesRecArr &history,
                          TCodeList &result, ReductionProgress *progress = nullptr,
                          const QDateTime &now = QDateTime::currentDateTime(), int threads = 0,
                          const TCodeRedArrArr *base = nullptr);

// The report's line of survivors by failed conditions under a tolerance K > 0:
// "满足全部条件 n0 注，错1个 n1 注，错2个 n2 注".
QString ToleranceLine(const std::array<int, kStageCount> &byFailures, int tolerance);

// The survivors of `list` in its order: the base of "结果再缩水".
TCodeRedArrArr SurvivorCodes(const TCodeList &list);

// The report's first line, "晨帆选号通  2005.06.01 13:05:09".
QString ReportTitleLine(const QDateTime &now);
