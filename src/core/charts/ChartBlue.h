#pragma once

#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

class G2NetModel;
class H2NetModel;

// The frequency bar charts and the blue trend table over the N newest draws. Each returns
// false, and leaves its control as it was, when N exceeds the history.

// "红球统计图" (tab 7): how often each red 1..33 was drawn, one bar each.
bool FillRedStatChart(G2NetModel &chart, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// "蓝球统计图" (tab 10): how often each blue 1..16 was drawn.
bool FillBlueStatChart(G2NetModel &chart, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// "蓝球走势图" (tab 9): the blue of each draw with its parity, remainder by 3 and zones.
bool FillBlueTrendChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// The value axis of a frequency chart whose tallest bar is maxCount: band lines at the
// multiples of a step of 1, 2, 5, 10, 20, 50, ... (the smallest that reaches maxCount
// within 20 bands), as many bands as reach maxCount, 20 pixels each but together at
// least as high as minBands bands of 20 pixels. Every line's label is its value.
void SetStatAxis(G2NetModel &chart, int maxCount, int minBands);
