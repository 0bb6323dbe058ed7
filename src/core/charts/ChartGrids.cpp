#include "core/charts/ChartGrids.h"

#include "core/charts/B0NetModel.h"
#include "core/charts/ChartFrame.h"

#include <array>

namespace {

constexpr int kSide = 6;

// The spiral as it is drawn, row by row; 0 marks a cell without a number.
constexpr int kGannSpiral[kSide][kSide] = {
    {31, 32, 33, 0, 0, 0},     {30, 13, 14, 15, 16, 17}, {29, 12, 3, 4, 5, 18},
    {28, 11, 2, 1, 6, 19},     {27, 10, 9, 8, 7, 20},    {26, 25, 24, 23, 22, 21},
};

constexpr std::array<QPoint, 34> gannCells()
{
    std::array<QPoint, 34> cells{};
    for (int row = 0; row < kSide; ++row)
        for (int col = 0; col < kSide; ++col)
            if (kGannSpiral[row][col] > 0)
                cells[std::size_t(kGannSpiral[row][col])] = QPoint(col, row);
    return cells;
}

// Size, title and the numbers in their cells; every other cell empty; all white.
void startGrid(B0NetModel &table, const DrawRecord &draw, QPoint (*cellOf)(int))
{
    table.FTitle = draw.issueText() + QStringLiteral("期");
    table.SetTableSize(kSide, kSide, std::vector<int>(kSide, 24));
    for (int row = 0; row < kSide; ++row)
        for (int col = 0; col < kSide; ++col) {
            table.SetText(col, row, QString());
            table.SetColor(col, row, kGridWhite);
        }
    for (int n = 1; n <= 33; ++n) {
        const QPoint cell = cellOf(n);
        table.SetText(cell.x(), cell.y(), NumberText(n));
    }
    table.FGridColor = kGridLines;
}

void greyLine(B0NetModel &table, bool isRow, int line)
{
    for (int k = 0; k < kSide; ++k) {
        const int col = isRow ? k : line;
        const int row = isRow ? line : k;
        table.SetColor(col, row, kGridGrey);
    }
}

template <typename FillOne>
bool fillTables(std::vector<B0NetModel> &tables, const TBeenCodesRecArr &CodeArr, int N,
                ChartReporter *reporter, FillOne fillOne)
{
    tables.clear();
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    tables.resize(std::size_t(N));
    for (int i = 0; i < N; ++i)
        fillOne(tables[std::size_t(i)], NewestDraw(CodeArr, i));
    return true;
}

} // namespace

QPoint NaturalCell(int n)
{
    return QPoint((n - 1) % kSide, (n - 1) / kSide);
}

QPoint GannCell(int n)
{
    static constexpr std::array<QPoint, 34> cells = gannCells();
    return cells[std::size_t(n)];
}

void FillEmptyRowColTable(B0NetModel &table, const DrawRecord &draw)
{
    startGrid(table, draw, NaturalCell);
    std::array<bool, kSide> rowUsed{};
    std::array<bool, kSide> colUsed{};
    for (int r : draw.Red) {
        if (!IsRedNumber(r))
            continue;
        const QPoint cell = NaturalCell(r);
        table.SetColor(cell.x(), cell.y(), kGridRed);
        rowUsed[std::size_t(cell.y())] = true;
        colUsed[std::size_t(cell.x())] = true;
    }
    for (int k = 0; k < kSide; ++k) {
        if (!rowUsed[std::size_t(k)])
            greyLine(table, true, k);
        if (!colUsed[std::size_t(k)])
            greyLine(table, false, k);
    }
}

void FillGannTable(B0NetModel &table, const DrawRecord &draw)
{
    startGrid(table, draw, GannCell);
    for (int r : draw.Red)
        if (IsRedNumber(r))
            table.SetColor(GannCell(r).x(), GannCell(r).y(), kGridRed);
    if (IsBlueNumber(draw.Blue))
        table.SetColor(GannCell(draw.Blue).x(), GannCell(draw.Blue).y(), kGannBlue);

    // A line with two or more points (a blue counts two) greys its other cells; the
    // columns are judged after the rows, on the colours as they then stand.
    for (bool isRow : {true, false}) {
        for (int line = 0; line < kSide; ++line) {
            int score = 0;
            for (int k = 0; k < kSide; ++k) {
                const TColor c = isRow ? table.GetColor(k, line) : table.GetColor(line, k);
                score += c == kGridRed ? 1 : c == kGannBlue ? 2 : 0;
            }
            if (score < 2)
                continue;
            for (int k = 0; k < kSide; ++k) {
                const int col = isRow ? k : line;
                const int row = isRow ? line : k;
                const TColor c = table.GetColor(col, row);
                if (c != kGridRed && c != kGannBlue)
                    table.SetColor(col, row, kGridGrey);
            }
        }
    }
}

bool FillEmptyRowColTables(std::vector<B0NetModel> &tables, const TBeenCodesRecArr &CodeArr, int N,
                           ChartReporter *reporter)
{
    return fillTables(tables, CodeArr, N, reporter, FillEmptyRowColTable);
}

bool FillGannTables(std::vector<B0NetModel> &tables, const TBeenCodesRecArr &CodeArr, int N,
                    ChartReporter *reporter)
{
    return fillTables(tables, CodeArr, N, reporter, FillGannTable);
}
