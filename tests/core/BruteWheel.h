#pragma once

// The cases a wheel leaves open, counted draw by draw apart from the program's verifier:
// with every banker drawn and any m - b of the numbers, some ticket must share t of them.
// Tickets and draws are sets of bits, bit x for the number x.

#include <QList>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace Brute {

inline std::uint64_t bitsOf(const auto &numbers)
{
    std::uint64_t bits = 0;
    for (const int x : numbers)
        bits |= std::uint64_t{1} << x;
    return bits;
}

inline int openCases(const QList<int> &numbers, const QList<int> &bankers, int m, int t,
                     const std::vector<std::uint64_t> &tickets)
{
    const int r = m - int(bankers.size());
    const int n = int(numbers.size());
    std::vector<int> pick(std::size_t(std::max(r, 0)));
    for (int i = 0; i < r; ++i)
        pick[std::size_t(i)] = i;
    for (int open = 0;;) {
        std::uint64_t drawn = bitsOf(bankers);
        for (const int i : pick)
            drawn |= std::uint64_t{1} << numbers[i];
        open += std::none_of(tickets.begin(), tickets.end(), [&](std::uint64_t k) { return std::popcount(k & drawn) >= t; });
        int i = r - 1;
        while (i >= 0 && pick[std::size_t(i)] == n - r + i)
            --i;
        if (i < 0)
            return open;
        ++pick[std::size_t(i)];
        for (int j = i + 1; j < r; ++j)
            pick[std::size_t(j)] = pick[std::size_t(j - 1)] + 1;
    }
}

} // namespace Brute
