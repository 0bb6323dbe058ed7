#include "update/UpdateRun.h"

#include "update/SourceReader.h"

#include <QDir>
#include <QFile>

FetchResult ReadLocalSource(const UpdateSource &source, qint64 maxBytes)
{
    const QString path = source.localPath();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return FetchResult::failed(FetchResult::FileError, shown, QStringLiteral("文件不存在"));
    if (!file.open(QIODevice::ReadOnly))
        return FetchResult::failed(FetchResult::FileError, shown, file.errorString());
    if (file.size() > maxBytes)
        return FetchResult::failed(FetchResult::TooLarge, shown);
    return FetchResult::success(file.readAll());
}

UpdateOutcome RunUpdate(const TBeenCodesRecArr &history, const UpdateSources &sources,
                        const WebFetcher &fetchWeb, const UpdateRules &rules)
{
    UpdateOutcome outcome;
    outcome.newestBefore = history.empty() ? 0 : history.back().issueNo();
    QList<SourceReading> readings;
    for (const UpdateSource &source : sources) {
        if (readings.size() == 2)
            break;
        const FetchResult fetched = source.isLocalFile() ? ReadLocalSource(source, rules.maxBytes)
                                                         : fetchWeb(source);
        if (fetched.failure == FetchResult::Cancelled) {
            outcome.cancelled = true;
            outcome.used.clear();
            return outcome;
        }
        if (!fetched.ok()) {
            outcome.failures << source.title + QStringLiteral("：")
                                    + FetchFailureText(fetched, rules.timeoutMs / 1000, rules.maxBytes);
            continue;
        }
        const SourceRead read = ReadSourceAnswer(source.form, fetched.bytes);
        if (!read.ok) {
            outcome.failures << source.title + QStringLiteral("：") + read.error;
            continue;
        }
        for (const QString &note : read.notes)
            outcome.notes << source.title + QStringLiteral("：") + note;
        readings.append({source.title, read.draws});
        outcome.used << source.title;
    }
    if (!readings.isEmpty())
        outcome.merge = MergeIntoHistory(history, readings);
    return outcome;
}

QString UpdateHeadline(const UpdateOutcome &o)
{
    if (o.cancelled)
        return QStringLiteral("下载已取消，开奖数据没有改动");
    if (!o.sourceRead())
        return QStringLiteral("没有读到任何来源的开奖数据，开奖数据没有改动");
    const SourceDraws &added = o.merge.added;
    if (added.isEmpty()) {
        const QString newest = o.newestBefore == 0
                                   ? QString()
                                   : QStringLiteral("（最新一期为第%1期）").arg(o.newestBefore, 7, 10, QLatin1Char('0'));
        return QStringLiteral("没有新的开奖数据") + newest;
    }
    const QString first = added.front().draw.issueText();
    const QString last = added.back().draw.issueText();
    return QStringLiteral("新增%1期（%2）")
        .arg(added.size())
        .arg(added.size() == 1 ? first : first + QStringLiteral("–") + last);
}

QStringList UpdateReportLines(const UpdateOutcome &o)
{
    QStringList lines{UpdateHeadline(o)};
    if (o.cancelled)
        return lines;
    if (o.used.size() == 1)
        lines << QStringLiteral("来源：") + o.used[0] + QStringLiteral("（只读到这一个来源，未能交叉核对）");
    else if (o.used.size() == 2)
        lines << QStringLiteral("来源：") + o.used[0] + QStringLiteral("（已与") + o.used[1]
                     + QStringLiteral("核对）");
    auto section = [&lines](const QString &title, const QStringList &items) {
        if (items.isEmpty())
            return;
        lines << title;
        for (const QString &item : items)
            lines << QStringLiteral("  ") + item;
    };
    section(QStringLiteral("两个来源不一致："), o.merge.conflicts);
    section(QStringLiteral("缺期："), o.merge.gaps);
    section(QStringLiteral("与历史数据不同的开奖号码："), o.merge.disagreements);
    section(QStringLiteral("来源数据中的问题："), o.notes);
    section(QStringLiteral("未能读取的来源："), o.failures);
    return lines;
}
