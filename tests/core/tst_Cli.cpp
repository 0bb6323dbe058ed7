// The batch tool run as a script runs it: arguments in, standard output, standard error
// and the exit status out (0 done, 1 refused input, 2 wrong usage).
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("history");   // the file given as %h; empty: the shipped one
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");          // exact, or "*": any non-empty text
        QTest::addColumn<QString>("err");
        const QStringList check{"check", "--history", "%h"};
        QTest::newRow("check empty") << check << QByteArray() << 0 << "0 draws\n" << "";
        QTest::newRow("check one draw") << check << QByteArray("\r\n2005013 02 09 15 18 25 33 07\r\n") << 0
                                        << "1 draws, 2005013-2005013\n" << "";
        QTest::newRow("check bad lines") << check << QByteArray("x\r\n2005013 02 09 15 18 25 33 07\r\ny\r\n") << 1 << ""
                                         << "文本内容中下列行的数据有错误，请纠正再保存！！\n1,3,\n";
        QTest::newRow("check not a number") << check << QByteArray("2005013 0a 09 15 18 25 33 07\n") << 1 << ""
                                            << "第1行数据有错误！！\n";
        QTest::newRow("query") << QStringList{"query", "2005013", "2", "--history", "%h"}
                               << QByteArray("2005013 02 09 15 18 25 33 07\r\n2005014 01 02 03 04 05 06 07\r\n") << 0
                               << "第2005013期,开奖号:02 09 15 18 25 33 07\n第2005014期,开奖号:01 02 03 04 05 06 07\n" << "";
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << "*" << "";
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << "*" << "";
        // The message of a refused run; where a row names a text, the message must contain it.
        const struct { const char *tag; QStringList args; int status; const char *named = ""; } refused[] = {
            {"no command", {}, 2},
            {"unknown command", {"frobnicate"}, 2},
            {"unknown option", {"check", "--colour"}, 2},
            {"missing value", {"check", "--history"}, 2},
            {"query without count", {"query", "2005013"}, 2},
            {"query with letters", {"query", "abc", "3"}, 2},
            {"unreadable history", {"check", "--history", "/nonexistent/ssq.dxt"}, 1},
            {"reduce stray word", {"reduce", "x"}, 2},
            {"reduce bad group line", {"reduce", "--groups1", "&0"}, 1},
            {"reduce missing condition file", {"reduce", "--conditions", "/nonexistent.ini"}, 1},
            {"backtest without K", {"backtest"}, 2},
            {"backtest bad group", {"backtest", "5", "--groups2", "1,x&1"}, 1},
            {"prizes unknown issue", {"prizes", "1999001"}, 1},
            {"prizes bad blues", {"prizes", "1 2 3 4 5 6+7", "--blues", "0"}, 1},
            {"prizes without draw", {"prizes"}, 2},
            {"not a condition file", {"reduce", "--conditions", SSQ_TEST_DATA "/ssq.dxt"}, 1, "没有导入"},
            // A piece of --range that names no number must not turn the restriction into
            // another one.
            {"range with blanks", {"reduce", "--range", "1 2 3"}, 2, "\"1 2 3\""},
            {"range in words", {"reduce", "--range", "一,二"}, 2, "\"一\""},
            {"range with a letter", {"backtest", "3", "--range", "1,2,x"}, 2, "\"x\""},
            {"range with 34", {"prizes", "1 2 3 4 5 6+7", "--range", "1,34"}, 2, "\"34\""},
            {"tolerance 19", {"reduce", "--tolerance", "19"}, 2},
            {"blues without tickets", {"reduce", "--blues", "1"}, 2},
            {"missing base", {"reduce", "--base", "/nonexistent.txt"}, 1, "大底"},
            {"bad ticket blues", {"reduce", "--blues", "17", "--tickets", "/tmp/x.txt"}, 1},
        };
        for (const auto &r : refused)
            QTest::newRow(r.tag) << r.args << QByteArray() << r.status << "" << (*r.named ? QString::fromUtf8(r.named) : QStringLiteral("*"));
    }
    void arguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, history);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("h.dxt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(history);
        file.close();
        for (QString &arg : args)
            arg.replace(QStringLiteral("%h"), file.fileName());
        if (!args.isEmpty() && QStringList{"reduce", "backtest", "prizes"}.contains(args[0]))
            args << QStringLiteral("--history") << QStringLiteral(SSQ_TEST_DATA "/ssq.dxt");
        QProcess p;
        p.start(QStringLiteral(SSQ_CLI), args);
        QVERIFY(p.waitForFinished(120000));
        const QString gotOut = QString::fromUtf8(p.readAllStandardOutput());
        const QString gotErr = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), status);
        if (out == QLatin1String("*"))
            QVERIFY(!gotOut.isEmpty());
        else
            QCOMPARE(gotOut, out);
        if (err == QLatin1String("*"))
            QVERIFY(!gotErr.isEmpty());
        else if (status != 0 && out.isEmpty() && !err.endsWith(QLatin1Char('\n')))
            QVERIFY2(gotErr.contains(err), qPrintable(gotErr));
        else
            QCOMPARE(gotErr, err);
    }

    // 容错, 大底 and tickets reach the engine through the options.
    void toleranceBaseAndTickets()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("base.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("6 5 4 3 2 1\n1 2 3 4 5 7\n1 2 3 4 5 8\n");
        file.close();
        QProcess p;
        p.start(QStringLiteral(SSQ_CLI), {"reduce", "--base", file.fileName(), "--range", "1,2,3,4,5,6,7", "--tolerance",
                                          "1", "--stats", "--blues", "16,1", "--tickets", dir.filePath("tickets.txt"),
                                          "--history", SSQ_TEST_DATA "/ssq.dxt"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(lines[1], QStringLiteral("缩水基础号码总共3注号码"));
        QCOMPARE(lines[4], QStringLiteral("满足全部条件 2 注，错1个 0 注"));
        QCOMPARE(lines[7], QStringLiteral("1\tactive\t1\t2\t1"));
        QCOMPARE(lines[lines.size() - 2], QStringLiteral("投注\t4\t8"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
