#pragma once

#include "core/wheel/WheelGuarantee.h"

#include <cstdint>
#include <vector>

// The proof behind every wheel the program shows. It is written apart from the search
// that makes the wheels and shares nothing with it: it walks every m-subset of the n
// numbers one by one and looks for a ticket that holds t of them.
//
// Numbers are the bits 0..n-1 of a mask; a ticket is a mask of six of them.
struct WheelCheck
{
    bool ok = false;
    std::int64_t checked = 0;     // m-subsets looked at
    std::uint64_t firstMiss = 0;  // an m-subset no ticket holds t of (when !ok)
    bool malformed = false;       // a ticket is not six numbers out of the n
};

// `drawn`: numbers that count as drawn in every case (the bankers of a 胆拖); then only
// the m-subsets that hold all of them are looked at.
WheelCheck VerifyWheel(int n, const WheelGuarantee &g, const std::vector<std::uint64_t> &tickets,
                       std::uint64_t drawn = 0);

// Survivors and tickets are six-number masks (any bits); every survivor must share at
// least t numbers with some ticket.
struct SurvivorCheck
{
    bool ok = false;
    std::int64_t checked = 0;
    std::int64_t missed = 0;
};

SurvivorCheck VerifySurvivorWheel(const std::vector<std::uint64_t> &survivors,
                                  const std::vector<std::uint64_t> &tickets, int t);
