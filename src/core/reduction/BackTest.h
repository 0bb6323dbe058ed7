#pragma once

// The back-test ("历史验证"): how the current conditions would have fared over past draws.
// Each of the last K draws is tested, with its reds ascending, as a candidate of its own
// time: the stage that compares with the newest draw compares with the draw just before
// it (and is skipped for the very first draw of the history).

#include "core/history/DrawRecord.h"
#include "core/reduction/ConditionSet.h"

#include <QStringList>
#include <cstdint>
#include <vector>

struct BackTestRow
{
    DrawRecord draw;
    TCodeRedArr sortedReds{};
    int failingStage = 0;   // 1..19, 0 = passed every stage, -1 = not six distinct reds
    std::uint32_t failedStages = 0;   // bit s - 1: the draw fails stage s
};

struct BackTestResult
{
    std::vector<BackTestRow> rows;   // oldest first
    int passed = 0;
    int tolerance = 0;               // 容错 K: a draw passes when it fails at most K stages 2..19

    int listed() const { return int(rows.size()); }
};

// Tests the K newest draws (all draws when K is larger; none when K <= 0). A bad chosen-
// number group line throws SsqError before anything is tested.
BackTestResult RunBackTest(const ConditionSet &conditions, const TBeenCodesRecArr &history, int k);

// "通过", "第9步 奇偶比" for a stage, "号码无效" for a draw that is not six distinct reds.
QString BackTestVerdict(int failingStage);

// A row as the list shows it. Strict (K = 0): BackTestVerdict. With a tolerance the row
// also lists the stages the draw fails: "通过（错1个：第9步 奇偶比）",
// "未通过（错3个：第3步 6区间分段、第9步 奇偶比、第12步 总和值）".
QString BackTestRowVerdict(const BackTestRow &row, int tolerance);

// The batch tool's lines: "ISSUE\tR R R R R R\tRESULT" (RESULT "通过" or the number of the
// stage where the draw is removed), with a tolerance one more column with the numbers of
// the failed stages ("3,9", "-" for none); then "通过 P/K".
QStringList BackTestLines(const BackTestResult &result);

// The line above the list: the share of past draws that survived, and beside it the share
// of all combinations that survive now.
QString BackTestSummary(const BackTestResult &result, int survivorsNow);
