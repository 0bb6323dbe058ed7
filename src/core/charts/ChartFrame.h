#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartReporter.h"
#include "core/history/DrawRecord.h"

#include <QString>
#include <array>

class H2NetModel;

// What every chart page shares: the check of the requested number of draws, the
// texts of numbers and issues, and the leading columns of the draw tables.

// Shown when a page asks for more draws than the history holds.
inline constexpr char16_t kTooManyDrawsMessage[] = u"设置的查询期数超过总期数!!";

// The number of draws a chart shows for the request N: a negative N shows none. When N
// exceeds the history the message goes to the reporter (or the debug log) and the result
// is -1: the chart must be left as it was.
int ChartDrawCount(const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter);

// The draw shown in data row i (0 = newest).
inline const DrawRecord &NewestDraw(const TBeenCodesRecArr &CodeArr, int i)
{
    return CodeArr[CodeArr.size() - 1 - std::size_t(i)];
}

// The two-digit, zero-filled form of a number (3 -> "03", 123 stays "123"). Small values
// come from a table of shared texts, so that a table over the whole history does not
// format the same few texts hundreds of thousands of times.
QString TwoDigitText(int n);
// The plain decimal form, from the same kind of table.
QString NumberText(int n);

inline bool IsRedNumber(int n) { return n >= 1 && n <= 33; }
inline bool IsBlueNumber(int n) { return n >= 1 && n <= 16; }

// The summary row of every draw table.
inline constexpr TColor kSummaryColor = RgbColor(128, 128, 128);
inline const QString kSummaryText = QStringLiteral("合计");

// The class letters of the odd-even and big-small charts, by index: even, odd, small, big.
inline const std::array<QString, 4> kClassLetters = {QStringLiteral("O"), QStringLiteral("J"),
                                                    QStringLiteral("X"), QStringLiteral("D")};
enum ClassLetter { LetterEven = 0, LetterOdd = 1, LetterSmall = 2, LetterBig = 3 };

// The band colours that group the class columns of the trend tables.
inline constexpr std::array<TColor, 8> kBandColors = {
    RgbColor(85, 209, 239), RgbColor(196, 163, 222), RgbColor(99, 228, 181), RgbColor(85, 209, 239),
    RgbColor(193, 149, 244), RgbColor(131, 228, 197), RgbColor(229, 89, 239), RgbColor(193, 149, 244)};

// The eight leading columns that the draw tables share (issue, six reds, blue) with their
// merged captions "期号", "红球号码" (row 0 over columns 1..6, positions "1".."6" in row 1)
// and "蓝球". The merge list must already have room for the three captions at
// firstMerge, firstMerge + 1 and firstMerge + 2.
void SetDrawHeader(H2NetModel &table, int firstMerge);
// Columns 0..7 of one data row: the issue text, the reds in their written order and the
// blue, two digits each.
void SetDrawColumns(H2NetModel &table, int row, const DrawRecord &draw);
// The last dynamic row: "合计" and the grey background on every cell.
void SetSummaryRow(H2NetModel &table, int row);
// The caption "期号" over rows 0 and 1 of column 0, which stays in place while the other
// columns scroll sideways.
void SetIssueCaption(H2NetModel &table, int index);
// A merged header caption in the header colour.
void SetCaption(H2NetModel &table, int index, int left, int top, int right, int bottom, const QString &text);
