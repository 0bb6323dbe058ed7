#include "gui/app/StatusPanel.h"

#include <QFontMetrics>

TStatusPanel::TStatusPanel(QWidget *parent)
    : QLabel(parent)
{
}

void TStatusPanel::setFullText(const QString &text)
{
    m_fullText = text;
    elide();
}

void TStatusPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void TStatusPanel::elide()
{
    const int room = contentsRect().width() - 2 * margin() - 2 * indent();
    const QFontMetrics metrics(font());
    const QString shown = room > 0 ? metrics.elidedText(m_fullText, Qt::ElideRight, room) : m_fullText;
    setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}
