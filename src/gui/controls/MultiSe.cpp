#include "gui/controls/MultiSe.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "gui/controls/ItemGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSpinBox>
#include <QStyleOptionComplex>
#include <algorithm>
#include <limits>

namespace {

// A piece of a values text as an integer: blanks around it are allowed (a user may
// write "3, 10" in a condition file), anything else that is not a decimal integer
// is refused with the usual conversion message.
int PieceToInt(const QString &piece)
{
    bool ok = false;
    const int value = piece.trimmed().toInt(&ok, 10);
    if (!ok)
        throw SsqError(QStringLiteral("'%1' is not a valid integer value").arg(piece));
    return value;
}

// The panel's boxes are narrow (40 and 45 pixels, as its fixed layout wants) and
// must still show a three-digit sum: the up/down buttons give a few pixels of
// their width to the text field.
class CompactSpinStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_SpinBox)
            return rect;
        const QRect up = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget);
        const int given = std::clamp(up.width() - MinButtonWidth, 0, MaxGiven);
        if (part == SC_SpinBoxEditField)
            rect.setRight(rect.right() + given);
        else if (part == SC_SpinBoxUp || part == SC_SpinBoxDown)
            rect.setLeft(rect.left() + given);
        return rect;
    }

private:
    static constexpr int MinButtonWidth = 10;
    static constexpr int MaxGiven = 4;
};

// One style for all boxes, alive as long as the application.
QStyle *SpinStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new CompactSpinStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace

TMultiSpinEdit::TMultiSpinEdit(QWidget *parent)
    : TItemGridControl(parent)
{
    // Not a tab stop: the panel's tab order runs over its check lists; a click
    // still gives the control the focus.
    setFocusPolicy(Qt::NoFocus);
    Relayout();
}

TMultiSpinEdit::~TMultiSpinEdit() = default;

QSpinBox *TMultiSpinEdit::NewSpinEdit()
{
    auto *edit = new QSpinBox(this);
    edit->setStyle(SpinStyle());
    edit->setFocusPolicy(Qt::ClickFocus);
    // Any integer is accepted; the engine decides what a range means.
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setSingleStep(1);
    edit->setValue(0);
    // A value counts once it is finished (Enter, leaving the box, or a read of the
    // control): an emptied box then goes back to the value it had, not to what was left
    // half-way through deleting it.
    edit->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    edit->setKeyboardTracking(false);
    edit->resize(30, ItemHeight);
    edit->show();
    return edit;
}

void TMultiSpinEdit::AddItem(const QString &caption)
{
    SpinEdits.push_back(NewSpinEdit());
    Captions.append(caption);
    ++Count;
    Rows = ItemGrid::RowsFor(Count, Cols);
    Relayout();
}

void TMultiSpinEdit::SetItem(int index, const QString &caption, int value)
{
    CheckIndex(index, "SetItem Error!");
    SpinEdits[static_cast<std::size_t>(index)]->setValue(value);
    Captions[index] = caption;
    update();
}

int TMultiSpinEdit::GetValue(int index) const
{
    if (index < 0 || index >= Count)
        return 0;
    // What the box shows is what counts. A tool button takes no focus, so the user may
    // press one while the box is still being edited: the edit is finished here, and a
    // text that is no integer (an emptied box) gives way to the box's value again, so
    // the box never looks empty while a run uses a number.
    QSpinBox *edit = SpinEdits[static_cast<std::size_t>(index)];
    edit->interpretText();
    return edit->value();
}

void TMultiSpinEdit::SetValuesText(const QString &separator, const QString &text)
{
    const QStringList pieces = SplitStr(separator, text);
    // Pieces beyond the last item have nowhere to go and are ignored. All pieces
    // are converted before any is given, so a bad text leaves every value as it was.
    const int used = std::min(static_cast<int>(pieces.size()), Count);
    std::vector<int> values;
    values.reserve(static_cast<std::size_t>(used));
    for (int k = 0; k < used; ++k)
        values.push_back(PieceToInt(pieces.at(k)));
    for (int k = 0; k < used; ++k)
        SpinEdits[static_cast<std::size_t>(k)]->setValue(values[static_cast<std::size_t>(k)]);
}

QString TMultiSpinEdit::GetValuesText(const QString &separator) const
{
    QStringList values;
    for (int i = 0; i < Count; ++i)
        values.append(QString::number(GetValue(i)));
    return values.join(separator);
}

void TMultiSpinEdit::SetCapWidth(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetCapWidth Error!"));
    if (n == CapWidth)
        return;
    CapWidth = n;
    Relayout();
}

void TMultiSpinEdit::SetSpinWidth(int n)
{
    if (n < 0)
        throw SsqError(QStringLiteral("SetSpinWidth Error!"));
    if (n == SpinWidth)
        return;
    SpinWidth = n;
    Relayout();
}

int TMultiSpinEdit::ItemWidth() const
{
    return 2 * Spacing + SpinWidth + CapWidth;
}

QRect TMultiSpinEdit::RectOfSpinEd(int index) const
{
    CheckIndex(index, "RectOfSpinEd Index Error!");
    const int left = ItemWidth() * (index % Cols) + Spacing + CapWidth;
    const int top = (ItemHeight + Spacing) * (index / Cols) + Spacing;
    return QRect(left, top, SpinWidth, ItemHeight);
}

QRect TMultiSpinEdit::RectOfCap(int index) const
{
    CheckIndex(index, "RectOfCap Index Error!");
    const QRect edit = RectOfSpinEd(index);
    return QRect(edit.left() - CapWidth + Spacing, edit.top(), CapWidth, ItemHeight);
}

QString TMultiSpinEdit::caption(int index) const
{
    return index >= 0 && index < Count ? Captions.at(index) : QString();
}

QSpinBox *TMultiSpinEdit::spinEdit(int index) const
{
    return index >= 0 && index < Count ? SpinEdits[static_cast<std::size_t>(index)] : nullptr;
}

QSize TMultiSpinEdit::LayoutSize() const
{
    return QSize(ItemWidth() * Cols + Spacing, (ItemHeight + Spacing) * Rows + Spacing);
}

void TMultiSpinEdit::PlaceChildren()
{
    // The boxes are placed at every re-layout rather than while painting: a control
    // that was never shown still has them where the captions leave room for them.
    for (int i = 0; i < Count; ++i)
        SpinEdits[static_cast<std::size_t>(i)]->setGeometry(RectOfSpinEd(i));
}

void TMultiSpinEdit::paintEvent(QPaintEvent *)
{
    // Opaque in the colour it inherits from the box it sits on: the panel places
    // its controls over runs of blanks in its labels, and they must cover them.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(painter.font());
    for (int i = 0; i < Count; ++i) {
        const QRect caption = RectOfCap(i);
        const int top = ItemGrid::CentredTextTop(caption, metrics.height());
        painter.drawText(caption.left(), top + metrics.ascent(), Captions.at(i));
    }
}

void TMultiSpinEdit::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    event->accept();
    m_pressed = true;
    update();
}

void TMultiSpinEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    event->accept();
    // A click (press and release on the control) takes the focus; the press
    // alone does not.
    const bool clicked = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (clicked && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TMultiSpinEdit::keyPressEvent(QKeyEvent *event)
{
    HandleGridKey(event);
}
