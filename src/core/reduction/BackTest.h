#pragma once

// The back-test ("历史验证"): how the current conditions would have fared over past draws.
// Each of the last K draws is tested, with its reds ascending, as a candidate of its own
// time: the stage that compares with the newest draw compares with the draw just before
// it (and is skipped for the very first draw of the history).

#include "history/DrawRecord.h"
#include "reduction/ConditionSet.h"

#include <QStringList>
#include <vector>

struct BackTestRow
{
    DrawRecord draw;
    TCodeRedArr sortedReds{};
    int failingStage = 0;   // 1..19, 0 = passed every stage, -1 = not six distinct reds
};

struct BackTestResult
{
    std::vector<BackTestRow> rows;   // oldest first
    int passed = 0;

    int listed() const { return int(rows.size()); }
};

// Tests the K newest draws (all draws when K is larger; none when K <= 0). A bad chosen-
// number group line throws SsqError before anything is tested.
BackTestResult RunBackTest(const ConditionSet &conditions, const TBeenCodesRecArr &history, int k);

// "通过", "第9步 奇偶比" for a stage, "号码无效" for a draw that is not six distinct reds.
QString BackTestVerdict(int failingStage);

// The batch tool's lines: "ISSUE\tR R R R R R\tRESULT" (RESULT "通过" or the stage number),
// then "通过 P/K".
QStringList BackTestLines(const BackTestResult &result);

// The line above the list: the share of past draws that survived, and beside it the share
// of all combinations that survive now.
QString BackTestSummary(const BackTestResult &result, int survivorsNow);
