#pragma once

#include "wheel/WheelSearch.h"

#include <cstdint>
#include <vector>

// Chooses tickets so that every survivor (a six-bit mask over the bits 0..32) shares at
// least t numbers with one of them; t is 3, 4 or 5.
//
// Greedy: the t-subset held by the most survivors not yet served is taken, and its
// ticket completed with the numbers that serve the most of them; each survivor is listed
// under each of its t-subsets, so a ticket's survivors are found without a search.
std::vector<std::uint64_t> CoverSurvivorMasks(const std::vector<std::uint64_t> &survivors, int t,
                                              WheelControl *control = nullptr);
