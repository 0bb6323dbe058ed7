#include "controls/MultiChk.h"

#include "code/Code.h"
#include "code/SsqError.h"
#include "controls/ItemGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

TMultiChk::TMultiChk(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(ItemGrid::ControlFont());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetCols(3);
    Relayout();
}

TMultiChk::~TMultiChk() = default;

void TMultiChk::AddItem(const QString &caption)
{
    Checks.push_back(0);
    Captions.append(caption);
    SetCount(Count + 1);
}

void TMultiChk::SetCount(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCount Error!"));
    if (n == Count)
        return;
    // Both arrays always hold Count entries, so the painting and the hit test can
    // never reach past them: new items start unchecked with no caption.
    Checks.resize(static_cast<std::size_t>(n), 0);
    while (Captions.size() < n)
        Captions.append(QString());
    while (Captions.size() > n)
        Captions.removeLast();
    Count = n;
    Rows = ItemGrid::RowsFor(Count, Cols);
    Relayout();
}

void TMultiChk::SetCols(int n)
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

void TMultiChk::SetCapWidth(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCapWidth Error!"));
    if (n == CapWidth)
        return;
    CapWidth = n;
    Relayout();
}

void TMultiChk::CheckIndex(int index, const char *message) const
{
    if (index < 0 || index >= Count)
        throw SsqError(QString::fromLatin1(message));
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

bool TMultiChk::GetCheck(int index) const
{
    // The reduction asks some lists for values past their last item: those values
    // have no item, so they count as not checked.
    if (index < 0 || index >= Count)
        return false;
    return Checks[static_cast<std::size_t>(index)] != 0;
}

QString TMultiChk::GetCaption(int index) const
{
    CheckIndex(index, "GetCaption Error!");
    return Captions.at(index);
}

int TMultiChk::CheckedCount() const
{
    return static_cast<int>(std::count(Checks.begin(), Checks.end(), std::uint8_t{1}));
}

void TMultiChk::ClearChecks()
{
    if (Count <= 0)
        return;
    std::fill(Checks.begin(), Checks.end(), std::uint8_t{0});
    update();
}

int TMultiChk::IndexOfCaption(const QString &text) const
{
    return static_cast<int>(Captions.lastIndexOf(text));
}

void TMultiChk::SetCheckedText(const QString &separator, const QString &text)
{
    std::fill(Checks.begin(), Checks.end(), std::uint8_t{0});
    const QStringList pieces = SplitStr(separator, text);
    for (const QString &piece : pieces) {
        const int index = IndexOfCaption(piece);
        if (index != -1)
            Checks[static_cast<std::size_t>(index)] = 1;
    }
    update();
}

QString TMultiChk::GetCheckedText(const QString &separator) const
{
    QStringList checked;
    for (int i = 0; i < Count; ++i)
        if (Checks[static_cast<std::size_t>(i)] != 0)
            checked.append(Captions.at(i));
    return checked.join(separator);
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

QSize TMultiChk::sizeHint() const
{
    return LayoutSize();
}

QSize TMultiChk::minimumSizeHint() const
{
    return LayoutSize();
}

void TMultiChk::Relayout()
{
    setFixedSize(LayoutSize());
    updateGeometry();
    if (FocusIndex < 0 || FocusIndex >= Count)
        FocusIndex = 0;
    update();
    emit changed();
}

void TMultiChk::Toggle(int index)
{
    auto &flag = Checks[static_cast<std::size_t>(index)];
    flag = flag != 0 ? 0 : 1;
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

void TMultiChk::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (ItemGrid::IsPassedOn(key)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (ItemGrid::IsRelayoutKey(key))
        Relayout();
    else
        FocusIndex = ItemGrid::MovedFocus(key, FocusIndex, Count, Cols);
    event->accept();
    update();
    emit changed();

    // The character of Enter or Space switches the focused item; the key itself
    // has already been notified above.
    if (ItemGrid::IsToggleKey(key) && FocusIndex >= 0 && FocusIndex < Count) {
        Toggle(FocusIndex);
        update();
    }
}

void TMultiChk::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TMultiChk::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
