#include "charts/ChartBlue.h"
#include "charts/ChartPageJson.h"
#include "charts/ChartPageList.h"
#include "charts/ChartRedTrend.h"
#include "charts/ChartTextWidth.h"
#include "charts/G2NetModel.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

using namespace charttest;

// Over the whole history the totals must not run into each other, neither in the tables
// nor over the bars; at N = 30 the pages keep the layout they were drawn with.
class TestChartColumnFit : public QObject
{
    Q_OBJECT

    TBeenCodesRecArr m_arr;

private slots:
    void initTestCase() { m_arr = shippedHistory(); }

    void everyTextFitsItsColumn_data()
    {
        QTest::addColumn<int>("page");
        for (int page : {PageRedTrend, PageZone, PageTail, PageOddEven, PageBigSmall, PageBlueTrend, PageAnalysis})
            QTest::addRow("%d", page) << page;
    }
    void everyTextFitsItsColumn()
    {
        QFETCH(int, page);
        H2NetModel table;
        ChartMessageList messages;
        QVERIFY(ChartTableRoutine(page)(table, m_arr, 0, &messages));
        const std::vector<int> designed = table.ColWidths();
        QVERIFY(ChartTableRoutine(page)(table, m_arr, 30, &messages));
        QCOMPARE(table.ColWidths(), designed);

        QVERIFY(ChartTableRoutine(page)(table, m_arr, int(m_arr.size()), &messages));
        for (int c = 0; c < table.ColsCount(); ++c)
            for (int r = 0; r < table.RowCount(); ++r)
                QVERIFY2(ChartTextWidth(table.CellText(r, c), table.FFontSize) <= table.ColWidths()[std::size_t(c)],
                         qPrintable(QStringLiteral("row %1 column %2: %3").arg(r).arg(c).arg(table.CellText(r, c))));
    }

    void barLabelsNeverOverlap_data()
    {
        QTest::addColumn<int>("draws");   // -1: every count 1234567
        QTest::addColumn<int>("size");    // 0: any
        QTest::addColumn<bool>("everyLabel");
        QTest::newRow("30 draws") << 30 << 11 << true;
        QTest::newRow("whole history") << int(m_arr.size()) << 0 << true;
        QTest::newRow("seven digits") << -1 << 7 << false;
    }
    // "红球统计图": each shown label leaves air to the next shown one.
    void barLabelsNeverOverlap()
    {
        QFETCH(int, draws);
        QFETCH(int, size);
        QFETCH(bool, everyLabel);
        G2NetModel chart;
        ChartMessageList messages;
        QVERIFY(FillRedStatChart(chart, m_arr, std::max(draws, 0), &messages));
        for (int x = 1; draws < 0 && x <= chart.DynColCount(); ++x)
            chart.SetValue(x, 1, QStringLiteral("1234567"));
        chart.Relayout();
        const int pt = chart.ValueLabelPointSize();
        QVERIFY(size == 0 ? pt >= 7 && pt < 11 : pt == size);
        const auto edge = [&](int x, int side) {
            const TRect b = chart.ScaledBar(x, 1);
            return (b.left + b.right) / 2.0 + side * ChartTextWidth(chart.GetValue(x, 1), pt) / 2;
        };
        int previous = 0;
        int shown = 0;
        for (int x = 1; x <= chart.DynColCount(); ++x) {
            if (!chart.ValueLabelShown(x))
                continue;
            QVERIFY2(previous == 0 || edge(previous, 1) < edge(x, -1), qPrintable(QString::number(x)));
            previous = x;
            ++shown;
        }
        QCOMPARE(shown == chart.DynColCount(), everyLabel);
        QVERIFY(shown > 1);
    }
};

QTEST_GUILESS_MAIN(TestChartColumnFit)
#include "tst_ChartColumnFit.moc"
