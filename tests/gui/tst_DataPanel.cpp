// The data panel as the user drives it: start-up, save, import, clear and close. Whatever
// fails, the user is told and the memo, the history and the file on disk keep their state.
// Its online update runs against a small HTTP server of the test's own on 127.0.0.1: every
// answer form and every way a source fails reaches the player as the right message, and the
// history file changes only when the player saves the result.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "update/OnlineUpdate.h"
#include "gui/TinyHttpServer.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>


namespace {

const QByteArray kOld = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";
const QString kOldMemo = QString::fromLatin1(kOld).remove(u'\r');

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

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(writeFile(path("ssq.dxt"), kOld));
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
        QVERIFY(writeFile(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n2006002 1 02 03 04 05 06 01\r\n"));
        m_panel->setImportFileChooser([this](QWidget *) { return path("import.txt"); });
        m_panel->Sheet1TbrOmportBt->click();
        // A bad line: shown, reported with its number, the history stays.
        QVERIFY(m_panel->DataMemo->toPlainText().contains(QStringLiteral("2006002 1 02")));
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].endsWith(QStringLiteral("2,")));
        QCOMPARE(m_codeArr.size(), size_t(2));
        QVERIFY(writeFile(path("import.txt"), "2006001 01 02 03 04 05 06 01\r\n"));
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_codeArr.size(), size_t(1));
        QCOMPARE(readAll(path("ssq.dxt")), kOld);
    }

    // A save that fails (here the history file is a folder): the user is told, the edits
    // stay in the memo and are not taken as the history.
    void saveFailureKeepsTheEdits()
    {
        const QString edited = kOldMemo + QStringLiteral("2005014 03 04 05 06 07 08 09\n");
        m_panel->DataMemo->setPlainText(edited);
        QVERIFY(QDir().mkdir(path("folder.dxt")));
        m_panel->setHistoryFileName(path("folder.dxt"));
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].startsWith(QStringLiteral("无法保存开奖数据文件")), qPrintable(m_boxes[0]));
        QVERIFY(lastStatus() != QStringLiteral("保存文档完毕"));
        expectUnchanged(edited);
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


namespace {

const QByteArray kOld2026 = "2026094 01 02 03 04 05 06 07\r\n2026095 02 09 15 18 25 33 07\r\n";
const QByteArray kNotice = R"J(200 OK
{"state":0,"message":"查询成功","result":[
 {"name":"双色球","code":"2026097","date":"2026-08-20(四)","red":"01,05,12,19,27,33","blue":"16"},
 {"name":"双色球","code":"2026096","date":"2026-08-18(二)","red":"03,07,12,19,27,31","blue":"09"},
 {"name":"双色球","code":"2026095","date":"2026-08-16(日)","red":"02,09,15,18,25,33","blue":"07"}]})J";
const QByteArray kTable = "200 OK\n2026095 2026-08-16 02 09 15 18 25 33 07\n"
                          "2026096 2026-08-18 03 07 12 19 27 31 09\n2026097 2026-08-20 01 05 12 19 27 33 16\n";
const QByteArray k096 = "2026096 03 07 12 19 27 31 09\r\n";
const QByteArray k097 = "2026097 01 05 12 19 27 33 16\r\n";

} // namespace

class TestOnlineUpdate : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir *m_dir = nullptr;
    Collector m_reporter;
    TBeenCodesRecArr m_codeArr;
    TDataPanel *m_panel = nullptr;
    TinyHttpServer *m_server = nullptr;
    QStringList m_said;      // message boxes and the report shown before saving
    bool m_accept = true;

    QString dxt() const { return m_dir->filePath(QStringLiteral("ssq.dxt")); }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(writeFile(dxt(), kOld2026));
        m_codeArr.clear();
        m_panel = new TDataPanel(m_codeArr, m_reporter);
        m_panel->setHistoryFileName(dxt());
        m_panel->LoadHistoryFile();
        m_server = new TinyHttpServer;
        UpdateSource notice{"cwl", "公告", UpdateSource::DrawNotice, m_server->url("/notice"), "http://r/"};
        UpdateSource table{"txt", "文本", UpdateSource::DrawTable, m_server->url("/table"), {}};
        m_panel->onlineUpdate()->setSources({notice, table});
        m_panel->onlineUpdate()->setRules({16 * 1024 * 1024, 1000});
        m_said.clear();
        m_accept = true;
        m_panel->onlineUpdate()->setConfirm([this](const QStringList &lines, const QString &) {
            m_said << lines.join('\n');
            return m_accept;
        });
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_said << text; });
    }
    void cleanup()
    {
        MsgBox::setHook({});
        delete m_panel;
        delete m_server;
        delete m_dir;
    }

    void update_data()
    {
        QTest::addColumn<QByteArray>("notice");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("said");       // part of what the player was shown
        QTest::addColumn<QByteArray>("saved");   // what was added to the file
        QTest::newRow("checked and saved") << kNotice << kTable << true << "新增2期（2026096–2026097）\n来源：公告（已与文本核对）" << k096 + k097;
        QTest::newRow("declined") << kNotice << kTable << false << "新增2期" << QByteArray();
        QTest::newRow("html page with 200, the table instead")
            << QByteArray("200 OK\n<html><body>系统维护</body></html>") << kTable << true
            << "来源：文本（只读到这一个来源，未能交叉核对）\n未能读取的来源：\n  公告：收到的是网页，不是开奖公告数据" << k096 + k097;
        QTest::newRow("malformed json, 404") << kNotice.left(80) << QByteArray("404 Not Found\nnone") << true
                                             << "失败!\n没有读到任何来源" << QByteArray();
        QTest::newRow("truncated") << "200 OK\nCUT:" + kNotice.mid(7) << "200 OK\nCUT:" + kTable.mid(7) << true
                                   << "连接中断，数据没有下载完整" << QByteArray();
        QTest::newRow("time-out") << QByteArray("200 OK\nSILENT") << QByteArray("200 OK\nSILENT") << true
                                  << "连接超时：1 秒内没有完成下载" << QByteArray();
        QTest::newRow("sources disagree")
            << kNotice << QByteArray(kTable).replace("33 16", "33 15") << true
            << "新增1期（2026096）\n来源：公告（已与文本核对）\n两个来源不一致：\n  第2026097期两个来源不一致" << k096;
    }
    void update()
    {
        QFETCH(QByteArray, notice);
        QFETCH(QByteArray, table);
        QFETCH(bool, accept);
        QFETCH(QString, said);
        QFETCH(QByteArray, saved);
        m_server->answers = {{"/notice", notice}, {"/table", table}};
        m_accept = accept;
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_said.size(), 1);
        QVERIFY2(m_said[0].contains(said), qPrintable(m_said[0]));
        QCOMPARE(readAll(dxt()), kOld2026 + saved);
        QCOMPARE(m_codeArr.size(), size_t(2 + saved.count('\n')));
        QCOMPARE(QFile::exists(m_dir->filePath("ssq-dates.txt")), !saved.isEmpty());
        // The operator's interface is asked as its own page asks it.
        QVERIFY(m_server->requests.value(0).contains("\r\nReferer: http://r/\r\n"));
        QVERIFY(m_server->requests.value(0).contains("\r\nX-Requested-With: XMLHttpRequest\r\n"));
    }

    void refusedTooLargeAndCancelled()
    {
        m_server->answers = {{"/table", kTable}};
        m_panel->onlineUpdate()->setSources({{"x", "拒绝", UpdateSource::DrawTable, "http://127.0.0.1:1/x", {}},
                                             {"y", "大", UpdateSource::DrawTable, m_server->url("/table"), {}}});
        m_panel->onlineUpdate()->setRules({100, 1000});
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY2(m_said.value(0).contains("拒绝：服务器“127.0.0.1”拒绝连接\n  大：数据超过 100 字节，不是开奖数据"),
                 qPrintable(m_said.value(0)));

        m_said.clear();
        m_server->answers = {{"/notice", "200 OK\nSILENT"}};
        m_panel->onlineUpdate()->setSources({{"x", "慢", UpdateSource::DrawNotice, m_server->url("/notice"), {}}});
        m_panel->onlineUpdate()->setRules({16 * 1024 * 1024, 20000});
        QTimer::singleShot(300, this, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
                    dialog->findChild<QPushButton *>()->click();
        });
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY(m_said.isEmpty());
        QCOMPARE(readAll(dxt()), kOld2026);
    }

    // A memo that is not a history is not merged into.
    void badMemoIsRefused()
    {
        m_panel->DataMemo->appendPlainText("2026096 1 2 3");
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY2(m_said.value(0).startsWith("数据面板中的开奖数据有错误"), qPrintable(m_said.value(0)));
        QCOMPARE(readAll(dxt()), kOld2026);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestDataPanel panel;
    TestOnlineUpdate update;
    return QTest::qExec(&panel, argc, argv) | QTest::qExec(&update, argc, argv);
}

#include "tst_DataPanel.moc"
