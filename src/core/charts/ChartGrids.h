#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

#include <QPoint>
#include <vector>

class B0NetModel;

// The per-draw 6 x 6 tables of "空行空列图" (tab 6) and "江恩图" (tab 12): one small
// titled table per draw, four to a line, newest first.

inline constexpr TColor kGridRed = RgbColor(255, 0, 0);
inline constexpr TColor kGannBlue = RgbColor(88, 118, 240);
inline constexpr TColor kGridGrey = RgbColor(169, 169, 168);
inline constexpr TColor kGridWhite = RgbColor(255, 255, 255);
inline constexpr TColor kGridLines = RgbColor(0, 0, 255);

// Where the table of the i-th newest draw stands in its scroll box, and the square it is
// given before it shrinks to its grid.
inline constexpr int kGridTablePitch = 200;
inline QPoint GridTablePos(int i)
{
    return QPoint((i % 4) * kGridTablePitch + 10, (i / 4) * kGridTablePitch);
}

// The cell (x = column, y = row) of the number n (1..33) in the natural layout, six to a
// row, and in the Gann spiral around 1 in the centre.
QPoint NaturalCell(int n);
QPoint GannCell(int n);

// Fills one table completely for the draw: title ("2005013期"), size, texts, colours and
// grid colour. Any earlier content of the table is overwritten, so a table can be reused
// for another draw.
void FillEmptyRowColTable(B0NetModel &table, const DrawRecord &draw);
void FillGannTable(B0NetModel &table, const DrawRecord &draw);

// All tables of a page for the N newest draws (for the batch tool and tests; the page
// itself fills only the tables in view). False when N exceeds the history.
bool FillEmptyRowColTables(std::vector<B0NetModel> &tables, const TBeenCodesRecArr &CodeArr, int N,
                           ChartReporter *reporter);
bool FillGannTables(std::vector<B0NetModel> &tables, const TBeenCodesRecArr &CodeArr, int N,
                    ChartReporter *reporter);
