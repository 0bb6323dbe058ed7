#include "charts/ChartBlue.h"
#include "charts/ChartPageJson.h"
#include "charts/ChartPageList.h"
#include "charts/ChartRedTrend.h"
#include "charts/ChartTextWidth.h"
#include "charts/G2NetModel.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

// Large N: totals must not run into each other, neither in the tables nor over the bars.
class TestChartColumnFit : public QObject
{
    Q_OBJECT

    TBeenCodesRecArr m_arr;

    bool fill(H2NetModel &table, int page, int n)
    {
        ChartMessageList messages;
        if (page == PageRotation)
            return FillRotationChart(table, m_arr, n, 5, &messages);
        return ChartTableRoutine(page)(table, m_arr, n, &messages);
    }

private slots:
    void initTestCase() { m_arr = shippedHistory(); }

    void everyTextFitsItsColumn_data()
    {
        QTest::addColumn<int>("page");
        for (int page : {PageRedTrend, PageZone, PageTail, PageOddEven, PageBigSmall, PageRotation,
                         PageBlueTrend, PageAnalysis})
            QTest::addRow("%d", page) << page;
    }
    // At N = 30 a page keeps the widths it was drawn with (those of N = 0); over the whole
    // history each column is as wide as its widest text, totals included.
    void everyTextFitsItsColumn()
    {
        QFETCH(int, page);
        H2NetModel table;
        QVERIFY(fill(table, page, 0));
        const std::vector<int> designed = table.ColWidths();
        QVERIFY(fill(table, page, 30));
        QCOMPARE(table.ColWidths(), designed);

        QVERIFY(fill(table, page, int(m_arr.size())));
        bool widened = false;
        for (int c = 0; c < table.ColsCount(); ++c) {
            const int width = table.ColWidths()[std::size_t(c)];
            QVERIFY(width >= designed[std::size_t(c)]);
            widened = widened || width > designed[std::size_t(c)];
            for (int r = 0; r < table.RowCount(); ++r)
                QVERIFY2(ChartTextWidth(table.CellText(r, c), table.FFontSize) <= width,
                         qPrintable(QStringLiteral("row %1 column %2: %3 in %4 px")
                                        .arg(r).arg(c).arg(table.CellText(r, c)).arg(width)));
        }
        QVERIFY2(widened, "the totals of the whole history should need wider columns");
    }

    void fitRule_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("caption");   // merged over column 0 alone
        QTest::addColumn<bool>("widens");
        QTest::newRow("two digits in 16 px") << 10 << 16 << "30" << "" << false;
        QTest::newRow("three digits in 16 px") << 10 << 16 << "675" << "" << true;
        QTest::newRow("two-line caption cell") << 9 << 25 << "尾数\r\n和值" << "" << false;
        QTest::newRow("wide caption over the column") << 10 << 16 << "1" << "红球号码" << true;
    }
    void fitRule()
    {
        QFETCH(int, fontSize);
        QFETCH(int, width);
        QFETCH(QString, cell);
        QFETCH(QString, caption);
        QFETCH(bool, widens);
        H2NetModel table;
        table.FFontSize = fontSize;
        table.SetTableSize(2, 1, 1, {width, 16});
        table.SetValue(1, 0, cell);
        table.SetMergeCount(2);
        table.SetMerge(0, true, QPoint(0, 0), QPoint(0, 0), caption, table.FFixColor);
        // A caption over two columns has their joint width and widens neither.
        table.SetMerge(1, true, QPoint(0, 0), QPoint(1, 0), QStringLiteral("三个字"), table.FFixColor);
        table.FitColumnsToText();
        QCOMPARE(table.ColWidths()[0] > width, widens);
        QCOMPARE(table.ColWidths()[1], 16);
        if (widens)
            QVERIFY(table.ColWidths()[0] >= ChartTextWidth(caption.isEmpty() ? cell : caption, fontSize));
    }

    void barLabelsNeverOverlap_data()
    {
        QTest::addColumn<int>("draws");   // -1: every value 1234567
        QTest::addColumn<bool>("everyLabel");
        QTest::newRow("30 draws") << 30 << true;
        QTest::newRow("whole history") << int(m_arr.size()) << true;
        QTest::newRow("seven digits") << -1 << false;
    }
    // The labels over the bars of "红球统计图", in the size the chart chose, leave air between
    // each shown label and the next shown one.
    void barLabelsNeverOverlap()
    {
        QFETCH(int, draws);
        QFETCH(bool, everyLabel);
        G2NetModel chart;
        ChartMessageList messages;
        QVERIFY(FillRedStatChart(chart, m_arr, std::max(draws, 0), &messages));
        if (draws < 0)
            for (int x = 1; x <= chart.DynColCount(); ++x)
                chart.SetValue(x, 1, QStringLiteral("1234567"));
        chart.Relayout();
        const int size = chart.ValueLabelPointSize();
        QVERIFY(size >= 7 && size <= 11);
        if (draws == 30)
            QCOMPARE(size, 11);
        const auto centre = [&](int x) { const TRect b = chart.ScaledBar(x, 1); return (b.left + b.right) / 2.0; };
        const auto half = [&](int x) { return ChartTextWidth(chart.GetValue(x, 1), size) / 2; };
        int previous = 0;
        int shown = 0;
        for (int x = 1; x <= chart.DynColCount(); ++x) {
            if (!chart.ValueLabelShown(x))
                continue;
            ++shown;
            if (previous > 0)
                QVERIFY2(centre(previous) + half(previous) < centre(x) - half(x),
                         qPrintable(QStringLiteral("labels %1 and %2 touch").arg(previous).arg(x)));
            previous = x;
        }
        QCOMPARE(shown == chart.DynColCount(), everyLabel);
        QVERIFY(shown >= chart.DynColCount() / 4);
    }
};

QTEST_GUILESS_MAIN(TestChartColumnFit)
#include "tst_ChartColumnFit.moc"
