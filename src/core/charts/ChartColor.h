#pragma once

#include <QString>
#include <QtGlobal>

// Colours of the chart models are plain 32-bit values so that the core needs no GUI
// library: red in the low byte, then green, then blue. A value with the top bit set
// names a system colour of the platform; the only one the charts use is the window
// colour, which a table reads as "no fill".
using TColor = quint32;

constexpr TColor RgbColor(int red, int green, int blue)
{
    return TColor(red & 0xff) | (TColor(green & 0xff) << 8) | (TColor(blue & 0xff) << 16);
}

constexpr TColor kSystemColorBit = 0x80000000u;
// The window (text area) background; in a table cell it means: leave the cell unfilled.
constexpr TColor clWindow = kSystemColorBit | 5u;
constexpr TColor clBlack = RgbColor(0, 0, 0);

constexpr bool IsSystemColor(TColor color) { return (color & kSystemColorBit) != 0; }
constexpr int ColorRed(TColor color) { return int(color & 0xff); }
constexpr int ColorGreen(TColor color) { return int((color >> 8) & 0xff); }
constexpr int ColorBlue(TColor color) { return int((color >> 16) & 0xff); }

// "#rrggbb" for an RGB colour; an empty text for a system colour.
inline QString ColorToHex(TColor color)
{
    if (IsSystemColor(color))
        return QString();
    return QStringLiteral("#%1%2%3")
        .arg(ColorRed(color), 2, 16, QLatin1Char('0'))
        .arg(ColorGreen(color), 2, 16, QLatin1Char('0'))
        .arg(ColorBlue(color), 2, 16, QLatin1Char('0'));
}
