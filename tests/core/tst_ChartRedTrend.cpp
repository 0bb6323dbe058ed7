#include "charts/ChartRedTrend.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kRedMark = RgbColor(255, 134, 132);
constexpr TColor kGrey = RgbColor(128, 128, 128);

TBeenCodesRecArr threeDraws()
{
    return history({QStringLiteral("2005011 10 20 30 11 21 31 16"),
                    QStringLiteral("2005012 01 02 03 04 05 33 07"),
                    QStringLiteral("2005013 33 01 12 13 14 15 02")});
}
} // namespace

class TestChartRedTrend : public QObject
{
    Q_OBJECT

private slots:

    void newestFirstWithMarks()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 2, nullptr));
        // Row 2 is the newest draw, its reds in their written order.
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("2005013"));
        QCOMPARE(t.GetValue(2, 1), QStringLiteral("33"));
        QCOMPARE(t.GetValue(2, 2), QStringLiteral("01"));
        QCOMPARE(t.GetValue(2, 7), QStringLiteral("02"));
        // 01 02 03 04 05 33 + 07 in row 3.
        QCOMPARE(t.GetValue(3, 0), QStringLiteral("2005012"));
        QCOMPARE(t.GetValue(3, 7), QStringLiteral("07"));
        for (int n : {1, 2, 3, 4, 5, 33}) {
            QCOMPARE(t.GetValue(3, 7 + n), QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
            QCOMPARE(t.GetColor(3, 7 + n), kRedMark);
        }
        QCOMPARE(t.GetValue(3, 13), QString());
        QCOMPARE(t.GetColor(3, 13), clWindow);
        QCOMPARE(t.GetColor(3, 7), clWindow);
    }

    void summaryRow()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 2, nullptr));
        const int s = 4;
        QCOMPARE(t.GetValue(s, 0), QStringLiteral("合计"));
        for (int c = 0; c < 41; ++c)
            QCOMPARE(t.GetColor(s, c), kGrey);
        for (int c = 1; c <= 7; ++c)
            QCOMPARE(t.GetValue(s, c), QString());
        QCOMPARE(t.GetValue(s, 7 + 1), QStringLiteral("2"));  // 01 in both draws
        QCOMPARE(t.GetValue(s, 7 + 33), QStringLiteral("2"));
        QCOMPARE(t.GetValue(s, 7 + 12), QStringLiteral("1"));
        QCOMPARE(t.GetValue(s, 7 + 10), QStringLiteral("0"));  // only in the draw not shown
    }

    void rotationPosition_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("position");
        QTest::newRow("S=30 first") << 30 << 30 << 1;
        QTest::newRow("S=30 33") << 30 << 33 << 4;
        QTest::newRow("S=30 1") << 30 << 1 << 5;
        QTest::newRow("S=30 last") << 30 << 29 << 33;
        QTest::newRow("S=1 unrotated 1") << 1 << 1 << 1;
        QTest::newRow("S=1 unrotated 33") << 1 << 33 << 33;
        QTest::newRow("S=33 first") << 33 << 33 << 1;
        QTest::newRow("S=33 1") << 33 << 1 << 2;
        QTest::newRow("S=33 last") << 33 << 32 << 33;
    }
    void rotationPosition()
    {
        QFETCH(int, start);
        QFETCH(int, number);
        QFETCH(int, position);
        QCOMPARE(RotationPosition(number, start), position);
    }

};

QTEST_GUILESS_MAIN(TestChartRedTrend)
#include "tst_ChartRedTrend.moc"
