#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QToolButton;

// The row under the reduction panel's tool bar with what players add to the strict
// reduction: the tolerance "容错", the imported base (导入大底 / 清除大底 and a note of its
// size), "结果再缩水" and "生成投注". It only holds the controls; the panel handles them.
class TReductionExtrasBar : public QWidget
{
    Q_OBJECT
public:
    explicit TReductionExtrasBar(QWidget *parent = nullptr);

    QSpinBox *ToleranceSe = nullptr;
    QToolButton *ImportBaseBt = nullptr;
    QToolButton *ClearBaseBt = nullptr;
    QToolButton *ReduceAgainBt = nullptr;
    QToolButton *TicketsBt = nullptr;
    QLabel *BaseLbl = nullptr;
};
