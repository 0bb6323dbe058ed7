#pragma once

#include "core/wheel/WheelGuarantee.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// How a long search is watched and stopped from another thread.
struct WheelControl
{
    std::atomic<bool> cancel{false};
    std::atomic<int> permille{0};   // share of the budget used
    std::atomic<int> bestSize{0};   // size of the smallest complete wheel so far
};

struct WheelSearchOptions
{
    // The budget: a count of annealing moves when `steps` is set (the same answer on every
    // run and machine), else the time limit (the long offline search).
    std::int64_t steps = 0;
    int timeLimitMs = 5000;
    std::uint64_t seed = 20260101;
    int ticketSize = 6;   // fewer when bankers fill the rest of every ticket
    int targetSize = 0;   // stop as soon as a wheel of this size is found (0: the lower bound)
    std::vector<std::uint64_t> start;   // a wheel to go on from instead of the greedy start
    bool cpuClock = false;  // count the time limit in processor time (long runs on a busy machine)
};

// Makes a wheel over the numbers 0..n-1 (tickets are six-bit masks): a greedy start,
// then simulated annealing on the number of m-subsets no ticket holds t of; every time
// that count reaches zero the wheel is kept and the ticket that serves the fewest
// subsets alone is dropped, until the budget is used. Answers the smallest complete
// wheel; when cancelled, the smallest complete one so far (nothing when there was none
// yet). The answer is not trusted by its callers: they verify it.
std::optional<std::vector<std::uint64_t>> SearchWheel(int n, const WheelGuarantee &g,
                                                      const WheelSearchOptions &options,
                                                      WheelControl *control = nullptr);

// A size no wheel can go below: the Schönheim bound for m = t; for m > t the bound of
// the covering with t-subsets of the m numbers fixed is not simple, so 1.
int WheelLowerBound(int n, const WheelGuarantee &g, int size = 6);
