#include "code/SsqError.h"
#include "reduction/ConditionFile.h"
#include "batch/ReduceCommand.h"
#include "reduction/ReductionEngine.h"
#include "reduction/ResultOutput.h"
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
        const ConditionSet c = ReduceConditions(o);
        QVERIFY(c.OddEvenRatio.isChecked(3));
        QCOMPARE(NumberRangeText(c.NumberRange), QStringLiteral("1,2,3,4,5,6,7,8,9,10"));
        QCOMPARE(c.CodeSel1, (QStringList{QStringLiteral("1,2&1"), QStringLiteral("9,10&0")}));
        QCOMPARE(c.CodeSel2, QStringList{QStringLiteral("3&1")});

        o.exportFile = dir.filePath(QStringLiteral("out.txt"));
        o.stats = true;
        const QStringList lines = RunReduceCommand({}, o, m_when);
        TCodeList list;
        const ReductionRun run = RunReduction(c, {}, list);
        QVERIFY(run.survivors > 0);
        QCOMPARE(lines.at(3), QStringLiteral("缩水结果为总共%1注号码").arg(run.survivors));
        QCOMPARE(lines.last().split(QLatin1Char('\t')).last(), QString::number(run.survivors));   // the stage lines
        QCOMPARE(readAll(o.exportFile), ExportFileBytes(list));
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
