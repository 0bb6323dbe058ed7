#include "core/wheel/WheelVerifier.h"

#include "core/wheel/WheelMask.h"

#include <algorithm>
#include <bit>

namespace {

// Calls `visit` with the mask of every t-subset of the k numbers `nums` (t <= k <= 6), in
// the order of an index odometer, until it answers true; answers whether it did.
template <typename Visit>
bool anyTSubset(const int *nums, int k, int t, Visit visit)
{
    int idx[6];
    for (int i = 0; i < t; ++i)
        idx[i] = i;
    while (true) {
        std::uint64_t part = 0;
        for (int i = 0; i < t; ++i)
            part |= std::uint64_t{1} << nums[idx[i]];
        if (visit(part))
            return true;
        int i = t - 1;
        while (i >= 0 && idx[i] == k - t + i)
            --i;
        if (i < 0)
            return false;
        ++idx[i];
        for (int j = i + 1; j < t; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

// All t-element sub-masks of the tickets, sorted: a set of numbers shares t with some
// ticket exactly when one of its t-subsets is among them.
std::vector<std::uint64_t> ticketParts(const std::vector<std::uint64_t> &tickets, int t)
{
    std::vector<std::uint64_t> parts;
    for (const std::uint64_t ticket : tickets) {
        int bits[6];
        int k = 0;
        ForEachBit(ticket, [&](int bit) {
            if (k < 6)
                bits[k++] = bit;
        });
        if (k >= t)
            anyTSubset(bits, k, t, [&parts](std::uint64_t part) {
                parts.push_back(part);
                return false; // every subset
            });
    }
    std::sort(parts.begin(), parts.end());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
    return parts;
}

// True when some t-subset of the numbers `nums` (k of them) is a ticket part.
bool holdsPart(const int *nums, int k, int t, const std::vector<std::uint64_t> &parts)
{
    return anyTSubset(nums, k, t, [&parts](std::uint64_t part) {
        return std::binary_search(parts.begin(), parts.end(), part);
    });
}

} // namespace

WheelCheck VerifyWheel(int n, const WheelGuarantee &g, const std::vector<std::uint64_t> &tickets, std::uint64_t drawn)
{
    WheelCheck check;
    const std::uint64_t all = n == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
    const int fixed = std::popcount(drawn);
    if (n < 6 || n > 64 || g.t > g.m || g.m > 6 || g.t < 1 || (drawn & ~all) != 0 || fixed > g.m) {
        check.malformed = true;
        return check;
    }
    for (const std::uint64_t ticket : tickets) {
        if (std::popcount(ticket) != 6 || (ticket & ~all) != 0) {
            check.malformed = true;
            return check;
        }
    }
    const std::vector<std::uint64_t> parts = ticketParts(tickets, g.t);
    // The numbers drawn for sure first, then every choice of the rest from the others.
    int nums[6];
    int k = 0;
    ForEachBit(drawn, [&](int bit) { nums[k++] = bit; });
    int pool[64];
    int free = 0;
    for (int x = 0; x < n; ++x)
        if (!(drawn >> x & 1))
            pool[free++] = x;
    const int r = g.m - fixed;
    if (r > free) {
        check.malformed = true;
        return check;
    }
    int idx[6];
    for (int i = 0; i < r; ++i)
        idx[i] = i;
    while (true) {
        ++check.checked;
        for (int i = 0; i < r; ++i)
            nums[fixed + i] = pool[idx[i]];
        if (!holdsPart(nums, g.m, g.t, parts)) {
            for (int i = 0; i < g.m; ++i)
                check.firstMiss |= std::uint64_t{1} << nums[i];
            return check;
        }
        int i = r - 1;
        while (i >= 0 && idx[i] == free - r + i)
            --i;
        if (i < 0)
            break;
        ++idx[i];
        for (int j = i + 1; j < r; ++j)
            idx[j] = idx[j - 1] + 1;
    }
    check.ok = true;
    return check;
}

SurvivorCheck VerifySurvivorWheel(const std::vector<std::uint64_t> &survivors,
                                  const std::vector<std::uint64_t> &tickets, int t)
{
    SurvivorCheck check;
    for (const std::uint64_t ticket : tickets)
        if (std::popcount(ticket) != 6) {
            check.missed = std::int64_t(survivors.size());
            return check;
        }
    const std::vector<std::uint64_t> parts = ticketParts(tickets, t);
    for (const std::uint64_t s : survivors) {
        ++check.checked;
        int nums[6];
        int k = 0;
        ForEachBit(s, [&](int bit) {
            if (k < 6)
                nums[k++] = bit;
        });
        if (k < t || !holdsPart(nums, k, t, parts))
            ++check.missed;
    }
    check.ok = check.missed == 0;
    return check;
}
