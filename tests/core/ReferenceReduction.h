#pragma once

// The reduction written the straightforward way: nineteen passes over the list, one per
// active stage, each testing the stage's property with the array functions of unit Code
// for every combination still alive. The stages' tests also serve the tolerance check,
// which counts every combination's failed stages directly. The fast engine must agree with it stage by stage.
// Used by tst_ReductionEngine and by bench_reduction (for the time ratio).

#include "core/code/Code.h"
#include "core/reduction/ConditionSet.h"
#include "core/reduction/ReductionEngine.h"

#include <array>
#include <functional>
#include <vector>

namespace Reference {

struct Group
{
    std::array<bool, 34> numbers{};
    std::array<bool, 10> counts{};
};

// The group line as the stages read it: numbers before "&", counts after it, each split
// at ",". Tests give only well-formed lines here.
inline std::vector<Group> parseGroups(const QStringList &lines)
{
    std::vector<Group> groups;
    for (const QString &line : lines) {
        const QStringList parts = SplitStr(QStringLiteral("&"), line);
        Group g;
        for (const QString &n : SplitStr(QStringLiteral(","), parts[0]))
            g.numbers[static_cast<std::size_t>(n.toInt())] = true;
        for (const QString &k : SplitStr(QStringLiteral(","), parts[1]))
            g.counts[static_cast<std::size_t>(k.toInt())] = true;
        groups.push_back(g);
    }
    return groups;
}

inline bool inRange(const ValueRange &r, int v) { return r.min <= v && v <= r.max; }

struct Outcome
{
    std::array<bool, kStageCount> active{};
    std::array<int, kStageCount> removed{};
};

using Test = std::function<bool(const TCodeRedArr &)>;

// Each stage's test of one combination, and whether the stage is active.
struct Stages
{
    std::array<bool, kStageCount> active{};
    std::array<Test, kStageCount> keep;
};

inline Stages stages(const ConditionSet &c, const TBeenCodesRecArr &history)
{
    Stages out;
    auto pass = [&](int stage, bool active, const Test &keep) {
        out.active[static_cast<std::size_t>(stage)] = active;
        out.keep[static_cast<std::size_t>(stage)] = keep;
    };
    auto item = [](const CheckList &l, int v) { return v >= 0 && v < 32 && l.isChecked(v); };

    std::array<bool, 34> range{};
    bool anyRange = false;
    for (int n = 1; n <= 33; ++n) {
        range[static_cast<std::size_t>(n)] = c.NumberRange[static_cast<std::size_t>(n - 1)];
        anyRange = anyRange || range[static_cast<std::size_t>(n)];
    }
    pass(0, anyRange, [=](const TCodeRedArr &a) { return CountInSet(a, range) == 6; });

    const bool anyZone = c.ZoneCounts[0].any() || c.ZoneCounts[1].any() || c.ZoneCounts[2].any();
    pass(1, anyZone, [=](const TCodeRedArr &a) {
        for (int z = 0; z < 3; ++z) {
            if (!c.ZoneCounts[z].any())
                continue;
            const int m = SpecNumInterOfCodeArr(a, 11 * z + 1, 11 * z + 11);
            if (m > 4 || !item(c.ZoneCounts[z], m))
                return false;
        }
        return true;
    });
    pass(2, c.SixZoneSpread.any(), [=](const TCodeRedArr &a) { return item(c.SixZoneSpread, Zone6Count(a) - 1); });
    pass(3, c.SixZoneOddEven.any(),
         [=](const TCodeRedArr &a) { return item(c.SixZoneOddEven, OddEvenZoneCount(a) - 1); });
    const bool anyMod3 = c.Mod3Counts[0].any() || c.Mod3Counts[1].any() || c.Mod3Counts[2].any();
    pass(4, anyMod3, [=](const TCodeRedArr &a) {
        for (int r = 0; r < 3; ++r) {
            if (!c.Mod3Counts[r].any())
                continue;
            const int m = Mod3Count(a, r);
            if (m > 5 || !item(c.Mod3Counts[r], m))
                return false;
        }
        return true;
    });
    pass(5, c.Mod6Groups.any(), [=](const TCodeRedArr &a) { return item(c.Mod6Groups, Mod6GroupCount(a) - 1); });
    pass(6, !(c.AcRange.min <= 3 && c.AcRange.max >= 10),
         [=](const TCodeRedArr &a) { return inRange(c.AcRange, AcValue(a)); });
    pass(7, !(c.MaxGapRange.min <= 1 && c.MaxGapRange.max >= 28),
         [=](const TCodeRedArr &a) { return inRange(c.MaxGapRange, MaxGap(a)); });
    pass(8, c.OddEvenRatio.any(), [=](const TCodeRedArr &a) { return item(c.OddEvenRatio, OddCount(a)); });
    pass(9, c.BigSmallRatio.any(), [=](const TCodeRedArr &a) { return item(c.BigSmallRatio, BigCount(a)); });
    pass(10, c.ConsecCount.any(), [=](const TCodeRedArr &a) {
        if (!c.ConsecGroups.any())
            return true;
        std::array<int, 6> runs{};
        ConsecRuns(a, runs);
        for (int j = 0; j < 6; ++j)
            if (item(c.ConsecCount, j) && item(c.ConsecGroups, runs[static_cast<std::size_t>(j)]))
                return true;
        return false;
    });
    pass(11, !(c.SumRange.min <= 21 && c.SumRange.max >= 180),
         [=](const TCodeRedArr &a) { return inRange(c.SumRange, RedSum(a, false, false)); });
    pass(12, c.SameTailCount.any(), [=](const TCodeRedArr &a) { return item(c.SameTailCount, SameTailMax(a)); });
    const TCodeRedArr newest = history.empty() ? TCodeRedArr{} : history.back().Red;
    pass(13, c.PrevTailSame.any() && !history.empty(),
         [=](const TCodeRedArr &a) { return item(c.PrevTailSame, RepeatCount(a, newest)); });
    pass(14, !(c.TailSumRange.min <= 3 && c.TailSumRange.max >= 51),
         [=](const TCodeRedArr &a) { return inRange(c.TailSumRange, RedSum(a, true, false)); });
    pass(15, c.TailMod5Groups.any(),
         [=](const TCodeRedArr &a) { return item(c.TailMod5Groups, Mod5GroupCount(a, true) - 1); });
    pass(16, c.TailBigSmallRatio.any(),
         [=](const TCodeRedArr &a) { return item(c.TailBigSmallRatio, BigTailCount(a)); });
    for (int list = 0; list < 2; ++list) {
        const auto groups = parseGroups(list == 0 ? c.CodeSel1 : c.CodeSel2);
        pass(17 + list, !groups.empty(), [=](const TCodeRedArr &a) {
            for (const Group &g : groups) {
                std::array<bool, 34> flags = g.numbers;
                if (!g.counts[static_cast<std::size_t>(CountInSet(a, flags))])
                    return false;
            }
            return true;
        });
    }
    return out;
}

// Filters `list` (fresh from BuildBaseList) in place.
inline Outcome reduce(const ConditionSet &c, const TBeenCodesRecArr &history, TCodeList &list)
{
    Outcome out;
    const Stages st = stages(c, history);
    for (std::size_t s = 0; s < std::size_t(kStageCount); ++s) {
        out.active[s] = st.active[s];
        if (!st.active[s])
            continue;
        for (int i = 0; i < list.Count; ++i) {
            auto &alive = list.Alive[static_cast<std::size_t>(i)];
            if (alive && !st.keep[s](list.Codes[static_cast<std::size_t>(i)])) {
                alive = 0;
                ++out.removed[s];
            }
        }
    }
    return out;
}

} // namespace Reference
