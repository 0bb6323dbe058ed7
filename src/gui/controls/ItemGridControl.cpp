#include "gui/controls/ItemGridControl.h"

#include "core/code/SsqError.h"
#include "gui/controls/ItemGrid.h"

#include <QKeyEvent>

TItemGridControl::TItemGridControl(QWidget *parent)
    : QWidget(parent)
{
    setFont(ItemGrid::ControlFont());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TItemGridControl::SetCols(int n)
{
    // No columns would leave the row count undefined, so 0 is refused as well.
    if (n <= 0)
        throw SsqError(QStringLiteral("SetCols Error!"));
    if (n == Cols)
        return;
    Cols = n;
    Rows = ItemGrid::RowsFor(Count, Cols);
    Relayout();
}

void TItemGridControl::Relayout()
{
    setFixedSize(LayoutSize());
    updateGeometry();
    PlaceChildren();
    if (FocusIndex < 0 || FocusIndex >= Count)
        FocusIndex = 0;
    update();
    emit changed();
}

QSize TItemGridControl::sizeHint() const
{
    return LayoutSize();
}

QSize TItemGridControl::minimumSizeHint() const
{
    return LayoutSize();
}

void TItemGridControl::CheckIndex(int index, const char *message) const
{
    if (index < 0 || index >= Count)
        throw SsqError(QString::fromLatin1(message));
}

bool TItemGridControl::HandleGridKey(QKeyEvent *event)
{
    const int key = event->key();
    if (ItemGrid::IsPassedOn(key)) {
        QWidget::keyPressEvent(event);
        return false;
    }
    if (ItemGrid::IsRelayoutKey(key))
        Relayout();
    else
        FocusIndex = ItemGrid::MovedFocus(key, FocusIndex, Count, Cols);
    event->accept();
    update();
    emit changed();
    return true;
}

void TItemGridControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TItemGridControl::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
