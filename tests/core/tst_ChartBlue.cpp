#include "charts/ChartBlue.h"
#include "charts/G2NetModel.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kGrey = RgbColor(128, 128, 128);
constexpr TColor kYellow = RgbColor(249, 255, 176);
const QString kTriangle = QStringLiteral("▲");

// count draws with the given reds (and blue = number of the draw mod 16 + 1).
QStringList repeated(int count, const QString &reds, int blue = 0)
{
    QStringList lines;
    for (int k = 0; k < count; ++k)
        lines << QStringLiteral("2005%1 %2 %3")
                     .arg(k + 1, 3, 10, QLatin1Char('0'))
                     .arg(reds)
                     .arg(blue > 0 ? blue : k % 16 + 1, 2, 10, QLatin1Char('0'));
    return lines;
}
} // namespace

class TestChartBlue : public QObject
{
    Q_OBJECT

private slots:
    void redStatisticsMax25()
    {
        // 01 .. 05 in all 25 draws, 07 in three of them, 06 in the rest.
        QStringList lines = repeated(3, QStringLiteral("01 02 03 04 05 07"));
        lines += repeated(22, QStringLiteral("01 02 03 04 05 06"));
        const auto arr = history(lines);
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, arr, 25, nullptr));
        QCOMPARE(g.DynColCount(), 33);
        QCOMPARE(g.DynRowCount(), 1);
        QCOMPARE(g.RowColor(0), RgbColor(0, 0, 255));
        QCOMPARE(g.RowColor(1), RgbColor(255, 98, 84));
        QCOMPARE(g.GetValue(0, 1), QStringLiteral("0"));
        QCOMPARE(g.GetValue(1, 0), QStringLiteral("1"));
        QCOMPARE(g.GetValue(33, 0), QStringLiteral("33"));
        QCOMPARE(g.GetValue(1, 1), QStringLiteral("25"));
        QCOMPARE(g.GetValue(6, 1), QStringLiteral("22"));
        QCOMPARE(g.GetValue(7, 1), QStringLiteral("3"));
        QCOMPARE(g.GetValue(33, 1), QStringLiteral("0"));
        QCOMPARE(g.FBarWidth, 12);
        QCOMPARE(g.FBarGap, 5);
        QCOMPARE(g.FBandHeight, 20);
        QCOMPARE(g.FBandCount, 10);
        QCOMPARE(g.FScale, 0.125f);
        QVERIFY(g.FShowGrid);
        QVERIFY(g.FShowValues);
        g.Relayout();
        QCOMPARE(g.PlotRect().width(), 736);
        QCOMPARE(g.PlotRect().height(), 200);
        QCOMPARE(g.ScaledBar(1, 1).height(), 200);
        QCOMPARE(g.ScaledBar(7, 1).height(), 24);
        const int labels[] = {0, 2, 5, 8, 10, 12, 15, 18, 20, 22, 25};
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(g.AxisLabel(i), labels[i]);
    }

    void redStatisticsOnlyTheNewest()
    {
        QStringList lines = repeated(5, QStringLiteral("01 02 03 04 05 06"));
        lines += repeated(2, QStringLiteral("10 11 12 13 14 15"));
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, history(lines), 2, nullptr));
        QCOMPARE(g.GetValue(1, 1), QStringLiteral("0"));
        QCOMPARE(g.GetValue(10, 1), QStringLiteral("2"));
    }

    void bandCounts_data()
    {
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<int>("minBands");
        QTest::addColumn<int>("bands");
        QTest::addColumn<float>("scale");
        QTest::newRow("red 25") << 25 << 10 << 10 << 0.125f;
        QTest::newRow("red 90") << 90 << 10 << 20 << 0.225f;
        QTest::newRow("red 45") << 45 << 10 << 15 << 0.15f;
        QTest::newRow("blue 12") << 12 << 6 << 6 << 0.1f;
        QTest::newRow("blue 0") << 0 << 6 << 6 << 0.0f;
        QTest::newRow("blue 300") << 300 << 6 << 20 << 0.75f;
    }
    void bandCounts()
    {
        QFETCH(int, maxCount);
        QFETCH(int, minBands);
        QFETCH(int, bands);
        QFETCH(float, scale);
        QCOMPARE(StatBandCount(maxCount, minBands), bands);
        QCOMPARE(StatScale(maxCount, bands), scale);
    }

    void redStatisticsMax90()
    {
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, history(repeated(90, QStringLiteral("01 02 03 04 05 06"))), 90, nullptr));
        QCOMPARE(g.FBandCount, 20);
        QCOMPARE(g.FScale, 0.225f);
    }

    void zeroDrawsGiveFlatBars()
    {
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, history(repeated(3, QStringLiteral("01 02 03 04 05 06"))), 0, nullptr));
        QCOMPARE(g.FScale, 0.0f);
        QCOMPARE(g.FBandCount, 10);
        g.Relayout();
        QCOMPARE(g.ScaledBar(1, 1).height(), 0);
        G2NetModel b;
        QVERIFY(FillBlueStatChart(b, {}, 0, nullptr));
        QCOMPARE(b.FScale, 0.0f);
        QCOMPARE(b.GetValue(16, 1), QStringLiteral("0"));
    }

    void blueStatisticsMax12()
    {
        QStringList lines = repeated(12, QStringLiteral("01 02 03 04 05 06"), 9);
        lines += repeated(3, QStringLiteral("01 02 03 04 05 06"), 16);
        G2NetModel g;
        QVERIFY(FillBlueStatChart(g, history(lines), 15, nullptr));
        QCOMPARE(g.DynColCount(), 16);
        QCOMPARE(g.RowColor(0), RgbColor(255, 0, 0));
        QCOMPARE(g.RowColor(1), RgbColor(0, 0, 255));
        QCOMPARE(g.GetValue(9, 1), QStringLiteral("12"));
        QCOMPARE(g.GetValue(16, 1), QStringLiteral("3"));
        QCOMPARE(g.GetValue(1, 1), QStringLiteral("0"));
        QCOMPARE(g.GetValue(16, 0), QStringLiteral("16"));
        QCOMPARE(g.FBarWidth, 20);
        QCOMPARE(g.FBarGap, 10);
        QCOMPARE(g.FBandHeight, 20);
        QCOMPARE(g.FBandCount, 6);
        QCOMPARE(g.FScale, 0.1f);
        g.Relayout();
        QCOMPARE(g.PlotRect().width(), 660);
    }

    void statisticsRefuseTooMany()
    {
        const auto arr = history(repeated(3, QStringLiteral("01 02 03 04 05 06")));
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, arr, 3, nullptr));
        ChartMessageList messages;
        QVERIFY(!FillRedStatChart(g, arr, 4, &messages));
        QVERIFY(!FillBlueStatChart(g, arr, 4, &messages));
        QCOMPARE(messages.messages, (QStringList{kTooMany, kTooMany}));
        QCOMPARE(g.GetValue(1, 1), QStringLiteral("3"));
        QCOMPARE(g.DynColCount(), 33);
    }

    void blueTrendLayout()
    {
        H2NetModel t;
        QVERIFY(FillBlueTrendChart(t, history(repeated(2, QStringLiteral("01 02 03 04 05 06"))), 2, nullptr));
        QCOMPARE(t.FFontSize, 10);
        QCOMPARE(t.ColsCount(), 29);
        QCOMPARE(t.DynRows(), 3);
        const int widths[29] = {66, 32, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20,
                                20, 20, 20, 22, 22, 22, 22, 22, 32, 32, 32, 32, 32, 32};
        for (int c = 0; c < 29; ++c)
            QCOMPARE(t.ColWidths()[std::size_t(c)], widths[c]);
        QStringList captions;
        for (const MergeCell &m : t.Merges()) {
            QVERIFY(m.Visible);
            QCOMPARE(m.Color, t.FFixColor);
            captions << m.Text;
        }
        QCOMPARE(captions, (QStringList{"期号", "蓝球", "蓝球分布", "奇", "偶", "0", "1", "2", "2分区", "4分区"}));
        QCOMPARE(t.Merges()[2].TopLeft, QPoint(2, 0));
        QCOMPARE(t.Merges()[2].BottomRight, QPoint(17, 0));
        QCOMPARE(t.Merges()[7].TopLeft, QPoint(22, 0));
        QCOMPARE(t.Merges()[7].BottomRight, QPoint(22, 1));
        QCOMPARE(t.Merges()[9].TopLeft, QPoint(25, 0));
        QCOMPARE(t.Merges()[9].BottomRight, QPoint(28, 0));
        QCOMPARE(t.GetValue(1, 2), QStringLiteral("1"));
        QCOMPARE(t.GetValue(1, 17), QStringLiteral("16"));
        const QStringList zones{"1-8", "9-16", "1-4", "5-8", "9-12", ">=13"};
        for (int k = 0; k < 6; ++k)
            QCOMPARE(t.GetValue(1, 23 + k), zones[k]);
    }

    void blueTrendMarks_data()
    {
        QTest::addColumn<int>("blue");
        QTest::addColumn<QList<int>>("marks");
        QTest::newRow("09") << 9 << QList<int>{18, 20, 24, 27};
        QTest::newRow("16") << 16 << QList<int>{19, 21, 24, 28};
        QTest::newRow("01") << 1 << QList<int>{18, 21, 23, 25};
        QTest::newRow("08") << 8 << QList<int>{19, 22, 23, 26};
        QTest::newRow("13") << 13 << QList<int>{18, 21, 24, 28};
    }
    void blueTrendMarks()
    {
        QFETCH(int, blue);
        QFETCH(QList<int>, marks);
        H2NetModel t;
        QVERIFY(FillBlueTrendChart(t, history(repeated(1, QStringLiteral("01 02 03 04 05 06"), blue)), 1, nullptr));
        const QString b = QStringLiteral("%1").arg(blue, 2, 10, QLatin1Char('0'));
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("2005001"));
        QCOMPARE(t.GetValue(2, 1), b);
        for (int c = 2; c <= 17; ++c) {
            QCOMPARE(t.GetValue(2, c), c == blue + 1 ? b : QString());
            QCOMPARE(t.GetColor(2, c), c == blue + 1 ? kYellow : RgbColor(85, 209, 239));
            QCOMPARE(t.GetValue(3, c), c == blue + 1 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        for (int c = 18; c <= 28; ++c) {
            const bool marked = marks.contains(c);
            const QString text = !marked ? QString() : c == 18 ? QStringLiteral("J") : c == 19 ? QStringLiteral("O") : kTriangle;
            QCOMPARE(t.GetValue(2, c), text);
            QCOMPARE(t.GetValue(3, c), marked ? QStringLiteral("1") : QStringLiteral("0"));
        }
        QCOMPARE(t.GetColor(2, 18), RgbColor(196, 163, 222));
        QCOMPARE(t.GetColor(2, 22), RgbColor(99, 228, 181));
        QCOMPARE(t.GetColor(2, 24), RgbColor(85, 209, 239));
        QCOMPARE(t.GetColor(2, 25), RgbColor(193, 149, 244));
        QCOMPARE(t.GetColor(2, 1), clWindow);
        QCOMPARE(t.GetValue(3, 0), QStringLiteral("合计"));
        QCOMPARE(t.GetValue(3, 1), QString());
        for (int c = 0; c < 29; ++c)
            QCOMPARE(t.GetColor(3, c), kGrey);
    }

    // A blue outside 1..16 (only a hand-made history has one) shows the issue and bands.
    void blueTrendWithoutBlue()
    {
        TBeenCodesRecArr arr = history(repeated(1, QStringLiteral("01 02 03 04 05 06"), 5));
        arr[0].Blue = 0;
        H2NetModel t;
        QVERIFY(FillBlueTrendChart(t, arr, 1, nullptr));
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("2005001"));
        for (int c = 1; c < 29; ++c)
            QCOMPARE(t.GetValue(2, c), QString());
        QCOMPARE(t.GetColor(2, 2), RgbColor(85, 209, 239));
        for (int c = 2; c < 29; ++c)
            QCOMPARE(t.GetValue(3, c), QStringLiteral("0"));
        arr[0].Blue = 40;
        QVERIFY(FillBlueTrendChart(t, arr, 1, nullptr));
        QCOMPARE(t.GetValue(2, 1), QString());
        G2NetModel g;
        QVERIFY(FillBlueStatChart(g, arr, 1, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestChartBlue)
#include "tst_ChartBlue.moc"
