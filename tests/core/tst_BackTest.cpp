#include "core/reduction/BackTest.h"
#include "core/reduction/ReductionEngine.h"

#include "core/code/SsqError.h"
#include "TestSupport.h"

#include <QTest>

namespace {
ConditionSet only(void (*set)(ConditionSet &))
{
    ConditionSet c = DefaultConditions();
    set(c);
    return c;
}
} // namespace

class TestBackTest : public QObject
{
    Q_OBJECT

private slots:
    void drawRemovedByOneStage()
    {
        const ConditionSet c = only([](ConditionSet &s) { s.OddEvenRatio.setChecked(3, true); });
        const TBeenCodesRecArr history = {
            MakeDraw(2005001, {1, 3, 5, 7, 9, 11}, 1),    // six odd: the odd/even stage (9)
            MakeDraw(2005002, {1, 2, 3, 4, 5, 6}, 1),     // 3:3
            MakeDraw(2005003, {33, 20, 13, 2, 7, 18}, 1), // unordered, 3:3
        };
        const BackTestResult r = RunBackTest(c, history, 3);
        QCOMPARE(BackTestLines(r), (QStringList{"2005001\t01 03 05 07 09 11\t9",
                                                "2005002\t01 02 03 04 05 06\t通过",
                                                "2005003\t02 07 13 18 20 33\t通过", "通过 2/3"}));
        QCOMPARE(BackTestVerdict(9), QStringLiteral("第9步 奇偶比"));
    }

    // The "numbers shared with the newest draw" stage compares each past draw with the
    // one before it, and is skipped for the very first draw of the history.
    void sameAsPreviousUsesTheDrawBefore()
    {
        const ConditionSet c = only([](ConditionSet &s) { s.PrevTailSame.setChecked(0, true); });
        const TBeenCodesRecArr history = {
            MakeDraw(2005001, {1, 2, 3, 4, 5, 6}, 1),
            MakeDraw(2005002, {1, 10, 11, 12, 13, 14}, 1),  // shares 01 with the draw before
            MakeDraw(2005003, {20, 21, 22, 23, 24, 25}, 1), // shares nothing with 2005002
        };
        const BackTestResult all = RunBackTest(c, history, 100);
        QCOMPARE(all.listed(), 3); // K larger than the history lists every draw
        QCOMPARE(all.rows[0].failingStage, 0);
        QCOMPARE(all.rows[1].failingStage, 14);
        QCOMPARE(all.rows[2].failingStage, 0);

        const BackTestResult last = RunBackTest(c, history, 1);
        QCOMPARE(last.listed(), 1);
        QCOMPARE(last.rows[0].draw.issueNo(), 2005003);
        QCOMPARE(RunBackTest(c, history, 0).listed(), 0);
        QCOMPARE(RunBackTest(c, {}, 10).listed(), 0);
    }

    void invalidDrawAndBadGroupLine()
    {
        const TBeenCodesRecArr history = {MakeDraw(2005001, {9, 2, 2, 18, 25, 33}, 1)};
        const BackTestResult r = RunBackTest(DefaultConditions(), history, 1);
        QCOMPARE(r.rows[0].failingStage, -1);
        QCOMPARE(r.passed, 0);

        ConditionSet bad = DefaultConditions();
        bad.CodeSel1 = QStringList{"&0"};
        QVERIFY_THROWS_EXCEPTION(SsqError, RunBackTest(bad, history, 1));
    }

    // With a tolerance a draw passes when it fails at most K of the stages 2..19; the
    // number range stays strict. The row names every stage the draw fails.
    void toleranceAndFailedStages()
    {
        ConditionSet c = DefaultConditions();
        c.OddEvenRatio.setChecked(3, true); // 3:3 only
        c.SumRange = {60, 120};
        for (int n = 1; n <= 32; ++n)
            c.NumberRange[std::size_t(n - 1)] = true;
        const TBeenCodesRecArr history = {
            MakeDraw(2005001, {1, 3, 5, 7, 9, 11}, 1),     // six odd (stage 9), sum 36 (stage 12)
            MakeDraw(2005002, {1, 3, 5, 7, 9, 12}, 1),     // five odd (stage 9), sum 37 (stage 12)
            MakeDraw(2005003, {2, 3, 10, 15, 21, 30}, 1),  // 3:3, sum 81: passes
            MakeDraw(2005004, {2, 3, 10, 15, 20, 31}, 1),  // 3:3, sum 81: passes
            MakeDraw(2005005, {1, 2, 3, 4, 5, 33}, 1),     // outside the range (stage 1)
            MakeDraw(2005006, {1, 2, 4, 6, 8, 29}, 1),     // 2:4 (stage 9), sum 50 (stage 12)
            MakeDraw(2005007, {11, 13, 15, 17, 19, 26}, 1), // five odd (stage 9), sum 101
        };
        c.Tolerance = 1;
        const BackTestResult one = RunBackTest(c, history, 7);
        QCOMPARE(one.tolerance, 1);
        QList<int> stages;
        QStringList verdicts;
        for (const BackTestRow &row : one.rows) {
            stages << row.failingStage;
            verdicts << BackTestRowVerdict(row, one.tolerance);
        }
        QCOMPARE(stages, (QList<int>{12, 12, 0, 0, 1, 12, 0}));
        QCOMPARE(one.passed, 3);
        QCOMPARE(verdicts[0], QStringLiteral("未通过（错2个：第9步 奇偶比、第12步 总和值）"));
        QCOMPARE(verdicts[6], QStringLiteral("通过（错1个：第9步 奇偶比）"));
        QCOMPARE(BackTestLines(one)[2], QStringLiteral("2005003\t02 03 10 15 21 30\t通过\t-"));

        c.Tolerance = 2;
        QCOMPARE(RunBackTest(c, history, 7).passed, 6);
        c.Tolerance = 0;
        QCOMPARE(BackTestLines(RunBackTest(c, history, 7))[0], QStringLiteral("2005001\t01 03 05 07 09 11\t9"));
    }
};

QTEST_GUILESS_MAIN(TestBackTest)
#include "tst_BackTest.moc"
