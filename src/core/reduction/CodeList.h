#pragma once

// A list of combinations with one survive flag each: `ResultList` of the reduction, and
// the list the single-ticket recommendation builds for itself.

#include "core/code/Binomial.h"
#include "core/history/DrawRecord.h"

struct TCodeList
{
    TCodeRedArrArr Codes;  // ascending within each combination, lexicographic order
    int Count = 0;
    TBoolArr Alive;        // 1 while the combination survives
};

// Fills `list` with all 1,107,568 combinations in lexicographic order, every one alive.
// The list's storage is reused when it already has the size.
void BuildBaseList(TCodeList &list);
int AliveCount(const TCodeList &list);
// The survivors of `list` in its order: the base of "结果再缩水".
TCodeRedArrArr SurvivorCodes(const TCodeList &list);
