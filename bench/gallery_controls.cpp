// Renders the three input controls in the settings the condition panel and the
// number picker use, at device pixel ratio 1 and 2, to PNG files for a look.
//
//   gallery_controls <output folder>
//
// Run it with QT_QPA_PLATFORM=offscreen where no display is at hand.

#include "core/code/Code.h"
#include "gui/controls/ColorChk.h"
#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <cstdio>

namespace {

TMultiChk *CheckList(QWidget *parent, const QStringList &captions, int capWidth)
{
    auto *list = new TMultiChk(parent);
    for (const QString &caption : captions)
        list->AddItem(caption);
    list->SetCapWidth(capWidth);
    list->SetCols(static_cast<int>(captions.size()));
    list->setCursor(Qt::PointingHandCursor);
    return list;
}

QStringList Numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

QStringList Ratios()
{
    return QStringList(RatioCaptions.begin(), RatioCaptions.end());
}

TMultiSpinEdit *Range(QWidget *parent, const QString &values, int spinWidth = 40)
{
    auto *range = new TMultiSpinEdit(parent);
    range->AddItem(QStringLiteral("最小值:"));
    range->AddItem(QStringLiteral("最大值:"));
    range->SetCapWidth(60);
    range->SetSpinWidth(spinWidth);
    range->SetCols(2);
    range->SetValuesText(QStringLiteral(","), values);
    return range;
}

TColorMChk *NumberGrid(QWidget *parent, int cellWidth, int cellHeight, int spacing)
{
    auto *grid = new TColorMChk(parent);
    for (const QString &caption : Numbers(1, 33))
        grid->AddItem(caption);
    grid->SetCols(10);
    grid->SetCellWidth(cellWidth);
    grid->SetCellHeight(cellHeight);
    grid->SetSpacing(spacing);
    grid->setCursor(Qt::PointingHandCursor);
    return grid;
}

// The panel's labels hold runs of blanks that the controls cover; with another
// font than 宋体 those runs have other widths, so only the leading words are shown.
QLabel *Label(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    label->setFont(font);
    label->adjustSize();
    label->move(left, top);
    return label;
}

// The panel's boxes are 680 pixels wide, but the third zone list (left 536) and the
// big/small ratio list (left 480, 304 wide) reach past that; the gallery shows them
// whole.
constexpr int BoxWidth = 800;

// The miscellany box of the condition tab with its controls at their fixed places.
QGroupBox *MiscBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("杂项缩水："), parent);
    box->setGeometry(0, 0, BoxWidth, 99);
    Label(box, QStringLiteral("AC值设计："), 11, 22);
    Label(box, QStringLiteral("最大间隔："), 11, 46);
    Label(box, QStringLiteral("奇偶设计："), 11, 70);
    Label(box, QStringLiteral("连号："), 307, 22);
    Label(box, QStringLiteral("有"), 525, 22);
    Label(box, QStringLiteral("总和值："), 403, 46);
    Label(box, QStringLiteral("号码大小比:"), 403, 73);
    Range(box, QStringLiteral("3,10"))->move(80, 14);
    Range(box, QStringLiteral("1,28"))->move(80, 40);
    auto *oddEven = CheckList(box, Ratios(), 23);
    oddEven->move(80, 70);
    oddEven->SetCheckedText(QStringLiteral(","), QStringLiteral("2:4,3:3,4:2"));
    CheckList(box, Ratios(), 23)->move(480, 70);
    auto *consec = CheckList(box, Numbers(0, 5), 10);
    consec->move(340, 18);
    consec->SetCheck(1, true);
    CheckList(box, Numbers(0, 3), 10)->move(540, 18);
    Range(box, QStringLiteral("21,180"), 45)->move(460, 40);
    return box;
}

// The zone box: three count lists on one line, the six-zone lists below.
QGroupBox *ZoneBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("区间类型："), parent);
    box->setGeometry(0, 0, BoxWidth, 99);
    Label(box, QStringLiteral("3区间:01-11:"), 11, 22);
    Label(box, QStringLiteral("12-22:"), 268, 22);
    Label(box, QStringLiteral("23-33:"), 488, 22);
    Label(box, QStringLiteral("6区间分段出现的区间数:"), 11, 46);
    Label(box, QStringLiteral("奇偶6区间出现的区间数:"), 11, 70);
    for (int z = 0; z < 3; ++z) {
        auto *zone = CheckList(box, Numbers(0, 4), 10);
        zone->move(96 + 220 * z, 18);
        zone->SetCheck(z + 1, true);
        zone->SetCheck(z + 2, true);
    }
    CheckList(box, Numbers(1, 6), 15)->move(180, 44);
    CheckList(box, Numbers(1, 6), 15)->move(180, 68);
    return box;
}

// The number range tab: the grid on its group box, a few numbers admitted.
QGroupBox *RangeBox(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("参奖选号："), parent);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(222, 233, 209));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    box->setGeometry(0, 0, 480, 200);
    auto *grid = NumberGrid(box, 30, 20, 6);
    grid->move(25, 80);
    grid->SetCheckedText(QStringLiteral(","), QStringLiteral("01,05,08,09,12,17,20,23,28,33"));
    return box;
}

// The same controls in an ordinary layout, to show that their size hints hold.
QWidget *LayoutPage(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = new QVBoxLayout(page);
    auto *match = CheckList(page, Numbers(0, 6), 20);
    match->SetCheckedText(QStringLiteral(","), QStringLiteral("0,1,6"));
    column->addWidget(match);
    auto *wrapped = CheckList(page, Numbers(0, 6), 15);
    wrapped->SetCols(3);
    wrapped->SetCheckedText(QStringLiteral(","), QStringLiteral("2,6"));
    column->addWidget(wrapped);
    column->addWidget(Range(page, QStringLiteral("3,51")));
    auto *picker = NumberGrid(page, 20, 20, 4);
    picker->SelectAll();
    column->addWidget(picker);
    column->addStretch();
    page->adjustSize();
    return page;
}

bool Save(QWidget *widget, const QString &folder, const QString &name)
{
    bool ok = true;
    for (int ratio : {1, 2}) {
        QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(widget->palette().color(QPalette::Window));
        widget->render(&image);
        const QString file = QDir(folder).filePath(QStringLiteral("%1@%2x.png").arg(name).arg(ratio));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
    }
    return ok;
}

// The single controls, one per picture, each in a typical state.
bool SaveSingles(const QString &folder)
{
    QWidget host;
    auto *ratio = CheckList(&host, Ratios(), 23);
    ratio->SetCheckedText(QStringLiteral(","), QStringLiteral("1:5,3:3"));
    auto *zone = CheckList(&host, Numbers(0, 4), 10);
    zone->SetCheckedText(QStringLiteral(","), QStringLiteral("0,2"));
    auto *range = Range(&host, QStringLiteral("21,180"), 45);
    auto *grid = NumberGrid(&host, 30, 20, 6);
    grid->SetCheckedText(QStringLiteral(","), QStringLiteral("1,2,3,11,22,33"));
    auto *picker = NumberGrid(&host, 20, 20, 4);
    picker->SetCheckedText(QStringLiteral(","), QStringLiteral("07,14,21,28"));
    host.resize(800, 600);
    host.show();
    QApplication::processEvents();
    return Save(ratio, folder, QStringLiteral("multichk_ratio")) && Save(zone, folder, QStringLiteral("multichk_zone"))
        && Save(range, folder, QStringLiteral("multise_sum")) && Save(grid, folder, QStringLiteral("colorchk_range"))
        && Save(picker, folder, QStringLiteral("colorchk_picker"));
}

// Keyboard focus on a check list and on the grid, to see both focus marks.
bool SaveFocused(const QString &folder)
{
    QWidget window;
    window.resize(500, 180);
    auto *list = CheckList(&window, Numbers(0, 6), 20);
    list->move(10, 10);
    list->SetCheck(3, true);
    auto *grid = NumberGrid(&window, 30, 20, 6);
    grid->move(10, 40);
    window.show();
    window.activateWindow();
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int i = 0; i < 3; ++i) {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(list, &right);
    }
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(grid, &down);
    QApplication::processEvents();
    return Save(&window, folder, QStringLiteral("focus_marks"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery_controls <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QWidget panel;
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, QColor(231, 220, 216));
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
    panel.resize(BoxWidth, 200);
    ZoneBox(&panel)->move(0, 0);
    MiscBox(&panel)->move(0, 99);

    QWidget rangeTab;
    rangeTab.resize(480, 200);
    RangeBox(&rangeTab);

    QWidget *laidOut = LayoutPage(nullptr);

    panel.show();
    rangeTab.show();
    laidOut->show();
    QApplication::processEvents();

    bool ok = Save(&panel, folder, QStringLiteral("condition_panel"));
    ok = Save(&rangeTab, folder, QStringLiteral("number_range")) && ok;
    ok = Save(laidOut, folder, QStringLiteral("in_layout")) && ok;
    ok = SaveSingles(folder) && ok;
    ok = SaveFocused(folder) && ok;
    delete laidOut;
    return ok ? 0 : 1;
}
