#include "charts/ChartAnalysis.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kGrey = RgbColor(128, 128, 128);

H2NetModel tableOf(const TBeenCodesRecArr &arr, int n)
{
    H2NetModel t;
    if (!FillAnalysisTable(t, arr, n, nullptr))
        qFatal("table refused");
    return t;
}

QStringList rowTexts(const H2NetModel &t, int row, int from, int to)
{
    QStringList texts;
    for (int c = from; c <= to; ++c)
        texts << t.GetValue(row, c);
    return texts;
}
} // namespace

class TestChartAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        const H2NetModel t = tableOf(patternHistory(5), 3);
        QCOMPARE(t.FFontSize, 9);
        QCOMPARE(t.ColsCount(), 29);
        QCOMPARE(t.FixRowCount(), 2);
        QCOMPARE(t.DynRows(), 4);
        const auto &w = t.ColWidths();
        QCOMPARE(w[0], 56);
        QCOMPARE(w[1], 18);
        QCOMPARE(w[6], 18);
        QCOMPARE(w[7], 24);
        QCOMPARE(w[8], 32);
        QCOMPARE(w[9], 32);
        QCOMPARE(w[10], 25);
        QCOMPARE(w[28], 25);
        QCOMPARE(rowTexts(t, 1, 1, 6), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(t.MergeCount(), 24);
        const QStringList captions{"期号", "红球号码", "蓝球", "和值", "平均\r\n值", "尾数\r\n和值",
                                   "奇号\r\n个数", "偶号\r\n个数", "奇偶\r\n偏差", "奇号\r\n连续",
                                   "偶号\r\n连续", "大号\r\n个数", "小号\r\n个数", "大小\r\n偏差",
                                   "尾号\r\n组数", "AC\r\n值", "质号\r\n个数", "连号\r\n个数",
                                   "连号\r\n组数", "首尾\r\n差", "最大\r\n间距", "同位\r\n相同",
                                   "重号\r\n个数", "斜号\r\n个数"};
        for (int m = 0; m < 24; ++m) {
            const MergeCell &cell = t.Merges()[std::size_t(m)];
            QVERIFY(cell.Visible);
            QCOMPARE(cell.Color, t.FFixColor);
            QCOMPARE(cell.Text, captions[m]);
            if (m >= 3) {
                QCOMPARE(cell.TopLeft, QPoint(m + 5, 0));
                QCOMPARE(cell.BottomRight, QPoint(m + 5, 1));
            }
        }
        QCOMPARE(t.Merges()[1].BottomRight, QPoint(6, 0));
    }

    void firstExample()
    {
        const auto arr = history({QStringLiteral("2005012 10 11 12 13 14 15 01"),
                                  QStringLiteral("2005013 01 02 03 04 05 06 07")});
        const H2NetModel t = tableOf(arr, 1);
        QCOMPARE(rowTexts(t, 2, 0, 7), (QStringList{"2005013", "01", "02", "03", "04", "05", "06", "07"}));
        QCOMPARE(rowTexts(t, 2, 8, 25), (QStringList{"21", "3", "21", "03", "03", "00", "00", "00", "00", "06",
                                                     "06", "00", "00", "04", "06", "01", "05", "01"}));
        // Against 10 .. 15 nothing is shared, and no number has a neighbour there.
        QCOMPARE(rowTexts(t, 2, 26, 28), (QStringList{"00", "00", "00"}));
        // The total row carries the single row's values as plain decimals.
        QCOMPARE(t.GetValue(3, 0), QStringLiteral("合计"));
        QCOMPARE(rowTexts(t, 3, 8, 28), (QStringList{"21", "3", "21", "3", "3", "0", "0", "0", "0", "6", "6",
                                                     "0", "0", "4", "6", "1", "5", "1", "0", "0", "0"}));
        for (int c = 0; c < 29; ++c)
            QCOMPARE(t.GetColor(3, c), kGrey);
        QCOMPARE(t.GetColor(2, 8), clWindow);
        QCOMPARE(rowTexts(t, 3, 1, 7), QStringList(7, QString()));
    }

    void neighbours()
    {
        const auto arr = history({QStringLiteral("2005012 01 03 07 09 11 19 01"),
                                  QStringLiteral("2005013 02 03 08 10 12 20 07"),
                                  QStringLiteral("2005014 17 18 19 20 21 22 07")});
        const H2NetModel t = tableOf(arr, 3);
        // 17 .. 22: big 06, small 00, difference 06.
        QCOMPARE(rowTexts(t, 2, 16, 18), (QStringList{"06", "00", "06"}));
        // Against 02 03 08 10 12 20: 20 repeats; 19 and 21 have the neighbour 20 there.
        QCOMPARE(rowTexts(t, 2, 26, 28), (QStringList{"00", "01", "02"}));
        // 02 03 08 10 12 20: even neighbours 08-10, 10-12; against 01 03 07 09 11 19: 03
        // at the same place and a repeat.
        QCOMPARE(t.GetValue(3, 15), QStringLiteral("02"));
        QCOMPARE(rowTexts(t, 3, 26, 27), (QStringList{"01", "01"}));
        // 01 03 07 09 11 19: odd neighbours 3.
        QCOMPARE(t.GetValue(4, 14), QStringLiteral("03"));
    }

    void oldestDrawHasNoPrevious()
    {
        const auto arr = patternHistory(5);
        const H2NetModel t = tableOf(arr, 5);
        QCOMPARE(t.GetValue(6, 0), arr.front().issueText());
        QCOMPARE(rowTexts(t, 6, 26, 28), QStringList(3, QString()));
        QVERIFY(!t.GetValue(6, 25).isEmpty());
        QVERIFY(!t.GetValue(5, 26).isEmpty());
        // Nothing added for it: the totals of 26..28 are the sums of the four rows above.
        for (int c = 26; c <= 28; ++c) {
            int sum = 0;
            for (int r = 2; r <= 5; ++r)
                sum += t.GetValue(r, c).toInt();
            QCOMPARE(t.GetValue(7, c), QString::number(sum));
        }
    }

    void newestThirtyOfAHundred()
    {
        const auto arr = patternHistory(100);
        const H2NetModel t = tableOf(arr, 30);
        QCOMPARE(t.DynRows(), 31);
        QCOMPARE(t.GetValue(2, 0), arr.back().issueText());
        QCOMPARE(t.GetValue(31, 0), arr[70].issueText());
        for (int r = 2; r <= 31; ++r)
            for (int c = 26; c <= 28; ++c)
                QVERIFY(!t.GetValue(r, c).isEmpty());
        QCOMPARE(t.GetValue(32, 0), QStringLiteral("合计"));
    }

    void writtenOutOfOrder()
    {
        const H2NetModel t = tableOf(history({QStringLiteral("2005013 30 01 05 06 20 10 07")}), 1);
        QCOMPARE(t.GetValue(2, 24), QStringLiteral("-20")); // 10 - 30
        QCOMPARE(t.GetValue(2, 25), QStringLiteral("29"));  // between 30 and 01
        QCOMPARE(t.GetValue(3, 24), QStringLiteral("-20"));
    }

    void zeroAndTooMany()
    {
        const auto arr = patternHistory(3);
        H2NetModel t = tableOf(arr, 0);
        QCOMPARE(t.DynRows(), 1);
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("合计"));
        QCOMPARE(rowTexts(t, 2, 8, 28), QStringList(21, QStringLiteral("0")));
        ChartMessageList messages;
        QVERIFY(FillAnalysisTable(t, arr, 3, &messages));
        QVERIFY(!FillAnalysisTable(t, arr, 4, &messages));
        QCOMPARE(messages.messages, QStringList{kTooMany});
        QCOMPARE(t.DynRows(), 4);
    }

    // The totals are the sums of the rows on the whole shipped history.
    void shippedTotals()
    {
        const auto arr = shippedHistory();
        const H2NetModel t = tableOf(arr, int(arr.size()));
        const int last = t.RowCount() - 1;
        for (int c = 8; c <= 28; ++c) {
            qint64 sum = 0;
            for (int r = 2; r < last; ++r)
                sum += t.GetValue(r, c).toInt();
            QCOMPARE(t.GetValue(last, c), QString::number(sum));
        }
    }

    void explanation()
    {
        QCOMPARE(AnalysisExplanationCaption(), QStringLiteral("统计分析表 图表说明"));
        const QStringList lines = AnalysisExplanationLines();
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines[0], QStringLiteral("说明："));
        QCOMPARE(lines[4], QStringLiteral("奇号个数：红球中号码为奇数的个数；   "));
        QCOMPARE(lines[18], QStringLiteral("重号个数：本期红球中出现上期红球的个数；    "));
        QCOMPARE(lines[19], QStringLiteral("斜号个数：本期红球与上期红球号码斜连的个数。"));
    }
};

QTEST_GUILESS_MAIN(TestChartAnalysis)
#include "tst_ChartAnalysis.moc"
