#include "code/SsqError.h"
#include "reduction/ConditionSet.h"
#include "reduction/ReductionEngine.h"

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
        QTest::newRow("letter first") << QStringLiteral("q,5") << 0 << 99 << QStringLiteral("'q' is not a valid integer value");
        QTest::newRow("too big") << QStringLiteral("1,99999999999") << 1 << 99
                                 << QStringLiteral("'99999999999' is not a valid integer value");
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

    void examplesOfSingleCombinations_data()
    {
        QTest::addColumn<QString>("combination");
        QTest::addColumn<int>("stage");
        // Only pairs of exactly two are counted: a run of three is no pair.
        QTest::newRow("run of three kept") << QStringLiteral("1,2,3,10,20,30") << 0;
        QTest::newRow("pair removed") << QStringLiteral("1,2,5,10,20,30") << 11;
        QTest::newRow("run of six passes, sum 21 removed") << QStringLiteral("1,2,3,4,5,6") << 12;
        QTest::newRow("sum 183 removed") << QStringLiteral("28,29,30,31,32,33") << 12;
    }

    void examplesOfSingleCombinations()
    {
        QFETCH(QString, combination);
        QFETCH(int, stage);
        ConditionSet c;
        c.ConsecCount.setChecked(1, true);
        c.ConsecGroups.setChecked(0, true);
        c.SumRange = {22, 180};
        TCodeRedArr a{};
        const QStringList numbers = combination.split(QLatin1Char(','));
        for (int i = 0; i < 6; ++i)
            a[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(numbers[i].toInt());
        QCOMPARE(ReductionFilter(c, {}).firstFailingStage(a), stage);
    }
};

QTEST_GUILESS_MAIN(TestConditionSet)
#include "tst_ConditionSet.moc"
