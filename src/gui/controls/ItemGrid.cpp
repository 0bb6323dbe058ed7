#include "gui/controls/ItemGrid.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace ItemGrid {

int RowsFor(int count, int cols)
{
    return (count + cols - 1) / cols;
}

int MovedFocus(int key, int focus, int count, int cols)
{
    switch (key) {
    case Qt::Key_Left:
        return focus > 0 ? focus - 1 : focus;
    case Qt::Key_Right:
        return focus < count - 1 ? focus + 1 : focus;
    case Qt::Key_Up:
        return focus - cols >= 0 ? focus - cols : focus;
    case Qt::Key_Down:
        return focus < count - cols ? focus + cols : focus;
    default:
        return focus;
    }
}

bool IsRelayoutKey(int key)
{
    return key == Qt::Key_Home || key == Qt::Key_End;
}

bool IsToggleKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool IsPassedOn(int key)
{
    return key == Qt::Key_Escape;
}

QFont ControlFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    return font;
}

void DrawFocusMark(QPainter &painter, const QWidget *widget, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    // Some styles (Fusion among them) hide the focus frame unless the focus came
    // from the keyboard; the controls decide themselves when the mark shows.
    option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    option.backgroundColor = widget->palette().color(widget->backgroundRole());
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

int CentredTextTop(const QRect &rect, int textHeight)
{
    const int bottom = rect.top() + rect.height();
    return (rect.top() + bottom - textHeight) / 2;
}

} // namespace ItemGrid
