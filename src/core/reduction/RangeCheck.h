#pragma once

// A value range that no combination can meet leaves an empty result, and a player who
// typed 150 into the minimum of a range whose maximum is 100 would only see "0注"
// without knowing why. Such a range is named to him before the run starts.

#include "core/reduction/ConditionSet.h"

#include <QString>

// The message for the first of the four ranges (AC值, 最大间隔, 总和值, 尾数和) that
// admits no value: a minimum above its maximum, or a range outside every value the
// property can take (AC 0-10, largest gap 1-28, sum 21-183, tail sum 3-51). Empty when
// every range admits a value.
QString EmptyRangeMessage(const ConditionSet &conditions);

// A range that reaches both ends of its default (AC 3-10, 最大间隔 1-28, 总和值 21-180,
// 尾数和 3-51) counts as no condition: the stage is off, so also the few values outside
// the default stay (AC 0-2, sums 181-183). The panel marks such a range "（不限）".
// `member` is one of &ConditionSet::AcRange, MaxGapRange, SumRange, TailSumRange.
bool CountsAsNoCondition(ValueRange ConditionSet::*member, const ValueRange &range);
// What the mark means for that range, for its tip.
QString NoConditionTip(ValueRange ConditionSet::*member);
