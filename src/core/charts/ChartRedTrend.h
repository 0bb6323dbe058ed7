#pragma once

#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

class H2NetModel;

// "红球走势图" (tab 1): the N newest draws, newest first, with their reds marked in the
// 33 number columns and the count of each number in the row "合计". Returns false, and
// leaves the table as it was, when N exceeds the history (the message goes to reporter).
bool FillRedTrendChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N,
                       ChartReporter *reporter);

// "旋转图" (tab 8): the same table with the number columns starting at S (1..33): column 8
// holds S, then S + 1 up to 33, then 1 up to S - 1. S outside 1..33 is taken as the
// nearest bound.
bool FillRotationChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, int S,
                       ChartReporter *reporter);

// The place 1..33 of the number n among the rotated number columns for the start S.
int RotationPosition(int n, int S);
