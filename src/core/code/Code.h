#pragma once

// Unit Code: the text routines for numbers and lists, and the properties of one red
// combination that the reduction, the charts and the analysis table share, so that a
// filter and the table column that shows the same quantity always agree.
//
// Every property is defined once, as an inline function of a TCodeTally (below): the
// reduction adds the reds of its candidates one by one and reads the properties in its
// one pass; the charts and the analysis table read them on the six stored positions of
// a draw (which keep their written order, so the functions that look at neighbouring
// positions use that order). The set operations that compare a combination with a fixed
// set of numbers (the newest draw, a chosen-number group, a set of cold numbers) also
// come as one popcount on a 64-bit mask with bit n set for number n.

#include "core/code/CodeTypes.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

using RedMask = std::uint64_t;

// ---- text routines ---------------------------------------------------------------

QString IntToPadStr(int value, int width, bool zero);
bool RedArrToStr(const TCodeRedArr &reds, QString &text);
QString RedArrToStr(const TCodeRedArr &reds);
QStringList SplitStr(const QString &sep, const QString &text);
void JoinStr(const QString &sep, const QStringList &list, QString &text);

// Item i stands for the count i on the left and 6 - i on the right.
extern const std::array<QString, 7> RatioCaptions;

// ---- masks of numbers --------------------------------------------------------------

namespace CodeMask {
constexpr RedMask bit(int n) { return RedMask{1} << n; }
constexpr RedMask range(int lo, int hi)
{
    RedMask m = 0;
    for (int n = lo; n <= hi; ++n)
        m |= bit(n);
    return m;
}
constexpr RedMask All = range(1, 33);
} // namespace CodeMask

// Bit n for each red n of 1..33 (other values, which the history parser keeps away, add
// nothing).
inline RedMask ToMask(const TCodeRedArr &a)
{
    RedMask m = 0;
    for (const int n : a)
        if (n >= 1 && n <= 33)
            m |= CodeMask::bit(n);
    return m;
}

// ---- one combination summed up red by red -------------------------------------------
//
// Every property of a combination is read off a TCodeTally, the sum of one table entry
// per red: counters of the classes the red belongs to (added, so a red written twice in
// a hand-made history line counts twice, as a count over the six positions does), marks
// of the classes (or-ed, for the counts of distinct classes), the mask of the reds and
// the differences between them. A combination costs six additions; a walk over the
// combinations that share their first five reds adds only the sixth. The functions that
// look at neighbouring positions follow the order in which the reds are added.

namespace CodeClass {
constexpr int Tail(int n) { return n % 10; }
constexpr bool IsOdd(int n) { return n % 2 != 0; }
constexpr bool IsBig(int n) { return n >= 17; }
constexpr bool IsBigTail(int n) { return n % 10 >= 5; }
constexpr int Zone(int n) { return (n - 1) / 11; }                        // 01-11, 12-22, 23-33
constexpr int Zone6(int n) { return (n - 1) / 6; }                        // 1-6, 7-12, ..., 31-33
constexpr int OddEvenHalf(int n) { return 2 * Zone(n) + (IsOdd(n) ? 0 : 1); }
} // namespace CodeClass

// True when some d from 2 to n - 1 divides n: false for 1, 2 and every prime.
constexpr bool IsComposite(int n)
{
    for (int d = 2; d < n; ++d)
        if (n % d == 0)
            return true;
    return false;
}

// Where the counters stand in TCodeTally::Counts (three bits each unless said).
namespace TallyCount {
inline constexpr int Sum = 0;        // eight bits
inline constexpr int TailSum = 8;    // six bits
inline constexpr int Odd = 14;
inline constexpr int Big = 17;
inline constexpr int BigTail = 20;
inline constexpr int Prime = 23;
inline constexpr int Zone = 26;      // zone z at 32 - 3z: the three read as z0 z1 z2
inline constexpr int Mod3 = 35;      // remainder r at 41 - 3r: the three read as r0 r1 r2
} // namespace TallyCount

// Where the families of classes stand in TCodeTally::Classes.
namespace TallyClass {
inline constexpr int Zone6 = 0;       // six bits
inline constexpr int OddEvenHalf = 8; // six bits
inline constexpr int Mod6 = 16;       // six bits
inline constexpr int TailMod5 = 24;   // five bits
inline constexpr int Mod5 = 32;       // five bits
inline constexpr int Tail = 40;       // ten bits
} // namespace TallyClass

struct TCodeTally
{
    RedMask Reds = 0;             // bit n for each red n
    RedMask Mirror = 0;           // bit 40 - n for each red n
    RedMask Diffs = 0;            // bit d: two reds differ by d (bit 0: a red written twice)
    std::uint64_t Counts = 0;     // TallyCount
    std::uint64_t Classes = 0;    // TallyClass
    std::uint64_t Tails = 0;      // a three-bit counter for each tail digit t at bit 3t
    int Last = 0;                 // the red added last, 0 before the first
    int Gap = 0;                  // the largest difference of neighbouring reds
    int OddSteps = 0;             // neighbouring reds, both odd, the second two above the first
    int EvenSteps = 0;            // the same, both even
};

namespace CodeTallyTable {
struct Entry
{
    std::uint64_t counts = 0;
    std::uint64_t classes = 0;
    std::uint64_t tails = 0;
};
constexpr std::array<Entry, 34> make()
{
    using namespace CodeClass;
    std::array<Entry, 34> t{};
    for (int n = 1; n <= 33; ++n) {
        auto one = [](bool yes, int at) { return std::uint64_t(yes ? 1 : 0) << at; };
        Entry &e = t[std::size_t(n)];
        e.counts = one(true, TallyCount::Sum) * std::uint64_t(n) + one(true, TallyCount::TailSum) * std::uint64_t(Tail(n))
                   + one(IsOdd(n), TallyCount::Odd) + one(IsBig(n), TallyCount::Big)
                   + one(IsBigTail(n), TallyCount::BigTail) + one(!IsComposite(n), TallyCount::Prime)
                   + one(true, TallyCount::Zone + 6 - 3 * Zone(n)) + one(true, TallyCount::Mod3 + 6 - 3 * (n % 3));
        e.classes = one(true, TallyClass::Zone6 + Zone6(n)) | one(true, TallyClass::OddEvenHalf + OddEvenHalf(n))
                    | one(true, TallyClass::Mod6 + n % 6) | one(true, TallyClass::TailMod5 + Tail(n) % 5)
                    | one(true, TallyClass::Mod5 + n % 5) | one(true, TallyClass::Tail + Tail(n));
        e.tails = one(true, 3 * Tail(n));
    }
    return t;
}
inline constexpr std::array<Entry, 34> kEntries = make();
} // namespace CodeTallyTable

// Adds red n (1..33).
[[gnu::always_inline]] inline TCodeTally AddRed(TCodeTally t, int n)
{
    const CodeTallyTable::Entry &e = CodeTallyTable::kEntries[std::size_t(n)];
    t.Diffs |= (t.Mirror >> (40 - n)) | (t.Reds >> n);
    t.Mirror |= CodeMask::bit(40 - n);
    t.Reds |= CodeMask::bit(n);
    t.Counts += e.counts;
    t.Classes |= e.classes;
    t.Tails += e.tails;
    if (t.Last != 0) {
        t.Gap = std::max(t.Gap, n > t.Last ? n - t.Last : t.Last - n);
        const bool step = n - t.Last == 2;
        t.OddSteps += step && CodeClass::IsOdd(n);
        t.EvenSteps += step && !CodeClass::IsOdd(n);
    }
    t.Last = n;
    return t;
}

// The reds of `a` in their stored order. A value outside 1..33 (which the history
// parser keeps away) adds nothing.
inline TCodeTally TallyOf(const TCodeRedArr &a)
{
    TCodeTally t;
    for (const int n : a)
        if (n >= 1 && n <= 33)
            t = AddRed(t, n);
    return t;
}

namespace TallyDetail {
inline int field(std::uint64_t word, int at, int width = 3) { return int((word >> at) & ((std::uint64_t{1} << width) - 1)); }
inline int classes(std::uint64_t word, int at, int width) { return std::popcount(unsigned(field(word, at, width))); }
constexpr std::uint64_t kTailLanes = 0x9249249ULL; // bit 3t for t = 0..9
} // namespace TallyDetail

// ---- properties of one combination ----------------------------------------------------
//
// Each is defined once, on the tally; the forms on TCodeRedArr read the tally of the six
// stored positions.

// The reds of the three zones 01-11, 12-22, 23-33 as three-bit digits, zone 0 on top.
inline int ZoneDigits(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::Zone, 9); }
// Reds in zone z.
inline int ZoneCount(const TCodeTally &t, int z) { return (ZoneDigits(t) >> (6 - 3 * z)) & 7; }
int SpecNumInterOfCodeArr(const TCodeRedArr &a, int lo, int hi); // throws SsqError

inline int Zone6Count(const TCodeTally &t) { return TallyDetail::classes(t.Classes, TallyClass::Zone6, 6); }
inline int OddEvenZoneCount(const TCodeTally &t) { return TallyDetail::classes(t.Classes, TallyClass::OddEvenHalf, 6); }
// The reds with the remainders 0, 1, 2 of a division by 3 as three-bit digits, 0 on top.
inline int Mod3Digits(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::Mod3, 9); }
inline int Mod3Count(const TCodeTally &t, int r) { return (Mod3Digits(t) >> (6 - 3 * r)) & 7; }
inline int Mod6GroupCount(const TCodeTally &t) { return TallyDetail::classes(t.Classes, TallyClass::Mod6, 6); }
inline int Mod5GroupCount(const TCodeTally &t, bool tailOnly)
{
    return TallyDetail::classes(t.Classes, tailOnly ? TallyClass::TailMod5 : TallyClass::Mod5, 5);
}
inline int TailGroupCount(const TCodeTally &t) { return TallyDetail::classes(t.Classes, TallyClass::Tail, 10); }
inline int BigTailCount(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::BigTail); }
inline int BigCount(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::Big); }
inline int OddCount(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::Odd); }
inline int PrimeCount(const TCodeTally &t) { return TallyDetail::field(t.Counts, TallyCount::Prime); }

// The largest number of reds that share one tail digit: how many of the ten counters
// reach 1, 2, ... 6 (a counter above 4 needs a red written more than once).
inline int SameTailMax(const TCodeTally &t)
{
    constexpr std::uint64_t L = TallyDetail::kTailLanes;
    const std::uint64_t c = t.Tails;
    const std::uint64_t b1 = c >> 1, b2 = c >> 2;
    int most = int((c & (7 * L)) != 0) + int((c & (6 * L)) != 0) + int(((b2 | (b1 & c)) & L) != 0);
    if (b2 & L) [[unlikely]]
        most += 1 + int((b2 & (b1 | c) & L) != 0) + int((b2 & b1 & L) != 0);   // six reds: at most 6
    return most;
}

// The sum of the reds (of their tails with `tailOnly`), its last digit with `lastDigitOnly`.
inline int RedSum(const TCodeTally &t, bool tailOnly, bool lastDigitOnly)
{
    const int s = tailOnly ? TallyDetail::field(t.Counts, TallyCount::TailSum, 6) : TallyDetail::field(t.Counts, TallyCount::Sum, 8);
    return lastDigitOnly ? s % 10 : s;
}
// max(a, b) - min(a, b), its last digit with `lastDigitOnly`.
constexpr int NumDiff(int a, int b, bool lastDigitOnly)
{
    const int d = a > b ? a - b : b - a;
    return lastDigitOnly ? d % 10 : d;
}
// The number of distinct differences (1 and up) between two reds, less 5.
inline int AcValue(const TCodeTally &t) { return std::popcount(t.Diffs & ~RedMask{1}) - 5; }
// The largest difference of two neighbouring positions.
inline int MaxGap(const TCodeTally &t) { return t.Gap; }

// Runs of consecutive numbers among the reds (each number once): runs[L - 1] is the
// number of maximal runs of exactly L numbers, L = 2..6; runs[0] stays 0.
inline void ConsecRuns(const TCodeTally &t, std::array<int, 6> &runs)
{
    const RedMask m = t.Reds;
    std::array<int, 8> from{};                     // from[L]: runs of L numbers or more
    RedMask atLeast = m & ~(m << 1) & (m >> 1);    // where each run of two or more starts
    from[2] = std::popcount(atLeast);
    atLeast &= m >> 2;
    from[3] = std::popcount(atLeast);
    atLeast &= m >> 3;
    if (atLeast) [[unlikely]] {                    // a run of four or more
        from[4] = std::popcount(atLeast);
        for (int L = 5; L <= 6; ++L) {
            atLeast &= m >> (L - 1);
            from[std::size_t(L)] = std::popcount(atLeast);
        }
    }
    runs[0] = 0;
    for (int L = 2; L <= 5; ++L)
        runs[std::size_t(L - 1)] = from[std::size_t(L)] - from[std::size_t(L + 1)];
    runs[5] = from[6];   // six numbers or more
}
// The number of maximal runs of two or more consecutive numbers.
inline int ConsecGroupCount(const TCodeTally &t) { return std::popcount(t.Reds & ~(t.Reds << 1) & (t.Reds >> 1)); }
// The numbers that lie in such runs.
inline int ConsecNumCount(const TCodeTally &t) { return std::popcount(t.Reds & ((t.Reds << 1) | (t.Reds >> 1))); }
inline int OddConsecCount(const TCodeTally &t) { return t.OddSteps; }
inline int EvenConsecCount(const TCodeTally &t) { return t.EvenSteps; }

// The same properties on the six stored positions.
inline int Zone6Count(const TCodeRedArr &a) { return Zone6Count(TallyOf(a)); }
inline int OddEvenZoneCount(const TCodeRedArr &a) { return OddEvenZoneCount(TallyOf(a)); }
inline int Mod3Count(const TCodeRedArr &a, int r) { return Mod3Count(TallyOf(a), r); }
inline int Mod6GroupCount(const TCodeRedArr &a) { return Mod6GroupCount(TallyOf(a)); }
inline int Mod5GroupCount(const TCodeRedArr &a, bool tailOnly) { return Mod5GroupCount(TallyOf(a), tailOnly); }
inline int SameTailMax(const TCodeRedArr &a) { return SameTailMax(TallyOf(a)); }
inline int TailGroupCount(const TCodeRedArr &a) { return TailGroupCount(TallyOf(a)); }
inline int BigTailCount(const TCodeRedArr &a) { return BigTailCount(TallyOf(a)); }
inline int BigCount(const TCodeRedArr &a) { return BigCount(TallyOf(a)); }
inline int OddCount(const TCodeRedArr &a) { return OddCount(TallyOf(a)); }
inline int PrimeCount(const TCodeRedArr &a) { return PrimeCount(TallyOf(a)); }
inline int RedSum(const TCodeRedArr &a, bool tailOnly, bool lastDigitOnly) { return RedSum(TallyOf(a), tailOnly, lastDigitOnly); }
inline int AcValue(const TCodeRedArr &a) { return AcValue(TallyOf(a)); }
inline int MaxGap(const TCodeRedArr &a) { return MaxGap(TallyOf(a)); }
inline void ConsecRuns(const TCodeRedArr &a, std::array<int, 6> &runs) { ConsecRuns(TallyOf(a), runs); }
inline int ConsecGroupCount(const TCodeRedArr &a) { return ConsecGroupCount(TallyOf(a)); }
inline int ConsecNumCount(const TCodeRedArr &a) { return ConsecNumCount(TallyOf(a)); }
inline int OddConsecCount(const TCodeRedArr &a) { return OddConsecCount(TallyOf(a)); }
inline int EvenConsecCount(const TCodeRedArr &a) { return EvenConsecCount(TallyOf(a)); }

// ---- two combinations, and a combination with a set ------------------------------------

// Numbers in both A and B (重号).
inline int RepeatCount(const TCodeRedArr &a, const TCodeRedArr &b) { return std::popcount(ToMask(a) & ToMask(b)); }
// Positions with A[i] = B[i] (同位相同).
int SamePosCount(const TCodeRedArr &a, const TCodeRedArr &b);
// Numbers n of A with n - 1 or n + 1 in B (斜号), each once.
inline int SlantCount(const TCodeRedArr &a, const TCodeRedArr &b)
{
    const RedMask mb = ToMask(b);
    return std::popcount(ToMask(a) & ((mb << 1) | (mb >> 1)) & CodeMask::All);
}
// Positions whose red is flagged.
int CountInSet(const TCodeRedArr &a, const std::array<bool, 34> &flags);
bool HasNum(const TCodeRedArr &a, int n);

// ---- set operations on a mask ----------------------------------------------------------

namespace CodeMask {
inline int count(RedMask m) { return std::popcount(m); }
inline int RepeatCount(RedMask a, RedMask b) { return count(a & b); }
inline int CountInSet(RedMask m, RedMask set) { return count(m & set); }
inline bool HasNum(RedMask m, int n) { return (m >> n) & 1U; }
} // namespace CodeMask
