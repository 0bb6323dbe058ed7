#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

#include <QString>
#include <QStringList>
#include <vector>

class B0NetModel;

// "遗漏统计图" (tab 11): omission statistics of every red and blue number over the N
// newest draws, oldest draw first.

struct OmissionStat
{
    int omission = 0;  // draws since the number last occurred (all draws if it never did)
    int maxGap = 0;    // longest run of consecutive draws without it
    int maxRun = 0;    // longest run of consecutive draws with it
    int total = 0;     // occurrences in all the draws counted
    int last20 = 0;    // occurrences in the 20, 50 and 100 newest draws
    int last50 = 0;
    int last100 = 0;
};

// Entry n holds the statistics of the number n (entry 0 is unused): 34 entries for the
// reds, 17 for the blues. A red listed twice in one draw counts twice in the totals.
std::vector<OmissionStat> RedOmissionStats(const TBeenCodesRecArr &CodeArr);
std::vector<OmissionStat> BlueOmissionStats(const TBeenCodesRecArr &CodeArr);

// The average interval: draws / occurrences with two decimals; "-" for a number that never
// occurred.
QString AverageIntervalText(int draws, int occurrences);

// The nine column captions of both tables.
QStringList OmissionHeaders();

inline constexpr int kOmissionTableWidth = 576;
inline constexpr int kRedOmissionHeight = 1152;
inline constexpr int kBlueOmissionHeight = 800;
// The gap between the red table and the blue table below it.
inline constexpr int kOmissionTableGap = 20;

// Fills the two tables (titles, sizes, texts, colours) from the N newest draws (the columns of
// the 20, 50 and 100 newest draws from the whole history); false, with
// both tables left as they were, when N exceeds the history.
bool FillOmissionTables(B0NetModel &red, B0NetModel &blue, const TBeenCodesRecArr &CodeArr, int N,
                        ChartReporter *reporter);
