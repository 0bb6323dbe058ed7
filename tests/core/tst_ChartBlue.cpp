#include "charts/ChartBlue.h"
#include "charts/G2NetModel.h"
#include "charts/H2NetModel.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor kGrey = RgbColor(128, 128, 128);
constexpr TColor kYellow = RgbColor(249, 255, 176);
const QString kTriangle = QStringLiteral("▲");

// count draws with the given reds (and blue = number of the draw mod 16 + 1).
QStringList repeated(int count, const QString &reds, int blue = 0)
{
    QStringList lines;
    for (int k = 0; k < count; ++k)
        lines << QStringLiteral("2005%1 %2 %3")
                     .arg(k + 1, 3, 10, QLatin1Char('0'))
                     .arg(reds)
                     .arg(blue > 0 ? blue : k % 16 + 1, 2, 10, QLatin1Char('0'));
    return lines;
}
} // namespace

class TestChartBlue : public QObject
{
    Q_OBJECT

private slots:

    void redStatisticsOnlyTheNewest()
    {
        QStringList lines = repeated(5, QStringLiteral("01 02 03 04 05 06"));
        lines += repeated(2, QStringLiteral("10 11 12 13 14 15"));
        G2NetModel g;
        QVERIFY(FillRedStatChart(g, history(lines), 2, nullptr));
        QCOMPARE(g.GetValue(1, 1), QStringLiteral("0"));
        QCOMPARE(g.GetValue(10, 1), QStringLiteral("2"));
    }

    void blueTrendMarks_data()
    {
        QTest::addColumn<int>("blue");
        QTest::addColumn<QList<int>>("marks");
        QTest::newRow("09") << 9 << QList<int>{18, 20, 24, 27};
        QTest::newRow("16") << 16 << QList<int>{19, 21, 24, 28};
        QTest::newRow("01") << 1 << QList<int>{18, 21, 23, 25};
        QTest::newRow("08") << 8 << QList<int>{19, 22, 23, 26};
        QTest::newRow("13") << 13 << QList<int>{18, 21, 24, 28};
    }
    void blueTrendMarks()
    {
        QFETCH(int, blue);
        QFETCH(QList<int>, marks);
        H2NetModel t;
        QVERIFY(FillBlueTrendChart(t, history(repeated(1, QStringLiteral("01 02 03 04 05 06"), blue)), 1, nullptr));
        const QString b = QStringLiteral("%1").arg(blue, 2, 10, QLatin1Char('0'));
        QCOMPARE(t.GetValue(2, 0), QStringLiteral("2005001"));
        QCOMPARE(t.GetValue(2, 1), b);
        for (int c = 2; c <= 17; ++c) {
            QCOMPARE(t.GetValue(2, c), c == blue + 1 ? b : QString());
            QCOMPARE(t.GetColor(2, c), c == blue + 1 ? kYellow : RgbColor(85, 209, 239));
            QCOMPARE(t.GetValue(3, c), c == blue + 1 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        for (int c = 18; c <= 28; ++c) {
            const bool marked = marks.contains(c);
            const QString text = !marked ? QString() : c == 18 ? QStringLiteral("J") : c == 19 ? QStringLiteral("O") : kTriangle;
            QCOMPARE(t.GetValue(2, c), text);
            QCOMPARE(t.GetValue(3, c), marked ? QStringLiteral("1") : QStringLiteral("0"));
        }
        QCOMPARE(t.GetColor(2, 18), RgbColor(196, 163, 222));
        QCOMPARE(t.GetColor(2, 22), RgbColor(99, 228, 181));
        QCOMPARE(t.GetColor(2, 24), RgbColor(85, 209, 239));
        QCOMPARE(t.GetColor(2, 25), RgbColor(193, 149, 244));
        QCOMPARE(t.GetColor(2, 1), clWindow);
        QCOMPARE(t.GetValue(3, 0), QStringLiteral("合计"));
        QCOMPARE(t.GetValue(3, 1), QString());
        for (int c = 0; c < 29; ++c)
            QCOMPARE(t.GetColor(3, c), kGrey);
    }

};

QTEST_GUILESS_MAIN(TestChartBlue)
#include "tst_ChartBlue.moc"
