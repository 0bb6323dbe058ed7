#include "charts/B0NetModel.h"
#include "charts/ChartOmission.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
// Six draws, oldest first; the expected figures below are worked out by hand.
TBeenCodesRecArr sixDraws()
{
    return history({QStringLiteral("2005001 01 02 03 04 05 06 01"), QStringLiteral("2005002 01 07 08 09 10 11 02"),
                    QStringLiteral("2005003 12 13 14 15 16 17 01"), QStringLiteral("2005004 12 13 14 15 16 18 03"),
                    QStringLiteral("2005005 01 13 20 21 22 23 01"), QStringLiteral("2005006 24 25 26 27 28 29 04")});
}

// 150 draws: red 1 in every third draw (k = 0, 3, ...), blue 1 in every fifth.
TBeenCodesRecArr hundredFifty()
{
    TBeenCodesRecArr arr;
    for (int k = 0; k < 150; ++k) {
        DrawRecord d;
        d.Year = 2010 + k / 100;
        d.No = k % 100 + 1;
        d.Red = {std::int8_t(k % 3 == 0 ? 1 : 2), 3, 4, 5, 6, 7};
        d.Blue = k % 5 == 0 ? 1 : 2;
        arr.push_back(d);
    }
    return arr;
}

using Row = QList<int>; // omission, longest gap, longest run, total, 20, 50, 100
Row rowOf(const OmissionStat &s)
{
    return {s.omission, s.maxGap, s.maxRun, s.total, s.last20, s.last50, s.last100};
}
} // namespace

class TestChartOmission : public QObject
{
    Q_OBJECT

private slots:
    void redByHand_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<Row>("expected");
        QTest::newRow("01: twice in a row, then again") << 1 << Row{1, 2, 2, 3, 3, 3, 3};
        QTest::newRow("13: three in a row") << 13 << Row{1, 2, 3, 3, 3, 3, 3};
        QTest::newRow("24: only in the newest") << 24 << Row{0, 5, 1, 1, 1, 1, 1};
        QTest::newRow("06: only in the oldest") << 6 << Row{5, 5, 1, 1, 1, 1, 1};
        QTest::newRow("33: never") << 33 << Row{6, 6, 0, 0, 0, 0, 0};
    }
    void redByHand()
    {
        QFETCH(int, number);
        QFETCH(Row, expected);
        const auto stats = RedOmissionStats(sixDraws());
        QCOMPARE(stats.size(), std::size_t(34));
        QCOMPARE(rowOf(stats[std::size_t(number)]), expected);
    }

    void windows()
    {
        const auto arr = hundredFifty();
        // Red 1 at k = 0, 3, ..., 147: last 20 draws (k >= 130) hold 132..147.
        QCOMPARE(rowOf(RedOmissionStats(arr)[1]), (Row{2, 2, 1, 50, 6, 16, 33}));
        QCOMPARE(rowOf(BlueOmissionStats(arr)[1]), (Row{4, 4, 1, 30, 4, 10, 20}));
        QCOMPARE(rowOf(RedOmissionStats(arr)[3]), (Row{0, 0, 150, 150, 20, 50, 100}));
    }

    void tables()
    {
        B0NetModel red;
        B0NetModel blue;
        QVERIFY(FillOmissionTables(red, blue, sixDraws(), 6, nullptr));
        const QStringList one{"1", "1", "2", "2.00", "2", "3", "3", "3", "3"};
        const QStringList never{"33", "6", "6", "-", "0", "0", "0", "0", "0"};
        const QStringList blueNever{"16", "6", "6", "-", "0", "0", "0", "0", "0"};
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(red.GetText(c, 1), one[c]);
            QCOMPARE(red.GetText(c, 33), never[c]);
            QCOMPARE(blue.GetText(c, 16), blueNever[c]);
        }
    }

};

QTEST_GUILESS_MAIN(TestChartOmission)
#include "tst_ChartOmission.moc"
