// The shipped wheels: every entry passes the exhaustive check at load, and a damaged
// entry is refused so that the search serves that case.
#include "wheel/ChosenWheel.h"
#include "wheel/WheelTable.h"
#include "wheel/WheelVerifier.h"

#include <QTest>

namespace {
// A good entry to damage: 8 numbers 中5保5 in twelve tickets, made by the program.
QByteArray goodEntry()
{
    const auto wheel = MakeWheel({1, 2, 3, 4, 5, 6, 7, 8}, WheelGuarantee{5, 5});
    std::vector<std::uint64_t> masks;
    for (const TCodeRedArr &a : wheel->tickets) {
        std::uint64_t m = 0;
        for (const auto x : a)
            m |= std::uint64_t{1} << (x - 1);
        masks.push_back(m);
    }
    return WheelTable::writeEntry(8, WheelGuarantee{5, 5}, masks).toLatin1();
}
} // namespace

class TestWheelTable : public QObject
{
    Q_OBJECT

private slots:
    void shippedEntriesPass_data()
    {
        QTest::addColumn<int>("index");
        const WheelTable &table = WheelTable::shipped();
        for (int i = 0; i < table.entryCount(); ++i)
            QTest::addRow("%s", QByteArray(table.entry(i)).left(QByteArray(table.entry(i)).indexOf('\n')).constData()) << i;
    }
    void shippedEntriesPass()
    {
        QFETCH(int, index);
        const auto e = WheelTable::readEntry(WheelTable::shipped().entry(index));
        QVERIFY(e.has_value());
        QVERIFY(VerifyWheel(e->n, e->g, e->tickets).ok);
    }

    void damagedEntryRefused_data()
    {
        QTest::addColumn<QByteArray>("entry");
        const QByteArray good = goodEntry();
        const int body = good.indexOf('\n') + 1;
        QByteArray dropped = good;
        dropped.replace(body, 13, "");                       // one ticket gone, count kept
        QByteArray recounted = dropped;
        recounted.replace(0, body - 1, "8 5 5 11");          // ... and the count fixed: a hole
        QByteArray beyond = good;
        beyond.replace(body + 10, 2, "09");                  // a number outside 1..8
        QByteArray garbled = good;
        garbled[body + 3] = 'x';
        // The cover still holds, the entry does not: a ticket more than counted, a ticket of seven.
        QTest::newRow("more tickets than counted") << good.chopped(1) + " 010203040506\n";
        QTest::newRow("ticket of seven numbers") << QByteArray(good).insert(body + 12, "08");
        QTest::newRow("ticket missing") << dropped;
        QTest::newRow("ticket missing, count fixed") << recounted;
        QTest::newRow("number beyond n") << beyond;
        QTest::newRow("not a number") << garbled;
        QTest::newRow("no guarantee") << QByteArray("8 6 2 1\n010203040506\n");
    }
    void damagedEntryRefused()
    {
        QFETCH(QByteArray, entry);
        QVERIFY(WheelTable::readEntry(goodEntry().constData()).has_value());
        QVERIFY(!WheelTable::readEntry(entry.constData()).has_value());
        // A table holding it answers nothing for that case, and the wheel still comes
        // (from the search), checked.
        const WheelTable table({entry.constData()});
        QVERIFY(!table.find(8, WheelGuarantee{5, 5}).has_value());
        const auto wheel = MakeWheel({1, 2, 3, 4, 5, 6, 7, 8}, WheelGuarantee{5, 5}, nullptr, &table);
        QVERIFY(wheel.has_value());
        QVERIFY(!wheel->fromTable);
        QCOMPARE(wheel->checked, qint64(56));
    }
};

QTEST_GUILESS_MAIN(TestWheelTable)
#include "tst_WheelTable.moc"
