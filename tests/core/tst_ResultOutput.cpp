#include "history/HistoryFile.h"
#include "reduction/ResultOutput.h"

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
        const TCodeList list = listWith({0, 1, kCombinationCount - 1});
        const QByteArray bytes = ExportFileBytes(list);
        QStringDecoder decoder("GBK");
        const QString text = decoder.decode(bytes);
        QCOMPARE(text, QStringLiteral("缩水结果有3注号码\r\n"
                                      "01 02 03 04 05 06, 01 02 03 04 05 07, 28 29 30 31 32 33, \r\n"
                                      "\r\n"));
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
        QTest::newRow("seven numbers") << "01 02 03 04 05 06 07" << false << 0;
        QTest::newRow("repeated number") << "01 01 03 04 05 06" << false << 0;
        QTest::newRow("header text") << "缩水" << false << 0;
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
        const auto search = FindInResult(list, text);
        QCOMPARE(search.has_value(), parsed);
        if (!parsed)
            return;
        QCOMPARE(search->found, position > 0);
        QCOMPARE(search->position, position);
        const QString shown = RedArrToStr(search->reds);
        QCOMPARE(search->status, position > 0 ? QStringLiteral("恭喜，找到号码%1，是缩水结果的第%2注").arg(shown).arg(position)
                                              : QStringLiteral("抱歉，没有找到号码") + shown);
    }

};

QTEST_GUILESS_MAIN(TestResultOutput)
#include "tst_ResultOutput.moc"
