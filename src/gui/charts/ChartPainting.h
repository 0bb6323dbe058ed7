#pragma once

#include "core/charts/ChartColor.h"
#include "core/charts/ChartRect.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPalette;

// Drawing helpers shared by the three chart controls.

// The font every chart control asks for: "宋体" (the platform substitutes a CJK font
// where it is missing).
QFont ChartBaseFont();
QFont ChartTextFont(const QFont &controlFont, int pointSize, bool bold);

// An RGB colour as it is; the window system colour as the palette's text-area background.
QColor ToQColor(TColor color, const QPalette &palette);

// Fills a rectangle with right and bottom exclusive.
void FillTRect(QPainter &painter, const TRect &rect, const QColor &color);

// The cell text of both tables, in the painter's current font and pen: trimmed, split at
// "\r\n", the block of lines centred vertically (line height = height of "我们") and each
// line centred horizontally, transparent, not clipped to the rectangle.
void DrawCellText(QPainter &painter, const QString &text, const TRect &rect);

// The mark "▲" that the class columns of the trend tables write. DrawCellText draws a cell
// holding just this mark as a filled triangle sized to the cell, in the pen's colour.
inline const QString kMarkTriangle = QStringLiteral("▲");
void DrawMarkTriangle(QPainter &painter, const TRect &rect);

// One line centred both ways in a rectangle, in the painter's current font and pen.
void DrawCentredLine(QPainter &painter, const QString &text, const TRect &rect);
