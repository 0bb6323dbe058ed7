// The batch tool run as a script runs it: arguments in, standard output, standard error
// and the exit status out (0 done, 1 refused input, 2 wrong usage).
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kOld = "2026094 01 02 03 04 05 06 07\r\n2026095 02 09 15 18 25 33 07\r\n";
const QByteArray kNew = "2026095 2026-08-16 02 09 15 18 25 33 07\n2026096 2026-08-18 03 07 12 19 27 31 09\n";

} // namespace

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
        QTest::newRow("query") << QStringList{"query", "2005013", "2", "--history", "%h"}
                               << QByteArray("2005013 02 09 15 18 25 33 07\r\n2005014 01 02 03 04 05 06 07\r\n") << 0
                               << "第2005013期,开奖号:02 09 15 18 25 33 07\n第2005014期,开奖号:01 02 03 04 05 06 07\n" << "";
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << "*" << "";
        QTest::newRow("wheel") << QStringList{"wheel", "01,02,03,04,05,06,07,08", "--guarantee", "6-5"} << QByteArray() << 0
                               << "01 02 03 04 05 07\n01 02 03 06 07 08\n01 03 04 05 07 08\n02 04 05 06 07 08\n共4注（全部组合28注）\n"
                                  "已验证：8个号码中任意6个开出（共28种情形），每种都有一注至少中其中5个（中6保5）\n" << "";
        QTest::newRow("wheel with bankers") << QStringList{"wheel", "1,2,3,4,5,6,7", "--guarantee", "3-3", "--bankers", "33"}
                                            << QByteArray() << 0
                                            << "01 02 03 04 06 33\n01 03 04 05 07 33\n02 03 05 06 07 33\n共3注（全部组合21注）\n"
                                               "已验证：胆码33全部开出、其余7个号码中任意2个开出（共21种情形），每种都有一注至少中其中3个（中3保3）\n"
                                            << "";
        // The message of a refused run; where a row names a text, the message must contain it.
        const struct { const char *tag; QStringList args; int status; const char *named = ""; } refused[] = {
            {"no command", {}, 2},
            {"unknown command", {"frobnicate"}, 2},
            {"unreadable history", {"check", "--history", "/nonexistent/ssq.dxt"}, 1},
            {"reduce bad group line", {"reduce", "--groups1", "&0"}, 1},
            {"reduce missing condition file", {"reduce", "--conditions", "/nonexistent.ini"}, 1},
            {"prizes unknown issue", {"prizes", "1999001"}, 1},
            {"not a condition file", {"reduce", "--conditions", SSQ_TEST_DATA "/ssq.dxt"}, 1, "没有导入"},
            // A piece of --range that names no number must not turn the restriction into
            // another one.
            {"range with blanks", {"reduce", "--range", "1 2 3"}, 2, "\"1 2 3\""},
            {"range with a letter", {"backtest", "3", "--range", "1,2,x"}, 2, "\"x\""},
            {"tolerance 19", {"reduce", "--tolerance", "19"}, 2},
            {"missing base", {"reduce", "--base", "/nonexistent.txt"}, 1, "大底"},
            {"bad ticket blues", {"reduce", "--blues", "17", "--tickets", "/tmp/x.txt"}, 1},
            {"wheel level 6", {"reduce", "--wheel", "6"}, 2, "--wheel takes 3, 4 or 5"},
            {"wheel of six", {"wheel", "1,2,3,4,5,6", "--guarantee", "6-5"}, 1, "请选择7到33个不同的红球号码！！"},
            {"banker among the numbers", {"wheel", "1,2,3,4,5,6,7", "--guarantee", "6-5", "--bankers", "7"}, 2, "--bankers"},
            {"bankers as many as T", {"wheel", "1,2,3,4,5,6,7", "--guarantee", "5-3", "--bankers", "8,9,10"}, 2, "--bankers"},
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
        const QString h = dir.filePath(QStringLiteral("h.dxt"));
        QVERIFY(writeFile(h, history));
        for (QString &arg : args)
            arg.replace(QStringLiteral("%h"), h);
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

    // 容错, 大底, tickets and the survivor wheel reach the engine through the options.
    void toleranceBaseAndTickets()
    {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("base.txt"));
        QVERIFY(writeFile(base, "6 5 4 3 2 1\n1 2 3 4 5 7\n1 2 3 4 5 8\n"));
        QProcess p;
        p.start(QStringLiteral(SSQ_CLI), {"reduce", "--base", base, "--range", "1,2,3,4,5,6,7", "--tolerance",
                                          "1", "--stats", "--blues", "16,1", "--tickets", dir.filePath("tickets.txt"),
                                          "--wheel", "5", "--history", SSQ_TEST_DATA "/ssq.dxt"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        QCOMPARE(lines[1], QStringLiteral("缩水基础号码总共3注号码"));
        QCOMPARE(lines[4], QStringLiteral("满足全部条件 2 注，错1个 0 注"));
        QCOMPARE(lines[7], QStringLiteral("1\tactive\t1\t2\t1"));
        QCOMPARE(lines[lines.size() - 5], QStringLiteral("投注\t4\t8"));
        // 01..06 and 01..05 07 survive; one ticket holding five of each covers both.
        const QStringList ticket = lines[lines.size() - 4].split(QLatin1Char(' '));
        const auto shared = [&](const QString &sixth) {
            return int(std::count_if(ticket.begin(), ticket.end(), [&](const QString &n) { return n <= "05" || n == sixth; }));
        };
        QVERIFY2(ticket.size() == 6 && shared("06") >= 5 && shared("07") >= 5, qPrintable(ticket.join(' ')));
        QCOMPARE(lines[lines.size() - 3], QStringLiteral("缩水后旋转（保5）：缩水结果2注，旋转后1注"));
        QCOMPARE(lines[lines.size() - 2], QStringLiteral("已验证：2注缩水结果每一注都有一注旋转号码至少含其中5个"));
    }
    // "update" with the sources file pointing at local files.
    void update_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("written");
        const QString report = "新增1期（2026096）\n来源：本地（只读到这一个来源，未能交叉核对）\n未能读取的来源：\n"
                               "  缺失：无法读取文件“%1”（文件不存在）\n新增的开奖数据：\n2026096 03 07 12 19 27 31 09\n";
        QTest::newRow("dry run") << QStringList{"--dry-run"} << 0 << report + "试运行：没有写入文件\n" << "" << false;
        QTest::newRow("written") << QStringList{} << 0 << report + "已保存到%2\n" << "" << true;
        QTest::newRow("source failed") << QStringList{"--source", "missing"} << 1 << ""
                                       << "没有读到任何来源的开奖数据，开奖数据没有改动\n未能读取的来源：\n"
                                          "  缺失：无法读取文件“%1”（文件不存在）\n" << false;
        QTest::newRow("unknown source") << QStringList{"--source", "web"} << 2 << ""
                                        << "unknown source web; the sources are: missing local\n"
                                           "usage: ssq-cli update ...; see ssq-cli --help\n" << false;
    }
    void update()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString history = dir.filePath("ssq.dxt");
        QVERIFY(writeFile(history, kOld));
        QVERIFY(writeFile(dir.filePath("new.txt"), kNew));
        QVERIFY(writeFile(dir.filePath("sources.ini"), "[missing]\ntitle=缺失\nurl=none.txt\n[local]\ntitle=本地\nurl=new.txt\n"));
        QProcess p;
        p.start(QStringLiteral(SSQ_CLI), QStringList{"update", "--history", history} + args);
        QVERIFY(p.waitForFinished(60000));
        const QString missing = dir.filePath("none.txt");
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()), err.replace("%1", missing));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), out.replace("%1", missing).replace("%2", history));
        QCOMPARE(p.exitCode(), status);
        QCOMPARE(readAll(history), written ? kOld + "2026096 03 07 12 19 27 31 09\r\n" : kOld);
        QCOMPARE(readAll(dir.filePath("ssq-dates.txt")),
                 written ? QByteArray("2026095 2026-08-16\r\n2026096 2026-08-18\r\n") : QByteArray("<missing>"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
