#include "core/reduction/RangeCheck.h"

namespace {

struct RangeOf
{
    const char16_t *name;
    ValueRange ConditionSet::*member;
    int lowest;    // what six distinct reds 1..33 can give
    int highest;
    int offFrom;   // the range counts as no condition from offFrom to offTo or wider
    int offTo;
};

// In the order of the panel.
constexpr RangeOf kRanges[] = {
    {u"AC值", &ConditionSet::AcRange, 0, 10, 3, 10},
    {u"最大间隔", &ConditionSet::MaxGapRange, 1, 28, 1, 28},
    {u"总和值", &ConditionSet::SumRange, 21, 183, 21, 180},
    {u"尾数和", &ConditionSet::TailSumRange, 3, 51, 3, 51},
};

const RangeOf &rangeOf(ValueRange ConditionSet::*member)
{
    for (const RangeOf &r : kRanges)
        if (r.member == member)
            return r;
    return kRanges[0];
}

} // namespace

bool CountsAsNoCondition(ValueRange ConditionSet::*member, const ValueRange &range)
{
    const RangeOf &r = rangeOf(member);
    return range.min <= r.offFrom && range.max >= r.offTo;
}

QString NoConditionTip(ValueRange ConditionSet::*member)
{
    const RangeOf &r = rangeOf(member);
    QString tip = QStringLiteral("%1的范围包含%2-%3时视为不限，这一条件不剔除号码")
                      .arg(QString::fromUtf16(r.name))
                      .arg(r.offFrom)
                      .arg(r.offTo);
    if (r.lowest < r.offFrom)
        tip += QStringLiteral("；%1为%2-%3的号码也保留").arg(QString::fromUtf16(r.name)).arg(r.lowest).arg(r.offFrom - 1);
    if (r.highest > r.offTo)
        tip += QStringLiteral("；%1为%2-%3的号码也保留").arg(QString::fromUtf16(r.name)).arg(r.offTo + 1).arg(r.highest);
    return tip + QStringLiteral("。");
}

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
