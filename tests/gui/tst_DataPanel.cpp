// The data panel as the user drives it: start-up, save, import, clear and close. Whatever
// fails, the user is told and the memo, the history and the file on disk keep their state.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "TestSupport.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

const QByteArray kOld = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";
const QString kOldMemo = QString::fromLatin1(kOld).remove(u'\r');

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestDataPanel : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Collector> m_reporter;
    TBeenCodesRecArr m_codeArr;
    std::unique_ptr<TDataPanel> m_panel;
    std::unique_ptr<QSignalSpy> m_status;
    QStringList m_boxes;

    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    QString lastStatus() const { return m_status->isEmpty() ? QString() : m_status->last().at(0).toString(); }
    void expectUnchanged(const QString &memo = kOldMemo)
    {
        QCOMPARE(m_panel->DataMemo->toPlainText(), memo);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(m_codeArr[1].issueNo(), 2005013);
        QCOMPARE(readAll(path("ssq.dxt")), kOld);
    }
    // A save whose write fails half-way, as on a full disk (the file-size limit).
    void saveOnFullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        m_panel->Sheet1TbrSaveBt->click();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        writeFile(path("ssq.dxt"), kOld);
        m_reporter = std::make_unique<Collector>();
        m_codeArr.clear();
        m_panel = std::make_unique<TDataPanel>(m_codeArr, *m_reporter);
        m_status = std::make_unique<QSignalSpy>(m_panel.get(), &TDataPanel::statusText);
        m_panel->setHistoryFileName(path("ssq.dxt"));
        m_panel->LoadHistoryFile();
        m_boxes.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }
    void cleanup()
    {
        MsgBox::setHook({});
        MsgBox::setAskHook({});
        m_status.reset();
        m_panel.reset();
        m_dir.reset();
    }

    // Typing changes nothing until saved; saving writes GBK with CR LF and parses.
    void typingDoesNotChangeTheHistorySaveDoes()
    {
        QCOMPARE(m_codeArr.size(), size_t(2));
        m_panel->DataMemo->moveCursor(QTextCursor::End);
        m_panel->DataMemo->insertPlainText(QStringLiteral("2005014 03 04 05 06 07 08 09\n"));
        QCOMPARE(m_codeArr.size(), size_t(2));
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(lastStatus(), QStringLiteral("保存文档完毕"));
        QCOMPARE(m_codeArr.size(), size_t(3));
        QCOMPARE(readAll(path("ssq.dxt")), kOld + "2005014 03 04 05 06 07 08 09\r\n");
    }

    void importReplacesMemoAndHistoryNotFile()
    {
        writeFile(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n2006002 1 02 03 04 05 06 01\r\n");
        m_panel->setImportFileChooser([this](QWidget *) { return path("import.txt"); });
        m_panel->Sheet1TbrOmportBt->click();
        // A bad line: shown, reported with its number, the history stays.
        QVERIFY(m_panel->DataMemo->toPlainText().contains(QStringLiteral("2006002 1 02")));
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].endsWith(QStringLiteral("2,")));
        QCOMPARE(m_codeArr.size(), size_t(2));
        writeFile(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n");
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_codeArr.size(), size_t(1));
        QCOMPARE(readAll(path("ssq.dxt")), kOld);
    }

    void saveFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("disk full") << "full";
        QTest::newRow("history file is a folder") << "folder";
    }
    void saveFaults()
    {
        QFETCH(QString, fault);
        const QString edited = kOldMemo + QStringLiteral("2005014 03 04 05 06 07 08 09\n").repeated(2000);
        m_panel->DataMemo->setPlainText(edited);
        if (fault == QLatin1String("full")) {
            saveOnFullDisk();
            QVERIFY2(m_boxes.value(0).contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(m_boxes.value(0)));
            QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ssq.dxt"});
        } else {
            QVERIFY(QDir().mkdir(path("folder.dxt")));
            m_panel->setHistoryFileName(path("folder.dxt"));
            m_panel->Sheet1TbrSaveBt->click();
            QVERIFY(QFileInfo(path("folder.dxt")).isDir());
        }
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].startsWith(QStringLiteral("无法保存开奖数据文件")), qPrintable(m_boxes[0]));
        QVERIFY(lastStatus() != QStringLiteral("保存文档完毕"));
        expectUnchanged(edited);   // the user's edits are kept, not parsed as if saved
    }

    // "清空数据" and closing with a memo that differs from the file ask first; the
    // answer decides (whether the memo differs is the core's rule).
    void questionsDecide_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("done");   // cleared, or allowed to close
        QTest::addColumn<bool>("saved");
        QTest::newRow("clear") << true << 0 << true << false;
        QTest::newRow("keep") << true << 1 << false << false;
        QTest::newRow("save") << false << 0 << true << true;
        QTest::newRow("do not save") << false << 1 << true << false;
        QTest::newRow("cancel") << false << 2 << false << false;
    }
    void questionsDecide()
    {
        QFETCH(bool, clear);
        QFETCH(int, answer);
        QFETCH(bool, done);
        QFETCH(bool, saved);
        QStringList asked;
        MsgBox::setAskHook([&](const QString &text, const QStringList &) {
            asked << text;
            return answer;
        });
        QVERIFY(m_panel->MayClose());
        m_panel->DataMemo->appendPlainText(QStringLiteral("2005014 03 04 05 06 07 08 09"));
        if (clear) {
            m_panel->Sheet1TbrClearBt->click();
            QCOMPARE(m_panel->DataMemo->toPlainText().isEmpty(), done);
        } else {
            QCOMPARE(m_panel->MayClose(), done);
        }
        QCOMPARE(asked.size(), 1);
        QCOMPARE(readAll(path("ssq.dxt")).contains("2005014"), saved);
    }
};

QTEST_MAIN(TestDataPanel)
#include "tst_DataPanel.moc"
