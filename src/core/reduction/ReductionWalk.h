#pragma once

// The walk of one reduction run over its list of combinations, shared out among threads.

#include "core/reduction/ReductionFilter.h"

// See ReductionFilter::apply.
StageOutcomes WalkReduction(const ReductionFilter &filter, TCodeList &list, ReductionProgress *progress, int threads,
                            std::array<int, kStageCount> *byFailures);
