#include "charts/B0NetModel.h"
#include "charts/ChartJson.h"
#include "charts/ChartMessageList.h"

#include <QJsonArray>
#include <QTest>

namespace {

B0NetModel sixBySix(const QString &title)
{
    B0NetModel m;
    m.FTitle = title;
    m.SetTableSize(6, 6, std::vector<int>(6, 24));
    return m;
}

QStringList allTexts(const B0NetModel &m)
{
    QStringList texts;
    for (const QJsonValue &row : TableToJson(m)[QStringLiteral("rows")].toArray())
        for (const QJsonValue &cell : row.toArray())
            texts << cell.toString();
    return texts;
}

} // namespace

class TestB0NetModel : public QObject
{
    Q_OBJECT

private slots:
    void createdWithTheDefaultTitle()
    {
        const B0NetModel m;
        QCOMPARE(m.FTitle, QStringLiteral("我的标题"));
        QCOMPARE(m.FGridColor, clBlack);
        QCOMPARE(m.FRowHeight, 24);
        QCOMPARE(m.FLineWidth, 1);
        QCOMPARE(m.TitleHeight(), 0);
        QCOMPARE(m.ColsCount(), 0);
        QCOMPARE(m.RowsCount(), 0);
    }

    void newCellsHaveTheDefaultColour()
    {
        B0NetModel m;
        m.SetTableSize(4, 3, {10, 10, 10, 10});
        const QJsonArray colors = TableToJson(m)[QStringLiteral("colors")].toArray();
        QCOMPARE(colors.size(), 3);
        for (const QJsonValue &row : colors) {
            QCOMPARE(row.toArray().size(), 4);
            for (const QJsonValue &cell : row.toArray())
                QCOMPARE(cell.toString(), QStringLiteral("#545ef7"));
        }
        m.SetColor(3, 2, RgbColor(255, 0, 0));
        QCOMPARE(m.GetColor(3, 2), RgbColor(255, 0, 0));
        QCOMPARE(m.GetColor(2, 2), RgbColor(84, 94, 247));
    }

    void cellsAreAddressedColumnFirst()
    {
        B0NetModel m = sixBySix(QStringLiteral("t"));
        m.SetText(2, 1, QStringLiteral("9"));
        QCOMPARE(m.GetText(2, 1), QStringLiteral("9"));
        QCOMPARE(allTexts(m).indexOf("9"), 8);
    }

    void resizingKeepsTextsInTheirFlatPlace()
    {
        B0NetModel m;
        m.SetTableSize(2, 2, {10, 10});
        m.SetText(1, 0, QStringLiteral("a"));
        m.SetText(0, 1, QStringLiteral("b"));
        m.SetColor(0, 0, RgbColor(1, 1, 1));
        m.SetTableSize(3, 2, {10, 10, 10});
        QCOMPARE(allTexts(m), (QStringList{"", "a", "b", "", "", ""}));
        QCOMPARE(m.GetColor(0, 0), B0NetModel::kDefaultCellColor);
    }

    void sixBySixWithTitleFitsIn152x181()
    {
        B0NetModel m = sixBySix(QStringLiteral("2005013期"));
        m.Relayout(200);
        QCOMPARE(m.TitleHeight(), 30);
        QCOMPARE(m.VisibleRows(), 6);
        QCOMPARE(m.GridRect(), (TRect{1, 30, 150, 179}));
        QCOMPARE(m.FitSize(), QSize(152, 181));
        QCOMPARE(m.TitleRect(), (TRect{0, 0, 150, 30}));
        // At its own size the layout stays the same.
        m.Relayout(181);
        QCOMPARE(m.VisibleRows(), 6);
        QCOMPARE(m.FitSize(), QSize(152, 181));
    }

    void noTitleNoBand()
    {
        B0NetModel m = sixBySix(QString());
        m.Relayout(200);
        QCOMPARE(m.TitleHeight(), 0);
        QCOMPARE(m.RowTop(0, false), 0);
        QCOMPARE(m.RectOfCell(0, 0, false), (TRect{1, 0, 25, 24}));
        QCOMPARE(m.VisibleRows(), 6);
        QCOMPARE(m.FitSize(), QSize(152, 151));
    }

    void rowsLaidOut_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("rows");
        QTest::newRow("default bounds") << 300 << 6;
        QTest::newRow("room for three") << 6 + 3 * 25 << 3;
        QTest::newRow("below one row") << 6 + 24 << 0;
        QTest::newRow("no room") << 6 << 0;
        QTest::newRow("negative") << -10 << 0;
    }
    void rowsLaidOut()
    {
        QFETCH(int, height);
        QFETCH(int, rows);
        B0NetModel m = sixBySix(QStringLiteral("t"));
        m.Relayout(height);
        QCOMPARE(m.VisibleRows(), rows);
    }

    void omissionTableShowsAllRows()
    {
        B0NetModel m;
        m.FTitle = QStringLiteral("红球分析表");
        m.FRowHeight = 32;
        m.SetTableSize(9, 34, std::vector<int>(9, 64));
        m.Relayout(1152);
        QCOMPARE(m.VisibleRows(), 34);
        QCOMPARE(m.FitSize(), QSize(9 * 65 - 1 + 3, 30 + 33 * 33 + 32 + 2));
    }

    void emptyTableIsTiny()
    {
        B0NetModel m;
        m.Relayout(300);
        QVERIFY(m.GridRect().isEmpty());
        QCOMPARE(m.FitSize(), QSize(3, 2));
    }

    void rangeMessages_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("SetText column past the edge") << "SetText" << 6 << 0
            << QStringList{"SetText ACol>=FColsCount "};
        QTest::newRow("SetText row past the end") << "SetText" << 0 << 6
            << QStringList{"SetText ARow>=FRowsCount "};
        QTest::newRow("SetColor negative") << "SetColor" << -1 << -1
            << QStringList{"SetColor ACol<0 ", "SetColor ARow<0 "};
        QTest::newRow("GetText past both") << "GetText" << 6 << 6
            << QStringList{"GetText ACol>=FColsCount ", "GetText ARow>=FRowsCount "};
        QTest::newRow("GetColor column past the edge") << "GetColor" << 6 << 1
            << QStringList{"GetColor ACol>=FColsCount "};
        QTest::newRow("SetText last cell is fine") << "SetText" << 5 << 5 << QStringList{};
    }
    void rangeMessages()
    {
        QFETCH(QString, operation);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QStringList, expected);
        B0NetModel m = sixBySix(QStringLiteral("t"));
        ChartMessageList messages;
        m.SetReporter(&messages);
        const QJsonObject before = TableToJson(m);
        if (operation == "SetText")
            m.SetText(col, row, QStringLiteral("x"));
        else if (operation == "SetColor")
            m.SetColor(col, row, RgbColor(1, 2, 3));
        else if (operation == "GetText")
            QVERIFY(m.GetText(col, row).isEmpty());
        else
            QCOMPARE(m.GetColor(col, row), B0NetModel::kDefaultCellColor);
        QCOMPARE(messages.messages, expected);
        // Column 6 of row 0 would be the flat entry of (0, 1): it is untouched.
        if (expected.isEmpty())
            QCOMPARE(m.GetText(col, row), QStringLiteral("x"));
        else
            QCOMPARE(TableToJson(m), before);
    }

    void json()
    {
        B0NetModel m;
        m.FTitle = QStringLiteral("2005013期");
        m.SetTableSize(2, 1, {24, 24});
        m.SetText(1, 0, QStringLiteral("2"));
        m.SetColor(0, 0, RgbColor(255, 255, 255));
        const QJsonObject json = TableToJson(m);
        QCOMPARE(json[QStringLiteral("title")].toString(), QStringLiteral("2005013期"));
        QCOMPARE(json[QStringLiteral("fixedRows")].toInt(), 0);
        QCOMPARE(json[QStringLiteral("widths")].toArray(), (QJsonArray{24, 24}));
        QCOMPARE(json[QStringLiteral("rows")].toArray(), (QJsonArray{QJsonArray{"", "2"}}));
        QCOMPARE(json[QStringLiteral("colors")].toArray(), (QJsonArray{QJsonArray{"#ffffff", "#545ef7"}}));
        QCOMPARE(json[QStringLiteral("merges")].toArray(), QJsonArray());
    }
};

QTEST_APPLESS_MAIN(TestB0NetModel)
#include "tst_B0NetModel.moc"
