#include "gui/controls/MultiChk.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "gui/controls/ItemGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

TMultiChk::TMultiChk(QWidget *parent)
    : TCheckGridControl(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    Relayout();
}

TMultiChk::~TMultiChk() = default;

void TMultiChk::SetCapWidth(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCapWidth Error!"));
    if (n == CapWidth)
        return;
    CapWidth = n;
    Relayout();
}

void TMultiChk::SetCheck(int index, bool flag)
{
    CheckIndex(index, "SetCheck Error!");
    const std::uint8_t value = flag ? 1 : 0;
    if (Checks[static_cast<std::size_t>(index)] == value)
        return;
    Checks[static_cast<std::size_t>(index)] = value;
    update();
}

int TMultiChk::ItemWidth() const
{
    return 2 * Spacing + ChkWidth + CapWidth;
}

QRect TMultiChk::RectOfChk(int index) const
{
    CheckIndex(index, "RectOfChk Index Error!");
    const int left = ItemWidth() * (index % Cols) + Spacing;
    const int top = (ItemHeight + Spacing) * (index / Cols) + Spacing;
    return QRect(left, top, ChkWidth, ItemHeight);
}

QRect TMultiChk::RectOfCap(int index) const
{
    CheckIndex(index, "RectOfCap Index Error!");
    const QRect box = RectOfChk(index);
    return QRect(box.left() + ChkWidth + Spacing, box.top(), CapWidth, ItemHeight);
}

QSize TMultiChk::LayoutSize() const
{
    return QSize(ItemWidth() * Cols + Spacing, (ItemHeight + Spacing) * Rows + Spacing);
}

void TMultiChk::paintEvent(QPaintEvent *)
{
    // Opaque in the colour it inherits from the box it sits on: the panel places
    // its controls over runs of blanks in its labels, and they must cover them.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setFont(font());
    for (int i = 0; i < Count; ++i)
        PaintItem(painter, i);
}

void TMultiChk::PaintItem(QPainter &painter, int index)
{
    QStyleOptionButton box;
    box.initFrom(this);
    box.rect = RectOfChk(index);
    box.state &= ~QStyle::State_HasFocus;
    box.state |= GetCheck(index) ? QStyle::State_On : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, this);

    const QRect caption = RectOfCap(index);
    if (index == FocusIndex && hasFocus()) {
        const QRect mark(caption.left() - Spacing / 2, caption.top(),
                         caption.width() + Spacing / 2 + Spacing / 3, caption.height());
        ItemGrid::DrawFocusMark(painter, this, mark);
    }
    const QFontMetrics metrics(painter.font());
    const int top = ItemGrid::CentredTextTop(caption, metrics.height());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(caption.left(), top + metrics.ascent(), Captions.at(index));
}

void TMultiChk::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    event->accept();
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < Count; ++i) {
        if (RectOfChk(i).contains(at) || RectOfCap(i).contains(at)) {
            Toggle(i);
            FocusIndex = i;
            emit changed();
        }
    }
    update();
}
