// Wheels over chosen numbers: the best known sizes for 7..10 numbers, every ticket made
// of the chosen numbers, and the guarantee checked again on the tickets as shown.
#include "code/SsqError.h"
#include "wheel/ChosenWheel.h"
#include "wheel/WheelSearch.h"
#include "wheel/WheelVerifier.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

namespace {
// The tickets over the bits 0..n-1 of the chosen numbers, as the check reads them.
bool guaranteeHolds(const ChosenWheel &w)
{
    std::vector<std::uint64_t> tickets;
    for (const TCodeRedArr &a : w.tickets) {
        std::uint64_t m = 0;
        for (const auto x : a)
            m |= std::uint64_t{1} << w.numbers.indexOf(x);
        tickets.push_back(m);
    }
    return VerifyWheel(int(w.numbers.size()), w.guarantee, tickets).ok;
}
} // namespace

class TestChosenWheel : public QObject
{
    Q_OBJECT

private slots:
    // Covering sizes (m = t) are those of the La Jolla Covering Repository; 10 numbers
    // 中6保5 in 14 is the published lotto design; the other m > t sizes are the smallest
    // the program found, each matching the smallest published wheel we could check.
    void bestKnownSizes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("guarantee");
        QTest::addColumn<int>("size");
        const struct { int n; const char *g; int size; } rows[] = {
            {7, "5-5", 6}, {8, "5-5", 12}, {9, "5-5", 30}, {10, "5-5", 50},
            {7, "4-4", 5}, {8, "4-4", 7}, {9, "4-4", 12}, {10, "4-4", 20},
            {7, "3-3", 4}, {8, "3-3", 4}, {9, "3-3", 7}, {10, "3-3", 10},
            {7, "6-5", 1}, {8, "6-5", 4}, {9, "6-5", 7}, {10, "6-5", 14},
            {9, "6-4", 3}, {10, "6-4", 3}, {10, "6-3", 2},
            {9, "5-4", 3}, {10, "5-4", 7}, {10, "5-3", 2}, {10, "4-3", 4},
        };
        for (const auto &r : rows)
            QTest::addRow("%d numbers %s", r.n, r.g) << r.n << QString::fromLatin1(r.g) << r.size;
    }
    void bestKnownSizes()
    {
        QFETCH(int, n);
        QFETCH(QString, guarantee);
        QFETCH(int, size);
        QList<int> numbers;
        for (int i = 0; i < n; ++i)
            numbers << 3 * i + 2;   // any reds: the wheel is laid over them
        const auto wheel = MakeWheel(numbers, *ParseWheelGuarantee(guarantee));
        QVERIFY(wheel.has_value());
        QCOMPARE(int(wheel->tickets.size()), size);
        for (const TCodeRedArr &a : wheel->tickets)
            for (const auto x : a)
                QVERIFY(numbers.contains(x));
        QVERIFY(guaranteeHolds(*wheel));
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
        QVERIFY(VerifyWheel(n, g, *masks).ok);
    }

    // Cancelled while it runs, a search given a minute and a size it never reaches stops
    // at once and answers nothing.
    void cancelledSearchAnswersNothing()
    {
        WheelControl control;
        WheelSearchOptions options;
        options.timeLimitMs = 60000;
        options.targetSize = 1;
        std::optional<std::vector<std::uint64_t>> found{std::vector<std::uint64_t>{}};
        QElapsedTimer clock;
        clock.start();
        std::thread search([&] { found = SearchWheel(25, WheelGuarantee{5, 5}, options, &control); });
        QTest::qSleep(300);
        control.cancel = true;
        search.join();
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!found.has_value());
    }

    void wrongNumbersRefused_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("six") << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("twice") << QList<int>{1, 2, 3, 4, 5, 6, 6};
        QTest::newRow("34") << QList<int>{1, 2, 3, 4, 5, 6, 34};
    }
    void wrongNumbersRefused()
    {
        QFETCH(QList<int>, numbers);
        QVERIFY_THROWS_EXCEPTION(SsqError, MakeWheel(numbers, WheelGuarantee{6, 5}));
    }
};

QTEST_GUILESS_MAIN(TestChosenWheel)
#include "tst_ChosenWheel.moc"
