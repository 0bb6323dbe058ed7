#include "gui/reduction/ReductionExtrasBar.h"

#include "core/reduction/ConditionSet.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

TReductionExtrasBar::TReductionExtrasBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RcmExtrasBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(4);

    auto *toleranceLbl = new QLabel(QStringLiteral("容错:"), this);
    ToleranceSe = new QSpinBox(this);
    ToleranceSe->setObjectName(QStringLiteral("RcmPanelToleranceSe"));
    ToleranceSe->setRange(0, kMaxTolerance);
    ToleranceSe->setValue(0);
    ToleranceSe->setToolTip(QStringLiteral("号码最多可以不满足几个已启用的条件（选号范围除外）；0为全部满足"));
    toleranceLbl->setBuddy(ToleranceSe);
    layout->addWidget(toleranceLbl);
    layout->addWidget(ToleranceSe);

    auto divider = [this, layout] {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        layout->addWidget(line);
    };
    auto button = [this, layout](const char *name, const QString &caption, const QString &tip) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        layout->addWidget(b);
        return b;
    };
    divider();
    ImportBaseBt = button("RcmPanelImportBaseBt", QStringLiteral("导入大底"),
                          QStringLiteral("从文本文件读入号码，缩水只在这些号码中进行"));
    ClearBaseBt = button("RcmPanelClearBaseBt", QStringLiteral("清除大底"),
                         QStringLiteral("缩水重新在全部1107568注号码中进行"));
    ReduceAgainBt = button("RcmPanelReduceAgainBt", QStringLiteral("结果再缩水"),
                           QStringLiteral("以当前缩水结果为大底，按当前条件再缩水一次"));
    divider();
    TicketsBt = button("RcmPanelTicketsBt", QStringLiteral("生成投注"),
                       QStringLiteral("缩水结果配上所选蓝球，写成投注文件"));
    layout->addStretch(1);
    BaseLbl = new QLabel(this);
    BaseLbl->setObjectName(QStringLiteral("RcmPanelBaseLbl"));
    layout->addWidget(BaseLbl);
}
