#include "gui/app/SqlPanel.h"

#include "gui/app/MsgBox.h"
#include "gui/app/PrintLines.h"
#include "core/app/Query.h"
#include "core/base/TextFile.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <climits>

namespace {

QSpinBox *unboundedSpin(const QString &name, int value, int width, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(INT_MIN, INT_MAX);
    spin->setValue(value);
    spin->setFixedWidth(width);
    return spin;
}

} // namespace

TSqlPanel::TSqlPanel(const TBeenCodesRecArr &CodeArr, QWidget *parent)
    : QWidget(parent), m_codeArr(CodeArr)
{
    setObjectName(QStringLiteral("SqlPanel"));

    // "查询第 [SqlSe1] 期起总共 [SqlSe2] 期的开奖号": the spin edits stand in the gaps.
    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(8, 6, 8, 6);
    strip->setSpacing(4);
    SqlSe1 = unboundedSpin(QStringLiteral("SqlSe1"), 2005013, 90, this);
    SqlSe2 = unboundedSpin(QStringLiteral("SqlSe2"), 30, 60, this);
    SqlBt = new QPushButton(QStringLiteral("查询"), this);
    SqlBt->setObjectName(QStringLiteral("SqlBt"));
    PrintBt = new QPushButton(QStringLiteral("打印"), this);
    PrintBt->setObjectName(QStringLiteral("PrintBt"));
    strip->addWidget(new QLabel(QStringLiteral("查询第"), this));
    strip->addWidget(SqlSe1);
    strip->addWidget(new QLabel(QStringLiteral("期起总共"), this));
    strip->addWidget(SqlSe2);
    strip->addWidget(new QLabel(QStringLiteral("期的开奖号"), this));
    strip->addSpacing(12);
    strip->addWidget(SqlBt);
    strip->addWidget(PrintBt);
    strip->addStretch(1);

    SqlMemo = new QPlainTextEdit(this);
    SqlMemo->setObjectName(QStringLiteral("SqlMemo"));
    SqlMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SqlMemo->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(strip);
    layout->addWidget(SqlMemo, 1);

    connect(SqlBt, &QPushButton::clicked, this, &TSqlPanel::SqlBtClick);
    // Enter in either box asks as "查询" does.
    SqlSe1->installEventFilter(this);
    SqlSe2->installEventFilter(this);
    connect(PrintBt, &QPushButton::clicked, this, &TSqlPanel::PrintBtClick);
}

bool TSqlPanel::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == SqlSe1 || watched == SqlSe2) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QSpinBox *>(watched)->interpretText();
            SqlBtClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSqlPanel::SqlBtClick()
{
    SqlMemo->setPlainText(QueryLines(m_codeArr, SqlSe1->value(), SqlSe2->value()).join(u'\n'));
    if (const QString missing = QueryMissingMessage(m_codeArr, SqlSe1->value()); !missing.isEmpty())
        MsgBox::error(this, missing);
}

void TSqlPanel::PrintBtClick()
{
    PrintLines(this, QStringLiteral("晨帆选号通 "), MemoLines(SqlMemo->toPlainText()), 12);
}
