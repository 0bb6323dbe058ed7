#include "charts/ChartMessageList.h"
#include "charts/G2NetModel.h"

#include <QTest>

namespace {

// One series over `categories` categories with the red statistics chart's bar sizes.
G2NetModel oneSeries(int categories, int barWidth = 12, int barGap = 5)
{
    G2NetModel m;
    m.SetData(categories + 1, 2, {RgbColor(0, 0, 255), RgbColor(255, 98, 84)});
    for (int x = 1; x <= categories; ++x)
        m.SetValue(x, 0, QString::number(x));
    m.FBarWidth = barWidth;
    m.FBarGap = barGap;
    m.Relayout();
    return m;
}

} // namespace

class TestG2NetModel : public QObject
{
    Q_OBJECT

private slots:

    void barsOfTwoSeriesStandSideBySide()
    {
        G2NetModel m;
        m.SetData(3, 3);
        m.FBarWidth = 10;
        m.FBarGap = 10;
        m.Relayout();
        // Group width 2 * 10 + 2 * 10 = 40.
        QCOMPARE(m.BarRect(1, 1).left, 10 + 10 + 30);
        QCOMPARE(m.BarRect(1, 2).left, 20 + 10 + 30);
        QCOMPARE(m.BarRect(2, 1).left, 40 + 10 + 10 + 30);
    }

    void barHeights_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("height");
        QTest::newRow("7 at 0.5") << "7" << 0.5f << 14;
        QTest::newRow("3 at 2: ceiling of 1.5") << "3" << 2.0f << 2;
        QTest::newRow("0 is flat") << "0" << 0.5f << 0;
        QTest::newRow("25 at 0.125 fills the plot") << "25" << 0.125f << 200;
        QTest::newRow("3 at 0.125") << "3" << 0.125f << 24;
        QTest::newRow("90 at 0.225 ends on the top line") << "90" << float(90.0 / 400.0) << 400;
        QTest::newRow("12 at 0.1") << "12" << float(12.0 / 120.0) << 120;
        QTest::newRow("scale 0 draws flat bars") << "5" << 0.0f << 0;
        QTest::newRow("negative scale draws flat bars") << "5" << -1.0f << 0;
        QTest::newRow("a text that is no number is flat") << "abc" << 0.5f << 0;
    }
    void barHeights()
    {
        QFETCH(QString, value);
        QFETCH(float, scale);
        QFETCH(int, height);
        G2NetModel m = oneSeries(3);
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.FScale = scale;
        m.SetValue(2, 1, value);
        const TRect bar = m.ScaledBar(2, 1);
        QCOMPARE(bar.height(), height);
        QCOMPARE(bar.bottom, m.PlotRect().bottom + 1);
        QCOMPARE(m.ScaleRect(m.BarRect(2, 1)), bar);
    }

    void axisLabels_data()
    {
        QTest::addColumn<int>("bandHeight");
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<float>("scale");
        QTest::addColumn<QList<int>>("labels");
        QTest::newRow("halves to the even neighbour") << 10 << 5 << 0.25f << QList<int>{0, 2, 5, 8, 10, 12};
        QTest::newRow("largest count 25") << 20 << 10 << 0.125f
            << QList<int>{0, 2, 5, 8, 10, 12, 15, 18, 20, 22, 25};
        QTest::newRow("blue, largest count 12") << 20 << 6 << float(12.0 / 120.0)
            << QList<int>{0, 2, 4, 6, 8, 10, 12};
        // 5 / 120 in single precision makes the half at band 3 a hair above 2.5.
        QTest::newRow("blue, largest count 5") << 20 << 6 << float(5.0 / 120.0)
            << QList<int>{0, 1, 2, 2, 3, 4, 5};
        QTest::newRow("red, largest count 90") << 20 << 20 << float(90.0 / 400.0)
            << QList<int>{0, 4, 9, 14, 18, 22, 27, 32, 36, 40, 45, 50, 54, 58, 63, 68, 72, 76, 81, 86, 90};
        QTest::newRow("scale 0") << 20 << 10 << 0.0f << QList<int>(11, 0);
    }
    void axisLabels()
    {
        QFETCH(int, bandHeight);
        QFETCH(int, bandCount);
        QFETCH(float, scale);
        QFETCH(QList<int>, labels);
        G2NetModel m = oneSeries(3);
        m.FBandHeight = bandHeight;
        m.FBandCount = bandCount;
        m.FScale = scale;
        m.Relayout();
        QList<int> actual;
        for (int i = 0; i <= bandCount; ++i)
            actual << m.AxisLabel(i);
        QCOMPARE(actual, labels);
        QCOMPARE(m.AxisY(0), m.PlotRect().bottom);
        QCOMPARE(m.AxisY(bandCount), m.PlotRect().top);
        QCOMPARE(m.AxisLabelRect(1), (TRect{5, m.AxisY(1) - 7, 20, m.AxisY(1) + 8}));
    }

};

QTEST_APPLESS_MAIN(TestG2NetModel)
#include "tst_G2NetModel.moc"
