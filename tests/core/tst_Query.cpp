#include "app/Query.h"

#include <QTest>

namespace {

DrawRecord draw(int year, int no, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = year;
    d.No = no;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

// Five draws; 2005014 stands twice (a hand-edited history), the second time with blue 16.
TBeenCodesRecArr sample()
{
    return {
        draw(2005, 12, {1, 2, 3, 4, 5, 6}, 1),
        draw(2005, 13, {2, 9, 15, 18, 25, 33}, 7),
        draw(2005, 14, {3, 4, 5, 6, 7, 8}, 2),
        draw(2005, 14, {10, 11, 12, 13, 14, 15}, 16),
        draw(2005, 15, {20, 21, 22, 23, 24, 25}, 9),
    };
}

} // namespace

class TestQuery : public QObject
{
    Q_OBJECT
private slots:
    void lineFormat()
    {
        QCOMPARE(QueryLine(draw(2005, 13, {2, 9, 15, 18, 25, 33}, 7)),
                 QStringLiteral("第2005013期,开奖号:02 09 15 18 25 33 07"));
        // Reds keep the order in which the draw was written.
        QCOMPARE(QueryLine(draw(2026, 95, {33, 4, 6, 14, 21, 22}, 16)),
                 QStringLiteral("第2026095期,开奖号:33 04 06 14 21 22 16"));
    }

    void run_data()
    {
        QTest::addColumn<int>("issue");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("firstAndLastBlue");   // blue of each listed draw

        QTest::newRow("from the first, two") << 2005012 << 2 << QStringList{"01", "07"};
        QTest::newRow("2005013 finds Year 2005 No 13") << 2005013 << 1 << QStringList{"07"};
        QTest::newRow("duplicate issue starts at the later one")
            << 2005014 << 30 << QStringList{"16", "09"};
        QTest::newRow("count past the end stops at the newest")
            << 2005013 << 100 << QStringList{"07", "02", "16", "09"};
        QTest::newRow("newest issue with 30 lists one line") << 2005015 << 30 << QStringList{"09"};
        QTest::newRow("count 0") << 2005012 << 0 << QStringList{};
        QTest::newRow("negative count") << 2005012 << -5 << QStringList{};
        QTest::newRow("unknown issue") << 2005099 << 30 << QStringList{};
        QTest::newRow("huge count") << 2005015 << INT_MAX << QStringList{"09"};
    }

    void run()
    {
        QFETCH(int, issue);
        QFETCH(int, count);
        QFETCH(QStringList, firstAndLastBlue);
        const QStringList lines = QueryLines(sample(), issue, count);
        QStringList blues;
        for (const QString &line : lines)
            blues << line.right(2);
        QCOMPARE(blues, firstAndLastBlue);
    }

};

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_Query.moc"
