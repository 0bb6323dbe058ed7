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
};

QTEST_GUILESS_MAIN(TestReduceCommand)
#include "tst_ReduceCommand.moc"
