#include "core/charts/ChartAnalysis.h"

#include "core/charts/ChartFrame.h"
#include "core/charts/H2NetModel.h"
#include "core/code/Code.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kCols = 29;
constexpr int kFirstProperty = 8;

std::vector<int> analysisWidths()
{
    std::vector<int> widths(kCols, 25);
    widths[0] = 56;
    for (int c = 1; c <= 6; ++c)
        widths[std::size_t(c)] = 18;
    widths[7] = 24;
    widths[8] = widths[9] = 32;
    return widths;
}

// Captions of the property columns 8..28.
const std::array<QString, kCols - kFirstProperty> &propertyCaptions()
{
    static const std::array<QString, kCols - kFirstProperty> captions = {
        QStringLiteral("和值"),         QStringLiteral("平均\r\n值"),   QStringLiteral("尾数\r\n和值"),
        QStringLiteral("奇号\r\n个数"), QStringLiteral("偶号\r\n个数"), QStringLiteral("奇偶\r\n偏差"),
        QStringLiteral("奇号\r\n连续"), QStringLiteral("偶号\r\n连续"), QStringLiteral("大号\r\n个数"),
        QStringLiteral("小号\r\n个数"), QStringLiteral("大小\r\n偏差"), QStringLiteral("尾号\r\n组数"),
        QStringLiteral("AC\r\n值"),     QStringLiteral("质号\r\n个数"), QStringLiteral("连号\r\n个数"),
        QStringLiteral("连号\r\n组数"), QStringLiteral("首尾\r\n差"),   QStringLiteral("最大\r\n间距"),
        QStringLiteral("同位\r\n相同"), QStringLiteral("重号\r\n个数"), QStringLiteral("斜号\r\n个数")};
    return captions;
}

// The reds of a history draw may be written in any order and, in a hand-made history,
// hold a number outside the game; the property tables cover 0..33 only.
bool validReds(const TCodeRedArr &reds)
{
    for (int r : reds)
        if (!IsRedNumber(r))
            return false;
    return true;
}

// Columns 8..25: the properties of one draw on its own.
std::array<int, 18> ownProperties(const TCodeRedArr &a)
{
    const int sum = RedSum(a, false, false);
    const int odd = OddCount(a);
    const int big = BigCount(a);
    return {sum,
            sum / 6,
            RedSum(a, true, false),
            odd,
            6 - odd,
            std::abs(2 * odd - 6),
            OddConsecCount(a),
            EvenConsecCount(a),
            big,
            6 - big,
            std::abs(2 * big - 6),
            6 - TailGroupCount(a),
            AcValue(a),
            PrimeCount(a),
            ConsecNumCount(a),
            ConsecGroupCount(a),
            int(a[5]) - int(a[0]),
            MaxGap(a)};
}

void writeHeader(H2NetModel &table)
{
    table.SetMergeCount(3 + kCols - kFirstProperty);
    SetDrawHeader(table, 0);
    const auto &captions = propertyCaptions();
    for (int m = 3; m < 3 + kCols - kFirstProperty; ++m)
        SetCaption(table, m, m + 5, 0, m + 5, 1, captions[std::size_t(m - 3)]);
}

} // namespace

bool FillAnalysisTable(H2NetModel &table, const TBeenCodesRecArr &CodeArr, int N, ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    table.FFontSize = 9;
    table.SetTableSize(kCols, N + 1, 2, analysisWidths());
    writeHeader(table);

    std::array<int, kCols> totals{};
    const int draws = int(CodeArr.size());
    for (int i = 0; i < N; ++i) {
        const int k = draws - 1 - i;
        const DrawRecord &draw = CodeArr[std::size_t(k)];
        const int row = i + 2;
        SetDrawColumns(table, row, draw);
        if (!validReds(draw.Red))
            continue;
        const auto own = ownProperties(draw.Red);
        for (std::size_t p = 0; p < own.size(); ++p) {
            const int col = kFirstProperty + int(p);
            // The average is the only column written without zero fill.
            table.SetValue(row, col, col == 9 ? NumberText(own[p]) : TwoDigitText(own[p]));
            totals[std::size_t(col)] += own[p];
        }
        if (k == 0 || !validReds(CodeArr[std::size_t(k - 1)].Red))
            continue;
        const TCodeRedArr &prev = CodeArr[std::size_t(k - 1)].Red;
        const int pair[3] = {SamePosCount(draw.Red, prev), RepeatCount(draw.Red, prev),
                             SlantCount(draw.Red, prev)};
        for (int p = 0; p < 3; ++p) {
            table.SetValue(row, 26 + p, TwoDigitText(pair[p]));
            totals[std::size_t(26 + p)] += pair[p];
        }
    }

    const int summary = N + 2;
    SetSummaryRow(table, summary);
    for (int c = kFirstProperty; c < kCols; ++c)
        table.SetValue(summary, c, QString::number(totals[std::size_t(c)]));
    table.FitColumnsToText();
    return true;
}

QString AnalysisExplanationCaption()
{
    return QStringLiteral("统计分析表 图表说明");
}

QStringList AnalysisExplanationLines()
{
    // What each column computes, in the words of the table's own rules (Code.h).
    return {
        QStringLiteral("说明：表中每行是一期开奖号码的各项统计值，最后一行“合计”是各列数值之和。"),
        QStringLiteral("和值：六个红球号码之和；"),
        QStringLiteral("平均值：和值÷6，只取整数部分；"),
        QStringLiteral("尾数和值：六个红球的个位数（尾数）之和；"),
        QStringLiteral("奇号个数：红球中奇数的个数；"),
        QStringLiteral("偶号个数：红球中偶数的个数；"),
        QStringLiteral("奇偶偏差：奇号个数与偶号个数之差的绝对值，例如3奇3偶为0，5奇1偶为4；"),
        QStringLiteral("奇号连续：按书写顺序相邻的两个红球都是奇数且相差2，这样的对数，例如：01，03，07，09，11，19则奇号连续为3，即01-03，07-09，09-11；"),
        QStringLiteral("偶号连续：按书写顺序相邻的两个红球都是偶数且相差2，这样的对数，例如：02，04，08，10，12，20则偶号连续为3，即02-04，08-10，10-12；"),
        QStringLiteral("大号个数：红球中大号的个数，17及以上（17-33）为大号；"),
        QStringLiteral("小号个数：红球中小号的个数，16及以下（01-16）为小号；"),
        QStringLiteral("大小偏差：大号个数与小号个数之差的绝对值；"),
        QStringLiteral("尾号组数：六个红球中尾数重复的个数，即6减去尾数的种数，例如：01，11，21，05，15，33的尾数只有1、5、3三种，尾号组数为3；六个尾数各不相同时为0；"),
        QStringLiteral("AC值：六个红球两两之差（共15个）中不同差值的个数减5，在0到10之间，越大号码分布越复杂；"),
        QStringLiteral("质号个数：红球中质号的个数，质号为01，02，03，05，07，11，13，17，19，23，29，31（01也算作质号）；"),
        QStringLiteral("连号个数：红球中相连号码的个数，例如：01，02，06，07，08，10，则连号个数为5，即01，02，06，07，08；"),
        QStringLiteral("连号组数：红球中相连号码的组数，例如：01，02，06，07，08，10，则连号组数为2；"),
        QStringLiteral("首尾差：最后一个红球减第一个红球（号码从小到大书写时即最大号－最小号）；"),
        QStringLiteral("最大间距：按书写顺序相邻的两个红球之差的最大值；"),
        QStringLiteral("同位相同：本期红球与上期红球在同一位置上号码相同的个数；"),
        QStringLiteral("重号个数：本期红球中上期也开出的号码个数；"),
        QStringLiteral("斜号个数：本期红球中比上期某个红球大1或小1的号码个数；"),
        QStringLiteral("同位相同、重号个数和斜号个数与上一期比较；开奖数据中的第一期没有上一期，这三项空白。"),
    };
}
