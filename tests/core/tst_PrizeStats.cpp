#include "core/reduction/PrizeStats.h"
#include "TestSupport.h"

#include <QTest>

namespace {
// A list holding exactly the given combinations, all alive.
TCodeList listOf(std::initializer_list<TCodeRedArr> codes)
{
    TCodeList list;
    for (const TCodeRedArr &c : codes) {
        list.Codes.push_back(c);
        list.Alive.push_back(1);
    }
    list.Count = int(list.Codes.size());
    return list;
}

const PrizeDraw kDraw{{1, 2, 3, 4, 5, 6}, 7, 0};
} // namespace

class TestPrizeStats : public QObject
{
    Q_OBJECT

private slots:
    // One survivor matching M reds, bought with one blue that hits or misses.
    void tiers_data()
    {
        QTest::addColumn<TCodeRedArr>("reds");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("tier"); // -1: no prize
        QTest::addColumn<int>("fixed");
        QTest::newRow("6+1") << TCodeRedArr{1, 2, 3, 4, 5, 6} << 7 << 0 << 0;
        QTest::newRow("6+0") << TCodeRedArr{1, 2, 3, 4, 5, 6} << 8 << 1 << 0;
        QTest::newRow("5+1") << TCodeRedArr{1, 2, 3, 4, 5, 33} << 7 << 2 << 3000;
        QTest::newRow("5+0") << TCodeRedArr{1, 2, 3, 4, 5, 33} << 8 << 3 << 200;
        QTest::newRow("4+0") << TCodeRedArr{1, 2, 3, 4, 32, 33} << 8 << 4 << 10;
        QTest::newRow("3+1") << TCodeRedArr{1, 2, 3, 31, 32, 33} << 7 << 4 << 10;
        QTest::newRow("3+0") << TCodeRedArr{1, 2, 3, 31, 32, 33} << 8 << -1 << 0;
        QTest::newRow("2+1") << TCodeRedArr{1, 2, 30, 31, 32, 33} << 7 << 5 << 5;
        QTest::newRow("0+1") << TCodeRedArr{28, 29, 30, 31, 32, 33} << 7 << 5 << 5;
    }
    void tiers()
    {
        QFETCH(TCodeRedArr, reds);
        QFETCH(int, blue);
        QFETCH(int, tier);
        QFETCH(int, fixed);
        const PrizeStats s = ComputePrizeStats(listOf({reds}), kDraw, {blue});
        for (int t = 0; t < 6; ++t)
            QCOMPARE(s.tierCounts[std::size_t(t)], qint64(t == tier ? 1 : 0));
        QCOMPARE(s.fixedTotal, qint64(fixed));
        QCOMPARE(s.tickets, qint64(1));
        QCOMPARE(s.cost, qint64(2));
    }

    void everyBlueAndDeadEntries()
    {
        TCodeList list = listOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 33}, {10, 11, 12, 13, 14, 15}});
        list.Alive[2] = 0;
        std::vector<int> all;
        for (int b = 1; b <= 16; ++b)
            all.push_back(b);
        const PrizeStats s = ComputePrizeStats(list, kDraw, all);
        QCOMPARE(s.redHits[6], qint64(1));
        QCOMPARE(s.redHits[5], qint64(1));
        QCOMPARE(s.redHits[0], qint64(0)); // the dead entry is not counted
        QCOMPARE(s.tickets, qint64(32));
        QCOMPARE(s.cost, qint64(64));
        QCOMPARE(s.tierCounts[0], qint64(1));  // 6+1
        QCOMPARE(s.tierCounts[1], qint64(15)); // 6+0
        QCOMPARE(s.tierCounts[2], qint64(1));  // 5+1
        QCOMPARE(s.tierCounts[3], qint64(15)); // 5+0
        QCOMPARE(s.fixedTotal, qint64(3000 + 15 * 200));
        const QStringList lines = PrizeStatLines(s);
        QCOMPARE(lines.first(), QStringLiteral("红球命中\t6\t1"));
        QVERIFY(lines.contains(QStringLiteral("奖级\t一等奖\t1\t浮动")));
        QVERIFY(lines.contains(QStringLiteral("奖级\t三等奖\t1\t3000")));
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("投注\t32\t64"));
        QCOMPARE(lines.last(), QStringLiteral("固定奖金\t6000"));
    }

    void parseDraw_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<TCodeRedArr>("reds");
        QTest::addColumn<int>("blue");
        QTest::newRow("unsorted reds") << "33 02 18 09 25 15+07" << true << TCodeRedArr{2, 9, 15, 18, 25, 33} << 7;
        QTest::newRow("issue") << "2005013" << true << TCodeRedArr{2, 9, 15, 18, 25, 33} << 7;
        QTest::newRow("unknown issue") << "2005099" << false << TCodeRedArr{} << 0;
        QTest::newRow("repeated red") << "1 1 2 3 4 5+6" << false << TCodeRedArr{} << 0;
        QTest::newRow("red 34") << "1 2 3 4 5 34+6" << false << TCodeRedArr{} << 0;
        QTest::newRow("blue 17") << "1 2 3 4 5 6+17" << false << TCodeRedArr{} << 0;
    }
    void parseDraw()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(TCodeRedArr, reds);
        QFETCH(int, blue);
        QString error;
        const auto draw = ParsePrizeDraw(text, {MakeDraw(2005013, {33, 2, 9, 15, 18, 25}, 7)}, error);
        QCOMPARE(draw.has_value(), ok);
        QCOMPARE(error.isEmpty(), ok);
        if (ok) {
            QCOMPARE(draw->reds, reds);
            QCOMPARE(draw->blue, blue);
        }
    }

    // The blues a ticket is bought with: none given means all sixteen; each blue once, in
    // ascending order.
    void parseBlues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("blues");   // "": refused
        QTest::newRow("none given") << "" << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16";
        QTest::newRow("16 and 1, 3 twice") << "16,3, 3 ,1" << "1,3,16";
        QTest::newRow("0") << "0" << "";
        QTest::newRow("17") << "2,17" << "";
    }
    void parseBlues()
    {
        QFETCH(QString, text);
        QFETCH(QString, blues);
        QString error;
        const auto read = ParseBlueList(text, error);
        QStringList got;
        for (const int b : read.value_or(std::vector<int>{}))
            got << QString::number(b);
        QCOMPARE(got.join(u','), blues);
        QCOMPARE(error.isEmpty(), read.has_value());
    }
};

QTEST_GUILESS_MAIN(TestPrizeStats)
#include "tst_PrizeStats.moc"
