#include "gui/reduction/NumberRangeSheet.h"

#include "gui/app/ToolBarButtons.h"
#include "gui/controls/ColorChk.h"
#include "core/reduction/ConditionSet.h"
#include "gui/reduction/ConditionWidgets.h"
#include "gui/reduction/EtchedFrameStyle.h"

#include <QAction>
#include <QGroupBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TNumberRangeSheet::TNumberRangeSheet(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    TabSheet3Tbr = new QToolBar(this);
    TabSheet3Tbr->setObjectName(QStringLiteral("TabSheet3Tbr"));
    ToolBarButtons::setUp(TabSheet3Tbr);
    TabSheet3TbrSelAll = ToolBarButtons::add(TabSheet3Tbr, QStringLiteral("TabSheet3TbrSelAll"),
                                             QStringLiteral("全部选择"), QStringLiteral("data"));
    TabSheet3TbrSelNone = ToolBarButtons::add(TabSheet3Tbr, QStringLiteral("TabSheet3TbrSelNone"),
                                              QStringLiteral("全部清除"), QStringLiteral("clear"));
    TabSheet3TbrExportBinds = ToolBarButtons::add(TabSheet3Tbr,
                                                  QStringLiteral("TabSheet3TbrExportBinds"),
                                                  QStringLiteral("条件导出"), QStringLiteral("save"));
    // A widget on a tool bar is hidden through its action.
    TabSheet3Tbr->actions().constLast()->setVisible(false);

    TabSheet3Gbx1 = new QGroupBox(QStringLiteral("参奖选号："), this);
    TabSheet3Gbx1->setObjectName(QStringLiteral("TabSheet3Gbx1"));
    TabSheet3Gbx1->setAutoFillBackground(true);
    QPalette pal = TabSheet3Gbx1->palette();
    pal.setColor(QPalette::Window, QColor(222, 233, 209));
    TabSheet3Gbx1->setPalette(pal);
    TabSheet3Gbx1->setStyle(TEtchedFrameStyle::of(this));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TabSheet3Tbr);
    layout->addWidget(TabSheet3Gbx1, 1);

    connect(TabSheet3TbrSelAll, &QToolButton::clicked, this,
            &TNumberRangeSheet::TabSheet3TbrSelAllClick);
    connect(TabSheet3TbrSelNone, &QToolButton::clicked, this,
            &TNumberRangeSheet::TabSheet3TbrSelNoneClick);
    connect(TabSheet3TbrExportBinds, &QToolButton::clicked, this,
            &TNumberRangeSheet::exportBindsClicked);
}

void TNumberRangeSheet::CreateControls()
{
    if (NumberRange)
        return;
    NumberRange = new TColorMChk(TabSheet3Gbx1);
    NumberRange->setObjectName(QStringLiteral("NumberRange"));
    NumberRange->move(25, 80);
    for (const QString &caption : NumberCaptions(1, ConditionItems::Numbers))
        NumberRange->AddItem(caption);
    NumberRange->SetCols(10);
    NumberRange->SetCellWidth(30);
    NumberRange->SetCellHeight(20);
    NumberRange->SetSpacing(6);
    NumberRange->setCursor(Qt::PointingHandCursor);
    NumberRange->Relayout();
}

void TNumberRangeSheet::TabSheet3TbrSelAllClick()
{
    NumberRange->SelectAll();
}

void TNumberRangeSheet::TabSheet3TbrSelNoneClick()
{
    NumberRange->SelectNone();
}

std::array<bool, 33> TNumberRangeSheet::numbers() const
{
    return ConditionWidgets::readNumbers(NumberRange);
}

void TNumberRangeSheet::setNumbers(const std::array<bool, 33> &numbers)
{
    ConditionWidgets::writeNumbers(NumberRange, numbers);
}
