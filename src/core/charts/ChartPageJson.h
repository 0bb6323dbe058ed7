#pragma once

#include "core/history/DrawRecord.h"

#include <QJsonObject>

class ChartReporter;
class H2NetModel;
#include <QString>

// The chart of one page over the N newest draws as the batch tool prints it:
// {"page", "caption", "tables": [...]} for the table pages and {"page", "caption",
// "bars": {...}} for the two bar charts; start is the first number of the rotation
// (page 7). Computed by the same routines that fill the page's controls.
// On failure the result is empty and *error (when given) holds the text the page would
// show: "设置的查询期数超过总期数!!" for N above the number of draws, or a short note for a
// page outside 0..12.
QJsonObject ChartPageJson(const TBeenCodesRecArr &CodeArr, int page, int n, int start, QString *error);

// The routine that fills the scrolling table of a table page over the N newest draws
// (red trend, zone, tail, odd-even, big-small, blue trend, analysis); nullptr for the
// other pages (the rotation takes a start number, the rest are not one table).
using TableRoutine = bool (*)(H2NetModel &, const TBeenCodesRecArr &, int, ChartReporter *);
TableRoutine ChartTableRoutine(int page);
