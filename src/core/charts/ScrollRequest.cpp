#include "core/charts/ScrollRequest.h"

#include <algorithm>

int NextScrollPosition(ScrollRequest request, int position, int min, int max, int pageRows,
                       int requested)
{
    int p = position;
    switch (request) {
    case ScrollRequest::LineUp:
        p = std::max(0, p - 1);
        break;
    case ScrollRequest::LineDown:
        p = std::min(max, p + 1);
        break;
    case ScrollRequest::PageUp:
        p = std::max(p - pageRows, min);
        break;
    case ScrollRequest::PageDown:
        p = std::min(p + pageRows, max);
        break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack:
        if (requested >= min)
            p = requested;
        break;
    case ScrollRequest::Top:
        p = min;
        break;
    case ScrollRequest::Bottom:
        p = max;
        break;
    case ScrollRequest::Other:
        break;
    }
    // A scroll bar never lets its position leave its range; a position out of it would
    // show rows that do not exist (or a negative first row).
    return std::clamp(p, min, std::max(min, max));
}
