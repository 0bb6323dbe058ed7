#pragma once

#include "core/update/SourceDraw.h"

#include <QMap>
#include <QStringList>

// The draws one source gave, under the name the player reads.
struct SourceReading
{
    QString title;
    SourceDraws draws;
};

// What merging the sources' draws into the history gives. Nothing in the history is ever
// replaced: new issues after the newest one are added, everything else is only reported.
struct MergeResult
{
    SourceDraws added;            // to append to the history, oldest first
    QList<int> unchecked;         // added issues that only one of two sources gave
    QList<int> heldBack;          // issues after the newest one that were not added
    QString heldReason;           // why: "缺少第2026097期" or "第2026097期两个来源不一致：……"
    QString heldShort;            // the same in a few words, for the headline
    QStringList disagreements;    // a source gives a draw of the history differently
    QStringList conflicts;        // the two sources give an older draw differently
    QStringList missingInHistory; // issues within the history that it lacks and a source has
    QMap<int, QString> dates;     // issue -> date, for draws of the merged history

    // The issues the sources gave after the history's newest one.
    int found() const { return int(added.size() + heldBack.size()); }
};

// Merges the readings (one, or two to cross-check) into `history`.
//  - An issue after the newest one of the history is added when every source that gives it
//    agrees, and when it follows the previous draw without a gap (the next number of the
//    same year, or the first draw of the next year). At the first draw that fails, adding
//    stops: a history with a hole would mislead every chart that counts draws.
//  - An issue the history has is compared with each source; a difference is listed and the
//    history keeps its draw.
MergeResult MergeIntoHistory(const TBeenCodesRecArr &history, const QList<SourceReading> &readings);

// The memo text with the added draws' history lines after it.
QString AppendDraws(const QString &historyText, const SourceDraws &added);
