#include "code/Code.h"
#include "code/SsqError.h"
#include "controls/MultiChk.h"

#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <functional>

// Declared before the first test that uses it as a data column: a later declaration
// clashes with the generic one the column has already instantiated.
Q_DECLARE_METATYPE(std::function<void(TMultiChk &)>)

namespace {

QStringList Numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

void Fill(TMultiChk &list, const QStringList &captions, int capWidth, int cols)
{
    for (const QString &caption : captions)
        list.AddItem(caption);
    list.SetCapWidth(capWidth);
    list.SetCols(cols);
}

// Everything an operation could change, to check that a refused call leaves the
// control as it was.
struct State
{
    int count, cols, rows, capWidth, focus;
    QString checked;
    QSize size;
    bool operator==(const State &) const = default;
};

State Snapshot(const TMultiChk &list)
{
    return {list.count(), list.cols(), list.rows(), list.capWidth(), list.focusIndex(),
            list.GetCheckedText(QStringLiteral(",")), list.size()};
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

class TestMultiChk : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void geometry_data();
    void geometry();
    void sizeHoldsInLayoutAndAtFixedPlace();
    void errors_data();
    void errors();
    void getCheckOutsideIsUnchecked();
    void setCount();
    void checkedText_data();
    void checkedText();
    void indexOfCaption();
    void emptyControl();
    void settingRaisesNoNotification();
    void relayoutNotifies();
    void mouse_data();
    void mouse();
    void mouseTakesFocusInGap();
    void keys_data();
    void keys();
    void toggleKeys_data();
    void toggleKeys();
    void escapeGoesToWindow();
    void painting();
    void focusMarkOnlyWithFocus();
};

void TestMultiChk::defaults()
{
    TMultiChk list;
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.cols(), 3);
    QCOMPARE(list.rows(), 0);
    QCOMPARE(list.chkWidth(), 14);
    QCOMPARE(list.capWidth(), 26);
    QCOMPARE(list.itemHeight(), 14);
    QCOMPARE(list.spacing(), 3);
    QCOMPARE(list.focusIndex(), 0);
    QCOMPARE(list.sizeHint(), QSize(141, 3));
    QVERIFY(list.focusPolicy() & Qt::TabFocus);
    QCOMPARE(list.font().pixelSize(), 14);
    QCOMPARE(list.font().family(), QStringLiteral("宋体"));
}

void TestMultiChk::geometry_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("capWidth");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QRect>("caption");

    // The zone counts of the condition panel.
    QTest::newRow("zone first") << 5 << 10 << 5 << QSize(153, 20) << 0 << QRect(3, 3, 14, 14) << QRect(20, 3, 10, 14);
    QTest::newRow("zone last") << 5 << 10 << 5 << QSize(153, 20) << 4 << QRect(123, 3, 14, 14) << QRect(140, 3, 10, 14);
    // The ratio lists: seven captions of width 23.
    QTest::newRow("ratio") << 7 << 23 << 7 << QSize(304, 20) << 6 << QRect(261, 3, 14, 14) << QRect(278, 3, 23, 14);
    // Seven items wrapped into three columns: the last row holds one item.
    QTest::newRow("wrapped middle") << 7 << 15 << 3 << QSize(108, 54) << 4 << QRect(38, 20, 14, 14) << QRect(55, 20, 15, 14);
    QTest::newRow("wrapped last") << 7 << 15 << 3 << QSize(108, 54) << 6 << QRect(3, 37, 14, 14) << QRect(20, 37, 15, 14);
    QTest::newRow("no caption") << 2 << 0 << 1 << QSize(23, 37) << 1 << QRect(3, 20, 14, 14) << QRect(20, 20, 0, 14);
}

void TestMultiChk::geometry()
{
    QFETCH(int, items);
    QFETCH(int, capWidth);
    QFETCH(int, cols);
    QFETCH(QSize, size);
    QFETCH(int, index);
    QFETCH(QRect, box);
    QFETCH(QRect, caption);

    TMultiChk list;
    Fill(list, Numbers(0, items - 1), capWidth, cols);
    QCOMPARE(list.size(), size);
    QCOMPARE(list.sizeHint(), size);
    QCOMPARE(list.rows(), (items + cols - 1) / cols);
    QCOMPARE(list.RectOfChk(index), box);
    QCOMPARE(list.RectOfCap(index), caption);
}

void TestMultiChk::sizeHoldsInLayoutAndAtFixedPlace()
{
    QWidget window;
    auto *row = new QHBoxLayout(&window);
    auto *inLayout = new TMultiChk;
    Fill(*inLayout, Numbers(0, 4), 10, 5);
    row->addWidget(inLayout);
    auto *placed = new TMultiChk(&window);
    Fill(*placed, Numbers(0, 4), 10, 5);
    window.resize(600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A layout gives it its own size, not the room it has.
    QCOMPARE(inLayout->size(), QSize(153, 20));
    // The condition panel places its controls with setGeometry; the position is
    // taken, the size stays that of the items.
    placed->setGeometry(96, 18, 400, 90);
    QCOMPARE(placed->geometry(), QRect(96, 18, 153, 20));
    // A later change of the items resizes it in place.
    placed->SetCols(1);
    QCOMPARE(placed->geometry(), QRect(96, 18, 33, 88));
}

void TestMultiChk::errors_data()
{
    QTest::addColumn<std::function<void(TMultiChk &)>>("call");
    QTest::addColumn<QString>("message");

    using Call = std::function<void(TMultiChk &)>;
    QTest::newRow("count negative") << Call([](TMultiChk &l) { l.SetCount(-1); }) << "SetCount Error!";
    QTest::newRow("cols negative") << Call([](TMultiChk &l) { l.SetCols(-2); }) << "SetCols Error!";
    QTest::newRow("cols zero") << Call([](TMultiChk &l) { l.SetCols(0); }) << "SetCols Error!";
    QTest::newRow("cap width negative") << Call([](TMultiChk &l) { l.SetCapWidth(-1); }) << "SetCapWidth Error!";
    QTest::newRow("check at count") << Call([](TMultiChk &l) { l.SetCheck(6, true); }) << "SetCheck Error!";
    QTest::newRow("check negative") << Call([](TMultiChk &l) { l.SetCheck(-1, false); }) << "SetCheck Error!";
    QTest::newRow("caption at count") << Call([](TMultiChk &l) { l.GetCaption(6); }) << "GetCaption Error!";
    QTest::newRow("caption negative") << Call([](TMultiChk &l) { l.GetCaption(-1); }) << "GetCaption Error!";
    QTest::newRow("box at count") << Call([](TMultiChk &l) { l.RectOfChk(6); }) << "RectOfChk Index Error!";
    QTest::newRow("box negative") << Call([](TMultiChk &l) { l.RectOfChk(-1); }) << "RectOfChk Index Error!";
    QTest::newRow("caption rect at count") << Call([](TMultiChk &l) { l.RectOfCap(6); }) << "RectOfCap Index Error!";
    QTest::newRow("caption rect negative") << Call([](TMultiChk &l) { l.RectOfCap(-1); }) << "RectOfCap Index Error!";
}

void TestMultiChk::errors()
{
    QFETCH(std::function<void(TMultiChk &)>, call);
    QFETCH(QString, message);

    TMultiChk list;
    Fill(list, Numbers(0, 5), 10, 6);
    list.SetCheckedText(QStringLiteral(","), QStringLiteral("1,3"));
    const State before = Snapshot(list);
    QSignalSpy changed(&list, &TMultiChk::changed);

    QCOMPARE(ErrorOf([&] { call(list); }), message);
    QVERIFY(Snapshot(list) == before);
    QCOMPARE(changed.count(), 0);
}

void TestMultiChk::getCheckOutsideIsUnchecked()
{
    TMultiChk list;
    Fill(list, Numbers(0, 3), 10, 4);
    for (int i = 0; i < 4; ++i)
        list.SetCheck(i, true);
    QVERIFY(list.GetCheck(3));
    QVERIFY(!list.GetCheck(4));
    QVERIFY(!list.GetCheck(6));
    QVERIFY(!list.GetCheck(-1));
}

void TestMultiChk::setCount()
{
    TMultiChk list;
    Fill(list, Numbers(0, 2), 10, 3);
    list.SetCheck(2, true);
    // More items: the new ones exist, unchecked and without caption, and can be
    // painted and hit like the others.
    list.SetCount(5);
    QCOMPARE(list.count(), 5);
    QCOMPARE(list.rows(), 2);
    QCOMPARE(list.GetCaption(4), QString());
    QVERIFY(!list.GetCheck(4));
    list.SetCheck(4, true);
    QCOMPARE(list.CheckedCount(), 2);
    // Fewer items: the dropped ones are gone with their flags.
    list.SetCount(2);
    QCOMPARE(list.CheckedCount(), 0);
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QString());
    QCOMPARE(ErrorOf([&] { list.GetCaption(2); }), QStringLiteral("GetCaption Error!"));
}

void TestMultiChk::checkedText_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checked");

    const QStringList digits = Numbers(0, 5);
    const QStringList ratios(RatioCaptions.begin(), RatioCaptions.end());
    QTest::newRow("plain") << digits << "," << "1,3" << "1,3";
    QTest::newRow("out of order") << digits << "," << "3,1" << "1,3";
    QTest::newRow("doubled and trailing separator") << digits << "," << ",1,,3," << "1,3";
    QTest::newRow("blanks around the text") << digits << "," << "  1,3\t " << "1,3";
    QTest::newRow("blank inside a piece") << digits << "," << "1, 3" << "1";
    QTest::newRow("unknown piece") << digits << "," << "7" << "";
    QTest::newRow("unknown among known") << digits << "," << "1,7,3" << "1,3";
    // Only the number grid drops a leading zero; here 01 is no caption.
    QTest::newRow("leading zero") << digits << "," << "01,3" << "3";
    QTest::newRow("repeated piece") << digits << "," << "2,2" << "2";
    QTest::newRow("empty text") << digits << "," << "" << "";
    QTest::newRow("other separator") << digits << "#" << "0#5" << "0,5";
    QTest::newRow("ratios") << ratios << "," << "2:4,3:3,4:2" << "2:4,3:3,4:2";
    // A separator that occurs inside the captions cuts them apart: nothing matches.
    QTest::newRow("ratio with colon separator") << ratios << ":" << "3:3" << "";
}

void TestMultiChk::checkedText()
{
    QFETCH(QStringList, captions);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(QString, checked);

    TMultiChk list;
    Fill(list, captions, 23, static_cast<int>(captions.size()));
    // Whatever was checked before is replaced.
    for (int i = 0; i < list.count(); ++i)
        list.SetCheck(i, i % 2 == 0);
    list.SetCheckedText(separator, text);
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), checked);

    // And the text read back restores the same items from any state.
    const QString written = list.GetCheckedText(separator);
    list.ClearChecks();
    list.SetCheck(0, true);
    list.SetCheckedText(separator, written);
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), checked);
}

void TestMultiChk::indexOfCaption()
{
    TMultiChk list;
    Fill(list, {QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("c")}, 10, 4);
    QCOMPARE(list.IndexOfCaption(QStringLiteral("a")), 2);
    QCOMPARE(list.IndexOfCaption(QStringLiteral("B")), 1);
    QCOMPARE(list.IndexOfCaption(QStringLiteral("b")), -1);
    QCOMPARE(list.IndexOfCaption(QString()), -1);
    // With two items of one caption, the text checks the later one.
    list.SetCheckedText(QStringLiteral(","), QStringLiteral("a"));
    QVERIFY(!list.GetCheck(0));
    QVERIFY(list.GetCheck(2));
}

void TestMultiChk::emptyControl()
{
    TMultiChk list;
    QSignalSpy changed(&list, &TMultiChk::changed);
    QCOMPARE(list.CheckedCount(), 0);
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QString());
    list.ClearChecks();
    list.SetCheckedText(QStringLiteral(","), QStringLiteral("1,2"));
    QCOMPARE(list.CheckedCount(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestMultiChk::settingRaisesNoNotification()
{
    TMultiChk list;
    Fill(list, Numbers(0, 5), 10, 6);
    QSignalSpy changed(&list, &TMultiChk::changed);
    list.SetCheck(1, true);
    list.SetCheck(1, true);
    list.ClearChecks();
    list.SetCheckedText(QStringLiteral(","), QStringLiteral("2,4"));
    QCOMPARE(list.CheckedCount(), 2);
    // Settings equal to the current ones do not lay the control out again.
    list.SetCols(6);
    list.SetCapWidth(10);
    list.SetCount(6);
    QCOMPARE(changed.count(), 0);
}

void TestMultiChk::relayoutNotifies()
{
    TMultiChk list;
    QSignalSpy changed(&list, &TMultiChk::changed);
    list.AddItem(QStringLiteral("0"));
    QCOMPARE(changed.count(), 1);
    list.SetCols(1);
    QCOMPARE(changed.count(), 2);
    list.SetCapWidth(12);
    QCOMPARE(changed.count(), 3);
    list.SetCount(3);
    QCOMPARE(changed.count(), 4);
}

void TestMultiChk::mouse_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("toggled");

    // Zone layout: boxes at 3, 33, 63, ... (14 wide), captions 17 further (10 wide).
    QTest::newRow("box") << QPoint(37, 8) << Qt::LeftButton << 1;
    QTest::newRow("box top left corner") << QPoint(33, 3) << Qt::LeftButton << 1;
    QTest::newRow("box last pixel") << QPoint(46, 16) << Qt::LeftButton << 1;
    QTest::newRow("caption") << QPoint(52, 10) << Qt::LeftButton << 1;
    QTest::newRow("caption last pixel") << QPoint(59, 16) << Qt::LeftButton << 1;
    QTest::newRow("right button") << QPoint(37, 8) << Qt::RightButton << 1;
    QTest::newRow("gap between box and caption") << QPoint(48, 8) << Qt::LeftButton << -1;
    QTest::newRow("box right edge is outside") << QPoint(47, 8) << Qt::LeftButton << -1;
    QTest::newRow("gap between items") << QPoint(61, 8) << Qt::LeftButton << -1;
    QTest::newRow("below the row") << QPoint(37, 17) << Qt::LeftButton << -1;
    QTest::newRow("top spacing") << QPoint(37, 1) << Qt::LeftButton << -1;
}

void TestMultiChk::mouse()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, toggled);

    TMultiChk list;
    Fill(list, Numbers(0, 4), 10, 5);
    list.SetCheck(4, true);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changed(&list, &TMultiChk::changed);

    QTest::mousePress(&list, button, Qt::NoModifier, at);
    QTest::mouseRelease(&list, button, Qt::NoModifier, at);
    if (toggled < 0) {
        QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QStringLiteral("4"));
        QCOMPARE(list.focusIndex(), 0);
        QCOMPARE(changed.count(), 0);
        return;
    }
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QStringLiteral("1,4"));
    QCOMPARE(list.focusIndex(), toggled);
    QCOMPARE(changed.count(), 1);
    // A second press switches it back.
    QTest::mouseClick(&list, button, Qt::NoModifier, at);
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QStringLiteral("4"));
    QCOMPARE(changed.count(), 2);
}

void TestMultiChk::mouseTakesFocusInGap()
{
    QWidget window;
    auto *other = new TMultiChk(&window);
    auto *list = new TMultiChk(&window);
    Fill(*list, Numbers(0, 4), 10, 5);
    list->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QVERIFY(other->hasFocus());
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(61, 8));
    QVERIFY(list->hasFocus());
    QCOMPARE(list->CheckedCount(), 0);
}

void TestMultiChk::keys_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("notes");

    QTest::newRow("left at first") << 7 << 3 << 0 << int(Qt::Key_Left) << 0 << 1;
    QTest::newRow("left") << 7 << 3 << 4 << int(Qt::Key_Left) << 3 << 1;
    QTest::newRow("right") << 7 << 3 << 2 << int(Qt::Key_Right) << 3 << 1;
    QTest::newRow("right at last") << 7 << 3 << 6 << int(Qt::Key_Right) << 6 << 1;
    QTest::newRow("up in first row") << 7 << 3 << 2 << int(Qt::Key_Up) << 2 << 1;
    QTest::newRow("up") << 7 << 3 << 5 << int(Qt::Key_Up) << 2 << 1;
    QTest::newRow("up to first") << 7 << 3 << 3 << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("down") << 7 << 3 << 3 << int(Qt::Key_Down) << 6 << 1;
    QTest::newRow("down to no item") << 7 << 3 << 4 << int(Qt::Key_Down) << 4 << 1;
    QTest::newRow("down in last row") << 7 << 3 << 6 << int(Qt::Key_Down) << 6 << 1;
    QTest::newRow("one row down") << 7 << 7 << 3 << int(Qt::Key_Down) << 3 << 1;
    QTest::newRow("one row up") << 7 << 7 << 3 << int(Qt::Key_Up) << 3 << 1;
    QTest::newRow("page up") << 7 << 3 << 4 << int(Qt::Key_PageUp) << 4 << 1;
    QTest::newRow("page down") << 7 << 3 << 4 << int(Qt::Key_PageDown) << 4 << 1;
    QTest::newRow("letter") << 7 << 3 << 4 << int(Qt::Key_A) << 4 << 1;
    // Home and End lay the control out again, which notifies as well.
    QTest::newRow("home") << 7 << 3 << 4 << int(Qt::Key_Home) << 4 << 2;
    QTest::newRow("end") << 7 << 3 << 4 << int(Qt::Key_End) << 4 << 2;
    QTest::newRow("no items") << 0 << 3 << 0 << int(Qt::Key_Right) << 0 << 1;
}

void TestMultiChk::keys()
{
    QFETCH(int, items);
    QFETCH(int, cols);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, focus);
    QFETCH(int, notes);

    TMultiChk list;
    Fill(list, Numbers(0, items - 1), 10, cols);
    for (int i = 0; i < start; ++i)
        QTest::keyClick(&list, Qt::Key_Right);
    QCOMPARE(list.focusIndex(), start);

    QSignalSpy changed(&list, &TMultiChk::changed);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&list, &press);
    QVERIFY(press.isAccepted());
    QCOMPARE(list.focusIndex(), focus);
    QCOMPARE(changed.count(), notes);
    QCOMPARE(list.CheckedCount(), 0);
}

void TestMultiChk::toggleKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void TestMultiChk::toggleKeys()
{
    QFETCH(int, key);

    TMultiChk list;
    Fill(list, Numbers(0, 5), 10, 6);
    QTest::keyClick(&list, Qt::Key_Right);
    QTest::keyClick(&list, Qt::Key_Right);
    QSignalSpy changed(&list, &TMultiChk::changed);
    QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.GetCheckedText(QStringLiteral(",")), QStringLiteral("2"));
    QCOMPARE(changed.count(), 1);
    QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.CheckedCount(), 0);
    QCOMPARE(changed.count(), 2);
}

void TestMultiChk::escapeGoesToWindow()
{
    TMultiChk list;
    Fill(list, Numbers(0, 5), 10, 6);
    QSignalSpy changed(&list, &TMultiChk::changed);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&list, &press);
    QVERIFY(!press.isAccepted());
    QCOMPARE(changed.count(), 0);
}

void TestMultiChk::painting()
{
    auto render = [&](QWidget &widget) {
        QImage image(widget.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };

    // Without items only the background is painted, in the colour the control
    // inherits (here from a coloured box, as on the condition panel).
    QWidget box;
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, QColor(231, 220, 216));
    box.setPalette(palette);
    TMultiChk empty(&box);
    const QImage blank = render(empty);
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            QCOMPARE(blank.pixelColor(x, y).rgb(), QColor(231, 220, 216).rgb());

    TMultiChk list;
    Fill(list, QStringList(RatioCaptions.begin(), RatioCaptions.end()), 23, 7);
    const QImage unchecked = render(list);
    list.SetCheck(3, true);
    const QImage checked = render(list);
    // The glyph of item 3 changes with its flag, item 2 does not.
    const QRect box3 = list.RectOfChk(3);
    const QRect box2 = list.RectOfChk(2);
    QVERIFY(checked.copy(box3) != unchecked.copy(box3));
    QCOMPARE(checked.copy(box2), unchecked.copy(box2));
    // The caption is drawn inside its own area.
    const QImage caption = checked.copy(list.RectOfCap(3));
    bool inked = false;
    for (int y = 0; y < caption.height() && !inked; ++y)
        for (int x = 0; x < caption.width() && !inked; ++x)
            inked = caption.pixelColor(x, y).rgb() != list.palette().color(QPalette::Window).rgb();
    QVERIFY(inked);

    QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
    QVERIFY(checked.save(QDir(QStringLiteral(SSQ_RENDER_DIR)).filePath(QStringLiteral("multichk_ratio.png"))));
}

void TestMultiChk::focusMarkOnlyWithFocus()
{
    QWidget window;
    auto *other = new TMultiChk(&window);
    auto *list = new TMultiChk(&window);
    Fill(*list, Numbers(0, 5), 15, 6);
    list->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(list, Qt::Key_Right);
    other->setFocus();
    const QImage without = list->grab().toImage();
    list->setFocus();
    QVERIFY(list->hasFocus());
    const QImage with = list->grab().toImage();
    // The mark surrounds the caption of the focused item and nothing else.
    const QRect focused = list->RectOfCap(1).adjusted(-1, 0, 1, 0);
    QVERIFY(with.copy(focused) != without.copy(focused));
    for (int i : {0, 2, 5})
        QCOMPARE(with.copy(list->RectOfCap(i)), without.copy(list->RectOfCap(i)));
}

QTEST_MAIN(TestMultiChk)
#include "tst_MultiChk.moc"
