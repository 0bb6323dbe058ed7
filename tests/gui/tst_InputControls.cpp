// The three input controls of the condition panels: the check list (TMultiChk), the
// coloured number grid (TColorMChk) and the row of spin edits (TMultiSpinEdit). They share
// one item-grid base, so one table drives the keys of all three.
#include "code/SsqError.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiSe.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace {

// A control with `items` items in `cols` columns: "chk" a check list with captions 0..,
// "grid" the number grid of the reduction panel (cells 30 by 20, gap 6), "spin" spin edits.
std::unique_ptr<QWidget> Make(const QString &kind, int items, int cols)
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

int FocusOf(QWidget *w)
{
    if (auto *list = qobject_cast<TMultiChk *>(w))
        return list->focusIndex();
    if (auto *grid = qobject_cast<TColorMChk *>(w))
        return grid->focusIndex();
    return qobject_cast<TMultiSpinEdit *>(w)->focusIndex();
}

QString StateOf(QWidget *w)
{
    if (auto *list = qobject_cast<TMultiChk *>(w))
        return list->GetCheckedText(QStringLiteral(","));
    if (auto *grid = qobject_cast<TColorMChk *>(w))
        return grid->GetCheckedText(QStringLiteral(","));
    return qobject_cast<TMultiSpinEdit *>(w)->GetValuesText(QStringLiteral(","));
}

} // namespace

class TestInputControls : public QObject
{
    Q_OBJECT

private slots:
    // Moving the focus: it stays at the edges, never lands where there is no item, and
    // every key notifies (Home and End lay the control out again, which notifies twice).
    void keys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("notes");
        const struct { const char *tag, *kind; int items, cols, start, key, focus, notes; } rows[] = {
            {"chk left at first", "chk", 7, 3, 0, Qt::Key_Left, 0, 1},
            {"chk right at last", "chk", 7, 3, 6, Qt::Key_Right, 6, 1},
            {"chk up", "chk", 7, 3, 5, Qt::Key_Up, 2, 1},
            {"chk down", "chk", 7, 3, 3, Qt::Key_Down, 6, 1},
            {"chk down to no item", "chk", 7, 3, 4, Qt::Key_Down, 4, 1},
            {"chk home", "chk", 7, 3, 4, Qt::Key_Home, 4, 2},
            {"grid down from 22", "grid", 33, 10, 22, Qt::Key_Down, 32, 1},
            {"grid down from 23", "grid", 33, 10, 23, Qt::Key_Down, 23, 1},
            {"grid left across rows", "grid", 33, 10, 10, Qt::Key_Left, 9, 1},
            {"grid end", "grid", 33, 10, 12, Qt::Key_End, 12, 2},
            {"spin down", "spin", 4, 2, 1, Qt::Key_Down, 3, 1},
            {"spin enter", "spin", 4, 2, 3, Qt::Key_Return, 3, 1},
        };
        for (const auto &r : rows)
            QTest::newRow(r.tag) << QString::fromLatin1(r.kind) << r.items << r.cols << r.start << r.key << r.focus << r.notes;
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
        auto control = Make(kind, items, cols);
        for (int i = 0; i < start; ++i)
            QTest::keyClick(control.get(), Qt::Key_Right);
        QCOMPARE(FocusOf(control.get()), start);
        const QString before = StateOf(control.get());
        QSignalSpy changed(control.get(), SIGNAL(changed()));
        QTest::keyClick(control.get(), Qt::Key(key));
        QCOMPARE(FocusOf(control.get()), focus);
        QCOMPARE(changed.count(), notes);
        QCOMPARE(StateOf(control.get()), before);
    }

    // Return, Enter and Space toggle the focused item of the check controls.
    void toggleKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("key");
        for (const char *kind : {"chk", "grid"}) {
            QTest::addRow("%s return", kind) << QString::fromLatin1(kind) << int(Qt::Key_Return);
            QTest::addRow("%s space", kind) << QString::fromLatin1(kind) << int(Qt::Key_Space);
        }
    }
    void toggleKeys()
    {
        QFETCH(QString, kind);
        QFETCH(int, key);
        auto control = Make(kind, 6, 6);
        QTest::keyClick(control.get(), Qt::Key_Right);
        QTest::keyClick(control.get(), Qt::Key_Right);
        QSignalSpy changed(control.get(), SIGNAL(changed()));
        QTest::keyClick(control.get(), Qt::Key(key));
        QCOMPARE(StateOf(control.get()), kind == QLatin1String("chk") ? QStringLiteral("2") : QStringLiteral("3"));
        QTest::keyClick(control.get(), Qt::Key(key));
        QCOMPARE(StateOf(control.get()), QString());
        QCOMPARE(changed.count(), 2);
    }

    // The texts the condition file and the group editors hand to the controls.
    void texts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("grid leading zeros") << "grid" << "01,08,09" << "1,8,9";
        QTest::newRow("grid two leading zeros") << "grid" << "001,2" << "2";
        QTest::newRow("grid unknown") << "grid" << "34,40,7" << "7";
        QTest::newRow("grid doubled separators") << "grid" << " ,01,,08,09, " << "1,8,9";
        QTest::newRow("spin one piece") << "spin" << "21" << "21,2";
        QTest::newRow("spin signs") << "spin" << "-5,+7" << "-5,7";
        QTest::newRow("spin surplus pieces") << "spin" << "3,51,x" << "3,51";
        for (const char *bad : {"3,1O", "3,99999999999"})
            QTest::addRow("spin refuses %s", bad) << "spin" << bad << "<refused>";
    }
    void texts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, read);
        if (kind == QLatin1String("grid")) {
            TColorMChk grid;
            for (int n = 1; n <= 33; ++n)
                grid.AddItem(QString::number(n));
            grid.SelectAll();
            grid.SetCheckedText(QStringLiteral(","), text);
            QCOMPARE(grid.GetCheckedText(QStringLiteral(",")), read);
            return;
        }
        TMultiSpinEdit range;
        range.AddItem(QStringLiteral("最小值:"));
        range.AddItem(QStringLiteral("最大值:"));
        range.SetCols(2);
        range.SetValuesText(QStringLiteral(","), QStringLiteral("1,2"));
        QSignalSpy changed(&range, &TMultiSpinEdit::changed);
        try {
            range.SetValuesText(QStringLiteral(","), text);
        } catch (const SsqError &) {
            QCOMPARE(read, QStringLiteral("<refused>"));
            QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("1,2"));   // nothing changed
            return;
        }
        QCOMPARE(range.GetValuesText(QStringLiteral(",")), read);
        QCOMPARE(range.spinEdit(1)->value(), range.GetValue(1));
        QCOMPARE(changed.count(), 0);
    }

    // An emptied box never runs as a hidden 0: read while still empty, it shows its value
    // again and that value is used; a typed value counts without Enter.
    void emptiedBoxKeepsItsValue()
    {
        QWidget window;
        TMultiSpinEdit range(&window);
        range.AddItem(QStringLiteral("最小值:"));
        range.AddItem(QStringLiteral("最大值:"));
        range.SetCols(2);
        range.SetValuesText(QStringLiteral(","), QStringLiteral("3,10"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSpinBox *edit = range.spinEdit(1);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->cleanText(), QString());
        QCOMPARE(range.GetValue(1), 10);
        QCOMPARE(edit->cleanText(), QStringLiteral("10"));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("28"));
        QCOMPARE(range.GetValuesText(QStringLiteral(",")), QStringLiteral("3,28"));
    }

    // What is drawn follows the flags: the grid's checked cells are red with a raised
    // frame.
    void painting()
    {
        auto grid = Make(QStringLiteral("grid"), 33, 10);
        auto *g = qobject_cast<TColorMChk *>(grid.get());
        g->SetCheckedText(QStringLiteral(","), QStringLiteral("2,33"));
        const QImage image = g->grab().toImage();
        auto fillAt = [&](int index) { return image.pixelColor(g->RectOfChk(index).topLeft() + QPoint(1, 1)).rgb(); };
        QCOMPARE(fillAt(1), QColor(255, 0, 0).rgb());
        QCOMPARE(fillAt(32), QColor(255, 0, 0).rgb());
        QCOMPARE(fillAt(2), g->palette().color(QPalette::Button).rgb());
        QCOMPARE(image.pixelColor(g->RectOfChk(1).topLeft()).rgb(), g->palette().color(QPalette::Light).rgb());
        QCOMPARE(image.pixelColor(g->RectOfChk(1).bottomRight()).rgb(), g->palette().color(QPalette::Dark).rgb());
    }
};

QTEST_MAIN(TestInputControls)
#include "tst_InputControls.moc"
