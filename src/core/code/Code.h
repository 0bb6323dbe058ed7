#pragma once

// Unit Code: the text routines for numbers and lists, and the properties of one red
// combination that the reduction, the charts and the analysis table share, so that a
// filter and the table column that shows the same quantity always agree.
//
// Every property is defined once, on TCodeRedArr, the six stored positions (draws of the
// history keep their written order, so the functions that look at neighbouring
// positions use that order). The reduction looks them up in a table it fills from these
// functions (reduction/CombinationProperties.h). Only the set operations that compare a
// combination with a fixed set of numbers (the newest draw, a chosen-number group, a
// set of cold numbers) also come as one popcount on a 64-bit mask with bit n set for
// number n, for callers that test them millions of times.

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

// ---- set operations on a mask ----------------------------------------------------------

namespace CodeMask {
inline int count(RedMask m) { return std::popcount(m); }
inline int RepeatCount(RedMask a, RedMask b) { return count(a & b); }
inline int CountInSet(RedMask m, RedMask set) { return count(m & set); }
inline bool HasNum(RedMask m, int n) { return (m >> n) & 1U; }
} // namespace CodeMask
