#include "code/SsqError.h"
#include "reduction/ConditionSet.h"
#include "reduction/GroupLines.h"

#include <QTest>

namespace {

RedMask maskOf(std::initializer_list<int> numbers)
{
    RedMask m = 0;
    for (int n : numbers)
        m |= RedMask{1} << n;
    return m;
}

std::uint32_t countsOf(std::initializer_list<int> counts)
{
    std::uint32_t bits = 0;
    for (int k : counts)
        bits |= 1U << k;
    return bits;
}

} // namespace

class TestGroupLines : public QObject
{
    Q_OBJECT

private slots:
    void goodLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<quint64>("numbers");
        QTest::addColumn<quint32>("counts");
        QTest::newRow("padded") << QStringLiteral("01,08,09&1,2") << quint64(maskOf({1, 8, 9})) << quint32(countsOf({1, 2}));
        QTest::newRow("unpadded") << QStringLiteral("1,8,9,12&0") << quint64(maskOf({1, 8, 9, 12})) << quint32(countsOf({0}));
        QTest::newRow("edges") << QStringLiteral("1,33&0,6") << quint64(maskOf({1, 33})) << quint32(countsOf({0, 6}));
        QTest::newRow("blanks around") << QStringLiteral("  05, 06 &2 ") << quint64(maskOf({5, 6})) << quint32(countsOf({2}));
        QTest::newRow("doubled commas") << QStringLiteral("1,,2,&,1") << quint64(maskOf({1, 2})) << quint32(countsOf({1}));
        QTest::newRow("repeated number") << QStringLiteral("7,7&1") << quint64(maskOf({7})) << quint32(countsOf({1}));
    }

    void goodLines()
    {
        QFETCH(QString, line);
        QFETCH(quint64, numbers);
        QFETCH(quint32, counts);
        const auto group = ParseGroupLine(line);
        QVERIFY(group.has_value());
        QCOMPARE(quint64(group->numbers), numbers);
        QCOMPARE(quint32(group->counts), counts);
    }

    void badLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("problem");
        const QString shape = QStringLiteral("应写成“号码&匹配个数”，如01,08,09&1,2");
        QTest::newRow("empty number part") << QStringLiteral("&0") << QStringLiteral("没有输入号码");
        QTest::newRow("empty count part") << QStringLiteral("1,2&") << shape;
        QTest::newRow("no ampersand") << QStringLiteral("1,2,3") << shape;
        QTest::newRow("empty line") << QString() << shape;
        QTest::newRow("two ampersands") << QStringLiteral("1,2&1&2") << shape;
        QTest::newRow("letter") << QStringLiteral("1,x,3&1") << QStringLiteral("“x”不是整数");
        QTest::newRow("sign") << QStringLiteral("1,+3&1") << QStringLiteral("“+3”不是整数");
        QTest::newRow("count letter") << QStringLiteral("1,3&1a") << QStringLiteral("“1a”不是整数");
        QTest::newRow("number 0") << QStringLiteral("0,3&1") << QStringLiteral("号码0不在1-33之间");
        QTest::newRow("number 34") << QStringLiteral("1,34&1") << QStringLiteral("号码34不在1-33之间");
        QTest::newRow("count 7") << QStringLiteral("1,3&7") << QStringLiteral("匹配个数7不在0-6之间");
        QTest::newRow("huge") << QStringLiteral("99999999999999&1") << QStringLiteral("“99999999999999”不是整数");
        QTest::newRow("only commas") << QStringLiteral(",,&1") << QStringLiteral("没有号码");
    }

    void badLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, problem);
        QString why;
        QVERIFY(!ParseGroupLine(line, &why).has_value());
        QCOMPARE(why, problem);
    }

    void listMessageNamesListAndLine()
    {
        const QStringList lines = {QStringLiteral("1,2&1"), QStringLiteral("3,4&0"), QStringLiteral("5,40&1")};
        try {
            ParseGroupList(lines, 2);
            QFAIL("the third line is bad");
        } catch (const SsqError &e) {
            QCOMPARE(e.text(), QStringLiteral("选号匹配列表2的第3行“5,40&1”有错误：号码40不在1-33之间！！"));
        }
        QCOMPARE(ParseGroupList(lines.mid(0, 2), 1).size(), std::size_t(2));
        QVERIFY(ParseGroupList({}, 1).empty());
    }

    void numberRangeText()
    {
        // One leading "0" is dropped, nothing else: a sign, "008" or " 5" names no cell.
        const auto range = NumberRangeFromText(QStringLiteral("01,08,09,40,x,33,+5,008, 7,0"));
        QCOMPARE(NumberRangeText(range), QStringLiteral("1,8,9,33"));
        QCOMPARE(NumberRangeText({}), QString());
    }

    // An empty number field says that no number was entered ("&" is never typed).
    void entryProblem()
    {
        QVERIFY(GroupEntryProblem(QStringLiteral(" "), QStringLiteral("1")).startsWith(QStringLiteral("没有输入自选号码")));
        QCOMPARE(GroupEntryProblem(QStringLiteral("1,40"), QStringLiteral("1")),
                 QStringLiteral("自选号码“1,40”有错误：号码40不在1-33之间！！"));
        QVERIFY(GroupEntryProblem(QStringLiteral("1,8"), QStringLiteral("0,1")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGroupLines)
#include "tst_GroupLines.moc"
