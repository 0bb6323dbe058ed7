// The condition file's section "[扩展设置]": the tolerance travels in it, and files
// without it (older ones, or a set without a tolerance) keep their bytes and meaning.

#include "code/SsqError.h"
#include "reduction/ConditionFile.h"
#include "TestSupport.h"

#include <QTest>

class TestExtendedSettings : public QObject
{
    Q_OBJECT

private slots:
    void toleranceRoundTrip_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("2 then 0 over the same file") << 2 << 0;
        QTest::newRow("0 then 5") << 0 << 5;
    }
    void toleranceRoundTrip()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        ConditionSet c = DefaultConditions();
        c.Tolerance = first;
        const QByteArray file = ConditionsToIni(c);
        c.Tolerance = second;
        // Saving over the file replaces the key: an old tolerance must not come back.
        const QByteArray again = ConditionsToIni(c, file);
        ConditionSet read = DefaultConditions();
        read.Tolerance = 7;
        ApplyConditionIni(again, read);
        QCOMPARE(read.Tolerance, second);
        // The 104 keys of "[条件设置]" come first and are the same as without a tolerance.
        ConditionSet strict = c;
        strict.Tolerance = 0;
        QVERIFY(again.startsWith(ConditionsToIni(strict)));
    }

    void olderFileReadsAsStrict()
    {
        ConditionSet c = DefaultConditions();
        c.Tolerance = 3;
        ApplyConditionIni(Gbk(QStringLiteral("[条件设置]\r\n连号组数2=1\r\n")), c);
        QCOMPARE(c.Tolerance, 0);
        QVERIFY(c.ConsecGroups.isChecked(2));
    }

    void badTolerance_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("letter") << "x";
        QTest::newRow("negative") << "-1";
        QTest::newRow("above 18") << "19";
    }
    void badTolerance()
    {
        QFETCH(QString, value);
        ConditionSet c = DefaultConditions();
        const QString ini = QStringLiteral("[条件设置]\r\n[扩展设置]\r\n容错=%1\r\n").arg(value);
        QVERIFY_THROWS_EXCEPTION(SsqError, ApplyConditionIni(Gbk(ini), c));
    }
};

QTEST_GUILESS_MAIN(TestExtendedSettings)
#include "tst_ExtendedSettings.moc"
