#include "charts/ChartAnalysis.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kGrey = RgbColor(128, 128, 128);

H2NetModel tableOf(const TBeenCodesRecArr &arr, int n)
{
    H2NetModel t;
    if (!FillAnalysisTable(t, arr, n, nullptr))
        qFatal("table refused");
    return t;
}

QStringList rowTexts(const H2NetModel &t, int row, int from, int to)
{
    QStringList texts;
    for (int c = from; c <= to; ++c)
        texts << t.GetValue(row, c);
    return texts;
}
} // namespace

class TestChartAnalysis : public QObject
{
    Q_OBJECT

private slots:

    void firstExample()
    {
        const auto arr = history({QStringLiteral("2005012 10 11 12 13 14 15 01"),
                                  QStringLiteral("2005013 01 02 03 04 05 06 07")});
        const H2NetModel t = tableOf(arr, 1);
        QCOMPARE(rowTexts(t, 2, 0, 7), (QStringList{"2005013", "01", "02", "03", "04", "05", "06", "07"}));
        QCOMPARE(rowTexts(t, 2, 8, 25), (QStringList{"21", "3", "21", "03", "03", "00", "00", "00", "00", "06",
                                                     "06", "00", "00", "04", "06", "01", "05", "01"}));
        // Against 10 .. 15 nothing is shared, and no number has a neighbour there.
        QCOMPARE(rowTexts(t, 2, 26, 28), (QStringList{"00", "00", "00"}));
        // The total row carries the single row's values as plain decimals.
        QCOMPARE(t.GetValue(3, 0), QStringLiteral("合计"));
        QCOMPARE(rowTexts(t, 3, 8, 28), (QStringList{"21", "3", "21", "3", "3", "0", "0", "0", "0", "6", "6",
                                                     "0", "0", "4", "6", "1", "5", "1", "0", "0", "0"}));
        for (int c = 0; c < 29; ++c)
            QCOMPARE(t.GetColor(3, c), kGrey);
        QCOMPARE(t.GetColor(2, 8), clWindow);
        QCOMPARE(rowTexts(t, 3, 1, 7), QStringList(7, QString()));
    }

    void neighbours()
    {
        const auto arr = history({QStringLiteral("2005012 01 03 07 09 11 19 01"),
                                  QStringLiteral("2005013 02 03 08 10 12 20 07"),
                                  QStringLiteral("2005014 17 18 19 20 21 22 07")});
        const H2NetModel t = tableOf(arr, 3);
        // 17 .. 22: big 06, small 00, difference 06.
        QCOMPARE(rowTexts(t, 2, 16, 18), (QStringList{"06", "00", "06"}));
        // Against 02 03 08 10 12 20: 20 repeats; 19 and 21 have the neighbour 20 there.
        QCOMPARE(rowTexts(t, 2, 26, 28), (QStringList{"00", "01", "02"}));
        // 02 03 08 10 12 20: even neighbours 08-10, 10-12; against 01 03 07 09 11 19: 03
        // at the same place and a repeat.
        QCOMPARE(t.GetValue(3, 15), QStringLiteral("02"));
        QCOMPARE(rowTexts(t, 3, 26, 27), (QStringList{"01", "01"}));
        // 01 03 07 09 11 19: odd neighbours 3.
        QCOMPARE(t.GetValue(4, 14), QStringLiteral("03"));
    }

};

QTEST_GUILESS_MAIN(TestChartAnalysis)
#include "tst_ChartAnalysis.moc"
