#include "core/reduction/StageReach.h"

#include "core/reduction/StageNames.h"

StageReach ReachOfStages(const ConditionSet &conditions, const TBeenCodesRecArr &history)
{
    StageReach reach;
    int numbers = 0;
    for (const bool on : conditions.NumberRange)
        numbers += on;
    reach.active[0] = numbers > 0;
    reach.admitsNone[0] = numbers > 0 && numbers < 6;
    reach.removesNone[0] = numbers == 33;

    // With the number range off and every stage allowed to fail, the run counts for each
    // stage how many of all combinations fail it.
    ConditionSet open = conditions;
    open.NumberRange = {};
    open.Tolerance = kMaxTolerance;
    const ReductionFilter filter(open, history);
    TCodeList all;
    BuildBaseList(all);
    const StageOutcomes outcomes = filter.apply(all);
    for (int s = 1; s < kStageCount; ++s) {
        const StageOutcome &o = outcomes[std::size_t(s)];
        reach.active[std::size_t(s)] = o.active;
        reach.admitsNone[std::size_t(s)] = o.active && o.failed == kCombinationCount;
        reach.removesNone[std::size_t(s)] = o.active && o.failed == 0;
    }
    return reach;
}

QString NoCombinationMessage(const StageReach &reach)
{
    for (int s = 0; s < kStageCount; ++s) {
        if (!reach.admitsNone[std::size_t(s)])
            continue;
        const QString why = s == 0 ? QStringLiteral("选号范围选中的号码不足6个")
                                   : QStringLiteral("没有任何一注号码能满足“%1”的选择").arg(StageName(s + 1));
        return why + QStringLiteral("，缩水结果将一注也没有，请修改后再缩水！！");
    }
    return QString();
}

QString ConsecChoiceNote(const CheckList &count, const CheckList &groups)
{
    const std::uint32_t lengths = count.bits & 0x3FU;
    const std::uint32_t runs = groups.bits & 0xFU;
    if (lengths == 0)
        return QString();
    if (runs == 0)
        return QStringLiteral("连号只选了连号个数，没有选“有几组”，这一条件不剔除任何号码。");
    // Every pattern six numbers can form: r[L] runs of exactly L consecutive numbers
    // (L = 2..6), at most six numbers in runs. Item 0 stands for "runs" of one number,
    // of which every combination has none.
    bool keepsAll = true;
    for (int r2 = 0; r2 <= 3; ++r2)
        for (int r3 = 0; r3 <= 2; ++r3)
            for (int r4 = 0; r4 <= 1; ++r4)
                for (int r5 = 0; r5 <= 1; ++r5)
                    for (int r6 = 0; r6 <= 1; ++r6) {
                        if (2 * r2 + 3 * r3 + 4 * r4 + 5 * r5 + 6 * r6 > 6)
                            continue;
                        const int r[6] = {0, r2, r3, r4, r5, r6};
                        bool kept = false;
                        for (int j = 0; j < 6 && !kept; ++j)
                            kept = ((lengths >> j) & 1U) && r[j] <= 3 && ((runs >> r[j]) & 1U);
                        keepsAll = keepsAll && kept;
                    }
    if (!keepsAll)
        return QString();
    return QStringLiteral("这样选择的连号不剔除任何号码：所选的几种连号中只要有一种的组数符合就保留，"
                          "而“0”个连号（单个号码）总是0组，每注号码也总有某种长度的连号为0组。"
                          "要求不含连号，请看帮助“连号”一节。");
}
