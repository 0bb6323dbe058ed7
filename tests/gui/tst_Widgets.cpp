// The program's own widgets: the three input controls of the condition panels (the check
// list TMultiChk, the coloured number grid TColorMChk and the row of spin edits
// TMultiSpinEdit share one item-grid base, so one table drives the keys of all three);
// pixel checks of the chart controls filled by the core's chart routines (grid lines,
// marked cells, merged captions, bars, scrolling, the size of the blue trend's marks); the
// explanation window opening at its first line; the status bar's first panel never hiding
// the end of a long message; and Qt's own dialogs speaking Chinese once the start-up
// loader installed Qt's translations.
#include "gui/app/AppResources.h"
#include "gui/app/QtTranslations.h"
#include "gui/app/SmForm.h"
#include "gui/app/StatusPanel.h"
#include "gui/charts/B0Net.h"
#include "core/charts/ChartBlue.h"
#include "core/charts/ChartGrids.h"
#include "gui/charts/ChartPainting.h"
#include "core/charts/ChartRedTrend.h"
#include "gui/charts/G2Net.h"
#include "gui/charts/H2Net.h"
#include "gui/controls/ColorChk.h"
#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"
#include "TestSupport.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

// A control with `items` items in `cols` columns: "chk" a check list with captions 0..,
// "grid" the number grid of the reduction panel (cells 30 by 20, gap 6), "spin" spin edits.
std::unique_ptr<TItemGridControl> Make(const QString &kind, int items, int cols)
{
    if (kind == QLatin1String("chk")) {
        auto list = std::make_unique<TMultiChk>();
        for (int i = 0; i < items; ++i)
            list->AddItem(QString::number(i));
        list->SetCapWidth(10);
        list->SetCols(cols);
        return list;
    }
    if (kind == QLatin1String("grid")) {
        auto grid = std::make_unique<TColorMChk>();
        for (int n = 1; n <= items; ++n)
            grid->AddItem(QString::number(n));
        grid->SetCols(cols);
        grid->SetCellWidth(30);
        grid->SetCellHeight(20);
        grid->SetSpacing(6);
        return grid;
    }
    auto range = std::make_unique<TMultiSpinEdit>();
    for (int i = 0; i < items; ++i)
        range->AddItem(QString::number(i));
    range->SetCols(cols);
    range->SetValuesText(QStringLiteral(","), QStringLiteral("5,6,7,8"));
    return range;
}

QString StateOf(TItemGridControl *w)
{
    if (auto *checks = qobject_cast<TCheckGridControl *>(w))
        return checks->GetCheckedText(QStringLiteral(","));
    return qobject_cast<TMultiSpinEdit *>(w)->GetValuesText(QStringLiteral(","));
}

const QColor kFix(228, 224, 243);
const QColor kRedMark(255, 134, 132);
const QColor kGrey(128, 128, 128);

QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }

// Draws 2010001.. with reds from a simple pattern, oldest first.
TBeenCodesRecArr PatternHistory(int count)
{
    TBeenCodesRecArr arr;
    for (int k = 0; k < count; ++k) {
        TCodeRedArr reds{};
        for (int p = 0; p < 6; ++p)
            reds[std::size_t(p)] = std::int8_t((k * 7 + p * 5) % 33 + 1);
        std::sort(reds.begin(), reds.end());
        arr.push_back(MakeDraw(2010001 + k, reds, k % 16 + 1));
    }
    return arr;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    // Moving the focus: it stays at the edges, never lands where there is no item, and
    // every key notifies (Home and End lay the control out again, which notifies twice).
    // Return, the keypad's Enter and Space switch the focused item of the check controls,
    // and switch it back.
    void keys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("checked");   // after the key; "-" when it checks nothing
        const struct { const char *tag, *kind; int items, cols, start, key, focus, notes; const char *checked; } rows[] = {
            {"chk left at first", "chk", 7, 3, 0, Qt::Key_Left, 0, 1, "-"},
            {"chk right at last", "chk", 7, 3, 6, Qt::Key_Right, 6, 1, "-"},
            {"chk up", "chk", 7, 3, 5, Qt::Key_Up, 2, 1, "-"},
            {"chk down to no item", "chk", 7, 3, 4, Qt::Key_Down, 4, 1, "-"},
            {"chk home", "chk", 7, 3, 4, Qt::Key_Home, 4, 2, "-"},
            {"grid down from 22", "grid", 33, 10, 22, Qt::Key_Down, 32, 1, "-"},
            {"grid left across rows", "grid", 33, 10, 10, Qt::Key_Left, 9, 1, "-"},
            {"grid end", "grid", 33, 10, 12, Qt::Key_End, 12, 2, "-"},
            {"spin down", "spin", 4, 2, 1, Qt::Key_Down, 3, 1, "-"},
            {"spin enter", "spin", 4, 2, 3, Qt::Key_Return, 3, 1, "-"},
            {"chk return", "chk", 6, 6, 2, Qt::Key_Return, 2, 1, "2"},
            {"chk space", "chk", 6, 6, 2, Qt::Key_Space, 2, 1, "2"},
            {"chk keypad enter", "chk", 6, 6, 2, Qt::Key_Enter, 2, 1, "2"},
            {"grid return", "grid", 6, 6, 2, Qt::Key_Return, 2, 1, "3"},
            {"grid space", "grid", 6, 6, 2, Qt::Key_Space, 2, 1, "3"},
            {"grid keypad enter", "grid", 6, 6, 2, Qt::Key_Enter, 2, 1, "3"},
        };
        for (const auto &r : rows)
            QTest::newRow(r.tag) << QString::fromLatin1(r.kind) << r.items << r.cols << r.start << r.key << r.focus << r.notes
                                 << QString::fromLatin1(r.checked);
    }
    void keys()
    {
        QFETCH(QString, kind);
        QFETCH(int, items);
        QFETCH(int, cols);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, focus);
        QFETCH(int, notes);
        QFETCH(QString, checked);
        auto control = Make(kind, items, cols);
        for (int i = 0; i < start; ++i)
            QTest::keyClick(control.get(), Qt::Key_Right);
        QCOMPARE(control->focusIndex(), start);
        const QString before = StateOf(control.get());
        QSignalSpy changed(control.get(), SIGNAL(changed()));
        QTest::keyClick(control.get(), Qt::Key(key));
        QCOMPARE(control->focusIndex(), focus);
        QCOMPARE(changed.count(), notes);
        QCOMPARE(StateOf(control.get()), checked == QLatin1String("-") ? before : checked);
        if (checked != QLatin1String("-")) {
            QTest::keyClick(control.get(), Qt::Key(key));
            QCOMPARE(StateOf(control.get()), before);
        }
    }

    // Which item a click switches, worked out from the layout: a check list item is its
    // box and its caption, 2 gaps + box + caption wide ("chk": gap 3, box 14, caption 10,
    // so item k of a row spans 30k+3 .. 30k+29); a grid cell is 2 gaps + its width apart
    // ("grid": cell k of a row spans 42k+6 .. 42k+35, row r 26r+6 .. 26r+25).
    void clicks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("checked");
        QTest::newRow("chk box of 0") << "chk" << QPoint(8, 10) << "0";
        QTest::newRow("chk caption of 2") << "chk" << QPoint(85, 10) << "2";
        QTest::newRow("grid 10, end of the row") << "grid" << QPoint(399, 16) << "10";
        QTest::newRow("grid 21") << "grid" << QPoint(21, 68) << "21";
        QTest::newRow("grid between 1 and 2") << "grid" << QPoint(40, 16) << "";
    }
    void clicks()
    {
        QFETCH(QString, kind);
        QFETCH(QPoint, at);
        QFETCH(QString, checked);
        auto control = kind == QLatin1String("chk") ? Make(kind, 7, 3) : Make(kind, 33, 10);
        QTest::mouseClick(control.get(), Qt::LeftButton, {}, at);
        QCOMPARE(StateOf(control.get()), checked);
    }

    // An emptied box never runs as a hidden 0: read while still empty, it shows its value
    // again and that value is used; a typed value counts without Enter.
    void emptiedBoxKeepsItsValue()
    {
        QWidget window;
        auto control = Make(QStringLiteral("spin"), 2, 2);   // 5 and 6
        auto *range = qobject_cast<TMultiSpinEdit *>(control.get());
        range->setParent(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSpinBox *edit = range->spinEdit(1);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->cleanText(), QString());
        QCOMPARE(range->GetValue(1), 6);
        QCOMPARE(edit->cleanText(), QStringLiteral("6"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("28"));
        QCOMPARE(range->GetValuesText(QStringLiteral(",")), QStringLiteral("5,28"));
    }

    // The numbers the group editors hand to the grid replace what was checked (a leading
    // zero is the same number, one the grid lacks is passed over); what is drawn follows:
    // the checked cells are red with a raised frame. (The other texts the controls are
    // given are the panel's round trip in tst_Panels.)
    void painting()
    {
        auto grid = Make(QStringLiteral("grid"), 33, 10);
        auto *g = qobject_cast<TColorMChk *>(grid.get());
        g->SelectAll();
        g->SetCheckedText(QStringLiteral(","), QStringLiteral("02,33,34"));
        QCOMPARE(g->GetCheckedText(QStringLiteral(",")), QStringLiteral("2,33"));
        const QImage image = g->grab().toImage();
        auto fillAt = [&](int index) { return image.pixelColor(g->RectOfChk(index).topLeft() + QPoint(1, 1)).rgb(); };
        QCOMPARE(fillAt(1), QColor(255, 0, 0).rgb());
        QCOMPARE(fillAt(32), QColor(255, 0, 0).rgb());
        QCOMPARE(fillAt(2), g->palette().color(QPalette::Button).rgb());
        QCOMPARE(image.pixelColor(g->RectOfChk(1).topLeft()).rgb(), g->palette().color(QPalette::Light).rgb());
        QCOMPARE(image.pixelColor(g->RectOfChk(1).bottomRight()).rgb(), g->palette().color(QPalette::Dark).rgb());
    }

    void initTestCase() { AppResources::installFontSubstitutes(); }

    void redTrendTable()
    {
        const TBeenCodesRecArr history = PatternHistory(60);
        TH2Net table;
        table.resize(800, 520);
        QVERIFY(FillRedTrendChart(table.model(), history, 60, nullptr));
        table.Resize();
        const H2NetModel &m = table.model();
        const QImage img = table.viewport()->grab().toImage();
        // Inside "红球分布" (row 0) the grid line between numbers 1 and 2 is covered...
        const int line = m.ColLeft(9) - 1;
        QCOMPARE(pixel(img, line, 3), kFix);
        // ...while in the row of the numbers below it stays.
        QCOMPARE(pixel(img, line, 24), QColor(Qt::black));
        // The newest draw's reds are marked in their number columns, framed by the grid.
        for (int red : history.back().Red) {
            const TRect mark = m.RectOfCell(2, 7 + red, true);
            QCOMPARE(pixel(img, mark.left, mark.top), kRedMark);
            QCOMPARE(pixel(img, mark.left - 1, mark.top), QColor(Qt::black));
        }
        // The row lines reach the right frame.
        QCOMPARE(pixel(img, m.GridRect().right, m.RowTop(3, false) - 1), QColor(Qt::black));
        // The scroll bar moves by the table's rule: a page is the rows in view; the end
        // stops it.
        QScrollBar *bar = table.verticalScrollBar();
        const int page = m.VisibleRows();
        QCOMPARE(bar->maximum(), 61 - page);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), page);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(m.TopRow(), page - 1);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m.TopRow(), 61 - page);
        // Scrolled to the end: the grey summary row in the last slot, the captions on top.
        const QImage bottom = table.viewport()->grab().toImage();
        QCOMPARE(pixel(bottom, 2, m.RowTop(m.FixRowCount() + m.VisibleRows() - 1, false) + 1), kGrey);
        QCOMPARE(pixel(bottom, line, 3), kFix);
        // Narrow: the issue column stays while the other columns scroll beneath it.
        table.resize(400, 520);
        table.Resize();
        QScrollBar *across = table.horizontalScrollBar();
        QVERIFY(across->maximum() > 0);
        const QImage left = table.viewport()->grab().toImage();
        across->setValue(across->maximum());
        const QImage right = table.viewport()->grab().toImage();
        const int fixed = m.FixedWidth();
        QCOMPARE(fixed, m.ColLeft(1));
        QCOMPARE(right.copy(0, 0, fixed, right.height()), left.copy(0, 0, fixed, left.height()));
        QVERIFY(right.copy(fixed, 0, 60, right.height()) != left.copy(fixed, 0, 60, left.height()));
        // A refill (another "查询") shows its first row, the newest draw, again.
        QVERIFY(FillRedTrendChart(table.model(), PatternHistory(40), 40, nullptr));
        table.Resize();
        QCOMPARE(m.TopRow(), 0);
        QCOMPARE(bar->value(), 0);
    }

    void barChart()
    {
        const TBeenCodesRecArr history = PatternHistory(90);
        TG2Net chart;
        QVERIFY(FillRedStatChart(chart.model(), history, 90, nullptr));
        chart.model().SetValue(1, 1, QString::number(3 * chart.model().FBandStep));
        chart.Resize();
        const G2NetModel &m = chart.model();
        QCOMPARE(chart.size(), m.ControlSize());
        const QImage img = chart.grab().toImage();
        const QColor barColor(255, 98, 84);
        for (int x = 1; x <= 33; ++x) {
            const TRect bar = m.ScaledBar(x, 1);
            if (bar.height() < 3)
                continue;
            QCOMPARE(pixel(img, bar.left + 2, bar.bottom - 2), barColor);
            QCOMPARE(pixel(img, bar.left + 2, bar.top + 1), barColor);
            QVERIFY(pixel(img, bar.left + 2, bar.top - 1) != barColor);
        }
        // A bar of a line's value ends on that line's row: its frame is painted there.
        const TRect bar = m.ScaledBar(1, 1);   // its top on the line: tst_ChartTables
        QCOMPARE(pixel(img, bar.left + 2, bar.top), QColor(50, 18, 52));
    }

    // A per-draw table: marked cells red, rows and columns without a red grey, the
    // grid lines blue, sized to its grid.
    void drawTable()
    {
        TB0Net table;
        table.setGeometry(10, 0, 200, 200);
        FillEmptyRowColTable(table.model(), MakeDraw(2005001, {1, 8, 15, 22, 29, 33}, 7));
        table.Resize();
        const QImage img = table.grab().toImage();
        const QColor gridBlue(0, 0, 255);
        QCOMPARE(pixel(img, 5, 29), gridBlue);    // under the title band
        QCOMPARE(pixel(img, 150, 100), gridBlue); // right edge
        QCOMPARE(pixel(img, 100, 179), gridBlue); // bottom edge
        const B0NetModel &m = table.model();
        const auto corner = [&](int c, int r) {
            const TRect rect = m.RectOfCell(r, c, false);
            return pixel(img, rect.left, rect.top);
        };
        QCOMPARE(corner(0, 0), QColor(255, 0, 0));       // 1
        QCOMPARE(corner(2, 5), QColor(255, 0, 0));       // 33
        QCOMPARE(corner(5, 0), QColor(169, 169, 168));   // column 5 holds no red
        QCOMPARE(corner(1, 0), QColor(255, 255, 255));
    }
    // Each mark of "蓝球走势图" spans at least 12 of its cell's columns in dark pixels
    // (the glyph alone: 8), large enough to see.
    void blueTrendMarksAreVisible()
    {
        TH2Net table;
        table.resize(900, 300);
        QVERIFY(FillBlueTrendChart(table.model(), PatternHistory(30), 30, nullptr));
        table.Resize();
        table.show();
        const QImage image = table.viewport()->grab().toImage();
        int marks = 0;
        for (int c = 20; c <= 28; ++c) {
            if (table.model().CellText(2, c) != kMarkTriangle)
                continue;
            const TRect cell = table.model().RectOfCell(2, c, true);
            int left = cell.right, right = cell.left;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x)
                    if (qGray(image.pixel(x, y)) < 60)
                        left = std::min(left, x), right = std::max(right, x);
            QVERIFY2(right - left + 1 >= 12, qPrintable(QStringLiteral("column %1").arg(c)));
            ++marks;
        }
        QCOMPARE(marks, 3);
    }

    // Qt's own dialogs (message boxes, the file and the print dialog) speak Chinese once
    // the start-up loader installed Qt's translations.
    void dialogsSpeakChinese()
    {
        QVERIFY(InstallQtChineseTranslations().contains(QStringLiteral("qtbase_zh_CN")));
        const std::pair<const char *, const char *> texts[] = {
            {"QPlatformTheme", "Cancel"}, {"QFileDialog", "Look in:"}, {"QPrintDialog", "Print"}};
        for (const auto &[context, text] : texts)
            QVERIFY2(QCoreApplication::translate(context, text) != QLatin1String(text), text);
    }
    // "说明" fills the memo line by line, which leaves its caret at the last line.
    void explanationOpensAtTheTop()
    {
        TSmForm form;
        for (int i = 1; i <= 200; ++i)
            form.Memo->appendPlainText(QStringLiteral("第%1行").arg(i));
        int seen = -1;
        QTimer::singleShot(50, &form, [&] {
            seen = form.Memo->verticalScrollBar()->value();
            form.accept();
        });
        form.ShowExplanation(QStringLiteral("统计分析表 图表说明"));
        QCOMPARE(seen, 0);
    }

    void statusPanel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        QTest::newRow("short") << QStringLiteral("保存文档完毕") << false;
        QTest::newRow("long") << QStringLiteral("没有找到开奖数据文件，开奖数据将保存在：").repeated(6) << true;
    }
    void statusPanel()
    {
        QFETCH(QString, text);
        QFETCH(bool, cut);
        TStatusPanel panel;
        panel.setFixedWidth(420);
        panel.show();
        panel.setFullText(text);
        QCOMPARE(panel.text().endsWith(QStringLiteral("…")), cut);
        QVERIFY(panel.fontMetrics().horizontalAdvance(panel.text()) <= panel.contentsRect().width());
        QCOMPARE(panel.toolTip(), cut ? text : QString());
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_Widgets.moc"
