#include "core/recommend/RecommendCommands.h"

#include "core/code/SsqError.h"
#include "core/reduction/ReductionEngine.h"

#include <algorithm>

namespace {

const QString kComma = QStringLiteral(",");

// A command that picks reds only: the reds 18..33 are ranked after 1..17, and one or
// three groups are picked from that ranking.
struct RedRule
{
    int window;
    int start;
    std::vector<int> steps;   // one per group
    int picks;
    const char16_t *name;     // in the titles and the completion text
    bool numbered;            // title "name(第g组)n个号" rather than "name:n个号"
    const char16_t *completion;
};

// A multi-number ticket: reds and blues picked with the same start and step.
struct MultiRule
{
    int start;
    int step;
    int redPicks;
    int groups;
};

inline constexpr int kMultiRedWindow = 26;
inline constexpr int kMultiBlueWindow = 10;
inline constexpr int kMultiBluePicks = 3;
inline constexpr int kSingleWindow = 20;
inline constexpr int kColdFromPosition = 20;

const RedRule &redRule(RecommendKind kind)
{
    static const RedRule cold{20, 3, {5, 6, 7}, 4, u"冷码推荐", true, u"完成 冷码推荐"};
    static const RedRule hot{20, 9, {9, 10, 11}, 4, u"热码推荐", true, u"完成 热码推荐"};
    static const RedRule must{20, 11, {9}, 5, u"必出码推荐", false, u"完成 必出码推荐"};
    static const RedRule banker{20, 14, {17}, 5, u"胆码推荐", false, u"完成 胆码推荐"};
    switch (kind) {
    case RecommendKind::Hot: return hot;
    case RecommendKind::Must: return must;
    case RecommendKind::Banker: return banker;
    default: return cold;
    }
}

MultiRule multiRule(RecommendKind kind)
{
    switch (kind) {
    case RecommendKind::Multi15: return {6, 23, 15, 20};
    case RecommendKind::Multi12: return {13, 1, 12, 30};
    default: return {19, 7, 22, 2};
    }
}

bool isMulti(RecommendKind kind)
{
    return kind == RecommendKind::Multi23 || kind == RecommendKind::Multi15
        || kind == RecommendKind::Multi12;
}

template<std::size_t N>
void flagPicks(std::array<bool, N> &flags, int start, int step, int picks)
{
    flags.fill(false);
    for (int position : PickPositions(start, step, picks, static_cast<int>(N) - 1))
        flags[static_cast<std::size_t>(position)] = true;
}

// Marks the reds 18..33 so that the ranking holds 1..17 by frequency, then 18..33.
void rankRedsUpTo17(const TBeenCodesRecArr &history, int window, TRedRankArr &ranking)
{
    TRedFreqArr freq;
    GetRedFreq(history, window, freq);
    for (int n = 18; n <= kRedNumbers; ++n)
        freq[static_cast<std::size_t>(n)] = kRankLast;
    SortRedByFreq(freq, ranking);
}

RecommendOutput runRedRule(const RedRule &rule, const TBeenCodesRecArr &history)
{
    TRedRankArr ranking;
    rankRedsUpTo17(history, rule.window, ranking);
    RecommendOutput out;
    const QString name = QString::fromUtf16(rule.name);
    int start = rule.start;
    for (std::size_t g = 0; g < rule.steps.size(); ++g) {
        TRedPickArr flags;
        flagPicks(flags, start, rule.steps[g], rule.picks);
        int count = 0;
        QString numbers;
        RedPickToStr(ranking, flags, count, kComma, numbers);
        if (rule.numbered)
            out.lines << QStringLiteral("%1(第%2组)%3个号").arg(name).arg(g + 1).arg(count);
        else
            out.lines << QStringLiteral("%1:%2个号").arg(name).arg(count);
        out.lines << numbers;
        start = NextPickStart(start);
    }
    out.completion = QString::fromUtf16(rule.completion);
    return out;
}

RecommendOutput runMulti(const MultiRule &rule, const TBeenCodesRecArr &history)
{
    TRedRankArr reds;
    rankRedsUpTo17(history, kMultiRedWindow, reds);
    TBlueFreqArr blueFreq;
    GetBlueFreq(history, kMultiBlueWindow, blueFreq);
    for (int n = 1; n <= 3; ++n)
        blueFreq[static_cast<std::size_t>(n)] = kRankLast;
    TBlueRankArr blues;
    SortBlueByFreq(blueFreq, blues);

    RecommendOutput out;
    int start = rule.start;
    for (int g = 1; g <= rule.groups; ++g) {
        TRedPickArr redFlags;
        TBluePickArr blueFlags;
        flagPicks(redFlags, start, rule.step, rule.redPicks);
        flagPicks(blueFlags, start, rule.step, kMultiBluePicks);
        int redCount = 0;
        int blueCount = 0;
        QString redText;
        QString blueText;
        RedPickToStr(reds, redFlags, redCount, kComma, redText);
        BluePickToStr(blues, blueFlags, blueCount, kComma, blueText);
        out.lines << QStringLiteral("复式推荐(第%1组):%2+%3个号").arg(g).arg(redCount).arg(blueCount);
        out.lines << redText + QLatin1Char('+') + blueText;
        start = NextPickStart(start);
    }
    out.completion = QStringLiteral("完成 复式推荐");
    return out;
}

RecommendOutput runSingle(const TBeenCodesRecArr &history)
{
    TRedFreqArr freq;
    GetRedFreq(history, kSingleWindow, freq);
    TRedRankArr ranking;
    SortRedByFreq(freq, ranking);

    // A list of its own: the reduction's results stay as they are.
    TCodeList list;
    BuildBaseList(list);
    std::vector<std::uint8_t> eligible;
    const int eligibleCount = MarkEligible(list, ColdSet(ranking), eligible);

    RecommendOutput out;
    for (int tickets : TicketCounts) {
        out.lines << QStringLiteral("单注预测(%1注):").arg(tickets);
        for (int index : PickTickets(eligible, eligibleCount, tickets))
            out.lines << RedArrToStr(list.Codes[static_cast<std::size_t>(index)]);
        out.lines << QString();
    }
    out.completion = QStringLiteral("完成 单注预测");
    return out;
}

struct KindName
{
    RecommendKind kind;
    const char *name;
};
constexpr std::array<KindName, 8> kKindNames{{
    {RecommendKind::Cold, "cold"},
    {RecommendKind::Hot, "hot"},
    {RecommendKind::Must, "must"},
    {RecommendKind::Banker, "banker"},
    {RecommendKind::Single, "single"},
    {RecommendKind::Multi23, "multi23"},
    {RecommendKind::Multi15, "multi15"},
    {RecommendKind::Multi12, "multi12"},
}};

} // namespace

std::vector<int> PickPositions(int start, int step, int picks, int modulus)
{
    std::vector<int> positions;
    for (int i = 0; i < picks; ++i)
        positions.push_back(((i * step + start) % modulus) + 1);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

RecommendOutput RunRecommend(RecommendKind kind, const TBeenCodesRecArr &history)
{
    if (kind == RecommendKind::Single)
        return runSingle(history);
    if (isMulti(kind))
        return runMulti(multiRule(kind), history);
    return runRedRule(redRule(kind), history);
}

RedMask ColdSet(const TRedRankArr &ranking)
{
    RedMask cold = 0;
    for (int k = kColdFromPosition; k <= kRedNumbers; ++k)
        cold |= CodeMask::bit(ranking[static_cast<std::size_t>(k)]);
    return cold & CodeMask::All;
}

int MarkEligible(const TCodeList &list, RedMask cold, std::vector<std::uint8_t> &eligible)
{
    const std::size_t size = std::min(static_cast<std::size_t>(std::max(list.Count, 0)),
                                      list.Codes.size());
    eligible.assign(size, 0);
    // Over a million entries: a table by number instead of a mask and a bit count per
    // entry, and no branch on the outcome. Entries outside 0..63 cannot occur in a list
    // of combinations; masking the index keeps even a corrupt one inside the table.
    std::array<std::uint8_t, 64> inCold{};
    for (int n = 1; n <= kRedNumbers; ++n)
        inCold[static_cast<std::size_t>(n)] = CodeMask::HasNum(cold, n);
    int count = 0;
    const TCodeRedArr *codes = list.Codes.data();
    for (std::size_t i = 0; i < size; ++i) {
        unsigned in = 0;
        for (auto n : codes[i])
            in += inCold[static_cast<std::uint8_t>(n) & 63U];
        const bool ok = in - 2U <= 2U;
        eligible[i] = ok;
        count += ok;
    }
    return count;
}

std::vector<int> PickTickets(const std::vector<std::uint8_t> &eligible, int eligibleCount,
                             int tickets)
{
    std::vector<int> picked;
    if (tickets <= 0)
        return picked;
    const int step = eligibleCount / tickets;
    // The walk restarts on the ticket just taken, which counts again as the first of the
    // next step: step - 1 further eligible entries lie between two tickets.
    const int first = step >= 2 ? step : 1;
    const int gap = step >= 2 ? step - 1 : 1;
    picked.reserve(static_cast<std::size_t>(tickets));
    const std::size_t size = eligible.size();
    std::size_t i = 0;
    int wanted = first;
    while (static_cast<int>(picked.size()) < tickets) {
        int counted = 0;
        for (; i < size; ++i) {
            // Counting without a branch on the flag; the count first reaches the wanted
            // value on an eligible entry.
            counted += eligible[i];
            if (counted == wanted)
                break;
        }
        if (i >= size)
            break;
        picked.push_back(static_cast<int>(i));
        ++i;
        wanted = gap;
    }
    return picked;
}

std::optional<RecommendKind> RecommendKindFromName(const QString &name)
{
    for (const KindName &k : kKindNames)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

QString RecommendKindName(RecommendKind kind)
{
    for (const KindName &k : kKindNames)
        if (k.kind == kind)
            return QLatin1String(k.name);
    return {};
}

bool RecommendCommandLines(const TBeenCodesRecArr &history, const QString &cmd,
                           QStringList &lines, QString &error)
{
    const std::optional<RecommendKind> kind = RecommendKindFromName(cmd);
    if (!kind) {
        error = QStringLiteral("unknown recommendation command: %1").arg(cmd);
        return false;
    }
    try {
        lines = RunRecommend(*kind, history).lines;
        return true;
    } catch (const SsqError &e) {
        error = e.text();
        return false;
    }
}
