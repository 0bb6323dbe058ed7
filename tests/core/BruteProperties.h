#pragma once

// Properties of six reds counted directly from the numbers in their stored order, the
// way a player counts them, independent of unit Code. A red written twice counts twice
// where a property counts positions, once where it counts distinct numbers or classes.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace Brute {

using Combo = std::array<int, 6>;

template <typename P>
int countIf(const Combo &a, P p)
{
    int k = 0;
    for (int n : a)
        k += p(n) ? 1 : 0;
    return k;
}
template <typename C>
int distinct(const Combo &a, C cls)
{
    std::uint64_t seen = 0;
    for (int n : a)
        seen |= std::uint64_t{1} << cls(n);
    return std::popcount(seen);
}
inline int zone(const Combo &a, int z) { return countIf(a, [z](int n) { return n >= 11 * z + 1 && n <= 11 * z + 11; }); }
inline int ac(const Combo &a)
{
    std::uint64_t d = 0;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (a[j] != a[i])
                d |= std::uint64_t{1} << std::abs(a[j] - a[i]);
    return std::popcount(d) - 5;
}
inline int maxGap(const Combo &a)
{
    int g = 0;
    for (int i = 0; i < 5; ++i)
        g = std::max(g, std::abs(a[i + 1] - a[i]));
    return g;
}
// runs[L] = number of maximal runs of exactly L consecutive numbers (L >= 2) among the
// distinct numbers.
inline std::array<int, 7> runs(const Combo &a)
{
    std::array<int, 7> r{};
    int len = 0;
    for (int n = 1; n <= 34; ++n) {
        if (n <= 33 && std::find(a.begin(), a.end(), n) != a.end()) {
            ++len;
            continue;
        }
        if (len >= 2)
            ++r[std::size_t(len)];
        len = 0;
    }
    return r;
}
inline int sum(const Combo &a) { return a[0] + a[1] + a[2] + a[3] + a[4] + a[5]; }
inline int tailSum(const Combo &a)
{
    int s = 0;
    for (int n : a)
        s += n % 10;
    return s;
}
inline int sameTailMax(const Combo &a)
{
    int best = 0;
    for (int t = 0; t < 10; ++t)
        best = std::max(best, countIf(a, [t](int n) { return n % 10 == t; }));
    return best;
}
// Neighbouring positions, both of the parity, the second two above the first.
inline int steps(const Combo &a, int parity)
{
    int k = 0;
    for (int i = 0; i < 5; ++i)
        k += a[i] % 2 == parity && a[i + 1] - a[i] == 2;
    return k;
}
inline bool has(const Combo &a, int n) { return std::find(a.begin(), a.end(), n) != a.end(); }
// The distinct numbers of A with a neighbour in B.
inline int slant(const Combo &a, const Combo &b)
{
    int k = 0;
    for (int n = 1; n <= 33; ++n)
        k += has(a, n) && (has(b, n - 1) || has(b, n + 1));
    return k;
}
inline int samePos(const Combo &a, const Combo &b)
{
    int k = 0;
    for (int i = 0; i < 6; ++i)
        k += a[i] == b[i];
    return k;
}
// 1 counts as a prime: the numbers that are not composite.
inline bool prime(int n)
{
    static constexpr int primes[] = {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
    return std::find(std::begin(primes), std::end(primes), n) != std::end(primes);
}

} // namespace Brute
