#include "gui/reduction/ConditionWidgets.h"

#include <algorithm>

#include "gui/controls/ColorChk.h"
#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"

#include <QListWidget>

namespace ConditionWidgets {

CheckList readChecks(const TMultiChk *list)
{
    CheckList checks;
    for (int i = 0; i < list->count(); ++i)
        checks.setChecked(i, list->GetCheck(i));
    return checks;
}

void writeChecks(TMultiChk *list, const CheckList &checks)
{
    for (int i = 0; i < list->count(); ++i)
        list->SetCheck(i, checks.isChecked(i));
}

ValueRange readRange(const TMultiSpinEdit *range)
{
    return ValueRange{range->GetValue(0), range->GetValue(1)};
}

void writeRange(TMultiSpinEdit *range, const ValueRange &value)
{
    range->SetValuesText(QStringLiteral(","), RangeText(value));
}

std::array<bool, 33> readNumbers(const TColorMChk *grid)
{
    return NumberRangeFromText(grid->GetCheckedText(QStringLiteral(",")));
}

void writeNumbers(TColorMChk *grid, const std::array<bool, 33> &numbers)
{
    grid->SetCheckedText(QStringLiteral(","), NumberRangeText(numbers));
}

QStringList readLines(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

void writeLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

TMultiChk *newCheckList(QWidget *parent, const QStringList &captions, int capWidth, int left,
                        int top)
{
    auto *list = new TMultiChk(parent);
    for (const QString &caption : captions)
        list->AddItem(caption);
    list->SetCapWidth(capWidth);
    list->SetCols(static_cast<int>(captions.size()));
    list->move(left, top);
    list->setCursor(Qt::PointingHandCursor);
    return list;
}

TMultiSpinEdit *newRange(QWidget *parent, int left, int top, int spinWidth)
{
    auto *range = new TMultiSpinEdit(parent);
    range->AddItem(QStringLiteral("最小值:"));
    range->AddItem(QStringLiteral("最大值:"));
    // Room for four digits beside the arrows; the captions need no more than 50.
    range->SetCapWidth(50);
    range->SetSpinWidth(std::max(spinWidth, 56));
    range->SetCols(2);
    range->move(left, top);
    range->setCursor(Qt::PointingHandCursor);
    return range;
}

} // namespace ConditionWidgets
