// reduce, backtest and prizes through the batch tool: what a script sees.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run
{
    int status = -1;
    QStringList lines;
    QString err;
};

Run runCli(QStringList args)
{
    args << "--history" << QStringLiteral(SSQ_TEST_DATA "/ssq.dxt");
    QProcess p;
    p.start(QStringLiteral(SSQ_CLI), args);
    p.waitForFinished(120000);
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (out.endsWith('\n'))
        out.chop(1);
    return {p.exitCode(), out.split('\n'), QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class TestCliReduce : public QObject
{
    Q_OBJECT

private slots:
    void reduceWithStatsAddsUp()
    {
        const Run r = runCli({"reduce", "--range", "1,2,3,4,5,6,7,8,9,10", "--groups1", "1,2&0,1#3,4&1", "--stats"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.lines[0].startsWith(QStringLiteral("晨帆选号通  ")));
        QCOMPARE(r.lines[1], QStringLiteral("缩水基础号码总共1107568注号码"));
        const QStringList stats = r.lines.mid(r.lines.size() - 19);
        qint64 removed = 0;
        for (int s = 0; s < 19; ++s) {
            const QStringList f = stats[s].split('\t');
            QCOMPARE(f.size(), 4);
            QCOMPARE(f[0].toInt(), s + 1);
            removed += f[2].toLongLong();
        }
        const qint64 left = stats.last().split('\t')[3].toLongLong();
        QCOMPARE(removed + left, qint64(1107568));
        QVERIFY(r.lines.contains(QStringLiteral("缩水结果为总共%1注号码").arg(left)));
        QCOMPARE(stats[0].split('\t')[1], QStringLiteral("active"));
        QCOMPARE(stats[17].split('\t')[1], QStringLiteral("active"));
        QCOMPARE(stats[18].split('\t')[1], QStringLiteral("inactive"));
    }

    void badInputsFail_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("bad group line") << QStringList{"reduce", "--groups1", "&0"} << 1;
        QTest::newRow("missing condition file") << QStringList{"reduce", "--conditions", "/nonexistent.ini"} << 1;
        QTest::newRow("stray word") << QStringList{"reduce", "x"} << 2;
        QTest::newRow("backtest without K") << QStringList{"backtest"} << 2;
        QTest::newRow("backtest bad group") << QStringList{"backtest", "5", "--groups2", "1,x&1"} << 1;
        QTest::newRow("prizes unknown issue") << QStringList{"prizes", "1999001"} << 1;
        QTest::newRow("prizes bad blues") << QStringList{"prizes", "1 2 3 4 5 6+7", "--blues", "0"} << 1;
        QTest::newRow("prizes without draw") << QStringList{"prizes"} << 2;
    }
    void badInputsFail()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run r = runCli(args);
        QCOMPARE(r.status, status);
        QVERIFY(!r.err.isEmpty());
    }

};

QTEST_GUILESS_MAIN(TestCliReduce)
#include "tst_CliReduce.moc"
