#pragma once

#include "core/code/Binomial.h"

#include <array>
#include <bit>
#include <cstdint>

// Ranks of k-subsets of 0..33 written as bit masks, in colex order: the rank of
// {c1 < c2 < ... < ck} is C(c1,1) + C(c2,2) + ... + C(ck,k). For a fixed k this is
// also the order of the masks as integers, so the subsets can be listed by counting.
class SubsetRank
{
public:
    static std::int64_t binom(int n, int k) { return table().c[n][k]; }

    static std::int64_t rank(std::uint64_t mask)
    {
        std::int64_t r = 0;
        int k = 1;
        while (mask) {
            r += table().c[std::countr_zero(mask)][k++];
            mask &= mask - 1;
        }
        return r;
    }

    // The next larger mask with the same number of bits (Gosper).
    static std::uint64_t nextSameCount(std::uint64_t x)
    {
        const std::uint64_t c = x & (~x + 1);
        const std::uint64_t r = x + c;
        return (((r ^ x) >> 2) / c) | r;
    }

    // Calls f(mask) for every subset of `pool` with k bits.
    template <typename F>
    static void forEachSubset(std::uint64_t pool, int k, F &&f, std::uint64_t acc = 0)
    {
        if (k == 0) {
            f(acc);
            return;
        }
        while (std::popcount(pool) >= k) {
            const std::uint64_t low = pool & (~pool + 1);
            pool ^= low;
            forEachSubset(pool, k - 1, f, acc | low);
        }
    }

private:
    struct Table
    {
        std::array<std::array<std::int64_t, 8>, 65> c{};
    };
    static const Table &table()
    {
        static const Table t = [] {
            Table b;
            for (int n = 0; n <= 64; ++n)
                for (int k = 0; k < 8; ++k)
                    b.c[n][k] = Binomial(n, k);
            return b;
        }();
        return t;
    }
};
