#include "app/PridictPanel.h"

#include "app/ToolBarButtons.h"

#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

TPridictPanel::TPridictPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PridictPanel"));
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBarButtons::setUp(ToolBar1);
    // Empty place: the recommendation commands add their buttons to ToolBar1.

    TuiMemo = new QPlainTextEdit(this);
    TuiMemo->setObjectName(QStringLiteral("TuiMemo"));
    TuiMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = TuiMemo->palette();
    pal.setColor(QPalette::Base, QColor(241, 223, 205));
    TuiMemo->setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(TuiMemo, 1);
}
