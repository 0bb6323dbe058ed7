#include "app/FileErrorText.h"
#include "app/TextFile.h"
#include "history/HistoryFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

// The reasons of failed reads and writes reach the player in Chinese.
class TestFileErrorText : public QObject
{
    Q_OBJECT

    static QString systemText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

private slots:
    void reasons_data()
    {
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << systemText(ENOSPC) << "磁盘空间不足（" + systemText(ENOSPC) + "）";
        QTest::newRow("no permission") << systemText(EACCES) << "没有访问权限（" + systemText(EACCES) + "）";
        QTest::newRow("read-only disk") << systemText(EROFS) << "磁盘是只读的（" + systemText(EROFS) + "）";
        QTest::newRow("missing") << systemText(ENOENT) << "文件或文件夹不存在（" + systemText(ENOENT) + "）";
        QTest::newRow("a folder, Qt's words")
            << "Filename refers to a directory" << "这是一个文件夹，不是文件（Filename refers to a directory）";
        QTest::newRow("unknown reason kept") << "Stale file handle ABC" << "Stale file handle ABC";
        QTest::newRow("no reason") << "" << "未知错误";
    }
    void reasons()
    {
        QFETCH(QString, systemText);
        QFETCH(QString, reason);
        QCOMPARE(FileErrorReason(systemText), reason);
    }

    // The writers and readers themselves pass the Chinese reason on.
    void writersAndReadersSayWhy()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder.txt"));
        QVERIFY(QDir().mkdir(folder));
        QString error;
        QVERIFY(!WriteFileAtomically(folder, "x", error));
        QVERIFY2(error.startsWith(QStringLiteral("这是一个文件夹，不是文件")), qPrintable(error));
        QVERIFY(!WriteFileAtomically(dir.filePath(QStringLiteral("none/x.txt")), "x", error));
        QVERIFY2(error.startsWith(QStringLiteral("文件或文件夹不存在")), qPrintable(error));
        const TextFileRead read = ReadGbkTextFile(folder);
        QCOMPARE(read.status, TextFileRead::Unreadable);
        QVERIFY2(read.error.startsWith(QStringLiteral("这是一个文件夹，不是文件")), qPrintable(read.error));
    }
};

QTEST_GUILESS_MAIN(TestFileErrorText)
#include "tst_FileErrorText.moc"
