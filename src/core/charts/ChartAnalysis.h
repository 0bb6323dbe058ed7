#pragma once

#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

#include <QString>
#include <QStringList>

class H2NetModel;

// "统计分析表" (tab 13): 21 properties of the reds of each of the N newest draws, computed
// by the same functions that the reduction filters with, and their column totals. The
// last three columns compare a draw with the draw before it in the history; the oldest
// draw of the history leaves them empty. False, with the table left as it was, when N
// exceeds the history.
bool FillAnalysisTable(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// The caption and the lines of the explanation window of the button "说明".
QString AnalysisExplanationCaption();
QStringList AnalysisExplanationLines();
