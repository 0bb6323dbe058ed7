#pragma once

#include "core/update/UpdateRules.h"
#include "core/update/FetchResult.h"
#include "core/update/HistoryMerge.h"
#include "core/update/UpdateSource.h"

#include <QDate>
#include <functional>

// One online update, from the sources to the lines the player reads. How the answers are
// fetched from the web is the caller's (the desktop program shows a progress window, the
// batch tool does not); local files are read here.
struct UpdateOutcome
{
    bool cancelled = false;
    QStringList failures;     // "乐彩网开奖数据文本：找不到服务器……", one per source not read
    QStringList notes;        // "中国福利彩票网站开奖公告：第3条不是开奖数据……"
    QStringList used;         // titles of the sources read: the first is the one used,
                              // the second the one it was checked against
    QList<SourceReading> readings;   // the draws of the sources used, as they gave them
    MergeResult merge;
    int newestBefore = 0;     // the history's newest issue before the update (0: empty)

    bool sourceRead() const { return !used.isEmpty(); }
    bool hasNewDraws() const { return !merge.added.isEmpty(); }
};

using WebFetcher = std::function<FetchResult(const UpdateSource &source)>;

// Tries the sources in order until two have been read (the second to check the first);
// a cancelled fetch ends the update. Then merges their draws into `history`.
// A draw-notice source is asked page after page until its draws reach back to the
// history's newest one, however long the player was away.
UpdateOutcome RunUpdate(const TBeenCodesRecArr &history, const UpdateSources &sources,
                        const WebFetcher &fetchWeb, const UpdateRules &rules);

// The sources' draws merged anew into `history`, which may have changed since they were
// read (a check at start is looked at later).
void MergeOutcome(UpdateOutcome &outcome, const TBeenCodesRecArr &history);

// A local source's bytes, within the size limit (a pipe or a device has no size to check
// beforehand, so the limit holds while reading).
FetchResult ReadLocalSource(const UpdateSource &source, qint64 maxBytes);

// How many draws a source is asked for when the history's newest draw is `newestIssue`
// (0: no history) and today is `today`: about three a week since then, with room to spare.
int DrawsToAskFor(int newestIssue, const QDate &today);

// "新增45期（2026096–2026140）", or what happened instead; draws that were found and
// not added are counted with the reason.
QString UpdateHeadline(const UpdateOutcome &outcome);
// The status bar's line after the check at start: "发现3期新开奖，点击查看" when there are
// new draws to look at, else what the check found or why it failed, in one line.
QString StartupCheckNote(const UpdateOutcome &outcome);
// Whether the check at start has draws to offer.
inline bool StartupCheckFoundDraws(const UpdateOutcome &outcome) { return outcome.merge.found() > 0; }

// Everything the player is shown before saving: the headline, the sources, the gaps, the
// disagreements and the notes, one line each, sub-items indented by two blanks.
QStringList UpdateReportLines(const UpdateOutcome &outcome);
