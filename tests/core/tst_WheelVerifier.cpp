// The exhaustive check that every wheel must pass before it is shown.
#include "core/wheel/WheelVerifier.h"

#include <QTest>
#include <bit>

namespace {
std::uint64_t mask(std::initializer_list<int> numbers)
{
    std::uint64_t m = 0;
    for (const int n : numbers)
        m |= std::uint64_t{1} << (n - 1);
    return m;
}

// All six-subsets of 1..7 but the ones leaving out the numbers in `dropped`.
std::vector<std::uint64_t> allButComplements(std::initializer_list<int> dropped)
{
    std::vector<std::uint64_t> tickets;
    for (int left = 1; left <= 7; ++left)
        if (std::find(dropped.begin(), dropped.end(), left) == dropped.end())
            tickets.push_back(0x7f & ~mask({left}));
    return tickets;
}
} // namespace

class TestWheelVerifier : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("t");
        QTest::addColumn<std::vector<std::uint64_t>>("tickets");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("checked");
        QTest::addColumn<quint64>("drawn");
        // A 5-subset of 1..7 lies in the two tickets that leave out one of its two
        // missing numbers: dropping one ticket is fine, dropping two leaves a hole.
        QTest::newRow("7 numbers 中5保5, six tickets") << 7 << 5 << 5 << allButComplements({7}) << true << qint64(21) << quint64(0);
        QTest::newRow("7 numbers 中5保5, five tickets") << 7 << 5 << 5 << allButComplements({6, 7}) << false << qint64(21) << quint64(0);
        // Any two six-subsets of seven share five numbers.
        QTest::newRow("7 numbers 中6保5, one ticket") << 7 << 6 << 5 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 5, 6})} << true << qint64(7) << quint64(0);
        // Two disjoint tickets over 12: a draw of 3+3 holds only three of either.
        QTest::newRow("12 numbers 中6保4, two halves")
            << 12 << 6 << 4 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 5, 6}), mask({7, 8, 9, 10, 11, 12})} << false << qint64(0) << quint64(0);
        QTest::newRow("12 numbers 中6保3, two halves")
            << 12 << 6 << 3 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 5, 6}), mask({7, 8, 9, 10, 11, 12})} << true << qint64(924) << quint64(0);
        // 胆拖: 7 and 8 drawn in every case, so only one of 1..6 varies (six cases); the
        // first ticket holds three of them for 1..4, the second for 3..6.
        QTest::newRow("bankers 7 8, 中3保3, both tickets")
            << 8 << 3 << 3 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 7, 8}), mask({3, 4, 5, 6, 7, 8})} << true
            << qint64(6) << quint64(mask({7, 8}));
        QTest::newRow("bankers 7 8, 中3保3, one ticket")
            << 8 << 3 << 3 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 7, 8})} << false << qint64(0)
            << quint64(mask({7, 8}));
        QTest::newRow("ticket of five numbers") << 7 << 5 << 5 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 5})} << false << qint64(0) << quint64(0);
        QTest::newRow("ticket beyond n") << 7 << 5 << 5 << std::vector<std::uint64_t>{mask({1, 2, 3, 4, 5, 8})} << false << qint64(0) << quint64(0);
    }
    void verdicts()
    {
        QFETCH(int, n);
        QFETCH(int, m);
        QFETCH(int, t);
        QFETCH(std::vector<std::uint64_t>, tickets);
        QFETCH(bool, ok);
        QFETCH(qint64, checked);
        QFETCH(quint64, drawn);
        const WheelCheck c = VerifyWheel(n, WheelGuarantee{m, t}, tickets, drawn);
        QCOMPARE(c.ok, ok);
        if (ok)
            QCOMPARE(c.checked, checked);
        if (!ok && !c.malformed) {
            // The reported hole really is one.
            QCOMPARE(std::popcount(c.firstMiss), m);
            QCOMPARE(c.firstMiss & drawn, quint64(drawn));
            for (const std::uint64_t ticket : tickets)
                QVERIFY(std::popcount(ticket & c.firstMiss) < t);
        }
    }
};

QTEST_GUILESS_MAIN(TestWheelVerifier)
#include "tst_WheelVerifier.moc"
