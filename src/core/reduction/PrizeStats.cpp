#include "core/reduction/PrizeStats.h"

#include "core/code/Code.h"
#include "core/reduction/TypedNumbers.h"

#include <QRegularExpression>
#include <algorithm>

namespace {
inline constexpr int kTicketPrice = 2;
} // namespace

const std::vector<PrizeRule> &PrizeRules()
{
    static const std::vector<PrizeRule> rules = {
        {2003001,
         {{
             {QStringLiteral("一等奖"), {{6, true}}, 0},
             {QStringLiteral("二等奖"), {{6, false}}, 0},
             {QStringLiteral("三等奖"), {{5, true}}, 3000},
             {QStringLiteral("四等奖"), {{5, false}, {4, true}}, 200},
             {QStringLiteral("五等奖"), {{4, false}, {3, true}}, 10},
             {QStringLiteral("六等奖"), {{2, true}, {1, true}, {0, true}}, 5},
         }}},
    };
    return rules;
}

const PrizeRule &PrizeRuleFor(int issueNo)
{
    const auto &rules = PrizeRules();
    const PrizeRule *found = &rules.front();
    for (const PrizeRule &rule : rules)
        if (rule.effectiveFrom <= issueNo)
            found = &rule;
    return *found;
}

std::optional<PrizeDraw> ParsePrizeDraw(const QString &text, const TBeenCodesRecArr &history, QString &error)
{
    const QString t = text.trimmed();
    static const QRegularExpression issueForm(QStringLiteral("^\\d{7}$"));
    if (issueForm.match(t).hasMatch()) {
        const int issue = t.toInt();
        for (auto it = history.rbegin(); it != history.rend(); ++it)
            if (it->issueNo() == issue) {
                PrizeDraw draw{it->Red, it->Blue, issue};
                std::sort(draw.reds.begin(), draw.reds.end());
                return draw;
            }
        error = QStringLiteral("开奖数据中没有第%1期！！").arg(t);
        return std::nullopt;
    }

    const auto typed = ParseTypedDraw(t);
    if (!typed || typed->blue == 0) {
        error = QStringLiteral("开奖号码的格式应为“01 02 03 04 05 06+07”：六个不同的红球（1-33）加一个蓝球（1-16）！！");
        return std::nullopt;
    }
    error.clear();
    return PrizeDraw{typed->reds, typed->blue, 0};
}

std::optional<std::vector<int>> ParseBlueList(const QString &text, QString &error)
{
    std::vector<int> blues;
    std::array<bool, 17> seen{};
    QString bad;
    const auto typed = ReadTypedNumbers(text, &bad);
    if (!typed) {
        error = QStringLiteral("蓝球“%1”有错误：蓝球号码应在1-16之间！！").arg(bad);
        return std::nullopt;
    }
    for (const int b : *typed) {
        if (b < 1 || b > 16) {
            error = QStringLiteral("蓝球“%1”有错误：蓝球号码应在1-16之间！！").arg(b);
            return std::nullopt;
        }
        if (!seen[std::size_t(b)]) {
            seen[std::size_t(b)] = true;
            blues.push_back(b);
        }
    }
    if (blues.empty())
        for (int b = 1; b <= 16; ++b)
            blues.push_back(b);
    std::sort(blues.begin(), blues.end());
    return blues;
}

PrizeStats ComputePrizeStats(const TCodeList &survivors, const PrizeDraw &draw, const std::vector<int> &blues)
{
    PrizeStats stats;
    const RedMask drawMask = ToMask(draw.reds);
    const std::size_t n = std::min<std::size_t>(survivors.Codes.size(), survivors.Alive.size());
    for (std::size_t i = 0; i < n; ++i)
        if (survivors.Alive[i])
            ++stats.redHits[std::size_t(CodeMask::count(ToMask(survivors.Codes[i]) & drawMask))];

    const qint64 blueHit = std::count(blues.begin(), blues.end(), draw.blue) > 0 ? 1 : 0;
    const qint64 blueMiss = qint64(blues.size()) - blueHit;
    stats.rule = draw.issueNo > 0 ? &PrizeRuleFor(draw.issueNo) : &PrizeRules().back();
    for (std::size_t t = 0; t < stats.rule->tiers.size(); ++t) {
        const PrizeTier &tier = stats.rule->tiers[t];
        for (const auto &[reds, blue] : tier.wins)
            stats.tierCounts[t] += stats.redHits[std::size_t(reds)] * (blue ? blueHit : blueMiss);
        stats.fixedTotal += stats.tierCounts[t] * tier.amount;
    }
    qint64 alive = 0;
    for (qint64 h : stats.redHits)
        alive += h;
    stats.tickets = alive * qint64(blues.size());
    stats.cost = stats.tickets * kTicketPrice;
    return stats;
}

QStringList PrizeStatLines(const PrizeStats &stats)
{
    QStringList lines;
    for (int m = 6; m >= 0; --m)
        lines << QStringLiteral("红球命中\t%1\t%2").arg(m).arg(stats.redHits[std::size_t(m)]);
    for (std::size_t t = 0; t < stats.rule->tiers.size(); ++t) {
        const PrizeTier &tier = stats.rule->tiers[t];
        lines << QStringLiteral("奖级\t%1\t%2\t%3")
                     .arg(tier.name)
                     .arg(stats.tierCounts[t])
                     .arg(tier.amount > 0 ? QString::number(tier.amount) : QStringLiteral("浮动"));
    }
    lines << QStringLiteral("投注\t%1\t%2").arg(stats.tickets).arg(stats.cost);
    lines << QStringLiteral("固定奖金\t%1").arg(stats.fixedTotal);
    return lines;
}
