// Wheels over chosen numbers: every ticket made of the chosen numbers (and the bankers),
// the guarantee counted here case by case, the same wheel on every run beyond the table,
// and the bankers refused where they cannot work.
#include "BruteWheel.h"

#include "core/code/SsqError.h"
#include "core/wheel/ChosenWheel.h"
#include "core/wheel/SurvivorCover.h"
#include "core/wheel/WheelTable.h"
#include "core/wheel/WheelSearch.h"

#include <QTest>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {
// The cases the tickets leave open, counted over the reds themselves.
int openCases(const ChosenWheel &w)
{
    std::vector<std::uint64_t> tickets;
    for (const TCodeRedArr &ticket : w.tickets)
        tickets.push_back(Brute::bitsOf(ticket));
    return Brute::openCases(w.numbers, w.bankers, w.guarantee.m, w.guarantee.t, tickets);
}

QList<int> reds(int from, int count, int step = 1)
{
    QList<int> list;
    for (int i = 0; i < count; ++i)
        list << from + i * step;
    return list;
}

// Every ticket: six different reds, all the bankers, the rest from the numbers.
bool ticketsWellMade(const ChosenWheel &w)
{
    for (const TCodeRedArr &a : w.tickets) {
        if (std::adjacent_find(a.begin(), a.end()) != a.end() || !std::is_sorted(a.begin(), a.end()))
            return false;
        for (const int b : w.bankers)
            if (std::find(a.begin(), a.end(), b) == a.end())
                return false;
        for (const auto x : a)
            if (!w.numbers.contains(x) && !w.bankers.contains(x))
                return false;
    }
    return true;
}
} // namespace

class TestChosenWheel : public QObject
{
    Q_OBJECT

private slots:
    // From the table (n <= 20) and from the search (beyond, and with bankers), laid over
    // any reds.
    void guaranteeHolds_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("bankers");
        QTest::addColumn<QString>("guarantee");
        QTest::addColumn<int>("most");   // the most tickets allowed, 0: any count
        QTest::newRow("10 reds 中6保5, table") << reds(2, 10, 3) << QList<int>{} << "6-5" << 0;
        QTest::newRow("16 reds 中5保3, table") << reds(1, 16, 2) << QList<int>{} << "5-3" << 0;
        QTest::newRow("25 reds 中5保4, search") << reds(3, 25) << QList<int>{} << "5-4" << 0;
        // No entry of its own: within 5 % of the best known 1152 all the same.
        QTest::newRow("26 reds 中4保4, 27 numbers narrowed") << reds(5, 26) << QList<int>{} << "4-4" << 1152 * 105 / 100;
        QTest::newRow("22 reds 中6保4, search") << reds(1, 22) << QList<int>{} << "6-4" << 0;
        QTest::newRow("胆码01, 10 reds 中6保5") << reds(5, 10) << QList<int>{1} << "6-5" << 0;
        QTest::newRow("胆码33 01, 12 reds 中5保5") << reds(10, 12) << QList<int>{33, 1} << "5-5" << 0;
        QTest::newRow("胆码 three, 9 reds 中6保4") << reds(4, 9) << QList<int>{1, 2, 3} << "6-4" << 0;
        QTest::newRow("胆码07, 20 reds 中4保3") << reds(10, 20) << QList<int>{7} << "4-3" << 0;
    }
    void guaranteeHolds()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, bankers);
        QFETCH(QString, guarantee);
        QFETCH(int, most);
        const auto wheel = MakeWheel(numbers, *ParseWheelGuarantee(guarantee), bankers);
        QVERIFY(wheel.has_value());
        QVERIFY(wheel->complete);
        QVERIFY(ticketsWellMade(*wheel));
        QCOMPARE(openCases(*wheel), 0);
        if (most > 0)
            QVERIFY2(int(wheel->tickets.size()) <= most, qPrintable(QString::number(wheel->tickets.size())));
    }

    // Beyond the table the answer depends on nothing but the input, and it is never
    // larger than covering every m-subset one survivor at a time.
    void sameEveryRun_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("guarantee");
        QTest::newRow("21 numbers 中4保4") << 21 << "4-4";
        QTest::newRow("21 numbers 中6保5") << 21 << "6-5";
    }
    void sameEveryRun()
    {
        QFETCH(int, n);
        QFETCH(QString, guarantee);
        const WheelGuarantee g = *ParseWheelGuarantee(guarantee);
        const WheelTable none({});   // the search, whatever the table holds
        const auto first = MakeWheel(reds(1, n), g, {}, nullptr, &none);
        const auto second = MakeWheel(reds(1, n), g, {}, nullptr, &none);
        QVERIFY(first && second);
        QVERIFY(!first->fromTable);
        QVERIFY(first->tickets == second->tickets);
        std::vector<std::uint64_t> all;
        const std::uint64_t pool = (std::uint64_t{1} << n) - 1;
        for (std::uint64_t x = 0; x <= pool; ++x)
            if (std::popcount(x) == g.m)
                all.push_back(x);
        QVERIFY(first->tickets.size() <= CoverSurvivorMasks(all, g.t, nullptr, 6, pool).size());
    }

    // Cancelled once a first complete wheel exists: that wheel comes back, checked, and
    // marked as not the final one.
    void cancelKeepsBestSoFar()
    {
        WheelControl control;
        std::atomic<bool> done{false};
        std::thread watcher([&] {
            while (!done && control.bestSize.load() == 0)
                std::this_thread::yield();
            control.cancel = true;
        });
        const WheelTable none({});   // the search, whatever the table holds
        const auto wheel = MakeWheel(reds(1, 23), WheelGuarantee{5, 5}, {}, &control, &none);
        done = true;
        watcher.join();
        QVERIFY(wheel.has_value());
        QVERIFY(!wheel->complete);
        QCOMPARE(openCases(*wheel), 0);
    }

    void cancelledBeforeAnyWheel()
    {
        WheelControl control;
        control.cancel = true;
        const WheelTable none({});
        QVERIFY(!MakeWheel(reds(1, 25), WheelGuarantee{5, 5}, {}, &control, &none).has_value());
    }

    // The search on its own (no table) reaches the known sizes of small cases.
    void searchReachesKnownSizes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("guarantee");
        QTest::addColumn<int>("size");
        QTest::newRow("10 numbers 中4保4") << 10 << "4-4" << 20;
        QTest::newRow("10 numbers 中6保5") << 10 << "6-5" << 14;
    }
    void searchReachesKnownSizes()
    {
        QFETCH(int, n);
        QFETCH(QString, guarantee);
        QFETCH(int, size);
        const WheelGuarantee g = *ParseWheelGuarantee(guarantee);
        WheelSearchOptions options;
        options.timeLimitMs = 60000;   // a target stops it long before
        options.targetSize = size;
        const auto masks = SearchWheel(n, g, options);
        QVERIFY(masks.has_value());
        QCOMPARE(int(masks->size()), size);
        QCOMPARE(Brute::openCases(reds(0, n), {}, g.m, g.t, *masks), 0);   // bit x - 1 for the number x
    }

    void wrongInputRefused_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("bankers");
        QTest::addColumn<QString>("guarantee");
        QTest::newRow("six") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{} << "6-5";
        QTest::newRow("twice") << QList<int>{1, 2, 3, 4, 5, 6, 6} << QList<int>{} << "6-5";
        QTest::newRow("34") << QList<int>{1, 2, 3, 4, 5, 6, 34} << QList<int>{} << "6-5";
        QTest::newRow("four bankers") << reds(5, 10) << QList<int>{1, 2, 3, 4} << "6-5";
        QTest::newRow("banker among the numbers") << reds(5, 10) << QList<int>{5} << "6-5";
        QTest::newRow("banker twice") << reds(5, 10) << QList<int>{1, 1} << "6-5";
        QTest::newRow("banker 0") << reds(5, 10) << QList<int>{0} << "6-5";
        QTest::newRow("three bankers for 保3") << reds(5, 10) << QList<int>{1, 2, 3} << "6-3";
        QTest::newRow("three bankers for 中4保3") << reds(5, 10) << QList<int>{1, 2, 3} << "4-3";
    }
    void wrongInputRefused()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, bankers);
        QFETCH(QString, guarantee);
        const WheelGuarantee g = *ParseWheelGuarantee(guarantee);
        if (!bankers.isEmpty())
            QVERIFY(!WheelBankersProblem(numbers, bankers, g).isEmpty());
        QVERIFY_THROWS_EXCEPTION(SsqError, MakeWheel(numbers, g, bankers));
    }
};

QTEST_GUILESS_MAIN(TestChosenWheel)
#include "tst_ChosenWheel.moc"
