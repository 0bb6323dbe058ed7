#include "charts/ChartClasses.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kGrey = RgbColor(128, 128, 128);
constexpr TColor kZoneLow = RgbColor(209, 229, 244);
constexpr TColor kZoneMid = RgbColor(161, 166, 244);
constexpr TColor kZoneHigh = RgbColor(241, 134, 100);
constexpr TColor kHeat1 = RgbColor(193, 149, 244);
constexpr TColor kHeat2 = RgbColor(225, 134, 100);
constexpr TColor kHeat3 = RgbColor(255, 70, 52);
constexpr TColor kBand0 = RgbColor(85, 209, 239);
constexpr TColor kBand1 = RgbColor(196, 163, 222);
constexpr TColor kBand5 = RgbColor(131, 228, 197);
constexpr TColor kBand6 = RgbColor(229, 89, 239);

using Routine = bool (*)(H2NetModel &, const TBeenCodesRecArr &, int, ChartReporter *);

// The newest draw is the last line.
H2NetModel chartOf(Routine routine, const QStringList &lines, int n = -1)
{
    const auto arr = history(lines);
    H2NetModel t;
    if (!routine(t, arr, n < 0 ? int(arr.size()) : n, nullptr))
        qFatal("chart refused");
    return t;
}

QStringList mergeTexts(const H2NetModel &t)
{
    QStringList texts;
    for (const MergeCell &m : t.Merges()) {
        if (!m.Visible || m.Color != t.FFixColor)
            return {};
        texts << m.Text;
    }
    return texts;
}
} // namespace

class TestChartClasses : public QObject
{
    Q_OBJECT

private slots:

    void zoneExample()
    {
        const H2NetModel t = chartOf(FillZoneChart, {QStringLiteral("2005013 01 05 11 12 30 33 07")});
        QCOMPARE(mergeTexts(t).mid(3), (QStringList{QStringLiteral("3分区"), QStringLiteral("11分区")}));
        QCOMPARE(t.Merges()[3].TopLeft, QPoint(8, 0));
        QCOMPARE(t.Merges()[3].BottomRight, QPoint(10, 0));
        QCOMPARE(t.Merges()[4].TopLeft, QPoint(11, 0));
        QCOMPARE(t.Merges()[4].BottomRight, QPoint(21, 0));
        QCOMPARE(t.GetValue(1, 8), QStringLiteral("1"));
        QCOMPARE(t.GetValue(1, 10), QStringLiteral("3"));
        QCOMPARE(t.GetValue(1, 11), QStringLiteral("1"));
        QCOMPARE(t.GetValue(1, 21), QStringLiteral("11"));
        QCOMPARE(t.ColWidths()[1], 28);
        QCOMPARE(t.ColWidths()[21], 28);
        // Three zones: 3, 1, 2.
        QCOMPARE(t.GetValue(2, 8), QStringLiteral("03"));
        QCOMPARE(t.GetColor(2, 8), kZoneMid);
        QCOMPARE(t.GetValue(2, 9), QStringLiteral("01"));
        QCOMPARE(t.GetColor(2, 9), kZoneLow);
        QCOMPARE(t.GetValue(2, 10), QStringLiteral("02"));
        QCOMPARE(t.GetColor(2, 10), kZoneMid);
        // Eleven zones: 1 (01), 2 (05), 4 (11, 12), 10 (30), 11 (33).
        const QString expected[12] = {{}, "01", "01", {}, "02", {}, {}, {}, {}, {}, "01", "01"};
        const TColor colors[12] = {0, kHeat1, kHeat1, clWindow, kHeat2, clWindow, clWindow, clWindow,
                                   clWindow, clWindow, kHeat1, kHeat1};
        for (int k = 1; k <= 11; ++k) {
            QCOMPARE(t.GetValue(2, 10 + k), expected[k]);
            QCOMPARE(t.GetColor(2, 10 + k), colors[k]);
        }
        // Totals are the reds per zone.
        QCOMPARE(t.GetValue(3, 8), QStringLiteral("3"));
        QCOMPARE(t.GetValue(3, 12), QStringLiteral("1"));
        QCOMPARE(t.GetValue(3, 13), QStringLiteral("0"));
        QCOMPARE(t.GetValue(3, 14), QStringLiteral("2"));
    }

    void tailExample()
    {
        const H2NetModel t = chartOf(FillTailChart, {QStringLiteral("2005012 10 20 30 03 13 23 01"),
                                                     QStringLiteral("2005013 01 11 21 31 05 15 02")});
        QCOMPARE(mergeTexts(t).mid(3), QStringList{QStringLiteral("尾数分布")});
        QCOMPARE(t.Merges()[3].TopLeft, QPoint(8, 0));
        QCOMPARE(t.Merges()[3].BottomRight, QPoint(17, 0));
        for (int d = 0; d <= 9; ++d)
            QCOMPARE(t.GetValue(1, 8 + d), QString::number(d));
        // Digit 1 four times: plain "4", no fill; digit 5 twice on the second colour.
        QCOMPARE(t.GetValue(2, 9), QStringLiteral("4"));
        QCOMPARE(t.GetColor(2, 9), clWindow);
        QCOMPARE(t.GetValue(2, 13), QStringLiteral("2"));
        QCOMPARE(t.GetColor(2, 13), kHeat2);
        QCOMPARE(t.GetValue(2, 8), QString());
        QCOMPARE(t.GetColor(2, 8), clWindow);
        // The older draw: three of digit 0 and three of digit 3.
        QCOMPARE(t.GetValue(3, 8), QStringLiteral("3"));
        QCOMPARE(t.GetColor(3, 8), kHeat3);
        QCOMPARE(t.GetValue(4, 8), QStringLiteral("3"));
        QCOMPARE(t.GetValue(4, 9), QStringLiteral("4"));
        QCOMPARE(t.GetValue(4, 11), QStringLiteral("3"));
        QCOMPARE(t.GetValue(4, 17), QStringLiteral("0"));
    }

    void oddEvenExample()
    {
        const H2NetModel t = chartOf(FillOddEvenChart, {QStringLiteral("2005013 01 02 03 04 05 06 16")});
        QStringList expectedMerges{QStringLiteral("期号"), QStringLiteral("红球号码"), QStringLiteral("蓝球")};
        for (int p = 1; p <= 6; ++p)
            expectedMerges << QStringLiteral("第%1位").arg(p);
        expectedMerges << QStringLiteral("蓝球") << QStringLiteral("奇数个数");
        QCOMPARE(mergeTexts(t), expectedMerges);
        QCOMPARE(t.Merges()[10].TopLeft, QPoint(22, 0));
        QCOMPARE(t.Merges()[10].BottomRight, QPoint(29, 0));
        QCOMPARE(t.GetValue(1, 8), QStringLiteral("J"));
        QCOMPARE(t.GetValue(1, 21), QStringLiteral("O"));
        QCOMPARE(t.GetValue(1, 22), QStringLiteral("数"));
        QCOMPARE(t.GetValue(1, 29), QStringLiteral("6"));
        QCOMPARE(t.ColWidths()[6], 20);
        QCOMPARE(t.ColWidths()[21], 22);
        QCOMPARE(t.ColWidths()[22], 24);

        for (int c = 8; c <= 21; ++c) {
            const bool marked = c == 8 || c == 12 || c == 16 || c == 11 || c == 15 || c == 19 || c == 21;
            QCOMPARE(t.GetValue(2, c), marked ? (c % 2 == 0 ? QStringLiteral("J") : QStringLiteral("O")) : QString());
            QCOMPARE(t.GetValue(3, c), marked ? QStringLiteral("1") : QStringLiteral("0"));
        }
        QCOMPARE(t.GetValue(2, 22), QStringLiteral("3"));
        QCOMPARE(t.GetColor(2, 22), kBand0);
        QCOMPARE(t.GetValue(2, 26), QStringLiteral("3"));
        QCOMPARE(t.GetColor(2, 26), kBand5);
        QCOMPARE(t.GetColor(2, 25), kBand1);
        QCOMPARE(t.GetColor(2, 8), kBand0);
        QCOMPARE(t.GetColor(2, 9), kBand0);
        QCOMPARE(t.GetColor(2, 10), kBand1);
        QCOMPARE(t.GetColor(2, 20), kBand6);
        QCOMPARE(t.GetColor(2, 21), kBand6);
        // Column 22 carries no marks.
        QCOMPARE(t.GetValue(3, 22), QStringLiteral("0"));
        QCOMPARE(t.GetValue(3, 26), QStringLiteral("1"));
        QCOMPARE(t.GetValue(3, 23), QStringLiteral("0"));
    }

    void bigSmallExample()
    {
        const H2NetModel t = chartOf(FillBigSmallChart, {QStringLiteral("2005013 15 20 29 05 10 33 09")});
        QCOMPARE(mergeTexts(t).last(), QStringLiteral("大数个数"));
        QCOMPARE(t.GetValue(1, 8), QStringLiteral("D"));
        QCOMPARE(t.GetValue(1, 9), QStringLiteral("X"));
        const QString marks[] = {"D", "X", "D", "D", "X", "X"};
        for (int p = 0; p < 6; ++p) {
            const bool big = marks[p] == QStringLiteral("D");
            QCOMPARE(t.GetValue(2, big ? 8 + 2 * p : 9 + 2 * p), marks[p]);
            QCOMPARE(t.GetValue(2, big ? 9 + 2 * p : 8 + 2 * p), QString());
        }
        QCOMPARE(t.GetValue(2, 20), QStringLiteral("D")); // blue 09
        QCOMPARE(t.GetValue(2, 21), QString());
        QCOMPARE(t.GetValue(2, 22), QStringLiteral("3"));
        QCOMPARE(t.GetValue(2, 26), QStringLiteral("3"));
        QCOMPARE(t.GetValue(3, 22), QStringLiteral("0"));
    }

};

QTEST_GUILESS_MAIN(TestChartClasses)
#include "tst_ChartClasses.moc"
