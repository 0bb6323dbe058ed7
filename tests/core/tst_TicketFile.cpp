// "生成投注": every survivor with every chosen blue, in order, with count and cost.

#include "code/SsqError.h"
#include "reduction/TicketFile.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "../TestSupport.h"

class TestTicketFile : public QObject
{
    Q_OBJECT

private slots:
    void countOrderAndCost()
    {
        // A list whose entries are all alive counts as survivors too (a wheel's tickets).
        TCodeList list;
        list.Codes = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {10, 11, 20, 21, 32, 33}};
        list.Count = 3;
        list.Alive = {1, 0, 1};
        const std::vector<int> blues = {16, 3};
        const TicketCount count = CountTickets(list, blues);
        QCOMPARE(count.tickets, qint64(4));
        QCOMPARE(count.cost, qint64(8));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tickets.txt"));
        WriteTicketFile(path, list, blues);
        QStringDecoder decoder("GBK");
        const QString text = decoder.decode(readAll(path));
        QCOMPARE(text, QStringLiteral("共4注，金额8元\r\n"
                                      "01 02 03 04 05 06+16\r\n01 02 03 04 05 06+03\r\n"
                                      "10 11 20 21 32 33+16\r\n10 11 20 21 32 33+03\r\n"));
    }

    void unwritable()
    {
        TCodeList empty;
        QVERIFY_THROWS_EXCEPTION(SsqError, WriteTicketFile(QStringLiteral("/nonexistent-folder/t.txt"), empty, {1}));
    }
};

QTEST_GUILESS_MAIN(TestTicketFile)
#include "tst_TicketFile.moc"
