#pragma once

// Unit Code: the text routines for numbers and lists, and the properties of one red
// combination that the reduction, the charts and the analysis table share, so that a
// filter and the table column that shows the same quantity always agree.
//
// Every property comes in two forms:
//  - on TCodeRedArr, the six stored positions (draws of the history keep their written
//    order, so the functions that look at neighbouring positions use that order);
//  - on a 64-bit mask with bit n set for number n (bits 1..33), for ascending
//    combinations. These are popcounts against fixed class masks and serve the
//    reduction, which tests over a million candidates per stage.

#include "history/DrawRecord.h"

#include <QString>
#include <QStringList>
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

// ---- number classes --------------------------------------------------------------

namespace CodeMask {
constexpr RedMask bit(int n) { return RedMask{1} << n; }
constexpr RedMask range(int lo, int hi)
{
    RedMask m = 0;
    for (int n = lo; n <= hi; ++n)
        m |= bit(n);
    return m;
}
constexpr RedMask where(bool (*pred)(int))
{
    RedMask m = 0;
    for (int n = 1; n <= 33; ++n)
        if (pred(n))
            m |= bit(n);
    return m;
}
constexpr RedMask All = range(1, 33);
constexpr RedMask Odd = where([](int n) { return n % 2 == 1; });
constexpr RedMask Even = where([](int n) { return n % 2 == 0; });
constexpr RedMask Big = range(17, 33);
constexpr RedMask BigTail = where([](int n) { return n % 10 >= 5; });
// Not composite, so 1 counts as prime: twelve numbers.
constexpr RedMask Prime = where([](int n) {
    for (int d = 2; d < n; ++d)
        if (n % d == 0)
            return false;
    return true;
});
} // namespace CodeMask

inline RedMask ToMask(const TCodeRedArr &a)
{
    RedMask m = 0;
    for (auto n : a)
        m |= CodeMask::bit(n);
    return m;
}

// ---- properties on the six stored positions ----------------------------------------

int SpecNumInterOfCodeArr(const TCodeRedArr &a, int lo, int hi); // throws SsqError
int Zone6Count(const TCodeRedArr &a);
int OddEvenZoneCount(const TCodeRedArr &a);
int Mod3Count(const TCodeRedArr &a, int r);
int Mod6GroupCount(const TCodeRedArr &a);
int Mod5GroupCount(const TCodeRedArr &a, bool tailOnly);
int SameTailMax(const TCodeRedArr &a);
int TailGroupCount(const TCodeRedArr &a);
int BigTailCount(const TCodeRedArr &a);
int BigCount(const TCodeRedArr &a);
int OddCount(const TCodeRedArr &a);
int PrimeCount(const TCodeRedArr &a);
bool IsComposite(int n);
int RedSum(const TCodeRedArr &a, bool tailOnly, bool lastDigitOnly);
int NumDiff(int a, int b, bool lastDigitOnly);
int AcValue(const TCodeRedArr &a);
int MaxGap(const TCodeRedArr &a);
void ConsecRuns(const TCodeRedArr &a, std::array<int, 6> &runs);
int ConsecGroupCount(const TCodeRedArr &a);
int ConsecNumCount(const TCodeRedArr &a);
int OddConsecCount(const TCodeRedArr &a);
int EvenConsecCount(const TCodeRedArr &a);
int RepeatCount(const TCodeRedArr &a, const TCodeRedArr &b);
int SamePosCount(const TCodeRedArr &a, const TCodeRedArr &b);
int SlantCount(const TCodeRedArr &a, const TCodeRedArr &b);
int CountInSet(const TCodeRedArr &a, const std::array<bool, 34> &flags);
bool HasNum(const TCodeRedArr &a, int n);

// ---- the same properties on a mask (ascending combinations) ---------------------------

namespace CodeMask {
inline int count(RedMask m) { return std::popcount(m); }
int SpecNumInter(RedMask m, int lo, int hi); // throws SsqError like the array form
int Zone6Count(RedMask m);
int OddEvenZoneCount(RedMask m);
int Mod3Count(RedMask m, int r);
int Mod6GroupCount(RedMask m);
int Mod5GroupCount(RedMask m, bool tailOnly);
int SameTailMax(RedMask m);
int TailGroupCount(RedMask m);
inline int BigTailCount(RedMask m) { return count(m & BigTail); }
inline int BigCount(RedMask m) { return count(m & Big); }
inline int OddCount(RedMask m) { return count(m & Odd); }
inline int PrimeCount(RedMask m) { return count(m & Prime); }
int RedSum(RedMask m, bool tailOnly, bool lastDigitOnly);
int AcValue(RedMask m);
int MaxGap(RedMask m);
void ConsecRuns(RedMask m, std::array<int, 6> &runs);
// Bit n set where n and n + 1 are both present and n - 1 is not: the start of a run.
inline int ConsecGroupCount(RedMask m) { return count(m & (m >> 1) & ~(m << 1)); }
inline int ConsecNumCount(RedMask m) { return count(m & ((m >> 1) | (m << 1))); }
// Neighbours in ascending order two apart with nothing between them.
inline int OddConsecCount(RedMask m) { return count(m & (m >> 2) & ~(m >> 1) & Odd); }
inline int EvenConsecCount(RedMask m) { return count(m & (m >> 2) & ~(m >> 1) & Even); }
inline int RepeatCount(RedMask a, RedMask b) { return count(a & b); }
inline int SlantCount(RedMask a, RedMask b) { return count(a & ((b << 1) | (b >> 1)) & All); }
inline int CountInSet(RedMask m, RedMask set) { return count(m & set); }
inline bool HasNum(RedMask m, int n) { return (m >> n) & 1U; }
} // namespace CodeMask
