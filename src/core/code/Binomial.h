#pragma once

#include <cstdint>

// C(n, k), the number of ways to choose k of n things; 0 when k lies outside 0..n. Exact
// for every value that fits in 64 bits along the way (n up to 64 with k up to 7, say).
constexpr std::int64_t Binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    if (k > n - k)
        k = n - k;
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// Every combination of six reds out of 1..33.
inline constexpr int kCombinationCount = static_cast<int>(Binomial(33, 6));
static_assert(kCombinationCount == 1107568);
