#include "core/update/UpdateRun.h"

#include "core/update/SourceReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QString issueText(int issue)
{
    return QString::number(issue).rightJustified(7, QLatin1Char('0'));
}

QString issueRange(const QList<int> &issues)
{
    if (issues.isEmpty())
        return {};
    return issues.size() == 1 ? issueText(issues.front())
                              : issueText(issues.front()) + QStringLiteral("–") + issueText(issues.back());
}

// The most pages a source is asked for: the whole history since 2003 in pages of 100.
constexpr int kMaxPages = 60;

struct Fetched
{
    FetchResult result;
    SourceRead read;
    QStringList pageNotes;   // a later page that failed
};

// A draw-notice source page by page, until its draws reach the history's newest one, the
// source has no more, or a page brings nothing new.
Fetched fetchPages(const UpdateSource &source, const WebFetcher &fetchWeb, const UpdateRules &rules,
                   int newestIssue)
{
    Fetched out;
    const int pageSize = PageSize(source);
    const QDate today = QDate::currentDate();
    int wanted = DrawsToAskFor(newestIssue, today);
    SourceDraws all;
    QStringList places;
    QStringList notes;
    int given = 0;
    QSet<int> seen;
    for (int page = 1; page <= kMaxPages; ++page) {
        const FetchResult fetched = fetchWeb(PageOf(source, page, wanted));
        if (!fetched.ok()) {
            if (page == 1 || fetched.failure == FetchResult::Cancelled) {
                out.result = fetched;
                return out;
            }
            out.pageNotes << QStringLiteral("第%1页未能读取（%2），只用了前%3页")
                                 .arg(page)
                                 .arg(FetchFailureText(fetched, rules.timeoutMs / 1000, rules.maxBytes))
                                 .arg(page - 1);
            break;
        }
        const SourceRead read = ReadSourceAnswer(source.form, fetched.bytes);
        if (!read.ok) {
            if (page == 1) {
                out.read = read;
                return out;
            }
            // A page past the last one may say so in its own way.
            break;
        }
        bool news = false;
        for (const SourceDraw &d : read.draws)
            if (!seen.contains(d.draw.issueNo())) {
                seen.insert(d.draw.issueNo());
                news = true;
            }
        // Older pages come later; the draws are kept oldest first.
        all = read.draws + all;
        for (qsizetype i = 0; i < read.draws.size(); ++i)
            places.prepend(page == 1 ? QStringLiteral("第%1条").arg(i + 1)
                                     : QStringLiteral("第%1页第%2条").arg(page).arg(i + 1));
        notes << read.notes;
        given += read.given;
        const int oldest = read.draws.front().draw.issueNo();
        const bool reachedHistory = newestIssue != 0 && oldest <= newestIssue;
        // A total of just what was asked for may be our own limit (the computer's clock may
        // be wrong): the later pages ask for everything.
        const bool ourLimit = read.total == wanted;
        if (ourLimit)
            wanted = DrawsToAskFor(0, today);
        const bool lastPage = read.given < pageSize || (read.total >= 0 && given >= read.total && !ourLimit);
        if (reachedHistory || lastPage || !news)
            break;
    }
    out.result = FetchResult::success({});
    out.read = CheckSourceDraws(all, places);
    out.read.notes = notes + out.read.notes;
    return out;
}

} // namespace

FetchResult ReadLocalSource(const UpdateSource &source, qint64 maxBytes)
{
    const QString path = source.localPath();
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return FetchResult::failed(FetchResult::FileError, shown, QStringLiteral("文件不存在"));
    if (QFileInfo(path).isDir())
        return FetchResult::failed(FetchResult::FileError, shown, QStringLiteral("这是文件夹，不是文件"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FetchResult::failed(FetchResult::FileError, shown, file.errorString());
    if (file.size() > maxBytes)
        return FetchResult::failed(FetchResult::TooLarge, shown);
    // One byte past the limit tells a file that is too large from one that just fits.
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray chunk = file.read(qMin<qint64>(maxBytes + 1 - bytes.size(), 1024 * 1024));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > maxBytes)
        return FetchResult::failed(FetchResult::TooLarge, shown);
    return FetchResult::success(bytes);
}

int DrawsToAskFor(int newestIssue, const QDate &today)
{
    // Never fewer than a page; the whole history since 2003 at most.
    const int all = (today.year() - 2003 + 1) * 160;
    if (newestIssue == 0)
        return all;
    const int year = newestIssue / 1000;
    const int no = newestIssue % 1000;
    const int since = (today.year() - year) * 160 + today.dayOfYear() * 3 / 7 + 3 - no;
    return qBound(100, since + 20, qMax(100, all));
}

UpdateOutcome RunUpdate(const TBeenCodesRecArr &history, const UpdateSources &sources,
                        const WebFetcher &fetchWeb, const UpdateRules &rules)
{
    UpdateOutcome outcome;
    const int newest = history.empty() ? 0 : history.back().issueNo();
    for (const UpdateSource &source : sources) {
        if (outcome.readings.size() == 2)
            break;
        Fetched fetched;
        if (source.isLocalFile()) {
            fetched.result = ReadLocalSource(source, rules.maxBytes);
            if (fetched.result.ok())
                fetched.read = ReadSourceAnswer(source.form, fetched.result.bytes);
        } else if (PageSize(source) > 0) {
            fetched = fetchPages(source, fetchWeb, rules, newest);
        } else {
            fetched.result = fetchWeb(source);
            if (fetched.result.ok())
                fetched.read = ReadSourceAnswer(source.form, fetched.result.bytes);
        }
        if (fetched.result.failure == FetchResult::Cancelled) {
            outcome.cancelled = true;
            outcome.used.clear();
            outcome.readings.clear();
            return outcome;
        }
        if (!fetched.result.ok()) {
            outcome.failures << source.title + QStringLiteral("：")
                                    + FetchFailureText(fetched.result, rules.timeoutMs / 1000, rules.maxBytes);
            continue;
        }
        if (!fetched.read.ok) {
            outcome.failures << source.title + QStringLiteral("：") + fetched.read.error;
            continue;
        }
        for (const QString &note : fetched.pageNotes + fetched.read.notes)
            outcome.notes << source.title + QStringLiteral("：") + note;
        outcome.readings.append({source.title, fetched.read.draws});
        outcome.used << source.title;
    }
    MergeOutcome(outcome, history);
    return outcome;
}

void MergeOutcome(UpdateOutcome &outcome, const TBeenCodesRecArr &history)
{
    outcome.newestBefore = history.empty() ? 0 : history.back().issueNo();
    outcome.merge = outcome.readings.isEmpty() ? MergeResult{} : MergeIntoHistory(history, outcome.readings);
}

QString UpdateHeadline(const UpdateOutcome &o)
{
    if (o.cancelled)
        return QStringLiteral("下载已取消，开奖数据没有改动");
    if (!o.sourceRead())
        return QStringLiteral("没有读到任何来源的开奖数据，开奖数据没有改动");
    const MergeResult &m = o.merge;
    QList<int> added;
    for (const SourceDraw &d : m.added)
        added << d.draw.issueNo();
    if (m.heldBack.isEmpty()) {
        if (added.isEmpty()) {
            const QString newest = o.newestBefore == 0
                                       ? QString()
                                       : QStringLiteral("（最新一期为第%1期）").arg(issueText(o.newestBefore));
            return QStringLiteral("没有新的开奖数据") + newest;
        }
        return QStringLiteral("新增%1期（%2）").arg(added.size()).arg(issueRange(added));
    }
    if (added.isEmpty())
        return QStringLiteral("找到%1期新开奖，都没有加入（%2），开奖数据没有改动").arg(m.found()).arg(m.heldShort);
    return QStringLiteral("找到%1期新开奖：新增%2期（%3），%4期没有加入（%5）")
        .arg(m.found())
        .arg(added.size())
        .arg(issueRange(added))
        .arg(m.heldBack.size())
        .arg(m.heldShort);
}

QStringList UpdateReportLines(const UpdateOutcome &o)
{
    QStringList lines{UpdateHeadline(o)};
    if (o.cancelled)
        return lines;
    const MergeResult &m = o.merge;
    if (o.used.size() == 1) {
        lines << QStringLiteral("来源：") + o.used[0] + QStringLiteral("（只读到这一个来源，未能交叉核对）");
    } else if (o.used.size() == 2) {
        QString line = QStringLiteral("来源：") + o.used[0] + QStringLiteral("（已与") + o.used[1] + QStringLiteral("核对");
        if (!m.unchecked.isEmpty()) {
            QStringList issues;
            for (int issue : m.unchecked)
                issues << issueText(issue);
            line += QStringLiteral("；第%1期只有一个来源给出，未能核对").arg(issues.join(QLatin1Char(',')));
        }
        lines << line + QStringLiteral("）");
    }
    auto section = [&lines](const QString &title, const QStringList &items) {
        if (items.isEmpty())
            return;
        lines << title;
        for (const QString &item : items)
            lines << QStringLiteral("  ") + item;
    };
    if (!m.heldBack.isEmpty())
        section(QStringLiteral("没有加入的新开奖（%1期，第%2期）：").arg(m.heldBack.size()).arg(issueRange(m.heldBack)),
                {m.heldReason + QStringLiteral("，第%1期及其后各期都没有加入，以免开奖数据中间缺期")
                                    .arg(issueText(m.heldBack.front()))});
    section(QStringLiteral("两个来源说法不一的往期开奖（历史数据未改动）："), m.conflicts);
    section(QStringLiteral("与历史数据不同的往期开奖（历史数据未改动）："), m.disagreements);
    if (!m.missingInHistory.isEmpty())
        section(QStringLiteral("历史数据中缺少、来源中有的期（没有补入，请核对后手工补入）："),
                {m.missingInHistory.join(QLatin1Char(','))});
    section(QStringLiteral("来源数据中的问题："), o.notes);
    section(QStringLiteral("未能读取的来源："), o.failures);
    return lines;
}

QString StartupCheckNote(const UpdateOutcome &o)
{
    if (StartupCheckFoundDraws(o))
        return QStringLiteral("发现%1期新开奖，点击查看").arg(o.merge.found());
    if (o.cancelled)
        return {};
    if (!o.sourceRead())
        return QStringLiteral("启动时检查新开奖失败：") + o.failures.join(QStringLiteral("；"));
    return QStringLiteral("启动时检查新开奖：") + UpdateHeadline(o);
}
