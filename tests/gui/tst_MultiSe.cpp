#include "code/SsqError.h"
#include "controls/MultiSe.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <limits>

// Declared before the first test that uses it as a data column: a later declaration
// clashes with the generic one the column has already instantiated.
Q_DECLARE_METATYPE(std::function<void(TMultiSpinEdit &)>)

namespace {

// A value range as the condition panel builds it.
void MakeRange(TMultiSpinEdit &range, int spinWidth = 40)
{
    range.AddItem(QStringLiteral("最小值:"));
    range.AddItem(QStringLiteral("最大值:"));
    range.SetCapWidth(60);
    range.SetSpinWidth(spinWidth);
    range.SetCols(2);
}

struct State
{
    int count, cols, rows, capWidth, spinWidth;
    QString values;
    QString captions;
    QSize size;
    bool operator==(const State &) const = default;
};

State Snapshot(const TMultiSpinEdit &range)
{
    QStringList captions;
    for (int i = 0; i < range.count(); ++i)
        captions.append(range.caption(i));
    return {range.count(), range.cols(), range.rows(), range.capWidth(), range.spinWidth(),
            range.GetValuesText(QStringLiteral(",")), captions.join(QLatin1Char('|')), range.size()};
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

class TestMultiSe : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void geometry_data();
    void geometry();
    void spinEditsFollowTheLayout();
    void spinEditSettings();
    void errors_data();
    void errors();
    void valuesText_data();
    void valuesText();
    void badPieceChangesNothing();
    void getValuesText();
    void emptiedBoxKeepsItsValue();
    void setItem();
    void notifications();
    void keys_data();
    void keys();
    void clickTakesFocusPressDoesNot();
    void painting();
};

void TestMultiSe::defaults()
{
    TMultiSpinEdit range;
    QCOMPARE(range.count(), 0);
    QCOMPARE(range.cols(), 3);
    QCOMPARE(range.spinWidth(), 40);
    QCOMPARE(range.capWidth(), 50);
    QCOMPARE(range.itemHeight(), 22);
    QCOMPARE(range.spacing(), 3);
    QCOMPARE(range.sizeHint(), QSize(291, 3));
    QVERIFY(!(range.focusPolicy() & Qt::TabFocus));
    QCOMPARE(range.GetValuesText(QStringLiteral(",")), QString());
    QCOMPARE(range.GetValue(0), 0);
}

void TestMultiSe::geometry_data()
{
    QTest::addColumn<int>("spinWidth");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("edit");
    QTest::addColumn<QRect>("caption");

    QTest::newRow("range first") << 40 << 2 << QSize(215, 28) << 0 << QRect(63, 3, 40, 22) << QRect(6, 3, 60, 22);
    QTest::newRow("range second") << 40 << 2 << QSize(215, 28) << 1 << QRect(169, 3, 40, 22) << QRect(112, 3, 60, 22);
    QTest::newRow("sum range") << 45 << 2 << QSize(225, 28) << 1 << QRect(174, 3, 45, 22) << QRect(117, 3, 60, 22);
    QTest::newRow("one column") << 40 << 1 << QSize(109, 53) << 1 << QRect(63, 28, 40, 22) << QRect(6, 28, 60, 22);
}

void TestMultiSe::geometry()
{
    QFETCH(int, spinWidth);
    QFETCH(int, cols);
    QFETCH(QSize, size);
    QFETCH(int, index);
    QFETCH(QRect, edit);
    QFETCH(QRect, caption);

    TMultiSpinEdit range;
    MakeRange(range, spinWidth);
    range.SetCols(cols);
    QCOMPARE(range.size(), size);
    QCOMPARE(range.sizeHint(), size);
    QCOMPARE(range.RectOfSpinEd(index), edit);
    QCOMPARE(range.RectOfCap(index), caption);
    // The child box stands where the layout says, before the control is ever shown.
    QCOMPARE(range.spinEdit(index)->geometry(), edit);
}

void TestMultiSe::spinEditsFollowTheLayout()
{
    QWidget box;
    TMultiSpinEdit range(&box);
    MakeRange(range);
    range.setGeometry(80, 14, 500, 100);
    QCOMPARE(range.geometry(), QRect(80, 14, 215, 28));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(range.spinEdit(0)->geometry(), QRect(63, 3, 40, 22));
    range.SetSpinWidth(45);
    QCOMPARE(range.spinEdit(1)->geometry(), QRect(174, 3, 45, 22));
    QCOMPARE(range.width(), 225);
}

void TestMultiSe::spinEditSettings()
{
    TMultiSpinEdit range;
    MakeRange(range);
    const QSpinBox *edit = range.spinEdit(1);
    QVERIFY(edit);
    QCOMPARE(edit->parentWidget(), &range);
    QCOMPARE(edit->minimum(), std::numeric_limits<int>::min());
    QCOMPARE(edit->maximum(), std::numeric_limits<int>::max());
    QCOMPARE(edit->singleStep(), 1);
    QCOMPARE(edit->value(), 0);
    QVERIFY(!(edit->focusPolicy() & Qt::TabFocus));
    QVERIFY(!range.spinEdit(2));
    QVERIFY(!range.spinEdit(-1));
}

void TestMultiSe::errors_data()
{
    QTest::addColumn<std::function<void(TMultiSpinEdit &)>>("call");
    QTest::addColumn<QString>("message");

    using Call = std::function<void(TMultiSpinEdit &)>;
    QTest::newRow("item at count") << Call([](TMultiSpinEdit &r) { r.SetItem(2, QStringLiteral("x"), 5); }) << "SetItem Error!";
    QTest::newRow("item negative") << Call([](TMultiSpinEdit &r) { r.SetItem(-1, QStringLiteral("x"), 5); }) << "SetItem Error!";
    QTest::newRow("cols negative") << Call([](TMultiSpinEdit &r) { r.SetCols(-1); }) << "SetCols Error!";
    QTest::newRow("cols zero") << Call([](TMultiSpinEdit &r) { r.SetCols(0); }) << "SetCols Error!";
    QTest::newRow("cap width") << Call([](TMultiSpinEdit &r) { r.SetCapWidth(-5); }) << "SetCapWidth Error!";
    QTest::newRow("edit rect at count") << Call([](TMultiSpinEdit &r) { r.RectOfSpinEd(2); }) << "RectOfSpinEd Index Error!";
    QTest::newRow("edit rect negative") << Call([](TMultiSpinEdit &r) { r.RectOfSpinEd(-1); }) << "RectOfSpinEd Index Error!";
    QTest::newRow("caption rect at count") << Call([](TMultiSpinEdit &r) { r.RectOfCap(2); }) << "RectOfCap Index Error!";
    QTest::newRow("caption rect negative") << Call([](TMultiSpinEdit &r) { r.RectOfCap(-1); }) << "RectOfCap Index Error!";
    QTest::newRow("letters") << Call([](TMultiSpinEdit &r) { r.SetValuesText(QStringLiteral(","), QStringLiteral("7,ab")); })
                             << "'ab' is not a valid integer value";
}

void TestMultiSe::errors()
{
    QFETCH(std::function<void(TMultiSpinEdit &)>, call);
    QFETCH(QString, message);

    TMultiSpinEdit range;
    MakeRange(range);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("3,10"));
    const State before = Snapshot(range);
    QSignalSpy changed(&range, &TMultiSpinEdit::changed);

    QCOMPARE(ErrorOf([&] { call(range); }), message);
    QVERIFY(Snapshot(range) == before);
    QCOMPARE(changed.count(), 0);
}

void TestMultiSe::valuesText_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("values");

    // The control starts at 1,2 in every row.
    QTest::newRow("both") << "," << "3,10" << "3,10";
    QTest::newRow("one piece") << "," << "21" << "21,2";
    QTest::newRow("doubled separator") << "," << "3,,10" << "3,10";
    QTest::newRow("separators at the ends") << "," << ",3,10," << "3,10";
    QTest::newRow("blanks around the text") << "," << "  21,180 \r\n" << "21,180";
    QTest::newRow("blanks around the pieces") << "," << "3 , 10" << "3,10";
    QTest::newRow("negative") << "," << "-5,+7" << "-5,7";
    QTest::newRow("surplus pieces") << "," << "3,51,99,100" << "3,51";
    QTest::newRow("surplus piece not a number") << "," << "3,51,x" << "3,51";
    QTest::newRow("empty text") << "," << "" << "1,2";
    QTest::newRow("only separators") << "," << ",,," << "1,2";
    QTest::newRow("other separator") << "#" << "4#9" << "4,9";
    QTest::newRow("largest") << "," << "-2147483648,2147483647" << "-2147483648,2147483647";
}

void TestMultiSe::valuesText()
{
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(QString, values);

    TMultiSpinEdit range;
    MakeRange(range);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("1,2"));
    QSignalSpy changed(&range, &TMultiSpinEdit::changed);
    range.SetValuesText(separator, text);
    QCOMPARE(range.GetValuesText(QStringLiteral(",")), values);
    QCOMPARE(range.spinEdit(0)->value(), range.GetValue(0));
    QCOMPARE(changed.count(), 0);
}

void TestMultiSe::badPieceChangesNothing()
{
    const QStringList bad = {QStringLiteral("abc,10"), QStringLiteral("3,1O"), QStringLiteral("3.5,10"),
                             QStringLiteral("3,99999999999"), QStringLiteral("0x10,3")};
    for (const QString &text : bad) {
        TMultiSpinEdit range;
        MakeRange(range);
        range.SetValuesText(QStringLiteral(","), QStringLiteral("21,180"));
        QVERIFY_THROWS_EXCEPTION(SsqError, range.SetValuesText(QStringLiteral(","), text));
        QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("21,180"));
    }
}

void TestMultiSe::getValuesText()
{
    TMultiSpinEdit range;
    MakeRange(range);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("3,10"));
    QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("3,10"));
    QCOMPARE(range.GetValuesText(QStringLiteral("#")), QStringLiteral("3#10"));
    QCOMPARE(range.GetValue(0), 3);
    QCOMPARE(range.GetValue(1), 10);
    QCOMPARE(range.GetValue(2), 0);
    QCOMPARE(range.GetValue(-1), 0);
}

void TestMultiSe::emptiedBoxKeepsItsValue()
{
    QWidget window;
    TMultiSpinEdit range(&window);
    MakeRange(range);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("3,10"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSpinBox *edit = range.spinEdit(1);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->cleanText(), QString());
    // Read while the box is still empty (a tool button takes no focus): the box shows
    // its value again, and that value is what the run uses; never a hidden 0.
    QCOMPARE(range.GetValue(1), 10);
    QCOMPARE(edit->cleanText(), QStringLiteral("10"));
    // A typed value counts without Enter.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("28"));
    QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("3,28"));
    QCOMPARE(edit->cleanText(), QStringLiteral("28"));
}

void TestMultiSe::setItem()
{
    TMultiSpinEdit range;
    MakeRange(range);
    QSignalSpy changed(&range, &TMultiSpinEdit::changed);
    range.SetItem(1, QStringLiteral("上限:"), 33);
    QCOMPARE(range.caption(1), QStringLiteral("上限:"));
    QCOMPARE(range.GetValue(1), 33);
    QCOMPARE(range.caption(0), QStringLiteral("最小值:"));
    QCOMPARE(range.GetValue(0), 0);
    QCOMPARE(changed.count(), 0);
}

void TestMultiSe::notifications()
{
    TMultiSpinEdit range;
    QSignalSpy changed(&range, &TMultiSpinEdit::changed);
    range.AddItem(QStringLiteral("最小值:"));
    QCOMPARE(changed.count(), 1);
    range.SetCapWidth(60);
    range.SetCols(2);
    range.SetSpinWidth(45);
    QCOMPARE(changed.count(), 4);
    // Equal settings and value changes of the boxes are not notified.
    range.SetCapWidth(60);
    range.SetCols(2);
    range.SetSpinWidth(45);
    range.spinEdit(0)->setValue(12);
    range.spinEdit(0)->stepUp();
    QCOMPARE(range.GetValue(0), 13);
    QCOMPARE(changed.count(), 4);
}

void TestMultiSe::keys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("notes");

    // Four items in two columns.
    QTest::newRow("left at first") << 0 << int(Qt::Key_Left) << 0 << 1;
    QTest::newRow("right") << 0 << int(Qt::Key_Right) << 1 << 1;
    QTest::newRow("right at last") << 3 << int(Qt::Key_Right) << 3 << 1;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 3 << 1;
    QTest::newRow("down in last row") << 2 << int(Qt::Key_Down) << 2 << 1;
    QTest::newRow("up") << 2 << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("up in first row") << 1 << int(Qt::Key_Up) << 1 << 1;
    QTest::newRow("home") << 3 << int(Qt::Key_Home) << 3 << 2;
    QTest::newRow("enter") << 3 << int(Qt::Key_Return) << 3 << 1;
    QTest::newRow("space") << 3 << int(Qt::Key_Space) << 3 << 1;
}

void TestMultiSe::keys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, focus);
    QFETCH(int, notes);

    TMultiSpinEdit range;
    for (int i = 0; i < 4; ++i)
        range.AddItem(QString::number(i));
    range.SetCols(2);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("5,6,7,8"));
    for (int i = 0; i < start; ++i)
        QTest::keyClick(&range, Qt::Key_Right);
    QSignalSpy changed(&range, &TMultiSpinEdit::changed);
    QTest::keyClick(&range, Qt::Key(key));
    QCOMPARE(range.focusIndex(), focus);
    QCOMPARE(changed.count(), notes);
    QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("5,6,7,8"));
}

void TestMultiSe::clickTakesFocusPressDoesNot()
{
    QWidget window;
    auto *other = new QSpinBox(&window);
    auto *range = new TMultiSpinEdit(&window);
    MakeRange(*range);
    range->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy changed(range, &TMultiSpinEdit::changed);
    QTest::mousePress(range, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QVERIFY(other->hasFocus());
    QTest::mouseRelease(range, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QVERIFY(range->hasFocus());
    QCOMPARE(changed.count(), 0);
}

void TestMultiSe::painting()
{
    QWidget box;
    box.resize(240, 40);
    TMultiSpinEdit range(&box);
    MakeRange(range, 45);
    range.SetValuesText(QStringLiteral(","), QStringLiteral("21,180"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();
    // Captions are drawn in their areas, left of the boxes.
    const QImage caption = image.copy(range.RectOfCap(1).adjusted(0, 0, -range.spacing(), 0));
    const QColor background = image.pixelColor(1, 1);
    bool inked = false;
    for (int y = 0; y < caption.height() && !inked; ++y)
        for (int x = 0; x < caption.width() && !inked; ++x)
            inked = caption.pixelColor(x, y) != background;
    QVERIFY(inked);
    QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
    QVERIFY(image.save(QDir(QStringLiteral(SSQ_RENDER_DIR)).filePath(QStringLiteral("multise_sum.png"))));
}

QTEST_MAIN(TestMultiSe)
#include "tst_MultiSe.moc"
