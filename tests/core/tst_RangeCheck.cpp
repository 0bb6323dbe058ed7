// A range that admits no value is named before the run. The message must agree with
// the engine: no message exactly when the range leaves survivors.
#include "reduction/RangeCheck.h"
#include "reduction/ReductionEngine.h"

#include <QTest>

class TestRangeCheck : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithTheEngine_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("message");   // start of the message, empty for none
        const struct
        {
            const char *name;
            const char16_t *caption;
            int lowest;
            int highest;
        } ranges[] = {{"ac", u"AC值", 0, 10}, {"gap", u"最大间隔", 1, 28},
                      {"sum", u"总和值", 21, 183}, {"tail", u"尾数和", 3, 51}};
        for (const auto &r : ranges) {
            const QString name = QString::fromLatin1(r.name);
            const QString none = QStringLiteral("“%1”的范围").arg(QString::fromUtf16(r.caption));
            QTest::addRow("%s lowest", r.name) << name << r.lowest << r.lowest << QString();
            QTest::addRow("%s highest", r.name) << name << r.highest << r.highest << QString();
            QTest::addRow("%s below", r.name) << name << r.lowest - 5 << r.lowest - 1 << none;
            QTest::addRow("%s above", r.name) << name << r.highest + 1 << r.highest + 9 << none;
        }
        QTest::newRow("sum min above max")
            << QStringLiteral("sum") << 150 << 100 << QStringLiteral("“总和值”的最小值150大于最大值100");
    }

    void agreesWithTheEngine()
    {
        QFETCH(QString, range);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, message);
        ConditionSet c = DefaultConditions();
        ValueRange &r = range == QLatin1String("ac")    ? c.AcRange
                        : range == QLatin1String("gap") ? c.MaxGapRange
                        : range == QLatin1String("sum") ? c.SumRange
                                                        : c.TailSumRange;
        r = {min, max};
        const QString said = EmptyRangeMessage(c);
        QVERIFY2(message.isEmpty() ? said.isEmpty() : said.startsWith(message), qPrintable(said));
        TCodeList result;
        RunReduction(c, {}, result);
        QCOMPARE(AliveCount(result) == 0, !message.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRangeCheck)
#include "tst_RangeCheck.moc"
