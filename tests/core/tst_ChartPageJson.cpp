#include "charts/ChartPageJson.h"
#include "charts/ChartPageList.h"

#include "ChartTestHistory.h"

#include <QJsonArray>
#include <QTest>

using namespace charttest;

class TestChartPageJson : public QObject
{
    Q_OBJECT

    TBeenCodesRecArr m_arr;

private slots:
    void initTestCase() { m_arr = shippedHistory(); }

    void everyPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("tables"); // -1: a bar chart
        QTest::addColumn<int>("rows");   // rows of the first table
        const int tables[] = {1, 1, 1, 1, 1, 30, -1, 1, 1, -1, 2, 30, 1};
        const int rows[] = {33, 33, 33, 33, 33, 6, 0, 33, 33, 0, 34, 6, 33};
        for (int page = 0; page < ChartPageCount; ++page)
            QTest::addRow("%d", page) << page << tables[page] << rows[page];
    }
    void everyPage()
    {
        QFETCH(int, page);
        QFETCH(int, tables);
        QFETCH(int, rows);
        QString error;
        const QJsonObject o = ChartPageJson(m_arr, page, 30, 1, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(o.value("page").toInt(), page);
        QCOMPARE(o.value("caption").toString(), kChartPageCaptions[std::size_t(page)]);
        if (tables < 0) {
            QVERIFY(!o.contains("tables"));
            const QJsonObject bars = o.value("bars").toObject();
            QCOMPARE(bars.value("labels").toArray().size(), page == PageRedStat ? 33 : 16);
            int sum = 0;
            for (const QJsonValue &v : bars.value("values").toArray())
                sum += v.toInt();
            QCOMPARE(sum, page == PageRedStat ? 180 : 30);
            QVERIFY(bars.value("scale").toDouble() > 0);
            return;
        }
        const QJsonArray array = o.value("tables").toArray();
        QCOMPARE(array.size(), tables);
        const QJsonObject first = array.first().toObject();
        QCOMPARE(first.value("rows").toArray().size(), rows);
        QCOMPARE(first.value("colors").toArray().size(), rows);
    }

    void refusals()
    {
        QString error;
        QVERIFY(ChartPageJson(m_arr, PageZone, int(m_arr.size()) + 1, 1, &error).isEmpty());
        QCOMPARE(error, kTooMany);
        error.clear();
        QVERIFY(ChartPageJson(m_arr, 13, 1, 1, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        error.clear();
        QVERIFY(!ChartPageJson(m_arr, PageOmission, int(m_arr.size()), 1, &error).isEmpty());
        QVERIFY(error.isEmpty());
        QVERIFY(!ChartPageJson(m_arr, PageAnalysis, -4, 1, &error).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChartPageJson)
#include "tst_ChartPageJson.moc"
