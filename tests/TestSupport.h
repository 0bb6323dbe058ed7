#pragma once

// Helpers and fixtures that many tests share.

#include "core/history/HistoryParser.h"
#include "core/reduction/ConditionSet.h"

#include <QByteArray>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>

// The parser's messages, collected instead of shown.
class Collector : public ParseReporter
{
public:
    void report(const QString &message) override { messages.append(message); }
    QStringList messages;
};

// A file's whole content, or "<missing>" when it cannot be read, so that a comparison
// with the expected bytes fails with a readable value.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Writes `bytes` to `path`, replacing it; whether all of them were written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray Gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

// The history shipped with the program (3,492 draws), parsed once per test program.
inline const TBeenCodesRecArr &ShippedHistory()
{
    static const TBeenCodesRecArr history = [] {
        Collector messages;
        TBeenCodesRecArr arr;
        if (!DataTxtToCodeArr(HistoryTextLines(readAll(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"))), arr, messages))
            qFatal("the shipped history does not parse");
        return arr;
    }();
    return history;
}

inline DrawRecord MakeDraw(int issue, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = issue / 1000;
    d.No = issue % 1000;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

inline CheckList Checks(std::initializer_list<int> items)
{
    CheckList list;
    for (int i : items)
        list.setChecked(i, true);
    return list;
}

inline std::array<bool, 33> Numbers(std::initializer_list<int> numbers)
{
    std::array<bool, 33> range{};
    for (int n : numbers)
        range[std::size_t(n - 1)] = true;
    return range;
}

// A condition set that touches every member with something other than its default.
inline ConditionSet Varied()
{
    ConditionSet c;
    c.ZoneCounts = {Checks({0, 4}), Checks({2}), Checks({1, 3})};
    c.SixZoneSpread = Checks({5});
    c.SixZoneOddEven = Checks({0, 2});
    c.Mod3Counts = {Checks({5}), Checks({0}), Checks({1, 2})};
    c.Mod6Groups = Checks({3});
    c.AcRange = {4, 9};
    c.MaxGapRange = {-2, 30};
    c.OddEvenRatio = Checks({3});
    c.BigSmallRatio = Checks({6});
    c.ConsecCount = Checks({1, 5});
    c.ConsecGroups = Checks({3});
    c.SumRange = {50, 120};
    c.SameTailCount = Checks({4});
    c.PrevTailSame = Checks({0, 6});
    c.TailSumRange = {10, 40};
    c.TailMod5Groups = Checks({4});
    c.TailBigSmallRatio = Checks({0});
    c.NumberRange = Numbers({1, 17, 33});
    c.MatchCount1 = Checks({0, 6});
    c.MatchCount2 = Checks({4});
    c.CodeSel1 = {QStringLiteral("01,08,09&1,2"), QStringLiteral("05,06&2")};
    c.CodeSel2 = {QStringLiteral("1,2,3&0")};
    return c;
}

// The members the file carries, copied from `from` into `to`.
inline ConditionSet WithFileMembers(ConditionSet to, const ConditionSet &from)
{
    to.ZoneCounts = from.ZoneCounts;
    to.SixZoneSpread = from.SixZoneSpread;
    to.SixZoneOddEven = from.SixZoneOddEven;
    to.Mod3Counts = from.Mod3Counts;
    to.Mod6Groups = from.Mod6Groups;
    to.AcRange = from.AcRange;
    to.MaxGapRange = from.MaxGapRange;
    to.OddEvenRatio = from.OddEvenRatio;
    to.BigSmallRatio = from.BigSmallRatio;
    to.ConsecCount = from.ConsecCount;
    to.ConsecGroups = from.ConsecGroups;
    to.SumRange = from.SumRange;
    to.SameTailCount = from.SameTailCount;
    to.PrevTailSame = from.PrevTailSame;
    to.TailSumRange = from.TailSumRange;
    to.TailMod5Groups = from.TailMod5Groups;
    to.TailBigSmallRatio = from.TailBigSmallRatio;
    to.CodeSel1 = from.CodeSel1;
    // "[扩展设置]" carries the number range and list 2 only when they are set.
    if (from.NumberRange != std::array<bool, 33>{})
        to.NumberRange = from.NumberRange;
    if (!from.CodeSel2.isEmpty())
        to.CodeSel2 = from.CodeSel2;
    return to;
}
