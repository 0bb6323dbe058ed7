#pragma once

#include <QRect>
#include <algorithm>

// A pixel rectangle as the chart geometry is written: right and bottom are exclusive,
// so a cell 16 wide starting at x = 1 has right = 17. (QRect's right() is inclusive,
// which makes the lattice arithmetic off by one at every edge.)
struct TRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    constexpr bool intersects(const TRect &o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    friend constexpr bool operator==(const TRect &, const TRect &) = default;
};

// The smallest rectangle holding both; an empty one does not count.
constexpr TRect UnionRect(const TRect &a, const TRect &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return TRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom)};
}

inline TRect ToTRect(const QRect &r)
{
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
