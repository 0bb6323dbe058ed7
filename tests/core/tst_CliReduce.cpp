// reduce, backtest and prizes through the batch tool: what a script sees.

#include <QFile>
#include <QFileInfo>
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

    void reduceExportsTheResult()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("result.txt");
        const Run r = runCli({"reduce", "--range", "1,2,3,4,5,6,7", "--export", file});
        QCOMPARE(r.status, 0);
        QVERIFY(QFileInfo(file).size() > 0);
    }

    void badInputsFail_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");   // what the message must name
        QTest::newRow("bad group line") << QStringList{"reduce", "--groups1", "&0"} << 1 << QString();
        QTest::newRow("missing condition file") << QStringList{"reduce", "--conditions", "/nonexistent.ini"} << 1 << QString();
        QTest::newRow("stray word") << QStringList{"reduce", "x"} << 2 << QString();
        QTest::newRow("backtest without K") << QStringList{"backtest"} << 2 << QString();
        QTest::newRow("backtest bad group") << QStringList{"backtest", "5", "--groups2", "1,x&1"} << 1 << QString();
        QTest::newRow("prizes unknown issue") << QStringList{"prizes", "1999001"} << 1 << QString();
        QTest::newRow("prizes bad blues") << QStringList{"prizes", "1 2 3 4 5 6+7", "--blues", "0"} << 1 << QString();
        QTest::newRow("prizes without draw") << QStringList{"prizes"} << 2 << QString();
        QTest::newRow("not a condition file") << QStringList{"reduce", "--conditions", SSQ_TEST_DATA "/ssq.dxt"} << 1 << QString();
        // A piece of --range that names no number must not turn the restriction into
        // another one; the message names the piece.
        QTest::newRow("range with blanks") << QStringList{"reduce", "--range", "1 2 3"} << 2 << QStringLiteral("\"1 2 3\"");
        QTest::newRow("range in words") << QStringList{"reduce", "--range", "一,二"} << 2 << QStringLiteral("\"一\"");
        QTest::newRow("range with a letter") << QStringList{"backtest", "3", "--range", "1,2,x"} << 2 << QStringLiteral("\"x\"");
        QTest::newRow("range with 34") << QStringList{"prizes", "1 2 3 4 5 6+7", "--range", "1,34"} << 2 << QStringLiteral("\"34\"");
        QTest::newRow("tolerance 19") << QStringList{"reduce", "--tolerance", "19"} << 2 << QString();
        QTest::newRow("blues without tickets") << QStringList{"reduce", "--blues", "1"} << 2 << QString();
        QTest::newRow("missing base") << QStringList{"reduce", "--base", "/nonexistent.txt"} << 1 << QString();
        QTest::newRow("bad ticket blues") << QStringList{"reduce", "--blues", "17", "--tickets", "/tmp/x.txt"} << 1 << QString();
    }
    void badInputsFail()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run r = runCli(args);
        QCOMPARE(r.status, status);
        QVERIFY(!r.err.isEmpty());
        QFETCH(QString, named);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
    }

    // 容错, 大底 and tickets reach the engine through the options.
    void toleranceBaseAndTickets()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.txt");
        QFile file(base);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("6 5 4 3 2 1\n1 2 3 4 5 7\n1 2 3 4 5 8\n");
        file.close();
        const Run r = runCli({"reduce", "--base", base, "--range", "1,2,3,4,5,6,7", "--tolerance", "1", "--stats",
                              "--blues", "16,1", "--tickets", dir.filePath("tickets.txt")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines[1], QStringLiteral("缩水基础号码总共3注号码"));
        QCOMPARE(r.lines[4], QStringLiteral("满足全部条件 2 注，错1个 0 注"));
        QCOMPARE(r.lines[7], QStringLiteral("1\tactive\t1\t2\t1"));
        QCOMPARE(r.lines.last(), QStringLiteral("投注\t4\t8"));
    }

    void backtestListsOldestFirst()
    {
        const Run r = runCli({"backtest", "3"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines.size(), 4);
        QVERIFY(r.lines[0].split('\t')[0] < r.lines[2].split('\t')[0]);
        QCOMPARE(r.lines[3], QStringLiteral("通过 3/3")); // no condition removes anything
    }

    void prizesOnANamedDraw()
    {
        const Run r = runCli({"prizes", "01 02 03 04 05 06+07", "--range", "1,2,3,4,5,6,7", "--blues", "7,8"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.lines[0], QStringLiteral("红球命中\t6\t1"));
        QCOMPARE(r.lines[1], QStringLiteral("红球命中\t5\t6"));
        QCOMPARE(r.lines[7], QStringLiteral("奖级\t一等奖\t1\t浮动"));
        QCOMPARE(r.lines[13], QStringLiteral("投注\t14\t28"));
        QCOMPARE(r.lines[14], QStringLiteral("固定奖金\t%1").arg(6 * 3000 + 6 * 200));
    }

};

QTEST_GUILESS_MAIN(TestCliReduce)
#include "tst_CliReduce.moc"
