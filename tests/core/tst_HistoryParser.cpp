#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

namespace {
const QString kGood1 = QStringLiteral("2005013 02 09 15 18 25 33 07");
const QString kGood2 = QStringLiteral("2005014 01 03 05 07 09 11 16");
const QString kBadHead = QString::fromUtf16(kBadLinesMessage) + QStringLiteral("\r\n");

TBeenCodesRecArr previousHistory()
{
    DrawRecord r;
    r.Year = 2003;
    r.No = 1;
    r.Red = {10, 11, 12, 13, 26, 28};
    r.Blue = 11;
    return {r};
}
} // namespace

class TestHistoryParser : public QObject
{
    Q_OBJECT

private slots:
    void goodLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::newRow("empty text") << QStringList{} << 0;
        QTest::newRow("blank lines only") << QStringList{"", "   ", "\t", " \x01 "} << 0;
        QTest::newRow("two blanks after the issue") << QStringList{"2005013  02 09 15 18 25 33 07"} << 1;
        QTest::newRow("nine fields") << QStringList{kGood1 + " 99"} << 1;
        QTest::newRow("repeated and unordered reds") << QStringList{"2005013 09 02 02 18 25 33 07"} << 1;
    }
    void goodLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        TBeenCodesRecArr history = previousHistory();
        Collector reporter;
        QVERIFY(DataTxtToCodeArr(lines, history, reporter));
        QCOMPARE(reporter.messages, QStringList{});
        QCOMPARE(int(history.size()), count);
    }

    // Lines of the wrong shape (or, all digits, outside the game) are listed in one
    // message, numbered among the non-blank lines only; the history stays as it was.
    void badLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("errorText");
        QTest::newRow("one-digit red") << QStringList{"2005013 2 09 15 18 25 33 07"} << "1,";
        QTest::newRow("seven fields") << QStringList{"2005013 02 09 15 18 25 33"} << "1,";
        QTest::newRow("column titles") << QStringList{"期号 红1 红2 红3 红4 红5 红6 蓝", kGood1} << "1,";
        QTest::newRow("numbered among non-blank lines") << QStringList{kGood1, "", "2005 02"} << "2,";
        QTest::newRow("lines 3 and 7") << QStringList{kGood1, kGood2, "x", kGood1, kGood1, kGood1, "y"} << "3,7,";
        QTest::newRow("red 34") << QStringList{"2005013 02 09 15 18 25 34 07"} << "1,";
        QTest::newRow("blue 17") << QStringList{"2005013 02 09 15 18 25 33 17"} << "1,";
        QTest::newRow("draw 000") << QStringList{"2005000 02 09 15 18 25 33 07"} << "1,";
        // A Chinese character is two GBK bytes: "红" fills a two-wide field, "红1" does not.
        QTest::newRow("three-byte field") << QStringList{"2005013 红1 09 15 18 25 33 07"} << "1,";
    }
    void badLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, errorText);
        TBeenCodesRecArr history = previousHistory();
        Collector reporter;
        QVERIFY(!DataTxtToCodeArr(lines, history, reporter));
        QCOMPARE(reporter.messages, QStringList{kBadHead + errorText});
        QCOMPARE(history, previousHistory());
    }

    // A field of the right width that is not a number passes the shape check and is
    // reported per line; no half-converted draw enters the history.
    void conversionFailures_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("0a in the first red") << QStringList{"2005013 0a 09 15 18 25 33 07"}
                                             << QStringList{"第1行数据有错误！！"};
        QTest::newRow("Chinese character as a red") << QStringList{kGood1, "2005013 02 红 15 18 25 33 07"}
                                                    << QStringList{"第2行数据有错误！！"};
        QTest::newRow("two lines") << QStringList{"2005013 0a 09 15 18 25 33 07", kGood2, "200501b 02 09 15 18 25 33 07"}
                                   << QStringList{"第1行数据有错误！！", "第3行数据有错误！！"};
        // Ten lines are named one by one; beyond ten, one more message counts the rest.
        for (const int failing : {10, 12}) {
            QStringList lines{kGood1}, messages;
            for (int i = 0; i < failing; ++i)
                lines << "2005013 0a 09 15 18 25 33 07";
            for (int i = 0; i < 10; ++i)
                messages << QStringLiteral("第%1行数据有错误！！").arg(i + 2);
            if (failing > 10)
                messages << QStringLiteral("另有%1行数据有错误！！").arg(failing - 10);
            QTest::addRow("%d lines", failing) << lines << messages;
        }
    }
    void conversionFailures()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, messages);
        TBeenCodesRecArr history = previousHistory();
        Collector reporter;
        QVERIFY(!DataTxtToCodeArr(lines, history, reporter));
        QCOMPARE(reporter.messages, messages);
        QCOMPARE(history, previousHistory());
    }

};

QTEST_APPLESS_MAIN(TestHistoryParser)
#include "tst_HistoryParser.moc"
