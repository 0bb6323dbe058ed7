#include "charts/ChartPainting.h"

#include "charts/ChartText.h"

#include <QFontMetrics>
#include <QPainter>
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

void DrawCentredLine(QPainter &painter, const QString &text, const TRect &rect)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int x = (rect.left + rect.right - width) / 2;
    const int y = (rect.top + rect.bottom - metrics.height()) / 2;
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}
