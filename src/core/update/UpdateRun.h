#pragma once

#include "history/UpdateRules.h"
#include "update/FetchResult.h"
#include "update/HistoryMerge.h"
#include "update/UpdateSource.h"

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
    MergeResult merge;
    int newestBefore = 0;     // the history's newest issue before the update (0: empty)

    bool sourceRead() const { return !used.isEmpty(); }
    bool hasNewDraws() const { return !merge.added.isEmpty(); }
};

using WebFetcher = std::function<FetchResult(const UpdateSource &source)>;

// Tries the sources in order until two have been read (the second to check the first);
// a cancelled fetch ends the update. Then merges their draws into `history`.
UpdateOutcome RunUpdate(const TBeenCodesRecArr &history, const UpdateSources &sources,
                        const WebFetcher &fetchWeb, const UpdateRules &rules);

// A local source's bytes, within the size limit.
FetchResult ReadLocalSource(const UpdateSource &source, qint64 maxBytes);

// "新增45期（2026096–2026140）", or what happened instead.
QString UpdateHeadline(const UpdateOutcome &outcome);
// Everything the player is shown before saving: the headline, the sources, the gaps, the
// disagreements and the notes, one line each, sub-items indented by two blanks.
QStringList UpdateReportLines(const UpdateOutcome &outcome);
