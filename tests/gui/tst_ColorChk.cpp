#include "code/SsqError.h"
#include "controls/ColorChk.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <functional>

// Declared before the first test that uses it as a data column: a later declaration
// clashes with the generic one the column has already instantiated.
Q_DECLARE_METATYPE(std::function<void(TColorMChk &)>)

namespace {

// The number range of the reduction panel (cells 30 by 20, gap 6) or the number
// picker (20 by 20, gap 4): the captions 1..33 in ten columns.
void MakeGrid(TColorMChk &grid, int cellWidth = 30, int cellHeight = 20, int spacing = 6)
{
    for (int n = 1; n <= 33; ++n)
        grid.AddItem(QString::number(n));
    grid.SetCols(10);
    grid.SetCellWidth(cellWidth);
    grid.SetCellHeight(cellHeight);
    grid.SetSpacing(spacing);
}

struct State
{
    int count, cols, rows, focus;
    QString checked;
    QSize size;
    bool operator==(const State &) const = default;
};

State Snapshot(const TColorMChk &grid)
{
    return {grid.count(), grid.cols(), grid.rows(), grid.focusIndex(),
            grid.GetCheckedText(QStringLiteral(",")), grid.size()};
}

QString ErrorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const SsqError &error) {
        return error.text();
    }
    return QString();
}

} // namespace

class TestColorChk : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void geometry_data();
    void geometry();
    void errors_data();
    void errors();
    void getCheckOutside();
    void checkedText_data();
    void checkedText();
    void selectAllAndNone();
    void noNotificationFromSettingOrMouse();
    void mouse_data();
    void mouse();
    void pressInGapTakesFocus();
    void keys_data();
    void keys();
    void toggleKeys_data();
    void toggleKeys();
    void painting();
    void captionsStayInsideTheirCells();
    void focusMarkWithoutFocus();
};

void TestColorChk::defaults()
{
    TColorMChk grid;
    QCOMPARE(grid.count(), 0);
    QCOMPARE(grid.cols(), 3);
    QCOMPARE(grid.cellWidth(), 14);
    QCOMPARE(grid.cellHeight(), 14);
    QCOMPARE(grid.spacing(), 3);
    QCOMPARE(grid.focusIndex(), 0);
    QCOMPARE(grid.sizeHint(), QSize(63, 0));
    QVERIFY(grid.focusPolicy() & Qt::TabFocus);
    QCOMPARE(grid.cellColor(true), QColor(255, 0, 0));
    QCOMPARE(grid.cellColor(false), grid.palette().color(QPalette::Button));
}

void TestColorChk::geometry_data()
{
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("cell");

    QTest::newRow("range first") << 30 << 20 << 6 << QSize(426, 104) << 0 << QRect(6, 6, 30, 20);
    QTest::newRow("range row end") << 30 << 20 << 6 << QSize(426, 104) << 9 << QRect(384, 6, 30, 20);
    QTest::newRow("range second row") << 30 << 20 << 6 << QSize(426, 104) << 10 << QRect(6, 32, 30, 20);
    // The last row ends at the bottom edge: no gap below it.
    QTest::newRow("range last") << 30 << 20 << 6 << QSize(426, 104) << 32 << QRect(90, 84, 30, 20);
    QTest::newRow("picker first") << 20 << 20 << 4 << QSize(284, 96) << 0 << QRect(4, 4, 20, 20);
    QTest::newRow("picker last") << 20 << 20 << 4 << QSize(284, 96) << 32 << QRect(60, 76, 20, 20);
}

void TestColorChk::geometry()
{
    QFETCH(int, cellWidth);
    QFETCH(int, cellHeight);
    QFETCH(int, spacing);
    QFETCH(QSize, size);
    QFETCH(int, index);
    QFETCH(QRect, cell);

    QWidget box;
    TColorMChk grid(&box);
    MakeGrid(grid, cellWidth, cellHeight, spacing);
    grid.setGeometry(25, 80, 600, 400);
    QCOMPARE(grid.geometry(), QRect(QPoint(25, 80), size));
    QCOMPARE(grid.sizeHint(), size);
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.RectOfChk(index), cell);
}

void TestColorChk::errors_data()
{
    QTest::addColumn<std::function<void(TColorMChk &)>>("call");
    QTest::addColumn<QString>("message");

    using Call = std::function<void(TColorMChk &)>;
    QTest::newRow("count negative") << Call([](TColorMChk &g) { g.SetCount(-1); }) << "SetCount Error!";
    QTest::newRow("cols negative") << Call([](TColorMChk &g) { g.SetCols(-1); }) << "SetCols Error!";
    QTest::newRow("cols zero") << Call([](TColorMChk &g) { g.SetCols(0); }) << "SetCols Error!";
    QTest::newRow("caption at count") << Call([](TColorMChk &g) { g.GetCaption(33); }) << "GetCaption Error!";
    QTest::newRow("caption negative") << Call([](TColorMChk &g) { g.GetCaption(-1); }) << "GetCaption Error!";
    QTest::newRow("cell at count") << Call([](TColorMChk &g) { g.RectOfChk(33); }) << "RectOfChk Index Error!";
    QTest::newRow("cell negative") << Call([](TColorMChk &g) { g.RectOfChk(-1); }) << "RectOfChk Index Error!";
}

void TestColorChk::errors()
{
    QFETCH(std::function<void(TColorMChk &)>, call);
    QFETCH(QString, message);

    TColorMChk grid;
    MakeGrid(grid);
    grid.SetCheckedText(QStringLiteral(","), QStringLiteral("1,8,9"));
    const State before = Snapshot(grid);
    QSignalSpy changed(&grid, &TColorMChk::changed);

    QCOMPARE(ErrorOf([&] { call(grid); }), message);
    QVERIFY(Snapshot(grid) == before);
    QCOMPARE(changed.count(), 0);
}

void TestColorChk::getCheckOutside()
{
    TColorMChk grid;
    MakeGrid(grid);
    grid.SelectAll();
    QVERIFY(grid.GetCheck(32));
    QVERIFY(!grid.GetCheck(33));
    QVERIFY(!grid.GetCheck(-1));
}

void TestColorChk::checkedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checked");

    QTest::newRow("leading zeros") << "01,08,09" << "1,8,9";
    QTest::newRow("without zeros") << "1,8,9" << "1,8,9";
    QTest::newRow("mixed and unordered") << "33,05,1" << "1,5,33";
    QTest::newRow("double zero") << "00" << "";
    QTest::newRow("single zero") << "0" << "";
    QTest::newRow("two leading zeros") << "001,2" << "2";
    QTest::newRow("unknown") << "34,40,7" << "7";
    QTest::newRow("doubled separators") << " ,01,,08,09, " << "1,8,9";
    QTest::newRow("blank inside") << "01, 08" << "1";
    QTest::newRow("empty") << "" << "";
}

void TestColorChk::checkedText()
{
    QFETCH(QString, text);
    QFETCH(QString, checked);

    TColorMChk grid;
    MakeGrid(grid);
    grid.SelectAll();
    grid.SetCheckedText(QStringLiteral(","), text);
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), checked);
    QCOMPARE(grid.CheckedCount(), checked.isEmpty() ? 0 : int(checked.count(QLatin1Char(','))) + 1);
    // Read back with another separator and written again.
    const QString written = grid.GetCheckedText(QStringLiteral("#"));
    grid.SelectAll();
    grid.SetCheckedText(QStringLiteral("#"), written);
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), checked);
}

void TestColorChk::selectAllAndNone()
{
    TColorMChk grid;
    MakeGrid(grid);
    grid.SelectAll();
    QCOMPARE(grid.CheckedCount(), 33);
    grid.SelectNone();
    QCOMPARE(grid.CheckedCount(), 0);
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), QString());

    TColorMChk empty;
    empty.SelectAll();
    empty.SelectNone();
    QCOMPARE(empty.CheckedCount(), 0);
    QCOMPARE(empty.GetCheckedText(QStringLiteral(",")), QString());
}

void TestColorChk::noNotificationFromSettingOrMouse()
{
    TColorMChk grid;
    MakeGrid(grid);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy changed(&grid, &TColorMChk::changed);
    grid.SelectAll();
    grid.SelectNone();
    grid.SetCheckedText(QStringLiteral(","), QStringLiteral("3,4"));
    grid.SetCols(10);
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, grid.RectOfChk(20).center());
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), QStringLiteral("3,4,21"));
    QCOMPARE(changed.count(), 0);
    // A new layout does notify.
    grid.SetCols(11);
    QCOMPARE(changed.count(), 1);
}

void TestColorChk::mouse_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("toggled");

    // Number range: cells at x 6, 48, 90, ... (30 wide), y 6, 32, 58, 84 (20 high).
    QTest::newRow("centre") << QPoint(62, 42) << Qt::LeftButton << 11;
    QTest::newRow("top left pixel") << QPoint(48, 32) << Qt::LeftButton << 11;
    QTest::newRow("bottom right pixel") << QPoint(77, 51) << Qt::LeftButton << 11;
    QTest::newRow("right button") << QPoint(62, 42) << Qt::RightButton << 11;
    QTest::newRow("last cell") << QPoint(100, 100) << Qt::LeftButton << 32;
    QTest::newRow("right edge is outside") << QPoint(78, 42) << Qt::LeftButton << -1;
    QTest::newRow("bottom edge is outside") << QPoint(62, 52) << Qt::LeftButton << -1;
    QTest::newRow("gap between columns") << QPoint(45, 42) << Qt::LeftButton << -1;
    QTest::newRow("gap between rows") << QPoint(62, 29) << Qt::LeftButton << -1;
    QTest::newRow("past the last cell") << QPoint(140, 95) << Qt::LeftButton << -1;
}

void TestColorChk::mouse()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, toggled);

    TColorMChk grid;
    MakeGrid(grid);
    grid.SetCheckedText(QStringLiteral(","), QStringLiteral("5"));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseClick(&grid, button, Qt::NoModifier, at);
    if (toggled < 0) {
        QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), QStringLiteral("5"));
        QCOMPARE(grid.focusIndex(), 0);
        return;
    }
    QVERIFY(grid.GetCheck(toggled));
    QCOMPARE(grid.CheckedCount(), 2);
    QCOMPARE(grid.focusIndex(), toggled);
    QTest::mouseClick(&grid, button, Qt::NoModifier, at);
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), QStringLiteral("5"));
}

void TestColorChk::pressInGapTakesFocus()
{
    QWidget window;
    auto *other = new TColorMChk(&window);
    auto *grid = new TColorMChk(&window);
    MakeGrid(*grid);
    grid->move(0, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, QPoint(45, 42));
    QVERIFY(grid->hasFocus());
    QCOMPARE(grid->CheckedCount(), 0);
    QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, QPoint(45, 42));
}

void TestColorChk::keys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("notes");

    QTest::newRow("down from 25") << 25 << int(Qt::Key_Down) << 25 << 1;
    QTest::newRow("down from 22") << 22 << int(Qt::Key_Down) << 32 << 1;
    QTest::newRow("down from 23") << 23 << int(Qt::Key_Down) << 23 << 1;
    QTest::newRow("up from 5") << 5 << int(Qt::Key_Up) << 5 << 1;
    QTest::newRow("up from 10") << 10 << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("left at first") << 0 << int(Qt::Key_Left) << 0 << 1;
    QTest::newRow("left across rows") << 10 << int(Qt::Key_Left) << 9 << 1;
    QTest::newRow("right at last") << 32 << int(Qt::Key_Right) << 32 << 1;
    QTest::newRow("end") << 12 << int(Qt::Key_End) << 12 << 2;
    QTest::newRow("page down") << 12 << int(Qt::Key_PageDown) << 12 << 1;
}

void TestColorChk::keys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, focus);
    QFETCH(int, notes);

    TColorMChk grid;
    MakeGrid(grid);
    for (int i = 0; i < start; ++i)
        QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.focusIndex(), start);
    QSignalSpy changed(&grid, &TColorMChk::changed);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&grid, &press);
    QVERIFY(press.isAccepted());
    QCOMPARE(grid.focusIndex(), focus);
    QCOMPARE(changed.count(), notes);
    QCOMPARE(grid.CheckedCount(), 0);
}

void TestColorChk::toggleKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void TestColorChk::toggleKeys()
{
    QFETCH(int, key);

    TColorMChk grid;
    MakeGrid(grid);
    QTest::keyClick(&grid, Qt::Key_Down);
    QSignalSpy changed(&grid, &TColorMChk::changed);
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), QStringLiteral("11"));
    QCOMPARE(changed.count(), 1);
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.CheckedCount(), 0);
}

void TestColorChk::painting()
{
    TColorMChk grid;
    MakeGrid(grid);
    grid.SetCheckedText(QStringLiteral(","), QStringLiteral("2,33"));
    for (int ratio : {1, 2}) {
        QImage image(grid.size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        grid.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        auto fillAt = [&](int index) {
            // Two pixels inside the frame, clear of the centred caption and of the
            // focus mark, which sits one pixel inside the fill.
            const QRect cell = grid.RectOfChk(index);
            return image.pixelColor((cell.left() + 1) * ratio, (cell.top() + 1) * ratio);
        };
        QCOMPARE(fillAt(1), QColor(255, 0, 0));
        QCOMPARE(fillAt(32), QColor(255, 0, 0));
        QCOMPARE(fillAt(2).rgb(), grid.palette().color(QPalette::Button).rgb());
        // The raised frame: light top left, shadow bottom right.
        const QRect cell = grid.RectOfChk(1);
        QCOMPARE(image.pixelColor(cell.left() * ratio, cell.top() * ratio).rgb(),
                 grid.palette().color(QPalette::Light).rgb());
        QCOMPARE(image.pixelColor(cell.right() * ratio + ratio - 1, cell.bottom() * ratio + ratio - 1).rgb(),
                 grid.palette().color(QPalette::Dark).rgb());
        // The gap shows the background.
        QCOMPARE(image.pixelColor((cell.left() - 2) * ratio, (cell.top() + 5) * ratio).rgb(),
                 grid.palette().color(QPalette::Window).rgb());

        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        QVERIFY(image.save(QDir(QStringLiteral(SSQ_RENDER_DIR))
                               .filePath(QStringLiteral("colorchk_range@%1x.png").arg(ratio))));
    }
}

void TestColorChk::captionsStayInsideTheirCells()
{
    // The picker's cells are 20 pixels wide; whatever font stands in for 宋体, the
    // two-digit captions must leave the cell frames alone.
    TColorMChk grid;
    MakeGrid(grid, 20, 20, 4);
    grid.SelectAll();
    for (int ratio : {1, 2}) {
        QImage image(grid.size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        grid.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QRgb light = grid.palette().color(QPalette::Light).rgb();
        const QRgb dark = grid.palette().color(QPalette::Dark).rgb();
        for (int i = 0; i < grid.count(); ++i) {
            const QRect cell = grid.RectOfChk(i);
            // The bottom line (shadow) takes the lowest pixel of the left edge.
            for (int y = cell.top() * ratio; y < cell.bottom() * ratio; ++y) {
                QCOMPARE(image.pixel(cell.left() * ratio, y), light);
                QCOMPARE(image.pixel((cell.right() + 1) * ratio - 1, y), dark);
            }
        }
    }
}

void TestColorChk::focusMarkWithoutFocus()
{
    // The grid marks its focused cell even while another control has the focus.
    TColorMChk grid;
    MakeGrid(grid);
    QVERIFY(!grid.hasFocus());
    const QImage onFirst = grid.grab().toImage();
    QTest::keyClick(&grid, Qt::Key_Right);
    const QImage onSecond = grid.grab().toImage();
    QVERIFY(onFirst.copy(grid.RectOfChk(0)) != onSecond.copy(grid.RectOfChk(0)));
    QVERIFY(onFirst.copy(grid.RectOfChk(1)) != onSecond.copy(grid.RectOfChk(1)));
    QCOMPARE(onFirst.copy(grid.RectOfChk(2)), onSecond.copy(grid.RectOfChk(2)));
}

QTEST_MAIN(TestColorChk)
#include "tst_ColorChk.moc"
