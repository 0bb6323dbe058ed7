#pragma once

#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

#include <QStringList>

class H2NetModel;

// The charts that sort the balls of each of the N newest draws into classes. Each returns
// false, and leaves the table as it was, when N exceeds the history.

// "区域分布图" (tab 2): counts in the three zones of eleven numbers and the eleven zones
// of three numbers.
bool FillZoneChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);
// The two lines of the note below the zone chart.
QStringList ZoneChartNoteLines();

// "尾号走势图" (tab 3): how many reds end in each digit.
bool FillTailChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// "奇偶走势图" (tab 4): odd ("J") or even ("O") per position and for the blue, and the
// number of odd reds.
bool FillOddEvenChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// "大小走势图" (tab 5): big ("D", last digit 5..9) or small ("X") per position and for
// the blue, and the number of reds with a big last digit.
bool FillBigSmallChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);
