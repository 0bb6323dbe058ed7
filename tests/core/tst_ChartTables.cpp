// The chart pages' tables filled from small histories whose cells are worked out by hand:
// which number lands in which column, what is marked, the totals and the statistics.
#include "core/charts/B0NetModel.h"
#include "core/charts/ChartAnalysis.h"
#include "core/charts/ChartBlue.h"
#include "core/charts/ChartClasses.h"
#include "core/charts/ChartGrids.h"
#include "core/charts/ChartOmission.h"
#include "core/charts/ChartPageJson.h"
#include "core/charts/ChartPageList.h"
#include "core/charts/ChartRedTrend.h"
#include "core/charts/ChartTextWidth.h"
#include "core/charts/G2NetModel.h"
#include "core/charts/H2NetModel.h"

#include "core/charts/ChartColor.h"
#include "core/charts/ChartMessageList.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QTest>

namespace {

// "2005013 01 02 03 04 05 33 07" -> one draw (reds in the written order).
DrawRecord draw(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    DrawRecord d{parts[0].left(4).toInt(), parts[0].mid(4).toInt(), {}, parts[7].toInt()};
    for (int i = 0; i < 6; ++i)
        d.Red[std::size_t(i)] = std::int8_t(parts[1 + i].toInt());
    return d;
}

// Oldest first, as the history file.
TBeenCodesRecArr history(const QStringList &lines)
{
    TBeenCodesRecArr arr;
    for (const QString &line : lines)
        arr.push_back(draw(line));
    return arr;
}

using Routine = bool (*)(H2NetModel &, const TBeenCodesRecArr &, int, ChartReporter *);

// The newest draw is the last line; n < 0: all of them.
H2NetModel chartOf(Routine routine, const QStringList &lines, int n = -1)
{
    const auto arr = history(lines);
    H2NetModel t;
    if (!routine(t, arr, n < 0 ? int(arr.size()) : n, nullptr))
        qFatal("chart refused");
    return t;
}

QStringList rowTexts(const H2NetModel &t, int row, int from, int to)
{
    QStringList texts;
    for (int c = from; c <= to; ++c)
        texts << t.GetValue(row, c);
    return texts;
}

// count draws 2005001.. with the given reds and blue (0: the draw's number mod 16 + 1).
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

using Row = QList<int>; // omission, longest gap, longest run, total, 20, 50, 100
Row rowOf(const OmissionStat &s)
{
    return {s.omission, s.maxGap, s.maxRun, s.total, s.last20, s.last50, s.last100};
}

const QStringList kSixDraws{"2005001 01 02 03 04 05 06 01", "2005002 01 07 08 09 10 11 02",
                            "2005003 12 13 14 15 16 17 01", "2005004 12 13 14 15 16 18 03",
                            "2005005 01 13 20 21 22 23 01", "2005006 24 25 26 27 28 29 04"};

// 150 draws: red 1 in every third draw (k = 0, 3, ...), blue 1 in every fifth.
TBeenCodesRecArr hundredFifty()
{
    TBeenCodesRecArr arr;
    for (int k = 0; k < 150; ++k)
        arr.push_back(MakeDraw((2010 + k / 100) * 1000 + k % 100 + 1, {std::int8_t(k % 3 == 0 ? 1 : 2), 3, 4, 5, 6, 7},
                               k % 5 == 0 ? 1 : 2));
    return arr;
}

// A 6 by 6 grid's colours, row by row: R red, B blue, G grey, W white.
QString describe(const B0NetModel &t)
{
    QString text;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 6; ++col) {
            const TColor c = t.GetColor(col, row);
            text += c == kGridRed ? u'R' : c == kGannBlue ? u'B' : c == kGridGrey ? u'G' : c == kGridWhite ? u'W' : u'?';
        }
        text += u'/';
    }
    return text;
}

} // namespace

class TestChartTables : public QObject
{
    Q_OBJECT

private slots:
    void redTrend()
    {
        const H2NetModel t = chartOf(FillRedTrendChart, {"2005011 10 20 30 11 21 31 16", "2005012 01 02 03 04 05 33 07",
                                                         "2005013 33 01 12 13 14 15 02"}, 2);
        // Newest first, reds in their written order, then the marks of 01 02 03 04 05 33.
        QCOMPARE(rowTexts(t, 2, 0, 7), (QStringList{"2005013", "33", "01", "12", "13", "14", "15", "02"}));
        for (int n = 1; n <= 33; ++n) {
            const bool drawn = n <= 5 || n == 33;
            QCOMPARE(t.GetValue(3, 7 + n), drawn ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString());
            QCOMPARE(t.GetColor(3, 7 + n) != clWindow, drawn);
        }
        // The total counts the draws shown only.
        QCOMPARE(t.GetValue(4, 0), QStringLiteral("合计"));
        QCOMPARE(rowTexts(t, 4, 8, 8) + rowTexts(t, 4, 17, 19) + rowTexts(t, 4, 40, 40),
                 (QStringList{"2", "0", "0", "1", "2"}));
    }

    void rotationPosition_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("position");
        QTest::newRow("S=30 first") << 30 << 30 << 1;
        QTest::newRow("S=30 1") << 30 << 1 << 5;
        QTest::newRow("S=30 last") << 30 << 29 << 33;
        QTest::newRow("S=1 33") << 1 << 33 << 33;
        QTest::newRow("S=33 1") << 33 << 1 << 2;
    }
    void rotationPosition()
    {
        QFETCH(int, start);
        QFETCH(int, number);
        QFETCH(int, position);
        QCOMPARE(RotationPosition(number, start), position);
    }

    void omission_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<Row>("expected");
        QTest::newRow("01: twice in a row, then again") << 1 << Row{1, 2, 2, 3, 3, 3, 3};
        QTest::newRow("13: three in a row") << 13 << Row{1, 2, 3, 3, 3, 3, 3};
        QTest::newRow("24: only in the newest") << 24 << Row{0, 5, 1, 1, 1, 1, 1};
        QTest::newRow("06: only in the oldest") << 6 << Row{5, 5, 1, 1, 1, 1, 1};
        QTest::newRow("33: never") << 33 << Row{6, 6, 0, 0, 0, 0, 0};
    }
    void omission()
    {
        QFETCH(int, number);
        QFETCH(Row, expected);
        QCOMPARE(rowOf(RedOmissionStats(history(kSixDraws))[std::size_t(number)]), expected);
    }

    void omissionWindowsAndTable()
    {
        const auto arr = hundredFifty();
        // Red 1 at k = 0, 3, ..., 147: the last 20 draws (k >= 130) hold 132..147.
        QCOMPARE(rowOf(RedOmissionStats(arr)[1]), (Row{2, 2, 1, 50, 6, 16, 33}));
        QCOMPARE(rowOf(BlueOmissionStats(arr)[1]), (Row{4, 4, 1, 30, 4, 10, 20}));
        QCOMPARE(rowOf(RedOmissionStats(arr)[3]), (Row{0, 0, 150, 150, 20, 50, 100}));
        B0NetModel red;
        B0NetModel blue;
        // All six draws, then "统计最近 3 期": 12 13 14 15 16 18 / 01 13 20 21 22 23 / 24 25 26 27 28 29;
        // the 20/50/100 columns still count all six draws (01 and 13 three times each).
        const QList<QStringList> rows[] = {{{"1", "1", "2", "2.00", "2", "3", "3", "3", "3"}, {"33", "6", "6", "-", "0", "0", "0", "0", "0"}},
                                           {{"1", "1", "1", "3.00", "1", "1", "3", "3", "3"}, {"13", "1", "1", "1.50", "2", "2", "3", "3", "3"},
                                            {"33", "3", "3", "-", "0", "0", "0", "0", "0"}}};
        for (int n : {6, 3}) {
            QVERIFY(FillOmissionTables(red, blue, history(kSixDraws), n, nullptr));
            for (const QStringList &row : rows[n == 3])
                for (int c = 0; c < 9; ++c)
                    QCOMPARE(red.GetText(c, row[0].toInt()), row[c]);
        }
        QCOMPARE(red.FTitle, QStringLiteral("红球分析表（最近3期）"));
        QCOMPARE(blue.GetText(5, 1), QStringLiteral("1"));   // blue 01 once in the three
        QCOMPARE(blue.GetText(6, 1), QStringLiteral("3"));   // and three times in the six
    }

    // Every line of the value axis is labelled with its own value, steps of 1, 2, 5, 10 ...
    // and never more than 20 bands; a bar of a line's value ends on that line.
    void statAxis_data()
    {
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("draws");   // of reds 01..06 and blue 01; then 19 of 07..12, blue 02
        QTest::addColumn<int>("tail");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("bandHeight");
        QTest::newRow("red, 1 draw") << true << 1 << 0 << 1 << 1 << 200;
        QTest::newRow("red, 30 draws, 19 at most") << true << 11 << 19 << 1 << 19 << 20;
        QTest::newRow("red, 130 draws") << true << 130 << 0 << 10 << 13 << 20;
        QTest::newRow("blue, 1 draw") << false << 1 << 0 << 1 << 1 << 120;
        QTest::newRow("blue, 21 draws") << false << 21 << 0 << 2 << 11 << 20;
        QTest::newRow("blue, 650 draws") << false << 650 << 0 << 50 << 13 << 20;
    }
    void statAxis()
    {
        QFETCH(bool, red);
        QFETCH(int, draws);
        QFETCH(int, tail);
        QFETCH(int, step);
        QFETCH(int, bands);
        QFETCH(int, bandHeight);
        QStringList lines = repeated(draws, QStringLiteral("01 02 03 04 05 06"), 1);
        lines += repeated(tail, QStringLiteral("07 08 09 10 11 12"), 2);
        G2NetModel g;
        QVERIFY((red ? FillRedStatChart : FillBlueStatChart)(g, history(lines), int(lines.size()), nullptr));
        g.Relayout();
        QCOMPARE(g.FBandCount, bands);
        QCOMPARE(g.FBandHeight, bandHeight);
        for (int i = 0; i <= bands; ++i) {
            QCOMPARE(g.AxisLabel(i), step * i);
            QCOMPARE(g.AxisY(i), g.PlotRect().bottom - bandHeight * i);
        }
        // The tallest bar; then a value on the second line and one just below it.
        const int tallest = std::max(draws, tail);
        QCOMPARE(g.ScaledBar(tail <= draws ? 1 : red ? 7 : 2, 1).top, g.AxisY(0) - bandHeight * tallest / step);
        g.SetValue(3, 1, QString::number(2 * step));
        QCOMPARE(g.ScaledBar(3, 1).top, g.AxisY(2));
        g.SetValue(3, 1, QString::number(2 * step - 1));
        const int below = g.ScaledBar(3, 1).top;
        QVERIFY(below >= g.AxisY(2) && below <= g.AxisY(1) - (step > 1 ? 1 : 0));
        g.SetValue(3, 1, QStringLiteral("0"));
        QCOMPARE(g.ScaledBar(3, 1).top, g.AxisY(0));
    }

    void blueTrendMarks_data()
    {
        QTest::addColumn<int>("blue");
        QTest::addColumn<QList<int>>("marks");
        QTest::newRow("09") << 9 << QList<int>{18, 20, 24, 27};
        QTest::newRow("16") << 16 << QList<int>{19, 21, 24, 28};
        QTest::newRow("01") << 1 << QList<int>{18, 21, 23, 25};
        // The blues at the edges of the halves and quarters.
        QTest::newRow("08") << 8 << QList<int>{19, 22, 23, 26};
        QTest::newRow("12") << 12 << QList<int>{19, 20, 24, 27};
    }
    void blueTrendMarks()
    {
        QFETCH(int, blue);
        QFETCH(QList<int>, marks);
        const H2NetModel t = chartOf(FillBlueTrendChart, repeated(1, QStringLiteral("01 02 03 04 05 06"), blue));
        const QString b = QStringLiteral("%1").arg(blue, 2, 10, QLatin1Char('0'));
        for (int c = 2; c <= 17; ++c) {
            QCOMPARE(t.GetValue(2, c), c == blue + 1 ? b : QString());
            QCOMPARE(t.GetValue(3, c), c == blue + 1 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        for (int c = 18; c <= 28; ++c) {
            const bool marked = marks.contains(c);
            const QString text = !marked ? QString() : c == 18 ? QStringLiteral("J") : c == 19 ? QStringLiteral("O") : QStringLiteral("▲");
            QCOMPARE(t.GetValue(2, c), text);
            QCOMPARE(t.GetValue(3, c), marked ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }

    void zones()
    {
        const H2NetModel t = chartOf(FillZoneChart, {"2005013 01 05 11 12 30 33 07"});
        // Three zones: 3, 1, 2; eleven zones: 1 (01), 2 (05), 4 (11, 12), 10 (30), 11 (33).
        QCOMPARE(rowTexts(t, 2, 8, 21), (QStringList{"03", "01", "02", "01", "01", "", "02", "", "", "", "", "", "01", "01"}));
        QVERIFY(t.GetColor(2, 14) != t.GetColor(2, 11));   // two reds are hotter than one
        QCOMPARE(t.GetColor(2, 13), clWindow);
        QCOMPARE(rowTexts(t, 3, 8, 14), (QStringList{"3", "1", "2", "1", "1", "0", "2"}));
    }

    // The total under "数" adds up the odd (big) reds of every draw; the count columns
    // count the draws.
    void twoClassTotals_data()
    {
        QTest::addColumn<bool>("oddEven");
        QTest::addColumn<QStringList>("counts");   // row of the newest draw, then the totals
        QTest::newRow("奇偶") << true << QStringList{"6", "", "", "", "", "", "", "6", "9", "0", "0", "0", "1", "0", "0", "1"};
        QTest::newRow("大小") << false << QStringList{"3", "", "", "", "3", "", "", "", "5", "0", "0", "1", "1", "0", "0", "0"};
    }
    void twoClassTotals()
    {
        QFETCH(bool, oddEven);
        QFETCH(QStringList, counts);
        const H2NetModel t = chartOf(oddEven ? FillOddEvenChart : FillBigSmallChart,
                                     {"2005012 01 02 03 04 05 06 16", "2005013 01 03 05 07 09 11 01"});
        QCOMPARE(rowTexts(t, 2, 22, 29) + rowTexts(t, 4, 22, 29), counts);
    }

    void emptyColumnGrid()
    {
        B0NetModel t;
        FillEmptyRowColTable(t, draw(QStringLiteral("2005013 01 08 15 22 29 33 07")));
        // Reds on the diagonal rows 0..4 and 33 in row 5, column 2; column 5 is empty.
        QCOMPARE(describe(t), QStringLiteral("RWWWWG/WRWWWG/WWRWWG/WWWRWG/WWWWRG/WWRWWG/"));
    }

    void gannRules_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("colors");
        // One red per row and column: nothing greys.
        QTest::newRow("scattered") << "2005013 31 13 03 06 08 21 00" << "RWWWWW/WRWWWW/WWRWWW/WWWWRW/WWWRWW/WWWWWR/";
        // Two reds in one column (6 and 7) grey the rest of it.
        QTest::newRow("two in a column") << "2005013 31 13 03 06 07 21 00" << "RWWWGW/WRWWGW/WWRWGW/WWWWRW/WWWWRW/WWWWGR/";
        // Two reds in row 0 grey its other cells, the columns of single reds stay.
        QTest::newRow("two in a row") << "2005013 31 33 10 15 18 22 00" << "RGRGGG/WWWRWW/WWWWWR/WWWWWW/WRWWWW/WWWWRW/";
        // The blue on a red is blue and counts two; column 2 (33 and 9) greys after the
        // rows, over the grey that row 3 already gave its cell.
        QTest::newRow("blue over red") << "2005013 01 09 19 25 30 33 01" << "WWRGWW/RWGGWW/WWGGWW/GGGBGR/WWRGWW/WRGGWW/";
    }
    void gannRules()
    {
        QFETCH(QString, line);
        QFETCH(QString, colors);
        B0NetModel t;
        FillGannTable(t, draw(line));
        QCOMPARE(describe(t), colors);
    }

    void analysis()
    {
        H2NetModel t = chartOf(FillAnalysisTable, {"2005012 10 11 12 13 14 15 01", "2005013 01 02 03 04 05 06 07"}, 1);
        QCOMPARE(rowTexts(t, 2, 8, 28), (QStringList{"21", "3", "21", "03", "03", "00", "00", "00", "00", "06", "06",
                                                     "00", "00", "04", "06", "01", "05", "01", "00", "00", "00"}));
        // The total row carries the single row's values as plain decimals.
        QCOMPARE(rowTexts(t, 3, 8, 12), (QStringList{"21", "3", "21", "3", "3"}));

        t = chartOf(FillAnalysisTable, {"2005012 01 03 07 09 11 19 01", "2005013 02 03 08 10 12 20 07",
                                        "2005014 17 18 19 20 21 22 07"}, 3);
        // 17 .. 22: big 06, small 00, difference 06.
        QCOMPARE(rowTexts(t, 2, 16, 18), (QStringList{"06", "00", "06"}));
        // Against 02 03 08 10 12 20: 20 repeats; 19 and 21 have the neighbour 20 there.
        QCOMPARE(rowTexts(t, 2, 26, 28), (QStringList{"00", "01", "02"}));
        // 02 03 08 10 12 20: even neighbours 08-10, 10-12; against 01 03 07 09 11 19: 03
        // at the same place and a repeat.
        QCOMPARE(t.GetValue(3, 15), QStringLiteral("02"));
        QCOMPARE(rowTexts(t, 3, 26, 27), (QStringList{"01", "01"}));
    }

    // "说明" explains every property column, and its examples are what the table shows.
    void explanationExamples_data()
    {
        QTest::addColumn<QString>("reds");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("quoted");   // the reds are the text's own example
        QTest::newRow("奇号连续") << "01 03 07 09 11 19" << 14 << "03" << true;
        QTest::newRow("偶号连续") << "02 04 08 10 12 20" << 15 << "03" << true;
        QTest::newRow("5奇1偶") << "01 03 05 07 09 10" << 13 << "04" << false;
        QTest::newRow("尾号组数") << "01 11 21 05 15 33" << 19 << "03" << true;
        QTest::newRow("连号个数") << "01 02 06 07 08 10" << 22 << "05" << true;
        QTest::newRow("连号组数") << "01 02 06 07 08 10" << 23 << "02" << true;
    }
    void explanationExamples()
    {
        QFETCH(QString, reds);
        QFETCH(int, col);
        QFETCH(QString, value);
        QFETCH(bool, quoted);
        const H2NetModel t = chartOf(FillAnalysisTable, {QStringLiteral("2005013 %1 07").arg(reds)});
        QCOMPARE(t.GetValue(2, col), value);
        const QStringList lines = AnalysisExplanationLines();
        for (const MergeCell &merge : t.Merges()) {
            const QString caption = QString(merge.Text).remove(QStringLiteral("\r\n"));
            if (merge.TopLeft.x() >= 8)
                QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                     [&](const QString &l) { return l.startsWith(caption + QStringLiteral("：")); }),
                         qPrintable(caption));
        }
        QCOMPARE(lines.join(QString()).contains(reds.replace(QLatin1Char(' '), QStringLiteral("，"))), quoted);
    }

    // The web page's data: every page computes over the shipped history; a bar chart's
    // values add up to the numbers drawn; too many draws or no such page are refused.
    void pageJson()
    {
        const TBeenCodesRecArr &arr = ShippedHistory();
        for (int page = 0; page < ChartPageCount; ++page) {
            QString error;
            const QJsonObject o = ChartPageJson(arr, page, 30, 1, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(o.value("page").toInt(), page);
            if (page == PageRedStat || page == PageBlueStat) {
                int sum = 0;
                for (const QJsonValue &v : o.value("bars").toObject().value("values").toArray())
                    sum += v.toInt();
                QCOMPARE(sum, page == PageRedStat ? 180 : 30);
            } else {
                QVERIFY(!o.value("tables").toArray().isEmpty());
            }
        }
        QString error;
        QVERIFY(ChartPageJson(arr, PageZone, int(arr.size()) + 1, 1, &error).isEmpty());
        QCOMPARE(error, QStringLiteral("设置的查询期数超过总期数!!"));
        error.clear();
        QVERIFY(ChartPageJson(arr, ChartPageCount, 1, 1, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    // Over the whole history the totals must not run into each other, neither in the
    // tables nor over the bars; at N = 30 the pages keep the layout they were drawn with.
    void everyTextFitsItsColumn_data()
    {
        QTest::addColumn<int>("page");
        for (int page : {PageRedTrend, PageZone, PageTail, PageOddEven, PageBigSmall, PageBlueTrend, PageAnalysis})
            QTest::addRow("%d", page) << page;
    }
    void everyTextFitsItsColumn()
    {
        QFETCH(int, page);
        H2NetModel table;
        ChartMessageList messages;
        QVERIFY(ChartTableRoutine(page)(table, ShippedHistory(), 0, &messages));
        const std::vector<int> designed = table.ColWidths();
        QVERIFY(ChartTableRoutine(page)(table, ShippedHistory(), 30, &messages));
        QCOMPARE(table.ColWidths(), designed);

        QVERIFY(ChartTableRoutine(page)(table, ShippedHistory(), int(ShippedHistory().size()), &messages));
        for (int c = 0; c < table.ColsCount(); ++c)
            for (int r = 0; r < table.RowCount(); ++r)
                QVERIFY2(ChartTextWidth(table.CellText(r, c), table.FFontSize) <= table.ColWidths()[std::size_t(c)],
                         qPrintable(QStringLiteral("row %1 column %2: %3").arg(r).arg(c).arg(table.CellText(r, c))));
    }

    void barLabelsNeverOverlap_data()
    {
        QTest::addColumn<int>("draws");   // -1: every count 1234567
        QTest::addColumn<int>("size");    // 0: any
        QTest::addColumn<bool>("everyLabel");
        QTest::newRow("30 draws") << 30 << 11 << true;
        QTest::newRow("whole history") << int(ShippedHistory().size()) << 0 << true;
        QTest::newRow("seven digits") << -1 << 7 << false;
    }
    // "红球统计图": each shown label leaves air to the next shown one.
    void barLabelsNeverOverlap()
    {
        QFETCH(int, draws);
        QFETCH(int, size);
        QFETCH(bool, everyLabel);
        G2NetModel chart;
        ChartMessageList messages;
        QVERIFY(FillRedStatChart(chart, ShippedHistory(), std::max(draws, 0), &messages));
        for (int x = 1; draws < 0 && x <= chart.DynColCount(); ++x)
            chart.SetValue(x, 1, QStringLiteral("1234567"));
        chart.Relayout();
        const int pt = chart.ValueLabelPointSize();
        QVERIFY(size == 0 ? pt >= 7 && pt < 11 : pt == size);
        const auto edge = [&](int x, int side) {
            const TRect b = chart.ScaledBar(x, 1);
            return (b.left + b.right) / 2.0 + side * ChartTextWidth(chart.GetValue(x, 1), pt) / 2;
        };
        int previous = 0;
        int shown = 0;
        for (int x = 1; x <= chart.DynColCount(); ++x) {
            if (!chart.ValueLabelShown(x))
                continue;
            QVERIFY2(previous == 0 || edge(previous, 1) < edge(x, -1), qPrintable(QString::number(x)));
            previous = x;
            ++shown;
        }
        QCOMPARE(shown == chart.DynColCount(), everyLabel);
        QVERIFY(shown > 1);
    }
};

QTEST_GUILESS_MAIN(TestChartTables)
#include "tst_ChartTables.moc"
