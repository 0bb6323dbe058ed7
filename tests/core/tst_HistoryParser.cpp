#include "core/history/HistoryParser.h"
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
    return {MakeDraw(2003001, {10, 11, 12, 13, 26, 28}, 11)};
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
        QTest::newRow("byte-order mark before the first line") << QStringList{QChar(0xFEFF) + kGood1} << 1;
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


    // What a save refuses, by memo line (blank lines counted) and reason; the order rules
    // look at the nearest good line above.
    void refusedAtSave_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("good, across a new year") << QStringList{QChar(0xFEFF) + QStringLiteral("2005152 01 02 03 04 05 06 07"), "", "2005153 01 02 03 04 05 06 07",
                                                               "2006001 01 02 03 04 05 06 07", kGood1} << QStringList{"5:期号不在上一期2006001之后"};
        QTest::newRow("blue 17") << QStringList{kGood1, "2005014 01 02 03 04 05 06 17"} << QStringList{"2:蓝球号码应在01～16之间"};
        QTest::newRow("repeated red") << QStringList{"2005013 01 01 02 03 04 05 07"} << QStringList{"1:红球01重复"};
        QTest::newRow("repeated issue") << QStringList{kGood1, kGood2, kGood1} << QStringList{"3:期号2005013与第1行重复"};
        QTest::newRow("older after newer") << QStringList{kGood2, "2005012 01 02 03 04 05 06 07"} << QStringList{"2:期号不在上一期2005014之后"};
        QTest::newRow("gap in a year") << QStringList{kGood1, "2005016 01 02 03 04 05 06 07"} << QStringList{"2:上一期为2005013，缺少第2005014–2005015期"};
        QTest::newRow("gap at a year's start") << QStringList{kGood1, "2006002 01 02 03 04 05 06 07"} << QStringList{"2:上一期为2005013，缺少第2006001期"};
        QTest::newRow("a year missing") << QStringList{kGood1, "2007001 01 02 03 04 05 06 07"}
                                        << QStringList{"2:上一期为2005013，第2005013期与第2007001期之间缺少2006年的开奖数据"};
        QTest::newRow("years and a year's start missing") << QStringList{kGood1, "2008003 01 02 03 04 05 06 07"}
                                                          << QStringList{"2:上一期为2005013，第2005013期与第2008003期之间缺少2006年至2007年和第2008001–2008002期的开奖数据"};
        QTest::newRow("a mistyped line is listed once") << QStringList{kGood1, "", "2005014 1 02 03 04 05 06 07", "2005015 01 02 03 04 05 06 07"}
                                                        << QStringList{"3:格式不对，应为7位期号、6个红球和1个蓝球，号码各占两位，以空格分隔"};
        QTest::newRow("not a number") << QStringList{"2005013 0a 09 15 18 25 33 07"} << QStringList{"1:含有不是数字的字符"};
    }
    void refusedAtSave()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, refused);
        QStringList got;
        for (const RefusedLine &r : LinesRefusedAtSave(lines))
            got << QString::number(r.lineNo) + u':' + r.reason;
        QCOMPARE(got, refused);
    }

    // Start-up keeps every good draw, in order, and lists the rest by memo line.
    void startupKeepsGoodDraws_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("issues");
        QTest::addColumn<QList<int>>("leftOut");
        QTest::newRow("blue 17 in the middle") << QStringList{kGood1, "", "2005014 01 02 03 04 05 06 17", kGood2}
                                               << QList<int>{2005013, 2005014} << QList<int>{3};
        QTest::newRow("titles and a bad number") << QStringList{"期号 红球 蓝球", kGood1, "2005014 0a 02 03 04 05 06 07"}
                                                 << QList<int>{2005013} << QList<int>{1, 3};
        // Impossible draws load as the parser always took them.
        QTest::newRow("repeated red, older issue") << QStringList{kGood2, "2005013 09 02 02 18 25 33 07"}
                                                   << QList<int>{2005014, 2005013} << QList<int>{};
    }
    void startupKeepsGoodDraws()
    {
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, issues);
        QFETCH(QList<int>, leftOut);
        const HistoryReading reading = ReadHistoryKeepingGoodLines(lines);
        QList<int> gotIssues, gotLeftOut;
        for (const DrawRecord &d : reading.draws)
            gotIssues << d.issueNo();
        for (const RefusedLine &r : reading.leftOut)
            gotLeftOut << r.lineNo;
        QCOMPARE(gotIssues, issues);
        QCOMPARE(gotLeftOut, leftOut);
    }

    void refusedLinesAreListedReadably()
    {
        RefusedLines many;
        for (int i = 1; i <= 21; ++i)
            many.append({i, QStringLiteral(" x "), QStringLiteral("r")});
        const QStringList text = RefusedLinesText(many).split(u'\n');
        QCOMPARE(text.size(), 21);
        QCOMPARE(text.front(), QStringLiteral("第1行“x”：r"));
        QCOMPARE(text.back(), QStringLiteral("……共21行"));
    }

    // The shipped history is a sound one: a save of it is never refused.
    void shippedHistoryIsSaved()
    {
        const QStringList lines = HistoryTextLines(QByteArray("\xEF\xBB\xBF") + readAll(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt")));
        QVERIFY(lines.size() > 3000);
        QCOMPARE(LinesRefusedAtSave(lines), RefusedLines{});
    }
};

QTEST_APPLESS_MAIN(TestHistoryParser)
#include "tst_HistoryParser.moc"
