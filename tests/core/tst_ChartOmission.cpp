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

    void blueByHand_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<Row>("expected");
        QTest::newRow("01: every other draw") << 1 << Row{1, 1, 1, 3, 3, 3, 3};
        QTest::newRow("04: only in the newest") << 4 << Row{0, 5, 1, 1, 1, 1, 1};
        QTest::newRow("16: never") << 16 << Row{6, 6, 0, 0, 0, 0, 0};
    }
    void blueByHand()
    {
        QFETCH(int, number);
        QFETCH(Row, expected);
        const auto stats = BlueOmissionStats(sixDraws());
        QCOMPARE(stats.size(), std::size_t(17));
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

    void averageInterval_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("occurrences");
        QTest::addColumn<QString>("text");
        QTest::newRow("even") << 6 << 3 << "2.00";
        QTest::newRow("two decimals") << 3492 << 675 << "5.17";
        QTest::newRow("half rounds up") << 1 << 8 << "0.13";
        QTest::newRow("large") << 150 << 1 << "150.00";
        QTest::newRow("never") << 150 << 0 << "-";
        QTest::newRow("empty history") << 0 << 0 << "-";
    }
    void averageInterval()
    {
        QFETCH(int, draws);
        QFETCH(int, occurrences);
        QFETCH(QString, text);
        QCOMPARE(AverageIntervalText(draws, occurrences), text);
    }

    void tables()
    {
        B0NetModel red;
        B0NetModel blue;
        QVERIFY(FillOmissionTables(red, blue, sixDraws(), 6, nullptr));
        QCOMPARE(red.FTitle, QStringLiteral("红球分析表"));
        QCOMPARE(blue.FTitle, QStringLiteral("蓝球分析表"));
        QCOMPARE(red.ColsCount(), 9);
        QCOMPARE(red.RowsCount(), 34);
        QCOMPARE(blue.RowsCount(), 17);
        QCOMPARE(red.ColWidths(), std::vector<int>(9, 64));
        QCOMPARE(red.FRowHeight, 32);
        QCOMPARE(blue.FRowHeight, 32);
        const QStringList headers{"号码", "遗漏值", "最大间隔", "平均间隔", "最多连续", "出现总数",
                                  "20期出\r\n现次数", "50期出\r\n现次数", "100期出\r\n现次数"};
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(red.GetText(c, 0), headers[c]);
            QCOMPARE(blue.GetText(c, 0), headers[c]);
            QCOMPARE(red.GetColor(c, 0), RgbColor(202, 206, 186));
            QCOMPARE(red.GetColor(c, 33), RgbColor(255, 238, 221));
            QCOMPARE(blue.GetColor(c, 16), RgbColor(186, 238, 255));
        }
        const QStringList one{"1", "1", "2", "2.00", "2", "3", "3", "3", "3"};
        const QStringList never{"33", "6", "6", "-", "0", "0", "0", "0", "0"};
        const QStringList blueNever{"16", "6", "6", "-", "0", "0", "0", "0", "0"};
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(red.GetText(c, 1), one[c]);
            QCOMPARE(red.GetText(c, 33), never[c]);
            QCOMPARE(blue.GetText(c, 16), blueNever[c]);
        }
        QCOMPARE(red.GetText(0, 7), QStringLiteral("7"));
        // Laid out in their given bounds, both show every row.
        red.Relayout(kRedOmissionHeight);
        blue.Relayout(kBlueOmissionHeight);
        QCOMPARE(red.VisibleRows(), 34);
        QCOMPARE(blue.VisibleRows(), 17);
        QCOMPARE(red.FitSize().width(), 9 * 65 - 1 + 3);
    }

    void countOnlyChecked()
    {
        B0NetModel red;
        B0NetModel blue;
        QVERIFY(FillOmissionTables(red, blue, sixDraws(), 2, nullptr));
        // The statistics still cover the whole history.
        QCOMPARE(red.GetText(5, 1), QStringLiteral("3"));
        ChartMessageList messages;
        QVERIFY(!FillOmissionTables(red, blue, sixDraws(), 7, &messages));
        QCOMPARE(messages.messages, QStringList{kTooMany});
        QCOMPARE(red.GetText(5, 1), QStringLiteral("3"));
    }

    void emptyHistory()
    {
        B0NetModel red;
        B0NetModel blue;
        QVERIFY(FillOmissionTables(red, blue, {}, 0, nullptr));
        QCOMPARE(red.GetText(3, 1), QStringLiteral("-"));
        QCOMPARE(red.GetText(1, 1), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestChartOmission)
#include "tst_ChartOmission.moc"
