// The batch tool run as a user runs it: arguments, standard output, standard error and
// the exit status.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(SSQ_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

const QString kHistory = QStringLiteral(SSQ_TEST_DATA "/ssq.dxt");
} // namespace

class TestCliCheck : public QObject
{
    Q_OBJECT

private slots:

    void checkFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("empty") << QByteArray() << 0 << "0 draws\n" << "";
        QTest::newRow("one draw") << QByteArray("\r\n2005013 02 09 15 18 25 33 07\r\n") << 0
                                  << "1 draws, 2005013-2005013\n" << "";
        QTest::newRow("bad lines") << QByteArray("x\r\n2005013 02 09 15 18 25 33 07\r\ny\r\n") << 1 << ""
                                   << "文本内容中下列行的数据有错误，请纠正再保存！！\n1,3,\n";
        QTest::newRow("not a number") << QByteArray("2005013 0a 09 15 18 25 33 07\n") << 1 << ""
                                      << "第1行数据有错误！！\n";
    }
    void checkFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QFile f(dir.filePath("h.dxt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const Run r = runCli({"check", "--history", f.fileName()});
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    }

    void usageAndFailures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
        QTest::newRow("unknown option") << QStringList{"check", "--colour"} << 2;
        QTest::newRow("missing value") << QStringList{"check", "--history"} << 2;
        QTest::newRow("query without count") << QStringList{"query", "2005013"} << 2;
        QTest::newRow("query with letters") << QStringList{"query", "abc", "3"} << 2;
        QTest::newRow("unreadable history") << QStringList{"check", "--history", "/nonexistent/ssq.dxt"} << 1;
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("version") << QStringList{"--version"} << 0;
    }
    void usageAndFailures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run r = runCli(args);
        QCOMPARE(r.status, status);
        if (status == 0)
            QVERIFY(!r.out.isEmpty());
        else
            QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliCheck)
#include "tst_CliCheck.moc"
