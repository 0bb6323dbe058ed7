#include "gui/update/OnlineUpdate.h"

#include "gui/app/MsgBox.h"
#include "core/base/TextFile.h"
#include "core/history/HistoryParser.h"
#include "core/update/SourceList.h"
#include "core/update/SourceReader.h"
#include "gui/update/UpdateReportDialog.h"
#include "net/WebFetch.h"

#include <QProgressDialog>

TOnlineUpdate::TOnlineUpdate(QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_dialogParent(dialogParent)
{
    m_confirm = [this](const QStringList &lines, const QString &warning) {
        TUpdateReportDialog dialog(lines, warning, m_dialogParent);
        return dialog.exec() == QDialog::Accepted;
    };
}

UpdateSources TOnlineUpdate::sources(QStringList *problems) const
{
    if (m_fixedSources)
        return *m_fixedSources;
    const SourceListRead read = LoadSourceList(m_sourceListFile);
    if (problems)
        *problems = read.problems;
    return read.sources;
}

FetchResult TOnlineUpdate::fetch(WebFetch &web, const UpdateSource &source)
{
    QProgressDialog progress(QStringLiteral("正在从“%1”下载开奖数据……").arg(source.title),
                             QStringLiteral("取消"), 0, 0, m_dialogParent);
    progress.setObjectName(QStringLiteral("DownloadProgress"));
    progress.setWindowTitle(QStringLiteral("在线更新"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    WebFetchHooks hooks;
    hooks.progress = [&progress](qint64 received, qint64 total) {
        // The bar counts kilobytes so that it stays within int for any size.
        progress.setMaximum(total > 0 ? int(total / 1024) + 1 : 0);
        progress.setValue(total > 0 ? int(received / 1024) : 0);
    };
    QMetaObject::Connection cancel;
    // Each request of the fetch (the results page, the data, a redirect) hands its own.
    hooks.started = [&](const std::function<void()> &abort) {
        disconnect(cancel);
        cancel = connect(&progress, &QProgressDialog::canceled, this, abort);
    };
    FetchResult result = web.get(source, hooks);
    disconnect(cancel);
    progress.close();
    return result;
}

std::optional<TOnlineUpdate::Accepted> TOnlineUpdate::Run(const QString &memoText, bool memoUnsaved,
                                                          const UpdateOutcome *alreadyRead)
{
    if (m_running)
        return std::nullopt;
    m_running = true;
    struct Running { bool &flag; ~Running() { flag = false; } } running{m_running};

    // The merge compares with the text the player works on, so it must be a history.
    TBeenCodesRecArr history;
    QStringList parseMessages;
    if (!ParseHistoryQuietly(MemoLines(memoText), history, parseMessages)) {
        MsgBox::error(m_dialogParent, QStringLiteral("数据面板中的开奖数据有错误，请先纠正再在线更新：\n")
                                          + parseMessages.join(QLatin1Char('\n')));
        return std::nullopt;
    }

    UpdateOutcome outcome;
    if (alreadyRead) {
        outcome = *alreadyRead;
        MergeOutcome(outcome, history);
    } else {
        QStringList listProblems;
        const UpdateSources list = sources(&listProblems);
        WebFetch web(m_rules);
        outcome = RunUpdate(history, list, [this, &web](const UpdateSource &s) { return fetch(web, s); }, m_rules);
        outcome.notes = listProblems + outcome.notes;
    }
    const QStringList lines = UpdateReportLines(outcome);
    const QString headline = lines.front();
    if (outcome.cancelled) {
        emit statusText(QStringLiteral("在线更新：") + headline);
        return std::nullopt;
    }
    if (!outcome.sourceRead()) {
        emit statusText(QStringLiteral("在线更新失败：") + headline);
        MsgBox::error(m_dialogParent, QStringLiteral("晨帆选号通 在线更新开奖数据 失败!\n")
                                          + lines.join(QLatin1Char('\n')));
        return std::nullopt;
    }
    if (!outcome.hasNewDraws()) {
        emit statusText(QStringLiteral("在线更新：") + headline);
        MsgBox::information(m_dialogParent, lines.join(QLatin1Char('\n')));
        return std::nullopt;
    }
    const QString warning = memoUnsaved ? QStringLiteral("注意：数据面板中尚未保存的修改将与新增的开奖数据一起保存。")
                                        : QString();
    if (!m_confirm(lines, warning)) {
        emit statusText(QStringLiteral("在线更新：没有保存，开奖数据没有改动"));
        return std::nullopt;
    }
    Accepted accepted;
    accepted.text = AppendDraws(memoText, outcome.merge.added);
    accepted.headline = headline;
    accepted.added = int(outcome.merge.added.size());
    accepted.dates = outcome.merge.dates;
    return accepted;
}
