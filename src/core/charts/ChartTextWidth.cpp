#include "core/charts/ChartTextWidth.h"

#include "core/charts/ChartText.h"

#include <algorithm>

namespace {

// The advance of one character in ems, measured on the Chinese sans fonts the program
// falls back to for "宋体" (digits and most Latin letters 0.55, capitals up to 0.75).
double advance(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x2E80 || (u >= 0xFF00 && u <= 0xFFEF))
        return 1.0;
    if (c.isUpper())
        return 0.75;
    if (u < 0x80)
        return 0.55;
    return 0.65;
}

} // namespace

double ChartTextWidth(const QString &text, int pointSize)
{
    const double em = pointSize * 96.0 / 72.0;
    double widest = 0;
    for (const QString &line : CellTextLines(text)) {
        double width = 0;
        for (QChar c : line)
            width += advance(c);
        widest = std::max(widest, width * em);
    }
    return widest;
}
