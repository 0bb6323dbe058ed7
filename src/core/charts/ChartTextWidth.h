#pragma once

#include <QString>

// How wide a chart text is drawn, in pixels, for a font of the given point size on a
// 96 dpi screen: the widest of its lines (see CellTextLines). Chinese characters take a
// full em, Latin letters and digits about half of one, as in the Chinese fonts the chart
// controls draw with. The tables size their columns by it and the bar chart its labels,
// so the layout is decided in the core and the batch tool reports the same widths.
double ChartTextWidth(const QString &text, int pointSize);
