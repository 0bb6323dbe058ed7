#pragma once

#include "core/code/Code.h"
#include "core/wheel/WheelSearch.h"

#include <cstdint>
#include <vector>

// Chooses tickets of `size` numbers out of `pool` so that every survivor (a mask of
// numbers out of the pool: reds as ToMask writes them, by default) shares at least t
// numbers with one of them. A number no survivor holds is taken only to fill a ticket,
// and then the lowest free one.
//
// Greedy: the t-subset held by the most survivors not yet served is taken, and its
// ticket completed with the numbers that serve the most of them; each survivor is listed
// under each of its t-subsets, so a ticket's survivors are found without a search.
std::vector<std::uint64_t> CoverSurvivorMasks(const std::vector<std::uint64_t> &survivors, int t,
                                              WheelControl *control = nullptr, int size = 6,
                                              std::uint64_t pool = CodeMask::All);
