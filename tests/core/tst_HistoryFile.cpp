#include "history/HistoryFile.h"
#include "TestSupport.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

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

    void readDecodesGbkAndNormalisesLineEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        QVERIFY(writeFile(path, QByteArray("\xBF\xAA\xBD\xB1\r\n2005013\r\nA\rB\n")));
        const TextFileRead read = ReadGbkTextFile(path);
        QCOMPARE(read.status, TextFileRead::Ok);
        QCOMPARE(read.text, QStringLiteral("开奖\n2005013\nA\nB\n"));
    }

    // A character GBK cannot hold is refused with its line, nothing written.
    void saveRefusesWhatGbkCannotHold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ssq.dxt"));
        QString error;
        QVERIFY(!SaveHistoryFile(path, QStringLiteral("2005013 02 09 15 18 25 33 07\n备注\U0001F600\n"), error));
        QCOMPARE(error, QStringLiteral("第2行“备注\U0001F600”有GBK编码无法保存的字符，请修改后再保存！！"));
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
        QString error;
        QVERIFY(SaveHistoryFile(path, QStringLiteral("a\nb"), error));
        QVERIFY(MemoMatchesHistoryFile(QStringLiteral("a\nb\n"), path));
        QVERIFY(!MemoMatchesHistoryFile(QStringLiteral("a\n"), path));
    }
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "tst_HistoryFile.moc"
