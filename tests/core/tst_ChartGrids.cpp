#include "charts/B0NetModel.h"
#include "charts/ChartGrids.h"

#include "ChartTestHistory.h"

#include <QTest>

using namespace charttest;

namespace {
constexpr TColor R = kGridRed;
constexpr TColor B = kGannBlue;
constexpr TColor G = kGridGrey;
constexpr TColor W = kGridWhite;

using Colors = std::array<std::array<TColor, 6>, 6>;

Colors colorsOf(const B0NetModel &t)
{
    Colors c{};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 6; ++col)
            c[std::size_t(row)][std::size_t(col)] = t.GetColor(col, row);
    return c;
}

QString describe(const Colors &c)
{
    QString text;
    for (const auto &row : c) {
        for (TColor color : row)
            text += color == R ? QLatin1Char('R') : color == B ? QLatin1Char('B') : color == G ? QLatin1Char('G') : color == W ? QLatin1Char('W') : QLatin1Char('?');
        text += QLatin1Char('/');
    }
    return text;
}
} // namespace

class TestChartGrids : public QObject
{
    Q_OBJECT

private slots:

    void emptyColumnExample()
    {
        B0NetModel t;
        FillEmptyRowColTable(t, draw(QStringLiteral("2005013 01 08 15 22 29 33 07")));
        // Reds on the diagonal rows 0..4 and 33 in row 5, column 2; column 5 is empty.
        QCOMPARE(describe(colorsOf(t)), QStringLiteral("RWWWWG/WRWWWG/WWRWWG/WWWRWG/WWWWRG/WWRWWG/"));
    }

    void gannRules_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("colors");
        // One red per row and column: nothing greys.
        QTest::newRow("scattered") << "2005013 31 13 03 06 08 21 00"
                                   << "RWWWWW/WRWWWW/WWRWWW/WWWWRW/WWWRWW/WWWWWR/";
        // Two reds in one column (6 and 7) grey the rest of it.
        QTest::newRow("two in a column") << "2005013 31 13 03 06 07 21 00"
                                         << "RWWWGW/WRWWGW/WWRWGW/WWWWRW/WWWWRW/WWWWGR/";
        // Two reds in row 0 grey its other cells, the columns of single reds stay.
        QTest::newRow("two in a row") << "2005013 31 33 10 15 18 22 00"
                                      << "RGRGGG/WWWRWW/WWWWWR/WWWWWW/WRWWWW/WWWWRW/";
        // The blue on a red is blue and counts two; column 2 (33 and 9) greys after the
        // rows, over the grey that row 3 already gave its cell.
        QTest::newRow("blue over red") << "2005013 01 09 19 25 30 33 01"
                                       << "WWRGWW/RWGGWW/WWGGWW/GGGBGR/WWRGWW/WRGGWW/";
    }
    void gannRules()
    {
        QFETCH(QString, line);
        QFETCH(QString, colors);
        DrawRecord d = draw(line);
        B0NetModel t;
        FillGannTable(t, d);
        QCOMPARE(describe(colorsOf(t)), colors);
    }

};

QTEST_GUILESS_MAIN(TestChartGrids)
#include "tst_ChartGrids.moc"
