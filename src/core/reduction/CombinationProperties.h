#pragma once

// The properties that the reduction's stages test, one small value each, for every one
// of the 1,107,568 combinations. The values come from the functions of unit Code, the
// same ones the charts and the analysis table call, so a filter and the column that
// shows the same quantity cannot disagree. The table is computed once per process; a
// run then only looks its values up.

#include "code/Code.h"

#include <array>
#include <cstdint>
#include <vector>

// C(n, k), the number of ways to choose k of n; 0 when k is out of 0..n.
constexpr int Binomial(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    long long r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return static_cast<int>(r);
}

inline constexpr int kCombinationTotal = 1107568; // C(33, 6)

// Where each property stands in a combination's record.
enum PropertySlot : int {
    SlotZones,        // c0 * 7 + c1: reds in 01-11 and in 12-22 (the rest lie in 23-33)
    SlotZone6,        // Zone6Count
    SlotOddEvenZone,  // OddEvenZoneCount
    SlotMod3,         // Mod3Count(0) * 7 + Mod3Count(1)
    SlotMod6,         // Mod6GroupCount
    SlotAc,           // AcValue
    SlotGap,          // MaxGap
    SlotOdd,          // OddCount
    SlotBig,          // BigCount
    SlotRuns,         // ConsecRuns as RunsIndex()
    SlotSum,          // RedSum
    SlotSameTail,     // SameTailMax (1..4, kept as 0..3)
    SlotTailSum,      // RedSum of the tails
    SlotTailMod5,     // Mod5GroupCount of the tails
    SlotBigTail,      // BigTailCount
    kPropertySlots
};

// One combination's values packed into 64 bits (the table is read once per run over a
// million entries, so its size is what a run costs).
using CombinationRecord = std::uint64_t;

struct SlotField
{
    int shift;
    int width;
    int offset;   // the value is the field plus this
};
inline constexpr std::array<SlotField, kPropertySlots> kSlotFields = {{
    {0, 6, 0}, {6, 3, 0}, {9, 3, 0}, {12, 6, 0}, {18, 3, 0}, {21, 4, 0}, {25, 5, 0}, {30, 3, 0},
    {33, 3, 0}, {36, 6, 0}, {42, 8, 0}, {50, 2, 1}, {52, 6, 0}, {58, 3, 0}, {61, 3, 0},
}};

// Runs of consecutive numbers as one index below 64: r2 + 4 r3 + 12 r4 + 24 r5 + 48 r6,
// where rL = runs[L - 1] of ConsecRuns. Six numbers allow at most three pairs or two
// triples, so no two run patterns share an index.
int RunsIndex(const std::array<int, 6> &runs);

// The record of one ascending combination of six distinct reds 1..33, from unit Code.
CombinationRecord PropertiesOf(const TCodeRedArr &a);

// The position of an ascending combination in lexicographic order (0 for 01 02 03 04 05
// 06); the base list holds it at that index.
int CombinationIndex(const TCodeRedArr &ascending);

// The records of all combinations in lexicographic order, made on first use.
const std::vector<CombinationRecord> &CombinationTable();
