#include "charts/ChartJson.h"
#include "charts/ChartMessageList.h"
#include "charts/ChartText.h"
#include "charts/H2NetModel.h"

#include <QJsonArray>
#include <QTest>

namespace {

// Column widths of the red-ball trend table: issue, six positions, blue, 33 numbers.
std::vector<int> trendWidths()
{
    std::vector<int> w(41, 16);
    w[0] = 66;
    w[7] = 32;
    return w;
}

// Every text and colour of the table, to show that a refused access changed nothing.
QStringList snapshot(const H2NetModel &m)
{
    QStringList cells;
    for (int r = 0; r < m.RowCount(); ++r)
        for (int c = 0; c < m.ColsCount(); ++c)
            cells << m.CellText(r, c) + QLatin1Char('|') + QString::number(m.CellColor(r, c));
    return cells;
}

// A 4-column table, 1 fixed and 3 dynamic rows, every cell written with its name.
void fillSmall(H2NetModel &m)
{
    m.SetTableSize(4, 3, 1, {10, 20, 30, 40});
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.SetValue(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
            m.SetColor(r, c, RgbColor(r, c, 7));
        }
}

} // namespace

class TestH2NetModel : public QObject
{
    Q_OBJECT

private slots:
    void createdEmptyWithDefaults()
    {
        const H2NetModel m;
        QCOMPARE(m.FFontSize, 11);
        QCOMPARE(m.FFixColor, RgbColor(228, 224, 243));
        QCOMPARE(m.FRowHeight, 20);
        QCOMPARE(m.FLineWidth, 1);
        QCOMPARE(m.ColsCount(), 0);
        QCOMPARE(m.DynRows(), 0);
        QCOMPARE(m.MergeCount(), 0);
        QCOMPARE(m.TopRow(), 0);
    }

    void colourValuesHaveRedInTheLowByte()
    {
        QCOMPARE(RgbColor(228, 224, 243), TColor(0xF3E0E4));
        QCOMPARE(ColorToHex(RgbColor(255, 134, 132)), QStringLiteral("#ff8684"));
        QVERIFY(IsSystemColor(clWindow));
        QVERIFY(!IsSystemColor(RgbColor(255, 255, 255)));
    }

    void setTableSizeResetsEveryCellAndTheScrollButKeepsMerges()
    {
        H2NetModel m;
        fillSmall(m);
        m.SetMergeCount(1);
        m.SetMerge(0, true, QPoint(0, 0), QPoint(1, 0), QStringLiteral("cap"), m.FFixColor);
        m.Relayout(2 * 21 + 1); // one fixed row and one slot: the range is 0 .. 2
        m.Scroll(ScrollRequest::Bottom);
        QCOMPARE(m.TopRow(), 2);

        m.SetTableSize(3, 5, 2, {5, 6, 7, 8});
        QCOMPARE(m.ColsCount(), 3);
        QCOMPARE(m.DynRows(), 5);
        QCOMPARE(m.FixRowCount(), 2);
        QCOMPARE(m.ColWidths(), (std::vector<int>{5, 6, 7}));
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 3; ++c) {
                QVERIFY(m.GetValue(r, c).isEmpty());
                QCOMPARE(m.GetColor(r, c), clWindow);
            }
        QCOMPARE(m.MergeCount(), 1);
        QCOMPARE(m.Merges()[0].Text, QStringLiteral("cap"));
        QCOMPARE(m.TopRow(), 0);   // a new content shows its first row
    }

    void cellsAreStoredRowByRow()
    {
        H2NetModel m;
        fillSmall(m);
        QCOMPARE(m.GetValue(2, 3), QStringLiteral("2,3"));
        QCOMPARE(m.GetColor(3, 1), RgbColor(3, 1, 7));
        const QJsonArray rows = TableToJson(m)[QStringLiteral("rows")].toArray();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[2].toArray()[3].toString(), QStringLiteral("2,3"));
    }

    void colLeft_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("left");
        QTest::newRow("first column starts at pixel 1") << 0 << 1;
        QTest::newRow("after the issue column") << 1 << 68;
        QTest::newRow("blue column") << 7 << 170;
        QTest::newRow("number 1") << 8 << 203;
        QTest::newRow("number 33") << 40 << 747;
        QTest::newRow("right edge plus line") << 41 << 764;
    }
    void colLeft()
    {
        QFETCH(int, column);
        QFETCH(int, left);
        H2NetModel m;
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetTableSize(41, 10, 2, trendWidths());
        QCOMPARE(m.ColLeft(column), left);
        QVERIFY(messages.messages.isEmpty());
    }

    void rectOfCell_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("scrolled");
        QTest::addColumn<int>("topRow");
        QTest::addColumn<QRect>("expected"); // left, top, width, height
        QTest::newRow("top left") << 0 << 0 << false << 0 << QRect(1, 1, 66, 20);
        QTest::newRow("second header row, blue") << 1 << 7 << false << 0 << QRect(170, 22, 32, 20);
        QTest::newRow("first data row") << 2 << 8 << false << 0 << QRect(203, 43, 16, 20);
        QTest::newRow("scrolled lands in its slot") << 7 << 8 << true << 5 << QRect(203, 43, 16, 20);
        QTest::newRow("unscrolled ignores the position") << 7 << 8 << false << 5 << QRect(203, 148, 16, 20);
    }
    void rectOfCell()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(bool, scrolled);
        QFETCH(int, topRow);
        QFETCH(QRect, expected);
        H2NetModel m;
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(400);
        m.Scroll(ScrollRequest::ThumbPosition, topRow);
        QCOMPARE(m.TopRow(), topRow);
        const TRect r = m.RectOfCell(row, col, scrolled);
        QCOMPARE(r.toQRect(), expected);
    }

    void mergedCaptionSpansFromColumn8ToColumn40()
    {
        H2NetModel m;
        m.SetTableSize(41, 30, 2, trendWidths());
        m.SetMergeCount(4);
        for (const MergeCell &merge : m.Merges()) {
            QVERIFY(!merge.Visible);
            QCOMPARE(merge.TopLeft, QPoint(0, 0));
            QCOMPARE(merge.Color, clWindow);
        }
        m.SetMerge(3, true, QPoint(8, 0), QPoint(40, 0), QStringLiteral("红球分布"), m.FFixColor);
        m.SetMerge(0, true, QPoint(0, 0), QPoint(0, 1), QStringLiteral("期号"), m.FFixColor);
        TRect rect;
        QVERIFY(m.MergeRect(m.Merges()[3], rect));
        QCOMPARE(rect, (TRect{203, 1, 763, 21}));
        QVERIFY(m.MergeRect(m.Merges()[0], rect));
        QCOMPARE(rect, (TRect{1, 1, 67, 42}));
        // Captions stay in place while the rows scroll.
        m.Relayout(300);
        m.Scroll(ScrollRequest::PageDown);
        QVERIFY(m.TopRow() > 0);
        QVERIFY(m.MergeRect(m.Merges()[3], rect));
        QCOMPARE(rect.top, 1);

        // A fresh merge count forgets the old entries.
        m.SetMergeCount(2);
        QCOMPARE(m.MergeCount(), 2);
        QVERIFY(!m.Merges()[0].Visible);
        QVERIFY(m.Merges()[0].Text.isEmpty());
    }

    void mergeOutsideTheColumnsHasNoRectangle()
    {
        H2NetModel m;
        m.SetTableSize(3, 2, 1, {10, 10, 10});
        m.SetMergeCount(1);
        m.SetMerge(0, true, QPoint(1, 0), QPoint(3, 0), QStringLiteral("x"), m.FFixColor);
        TRect rect;
        QVERIFY(!m.MergeRect(m.Merges()[0], rect));
    }

    void rangeMessages_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("expected");
        // The table has 4 columns and 1 + 3 rows.
        QTest::newRow("SetValue column = count") << "SetValue" << 0 << 4
            << QStringList{"SetValue x>=FColsCount "};
        QTest::newRow("SetValue row = count") << "SetValue" << 4 << 0
            << QStringList{"SetValue y>=FDynRows+FFixRowCount "};
        QTest::newRow("SetValue both") << "SetValue" << 9 << 9
            << QStringList{"SetValue x>=FColsCount ", "SetValue y>=FDynRows+FFixRowCount "};
        QTest::newRow("SetValue negative") << "SetValue" << -1 << -1
            << QStringList{"SetValue x<0 ", "SetValue y<0 "};
        QTest::newRow("GetValue column = count") << "GetValue" << 1 << 4
            << QStringList{"GetValue x>=FColsCount "};
        QTest::newRow("GetValue row = count") << "GetValue" << 4 << 1
            << QStringList{"GetValue y>=FDynRows+FFixRowCount "};
        QTest::newRow("SetColor column = count") << "SetColor" << 0 << 4
            << QStringList{"SetColor x>=FColsCount "};
        QTest::newRow("GetColor row = count") << "GetColor" << 4 << 0
            << QStringList{"GetColor y>=FDynRows+FFixRowCount "};
        QTest::newRow("RectOfCell column = count") << "RectOfCell" << 0 << 4
            << QStringList{"RectOfCell ACol>Length(FColWidthArr)"};
        QTest::newRow("ColLeft past the edge") << "ColLeft" << 0 << 5
            << QStringList{"ACol>Length(FColWidthArr)"};
        QTest::newRow("ColLeft at the edge is fine") << "ColLeft" << 0 << 4 << QStringList{};
        QTest::newRow("SetValue last cell is fine") << "SetValue" << 3 << 3 << QStringList{};
    }
    void rangeMessages()
    {
        QFETCH(QString, operation);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QStringList, expected);
        H2NetModel m;
        fillSmall(m);
        ChartMessageList messages;
        m.SetReporter(&messages);
        const QStringList before = snapshot(m);
        const bool valid = expected.isEmpty();

        if (operation == "SetValue") {
            m.SetValue(row, col, QStringLiteral("new"));
        } else if (operation == "GetValue") {
            QVERIFY(m.GetValue(row, col).isEmpty());
        } else if (operation == "SetColor") {
            m.SetColor(row, col, RgbColor(1, 2, 3));
        } else if (operation == "GetColor") {
            QCOMPARE(m.GetColor(row, col), clWindow);
        } else if (operation == "RectOfCell") {
            QVERIFY(m.RectOfCell(row, col, false).isEmpty());
        } else if (operation == "ColLeft") {
            QCOMPARE(m.ColLeft(col), 1 + 10 + 20 + 30 + 40 + 4);
        }
        QCOMPARE(messages.messages, expected);
        // A refused write leaves every cell alone, in particular the cell that the flat
        // index row * 4 + col would hit (column 4 of row 0 is cell 0 of row 1).
        if (!valid || operation != "SetValue")
            QCOMPARE(snapshot(m), before);
        else
            QCOMPARE(m.GetValue(row, col), QStringLiteral("new"));
    }

    void mergeIndexIsChecked()
    {
        H2NetModel m;
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetMergeCount(2);
        m.SetMerge(2, true, QPoint(0, 0), QPoint(1, 0), QStringLiteral("x"), 0);
        QCOMPARE(messages.messages, QStringList{"SetMerge Index>=MergeCount "});
        QVERIFY(!m.Merges()[0].Visible && !m.Merges()[1].Visible);
    }

    void shortWidthListIsReportedAndPadded()
    {
        H2NetModel m;
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetTableSize(3, 1, 0, {9});
        QCOMPARE(messages.messages, QStringList{"SetTableSize Length(ColWidths)<ColsCount "});
        QCOMPARE(m.ColWidths(), (std::vector<int>{9, 0, 0}));
    }

    void negativeSizesAreReportedAndEmpty()
    {
        H2NetModel m;
        ChartMessageList messages;
        m.SetReporter(&messages);
        m.SetTableSize(41, -1, 2, trendWidths());
        QCOMPARE(messages.messages, QStringList{"SetTableSize Count<0 "});
        QCOMPARE(m.DynRows(), 0);
        QCOMPARE(m.RowCount(), 2);
        m.Relayout(400);
        QCOMPARE(m.ScrollMax(), 0);
        m.SetMergeCount(-3);
        QCOMPARE(m.MergeCount(), 0);
        QCOMPARE(messages.messages.size(), 2);
    }

    void relayout_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<int>("dynRows");
        QTest::addColumn<int>("visible");
        QTest::addColumn<int>("scrollMax");
        QTest::newRow("twenty slots, two fixed") << 420 << 2 << 100 << 18 << 82;
        QTest::newRow("partial slot does not count") << 440 << 2 << 100 << 18 << 82;
        QTest::newRow("fewer rows than slots") << 420 << 2 << 10 << 18 << 0;
        QTest::newRow("rows equal slots") << 420 << 2 << 18 << 18 << 0;
        QTest::newRow("one row more than slots") << 420 << 2 << 19 << 18 << 1;
        QTest::newRow("exactly one slot high: none") << 21 << 0 << 5 << 0 << 5;
        QTest::newRow("one pixel more: one slot") << 22 << 0 << 5 << 1 << 4;
        QTest::newRow("header taller than the client") << 30 << 2 << 5 << 0 << 5;
        QTest::newRow("5000 rows") << 600 << 2 << 5000 << 26 << 4974;
    }
    void relayout()
    {
        QFETCH(int, height);
        QFETCH(int, fixedRows);
        QFETCH(int, dynRows);
        QFETCH(int, visible);
        QFETCH(int, scrollMax);
        H2NetModel m;
        m.SetTableSize(41, dynRows, fixedRows, trendWidths());
        m.Relayout(height);
        QCOMPARE(m.VisibleRows(), visible);
        QCOMPARE(m.ScrollMax(), scrollMax);
    }

    void gridRectCoversEverySlotThatFits()
    {
        H2NetModel m;
        m.SetTableSize(41, 3, 2, trendWidths());
        m.Relayout(420);
        // 20 slots in all, although only 5 rows exist.
        QCOMPARE(m.GridRect(), (TRect{1, 1, 763, 1 + 19 * 21 + 20}));
        H2NetModel empty;
        empty.Relayout(420);
        QVERIFY(empty.GridRect().isEmpty());
    }

    void scrollRequests_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        // 100 dynamic rows, 18 slots: range 0 .. 82.
        const auto r = [](ScrollRequest s) { return int(s); };
        QTest::newRow("line down") << 0 << r(ScrollRequest::LineDown) << 0 << 1;
        QTest::newRow("line down at the bottom") << 82 << r(ScrollRequest::LineDown) << 0 << 82;
        QTest::newRow("line up") << 5 << r(ScrollRequest::LineUp) << 0 << 4;
        QTest::newRow("line up at the top") << 0 << r(ScrollRequest::LineUp) << 0 << 0;
        QTest::newRow("page down") << 10 << r(ScrollRequest::PageDown) << 0 << 28;
        QTest::newRow("page down near the bottom") << 70 << r(ScrollRequest::PageDown) << 0 << 82;
        QTest::newRow("page up") << 40 << r(ScrollRequest::PageUp) << 0 << 22;
        QTest::newRow("page up near the top") << 10 << r(ScrollRequest::PageUp) << 0 << 0;
        QTest::newRow("thumb position") << 3 << r(ScrollRequest::ThumbPosition) << 50 << 50;
        QTest::newRow("thumb track") << 3 << r(ScrollRequest::ThumbTrack) << 51 << 51;
        QTest::newRow("thumb below the range") << 3 << r(ScrollRequest::ThumbTrack) << -4 << 3;
        QTest::newRow("thumb past the range") << 3 << r(ScrollRequest::ThumbTrack) << 500 << 82;
        QTest::newRow("top") << 40 << r(ScrollRequest::Top) << 0 << 0;
        QTest::newRow("bottom") << 40 << r(ScrollRequest::Bottom) << 0 << 82;
        QTest::newRow("end of a drag") << 40 << r(ScrollRequest::Other) << 0 << 40;
    }
    void scrollRequests()
    {
        QFETCH(int, start);
        QFETCH(int, request);
        QFETCH(int, requested);
        QFETCH(int, expected);
        H2NetModel m;
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(420);
        QCOMPARE(m.ScrollMax(), 82);
        m.Scroll(ScrollRequest::ThumbPosition, start);
        QCOMPARE(m.TopRow(), start);
        QCOMPARE(m.Scroll(ScrollRequest(request), requested), expected);
        QCOMPARE(m.TopRow(), expected);
    }

    // "查询" with a new N shows the newest draw (the first row), wherever the last
    // content was scrolled to.
    void refillStartsAtTheFirstRow()
    {
        H2NetModel m;
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(420);
        m.Scroll(ScrollRequest::Bottom);
        QCOMPARE(m.TopRow(), 82);
        m.SetTableSize(41, 90, 2, trendWidths());
        m.Relayout(420);
        QCOMPARE(m.TopRow(), 0);
        // A taller client shrinks the range as well.
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(420);
        m.Scroll(ScrollRequest::Bottom);
        m.Relayout(2000);
        QCOMPARE(m.TopRow(), m.ScrollMax());
    }

    void clearRestoresTheDefaults()
    {
        H2NetModel m;
        fillSmall(m);
        m.FFixColor = 0;
        m.FRowHeight = 30;
        m.SetMergeCount(3);
        m.Relayout(300);
        m.Scroll(ScrollRequest::Bottom);
        m.Clear();
        QCOMPARE(m.ColsCount(), 0);
        QCOMPARE(m.DynRows(), 0);
        QCOMPARE(m.FixRowCount(), 0);
        QCOMPARE(m.MergeCount(), 0);
        QCOMPARE(m.TopRow(), 0);
        QCOMPARE(m.VisibleRows(), 0);
        QCOMPARE(m.FFixColor, RgbColor(228, 224, 243));
        QCOMPARE(m.FRowHeight, 20);
        QVERIFY(m.ColWidths().empty());
    }

    void cellTextLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("plain") << "合计" << QStringList{"合计"};
        QTest::newRow("two lines") << "平均\r\n值" << QStringList{"平均", "值"};
        QTest::newRow("trimmed") << "  09 \t" << QStringList{"09"};
        QTest::newRow("empty pieces dropped") << "a\r\n\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("only blanks") << " \r\n " << QStringList{};
        QTest::newRow("lone LF stays in the line") << "a\nb" << QStringList{"a\nb"};
    }
    void cellTextLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(CellTextLines(text), lines);
    }

    void jsonShowsWhatIsPainted()
    {
        H2NetModel m;
        m.SetTableSize(3, 2, 1, {66, 16, 16});
        m.SetValue(0, 1, QStringLiteral("1"));
        m.SetValue(1, 0, QStringLiteral("2005013"));
        m.SetColor(1, 1, RgbColor(255, 134, 132));
        m.SetColor(0, 2, RgbColor(1, 1, 1)); // fixed rows ignore their colour
        m.SetMergeCount(2);
        m.SetMerge(1, true, QPoint(1, 0), QPoint(2, 0), QStringLiteral("红球"), m.FFixColor);
        const QJsonObject json = TableToJson(m);
        QCOMPARE(json[QStringLiteral("title")].toString(), QString());
        QCOMPARE(json[QStringLiteral("fixedRows")].toInt(), 1);
        QCOMPARE(json[QStringLiteral("widths")].toArray(), (QJsonArray{66, 16, 16}));
        const QJsonArray colors = json[QStringLiteral("colors")].toArray();
        QCOMPARE(colors[0].toArray()[2].toString(), QStringLiteral("#e4e0f3"));
        QCOMPARE(colors[1].toArray()[1].toString(), QStringLiteral("#ff8684"));
        QVERIFY(colors[1].toArray()[0].isNull());
        QCOMPARE(json[QStringLiteral("rows")].toArray()[1].toArray()[0].toString(), QStringLiteral("2005013"));
        const QJsonArray merges = json[QStringLiteral("merges")].toArray();
        QCOMPARE(merges.size(), 1); // the hidden entry 0 is not shown
        QCOMPARE(merges[0].toObject(), (QJsonObject{{"left", 1}, {"top", 0}, {"right", 2},
                                                    {"bottom", 0}, {"text", QStringLiteral("红球")}}));
    }
};

QTEST_APPLESS_MAIN(TestH2NetModel)
#include "tst_H2NetModel.moc"
