// 缩水后旋转: every survivor shares t reds with a ticket, checked here survivor by survivor.
#include "core/code/Code.h"
#include "core/wheel/SurvivorWheel.h"

#include <QTest>
#include <bit>
#include <random>

namespace {
// About one combination in `every` alive, chosen with a fixed seed.
TCodeList sampledSurvivors(int every)
{
    TCodeList list;
    BuildBaseList(list);
    std::mt19937 rng(7);
    for (auto &alive : list.Alive)
        alive = rng() % unsigned(every) == 0;
    return list;
}
} // namespace

class TestSurvivorWheel : public QObject
{
    Q_OBJECT

private slots:
    void everySurvivorHeld_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("every");
        QTest::newRow("保5") << 5 << 40;
        QTest::newRow("保4") << 4 << 200;
        QTest::newRow("保3") << 3 << 200;
    }
    void everySurvivorHeld()
    {
        QFETCH(int, t);
        QFETCH(int, every);
        const TCodeList list = sampledSurvivors(every);
        const auto wheel = CoverSurvivors(list, t);
        QVERIFY(wheel.has_value());
        QCOMPARE(wheel->survivors, AliveCount(list));
        QVERIFY(int(wheel->tickets.size()) < wheel->survivors);
        std::vector<std::uint64_t> tickets;
        for (const TCodeRedArr &a : wheel->tickets)
            tickets.push_back(ToMask(a));
        for (std::size_t i = 0; i < list.Codes.size(); ++i) {
            if (!list.Alive[i])
                continue;
            const std::uint64_t s = ToMask(list.Codes[i]);
            bool held = false;
            for (std::size_t k = 0; k < tickets.size() && !held; ++k)
                held = std::popcount(tickets[k] & s) >= t;
            QVERIFY2(held, qPrintable(RedArrToStr(list.Codes[i])));
        }
    }
};

QTEST_GUILESS_MAIN(TestSurvivorWheel)
#include "tst_SurvivorWheel.moc"
