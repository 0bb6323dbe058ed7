#include "wheel/ChosenWheel.h"

#include "code/Code.h"
#include "code/SsqError.h"
#include "wheel/SubsetRank.h"
#include "wheel/WheelTable.h"
#include "wheel/WheelVerifier.h"

#include <algorithm>
#include <bit>

namespace {

TCodeRedArrArr toTickets(const std::vector<std::uint64_t> &masks, const QList<int> &numbers)
{
    TCodeRedArrArr tickets;
    tickets.reserve(masks.size());
    for (const std::uint64_t mask : masks) {
        TCodeRedArr a{};
        int k = 0;
        for (std::uint64_t rest = mask; rest && k < 6; rest &= rest - 1)
            a[std::size_t(k++)] = std::int8_t(numbers[std::countr_zero(rest)]);
        std::sort(a.begin(), a.end());
        tickets.push_back(a);
    }
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

} // namespace

int WheelSearchBudgetMs(int n)
{
    return n <= 12 ? 1000 : 8000;
}

std::optional<ChosenWheel> MakeWheel(const QList<int> &numbers, const WheelGuarantee &guarantee,
                                     WheelControl *control, const WheelTable *table)
{
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const bool distinct = std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
    const bool inRange = sorted.isEmpty() || (sorted.front() >= 1 && sorted.back() <= 33);
    if (sorted.size() < kWheelMinNumbers || sorted.size() > kWheelMaxNumbers || !distinct || !inRange)
        throw SsqError(QStringLiteral("请选择7到33个不同的红球号码！！"));
    const int n = int(sorted.size());

    ChosenWheel wheel;
    wheel.numbers = sorted;
    wheel.guarantee = guarantee;
    wheel.allCount = SubsetRank::binom(n, 6);
    std::optional<std::vector<std::uint64_t>> masks = (table ? *table : WheelTable::shipped()).find(n, guarantee);
    wheel.fromTable = masks.has_value();
    if (!masks) {
        WheelSearchOptions options;
        options.timeLimitMs = WheelSearchBudgetMs(n);
        masks = SearchWheel(n, guarantee, options, control);
        if (!masks)
            return std::nullopt;
    }
    const WheelCheck check = VerifyWheel(n, guarantee, *masks);
    if (!check.ok)
        throw SsqError(QStringLiteral("旋转矩阵未通过验证，没有生成！！"));
    wheel.checked = check.checked;
    wheel.tickets = toTickets(*masks, sorted);
    return wheel;
}

QStringList TicketLines(const TCodeRedArrArr &tickets)
{
    QStringList lines;
    lines.reserve(qsizetype(tickets.size()));
    for (const TCodeRedArr &a : tickets)
        lines.append(RedArrToStr(a));
    return lines;
}

QString WheelCountLine(const ChosenWheel &wheel)
{
    return QStringLiteral("共%1注（全部组合%2注）").arg(wheel.tickets.size()).arg(wheel.allCount);
}

QString WheelVerifiedLine(const ChosenWheel &wheel)
{
    const WheelGuarantee &g = wheel.guarantee;
    return QStringLiteral("已验证：%1个号码中任意%2个开出（共%3种情形），每种都有一注至少中其中%4个（%5）")
        .arg(wheel.numbers.size())
        .arg(g.m)
        .arg(wheel.checked)
        .arg(g.t)
        .arg(g.caption());
}

QStringList WheelLines(const ChosenWheel &wheel)
{
    QStringList lines = TicketLines(wheel.tickets);
    lines << WheelCountLine(wheel) << WheelVerifiedLine(wheel);
    return lines;
}
