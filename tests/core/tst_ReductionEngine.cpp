#include "BruteProperties.h"
#include "ReferenceReduction.h"
#include "TestSupport.h"

#include "core/reduction/RangeCheck.h"
#include "core/reduction/StageReach.h"
#include "core/reduction/ReductionEngine.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <bit>

namespace {

using Brute::Combo;

struct Case
{
    const char *name;
    std::function<void(ConditionSet &)> set;
    std::function<bool(const Combo &)> keep;
    bool active;
};

// The newest draw of the test history, written out of order as a history line may be.
const Combo kNewest = {12, 1, 33, 5, 28, 20};

TBeenCodesRecArr testHistory()
{
    return {MakeDraw(2005001, {2, 3, 4, 6, 7, 8}, 1), MakeDraw(2005002, {12, 1, 33, 5, 28, 20}, 1)};
}

const std::vector<Case> &cases()
{
    using namespace Brute;
    static const std::vector<Case> list = {
        {"nothing", [](ConditionSet &) {}, [](const Combo &) { return true; }, false},
        {"range six numbers", [](ConditionSet &c) { for (int n : {3, 9, 14, 20, 27, 33}) c.NumberRange[n - 1] = true; },
         [](const Combo &a) { return a == Combo{3, 9, 14, 20, 27, 33}; }, true},
        {"zone 0 two", [](ConditionSet &c) { c.ZoneCounts[0] = Checks({2}); },
         [](const Combo &a) { return zone(a, 0) == 2; }, true},
        {"zone rows 0 and 2", [](ConditionSet &c) { c.ZoneCounts[0] = Checks({1, 2}); c.ZoneCounts[2] = Checks({0, 3}); },
         [](const Combo &a) { return (zone(a, 0) == 1 || zone(a, 0) == 2) && (zone(a, 2) == 0 || zone(a, 2) == 3); }, true},
        {"six zones value 6", [](ConditionSet &c) { c.SixZoneSpread = Checks({5}); },
         [](const Combo &a) { return distinct(a, [](int n) { return (n - 1) / 6; }) == 6; }, true},
        {"odd-even halves 1 or 2", [](ConditionSet &c) { c.SixZoneOddEven = Checks({0, 1}); },
         [](const Combo &a) { return distinct(a, [](int n) { return 2 * ((n - 1) / 11) + n % 2; }) <= 2; }, true},
        {"mod3 boxes 0 and 2", [](ConditionSet &c) { c.Mod3Counts[0] = Checks({2}); c.Mod3Counts[2] = Checks({0, 1, 2, 3, 4, 5}); },
         [](const Combo &a) {
             return countIf(a, [](int n) { return n % 3 == 0; }) == 2 && countIf(a, [](int n) { return n % 3 == 2; }) <= 5;
         }, true},
        {"mod6 groups 3 or 4", [](ConditionSet &c) { c.Mod6Groups = Checks({2, 3}); },
         [](const Combo &a) { int v = distinct(a, [](int n) { return n % 6; }); return v == 3 || v == 4; }, true},
        {"ac 3..10 inactive", [](ConditionSet &c) { c.AcRange = {3, 10}; }, [](const Combo &) { return true; }, false},
        {"ac 4..10", [](ConditionSet &c) { c.AcRange = {4, 10}; }, [](const Combo &a) { return ac(a) >= 4; }, true},
        {"gap 1..28 inactive", [](ConditionSet &c) { c.MaxGapRange = {1, 28}; }, [](const Combo &) { return true; }, false},
        {"gap 2..28", [](ConditionSet &c) { c.MaxGapRange = {2, 28}; }, [](const Combo &a) { return maxGap(a) >= 2; }, true},
        {"odd 3:3", [](ConditionSet &c) { c.OddEvenRatio = Checks({3}); },
         [](const Combo &a) { return countIf(a, [](int n) { return n % 2; }) == 3; }, true},
        {"big 6:0", [](ConditionSet &c) { c.BigSmallRatio = Checks({6}); },
         [](const Combo &a) { return a[0] >= 17; }, true},
        {"consec pairs none", [](ConditionSet &c) { c.ConsecCount = Checks({1}); c.ConsecGroups = Checks({0}); },
         [](const Combo &a) { return runs(a)[2] == 0; }, true},
        {"consec lengths 2 to 6 with no run keeps all", [](ConditionSet &c) { c.ConsecCount = Checks({1, 2, 3, 4, 5}); c.ConsecGroups = Checks({0}); },
         [](const Combo &) { return true; }, true},
        {"consec lengths without groups keeps all", [](ConditionSet &c) { c.ConsecCount = Checks({1}); },
         [](const Combo &) { return true; }, true},
        {"range five numbers", [](ConditionSet &c) { for (int n : {3, 9, 14, 20, 27}) c.NumberRange[n - 1] = true; },
         [](const Combo &) { return false; }, true},
        {"same tail only 0", [](ConditionSet &c) { c.SameTailCount = Checks({0}); }, [](const Combo &) { return false; }, true},
        {"consec item 0 keeps all", [](ConditionSet &c) { c.ConsecCount = Checks({0}); c.ConsecGroups = Checks({0, 2}); },
         [](const Combo &) { return true; }, true},
        {"consec groups only inactive", [](ConditionSet &c) { c.ConsecGroups = Checks({1}); },
         [](const Combo &) { return true; }, false},
        {"consec item 0 without 0 group", [](ConditionSet &c) { c.ConsecCount = Checks({0}); c.ConsecGroups = Checks({1}); },
         [](const Combo &) { return false; }, true},
        {"consec two pairs or two triples", [](ConditionSet &c) { c.ConsecCount = Checks({1, 2}); c.ConsecGroups = Checks({2}); },
         [](const Combo &a) { return runs(a)[2] == 2 || runs(a)[3] == 2; }, true},
        {"consec triple one", [](ConditionSet &c) { c.ConsecCount = Checks({2, 5}); c.ConsecGroups = Checks({1}); },
         [](const Combo &a) { return runs(a)[3] == 1 || runs(a)[6] == 1; }, true},
        {"ac 3..9 cuts both ends", [](ConditionSet &c) { c.AcRange = {3, 9}; },
         [](const Combo &a) { return ac(a) >= 3 && ac(a) <= 9; }, true},
        {"sum 21..180 inactive", [](ConditionSet &c) { c.SumRange = {21, 180}; }, [](const Combo &) { return true; }, false},
        {"sum 0..200 inactive", [](ConditionSet &c) { c.SumRange = {0, 200}; }, [](const Combo &) { return true; }, false},
        {"sum 22..180", [](ConditionSet &c) { c.SumRange = {22, 180}; },
         [](const Combo &a) { return sum(a) >= 22 && sum(a) <= 180; }, true},
        {"same tail 1", [](ConditionSet &c) { c.SameTailCount = Checks({1}); },
         [](const Combo &a) { return sameTailMax(a) == 1; }, true},
        {"same tail 3 or 4", [](ConditionSet &c) { c.SameTailCount = Checks({3, 4}); },
         [](const Combo &a) { return sameTailMax(a) >= 3; }, true},
        {"newest draw none", [](ConditionSet &c) { c.PrevTailSame = Checks({0}); },
         [](const Combo &a) { return std::none_of(kNewest.begin(), kNewest.end(), [&](int n) { return Brute::has(a, n); }); }, true},
        {"tail sum 3..51 inactive", [](ConditionSet &c) { c.TailSumRange = {3, 51}; }, [](const Combo &) { return true; }, false},
        {"tail sum 4..51", [](ConditionSet &c) { c.TailSumRange = {4, 51}; }, [](const Combo &a) { return tailSum(a) >= 4; }, true},
        {"tail mod5 five", [](ConditionSet &c) { c.TailMod5Groups = Checks({4}); },
         [](const Combo &a) { return distinct(a, [](int n) { return (n % 10) % 5; }) == 5; }, true},
        {"big tails 0:6", [](ConditionSet &c) { c.TailBigSmallRatio = Checks({0}); },
         [](const Combo &a) { return countIf(a, [](int n) { return n % 10 >= 5; }) == 0; }, true},
        {"group 01 02 03 none", [](ConditionSet &c) { c.CodeSel1 = {QStringLiteral("01,02,03&0")}; },
         [](const Combo &a) { return !Brute::has(a, 1) && !Brute::has(a, 2) && !Brute::has(a, 3); }, true},
        {"groups both lists", [](ConditionSet &c) {
             c.CodeSel1 = {QStringLiteral("1,2,3,4,5,6,7,8,9,10,11&2,3"), QStringLiteral("33&1")};
             c.CodeSel2 = {QStringLiteral("12,13,14&0")}; },
         [](const Combo &a) {
             const int z = zone(a, 0);
             return (z == 2 || z == 3) && Brute::has(a, 33) && !Brute::has(a, 12) && !Brute::has(a, 13) && !Brute::has(a, 14);
         }, true},
    };
    return list;
}

Combo comboOf(const TCodeRedArr &code)
{
    Combo a;
    for (int i = 0; i < 6; ++i)
        a[static_cast<std::size_t>(i)] = code[static_cast<std::size_t>(i)];
    return a;
}

} // namespace

class TestReductionEngine : public QObject
{
    Q_OBJECT

private:
    TCodeList m_base;

    void resetAlive(TCodeList &list) { std::fill(list.Alive.begin(), list.Alive.end(), std::uint8_t{1}); }

    void compareWithReference(const ConditionSet &c, const TBeenCodesRecArr &history)
    {
        TCodeList fast = m_base;
        const StageOutcomes stages = ReductionFilter(c, history).apply(fast, nullptr, 2);
        TCodeList single = m_base;
        ReductionFilter(c, history).apply(single, nullptr, 1);
        QVERIFY(single.Alive == fast.Alive);

        TCodeList ref = m_base;
        const Reference::Outcome expected = Reference::reduce(c, history, ref);
        for (int s = 0; s < kStageCount; ++s) {
            QCOMPARE(stages[static_cast<std::size_t>(s)].active, expected.active[static_cast<std::size_t>(s)]);
            QCOMPARE(stages[static_cast<std::size_t>(s)].removed, expected.removed[static_cast<std::size_t>(s)]);
        }
        QVERIFY(ref.Alive == fast.Alive);
        QCOMPARE(stages.back().left, AliveCount(fast));

    }

private slots:
    void initTestCase() { BuildBaseList(m_base); }

    void singleStage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(cases().size()); ++i)
            QTest::newRow(cases()[static_cast<std::size_t>(i)].name) << i;
    }

    void singleStage()
    {
        QFETCH(int, index);
        const Case &tc = cases()[static_cast<std::size_t>(index)];
        ConditionSet c = DefaultConditions();
        tc.set(c);
        TCodeList list = m_base;
        const StageOutcomes stages = ReductionFilter(c, testHistory()).apply(list);

        int expected = 0;
        for (int i = 0; i < kCombinationCount; ++i) {
            const bool keep = tc.keep(comboOf(m_base.Codes[static_cast<std::size_t>(i)]));
            expected += keep;
            if (keep != (list.Alive[static_cast<std::size_t>(i)] != 0))
                QFAIL(qPrintable(QStringLiteral("%1 wrongly %2")
                                     .arg(RedArrToStr(m_base.Codes[static_cast<std::size_t>(i)]),
                                          keep ? QStringLiteral("removed") : QStringLiteral("kept"))));
        }
        QCOMPARE(AliveCount(list), expected);
        // The case's stage is the only active one (both group lists make two); the stage
        // that is active is checked against the reference below.
        int removed = 0;
        int active = 0;
        for (const StageOutcome &s : stages) {
            active += s.active;
            if (!s.active)
                QCOMPARE(s.removed, 0);
            removed += s.removed;
        }
        QCOMPARE(active, !tc.active ? 0 : !c.CodeSel1.isEmpty() && !c.CodeSel2.isEmpty() ? 2 : 1);
        QCOMPARE(removed, kCombinationCount - expected);

        // What the stage can do at all: a stage that keeps nothing refuses the run, one
        // that keeps everything shows as not in use, and the 连号 note says so.
        const StageReach reach = ReachOfStages(c, testHistory());
        if (active == 1) {
            const auto on = std::find(reach.active.begin(), reach.active.end(), true) - reach.active.begin();
            QCOMPARE(reach.admitsNone[std::size_t(on)], expected == 0);
            QCOMPARE(reach.removesNone[std::size_t(on)], expected == kCombinationCount);
            QCOMPARE(NoCombinationMessage(reach).isEmpty(), expected > 0);
        }
        QCOMPARE(ConsecChoiceNote(c.ConsecCount, c.ConsecGroups).isEmpty(),
                 !c.ConsecCount.any() || expected < kCombinationCount);
    }

    // Many stages at once, with the reference's own judging.
    void agreesWithReference()
    {
        ConditionSet c;
        for (int n = 1; n <= 33; ++n)
            c.NumberRange[n - 1] = n != 7 && n != 19;
        c.ZoneCounts[0] = Checks({1, 2, 3});
        c.Mod3Counts[1] = Checks({1, 2, 3});
        c.Mod6Groups = Checks({2, 3, 4, 5});
        c.AcRange = {5, 10};
        c.MaxGapRange = {3, 22};
        c.OddEvenRatio = Checks({2, 3, 4});
        c.ConsecCount = Checks({1});
        c.ConsecGroups = Checks({0, 1});
        c.SumRange = {70, 140};
        c.SameTailCount = Checks({1, 2});
        c.PrevTailSame = Checks({0, 1});
        c.TailSumRange = {12, 45};
        c.TailBigSmallRatio = Checks({2, 3, 4});
        c.CodeSel1 = {QStringLiteral("01,08,09,12&0,1"), QStringLiteral("20,21,22,23&1,2")};
        c.CodeSel2 = {QStringLiteral("30,31,32,33&0,1,2")};
        compareWithReference(c, testHistory());
    }

    // ---- tolerance and imported bases --------------------------------------------------

    void tolerance_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("k");
        QTest::newRow("mixed, K = 1") << 0 << 1;
        QTest::newRow("mixed, K = 2") << 0 << 2;
        QTest::newRow("range and groups, K = 1") << 1 << 1;
        QTest::newRow("range and groups, K = 2") << 1 << 2;
    }

    // Every combination's failed stages counted directly with the reference's tests:
    // stage 1 holds strictly, at most K of the others may fail.
    void tolerance()
    {
        QFETCH(int, set);
        QFETCH(int, k);
        ConditionSet c;
        c.AcRange = {6, 10};
        c.OddEvenRatio = Checks({2, 3, 4});
        c.SumRange = {80, 130};
        c.SameTailCount = Checks({1, 2});
        c.TailMod5Groups = Checks({3, 4});
        c.PrevTailSame = Checks({0, 1});
        if (set == 0) {
            c.ZoneCounts[1] = Checks({1, 2, 3});
            c.SixZoneSpread = Checks({3, 4});
            c.Mod3Counts[2] = Checks({1, 2, 3});
            c.ConsecCount = Checks({1});
            c.ConsecGroups = Checks({0, 1});
            c.MaxGapRange = {3, 16};
        } else {
            for (int n = 1; n <= 33; ++n)
                c.NumberRange[n - 1] = n % 7 != 0;
            c.CodeSel1 = {QStringLiteral("01,08,09,12&0,1")};
            c.CodeSel2 = {QStringLiteral("30,31,32,33&0,1")};
            c.TailBigSmallRatio = Checks({2, 3, 4});
        }
        c.Tolerance = k;

        const Reference::Stages st = Reference::stages(c, testHistory());
        std::array<int, kStageCount> failed{};
        std::array<int, kStageCount> byFailures{};
        std::vector<std::uint8_t> expected(std::size_t(kCombinationCount), 0);
        for (int i = 0; i < kCombinationCount; ++i) {
            const TCodeRedArr &a = m_base.Codes[std::size_t(i)];
            if (st.active[0] && !st.keep[0](a)) {
                ++failed[0];
                continue;
            }
            int fails = 0;
            for (std::size_t s = 1; s < std::size_t(kStageCount); ++s)
                if (st.active[s] && !st.keep[s](a)) {
                    ++fails;
                    ++failed[s];
                }
            if (fails <= k) {
                expected[std::size_t(i)] = 1;
                ++byFailures[std::size_t(fails)];
            }
        }

        TCodeList list;
        const ReductionRun run = RunReduction(c, testHistory(), list, nullptr, QDateTime::currentDateTime(), 2);
        QVERIFY(list.Alive == expected);
        QCOMPARE(run.byFailures, byFailures);
        for (int s = 0; s < kStageCount; ++s)
            QCOMPARE(run.stages[std::size_t(s)].failed, failed[std::size_t(s)]);
        int removed = 0;
        for (const StageOutcome &o : run.stages)
            removed += o.removed;
        QCOMPARE(removed + run.survivors, kCombinationCount);
        QString counts = QStringLiteral("满足全部条件 %1 注").arg(byFailures[0]);
        for (int f = 1; f <= k; ++f)
            counts += QStringLiteral("，错%1个 %2 注").arg(f).arg(byFailures[std::size_t(f)]);
        QCOMPARE(run.report.at(4), counts);

        // A single combination is judged the same way (a sample, to keep it quick).
        const ReductionFilter filter(c, testHistory());
        for (int i = 0; i < kCombinationCount; i += 997)
            QCOMPARE(filter.firstFailingStage(m_base.Codes[std::size_t(i)]) == 0, expected[std::size_t(i)] != 0);
    }

    // The memo lists the survivors up to 20000 of them, five to a line and a blank line after.
    // Stage 14 compares with the newest draw: with no history it keeps every combination,
    // whatever its items.
    void reportListing()
    {
        ConditionSet c = DefaultConditions();
        c.PrevTailSame = Checks({1, 2});
        for (const int survivors : {20000, 20001}) {
            const TCodeRedArrArr base(m_base.Codes.begin(), m_base.Codes.begin() + survivors);
            TCodeList list;
            const ReductionRun run = RunReduction(c, {}, list, nullptr, {}, 0, &base);
            QVERIFY(!run.stages[13].active);
            const QStringList &report = run.report;
            const QStringList after = report.mid(report.indexOf(QStringLiteral("缩水结果为总共%1注号码").arg(survivors)) + 1);
            QCOMPARE(after.first(), survivors > 20000 ? QStringLiteral("缩水结果超过20000注号码，忽略显示.")
                                                      : QStringLiteral("01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 05 08, "
                                                                       "01 02 03 04 05 09, 01 02 03 04 05 10, "));
            QCOMPARE(after.size(), survivors > 20000 ? 1 : 20000 / 5 + 1);
        }
    }

    // A run over a base keeps exactly the base's combinations that a full run keeps.
    void importedBase()
    {
        ConditionSet c;
        c.OddEvenRatio = Checks({2, 3, 4});
        c.SumRange = {70, 140};
        c.CodeSel1 = {QStringLiteral("01,02,03,04&0,1")};
        for (int n = 1; n <= 33; ++n)
            c.NumberRange[n - 1] = n != 13;
        c.Tolerance = 1;
        TCodeList full;
        RunReduction(c, testHistory(), full);
        TCodeRedArrArr base;
        for (int i = 0; i < kCombinationCount; i += 11)
            base.push_back(m_base.Codes[std::size_t(i)]);
        TCodeList list;
        const ReductionRun run = RunReduction(c, testHistory(), list, nullptr, QDateTime::currentDateTime(), 0, &base);
        QCOMPARE(run.report.at(1), QStringLiteral("缩水基础号码总共%1注号码").arg(base.size()));
        QVERIFY(list.Codes == base);
        for (std::size_t i = 0; i < base.size(); ++i)
            QCOMPARE(list.Alive[i], full.Alive[i * 11]);
        int removed = 0;
        for (const StageOutcome &o : run.stages)
            removed += o.removed;
        QCOMPARE(removed + run.survivors, int(base.size()));
    }

    // A range that admits no value is named before the run. The message must agree with
    // the engine: no message exactly when the range leaves survivors.
    // Each range at the edges of what its property can take, just beyond them, and
    // inverted.
    void agreesWithTheEngine()
    {
        const struct
        {
            ValueRange ConditionSet::*member;
            int lowest, highest;
        } ranges[] = {{&ConditionSet::AcRange, 0, 10}, {&ConditionSet::MaxGapRange, 1, 28},
                      {&ConditionSet::SumRange, 21, 183}, {&ConditionSet::TailSumRange, 3, 51}};
        for (const auto &r : ranges) {
            const ValueRange defaults = DefaultConditions().*r.member;
            const ValueRange tries[] = {{r.lowest, r.lowest}, {r.highest, r.highest}, {r.lowest - 5, r.lowest - 1},
                                        {r.highest + 1, r.highest + 9}, {r.highest, r.lowest}, defaults,
                                        {defaults.min - 3, defaults.max + 3}, {defaults.min + 1, defaults.max},
                                        {defaults.min, defaults.max - 1}};
            for (const ValueRange &range : tries) {
                ConditionSet c = DefaultConditions();
                c.*r.member = range;
                TCodeList result;
                const ReductionRun run = RunReduction(c, {}, result);
                QCOMPARE(EmptyRangeMessage(c).isEmpty(), AliveCount(result) > 0);
                // "（不限）" stands exactly where the engine leaves the stage off.
                const bool anyActive = std::any_of(run.stages.begin(), run.stages.end(),
                                                   [](const StageOutcome &o) { return o.active; });
                QCOMPARE(CountsAsNoCondition(r.member, range), !anyActive);
            }
        }
        ConditionSet c = DefaultConditions();
        c.SumRange = {150, 100};
        QVERIFY(EmptyRangeMessage(c).startsWith(QStringLiteral("“总和值”的最小值150大于最大值100")));
    }
};

QTEST_GUILESS_MAIN(TestReductionEngine)
#include "tst_ReductionEngine.moc"
