#include "BruteProperties.h"

#include "core/code/Code.h"
#include "core/code/SsqError.h"
#include "core/reduction/CodeList.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// Every combination, ascending, as the reduction's base list holds them.
template <typename F>
void forEachCombination(F f)
{
    TCodeList list;
    BuildBaseList(list);
    for (const TCodeRedArr &a : list.Codes)
        f(a);
}
} // namespace

class TestCode : public QObject
{
    Q_OBJECT

private slots:

    // The examples of the players' rules that no count over all combinations shows: a red
    // written twice in a history line counts at each of its positions.
    void examples()
    {
        QCOMPARE(SpecNumInterOfCodeArr(TCodeRedArr{1, 22, 22, 23, 12, 5}, 22, 22), 2);
        QCOMPARE(OddCount(TCodeRedArr{1, 1, 3, 4, 6, 8}), 3);
        QCOMPARE(Zone6Count(TCodeRedArr{1, 1, 3, 4, 6, 8}), 2);
        QCOMPARE(SameTailMax(TCodeRedArr{1, 1, 11, 21, 31, 2}), 5);
        QCOMPARE(RedSum(TCodeRedArr{8, 9, 18, 19, 28, 29}, true, true), 1);
        QVERIFY_THROWS_EXCEPTION(SsqError, SpecNumInterOfCodeArr(TCodeRedArr{1, 2, 3, 4, 5, 6}, 12, 11));
        QVERIFY(!IsComposite(1) && !IsComposite(2) && IsComposite(9));
    }

    // Every property of every combination, ascending as the reduction makes them and
    // reversed as a history line may hold them, against the count written in the test;
    // and random draws with any order and repeated reds as a hand-made history may hold.
    void everyPropertyAgreesWithDirectCounts()
    {
        const TCodeRedArr newest = TCodeRedArr{12, 1, 33, 5, 28, 20};
        std::array<bool, 34> set{};
        for (int n : {1, 5, 9, 14, 22, 27, 33})
            set[std::size_t(n)] = true;
        int failures = 0;
        auto check = [&](const TCodeRedArr &code) {
            using namespace Brute;
            Combo a;
            std::copy(code.begin(), code.end(), a.begin());
            const Combo b = {12, 1, 33, 5, 28, 20};
            std::array<int, 6> got{};
            ConsecRuns(code, got);
            const auto r = runs(a);
            int groups = 0, numbers = 0;
            for (int L = 2; L <= 6; ++L) {
                failures += got[std::size_t(L - 1)] != r[std::size_t(L)];
                groups += r[std::size_t(L)];
                numbers += L * r[std::size_t(L)];
            }
            const int values[][2] = {
                {SpecNumInterOfCodeArr(code, 12, 22), zone(a, 1)},
                {Zone6Count(code), distinct(a, [](int n) { return (n - 1) / 6; })},
                {OddEvenZoneCount(code), distinct(a, [](int n) { return 2 * ((n - 1) / 11) + (n + 1) % 2; })},
                {Mod3Count(code, 0), countIf(a, [](int n) { return n % 3 == 0; })},
                {Mod3Count(code, 2), countIf(a, [](int n) { return n % 3 == 2; })},
                {Mod6GroupCount(code), distinct(a, [](int n) { return n % 6; })},
                {Mod5GroupCount(code, false), distinct(a, [](int n) { return n % 5; })},
                {Mod5GroupCount(code, true), distinct(a, [](int n) { return n % 10 % 5; })},
                {SameTailMax(code), sameTailMax(a)},
                {TailGroupCount(code), distinct(a, [](int n) { return n % 10; })},
                {BigTailCount(code), countIf(a, [](int n) { return n % 10 >= 5; })},
                {BigCount(code), countIf(a, [](int n) { return n >= 17; })},
                {OddCount(code), countIf(a, [](int n) { return n % 2 == 1; })},
                {PrimeCount(code), countIf(a, prime)},
                {RedSum(code, false, false), sum(a)},
                {RedSum(code, true, false), tailSum(a)},
                {RedSum(code, false, true), sum(a) % 10},
                {AcValue(code), ac(a)},
                {MaxGap(code), maxGap(a)},
                {ConsecGroupCount(code), groups},
                {ConsecNumCount(code), numbers},
                {OddConsecCount(code), steps(a, 1)},
                {EvenConsecCount(code), steps(a, 0)},
                {RepeatCount(code, newest), countIf(b, [&](int n) { return has(a, n); })},
                {SlantCount(code, newest), slant(a, b)},
                {SamePosCount(code, newest), samePos(a, b)},
                {CountInSet(code, set), countIf(a, [&](int n) { return set[std::size_t(n)]; })},
            };
            for (const auto &v : values)
                failures += v[0] != v[1];
        };
        forEachCombination([&](const TCodeRedArr &a) {
            check(a);
            check({a[5], a[4], a[3], a[2], a[1], a[0]});
        });
        QRandomGenerator rng(7);
        for (int i = 0; i < 20000; ++i) {
            TCodeRedArr a;
            for (auto &n : a)
                n = std::int8_t(rng.bounded(1, 34));
            check(a);
        }
        QCOMPARE(failures, 0);
    }
};

QTEST_APPLESS_MAIN(TestCode)
#include "tst_Code.moc"
