#include "code/SsqError.h"
#include "reduction/ConditionFile.h"
#include "reduction/ReduceCommand.h"
#include "reduction/ResultOutput.h"

#include <QFile>
#include <QStringEncoder>
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

        // 3 odd of 1..8 with exactly one of 1, 2, and 3 in it: the count by hand.
        int expected = 0;
        for (int a = 1; a <= 8; ++a)
            for (int b = a + 1; b <= 8; ++b)
                for (int cc = b + 1; cc <= 8; ++cc)
                    for (int d = cc + 1; d <= 8; ++d)
                        for (int e = d + 1; e <= 8; ++e)
                            for (int f = e + 1; f <= 8; ++f) {
                                const int nums[] = {a, b, cc, d, e, f};
                                int odd = 0, oneTwo = 0, three = 0;
                                for (int n : nums) {
                                    odd += n % 2;
                                    oneTwo += n == 1 || n == 2;
                                    three += n == 3;
                                }
                                expected += odd == 3 && oneTwo == 1 && three == 1;
                            }
        o.exportFile = dir.filePath(QStringLiteral("out.txt"));
        o.stats = true;
        const QStringList lines = RunReduceCommand({}, o, m_when);
        QCOMPARE(lines.at(3), QStringLiteral("缩水结果为总共%1注号码").arg(expected));

        QCOMPARE(lines.last().split(QLatin1Char('\t')).last(), QString::number(expected));   // the stage lines
        QFile exported(o.exportFile);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QStringEncoder gbk("GBK");
        const QByteArray header = gbk.encode(QStringLiteral("缩水结果有%1注号码\r\n").arg(expected));
        const QByteArray bytes = exported.readAll();
        QVERIFY(bytes.startsWith(header));
        QCOMPARE(bytes.count("\r\n"), 1 + (expected + 4) / 5 + 1);
    }

};

QTEST_GUILESS_MAIN(TestReduceCommand)
#include "tst_ReduceCommand.moc"
