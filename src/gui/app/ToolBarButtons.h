#pragma once

#include <QString>

class QToolBar;
class QToolButton;

// The large tool buttons of the program's tool bars: a 24 x 24 icon with the caption
// under it, 63 x 45 pixels, hand-point cursor. A hint is written "short|long": the short
// part is the tool-tip (most buttons have none), the long part goes to the status bar.
namespace ToolBarButtons {

void setUp(QToolBar *bar);

QToolButton *add(QToolBar *bar, const QString &objectName, const QString &caption,
                 const QString &iconName, const QString &hint = {});

// "短|长" -> short part, long part. A hint without "|" is both.
QString shortHint(const QString &hint);
QString longHint(const QString &hint);

} // namespace ToolBarButtons
