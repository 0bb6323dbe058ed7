#pragma once

// What each stage of a condition set can do at all, over every one of the 1,107,568
// combinations and each stage on its own: a stage that no combination passes leaves an
// empty result whatever else is set (尾数相同个数 with only "0" checked), and a stage that
// every combination passes removes nothing although it is switched on (连号 "0" 有 "0"
// 组). The first is refused before a run, the second is shown as not in use.

#include "core/history/DrawRecord.h"
#include "core/reduction/ConditionSet.h"
#include "core/reduction/ReductionEngine.h"

#include <QString>
#include <array>

struct StageReach
{
    std::array<bool, kStageCount> active{};        // as the engine reads the conditions
    std::array<bool, kStageCount> admitsNone{};    // active, and no combination passes it
    std::array<bool, kStageCount> removesNone{};   // active, and every combination passes it
};

// One pass of the engine's own stage tests over all combinations (the number range
// apart, which is judged by its count of numbers). Throws SsqError for a bad group line,
// as a run does.
StageReach ReachOfStages(const ConditionSet &conditions, const TBeenCodesRecArr &history);

// The refusal of a run whose active stage admits no combination, naming the first such
// stage; empty when every active stage admits some.
QString NoCombinationMessage(const StageReach &reach);

// Why the 连号 choice removes nothing although items are checked, for the panel's note;
// empty when it removes something or nothing is checked. Reads the choice as the engine
// does: item j of ConsecCount stands for runs of j + 1 numbers, item k of ConsecGroups
// for k such runs, and a combination is kept when some checked length has a checked
// number of runs.
QString ConsecChoiceNote(const CheckList &consecCount, const CheckList &consecGroups);
