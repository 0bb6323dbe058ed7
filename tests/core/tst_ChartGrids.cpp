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
    void naturalLayout()
    {
        B0NetModel t;
        FillEmptyRowColTable(t, draw(QStringLiteral("2005013 01 02 03 04 05 06 07")));
        QCOMPARE(t.FTitle, QStringLiteral("2005013期"));
        QCOMPARE(t.ColsCount(), 6);
        QCOMPARE(t.RowsCount(), 6);
        QCOMPARE(t.ColWidths(), std::vector<int>(6, 24));
        QCOMPARE(t.FGridColor, RgbColor(0, 0, 255));
        QCOMPARE(t.GetText(0, 0), QStringLiteral("1"));
        QCOMPARE(t.GetText(5, 0), QStringLiteral("6"));
        QCOMPARE(t.GetText(0, 1), QStringLiteral("7"));
        QCOMPARE(t.GetText(2, 5), QStringLiteral("33"));
        QCOMPARE(t.GetText(3, 5), QString());
        QCOMPARE(t.GetText(5, 5), QString());
        // Row 0 fully red, rows 1..5 empty and grey, no empty column.
        QCOMPARE(describe(colorsOf(t)), QStringLiteral("RRRRRR/GGGGGG/GGGGGG/GGGGGG/GGGGGG/GGGGGG/"));
        t.Relayout(200);
        QCOMPARE(t.FitSize(), QSize(152, 181));
    }

    void emptyColumnExample()
    {
        B0NetModel t;
        FillEmptyRowColTable(t, draw(QStringLiteral("2005013 01 08 15 22 29 33 07")));
        // Reds on the diagonal rows 0..4 and 33 in row 5, column 2; column 5 is empty.
        QCOMPARE(describe(colorsOf(t)), QStringLiteral("RWWWWG/WRWWWG/WWRWWG/WWWRWG/WWWWRG/WWRWWG/"));
    }

    void reusedTableIsOverwritten()
    {
        B0NetModel t;
        FillGannTable(t, draw(QStringLiteral("2005013 01 02 03 04 05 06 07")));
        FillEmptyRowColTable(t, draw(QStringLiteral("2005014 01 08 15 22 29 33 07")));
        QCOMPARE(t.FTitle, QStringLiteral("2005014期"));
        QCOMPARE(t.GetText(0, 0), QStringLiteral("1"));
        QCOMPARE(t.GetText(3, 5), QString());
        QCOMPARE(describe(colorsOf(t)), QStringLiteral("RWWWWG/WRWWWG/WWRWWG/WWWRWG/WWWWRG/WWRWWG/"));
        FillGannTable(t, draw(QStringLiteral("2005015 01 08 15 22 29 33 07")));
        QCOMPARE(t.GetText(3, 0), QString());
        QCOMPARE(t.GetText(3, 3), QStringLiteral("1"));
    }

    void gannSpiral()
    {
        B0NetModel t;
        FillGannTable(t, draw(QStringLiteral("2005013 03 04 05 12 18 29 01")));
        const QString expected[6][6] = {{"31", "32", "33", "", "", ""},    {"30", "13", "14", "15", "16", "17"},
                                        {"29", "12", "3", "4", "5", "18"}, {"28", "11", "2", "1", "6", "19"},
                                        {"27", "10", "9", "8", "7", "20"}, {"26", "25", "24", "23", "22", "21"}};
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 6; ++col)
                QCOMPARE(t.GetText(col, row), expected[row][col]);
        for (int n = 1; n <= 33; ++n)
            QCOMPARE(t.GetText(GannCell(n).x(), GannCell(n).y()), QString::number(n));
    }

    // Row 2 (six reds) stays; row 3 holds the blue: its other cells grey; column 3 holds
    // the red 4 and the blue 1: its other cells grey, the empty one of row 0 too.
    void gannGreying()
    {
        B0NetModel t;
        FillGannTable(t, draw(QStringLiteral("2005013 03 04 05 12 18 29 01")));
        QCOMPARE(describe(colorsOf(t)), QStringLiteral("WWWGWW/WWWGWW/RRRRRR/GGGBGG/WWWGWW/WWWGWW/"));
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

    void perDrawTables()
    {
        const auto arr = patternHistory(9);
        std::vector<B0NetModel> tables;
        QVERIFY(FillGannTables(tables, arr, 9, nullptr));
        QCOMPARE(tables.size(), std::size_t(9));
        QCOMPARE(tables.front().FTitle, arr.back().issueText() + QStringLiteral("期"));
        QCOMPARE(tables.back().FTitle, arr.front().issueText() + QStringLiteral("期"));
        QCOMPARE(GridTablePos(0), QPoint(10, 0));
        QCOMPARE(GridTablePos(3), QPoint(610, 0));
        QCOMPARE(GridTablePos(4), QPoint(10, 200));
        QCOMPARE(GridTablePos(9), QPoint(210, 400));

        ChartMessageList messages;
        QVERIFY(!FillEmptyRowColTables(tables, arr, 10, &messages));
        QCOMPARE(messages.messages, QStringList{kTooMany});
        QVERIFY(tables.empty()); // the page is left empty
        QVERIFY(FillEmptyRowColTables(tables, arr, -3, &messages));
        QVERIFY(tables.empty());
    }
};

QTEST_GUILESS_MAIN(TestChartGrids)
#include "tst_ChartGrids.moc"
