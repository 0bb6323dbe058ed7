#include "gui/controls/CheckGridControl.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "gui/controls/ItemGrid.h"

#include <QKeyEvent>
#include <algorithm>

TCheckGridControl::TCheckGridControl(QWidget *parent)
    : TItemGridControl(parent)
{
}

void TCheckGridControl::AddItem(const QString &caption)
{
    Checks.push_back(0);
    Captions.append(caption);
    SetCount(Count + 1);
}

void TCheckGridControl::SetCount(int n)
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

bool TCheckGridControl::GetCheck(int index) const
{
    // The reduction asks some lists for values past their last item: those values
    // have no item, so they count as not checked.
    if (index < 0 || index >= Count)
        return false;
    return Checks[static_cast<std::size_t>(index)] != 0;
}

QString TCheckGridControl::GetCaption(int index) const
{
    CheckIndex(index, "GetCaption Error!");
    return Captions.at(index);
}

int TCheckGridControl::CheckedCount() const
{
    return static_cast<int>(std::count(Checks.begin(), Checks.end(), std::uint8_t{1}));
}

int TCheckGridControl::IndexOfCaption(const QString &text) const
{
    return static_cast<int>(Captions.lastIndexOf(text));
}

void TCheckGridControl::SetCheckedText(const QString &separator, const QString &text)
{
    std::fill(Checks.begin(), Checks.end(), std::uint8_t{0});
    const QStringList pieces = SplitStr(separator, text);
    for (const QString &piece : pieces) {
        const int index = IndexOfCaption(CaptionOfPiece(piece));
        if (index != -1)
            Checks[static_cast<std::size_t>(index)] = 1;
    }
    update();
}

QString TCheckGridControl::GetCheckedText(const QString &separator) const
{
    QStringList checked;
    for (int i = 0; i < Count; ++i)
        if (Checks[static_cast<std::size_t>(i)] != 0)
            checked.append(Captions.at(i));
    return checked.join(separator);
}

void TCheckGridControl::SetAllChecks(std::uint8_t flag)
{
    if (Count <= 0)
        return;
    std::fill(Checks.begin(), Checks.end(), flag);
    update();
}

void TCheckGridControl::Toggle(int index)
{
    auto &flag = Checks[static_cast<std::size_t>(index)];
    flag = flag != 0 ? 0 : 1;
}

void TCheckGridControl::keyPressEvent(QKeyEvent *event)
{
    if (!HandleGridKey(event))
        return;
    // The character of Enter or Space switches the focused item; the key itself has
    // already been notified.
    if (ItemGrid::IsToggleKey(event->key()) && FocusIndex >= 0 && FocusIndex < Count) {
        Toggle(FocusIndex);
        update();
    }
}
