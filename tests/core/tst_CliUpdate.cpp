// "ssq-cli update" as a user runs it, with the sources file pointing at local files.
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kOld = "2026094 01 02 03 04 05 06 07\r\n2026095 02 09 15 18 25 33 07\r\n";
const QByteArray kNew = "2026095 2026-08-16 02 09 15 18 25 33 07\n2026096 2026-08-18 03 07 12 19 27 31 09\n";

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestCliUpdate : public QObject
{
    Q_OBJECT
private slots:
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
        write(history, kOld);
        write(dir.filePath("new.txt"), kNew);
        write(dir.filePath("sources.ini"), "[missing]\ntitle=缺失\nurl=none.txt\n[local]\ntitle=本地\nurl=new.txt\n");
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

QTEST_GUILESS_MAIN(TestCliUpdate)
#include "tst_CliUpdate.moc"
