#include "core/charts/ChartBlue.h"

#include "core/charts/ChartFrame.h"
#include "core/charts/G2NetModel.h"
#include "core/charts/H2NetModel.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int kStatBandHeight = 20;

// Fills a one-series frequency chart: labels "1".."count" in row 0, counts in row 1.
template <std::size_t Size>
int fillCounts(G2NetModel &chart, const std::array<int, Size> &counts)
{
    int maxCount = 0;
    for (std::size_t x = 1; x < Size; ++x) {
        chart.SetValue(int(x), 1, QString::number(counts[x]));
        maxCount = std::max(maxCount, counts[x]);
    }
    for (std::size_t x = 1; x < Size; ++x)
        chart.SetValue(int(x), 0, NumberText(int(x)));
    return maxCount;
}

} // namespace

void SetStatAxis(G2NetModel &chart, int maxCount, int minBands)
{
    constexpr int kMaxBands = 20;
    // 1, 2, 5, 10, 20, 50, ...: the smallest step that reaches maxCount within 20 bands.
    const auto bandsFor = [maxCount](qint64 step) { return (qint64(maxCount) + step - 1) / step; };
    qint64 step = 1;
    for (qint64 decade = 1; bandsFor(step) > kMaxBands; decade *= 10)
        for (int factor : {2, 5, 10})
            if (bandsFor(step) > kMaxBands)
                step = decade * factor;
    const int bands = int(std::max<qint64>(1, bandsFor(step)));
    chart.FBandStep = int(step);
    chart.FBandCount = bands;
    // A short axis gets taller bands, so the plot is never lower than minBands bands.
    chart.FBandHeight = std::max(kStatBandHeight, kStatBandHeight * minBands / bands);
}

bool FillRedStatChart(G2NetModel &chart, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    chart.SetData(34, 2, {RgbColor(0, 0, 255), RgbColor(255, 98, 84)});
    std::array<int, 34> counts{};
    for (int i = 0; i < N; ++i)
        for (int r : NewestDraw(CodeArr, i).Red)
            if (IsRedNumber(r))
                ++counts[std::size_t(r)];
    const int maxCount = fillCounts(chart, counts);
    chart.FBarWidth = 12;
    chart.FBarGap = 5;
    SetStatAxis(chart, maxCount, 10);
    chart.FShowGrid = true;
    return true;
}

bool FillBlueStatChart(G2NetModel &chart, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    chart.SetData(17, 2, {RgbColor(255, 0, 0), RgbColor(0, 0, 255)});
    std::array<int, 17> counts{};
    for (int i = 0; i < N; ++i) {
        const int b = NewestDraw(CodeArr, i).Blue;
        if (IsBlueNumber(b))
            ++counts[std::size_t(b)];
    }
    const int maxCount = fillCounts(chart, counts);
    chart.FBarWidth = 20;
    chart.FBarGap = 10;
    SetStatAxis(chart, maxCount, 6);
    return true;
}

namespace {

constexpr int kBlueCols = 29;
constexpr TColor kBlueMark = RgbColor(249, 255, 176);
const QString kTriangle = QStringLiteral("▲");

std::vector<int> blueTrendWidths()
{
    std::vector<int> widths(kBlueCols, 32);
    widths[0] = 66;
    for (int c = 2; c <= 17; ++c)
        widths[std::size_t(c)] = 20;
    for (int c = 18; c <= 22; ++c)
        widths[std::size_t(c)] = 22;
    return widths;
}

// The band colour of each column from 2 on.
TColor blueBand(int col)
{
    if (col <= 17)
        return kBandColors[0];
    if (col <= 19)
        return kBandColors[1];
    if (col <= 22)
        return kBandColors[2];
    if (col <= 24)
        return kBandColors[3];
    return kBandColors[4];
}

void blueTrendHeader(H2NetModel &table)
{
    for (int b = 1; b <= 16; ++b)
        table.SetValue(1, b + 1, NumberText(b));
    const QString zones[] = {QStringLiteral("1-8"), QStringLiteral("9-16"), QStringLiteral("1-4"),
                             QStringLiteral("5-8"), QStringLiteral("9-12"), QStringLiteral(">=13")};
    for (int k = 0; k < 6; ++k)
        table.SetValue(1, 23 + k, zones[k]);

    table.SetMergeCount(10);
    SetIssueCaption(table, 0);
    SetCaption(table, 1, 1, 0, 1, 1, QStringLiteral("蓝球"));
    SetCaption(table, 2, 2, 0, 17, 0, QStringLiteral("蓝球分布"));
    SetCaption(table, 3, 18, 0, 18, 1, QStringLiteral("奇"));
    SetCaption(table, 4, 19, 0, 19, 1, QStringLiteral("偶"));
    for (int k = 0; k < 3; ++k)
        SetCaption(table, 5 + k, 20 + k, 0, 20 + k, 1, NumberText(k));
    SetCaption(table, 8, 23, 0, 24, 0, QStringLiteral("2分区"));
    SetCaption(table, 9, 25, 0, 28, 0, QStringLiteral("4分区"));
}

int fourZoneColumn(int b)
{
    if (b <= 4)
        return 25;
    if (b <= 8)
        return 26;
    if (b <= 12)
        return 27;
    return 28;
}

} // namespace

bool FillBlueTrendChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    table.FFontSize = 10;
    table.SetTableSize(kBlueCols, N + 1, 2, blueTrendWidths());
    blueTrendHeader(table);

    std::array<int, kBlueCols> totals{};
    for (int i = 0; i < N; ++i) {
        const DrawRecord &draw = NewestDraw(CodeArr, i);
        const int row = 2 + i;
        table.SetValue(row, 0, draw.issueText());
        for (int c = 2; c < kBlueCols; ++c)
            table.SetColor(row, c, blueBand(c));
        const int b = draw.Blue;
        // A blue outside 1..16 has no column: the row keeps only its issue and bands.
        if (!IsBlueNumber(b))
            continue;
        table.SetValue(row, 1, TwoDigitText(b));
        table.SetValue(row, b + 1, TwoDigitText(b));
        table.SetColor(row, b + 1, kBlueMark);
        ++totals[std::size_t(b + 1)];
        auto mark = [&](int col, const QString &text) {
            table.SetValue(row, col, text);
            ++totals[std::size_t(col)];
        };
        if (b % 2 != 0)
            mark(18, kClassLetters[LetterOdd]);
        else
            mark(19, kClassLetters[LetterEven]);
        mark(20 + b % 3, kTriangle);
        mark(b <= 8 ? 23 : 24, kTriangle);
        mark(fourZoneColumn(b), kTriangle);
    }
    const int summary = N + 2;
    SetSummaryRow(table, summary);
    for (int c = 2; c < kBlueCols; ++c)
        table.SetValue(summary, c, QString::number(totals[std::size_t(c)]));
    table.FitColumnsToText();
    return true;
}
