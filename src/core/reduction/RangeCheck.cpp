#include "reduction/RangeCheck.h"

namespace {

struct RangeOf
{
    const char16_t *name;
    ValueRange ConditionSet::*member;
    int lowest;    // what six distinct reds 1..33 can give
    int highest;
};

// In the order of the panel.
constexpr RangeOf kRanges[] = {
    {u"AC值", &ConditionSet::AcRange, 0, 10},
    {u"最大间隔", &ConditionSet::MaxGapRange, 1, 28},
    {u"总和值", &ConditionSet::SumRange, 21, 183},
    {u"尾数和", &ConditionSet::TailSumRange, 3, 51},
};

} // namespace

QString EmptyRangeMessage(const ConditionSet &conditions)
{
    const QString outcome = QStringLiteral("缩水结果将一注也没有，请修改后再缩水！！");
    for (const RangeOf &r : kRanges) {
        const ValueRange &range = conditions.*r.member;
        const QString name = QString::fromUtf16(r.name);
        if (range.min > range.max)
            return QStringLiteral("“%1”的最小值%2大于最大值%3，这个范围不含任何值，")
                       .arg(name)
                       .arg(range.min)
                       .arg(range.max)
                + outcome;
        if (range.max < r.lowest || range.min > r.highest)
            return QStringLiteral("“%1”的范围%2-%3不含任何可能的值（%1只能在%4-%5之间），")
                       .arg(name)
                       .arg(range.min)
                       .arg(range.max)
                       .arg(r.lowest)
                       .arg(r.highest)
                + outcome;
    }
    return QString();
}
