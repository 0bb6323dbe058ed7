#include "charts/ChartMessageList.h"
#include "charts/H2NetModel.h"

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

    void rangeMessages_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("expected");
        // The table has 4 columns and 1 + 3 rows.
        QTest::newRow("SetValue column = count") << "SetValue" << 0 << 4
            << QStringList{"SetValue x>=FColsCount "};
        QTest::newRow("SetValue negative") << "SetValue" << -1 << -1
            << QStringList{"SetValue x<0 ", "SetValue y<0 "};
        QTest::newRow("GetValue row = count") << "GetValue" << 4 << 1
            << QStringList{"GetValue y>=FDynRows+FFixRowCount "};
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

    void refillClampsTheScrollPosition()
    {
        H2NetModel m;
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(420);
        m.Scroll(ScrollRequest::Bottom);
        QCOMPARE(m.TopRow(), 82);
        m.SetTableSize(41, 30, 2, trendWidths());
        QCOMPARE(m.TopRow(), 82); // the refill itself leaves the position
        m.Relayout(420);
        QCOMPARE(m.TopRow(), 12);
        m.SetTableSize(41, 5, 2, trendWidths());
        m.Relayout(420);
        QCOMPARE(m.TopRow(), 0);
        // A taller client shrinks the range as well.
        m.SetTableSize(41, 100, 2, trendWidths());
        m.Relayout(420);
        m.Scroll(ScrollRequest::Bottom);
        m.Relayout(2000);
        QCOMPARE(m.TopRow(), m.ScrollMax());
    }

};

QTEST_APPLESS_MAIN(TestH2NetModel)
#include "tst_H2NetModel.moc"
