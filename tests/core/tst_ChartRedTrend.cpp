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
    void layoutAndHeader()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 2, nullptr));
        QCOMPARE(t.FFontSize, 10);
        QCOMPARE(t.ColsCount(), 41);
        QCOMPARE(t.FixRowCount(), 2);
        QCOMPARE(t.DynRows(), 3);
        QCOMPARE(t.ColWidths()[0], 66);
        QCOMPARE(t.ColWidths()[1], 16);
        QCOMPARE(t.ColWidths()[7], 32);
        QCOMPARE(t.ColWidths()[40], 16);
        for (int p = 1; p <= 6; ++p)
            QCOMPARE(t.GetValue(1, p), QString::number(p));
        for (int n = 1; n <= 33; ++n)
            QCOMPARE(t.GetValue(1, 7 + n), QString::number(n));
        QCOMPARE(t.MergeCount(), 4);
        const auto &m = t.Merges();
        QCOMPARE(m[0].Text, QStringLiteral("期号"));
        QCOMPARE(m[0].BottomRight, QPoint(0, 1));
        QCOMPARE(m[1].Text, QStringLiteral("红球号码"));
        QCOMPARE(m[1].TopLeft, QPoint(1, 0));
        QCOMPARE(m[1].BottomRight, QPoint(6, 0));
        QCOMPARE(m[2].Text, QStringLiteral("蓝球"));
        QCOMPARE(m[2].TopLeft, QPoint(7, 0));
        QCOMPARE(m[2].BottomRight, QPoint(7, 1));
        QCOMPARE(m[3].Text, QStringLiteral("红球分布"));
        QCOMPARE(m[3].TopLeft, QPoint(8, 0));
        QCOMPARE(m[3].BottomRight, QPoint(40, 0));
        for (const MergeCell &cell : m) {
            QVERIFY(cell.Visible);
            QCOMPARE(cell.Color, t.FFixColor);
        }
    }

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

    void zeroDraws()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 0, nullptr));
        QCOMPARE(t.DynRows(), 1);
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("合计"));
        for (int c = 8; c <= 40; ++c)
            QCOMPARE(t.GetValue(2, c), QStringLiteral("0"));
    }

    void negativeCountsAsZero()
    {
        H2NetModel t;
        ChartMessageList messages;
        QVERIFY(FillRedTrendChart(t, threeDraws(), -5, &messages));
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(t.DynRows(), 1);
    }

    void allDraws()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 3, nullptr));
        QCOMPARE(t.GetValue(4, 0), QStringLiteral("2005011"));
        QCOMPARE(t.GetValue(5, 0), QStringLiteral("合计"));
        QCOMPARE(t.GetValue(5, 7 + 10), QStringLiteral("1"));
    }

    void tooManyLeavesTheTable()
    {
        H2NetModel t;
        QVERIFY(FillRedTrendChart(t, threeDraws(), 2, nullptr));
        ChartMessageList messages;
        QVERIFY(!FillRedTrendChart(t, threeDraws(), 4, &messages));
        QCOMPARE(messages.messages, QStringList{kTooMany});
        QCOMPARE(t.DynRows(), 3);
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("2005013"));
    }

    void emptyHistory()
    {
        H2NetModel t;
        ChartMessageList messages;
        QVERIFY(!FillRedTrendChart(t, {}, 1, &messages));
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(FillRedTrendChart(t, {}, 0, &messages));
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

    void rotationIsAPermutation()
    {
        for (int s = 1; s <= 33; ++s) {
            QSet<int> seen;
            for (int n = 1; n <= 33; ++n)
                seen.insert(RotationPosition(n, s));
            QCOMPARE(seen.size(), 33);
            QVERIFY(!seen.contains(0));
            QVERIFY(!seen.contains(34));
        }
    }

    void rotationColumnsForThirty()
    {
        H2NetModel t;
        QVERIFY(FillRotationChart(t, threeDraws(), 3, 30, nullptr));
        QCOMPARE(t.GetValue(1, 8), QStringLiteral("30"));
        QCOMPARE(t.GetValue(1, 11), QStringLiteral("33"));
        QCOMPARE(t.GetValue(1, 12), QStringLiteral("1"));
        QCOMPARE(t.GetValue(1, 40), QStringLiteral("29"));
        // The newest draw 33 01 12 13 14 15: 33 in column 11, 01 in column 12.
        QCOMPARE(t.GetValue(2, 11), QStringLiteral("33"));
        QCOMPARE(t.GetColor(2, 11), kRedMark);
        QCOMPARE(t.GetValue(2, 12), QStringLiteral("01"));
        // Totals follow the columns: 01 occurs twice, 30 once.
        QCOMPARE(t.GetValue(5, 12), QStringLiteral("2"));
        QCOMPARE(t.GetValue(5, 8), QStringLiteral("1"));
        QCOMPARE(t.Merges()[3].Text, QStringLiteral("红球分布"));
    }

    void rotationByOneIsTheTrendChart()
    {
        H2NetModel a;
        H2NetModel b;
        const auto arr = patternHistory(40);
        QVERIFY(FillRedTrendChart(a, arr, 40, nullptr));
        QVERIFY(FillRotationChart(b, arr, 40, 1, nullptr));
        for (int r = 0; r < a.RowCount(); ++r)
            for (int c = 0; c < 41; ++c) {
                QCOMPARE(b.GetValue(r, c), a.GetValue(r, c));
                QCOMPARE(b.GetColor(r, c), a.GetColor(r, c));
            }
    }
};

QTEST_GUILESS_MAIN(TestChartRedTrend)
#include "tst_ChartRedTrend.moc"
