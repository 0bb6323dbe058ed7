#pragma once

// The requests a vertical scroll bar sends to the table: one line, one page, a thumb
// position (dropped or dragged), the top or the bottom. Other requests (the end of a
// drag) leave the position alone.
enum class ScrollRequest {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    Other,
};

// The position that a request leads to, for the range min .. max and a page of
// pageRows rows; requested is the thumb position of the two thumb requests.
int NextScrollPosition(ScrollRequest request, int position, int min, int max, int pageRows,
                       int requested);
