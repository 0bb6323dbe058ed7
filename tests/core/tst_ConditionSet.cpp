#include "code/SsqError.h"
#include "reduction/ConditionSet.h"

#include <QTest>

class TestConditionSet : public QObject
{
    Q_OBJECT

private slots:

    void rangeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("error");
        QTest::newRow("two") << QStringLiteral("3,10") << 3 << 10 << QString();
        QTest::newRow("one") << QStringLiteral("7") << 7 << 99 << QString();
        QTest::newRow("three") << QStringLiteral("1,2,3") << 1 << 2 << QString();
        QTest::newRow("hex") << QStringLiteral("0x10,$20") << 16 << 32 << QString();
        QTest::newRow("letter second") << QStringLiteral("4,z") << 4 << 99 << QStringLiteral("'z' is not a valid integer value");
    }

    void rangeText()
    {
        QFETCH(QString, text);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, error);
        ValueRange r{0, 99};
        try {
            SetRangeFromText(r, text);
            QVERIFY(error.isEmpty());
        } catch (const SsqError &e) {
            QCOMPARE(e.text(), error);
        }
        QCOMPARE(r, (ValueRange{min, max}));
        QCOMPARE(RangeText(ValueRange{-3, 10}), QStringLiteral("-3,10"));
    }
};

QTEST_GUILESS_MAIN(TestConditionSet)
#include "tst_ConditionSet.moc"
