#include "gui/app/SmForm.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

TSmForm::TSmForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SmForm"));
    resize(426, 351);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    setFont(f);
    setSizeGripEnabled(true);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
}

void TSmForm::scrollToTop()
{
    Memo->moveCursor(QTextCursor::Start);
    Memo->verticalScrollBar()->setValue(0);
}

void TSmForm::ShowExplanation(const QString &caption)
{
    setWindowTitle(caption);
    scrollToTop();
    exec();
}

void TSmForm::ShowText(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    Memo->setPlainText(text);
    Memo->setReadOnly(true);
    scrollToTop();
    setModal(false);
    show();
    raise();
    activateWindow();
}
