// The data panel against failing files: a save that cannot be written, an import of a
// file far too large to be a history. The user is told why; the memo, the history and
// the file on disk keep their state.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "history/HistoryFile.h"
#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

const QByteArray kOld = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";
const QString kOldMemo = QString::fromLatin1(kOld).remove(u'\r');

} // namespace

class TestDataPanelFaults : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir *m_dir = nullptr;
    Collector *m_reporter = nullptr;
    TBeenCodesRecArr m_codeArr;
    TDataPanel *m_panel = nullptr;
    QStringList m_boxes;

    QString dxt() const { return m_dir->filePath(QStringLiteral("ssq.dxt")); }

    void expectUnchanged(const QString &memo)
    {
        QCOMPARE(m_panel->DataMemo->toPlainText(), memo);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(m_codeArr[1].issueNo(), 2005013);
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QFile f(dxt());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kOld);
        f.close();
        m_reporter = new Collector;
        m_codeArr.clear();
        m_panel = new TDataPanel(m_codeArr, *m_reporter);
        m_panel->setHistoryFileName(dxt());
        m_panel->LoadHistoryFile();
        QCOMPARE(m_codeArr.size(), size_t(2));
        m_boxes.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }

    void cleanup()
    {
        MsgBox::setHook({});
        delete m_panel;
        delete m_reporter;
        delete m_dir;
    }

    // "保存数据" onto a full disk: the file-size limit makes the write fail half-way.
    void saveOnFullDisk()
    {
        const QString edited = kOldMemo + QStringLiteral("2005014 03 04 05 06 07 08 09\n").repeated(2000);
        m_panel->DataMemo->setPlainText(edited);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        m_panel->Sheet1TbrSaveBt->click();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].startsWith(QStringLiteral("无法保存开奖数据文件")), qPrintable(m_boxes[0]));
        QVERIFY2(m_boxes[0].contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(m_boxes[0]));
        QCOMPARE(readAll(dxt()), kOld);
        QCOMPARE(m_panel->DataMemo->toPlainText(), edited);   // the user's edits are kept
        QCOMPARE(m_codeArr.size(), size_t(2));                // not parsed as if saved
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ssq.dxt"});
    }

    // The history file replaced by a folder: the reason is shown, nothing else changes.
    void saveOntoAFolder()
    {
        const QString folder = m_dir->filePath(QStringLiteral("folder.dxt"));
        QVERIFY(QDir().mkdir(folder));
        m_panel->setHistoryFileName(folder);
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].contains(QStringLiteral("directory")), qPrintable(m_boxes[0]));
        QVERIFY(QFileInfo(folder).isDir());
        expectUnchanged(kOldMemo);
    }

    // "导入数据" of a 200 MB file: refused at once with its size, before it is read.
    void importOfAHugeFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("huge.txt"));
        {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            const QByteArray block = QByteArray("2006001 11 12 13 14 15 16 03\r\n").repeated(1 << 15);
            for (qint64 written = 0; written <= 200LL * 1024 * 1024; written += block.size())
                QCOMPARE(huge.write(block), block.size());
        }
        m_panel->setImportFileChooser([path](QWidget *) { return path; });
        QElapsedTimer clock;
        clock.start();
        m_panel->Sheet1TbrOmportBt->click();
        QVERIFY2(clock.elapsed() < 2000, "the file was read before it was refused");
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].contains(QStringLiteral("超过了开奖数据文件的上限16.0 MB")), qPrintable(m_boxes[0]));
        expectUnchanged(kOldMemo);
        QVERIFY(m_reporter->messages.isEmpty());
    }

    // A binary file within the limit: loaded as the memo's text (the user sees what it
    // is), refused by the parser with one bounded message, the history unchanged.
    void importOfABinaryFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("binary.txt"));
        {
            QFile binary(path);
            QVERIFY(binary.open(QIODevice::WriteOnly));
            QByteArray bytes(256 * 1024, Qt::Uninitialized);
            for (qsizetype i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919) >> 3);
            binary.write(bytes);
        }
        m_panel->setImportFileChooser([path](QWidget *) { return path; });
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_boxes, QStringList{});
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].startsWith(QString::fromUtf16(kBadLinesMessage)));
        QVERIFY(m_reporter->messages[0].size() < 2000);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(readAll(dxt()), kOld);
    }
};

QTEST_MAIN(TestDataPanelFaults)
#include "tst_DataPanelFaults.moc"
