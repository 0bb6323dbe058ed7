#include "core/update/SourceDraw.h"

#include "core/code/Code.h"

#include <algorithm>

QString DrawLine(const DrawRecord &draw)
{
    return draw.issueText() + QLatin1Char(' ') + RedArrToStr(draw.Red) + QLatin1Char(' ')
           + IntToPadStr(draw.Blue, 2, true);
}

QString DrawNumbers(const DrawRecord &draw)
{
    return RedArrToStr(draw.Red) + QLatin1Char('+') + IntToPadStr(draw.Blue, 2, true);
}

DrawRecord SortedDraw(DrawRecord draw)
{
    std::sort(draw.Red.begin(), draw.Red.end());
    return draw;
}
