#include "charts/ChartJson.h"
#include "charts/ChartMessageList.h"
#include "charts/G2NetModel.h"

#include <QJsonArray>
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

QStringList allValues(const G2NetModel &m)
{
    QStringList values;
    for (int y = 0; y <= m.DynRowCount(); ++y)
        for (int x = 0; x <= m.DynColCount(); ++x)
            values << m.GetValue(x, y);
    return values;
}

} // namespace

class TestG2NetModel : public QObject
{
    Q_OBJECT

private slots:
    void createdWithTheDefaultScale()
    {
        const G2NetModel m;
        QCOMPARE(m.FMargin, QPoint(30, 30));
        QCOMPARE(m.FBarWidth, 10);
        QCOMPARE(m.FBarGap, 10);
        QCOMPARE(m.FBandHeight, 10);
        QCOMPARE(m.FBandCount, 6);
        QCOMPARE(m.FScale, 0.2f);
        QVERIFY(m.FShowGrid);
        QVERIFY(m.FShowValues);
        QVERIFY(m.FTitle.isEmpty());
        QCOMPARE(m.DynColCount(), 0);
        QCOMPARE(m.DynRowCount(), 0);
    }

    void setDataFillsZerosAndRowColours()
    {
        G2NetModel m;
        m.SetData(3, 12, {RgbColor(1, 2, 3)});
        QCOMPARE(m.DynColCount(), 2);
        QCOMPARE(m.DynRowCount(), 11);
        const QStringList values = allValues(m);
        QCOMPARE(values.size(), 36);
        QVERIFY(std::all_of(values.begin(), values.end(), [](const QString &v) { return v == "0"; }));
        QCOMPARE(m.RowColor(0), RgbColor(1, 2, 3));
        QCOMPARE(m.RowColor(1), RgbColor(4, 255, 17));
        QCOMPARE(m.RowColor(2), RgbColor(255, 18, 69));
        QCOMPARE(m.RowColor(3), RgbColor(68, 32, 31));
        QCOMPARE(m.RowColor(4), RgbColor(132, 0, 95));
        QCOMPARE(m.RowColor(9), RgbColor(68, 0, 255));
        // Past the ten defaults the last one serves.
        QCOMPARE(m.RowColor(11), RgbColor(68, 0, 255));
        QCOMPARE(G2NetModel::DefaultRowColor(0), RgbColor(17, 0, 255));
    }

    void valuesAreStoredRowByRow()
    {
        G2NetModel m;
        m.SetData(4, 3);
        m.SetValue(3, 1, QStringLiteral("7"));
        m.SetValue(0, 2, QStringLiteral("9"));
        QCOMPARE(allValues(m).indexOf("7"), 1 * 4 + 3);
        QCOMPARE(allValues(m).indexOf("9"), 2 * 4 + 0);
        QCOMPARE(m.GetValue(3, 1), QStringLiteral("7"));
    }

    void barsOfOneSeries_data()
    {
        QTest::addColumn<int>("category");
        for (int x : {1, 2, 3, 17, 33})
            QTest::newRow(qPrintable(QString::number(x))) << x;
    }
    void barsOfOneSeries()
    {
        QFETCH(int, category);
        const G2NetModel m = oneSeries(33);
        const TRect bar = m.BarRect(category, 1);
        QCOMPARE(bar.left, 22 * (category - 1) + 47);
        QCOMPARE(bar.width(), 12);
        QCOMPARE(bar.bottom, m.PlotRect().bottom + 1);
        if (category < 33)
            QCOMPARE(m.BarRect(category + 1, 1).left - bar.right, 10);
        QVERIFY(bar.right <= m.PlotRect().right);
    }

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

    void relayoutSizesThePlotAndTheControl_data()
    {
        QTest::addColumn<int>("categories");
        QTest::addColumn<int>("barWidth");
        QTest::addColumn<int>("barGap");
        QTest::addColumn<int>("bandHeight");
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<QSize>("plot");
        QTest::newRow("red statistics") << 33 << 12 << 5 << 20 << 10 << QSize(736, 200);
        QTest::newRow("blue statistics") << 16 << 20 << 10 << 20 << 6 << QSize(660, 120);
        QTest::newRow("no band height") << 16 << 20 << 10 << 0 << 6 << QSize(660, 0);
    }
    void relayoutSizesThePlotAndTheControl()
    {
        QFETCH(int, categories);
        QFETCH(int, barWidth);
        QFETCH(int, barGap);
        QFETCH(int, bandHeight);
        QFETCH(int, bandCount);
        QFETCH(QSize, plot);
        G2NetModel m = oneSeries(categories, barWidth, barGap);
        m.FBandHeight = bandHeight;
        m.FBandCount = bandCount;
        m.Relayout();
        QCOMPARE(m.PlotRect(), (TRect{30, 30, 30 + plot.width(), 30 + plot.height()}));
        QCOMPARE(m.ControlSize(), QSize(plot.width() + 60, plot.height() + 60));
    }

    void labelRectangles()
    {
        G2NetModel m = oneSeries(33);
        m.FScale = 0.5f;
        m.SetValue(1, 1, QStringLiteral("7"));
        const int base = m.PlotRect().bottom + 1;
        QCOMPARE(m.CategoryLabelRect(1), (TRect{47, base + 3, 59, base + 18}));
        const TRect bar = m.ScaledBar(1, 1);
        QCOMPARE(m.ValueLabelRect(bar), (TRect{47, base - 14 - 16, 59, base - 14 - 2}));
        QCOMPARE(m.TitleRect(), (TRect{30, 5, m.PlotRect().right, 25}));
    }

    void rangeMessages_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QStringList>("expected");
        // 4 categories (columns 0..4), one series (rows 0..1).
        QTest::newRow("SetValue column past the last") << "SetValue" << 5 << 0
            << QStringList{"SetValue x>=FDynColCount "};
        QTest::newRow("SetValue row past the last") << "SetValue" << 1 << 2
            << QStringList{"SetValue x>=FDynRowCount "};
        QTest::newRow("GetValue column past the last") << "GetValue" << 5 << 1
            << QStringList{"GetValue x>=FDynColCount "};
        QTest::newRow("GetValue row past the last") << "GetValue" << 0 << 2
            << QStringList{"GetValue x>=FDynRowCount "};
        QTest::newRow("GetValue both") << "GetValue" << 9 << 9
            << QStringList{"GetValue x>=FDynColCount ", "GetValue x>=FDynRowCount "};
        QTest::newRow("SetValue negative") << "SetValue" << -1 << -1
            << QStringList{"SetValue x<0 ", "SetValue y<0 "};
        QTest::newRow("SetValue last value is fine") << "SetValue" << 4 << 1 << QStringList{};
    }
    void rangeMessages()
    {
        QFETCH(QString, operation);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QStringList, expected);
        G2NetModel m = oneSeries(4);
        ChartMessageList messages;
        m.SetReporter(&messages);
        const QStringList before = allValues(m);
        if (operation == "SetValue")
            m.SetValue(x, y, QStringLiteral("3"));
        else
            QVERIFY(m.GetValue(x, y).isEmpty());
        QCOMPARE(messages.messages, expected);
        if (expected.isEmpty()) {
            QCOMPARE(m.GetValue(x, y), QStringLiteral("3"));
        } else {
            // Column 5 of row 0 would be the flat entry of (0, 1): it is untouched.
            QCOMPARE(allValues(m), before);
        }
    }

    void aSeriesValueMustBeANumber()
    {
        G2NetModel m = oneSeries(2);
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetValue(1, 0, QStringLiteral("一")); // labels are free text
        QVERIFY(messages.messages.isEmpty());
        m.SetValue(1, 1, QStringLiteral("x1"));
        QCOMPARE(messages.messages, QStringList{"SetValue 'x1' is not a valid integer value "});
        QCOMPARE(m.GetValue(1, 1), QStringLiteral("x1"));
        QCOMPARE(m.BarValue(1, 1), 0);
    }

    void paintsNothingWithoutCategoriesOrSeries()
    {
        G2NetModel m;
        m.SetData(1, 2);
        QCOMPARE(m.DynColCount(), 0);
        m.SetData(0, 0);
        QCOMPARE(m.DynColCount(), -1);
        QCOMPARE(m.DynRowCount(), -1);
        ChartMessageList messages;
        m.SetReporter(&messages);
        QVERIFY(m.GetValue(0, 0).isEmpty());
        QCOMPARE(messages.messages.size(), 2);
    }

    void negativeSizeIsReported()
    {
        G2NetModel m;
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetData(-5, 2);
        QCOMPARE(messages.messages, QStringList{"SetData bad size "});
        QCOMPARE(m.DynColCount(), -1);
        m.Relayout();
        QCOMPARE(m.PlotRect().left, 30);
    }

    void barsJson()
    {
        G2NetModel m = oneSeries(3);
        m.SetValue(1, 1, QStringLiteral("4"));
        m.SetValue(3, 1, QStringLiteral("90"));
        m.FBandCount = 20;
        m.FScale = float(90.0 / 400.0);
        const QJsonObject json = BarsToJson(m);
        QCOMPARE(json[QStringLiteral("labels")].toArray(), (QJsonArray{"1", "2", "3"}));
        QCOMPARE(json[QStringLiteral("values")].toArray(), (QJsonArray{4, 0, 90}));
        QCOMPARE(json[QStringLiteral("bandCount")].toInt(), 20);
        QCOMPARE(json[QStringLiteral("scale")].toDouble(), 0.225);
    }
};

QTEST_APPLESS_MAIN(TestG2NetModel)
#include "tst_G2NetModel.moc"
