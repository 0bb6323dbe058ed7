#include "core/wheel/ChosenWheel.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "core/wheel/SubsetRank.h"
#include "core/wheel/SurvivorCover.h"
#include "core/wheel/WheelMask.h"
#include "core/wheel/WheelTable.h"
#include "core/wheel/WheelVerifier.h"

#include <algorithm>
#include <bit>

namespace {

// Masks over the bits 0..n-1 (the numbers) as tickets of six reds, the bankers added.
TCodeRedArrArr toTickets(const std::vector<std::uint64_t> &masks, const QList<int> &numbers, const QList<int> &bankers)
{
    TCodeRedArrArr tickets;
    tickets.reserve(masks.size());
    for (const std::uint64_t mask : masks)
        tickets.push_back(TicketOfPositions(mask, numbers, bankers));
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

bool distinctReds(const QList<int> &sorted)
{
    return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()
        && (sorted.isEmpty() || (sorted.front() >= 1 && sorted.back() <= 33));
}

// Every m-subset of the bits 0..n-1.
std::vector<std::uint64_t> allSubsets(int n, int m)
{
    std::vector<std::uint64_t> subsets;
    subsets.reserve(std::size_t(SubsetRank::binom(n, m)));
    const std::uint64_t all = (std::uint64_t{1} << n) - 1;
    for (std::uint64_t x = (std::uint64_t{1} << m) - 1; x <= all; x = SubsetRank::nextSameCount(x))
        subsets.push_back(x);
    return subsets;
}

// The survivor cover of every m-subset, then the annealing from it for a fixed count of
// moves: never larger than the cover, and the same on every run.
std::optional<std::vector<std::uint64_t>> searchWheel(int n, const WheelGuarantee &g, int size, WheelControl *control)
{
    std::vector<std::uint64_t> cover = CoverSurvivorMasks(allSubsets(n, g.m), g.t, control, size,
                                                          (std::uint64_t{1} << n) - 1);
    if (control && control->cancel.load())
        return std::nullopt;
    if (control)
        control->bestSize.store(int(cover.size()));
    WheelSearchOptions options;
    options.steps = WheelSearchSteps(n, g, size);
    options.ticketSize = size;
    options.start = cover;
    std::optional<std::vector<std::uint64_t>> found = SearchWheel(n, g, options, control);
    if (!found || found->size() > cover.size())
        return cover;
    return found;
}

// The smallest table entry over more numbers with the same guarantee and fewer than
// `beat` tickets, narrowed to the first n: in every ticket each number beyond n gives way
// to the lowest number the ticket lacks. A draw among the first n numbers meets every
// ticket at least where it met it before, so the guarantee holds (and is checked again by
// the caller). Entries too large to win are not read.
std::optional<std::vector<std::uint64_t>> narrowedEntry(const WheelTable &table, int n, const WheelGuarantee &g,
                                                        std::size_t beat)
{
    std::optional<std::vector<std::uint64_t>> best;
    for (int more = n + 1; more <= kWheelMaxNumbers; ++more) {
        const std::optional<int> claimed = table.claimedSize(more, g);
        if (!claimed || std::size_t(*claimed) >= (best ? best->size() : beat))
            continue;
        const std::optional<std::vector<std::uint64_t>> entry = table.find(more, g);
        if (!entry)
            continue;
        std::vector<std::uint64_t> narrowed;
        for (std::uint64_t ticket : *entry) {
            ticket &= (std::uint64_t{1} << n) - 1;
            for (int x = 0; std::popcount(ticket) < 6; ++x)
                ticket |= std::uint64_t{1} << x;
            narrowed.push_back(ticket);
        }
        std::sort(narrowed.begin(), narrowed.end());
        narrowed.erase(std::unique(narrowed.begin(), narrowed.end()), narrowed.end());
        if (!best || narrowed.size() < best->size())
            best = std::move(narrowed);
    }
    return best;
}

} // namespace

std::int64_t WheelSearchSteps(int n, const WheelGuarantee &g, int ticketSize)
{
    // About three seconds on a slow machine for the largest cases: a move costs about
    // C(size-1, t-1) * C(n-size, m-t) subset updates. A small case gets fewer moves (it
    // settles long before, and the search would only go on looking below its best).
    const double work = double(SubsetRank::binom(ticketSize - 1, g.t - 1) * SubsetRank::binom(n - ticketSize, g.m - g.t));
    const std::int64_t byCost = std::int64_t(1.5e7 / std::max(1.0, work));
    const std::int64_t bySize = 2000 * SubsetRank::binom(n, g.m);
    return std::max<std::int64_t>(500, std::min(byCost, bySize));
}

QString WheelBankersProblem(const QList<int> &numbers, const QList<int> &bankers, const WheelGuarantee &guarantee)
{
    QList<int> sorted = bankers;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() < 1 || sorted.size() > 3 || !distinctReds(sorted))
        return QStringLiteral("胆码应为1到3个不同的红球号码！！");
    for (const int b : sorted)
        if (numbers.contains(b))
            return QStringLiteral("胆码%1已在拖码中，请不要重复选择！！").arg(b, 2, 10, QLatin1Char('0'));
    if (int(sorted.size()) >= guarantee.t)
        return QStringLiteral("%1个胆码全部开出已中%1个，%2至少要少于%3个胆码，请减少胆码！！")
            .arg(sorted.size())
            .arg(guarantee.caption())
            .arg(guarantee.t);
    return {};
}

std::optional<ChosenWheel> MakeWheel(const QList<int> &numbers, const WheelGuarantee &guarantee,
                                     const QList<int> &bankers, WheelControl *control, const WheelTable *table)
{
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.size() < kWheelMinNumbers || sorted.size() > kWheelMaxNumbers || !distinctReds(sorted))
        throw SsqError(QStringLiteral("请选择7到33个不同的红球号码！！"));
    if (!bankers.isEmpty()) {
        const QString problem = WheelBankersProblem(sorted, bankers, guarantee);
        if (!problem.isEmpty())
            throw SsqError(problem);
    }
    QList<int> bankersSorted = bankers;
    std::sort(bankersSorted.begin(), bankersSorted.end());
    const int n = int(sorted.size());
    const int b = int(bankersSorted.size());
    // With the bankers drawn, the rest of a ticket (6 - b numbers) must hold t - b of the
    // m - b others that are drawn.
    const WheelGuarantee rest{guarantee.m - b, guarantee.t - b};

    ChosenWheel wheel;
    wheel.numbers = sorted;
    wheel.bankers = bankersSorted;
    wheel.guarantee = guarantee;
    wheel.allCount = SubsetRank::binom(n, 6 - b);
    std::optional<std::vector<std::uint64_t>> masks;
    const WheelTable &wheels = table ? *table : WheelTable::shipped();
    if (b == 0)
        masks = wheels.find(n, guarantee);
    wheel.fromTable = masks.has_value();
    if (!masks) {
        masks = searchWheel(n, rest, 6 - b, control);
        if (!masks)
            return std::nullopt;
        wheel.complete = !(control && control->cancel.load());
        // A larger entry of the table, narrowed, when it beats the search.
        if (b == 0 && wheel.complete) {
            std::optional<std::vector<std::uint64_t>> narrowed = narrowedEntry(wheels, n, guarantee, masks->size());
            if (narrowed && narrowed->size() < masks->size()) {
                masks = std::move(narrowed);
                wheel.fromTable = true;
            }
        }
    }
    // The check runs on the whole tickets: the numbers at the bits 0..n-1, the bankers
    // after them, counted as drawn in every case.
    std::uint64_t bankerBits = 0;
    for (int i = 0; i < b; ++i)
        bankerBits |= std::uint64_t{1} << (n + i);
    std::vector<std::uint64_t> whole;
    whole.reserve(masks->size());
    for (const std::uint64_t mask : *masks)
        whole.push_back(mask | bankerBits);
    const WheelCheck check = VerifyWheel(n + b, guarantee, whole, bankerBits);
    if (!check.ok)
        throw SsqError(QStringLiteral("旋转矩阵未通过验证，没有生成！！"));
    wheel.checked = check.checked;
    wheel.tickets = toTickets(*masks, sorted, bankersSorted);
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
    const int b = int(wheel.bankers.size());
    QString drawn;
    if (b > 0) {
        QStringList names;
        for (const int banker : wheel.bankers)
            names << IntToPadStr(banker, 2, true);
        drawn = QStringLiteral("胆码%1全部开出、其余").arg(names.join(QLatin1Char(' ')));
    }
    return QStringLiteral("已验证：%1%2个号码中任意%3个开出（共%4种情形），每种都有一注至少中其中%5个（%6）")
        .arg(drawn)
        .arg(wheel.numbers.size())
        .arg(g.m - b)
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
