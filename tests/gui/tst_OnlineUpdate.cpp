// The online update of the data panel against a small HTTP server of the test's own on
// 127.0.0.1: every answer form and every way a source fails reaches the player as the
// right message, and the history file changes only when the player saves the result.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "update/OnlineUpdate.h"
#include "update/UpdateReportDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Answers "GET /PATH" with the canned answer of that path: "STATUS\nBODY"; a body "SILENT"
// is never answered, "CUT:" + body announces the whole body and sends half of it.
class TinyHttpServer : public QObject
{
public:
    QHash<QByteArray, QByteArray> answers;
    QByteArrayList requests;

    TinyHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    requests << request;
                    const QByteArray path = request.split(' ').value(1);
                    const QByteArray answer = answers.value(path, "404 Not Found\n");
                    const QByteArray status = answer.left(answer.indexOf('\n'));
                    QByteArray body = answer.mid(answer.indexOf('\n') + 1);
                    if (body == "SILENT")
                        return;
                    const bool cut = body.startsWith("CUT:");
                    body = body.mid(cut ? 4 : 0);
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
                                  + "\r\nConnection: close\r\n\r\n" + (cut ? body.left(body.size() / 2) : body));
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url(const char *path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path); }

private:
    QTcpServer m_server;
};

const QByteArray kOld = "2026094 01 02 03 04 05 06 07\r\n2026095 02 09 15 18 25 33 07\r\n";
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
        QFile f(dxt());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kOld);
        f.close();
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
        QCOMPARE(readAll(dxt()), kOld + saved);
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
        QCOMPARE(readAll(dxt()), kOld);
    }

    // The report as the player sees it before saving; "保存" is the default answer.
    void reportDialog()
    {
        TUpdateReportDialog dialog({"新增2期（2026096–2026097）", "来源：公告（已与文本核对）", "缺期：",
                                    "  缺少第2026098期，其后各期未加入"},
                                   "注意：数据面板中尚未保存的修改将与新增的开奖数据一起保存。");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QDir().mkpath(SSQ_RENDER_DIR);
        dialog.grab().save(SSQ_RENDER_DIR "/update-report.png");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // A memo that is not a history is not merged into.
    void badMemoIsRefused()
    {
        m_panel->DataMemo->appendPlainText("2026096 1 2 3");
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY2(m_said.value(0).startsWith("数据面板中的开奖数据有错误"), qPrintable(m_said.value(0)));
        QCOMPARE(readAll(dxt()), kOld);
    }
};

QTEST_MAIN(TestOnlineUpdate)
#include "tst_OnlineUpdate.moc"
