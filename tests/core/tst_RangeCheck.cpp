// A range that admits no value is named before the run. The message must agree with
// the engine: no message exactly when the range leaves survivors.
#include "reduction/RangeCheck.h"
#include "reduction/ReductionEngine.h"

#include <QTest>

class TestRangeCheck : public QObject
{
    Q_OBJECT

private slots:
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
            const ValueRange tries[] = {{r.lowest, r.lowest}, {r.highest, r.highest}, {r.lowest - 5, r.lowest - 1},
                                        {r.highest + 1, r.highest + 9}, {r.highest, r.lowest}};
            for (const ValueRange &range : tries) {
                ConditionSet c = DefaultConditions();
                c.*r.member = range;
                TCodeList result;
                RunReduction(c, {}, result);
                QCOMPARE(EmptyRangeMessage(c).isEmpty(), AliveCount(result) > 0);
            }
        }
        ConditionSet c = DefaultConditions();
        c.SumRange = {150, 100};
        QVERIFY(EmptyRangeMessage(c).startsWith(QStringLiteral("“总和值”的最小值150大于最大值100")));
    }
};

QTEST_GUILESS_MAIN(TestRangeCheck)
#include "tst_RangeCheck.moc"
