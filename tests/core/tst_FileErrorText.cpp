#include "app/FileErrorText.h"
#include "app/TextFile.h"
#include "history/HistoryFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

// Why a file could not be read or written reaches the player in Chinese.
class TestFileErrorText : public QObject
{
    Q_OBJECT

private slots:
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

    // The writer and the reader pass it on, also for Qt's own texts.
    void aFolderWhereAFileShouldBe()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("f.txt")));
        const QString folder = dir.filePath(QStringLiteral("f.txt"));
        QString error;
        QVERIFY(!WriteFileAtomically(folder, "x", error));
        QVERIFY2(error.startsWith(QStringLiteral("这是一个文件夹，不是文件（")), qPrintable(error));
        const TextFileRead read = ReadGbkTextFile(folder);
        QVERIFY2(read.error.startsWith(QStringLiteral("这是一个文件夹，不是文件（")), qPrintable(read.error));
    }
};

QTEST_GUILESS_MAIN(TestFileErrorText)
#include "tst_FileErrorText.moc"
