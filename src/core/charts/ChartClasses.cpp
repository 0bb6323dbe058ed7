#include "core/charts/ChartClasses.h"

#include "core/charts/ChartFrame.h"
#include "core/charts/H2NetModel.h"
#include "core/code/Code.h"

#include <array>
#include <vector>

namespace {

std::vector<int> classWidths(int cols, int redWidth, int classWidth)
{
    std::vector<int> widths(std::size_t(cols), classWidth);
    widths[0] = 66;
    for (int c = 1; c <= 6; ++c)
        widths[std::size_t(c)] = redWidth;
    widths[7] = 32;
    return widths;
}

// Starts a class table: size, the shared header and room for the given merged captions
// after the three shared ones.
void startTable(H2NetModel &table, int cols, int N, std::vector<int> widths, int extraMerges)
{
    table.FFontSize = 11;
    table.SetTableSize(cols, N + 1, 2, widths);
    table.SetMergeCount(3 + extraMerges);
    SetDrawHeader(table, 0);
}

void writeTotals(H2NetModel &table, int row, int firstCol, const std::vector<int> &totals)
{
    for (std::size_t k = 0; k < totals.size(); ++k)
        table.SetValue(row, firstCol + int(k), QString::number(totals[k]));
}

TColor zone3Color(int count)
{
    if (count <= 1)
        return RgbColor(209, 229, 244);
    if (count <= 3)
        return RgbColor(161, 166, 244);
    return RgbColor(241, 134, 100);
}

// The colour of a count of 1, 2 or 3 in the eleven-zone and tail columns; other counts
// are not filled.
TColor heatColor(int count)
{
    switch (count) {
    case 1:
        return RgbColor(193, 149, 244);
    case 2:
        return RgbColor(225, 134, 100);
    case 3:
        return RgbColor(255, 70, 52);
    default:
        return clWindow;
    }
}

// The odd-even and big-small charts differ only in their letters, their block caption and
// the rule that sorts a number.
struct TwoClassRule
{
    QString firstLetter;  // odd / big: the first column of a pair
    QString secondLetter; // even / small
    QString blockCaption;
    bool (*isFirst)(int n);
    int (*firstCount)(const TCodeRedArr &reds);
};

bool fillTwoClassChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N,
                       ChartReporter *reporter, const TwoClassRule &rule)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    constexpr int kCols = 30;
    std::vector<int> widths = classWidths(kCols, 20, 22);
    for (int c = 22; c < kCols; ++c)
        widths[std::size_t(c)] = 24;
    startTable(table, kCols, N, widths, 8);

    for (int p = 0; p <= 6; ++p) {
        table.SetValue(1, 8 + 2 * p, rule.firstLetter);
        table.SetValue(1, 9 + 2 * p, rule.secondLetter);
    }
    table.SetValue(1, 22, QStringLiteral("数"));
    for (int k = 0; k <= 6; ++k)
        table.SetValue(1, 23 + k, NumberText(k));
    for (int p = 0; p < 6; ++p)
        SetCaption(table, 3 + p, 8 + 2 * p, 0, 9 + 2 * p, 0, QStringLiteral("第%1位").arg(p + 1));
    SetCaption(table, 9, 20, 0, 21, 0, QStringLiteral("蓝球"));
    SetCaption(table, 10, 22, 0, 29, 0, rule.blockCaption);

    std::vector<int> totals(kCols - 8, 0); // columns 8..29
    for (int i = 0; i < N; ++i) {
        const DrawRecord &draw = NewestDraw(CodeArr, i);
        const int row = 2 + i;
        SetDrawColumns(table, row, draw);
        for (int p = 0; p <= 6; ++p) {
            table.SetColor(row, 8 + 2 * p, kBandColors[std::size_t(p)]);
            table.SetColor(row, 9 + 2 * p, kBandColors[std::size_t(p)]);
        }
        for (int c = 22; c < kCols; ++c)
            table.SetColor(row, c, kBandColors[1]);

        auto mark = [&](int pair, int n) {
            const bool first = rule.isFirst(n);
            const int col = first ? 8 + 2 * pair : 9 + 2 * pair;
            table.SetValue(row, col, first ? rule.firstLetter : rule.secondLetter);
            ++totals[std::size_t(col - 8)];
        };
        for (int p = 0; p < 6; ++p)
            mark(p, draw.Red[std::size_t(p)]);
        mark(6, draw.Blue);

        const int k = rule.firstCount(draw.Red);
        table.SetValue(row, 22, NumberText(k));
        table.SetColor(row, 22, kBandColors[0]);
        // Under "数": how many odd (big) reds the draws had together.
        totals[std::size_t(22 - 8)] += k;
        if (k >= 0 && k <= 6) {
            table.SetValue(row, 23 + k, NumberText(k));
            table.SetColor(row, 23 + k, kBandColors[5]);
            ++totals[std::size_t(23 + k - 8)];
        }
    }
    SetSummaryRow(table, N + 2);
    writeTotals(table, N + 2, 8, totals);
    table.FitColumnsToText();
    return true;
}

} // namespace

bool FillZoneChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    constexpr int kCols = 22;
    startTable(table, kCols, N, classWidths(kCols, 28, 28), 2);
    for (int k = 1; k <= 3; ++k)
        table.SetValue(1, 7 + k, NumberText(k));
    for (int k = 1; k <= 11; ++k)
        table.SetValue(1, 10 + k, NumberText(k));
    SetCaption(table, 3, 8, 0, 10, 0, QStringLiteral("3分区"));
    SetCaption(table, 4, 11, 0, 21, 0, QStringLiteral("11分区"));

    std::vector<int> totals(kCols - 8, 0);
    for (int i = 0; i < N; ++i) {
        const DrawRecord &draw = NewestDraw(CodeArr, i);
        const int row = 2 + i;
        SetDrawColumns(table, row, draw);
        std::array<int, 4> z3{};
        std::array<int, 12> z11{};
        for (int n : draw.Red) {
            if (!IsRedNumber(n))
                continue;
            ++z3[std::size_t((n - 1) / 11 + 1)];
            ++z11[std::size_t((n - 1) / 3 + 1)];
        }
        for (int k = 1; k <= 3; ++k) {
            const int count = z3[std::size_t(k)];
            if (count > 0)
                table.SetValue(row, 7 + k, TwoDigitText(count));
            table.SetColor(row, 7 + k, zone3Color(count));
            totals[std::size_t(k - 1)] += count;
        }
        for (int k = 1; k <= 11; ++k) {
            const int count = z11[std::size_t(k)];
            if (count > 0)
                table.SetValue(row, 10 + k, TwoDigitText(count));
            table.SetColor(row, 10 + k, heatColor(count));
            totals[std::size_t(2 + k)] += count;
        }
    }
    SetSummaryRow(table, N + 2);
    writeTotals(table, N + 2, 8, totals);
    table.FitColumnsToText();
    return true;
}

QStringList ZoneChartNoteLines()
{
    return {QStringLiteral("1、3分区：11个号码为1个分区，共3个分区，6个奖号一般分布在2到3个分区中。"),
            QStringLiteral("2、11分区：3个号码为1个区，共11个区，6个奖号一般分布在4到6个区。")};
}

bool FillTailChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    constexpr int kCols = 18;
    startTable(table, kCols, N, classWidths(kCols, 28, 28), 1);
    for (int d = 0; d <= 9; ++d)
        table.SetValue(1, 8 + d, NumberText(d));
    SetCaption(table, 3, 8, 0, 17, 0, QStringLiteral("尾数分布"));

    std::vector<int> totals(10, 0);
    for (int i = 0; i < N; ++i) {
        const DrawRecord &draw = NewestDraw(CodeArr, i);
        const int row = 2 + i;
        SetDrawColumns(table, row, draw);
        std::array<int, 10> tails{};
        for (int n : draw.Red)
            if (IsRedNumber(n))
                ++tails[std::size_t(n % 10)];
        for (int d = 0; d <= 9; ++d) {
            const int count = tails[std::size_t(d)];
            if (count > 0)
                table.SetValue(row, 8 + d, NumberText(count));
            table.SetColor(row, 8 + d, heatColor(count));
            totals[std::size_t(d)] += count;
        }
    }
    SetSummaryRow(table, N + 2);
    writeTotals(table, N + 2, 8, totals);
    table.FitColumnsToText();
    return true;
}

bool FillOddEvenChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    const TwoClassRule rule{kClassLetters[LetterOdd], kClassLetters[LetterEven], QStringLiteral("奇数个数"),
                            [](int n) { return n % 2 != 0; },
                            [](const TCodeRedArr &reds) { return OddCount(reds); }};
    return fillTwoClassChart(table, CodeArr, N, reporter, rule);
}

bool FillBigSmallChart(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    const TwoClassRule rule{kClassLetters[LetterBig], kClassLetters[LetterSmall], QStringLiteral("大数个数"),
                            [](int n) { return n % 10 >= 5; },
                            [](const TCodeRedArr &reds) { return BigTailCount(reds); }};
    return fillTwoClassChart(table, CodeArr, N, reporter, rule);
}
