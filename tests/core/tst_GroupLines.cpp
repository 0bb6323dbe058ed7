#include "core/reduction/ConditionSet.h"
#include "core/reduction/GroupLines.h"
#include "core/reduction/PrizeStats.h"
#include "core/reduction/TypedNumbers.h"

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
        QTest::newRow("edges") << QStringLiteral("1,33&0,6") << quint64(maskOf({1, 33})) << quint32(countsOf({0, 6}));
        QTest::newRow("repeated number") << QStringLiteral("7,7&1") << quint64(maskOf({7})) << quint32(countsOf({1}));
        QTest::newRow("Chinese commas") << QStringLiteral("2，3，4&0、1") << quint64(maskOf({2, 3, 4})) << quint32(countsOf({0, 1}));
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

    void numberRangeText()
    {
        // One leading "0" is dropped, nothing else: a sign, "008" or " 5" names no cell.
        const auto range = NumberRangeFromText(QStringLiteral("01,08,09,40,x,33,+5,008, 7,0"));
        QCOMPARE(NumberRangeText(range), QStringLiteral("1,8,9,33"));
        QCOMPARE(NumberRangeText({}), QString());
    }

    // Numbers typed by a player read the same everywhere: blanks, tabs, "," "，" "、" as
    // separators, one or two digits a number.
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("bad");   // the refused piece; empty when read
        QTest::newRow("blanks") << "1 8 16" << QList<int>{1, 8, 16} << "";
        QTest::newRow("Chinese comma") << "1，8" << QList<int>{1, 8} << "";
        QTest::newRow("enumeration comma and tab") << "01、08\t09,  12" << QList<int>{1, 8, 9, 12} << "";
        QTest::newRow("empty") << "  " << QList<int>{} << "";
        QTest::newRow("three digits") << "1 008" << QList<int>{} << "008";
        QTest::newRow("sign") << "+5" << QList<int>{} << "+5";
        QTest::newRow("semicolon") << "1;2" << QList<int>{} << "1;2";
        QTest::newRow("full-width digit") << QStringLiteral("１") << QList<int>{} << QStringLiteral("１");
    }
    void typedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, bad);
        QString refused;
        const auto read = ReadTypedNumbers(text, &refused);
        QCOMPARE(read.has_value(), bad.isEmpty());
        QCOMPARE(refused, bad);
        if (read)
            QCOMPARE(QList<int>(read->begin(), read->end()), numbers);
        // The blue list takes what every other field takes.
        QString error;
        const auto blues = ParseBlueList(text, error);
        QCOMPARE(blues.has_value(), bad.isEmpty());
        if (blues && !numbers.isEmpty()) {
            QList<int> sorted = numbers;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(QList<int>(blues->begin(), blues->end()), sorted);
        }
    }

    // "增加" stores typed numbers with "," as the condition file's readers expect; an empty
    // number field says that no number was entered ("&" is never typed).
    void madeLinesAndEntryProblems()
    {
        QCOMPARE(MakeGroupLine(QStringLiteral("1 8 9 16 25 33"), QStringLiteral("1")), QStringLiteral("1,8,9,16,25,33&1"));
        QCOMPARE(MakeGroupLine(QStringLiteral("2，3，04"), QStringLiteral("0,1")), QStringLiteral("2,3,04&0,1"));
        QVERIFY(GroupEntryProblem(QStringLiteral("1 8 9 16 25 33"), QStringLiteral("0,1")).isEmpty());
        QVERIFY(GroupEntryProblem(QStringLiteral(" "), QStringLiteral("1")).startsWith(QStringLiteral("没有输入自选号码")));
        QCOMPARE(GroupEntryProblem(QStringLiteral("1,40"), QStringLiteral("1")),
                 QStringLiteral("自选号码“1,40”有错误：号码40不在1-33之间！！"));
    }
};

QTEST_GUILESS_MAIN(TestGroupLines)
#include "tst_GroupLines.moc"
