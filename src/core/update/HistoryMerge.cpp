#include "core/update/HistoryMerge.h"

#include "core/history/HistoryParser.h"

#include <QSet>

namespace {

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
                    result.missingInHistory << list.front().draw.draw.issueText();
                continue;
            }
            const DrawRecord &mine = known[issue];
            if (list.front().draw.draw != mine) {
                QStringList parts;
                for (const Offer &o : list)
                    parts << readings[o.reading].title + QStringLiteral("为") + DrawNumbers(o.draw.draw);
                result.disagreements << QStringLiteral("第%1期：历史数据为%2，").arg(mine.issueText(), DrawNumbers(mine))
                                            + parts.join(QStringLiteral("，"));
            } else if (const QString date = dateOf(list); !date.isEmpty()) {
                result.dates.insert(issue, date);
            }
            continue;
        }
        if (stopped) {
            result.heldBack << issue;
            continue;
        }
        if (!agreed(list)) {
            result.heldReason = conflictText(list);
            result.heldShort = QStringLiteral("第%1期两个来源不一致").arg(list.front().draw.draw.issueText());
            result.heldBack << issue;
            stopped = true;
            continue;
        }
        if (previous != 0) {
            if (const QString missing = MissingIssuesText(previous, issue); !missing.isEmpty()) {
                result.heldReason = missing;
                result.heldShort = missing.size() <= 24 ? missing : QStringLiteral("来源缺期");
                result.heldBack << issue;
                stopped = true;
                continue;
            }
        }
        SourceDraw draw = list.front().draw;
        draw.date = dateOf(list);
        result.added.append(draw);
        if (readings.size() > 1 && list.size() < readings.size())
            result.unchecked << issue;
        if (!draw.date.isEmpty())
            result.dates.insert(issue, draw.date);
        previous = issue;
    }
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
