#include "gui/reduction/CodeSelSheet.h"

#include "core/reduction/ConditionSet.h"
#include "gui/reduction/EtchedFrameStyle.h"

#include <QVBoxLayout>

TCodeSelSheet::TCodeSelSheet(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RcmSheet2"));
    // The match-count boxes paint the window colour; so does the page under them.
    setAutoFillBackground(true);
    RcmSheet2Gbx1 = new TCodeGroupEditor(1, QStringLiteral("选号匹配：1-33个,匹配个数0-6个"),
                                         ConditionItems::MatchCount1, this);
    RcmSheet2Gbx1->setFixedHeight(212);
    RcmSheet2Gbx2 = new TCodeGroupEditor(2, QStringLiteral("选号匹配：1-11个,匹配个数0-4个"),
                                         ConditionItems::MatchCount2, this);
    RcmSheet2Gbx1->setStyle(TEtchedFrameStyle::of(this));
    RcmSheet2Gbx2->setStyle(TEtchedFrameStyle::of(this));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RcmSheet2Gbx1);
    layout->addWidget(RcmSheet2Gbx2, 1);
    setMinimumHeight(212 + 150);
}

void TCodeSelSheet::CreateControls()
{
    RcmSheet2Gbx1->CreateControls();
    RcmSheet2Gbx2->CreateControls();
}

void TCodeSelSheet::setPickerSource(const TCodeGroupEditor::PickerSource &source)
{
    RcmSheet2Gbx1->setPickerSource(source);
    RcmSheet2Gbx2->setPickerSource(source);
}

void TCodeSelSheet::RcmSheet2Show()
{
    RcmSheet2Gbx1->sizeList(false);
    RcmSheet2Gbx2->sizeList(true);
}

void TCodeSelSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    RcmSheet2Show();
}

void TCodeSelSheet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The boxes have their new sizes only once the layout has run.
    if (layout())
        layout()->activate();
    RcmSheet2Show();
}
