#include "core/code/SsqError.h"
#include "core/reduction/ConditionFile.h"
#include "core/batch/ReduceCommand.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

class TestReduceCommand : public QObject
{
    Q_OBJECT

private:
    const QDateTime m_when{QDate(2005, 6, 1), QTime(13, 5, 9)};

private slots:
    void optionsAreAppliedInOrder()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("c.ini"));
        ConditionSet saved = DefaultConditions();
        saved.OddEvenRatio.setChecked(3, true);
        saved.CodeSel1 = {QStringLiteral("1,2&0")}; // replaced by --groups1 below
        ExportConditionFile(ini, saved);

        ReduceOptions o;
        o.conditionsFile = ini;
        o.range = QStringLiteral("1,2,3,4,5,6,7,8,9,10");
        o.groups1 = QStringLiteral("1,2&1#9,10&0");
        o.groups2 = QStringLiteral("3&1");

        // Every option counts (with the file's list 1 kept, nothing would survive). Worked by hand: 3 odd and 3 even of 1..8 (9 and 10 are out), one of 1 and 2, and 3.
        // With 1: 1, 3, 5 or 7, and 4, 6, 8 (2 combinations); with 2: 3, 5, 7 and 2 with two
        // of 4, 6, 8 (3 combinations).
        const QString listed = QStringLiteral("01 03 04 05 06 08, 01 03 04 06 07 08, 02 03 04 05 06 07, "
                                              "02 03 04 05 07 08, 02 03 05 06 07 08, ");
        o.exportFile = dir.filePath(QStringLiteral("out.txt"));
        o.stats = true;
        const QStringList lines = RunReduceCommand({}, o, m_when);
        QCOMPARE(lines.at(3), QStringLiteral("缩水结果为总共5注号码"));
        QVERIFY(lines.contains(listed));
        // The range leaves C(10,6) = 210; 3:3 of 1..10 leaves C(5,3)^2 = 100; list 1 leaves
        // 2 x C(3,2) = 6; list 2 removes the one without 3.
        QCOMPARE(lines.filter(QStringLiteral("\tactive\t")),
                 (QStringList{"1\tactive\t1107358\t210", "9\tactive\t110\t100", "18\tactive\t94\t6",
                              "19\tactive\t1\t5"}));
        QCOMPARE(readAll(o.exportFile), Gbk(QStringLiteral("缩水结果有5注号码\r\n") + listed + QStringLiteral("\r\n\r\n")));
    }

    // The number range and list 2 travel in "[扩展设置]": a set exported, then read back
    // by --conditions from the defaults, leaves what a plain loop over all combinations
    // counts for the same three conditions (the count the panel showed before export).
    void conditionFileCarriesRangeAndListTwo()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("c.ini"));
        const std::vector<int> range = {1, 3, 5, 7, 8, 11, 14, 17, 20, 22, 25, 28, 31, 33};
        ConditionSet saved = DefaultConditions();
        for (const int n : range)
            saved.NumberRange[std::size_t(n - 1)] = true;
        saved.SumRange = {90, 120};
        saved.CodeSel2 = {QStringLiteral("1,5,8&1")};
        ExportConditionFile(ini, saved);

        int expected = 0;   // six of the fourteen, sum 90..120, exactly one of 1, 5, 8
        for (std::size_t a = 0; a < range.size(); ++a)
            for (std::size_t b = a + 1; b < range.size(); ++b)
                for (std::size_t c = b + 1; c < range.size(); ++c)
                    for (std::size_t d = c + 1; d < range.size(); ++d)
                        for (std::size_t e = d + 1; e < range.size(); ++e)
                            for (std::size_t f = e + 1; f < range.size(); ++f) {
                                const int six[] = {range[a], range[b], range[c], range[d], range[e], range[f]};
                                int sum = 0;
                                int hits = 0;
                                for (const int n : six) {
                                    sum += n;
                                    hits += n == 1 || n == 5 || n == 8;
                                }
                                expected += sum >= 90 && sum <= 120 && hits == 1;
                            }
        QVERIFY(expected > 0);

        ReduceOptions o;
        o.conditionsFile = ini;
        QCOMPARE(ReduceConditions(o), saved);
        QCOMPARE(RunReduceCommand({}, o, m_when).at(3), QStringLiteral("缩水结果为总共%1注号码").arg(expected));
        // Given on the command line they override the file.
        o.range = QStringLiteral("1,2,3,4,5,6");
        o.groups2 = QString();
        const ConditionSet overridden = ReduceConditions(o);
        QCOMPARE(NumberRangeText(overridden.NumberRange), QStringLiteral("1,2,3,4,5,6"));
        QVERIFY(overridden.CodeSel2.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReduceCommand)
#include "tst_ReduceCommand.moc"
