#pragma once

// Every reduction condition as plain data. The condition panel is a view of it: the panel
// is read into a ConditionSet when a run starts and written from one after a reset or an
// import, so the engine, the condition file and the batch tool never touch a widget.

#include "core/history/DrawRecord.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// One check list: bit i set = item i checked. A list with no check places no restriction.
struct CheckList
{
    std::uint32_t bits = 0;

    bool isChecked(int item) const { return item >= 0 && item < 32 && ((bits >> item) & 1U); }
    void setChecked(int item, bool on)
    {
        if (item < 0 || item >= 32)
            return;
        if (on)
            bits |= std::uint32_t{1} << item;
        else
            bits &= ~(std::uint32_t{1} << item);
    }
    bool any() const { return bits != 0; }
    void clear() { bits = 0; }

    friend bool operator==(const CheckList &, const CheckList &) = default;
};

// A value range: minimum then maximum, any integers (the minimum may exceed the maximum).
struct ValueRange
{
    std::int32_t min = 0;
    std::int32_t max = 0;

    friend bool operator==(const ValueRange &, const ValueRange &) = default;
};

// The item counts of the check lists (captions below); the panel creates exactly these.
namespace ConditionItems {
inline constexpr int Zone = 5;           // "0".."4"
inline constexpr int SixZone = 6;        // "1".."6"
inline constexpr int Mod3 = 6;           // "0".."5"
inline constexpr int Mod6 = 6;           // "1".."6"
inline constexpr int Ratio = 7;          // "0:6".."6:0"
inline constexpr int ConsecCount = 6;    // "0".."5"
inline constexpr int ConsecGroups = 4;   // "0".."3"
inline constexpr int SameTail = 5;       // "0".."4"
inline constexpr int PrevTailSame = 7;   // "0".."6"
inline constexpr int TailMod5 = 5;       // "1".."5"
inline constexpr int MatchCount1 = 7;    // "0".."6"
inline constexpr int MatchCount2 = 5;    // "0".."4"
inline constexpr int Numbers = 33;       // "1".."33"
} // namespace ConditionItems

// Captions "first" .. "first + count - 1" without padding, as the check lists show them.
QStringList NumberCaptions(int first, int count);
// The seven ratio captions "0:6" .. "6:0".
QStringList RatioCaptionList();

struct ConditionSet
{
    std::array<CheckList, 3> ZoneCounts;   // zones 01-11, 12-22, 23-33; item i = i reds
    CheckList SixZoneSpread;               // item i = value i + 1
    CheckList SixZoneOddEven;              // item i = value i + 1
    std::array<CheckList, 3> Mod3Counts;   // remainders 0, 1, 2; item i = i reds
    CheckList Mod6Groups;                  // item i = value i + 1
    ValueRange AcRange{3, 10};
    ValueRange MaxGapRange{1, 28};
    CheckList OddEvenRatio;                // item i = i odd reds
    CheckList BigSmallRatio;               // item i = i reds of 17 or more
    CheckList ConsecCount;                 // item k = runs of k + 1 consecutive numbers
    CheckList ConsecGroups;                // item g = g such runs
    ValueRange SumRange{21, 180};
    CheckList SameTailCount;               // item i = value i
    CheckList PrevTailSame;                // item i = i numbers shared with the newest draw
    ValueRange TailSumRange{3, 51};
    CheckList TailMod5Groups;              // item i = value i + 1
    CheckList TailBigSmallRatio;           // item i = i reds with a tail of 5 or more
    std::array<bool, 33> NumberRange{};    // index n - 1 = red number n admitted
    CheckList MatchCount1;                 // editor 1 of the chosen-number groups
    CheckList MatchCount2;                 // editor 2
    QStringList CodeSel1;                  // chosen-number group lines, list 1
    QStringList CodeSel2;                  // chosen-number group lines, list 2
    // 容错: how many of the active stages 2..19 a survivor may fail (0: all must hold).
    int Tolerance = 0;

    friend bool operator==(const ConditionSet &, const ConditionSet &) = default;
};

// The state that "清除条件" (and the start of the program) sets: no check anywhere, the
// ranges 3..10, 1..28, 21..180 and 3..51, no admitted number and both group lists empty.
// The two match-count boxes belong to the group editors and keep their checks, so they
// are taken from `current`.
ConditionSet DefaultConditions(const ConditionSet &current = ConditionSet{});

// The highest tolerance: every stage but the number range may fail.
inline constexpr int kMaxTolerance = 18;

// The number range as the grid's checked text ("1,8,9", ascending, no padding) and back;
// pieces that name no number 1..33 are ignored, a leading "0" is accepted.
QString NumberRangeText(const std::array<bool, 33> &range);
std::array<bool, 33> NumberRangeFromText(const QString &text);
// The first piece of such a text that names no number 1..33 (empty when every piece
// does): a restriction typed for the batch tool must not silently lose a piece.
QString BadNumberRangePiece(const QString &text);

// The value range as the condition file writes it: "3,10".
QString RangeText(const ValueRange &range);
// Sets the range from "min,max" as the range control does: the text is split at ",",
// piece k goes to item k (surplus pieces are ignored), a single piece changes only the
// minimum. A piece that is no integer throws SsqError with the conversion message; the
// pieces before it stay applied.
void SetRangeFromText(ValueRange &range, const QString &text);

// The caption of the label before `PrevTailSame` once the tab "条件缩水" is shown:
// "与上期相同个数：(上期号码:01 05 12 20 28 33)" (the stage counts shared numbers, not
// tails, and the statistics table names it so too), or the plain caption when the
// history is empty.
QString SameTailCountLabelText(const TBeenCodesRecArr &history);
