// The history editor: load, save, clear, import and the caret read-out, against files
// in a temporary folder.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kTwoDraws = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";

void writeAll(const QString &path, const QByteArray &bytes)
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
    QTemporaryDir *m_dir = nullptr;
    Collector *m_reporter = nullptr;
    TBeenCodesRecArr m_codeArr;
    TDataPanel *m_panel = nullptr;
    QSignalSpy *m_status = nullptr;
    QStringList m_boxes;

    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    QString lastStatus() const
    {
        return m_status->isEmpty() ? QString() : m_status->last().at(0).toString();
    }
    // A panel started on the given history file content (nullptr: no file).
    void start(const char *content)
    {
        if (content)
            writeAll(path("ssq.dxt"), content);
        m_panel->setHistoryFileName(path("ssq.dxt"));
        m_panel->LoadHistoryFile();
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        m_reporter = new Collector;
        m_codeArr.clear();
        m_panel = new TDataPanel(m_codeArr, *m_reporter);
        m_panel->resize(600, 400);
        m_status = new QSignalSpy(m_panel, &TDataPanel::statusText);
        m_boxes.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }

    void cleanup()
    {
        MsgBox::setHook({});
        MsgBox::setAskHook({});
        delete m_status;
        delete m_panel;
        delete m_reporter;
        delete m_dir;
    }

    void startUpLoadsAndParses()
    {
        start(kTwoDraws.constData());
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(m_codeArr.back().issueNo(), 2005013);
        QCOMPARE(m_panel->DataMemo->document()->blockCount(), 3);   // two lines and the end
        QVERIFY(m_reporter->messages.isEmpty());
    }

    void startUpWithRealHistory()
    {
        m_panel->setHistoryFileName(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
        m_panel->LoadHistoryFile();
        QCOMPARE(m_codeArr.size(), size_t(3492));
        QVERIFY(m_reporter->messages.isEmpty());
    }

    void startUpWithoutFileGivesEmptyHistoryAndSaysSo()
    {
        start(nullptr);
        QVERIFY(m_codeArr.empty());
        QVERIFY(m_panel->DataMemo->toPlainText().isEmpty());
        QVERIFY2(lastStatus().contains(QStringLiteral("没有找到")), qPrintable(lastStatus()));
        QVERIFY(lastStatus().contains(QStringLiteral("ssq.dxt")));
        QVERIFY(m_boxes.isEmpty());
    }

    void startUpWithEmptyFileIsQuiet()
    {
        start("");
        QVERIFY(m_codeArr.empty());
        QVERIFY(m_panel->DataMemo->toPlainText().isEmpty());
        QVERIFY(m_reporter->messages.isEmpty());
        QVERIFY(m_status->isEmpty());
    }

    void typingDoesNotChangeCodeArrSaveDoes()
    {
        start(kTwoDraws.constData());
        m_panel->DataMemo->moveCursor(QTextCursor::End);
        m_panel->DataMemo->insertPlainText(QStringLiteral("2005014 03 04 05 06 07 08 09\n"));
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(readAll(path("ssq.dxt")), kTwoDraws);

        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(lastStatus(), QStringLiteral("保存文档完毕"));
        QCOMPARE(m_codeArr.size(), size_t(3));
        QCOMPARE(readAll(path("ssq.dxt")), kTwoDraws + "2005014 03 04 05 06 07 08 09\r\n");
    }

    void failedCheckStillSaves()
    {
        start(kTwoDraws.constData());
        m_panel->DataMemo->setPlainText(QStringLiteral("2005014 03 04 05 06 07 08 09\nbad line\n"));
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(readAll(path("ssq.dxt")), QByteArray("2005014 03 04 05 06 07 08 09\r\nbad line\r\n"));
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].startsWith(QString::fromUtf16(kBadLinesMessage)));
        QCOMPARE(m_codeArr.size(), size_t(2));   // the last good history stays in force
        QCOMPARE(m_codeArr.back().issueNo(), 2005013);
    }

    void saveEmptyMemoGivesEmptyFile()
    {
        start(kTwoDraws.constData());
        m_panel->DataMemo->clear();
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(readAll(path("ssq.dxt")), QByteArray());
        QVERIFY(m_codeArr.empty());
    }

    void clearWithoutSaveKeepsFile()
    {
        start(kTwoDraws.constData());
        MsgBox::setAskHook([](const QString &, const QStringList &) { return 0; });
        m_panel->Sheet1TbrClearBt->click();
        QVERIFY(m_panel->DataMemo->toPlainText().isEmpty());
        QVERIFY(m_codeArr.empty());
        QCOMPARE(readAll(path("ssq.dxt")), kTwoDraws);
        QVERIFY(m_reporter->messages.isEmpty());
    }

    void importReplacesMemoAndHistoryNotFile()
    {
        start(kTwoDraws.constData());
        writeAll(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n");
        m_panel->setImportFileChooser([this](QWidget *) { return path("import.txt"); });
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_panel->DataMemo->toPlainText(), QStringLiteral("2006001 01 02 03 04 05 06 01\n"));
        QCOMPARE(m_codeArr.size(), size_t(1));
        QCOMPARE(m_codeArr[0].issueNo(), 2006001);
        QCOMPARE(readAll(path("ssq.dxt")), kTwoDraws);
    }

    void importWithBadLinesKeepsHistory()
    {
        start(kTwoDraws.constData());
        writeAll(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n2006002 1 02 03 04 05 06 01\r\n");
        m_panel->setImportFileChooser([this](QWidget *) { return path("import.txt"); });
        m_panel->Sheet1TbrOmportBt->click();
        QVERIFY(m_panel->DataMemo->toPlainText().contains(QStringLiteral("2006002 1 02")));
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].endsWith(QStringLiteral("2,")));
        QCOMPARE(m_codeArr.size(), size_t(2));
    }

    void importOfMissingOrCancelledFileDoesNothing()
    {
        start(kTwoDraws.constData());
        const QString before = m_panel->DataMemo->toPlainText();
        m_panel->setImportFileChooser([this](QWidget *) { return path("gone.txt"); });
        m_panel->Sheet1TbrOmportBt->click();
        m_panel->setImportFileChooser([](QWidget *) { return QString(); });
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_panel->DataMemo->toPlainText(), before);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QVERIFY(m_boxes.isEmpty());
    }

    void failedSaveReportsAndKeepsEverything()
    {
        start(kTwoDraws.constData());
        m_panel->DataMemo->setPlainText(
            QString(QStringLiteral("2005014 03 04 05 06 07 08 09\n")).repeated(2000));
        // The write fails half-way, as on a full disk.
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &small);
        m_panel->Sheet1TbrSaveBt->click();
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(m_boxes.size(), 1);
        QVERIFY(m_boxes[0].contains(QStringLiteral("无法保存")));
        QVERIFY(m_boxes[0].contains(QStringLiteral("ssq.dxt")));
        QVERIFY(lastStatus() != QStringLiteral("保存文档完毕"));
        QCOMPARE(readAll(path("ssq.dxt")), kTwoDraws);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(m_panel->DataMemo->document()->blockCount(), 2001);
    }

    void caretReadOut()
    {
        start(kTwoDraws.constData());
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QPlainTextEdit *memo = m_panel->DataMemo;
        // A click on the first character of the second line.
        const QTextBlock second = memo->document()->findBlockByNumber(1);
        QTextCursor at(second);
        const QRect r = memo->cursorRect(at);
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 1, r.center().y()));
        QCOMPARE(lastStatus(), QStringLiteral("第2行1列"));

        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Right);
        QTest::keyClick(memo, Qt::Key_Right);
        QCOMPARE(lastStatus(), QStringLiteral("第2行3列"));
        QTest::keyClick(memo, Qt::Key_Up);
        QCOMPARE(lastStatus(), QStringLiteral("第1行3列"));
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
        start(kTwoDraws.constData());
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
