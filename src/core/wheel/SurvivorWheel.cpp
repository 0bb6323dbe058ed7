#include "core/wheel/SurvivorWheel.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "core/wheel/ChosenWheel.h"
#include "core/wheel/SurvivorCover.h"
#include "core/wheel/WheelMask.h"
#include "core/wheel/WheelVerifier.h"

#include <algorithm>
#include <bit>

std::optional<SurvivorWheel> CoverSurvivors(const TCodeList &list, int t, WheelControl *control)
{
    if (t < 3 || t > 5)
        throw SsqError(QStringLiteral("缩水后旋转只能保3、保4或保5！！"));
    std::vector<std::uint64_t> survivors;
    const std::size_t n = std::min<std::size_t>(list.Codes.size(), list.Alive.size());
    for (std::size_t i = 0; i < n; ++i)
        if (list.Alive[i])
            survivors.push_back(ToMask(list.Codes[i]));
    std::vector<std::uint64_t> masks = CoverSurvivorMasks(survivors, t, control);
    if (control && control->cancel.load())
        return std::nullopt;
    if (!VerifySurvivorWheel(survivors, masks, t).ok)
        throw SsqError(QStringLiteral("旋转结果未通过验证，没有生成！！"));
    SurvivorWheel wheel;
    wheel.t = t;
    wheel.survivors = int(survivors.size());
    wheel.tickets.reserve(masks.size());
    for (const std::uint64_t mask : masks) {
        TCodeRedArr a{};
        std::size_t k = 0;
        ForEachBit(mask, [&](int red) {
            if (k < a.size())
                a[k++] = std::int8_t(red);
        });
        wheel.tickets.push_back(a);
    }
    std::sort(wheel.tickets.begin(), wheel.tickets.end());
    return wheel;
}

QString SurvivorWheelCountLine(const SurvivorWheel &wheel)
{
    return QStringLiteral("缩水后旋转（保%1）：缩水结果%2注，旋转后%3注")
        .arg(wheel.t)
        .arg(wheel.survivors)
        .arg(wheel.tickets.size());
}

QString SurvivorWheelVerifiedLine(const SurvivorWheel &wheel)
{
    return QStringLiteral("已验证：%1注缩水结果每一注都有一注旋转号码至少含其中%2个")
        .arg(wheel.survivors)
        .arg(wheel.t);
}

QStringList SurvivorWheelLines(const SurvivorWheel &wheel)
{
    QStringList lines = TicketLines(wheel.tickets);
    lines << SurvivorWheelCountLine(wheel) << SurvivorWheelVerifiedLine(wheel);
    return lines;
}

TCodeList WheelResultList(const TCodeRedArrArr &tickets)
{
    TCodeList list;
    list.Codes = tickets;
    list.Count = int(tickets.size());
    list.Alive.assign(tickets.size(), 1);
    return list;
}
