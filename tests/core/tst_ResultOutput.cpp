#include "core/history/HistoryFile.h"
#include "core/reduction/ResultOutput.h"

#include <QStringDecoder>
#include <QTest>

namespace {

// A base list in which exactly the first `alive` combinations of `picks` survive.
TCodeList listWith(const std::vector<int> &aliveIndexes)
{
    TCodeList list;
    BuildBaseList(list);
    std::fill(list.Alive.begin(), list.Alive.end(), std::uint8_t{0});
    for (int i : aliveIndexes)
        list.Alive[static_cast<std::size_t>(i)] = 1;
    return list;
}

} // namespace

class TestResultOutput : public QObject
{
    Q_OBJECT

private slots:
    void exportOfThree()
    {
        QCOMPARE(QString(QStringDecoder("GBK").decode(ExportFileBytes(listWith({0, 1, kCombinationCount - 1})))),
                 QStringLiteral("缩水结果有3注号码\r\n01 02 03 04 05 06, 01 02 03 04 05 07, 28 29 30 31 32 33, \r\n\r\n"));
    }

    void prizeCheck_data()
    {
        const QString memo = QStringLiteral("晨帆选号通  2005.06.01 09:05:07\n缩水基础号码总共1107568注号码\n\n"
                                            "缩水结果为总共2注号码\n01 02 03 04 05 06, 01 05 12 18 23 30, \n\n");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("searched");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("status");
        QTest::newRow("found") << memo << QStringLiteral("01 05 12 18 23 30") << true << int(memo.indexOf(QStringLiteral("01 05 12")))
                               << QStringLiteral("恭喜，找到号码01 05 12 18 23 30");
        QTest::newRow("unpadded") << memo << QStringLiteral("1 2 3 4 5 6") << true << -1
                                  << QStringLiteral("抱歉，没有找到号码1 2 3 4 5 6");
        QTest::newRow("case matters") << QStringLiteral("abc") << QStringLiteral("ABC") << true << -1
                                      << QStringLiteral("抱歉，没有找到号码ABC");
        QTest::newRow("empty does nothing") << memo << QString() << false << -1 << QString();
    }

    void prizeCheck()
    {
        QFETCH(QString, memo);
        QFETCH(QString, text);
        QFETCH(bool, searched);
        QFETCH(int, start);
        QFETCH(QString, status);
        const FindOutcome outcome = FindInMemo(memo, text);
        QCOMPARE(outcome.searched, searched);
        QCOMPARE(outcome.found, start >= 0);
        QCOMPARE(int(outcome.start), start);
        QCOMPARE(int(outcome.length), start >= 0 ? int(text.size()) : 0);
        QCOMPARE(outcome.status, status);
    }

    // "结果兑奖" looks among the survivors, however many there are, and says where the
    // combination stands; a list that is not every combination (a base, a wheel's
    // tickets) counts the same way.
    void findInResult_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<int>("position");   // 0: not among the survivors
        QTest::newRow("first survivor") << "01 02 03 04 05 06" << true << 1;
        QTest::newRow("any order, one digit, a blue") << "6,5,4,3,2,1+07" << true << 1;
        QTest::newRow("third survivor") << "01 02 03 04 06 07" << true << 3;
        QTest::newRow("dead entry") << "01 02 03 04 05 08" << true << 0;
        QTest::newRow("not in the list") << "28 29 30 31 32 33" << true << 0;
        QTest::newRow("five numbers") << "01 02 03 04 05" << false << 0;
        QTest::newRow("header text") << "缩水" << false << 0;
        QTest::newRow("fragment of two tickets") << "19 23, 01" << false << 0;
        QTest::newRow("seven numbers") << "01 02 03 04 05 06 07" << false << 0;
    }
    void findInResult()
    {
        QFETCH(QString, text);
        QFETCH(bool, parsed);
        QFETCH(int, position);
        TCodeList list;
        list.Codes = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 5, 8}, {1, 2, 3, 4, 6, 7}};
        list.Count = 4;
        list.Alive = {1, 1, 0, 1};
        const ResultSearch search = FindInResult(list, text);
        QCOMPARE(search.valid, parsed);
        if (!parsed) {
            // Never a congratulation: the player is asked for six reds.
            QVERIFY(!search.found);
            QVERIFY(search.status.contains(QStringLiteral("请输入六个不同的红球号码")));
            return;
        }
        QCOMPARE(search.found, position > 0);
        QCOMPARE(search.position, position);
        const QString shown = RedArrToStr(search.reds);
        QCOMPARE(search.status, position > 0 ? QStringLiteral("恭喜，找到号码%1，是缩水结果的第%2注").arg(shown).arg(position)
                                              : QStringLiteral("抱歉，没有找到号码") + shown);
    }

    // A command that needs survivors tells "no reduction yet" from "a run left nothing".
    void noSurvivorsMessage_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("alive");
        QTest::addColumn<QString>("message");
        QTest::newRow("before the first run") << 0 << 0 << QStringLiteral("还没有缩水结果，请先进行缩水计算！！");
        QTest::newRow("a run that left 0注") << 3 << 0 << QStringLiteral("缩水结果为0注，无法生成投注！！请放宽条件后再缩水。");
        QTest::newRow("survivors") << 3 << 1 << QString();
    }
    void noSurvivorsMessage()
    {
        QFETCH(int, count);
        QFETCH(int, alive);
        QFETCH(QString, message);
        TCodeList list;
        list.Codes.assign(std::size_t(count), TCodeRedArr{1, 2, 3, 4, 5, 6});
        list.Count = count;
        list.Alive.assign(std::size_t(count), 0);
        for (int i = 0; i < alive; ++i)
            list.Alive[std::size_t(i)] = 1;
        QCOMPARE(NoSurvivorsMessage(list, QStringLiteral("生成投注")), message);
    }
};

QTEST_GUILESS_MAIN(TestResultOutput)
#include "tst_ResultOutput.moc"
