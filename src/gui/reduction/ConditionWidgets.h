#pragma once

// Reading the condition controls into the plain condition set and writing it back. The
// controls are only a view: every rule about what a check or a range means lives with
// ConditionSet and the engine.

#include "core/reduction/ConditionSet.h"

#include <QStringList>
#include <array>

class QListWidget;
class QWidget;
class TColorMChk;
class TMultiChk;
class TMultiSpinEdit;

namespace ConditionWidgets {

CheckList readChecks(const TMultiChk *list);
void writeChecks(TMultiChk *list, const CheckList &checks);

ValueRange readRange(const TMultiSpinEdit *range);
void writeRange(TMultiSpinEdit *range, const ValueRange &value);

std::array<bool, 33> readNumbers(const TColorMChk *grid);
void writeNumbers(TColorMChk *grid, const std::array<bool, 33> &numbers);

QStringList readLines(const QListWidget *list);
void writeLines(QListWidget *list, const QStringList &lines);

// A check list created as the condition panel creates them: the captions, the caption
// width and one row holding every item.
TMultiChk *newCheckList(QWidget *parent, const QStringList &captions, int capWidth, int left,
                        int top);
// A value range with the items "最小值:" and "最大值:", two columns, spin boxes wide
// enough for four digits.
TMultiSpinEdit *newRange(QWidget *parent, int left, int top, int spinWidth = 0);

} // namespace ConditionWidgets
