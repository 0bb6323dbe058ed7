#include "gui/charts/ChartPainting.h"

#include "core/charts/ChartText.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <QPalette>

QFont ChartBaseFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setStyleHint(QFont::AnyStyle);
    return font;
}

QFont ChartTextFont(const QFont &controlFont, int pointSize, bool bold)
{
    QFont font = controlFont;
    font.setBold(bold);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

QColor ToQColor(TColor color, const QPalette &palette)
{
    if (IsSystemColor(color))
        return palette.color(QPalette::Base);
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

void FillTRect(QPainter &painter, const TRect &rect, const QColor &color)
{
    if (!rect.isEmpty())
        painter.fillRect(rect.toQRect(), color);
}

void DrawCellText(QPainter &painter, const QString &text, const TRect &rect)
{
    const QStringList lines = CellTextLines(text);
    if (lines.isEmpty())
        return;
    if (lines.size() == 1 && lines.front() == kMarkTriangle) {
        DrawMarkTriangle(painter, rect);
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    // The height of a line of text in this font (what the height of "我们" measures).
    const int lineHeight = metrics.height();
    const int blockHeight = int(lines.size()) * lineHeight;
    const int offset = (rect.height() - blockHeight) / 2;
    for (int i = 0; i < int(lines.size()); ++i) {
        const int width = metrics.horizontalAdvance(lines.at(i));
        const int x = (rect.left + rect.right - width) / 2;
        const int top = rect.top + offset + i * lineHeight;
        painter.drawText(QPoint(x, top + metrics.ascent()), lines.at(i));
    }
}

void DrawMarkTriangle(QPainter &painter, const TRect &rect)
{
    // The glyph "▲" of a 10-point font is some 8 pixels wide, lost in a 32-pixel cell; the
    // mark is drawn to the cell's size instead, leaving a few pixels of the band colour.
    const int side = std::max(std::min(rect.width(), rect.height()) - 6, 4);
    const int height = (side * 7 + 4) / 8;
    const QPointF centre((rect.left + rect.right) / 2.0, (rect.top + rect.bottom) / 2.0);
    const QPointF points[3] = {{centre.x(), centre.y() - height / 2.0},
                               {centre.x() + side / 2.0, centre.y() + height / 2.0},
                               {centre.x() - side / 2.0, centre.y() + height / 2.0}};
    const QColor color = painter.pen().color();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(points, 3);
    painter.restore();
}

void DrawCentredLine(QPainter &painter, const QString &text, const TRect &rect)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int x = (rect.left + rect.right - width) / 2;
    const int y = (rect.top + rect.bottom - metrics.height()) / 2;
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}
