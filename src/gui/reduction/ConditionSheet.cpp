#include "gui/reduction/ConditionSheet.h"

#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"
#include "gui/reduction/ConditionWidgets.h"
#include "gui/reduction/EtchedFrameStyle.h"
#include "gui/reduction/GapLabel.h"
#include "core/reduction/RangeCheck.h"
#include "core/reduction/StageReach.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace ConditionWidgets;

namespace {

constexpr int kBoxWidth = 680;      // the width the boxes are designed for
constexpr int kBoxesHeight = 388;   // the four boxes: 99 + 70 + 99 + 120
constexpr int kNoteHeight = 40;     // the note below them
constexpr int kPanelHeight = kBoxesHeight + kNoteHeight;
constexpr int kRightMargin = 8;     // room right of the widest control

} // namespace

TConditionSheet::TConditionSheet(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RcmSheet1"));

    RcmSheet1Scroll = new QScrollArea(this);
    RcmSheet1Scroll->setObjectName(QStringLiteral("RcmSheet1Scroll"));
    RcmSheet1Scroll->setFrameShape(QFrame::NoFrame);
    RcmSheet1Scroll->setWidgetResizable(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RcmSheet1Scroll);

    RcmSheet1Panel = new QWidget;
    RcmSheet1Panel->setObjectName(QStringLiteral("RcmSheet1Panel"));
    RcmSheet1Panel->setAutoFillBackground(true);
    QPalette pal = RcmSheet1Panel->palette();
    pal.setColor(QPalette::Window, QColor(231, 220, 216));
    RcmSheet1Panel->setPalette(pal);
    RcmSheet1Panel->setMinimumSize(kBoxWidth, kPanelHeight);
    RcmSheet1Panel->installEventFilter(this);
    RcmSheet1Scroll->setWidget(RcmSheet1Panel);

    GroupBox1 = newGroupBox(QStringLiteral("区间类型："), 0, 99);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    newLabel(GroupBox1,
             QStringLiteral("3区间:01-11:                      个,12-22:                       "
                            "个,23-33:                       个."),
             11, 22);
    newLabel(GroupBox1, QStringLiteral("6区间分段出现的区间数:                                 个"),
             11, 46);
    newLabel(GroupBox1, QStringLiteral("奇偶6区间出现的区间数:                                 个"),
             11, 70);

    GroupBox2 = newGroupBox(QStringLiteral("除3余类型："), 99, 70);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    newLabel(GroupBox2,
             QStringLiteral("除3余:余0有                          个,余1有                          "
                            "个,余2有                          个"),
             11, 22);
    newLabel(GroupBox2, QStringLiteral("除6余分组出现的组数:                               组"), 11,
             46);

    GroupBox3 = newGroupBox(QStringLiteral("杂项缩水："), 169, 99);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    newLabel(GroupBox3, QStringLiteral("AC值设计："), 11, 22);
    newLabel(GroupBox3, QStringLiteral("最大间隔："), 11, 46);
    newLabel(GroupBox3, QStringLiteral("奇偶设计："), 11, 70);
    // Further right than the AC range's mark needs.
    newLabel(GroupBox3, QStringLiteral("连号：                         有                  组"), 367,
             22);
    newLabel(GroupBox3, QStringLiteral("总和值："), 403, 46);
    newLabel(GroupBox3, QStringLiteral("号码大小比:"), 403, 73);

    GroupBox4 = newGroupBox(QStringLiteral("尾数设计："), 268, 120);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    newLabel(GroupBox4, QStringLiteral("尾数相同个数："), 11, 22);
    SameTailCountLbl = newLabel(GroupBox4, QStringLiteral("与上期相同个数："), 11, 46);
    SameTailCountLbl->setObjectName(QStringLiteral("SameTailCountLbl"));
    // The newest draw's reds go right of the check list that lies over the label's tail.
    SameTailCountLbl->setBreakBefore(QLatin1Char('('));
    newLabel(GroupBox4, QStringLiteral("尾数和："), 11, 70);
    newLabel(GroupBox4, QStringLiteral("尾数除5余分组出现的组数:                          组"), 11,
             94);
    newLabel(GroupBox4, QStringLiteral("尾数大小比："), 387, 22);

    RcmSheet1NoteLbl = new QLabel(RcmSheet1Panel);
    RcmSheet1NoteLbl->setObjectName(QStringLiteral("RcmSheet1NoteLbl"));
    RcmSheet1NoteLbl->setWordWrap(true);
    RcmSheet1NoteLbl->setStyleSheet(QStringLiteral("color: #a00000;"));
    RcmSheet1NoteLbl->setGeometry(11, kBoxesHeight + 2, kBoxWidth - 22, kNoteHeight - 4);
    RcmSheet1NoteLbl->hide();
}

QLabel *TConditionSheet::newFreeMark(TMultiSpinEdit *range, ValueRange ConditionSet::*member)
{
    auto *mark = new QLabel(QStringLiteral("（不限）"), range->parentWidget());
    const QSize size = range->sizeHint();
    mark->adjustSize();
    mark->move(range->x() + size.width() + 2, range->y() + (size.height() - mark->height()) / 2);
    mark->setToolTip(NoConditionTip(member));
    mark->setStyleSheet(QStringLiteral("color: #606060;"));
    connect(range->spinEdit(0), &QSpinBox::valueChanged, this, &TConditionSheet::refreshNotes);
    connect(range->spinEdit(1), &QSpinBox::valueChanged, this, &TConditionSheet::refreshNotes);
    return mark;
}

void TConditionSheet::refreshNotes()
{
    if (!hasControls())
        return;
    const std::pair<QLabel *, std::pair<TMultiSpinEdit *, ValueRange ConditionSet::*>> marks[] = {
        {AcRangeFreeLbl, {AcRange, &ConditionSet::AcRange}},
        {MaxGapRangeFreeLbl, {MaxGapRange, &ConditionSet::MaxGapRange}},
        {SumRangeFreeLbl, {SumRange, &ConditionSet::SumRange}},
        {TailSumRangeFreeLbl, {TailSumRange, &ConditionSet::TailSumRange}},
    };
    for (const auto &[mark, range] : marks)
        mark->setVisible(CountsAsNoCondition(range.second, readRange(range.first)));
    const QString note = ConsecChoiceNote(readChecks(ConsecCount), readChecks(ConsecGroups));
    if (note == RcmSheet1NoteLbl->text())
        return;
    RcmSheet1NoteLbl->setText(note);
    RcmSheet1NoteLbl->setVisible(!note.isEmpty());
    emit noteChanged(note);
}

QGroupBox *TConditionSheet::newGroupBox(const QString &caption, int top, int height)
{
    auto *box = new QGroupBox(caption, RcmSheet1Panel);
    box->setGeometry(0, top, kBoxWidth, height);
    box->setStyle(TEtchedFrameStyle::of(this));
    return box;
}

TGapLabel *TConditionSheet::newLabel(QGroupBox *box, const QString &caption, int left, int top)
{
    auto *label = new TGapLabel(caption, box);
    label->move(left, top);
    m_labels.append(label);
    return label;
}

void TConditionSheet::CreateControls()
{
    if (hasControls())
        return;
    const QStringList ratios = RatioCaptionList();
    for (int z = 0; z < 3; ++z)
        ZoneCounts[z] = newCheckList(GroupBox1, NumberCaptions(0, ConditionItems::Zone), 10,
                                     96 + 220 * z, 18);
    SixZoneSpread = newCheckList(GroupBox1, NumberCaptions(1, ConditionItems::SixZone), 15, 180, 44);
    SixZoneOddEven = newCheckList(GroupBox1, NumberCaptions(1, ConditionItems::SixZone), 15, 180, 68);
    for (int r = 0; r < 3; ++r)
        Mod3Counts[r] = newCheckList(GroupBox2, NumberCaptions(0, ConditionItems::Mod3), 9,
                                     90 + 240 * r, 18);
    Mod6Groups = newCheckList(GroupBox2, NumberCaptions(1, ConditionItems::Mod6), 15, 150, 44);
    AcRange = newRange(GroupBox3, 80, 14);
    MaxGapRange = newRange(GroupBox3, 80, 40);
    OddEvenRatio = newCheckList(GroupBox3, ratios, 23, 80, 70);
    BigSmallRatio = newCheckList(GroupBox3, ratios, 23, 480, 70);
    ConsecCount = newCheckList(GroupBox3, NumberCaptions(0, ConditionItems::ConsecCount), 10, 400, 18);
    ConsecGroups = newCheckList(GroupBox3, NumberCaptions(0, ConditionItems::ConsecGroups), 10, 600,
                                18);
    SumRange = newRange(GroupBox3, 460, 40);
    SameTailCount = newCheckList(GroupBox4, NumberCaptions(0, ConditionItems::SameTail), 15, 110, 18);
    PrevTailSame = newCheckList(GroupBox4, NumberCaptions(0, ConditionItems::PrevTailSame), 15, 150,
                                40);
    TailSumRange = newRange(GroupBox4, 80, 60);
    TailMod5Groups = newCheckList(GroupBox4, NumberCaptions(1, ConditionItems::TailMod5), 15, 180, 92);
    TailBigSmallRatio = newCheckList(GroupBox4, ratios, 23, 470, 18);

    const std::pair<QWidget *, const char *> names[] = {
        {ZoneCounts[0], "ZoneCounts0"}, {ZoneCounts[1], "ZoneCounts1"},
        {ZoneCounts[2], "ZoneCounts2"}, {SixZoneSpread, "SixZoneSpread"},
        {SixZoneOddEven, "SixZoneOddEven"}, {Mod3Counts[0], "Mod3Counts0"},
        {Mod3Counts[1], "Mod3Counts1"}, {Mod3Counts[2], "Mod3Counts2"},
        {Mod6Groups, "Mod6Groups"}, {AcRange, "AcRange"}, {MaxGapRange, "MaxGapRange"},
        {OddEvenRatio, "OddEvenRatio"}, {BigSmallRatio, "BigSmallRatio"},
        {ConsecCount, "ConsecCount"}, {ConsecGroups, "ConsecGroups"}, {SumRange, "SumRange"},
        {SameTailCount, "SameTailCount"}, {PrevTailSame, "PrevTailSame"},
        {TailSumRange, "TailSumRange"}, {TailMod5Groups, "TailMod5Groups"},
        {TailBigSmallRatio, "TailBigSmallRatio"}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    AcRangeFreeLbl = newFreeMark(AcRange, &ConditionSet::AcRange);
    AcRangeFreeLbl->setObjectName(QStringLiteral("AcRangeFreeLbl"));
    MaxGapRangeFreeLbl = newFreeMark(MaxGapRange, &ConditionSet::MaxGapRange);
    MaxGapRangeFreeLbl->setObjectName(QStringLiteral("MaxGapRangeFreeLbl"));
    SumRangeFreeLbl = newFreeMark(SumRange, &ConditionSet::SumRange);
    SumRangeFreeLbl->setObjectName(QStringLiteral("SumRangeFreeLbl"));
    TailSumRangeFreeLbl = newFreeMark(TailSumRange, &ConditionSet::TailSumRange);
    TailSumRangeFreeLbl->setObjectName(QStringLiteral("TailSumRangeFreeLbl"));
    connect(ConsecCount, &TMultiChk::changed, this, &TConditionSheet::refreshNotes);
    connect(ConsecGroups, &TMultiChk::changed, this, &TConditionSheet::refreshNotes);

    placeObstacles();
}

void TConditionSheet::placeObstacles()
{
    m_contentWidth = kBoxWidth;
    for (TGapLabel *label : m_labels) {
        QList<QWidget *> siblings;
        for (QObject *child : label->parentWidget()->children())
            if (auto *w = qobject_cast<QWidget *>(child); w && w != label && !qobject_cast<TGapLabel *>(w))
                siblings.append(w);
        label->setObstacles(siblings);
        // Above the controls, so that glyphs reaching into a control's empty margin are
        // not painted over; clicks pass through to the controls.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->raise();
    }
    for (QGroupBox *box : {GroupBox1, GroupBox2, GroupBox3, GroupBox4})
        for (QObject *child : box->children())
            if (auto *w = qobject_cast<QWidget *>(child))
                m_contentWidth = std::max(m_contentWidth, w->geometry().right() + 1 + kRightMargin);
    RcmSheet1Panel->setMinimumWidth(m_contentWidth);
    fitPanelWidth();
}

void TConditionSheet::fitPanelWidth()
{
    // The boxes span the panel's whole width, as wide as their contents at least.
    const int width = std::max(RcmSheet1Panel->width(), m_contentWidth);
    for (QGroupBox *box : {GroupBox1, GroupBox2, GroupBox3, GroupBox4})
        box->resize(width, box->height());
}

bool TConditionSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RcmSheet1Panel && event->type() == QEvent::Resize)
        fitPanelWidth();
    return QWidget::eventFilter(watched, event);
}

void TConditionSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    emit shown();
}

void TConditionSheet::RcmSheet1Show(const TBeenCodesRecArr &history)
{
    SameTailCountLbl->setCaption(SameTailCountLabelText(history));
}

void TConditionSheet::readInto(ConditionSet &c) const
{
    for (int z = 0; z < 3; ++z)
        c.ZoneCounts[z] = readChecks(ZoneCounts[z]);
    c.SixZoneSpread = readChecks(SixZoneSpread);
    c.SixZoneOddEven = readChecks(SixZoneOddEven);
    for (int r = 0; r < 3; ++r)
        c.Mod3Counts[r] = readChecks(Mod3Counts[r]);
    c.Mod6Groups = readChecks(Mod6Groups);
    c.AcRange = readRange(AcRange);
    c.MaxGapRange = readRange(MaxGapRange);
    c.OddEvenRatio = readChecks(OddEvenRatio);
    c.BigSmallRatio = readChecks(BigSmallRatio);
    c.ConsecCount = readChecks(ConsecCount);
    c.ConsecGroups = readChecks(ConsecGroups);
    c.SumRange = readRange(SumRange);
    c.SameTailCount = readChecks(SameTailCount);
    c.PrevTailSame = readChecks(PrevTailSame);
    c.TailSumRange = readRange(TailSumRange);
    c.TailMod5Groups = readChecks(TailMod5Groups);
    c.TailBigSmallRatio = readChecks(TailBigSmallRatio);
}

void TConditionSheet::writeFrom(const ConditionSet &c)
{
    for (int z = 0; z < 3; ++z)
        writeChecks(ZoneCounts[z], c.ZoneCounts[z]);
    writeChecks(SixZoneSpread, c.SixZoneSpread);
    writeChecks(SixZoneOddEven, c.SixZoneOddEven);
    for (int r = 0; r < 3; ++r)
        writeChecks(Mod3Counts[r], c.Mod3Counts[r]);
    writeChecks(Mod6Groups, c.Mod6Groups);
    writeRange(AcRange, c.AcRange);
    writeRange(MaxGapRange, c.MaxGapRange);
    writeChecks(OddEvenRatio, c.OddEvenRatio);
    writeChecks(BigSmallRatio, c.BigSmallRatio);
    writeChecks(ConsecCount, c.ConsecCount);
    writeChecks(ConsecGroups, c.ConsecGroups);
    writeRange(SumRange, c.SumRange);
    writeChecks(SameTailCount, c.SameTailCount);
    writeChecks(PrevTailSame, c.PrevTailSame);
    writeRange(TailSumRange, c.TailSumRange);
    writeChecks(TailMod5Groups, c.TailMod5Groups);
    writeChecks(TailBigSmallRatio, c.TailBigSmallRatio);
    refreshNotes();
}
