#include "core/charts/ChartRedTrend.h"

#include "core/charts/ChartFrame.h"
#include "core/charts/H2NetModel.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kFirstNumberColumn = 8;
constexpr TColor kRedMark = RgbColor(255, 134, 132);

std::vector<int> trendWidths()
{
    std::vector<int> widths(41, 16);
    widths[0] = 66;
    widths[7] = 32;
    return widths;
}

} // namespace

int RotationPosition(int n, int S)
{
    return n < S ? (n + 34 - S) % 34 : (n + 35 - S) % 34;
}

bool FillRotationChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, int S,
                       ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    S = std::clamp(S, 1, 33);

    // column[n]: the table column of number n.
    std::array<int, 34> column{};
    for (int n = 1; n <= 33; ++n)
        column[std::size_t(n)] = kFirstNumberColumn - 1 + RotationPosition(n, S);

    table.FFontSize = 10;
    table.SetTableSize(41, N + 1, 2, trendWidths());
    for (int n = 1; n <= 33; ++n)
        table.SetValue(1, column[std::size_t(n)], NumberText(n));
    table.SetMergeCount(4);
    SetDrawHeader(table, 0);
    SetCaption(table, 3, 8, 0, 40, 0, QStringLiteral("红球分布"));

    std::array<int, 34> counts{};
    for (int i = 0; i < N; ++i) {
        const DrawRecord &draw = NewestDraw(CodeArr, i);
        const int row = 2 + i;
        SetDrawColumns(table, row, draw);
        for (int r : draw.Red) {
            if (!IsRedNumber(r))
                continue;
            const int c = column[std::size_t(r)];
            table.SetValue(row, c, TwoDigitText(r));
            table.SetColor(row, c, kRedMark);
            ++counts[std::size_t(r)];
        }
    }

    const int summary = N + 2;
    SetSummaryRow(table, summary);
    for (int n = 1; n <= 33; ++n)
        table.SetValue(summary, column[std::size_t(n)], QString::number(counts[std::size_t(n)]));
    table.FitColumnsToText();
    return true;
}

bool FillRedTrendChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N,
                       ChartReporter *reporter)
{
    return FillRotationChart(table, CodeArr, N, 1, reporter);
}
