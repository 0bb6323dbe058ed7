#pragma once

#include "history/DrawRecord.h"
#include "update/DrawDates.h"

#include <QString>

// The page the web panel shows when the support site cannot be reached: the program's
// name and version, the newest draw of the history (with its date when known) and how to
// reach the help.
QString OfflinePageHtml(const TBeenCodesRecArr &CodeArr, const DrawDates &dates = {});
