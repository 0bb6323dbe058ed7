#pragma once

#include <QStringList>

// The lines a table cell shows for its text: the text without leading and trailing blanks
// and control characters, split at each "\r\n", empty pieces left out. Both tables
// draw every cell text, caption and title this way.
QStringList CellTextLines(const QString &text);
