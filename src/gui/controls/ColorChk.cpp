#include "gui/controls/ColorChk.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "gui/controls/ItemGrid.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TColorMChk::TColorMChk(QWidget *parent)
    : TCheckGridControl(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    Relayout();
}

TColorMChk::~TColorMChk() = default;

void TColorMChk::SetCellWidth(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCellWidth Error!"));
    CellWidth = n;
    Relayout();
}

void TColorMChk::SetCellHeight(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCellHeight Error!"));
    CellHeight = n;
    Relayout();
}

void TColorMChk::SetSpacing(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetSpacing Error!"));
    Spacing = n;
    Relayout();
}

void TColorMChk::SelectAll()
{
    SetAllChecks(1);
}

void TColorMChk::SelectNone()
{
    SetAllChecks(0);
}

QString TColorMChk::CaptionOfPiece(const QString &piece) const
{
    return piece.startsWith(QLatin1Char('0')) ? piece.mid(1) : piece;
}

QRect TColorMChk::RectOfChk(int index) const
{
    CheckIndex(index, "RectOfChk Index Error!");
    const int left = (2 * Spacing + CellWidth) * (index % Cols) + Spacing;
    const int top = (CellHeight + Spacing) * (index / Cols) + Spacing;
    return QRect(left, top, CellWidth, CellHeight);
}

QColor TColorMChk::cellColor(bool on) const
{
    return on ? QColor(255, 0, 0) : palette().color(QPalette::Button);
}

QSize TColorMChk::LayoutSize() const
{
    // No gap below the last row: the cells start one gap from the top and the grid
    // ends where the last row does.
    return QSize((2 * Spacing + CellWidth) * Cols + Spacing, (CellHeight + Spacing) * Rows);
}

void TColorMChk::paintEvent(QPaintEvent *)
{
    // Opaque in the colour it inherits from the box it sits on: the panel places
    // its controls over runs of blanks in its labels, and they must cover them.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setFont(CaptionFont());
    for (int i = 0; i < Count; ++i)
        PaintCell(painter, i);
}

QFont TColorMChk::CaptionFont() const
{
    QFont bold = font();
    bold.setBold(true);
    // 宋体 puts two bold digits in a 20-pixel cell; a wider stand-in font is made
    // smaller until the widest caption fits between the frames, so that no number
    // runs over the edge of its cell.
    const auto widest = [this](const QFont &f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QString &caption : Captions)
            width = std::max(width, metrics.horizontalAdvance(caption));
        return width;
    };
    const int room = CellWidth - 4;
    for (int size = QFontInfo(bold).pixelSize(); size > MinCaptionPixels && widest(bold) > room;)
        bold.setPixelSize(--size);
    return bold;
}

void TColorMChk::PaintCell(QPainter &painter, int index)
{
    const QRect cell = RectOfChk(index);
    if (cell.width() < 2 || cell.height() < 2)
        return;
    // A raised frame one pixel wide: light on the top and left, shadow on the
    // bottom and right.
    painter.fillRect(cell.left(), cell.top(), cell.width(), 1, palette().color(QPalette::Light));
    painter.fillRect(cell.left(), cell.top(), 1, cell.height(), palette().color(QPalette::Light));
    painter.fillRect(cell.left(), cell.bottom(), cell.width(), 1, palette().color(QPalette::Dark));
    painter.fillRect(cell.right(), cell.top(), 1, cell.height(), palette().color(QPalette::Dark));

    const QRect inner = cell.adjusted(1, 1, -1, -1);
    painter.fillRect(inner, cellColor(GetCheck(index)));
    // The focused cell is marked whether or not the grid has the keyboard focus, so
    // the user always sees where Enter and Space act.
    if (index == FocusIndex)
        ItemGrid::DrawFocusMark(painter, this, inner.adjusted(1, 1, -1, -1));

    const QFontMetrics metrics(painter.font());
    const QString &text = Captions.at(index);
    const int right = inner.left() + inner.width();
    const int x = (inner.left() + right - metrics.horizontalAdvance(text)) / 2;
    const int top = ItemGrid::CentredTextTop(inner, metrics.height());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(x, top + metrics.ascent(), text);
}

void TColorMChk::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    event->accept();
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < Count; ++i) {
        if (RectOfChk(i).contains(at)) {
            Toggle(i);
            FocusIndex = i;
        }
    }
    update();
}
