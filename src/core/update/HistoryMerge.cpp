#include "update/HistoryMerge.h"

#include "history/HistoryParser.h"

#include <QSet>

namespace {

QString issueRange(int first, int last)
{
    const auto text = [](int issue) { return QString::number(issue).rightJustified(7, QLatin1Char('0')); };
    return first == last ? text(first) : text(first) + QStringLiteral("–") + text(last);
}

struct Offer
{
    qsizetype reading;
    SourceDraw draw;
};

} // namespace

MergeResult MergeIntoHistory(const TBeenCodesRecArr &history, const QList<SourceReading> &readings)
{
    MergeResult result;
    QMap<int, DrawRecord> known;
    for (const DrawRecord &d : history)
        known.insert(d.issueNo(), SortedDraw(d));
    const int newest = history.empty() ? 0 : history.back().issueNo();
    const int oldest = history.empty() ? 0 : history.front().issueNo();

    QMap<int, QList<Offer>> offers;
    for (qsizetype r = 0; r < readings.size(); ++r)
        for (const SourceDraw &d : readings[r].draws)
            offers[d.draw.issueNo()].append({r, d});

    auto conflictText = [&](const QList<Offer> &list) {
        QStringList parts;
        for (const Offer &o : list)
            parts << readings[o.reading].title + QStringLiteral("为") + DrawNumbers(o.draw.draw);
        return QStringLiteral("第%1期两个来源不一致：").arg(list.front().draw.draw.issueText())
               + parts.join(QStringLiteral("，"));
    };
    auto agreed = [](const QList<Offer> &list) {
        for (const Offer &o : list)
            if (o.draw.draw != list.front().draw.draw)
                return false;
        return true;
    };
    auto dateOf = [](const QList<Offer> &list) {
        for (const Offer &o : list)
            if (!o.draw.date.isEmpty())
                return o.draw.date;
        return QString();
    };

    int previous = newest;
    bool stopped = false;
    QList<int> leftOut;
    QStringList missingInHistory;
    for (auto it = offers.cbegin(); it != offers.cend(); ++it) {
        const int issue = it.key();
        const QList<Offer> &list = it.value();
        if (issue <= newest) {
            if (!agreed(list)) {
                result.conflicts << conflictText(list);
                continue;
            }
            if (!known.contains(issue)) {
                if (issue > oldest)
                    missingInHistory << list.front().draw.draw.issueText();
                continue;
            }
            const DrawRecord &mine = known[issue];
            if (list.front().draw.draw != mine) {
                QStringList parts;
                for (const Offer &o : list)
                    parts << readings[o.reading].title + QStringLiteral("为") + DrawNumbers(o.draw.draw);
                result.disagreements << QStringLiteral("第%1期：历史数据为%2，").arg(mine.issueText(), DrawNumbers(mine))
                                            + parts.join(QStringLiteral("，")) + QStringLiteral("（历史数据未改动）");
            } else if (const QString date = dateOf(list); !date.isEmpty()) {
                result.dates.insert(issue, date);
            }
            continue;
        }
        if (stopped) {
            leftOut << issue;
            continue;
        }
        if (!agreed(list)) {
            result.conflicts << conflictText(list) + QStringLiteral("，该期及其后各期未加入");
            stopped = true;
            continue;
        }
        if (previous != 0) {
            if (const QString missing = MissingIssuesText(previous, issue); !missing.isEmpty()) {
                result.gaps << missing + QStringLiteral("，其后各期未加入");
                stopped = true;
                leftOut << issue;
                continue;
            }
        }
        SourceDraw draw = list.front().draw;
        draw.date = dateOf(list);
        result.added.append(draw);
        if (!draw.date.isEmpty())
            result.dates.insert(issue, draw.date);
        previous = issue;
    }
    if (!missingInHistory.isEmpty())
        result.gaps.prepend(QStringLiteral("历史数据中缺少第%1期（来源中有，未补入：请核对后手工补入）")
                                .arg(missingInHistory.join(QLatin1Char(','))));
    if (!leftOut.isEmpty())
        result.gaps << QStringLiteral("未加入%1期（%2）").arg(leftOut.size()).arg(issueRange(leftOut.front(), leftOut.back()));
    return result;
}

QString AppendDraws(const QString &historyText, const SourceDraws &added)
{
    QString text = historyText;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    for (const SourceDraw &d : added)
        text += DrawLine(d.draw) + QLatin1Char('\n');
    return text;
}
