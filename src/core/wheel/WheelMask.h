#pragma once

// Masks in the wheel code. A mask of reds has bit r for the red r (1..33), as everywhere
// in the program (ToMask). A wheel over chosen numbers works on positions instead: bit i
// stands for the i-th chosen number, so that the search and its check never see which
// reds they are.

#include "core/history/DrawRecord.h"

#include <QList>
#include <algorithm>
#include <bit>
#include <cstdint>

// Calls f(i) for every set bit i, lowest first.
template <typename F>
void ForEachBit(std::uint64_t mask, F &&f)
{
    for (; mask; mask &= mask - 1)
        f(std::countr_zero(mask));
}

// A ticket of six reds from a mask of positions over `numbers` and the reds on every
// ticket (`fixed`, the bankers), ascending.
inline TCodeRedArr TicketOfPositions(std::uint64_t mask, const QList<int> &numbers, const QList<int> &fixed = {})
{
    TCodeRedArr a{};
    std::size_t k = 0;
    for (const int red : fixed)
        if (k < a.size())
            a[k++] = std::int8_t(red);
    ForEachBit(mask, [&](int i) {
        if (k < a.size())
            a[k++] = std::int8_t(numbers[i]);
    });
    std::sort(a.begin(), a.end());
    return a;
}
