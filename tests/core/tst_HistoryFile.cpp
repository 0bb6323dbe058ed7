// The history file and the files beside it: GBK with CR LF, what GBK cannot hold refused
// with its line, the data folder an installed program seeds, and why a file could not be
// read or written, told to the player in Chinese.
#include "core/base/AppPaths.h"
#include "core/base/FileErrorText.h"
#include "core/base/TextFile.h"
#include "core/history/HistoryFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <unistd.h>

class TestHistoryFile : public QObject
{
    Q_OBJECT

private slots:
    void fileBytesAreGbkWithCrLfAfterEveryLine()
    {
        QCOMPARE(HistoryFileBytes(QString()), QByteArray());
        QCOMPARE(HistoryFileBytes(QStringLiteral("2005013 02 09 15 18 25 33 07\n2005014 01")),
                 QByteArray("2005013 02 09 15 18 25 33 07\r\n2005014 01\r\n"));
        // "开奖" in GBK
        QCOMPARE(HistoryFileBytes(QStringLiteral("开奖")), QByteArray("\xBF\xAA\xBD\xB1\r\n"));
    }

    // A player's text is UTF-8 when it is valid UTF-8 (a byte-order mark left out), else GBK.
    void readDecodesAndNormalisesLineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("GBK") << QByteArray("\xBF\xAA\xBD\xB1\r\n2005013\r\nA\rB\n") << QStringLiteral("开奖\n2005013\nA\nB\n");
        QTest::newRow("UTF-8") << QByteArray("\xE5\xBC\x80\xE5\xA5\x96\n") << QStringLiteral("开奖\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF\xE5\xBC\x80\r\n1") << QStringLiteral("开\n1");
        QTest::newRow("UTF-8 cut short is GBK") << QByteArray("\xBF\xAA\xE5\xBC") << QStringLiteral("开寮");
    }
    void readDecodesAndNormalisesLineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        QVERIFY(writeFile(path, bytes));
        const TextFileRead read = ReadGbkTextFile(path);
        QCOMPARE(read.status, TextFileRead::Ok);
        QCOMPARE(read.text, text);
    }

    // A character GBK cannot hold is refused with its line, nothing written.
    void saveRefusesWhatGbkCannotHold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ssq.dxt"));
        QString error;
        const QString line2 = QStringLiteral("2005014 02 09 15 18 25 33 07 备注\U0001F600");
        QVERIFY(!SaveHistoryFile(path, QStringLiteral("2005013 02 09 15 18 25 33 07\n") + line2, error));
        QCOMPARE(error, QStringLiteral("第2行“%1”有GBK编码无法保存的字符，请修改后再保存！！").arg(line2));
        QVERIFY(QDir(dir.path()).isEmpty());
        // Without a file the start-up note names the folder a save will use.
        QVERIFY(MissingHistoryNote(path).endsWith(QDir::toNativeSeparators(dir.path()) + QStringLiteral("中")));
    }

    void memoMatchesFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ssq.dxt"));
        QVERIFY(MemoMatchesHistoryFile(QString(), path));
        QVERIFY(!MemoMatchesHistoryFile(QStringLiteral("x"), path));
        const QString a = QStringLiteral("2005013 02 09 15 18 25 33 07\n"), b = QStringLiteral("2005014 02 09 15 18 25 33 07");
        QString error;
        QVERIFY(SaveHistoryFile(path, a + b, error));
        QVERIFY(MemoMatchesHistoryFile(a + b + QStringLiteral("\n"), path));
        QVERIFY(!MemoMatchesHistoryFile(a, path));
    }

    // A history beside the program (a build folder) is used there; an installed program
    // seeds the user's folder once and never overwrites the user's own history.
    void dataFolder()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("usr/bin"), share = root.filePath("usr/share/ssq"), user = root.filePath("home/ssq");
        QVERIFY(QDir().mkpath(exe) && QDir().mkpath(share));
        QVERIFY(writeFile(share + "/ssq.dxt", "shipped\r\n"));
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readAll(user + "/ssq.dxt"), QByteArray("shipped\r\n"));
        QVERIFY(writeFile(user + "/ssq.dxt", "mine\r\n"));
        QCOMPARE(AppPaths::ChooseDataFolder(exe, user, {share}), user);
        QCOMPARE(readAll(user + "/ssq.dxt"), QByteArray("mine\r\n"));
        QVERIFY(writeFile(exe + "/ssq.dxt", "2005013 02 09 15 18 25 33 07\r\n"));
        QCOMPARE(AppPaths::ChooseDataFolder(exe, root.filePath("other"), {share}), exe);
        QVERIFY(!QFileInfo::exists(root.filePath("other")));
    }

    void reasons_data()
    {
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("reason");
        for (auto [code, chinese] : {std::pair{ENOSPC, "磁盘空间不足"}, {EACCES, "没有访问权限"}, {ENOENT, "文件或文件夹不存在"}}) {
            const QString text = QString::fromLocal8Bit(std::strerror(code));
            QTest::newRow(chinese) << text << QString::fromUtf8(chinese) + "（" + text + "）";
        }
        QTest::newRow("unknown reason") << "Stale file handle" << "Stale file handle";
    }
    void reasons()
    {
        QFETCH(QString, systemText);
        QFETCH(QString, reason);
        QCOMPARE(FileErrorReason(systemText), reason);
    }

    // The reader passes it on, also for Qt's own texts (every writer: tst_WriteFaults).
    void aFolderWhereAFileShouldBe()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("f.txt")));
        const TextFileRead read = ReadGbkTextFile(dir.filePath(QStringLiteral("f.txt")));
        QVERIFY2(read.error.startsWith(QStringLiteral("这是一个文件夹，不是文件（")), qPrintable(read.error));
    }
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "tst_HistoryFile.moc"
