#pragma once

#include "core/history/DrawRecord.h"

#include <QStringList>

// The query of the query panel (and of "ssq-cli query"): a run of consecutive draws
// from a given issue towards the newer ones.

// 第2005013期,开奖号:02 09 15 18 25 33 07
QString QueryLine(const DrawRecord &draw);

// The lines for `count` draws starting at the last draw whose issue number equals
// issueNo. An unknown issue or a count of 0 or below gives no lines; the list ends with
// the newest draw when fewer than `count` draws follow the start.
QStringList QueryLines(const TBeenCodesRecArr &CodeArr, int issueNo, int count);

// The query panel's message when no draw of the history has the issue number; empty
// when one has.
QString QueryMissingMessage(const TBeenCodesRecArr &CodeArr, int issueNo);
