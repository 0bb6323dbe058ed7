#include "code/Code.h"
#include "code/SsqError.h"

#include <QTest>

namespace {
TCodeRedArr reds(std::initializer_list<int> numbers)
{
    TCodeRedArr a{};
    int i = 0;
    for (int n : numbers)
        a[i++] = std::int8_t(n);
    return a;
}

template <typename F>
void forEachCombination(F f)
{
    TCodeRedArr a{};
    for (int a1 = 1; a1 <= 28; ++a1)
        for (int a2 = a1 + 1; a2 <= 29; ++a2)
            for (int a3 = a2 + 1; a3 <= 30; ++a3)
                for (int a4 = a3 + 1; a4 <= 31; ++a4)
                    for (int a5 = a4 + 1; a5 <= 32; ++a5)
                        for (int a6 = a5 + 1; a6 <= 33; ++a6) {
                            a = {std::int8_t(a1), std::int8_t(a2), std::int8_t(a3),
                                 std::int8_t(a4), std::int8_t(a5), std::int8_t(a6)};
                            f(a);
                        }
}
} // namespace

class TestCode : public QObject
{
    Q_OBJECT

private slots:

    // The examples that the program's own explanation text and the players' rules give.
    void examples()
    {
        QCOMPARE(BigCount(reds({16, 17, 18, 19, 20, 21})), 5);
        QCOMPARE(PrimeCount(reds({1, 4, 6, 8, 9, 10})), 1);
        QCOMPARE(AcValue(reds({1, 2, 4, 8, 13, 21})), 10);
        QCOMPARE(Mod5GroupCount(reds({5, 10, 15, 20, 25, 30}), true), 1);
        QCOMPARE(OddEvenZoneCount(reds({11, 12, 21, 22, 23, 24})), 5);
        QCOMPARE(SameTailMax(reds({1, 11, 21, 31, 2, 12})), 4);
        QCOMPARE(RedSum(reds({8, 9, 18, 19, 28, 29}), true, true), 1);
        QCOMPARE(RedSum(reds({28, 29, 30, 31, 32, 33}), false, false), 183);
        QCOMPARE(OddConsecCount(reds({1, 3, 7, 9, 11, 19})), 3);
        QCOMPARE(EvenConsecCount(reds({2, 4, 8, 10, 12, 20})), 3);
        QCOMPARE(SpecNumInterOfCodeArr(reds({1, 22, 22, 23, 12, 5}), 22, 22), 2);
        QVERIFY(!IsComposite(2));
        QVERIFY(IsComposite(9));
    }

    void runs_data()
    {
        QTest::addColumn<TCodeRedArr>("a");
        QTest::addColumn<QList<int>>("runs");
        QTest::addColumn<int>("groups");
        QTest::addColumn<int>("numbers");
        QTest::newRow("two runs") << reds({1, 2, 6, 7, 8, 10}) << QList<int>{0, 1, 1, 0, 0, 0} << 2 << 5;
        QTest::newRow("run of six") << reds({1, 2, 3, 4, 5, 6}) << QList<int>{0, 0, 0, 0, 0, 1} << 1 << 6;
        QTest::newRow("run ends at 33") << reds({1, 5, 9, 31, 32, 33}) << QList<int>{0, 0, 1, 0, 0, 0} << 1 << 3;
        QTest::newRow("no run") << reds({1, 3, 5, 7, 9, 11}) << QList<int>{0, 0, 0, 0, 0, 0} << 0 << 0;
        QTest::newRow("three pairs") << reds({1, 2, 10, 11, 32, 33}) << QList<int>{0, 3, 0, 0, 0, 0} << 3 << 6;
    }
    void runs()
    {
        QFETCH(TCodeRedArr, a);
        QFETCH(QList<int>, runs);
        QFETCH(int, groups);
        QFETCH(int, numbers);
        std::array<int, 6> got{};
        ConsecRuns(a, got);
        QCOMPARE(QList<int>(got.begin(), got.end()), runs);
        QCOMPARE(ConsecGroupCount(a), groups);
        QCOMPARE(ConsecNumCount(a), numbers);
    }

    void pairs()
    {
        // A number next to 33 or to 1 is a slant number; both neighbours count once.
        QCOMPARE(SlantCount(reds({32, 2, 3, 4, 5, 6}), reds({33, 20, 21, 22, 23, 24})), 1);
        QCOMPARE(SlantCount(reds({1, 12, 13, 14, 15, 16}), reds({2, 30, 31, 29, 28, 27})), 1);
        QCOMPARE(SlantCount(reds({5, 20, 21, 22, 23, 24}), reds({4, 6, 1, 2, 3, 33})), 1);
        QCOMPARE(RepeatCount(reds({1, 2, 3, 4, 5, 6}), reds({6, 5, 10, 11, 12, 1})), 3);
        QCOMPARE(SamePosCount(reds({1, 2, 3, 4, 5, 6}), reds({1, 3, 3, 5, 5, 7})), 3);
    }

    // The set operations on masks agree with the array forms on every combination.
    void maskFormAgreesOnAllCombinations()
    {
        const TCodeRedArr b1 = reds({2, 9, 15, 18, 25, 33});
        const TCodeRedArr b2 = reds({1, 2, 3, 31, 32, 33});
        const RedMask m1 = ToMask(b1), m2 = ToMask(b2);
        std::array<bool, 34> set{};
        RedMask setMask = 0;
        for (int n : {1, 5, 9, 14, 22, 27, 33}) {
            set[n] = true;
            setMask |= CodeMask::bit(n);
        }
        int failures = 0;
        forEachCombination([&](const TCodeRedArr &a) {
            const RedMask m = ToMask(a);
            failures += RepeatCount(a, b1) != CodeMask::RepeatCount(m, m1);
            failures += RepeatCount(a, b2) != CodeMask::RepeatCount(m, m2);
            failures += CountInSet(a, set) != CodeMask::CountInSet(m, setMask);
            failures += HasNum(a, 17) != CodeMask::HasNum(m, 17);
        });
        QCOMPARE(failures, 0);
    }

    // Independent counts over all combinations, known from the combinatorics of the game.
    void distributionsOverAllCombinations()
    {
        std::array<qint64, 7> odd{};
        std::array<qint64, 11> ac{};
        qint64 sumOfSums = 0;
        forEachCombination([&](const TCodeRedArr &a) {
            ++odd[OddCount(a)];
            ++ac[AcValue(a)];
            sumOfSums += RedSum(a, false, false);
        });
        // C(17, k) * C(16, 6 - k): 17 odd and 16 even numbers.
        const std::array<qint64, 7> expectedOdd = {8008, 74256, 247520, 380800, 285600, 99008, 12376};
        for (int k = 0; k <= 6; ++k)
            QCOMPARE(odd[k], expectedOdd[k]);
        // Every combination's sum averages 6 * 17.
        QCOMPARE(sumOfSums, qint64(1107568) * 102);
        // AC 0 is exactly the arithmetic progressions of six: 28 + 23 + 18 + 13 + 8 + 3.
        QCOMPARE(ac[0], qint64(93));
    }
};

QTEST_APPLESS_MAIN(TestCode)
#include "tst_Code.moc"
