#include "controls/ColorChk.h"

#include "code/Code.h"
#include "code/SsqError.h"
#include "controls/ItemGrid.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TColorMChk::TColorMChk(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFont(ItemGrid::ControlFont());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetCols(3);
    Relayout();
}

TColorMChk::~TColorMChk() = default;

void TColorMChk::AddItem(const QString &caption)
{
    Checks.push_back(0);
    Captions.append(caption);
    SetCount(Count + 1);
}

void TColorMChk::SetCount(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCount Error!"));
    if (n == Count)
        return;
    // Both arrays always hold Count entries, so the painting and the hit test can
    // never reach past them: new cells start off with no caption.
    Checks.resize(static_cast<std::size_t>(n), 0);
    while (Captions.size() < n)
        Captions.append(QString());
    while (Captions.size() > n)
        Captions.removeLast();
    Count = n;
    Rows = ItemGrid::RowsFor(Count, Cols);
    Relayout();
}

void TColorMChk::SetCols(int n)
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

void TColorMChk::CheckIndex(int index, const char *message) const
{
    if (index < 0 || index >= Count)
        throw SsqError(QString::fromLatin1(message));
}

bool TColorMChk::GetCheck(int index) const
{
    // A number without a cell is not admitted.
    if (index < 0 || index >= Count)
        return false;
    return Checks[static_cast<std::size_t>(index)] != 0;
}

QString TColorMChk::GetCaption(int index) const
{
    CheckIndex(index, "GetCaption Error!");
    return Captions.at(index);
}

int TColorMChk::CheckedCount() const
{
    return static_cast<int>(std::count(Checks.begin(), Checks.end(), std::uint8_t{1}));
}

void TColorMChk::SetAll(std::uint8_t flag)
{
    if (Count <= 0)
        return;
    std::fill(Checks.begin(), Checks.end(), flag);
    update();
}

void TColorMChk::SelectAll()
{
    SetAll(1);
}

void TColorMChk::SelectNone()
{
    SetAll(0);
}

int TColorMChk::IndexOfCaption(const QString &text) const
{
    return static_cast<int>(Captions.lastIndexOf(text));
}

void TColorMChk::SetCheckedText(const QString &separator, const QString &text)
{
    std::fill(Checks.begin(), Checks.end(), std::uint8_t{0});
    const QStringList pieces = SplitStr(separator, text);
    for (QString piece : pieces) {
        // Numbers are often written with two digits (01,08,09); the captions are
        // not, so one leading zero is dropped.
        if (piece.startsWith(QLatin1Char('0')))
            piece.remove(0, 1);
        const int index = IndexOfCaption(piece);
        if (index != -1)
            Checks[static_cast<std::size_t>(index)] = 1;
    }
    update();
}

QString TColorMChk::GetCheckedText(const QString &separator) const
{
    QStringList checked;
    for (int i = 0; i < Count; ++i)
        if (Checks[static_cast<std::size_t>(i)] != 0)
            checked.append(Captions.at(i));
    return checked.join(separator);
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

QSize TColorMChk::sizeHint() const
{
    return LayoutSize();
}

QSize TColorMChk::minimumSizeHint() const
{
    return LayoutSize();
}

void TColorMChk::Relayout()
{
    setFixedSize(LayoutSize());
    updateGeometry();
    if (FocusIndex < 0 || FocusIndex >= Count)
        FocusIndex = 0;
    update();
    emit changed();
}

void TColorMChk::Toggle(int index)
{
    auto &flag = Checks[static_cast<std::size_t>(index)];
    flag = flag != 0 ? 0 : 1;
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

void TColorMChk::keyPressEvent(QKeyEvent *event)
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

    // The character of Enter or Space switches the focused cell; the key itself has
    // already been notified above.
    if (ItemGrid::IsToggleKey(key) && FocusIndex >= 0 && FocusIndex < Count) {
        Toggle(FocusIndex);
        update();
    }
}

void TColorMChk::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TColorMChk::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
