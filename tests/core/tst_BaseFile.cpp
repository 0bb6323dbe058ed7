// The imported base (大底): which lines count, which are refused, what the list becomes;
// and "生成投注": every survivor with every chosen blue, in order, with count and cost.
#include "core/code/SsqError.h"
#include "core/reduction/BaseFile.h"
#include "core/reduction/TicketFile.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

class TestBaseFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<TCodeRedArr>>("codes");
        QTest::addColumn<QList<int>>("badLines");
        const TCodeRedArr a{1, 2, 3, 4, 5, 6}, b{1, 2, 3, 4, 5, 7}, c{5, 12, 18, 23, 30, 33};
        QTest::newRow("one a line, any separator and order")
            << QByteArray("33 30 23 18 12 5\r\n1,2,3,4,5,7\n01\t02\t03\t04\t05\t06\r\n")
            << QList<TCodeRedArr>{a, b, c} << QList<int>{};
        QTest::newRow("duplicates count once")
            << QByteArray("1 2 3 4 5 6\n6 5 4 3 2 1\n01 02 03 04 05 06\n") << QList<TCodeRedArr>{a} << QList<int>{};
        QTest::newRow("the export's form")
            << Gbk(QStringLiteral("缩水结果有3注号码\r\n01 02 03 04 05 06, 01 02 03 04 05 07, 05 12 18 23 30 33, \r\n\r\n"))
            << QList<TCodeRedArr>{a, b, c} << QList<int>{};
        QTest::newRow("UTF-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBF") + QStringLiteral("缩水结果有1注号码\n1 2 3 4 5 6\n").toUtf8()
            << QList<TCodeRedArr>{a} << QList<int>{};
        QTest::newRow("bad lines are listed")
            << QByteArray("1 2 3 4 5 6\n1 2 3 4 5\n1 2 3 4 5 34\n\n1 1 2 3 4 5\nx 2 3 4 5 6\n001 2 3 4 5 6\n1 2 3 4 5 7\n")
            << QList<TCodeRedArr>{a, b} << QList<int>{2, 3, 5, 6, 7};
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<TCodeRedArr>, codes);
        QFETCH(QList<int>, badLines);
        const BaseImport parsed = ParseBaseText(bytes);
        QCOMPARE(QList<TCodeRedArr>(parsed.codes.begin(), parsed.codes.end()), codes);
        QCOMPARE(QList<int>(parsed.badLines.begin(), parsed.badLines.end()), badLines);
    }

    // Nothing is imported from a file with a bad line; the message names every bad line.
    void fileOnDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("base.txt"));
        QString error;
        QVERIFY(writeFile(path, "1 2 3 4 5 6\n1 2 3\n7 8 9 10 11 12\nabc\n"));
        QVERIFY(!ReadBaseFile(path, error));
        QCOMPARE(error, QStringLiteral("大底文件“base.txt”第2、4行不是六个1-33之间的不同号码，未导入任何号码！！"));
        // Beyond twenty bad lines the message counts the rest once.
        QByteArray many;
        for (int i = 0; i < 25; ++i)
            many += "x\n";
        QVERIFY(writeFile(path, many));
        QVERIFY(!ReadBaseFile(path, error));
        QCOMPARE(error, QStringLiteral("大底文件“base.txt”第1、2、3、4、5、6、7、8、9、10、11、12、13、14、15、16、17、18、19、20行等25行"
                                       "不是六个1-33之间的不同号码，未导入任何号码！！"));
        QVERIFY(writeFile(path, "\r\n\r\n"));
        QVERIFY(!ReadBaseFile(path, error));
        QCOMPARE(error, QStringLiteral("大底文件“base.txt”中没有号码，未导入任何号码！！"));
        QVERIFY(!ReadBaseFile(dir.filePath(QStringLiteral("missing.txt")), error));
        QVERIFY(error.contains(QStringLiteral("missing.txt")));
    }

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
        QCOMPARE(readAll(path), Gbk(QStringLiteral("共4注，金额8元\r\n"
                                      "01 02 03 04 05 06+16\r\n01 02 03 04 05 06+03\r\n"
                                      "10 11 20 21 32 33+16\r\n10 11 20 21 32 33+03\r\n")));
    }

    void unwritable()
    {
        TCodeList empty;
        QVERIFY_THROWS_EXCEPTION(SsqError, WriteTicketFile(QStringLiteral("/nonexistent-folder/t.txt"), empty, {1}));
    }
};

QTEST_GUILESS_MAIN(TestBaseFile)
#include "tst_BaseFile.moc"
