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

};

QTEST_GUILESS_MAIN(TestChartClasses)
#include "tst_ChartClasses.moc"
