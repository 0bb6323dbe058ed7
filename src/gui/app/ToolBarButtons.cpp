#include "gui/app/ToolBarButtons.h"

#include "gui/app/AppResources.h"

#include <QToolBar>
#include <QToolButton>

namespace ToolBarButtons {

void setUp(QToolBar *bar)
{
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

QToolButton *add(QToolBar *bar, const QString &objectName, const QString &caption,
                 const QString &iconName, const QString &hint)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setIcon(AppResources::icon(iconName));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(63, 45);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(shortHint(hint));
    button->setStatusTip(longHint(hint));
    bar->addWidget(button);
    return button;
}

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace ToolBarButtons
