#pragma once

// Helpers shared by the three item-grid controls (TMultiChk, TMultiSpinEdit,
// TColorMChk): they lay their items out row by row, move a focus index with the
// arrow keys the same way and draw with the same font and focus mark.

#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

namespace ItemGrid {

// Rows needed for count items in cols columns; cols is always positive (the
// controls refuse a column count of 0 or less).
int RowsFor(int count, int cols);

// The focus index after the arrow key `key` (a Qt::Key) on a grid of count items
// in cols columns. Every other key leaves the index where it is.
//   Left/Right: one item back/forward, not past the first/last item.
//   Up: back by cols if that stays at 0 or more.
//   Down: forward by cols if focus < count - cols.
int MovedFocus(int key, int focus, int count, int cols);

// Home and End ask the control to lay itself out again (the focus stays).
bool IsRelayoutKey(int key);

// Enter (either key) and Space switch the focused item of a check grid.
bool IsToggleKey(int key);

// Keys the controls leave to their window: Escape still closes a dialog that holds
// one of them.
bool IsPassedOn(int key);

// "宋体" at 14 pixels, the font of every control of the program.
QFont ControlFont();

// The platform's focus rectangle around `rect`, drawn whether or not the widget
// has the keyboard focus (callers decide when to show it).
void DrawFocusMark(QPainter &painter, const QWidget *widget, const QRect &rect);

// Top of a text line of the painter's font centred vertically in `rect`, in the
// whole pixels the controls use: (top + bottom - text height) / 2, where bottom is
// the exclusive edge.
int CentredTextTop(const QRect &rect, int textHeight);

} // namespace ItemGrid
