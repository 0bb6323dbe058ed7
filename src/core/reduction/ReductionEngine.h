#pragma once

// The reduction ("缩水计算"): every combination of six reds out of 1..33, or the
// combinations of an imported base (大底), runs through nineteen stages in a fixed order,
// one per condition of the condition panel and one per list of chosen-number groups; the
// survivors stay flagged in the result list and a short report goes to the result memo.
// The stages are set up in ReductionFilter, walked in ReductionWalk, reported in
// ReductionReport.

#include "core/reduction/CodeList.h"
#include "core/reduction/ReductionFilter.h"
#include "core/reduction/ReductionReport.h"

#include <QDateTime>
#include <QStringList>
#include <array>

static_assert(kStageCount == 19);

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
