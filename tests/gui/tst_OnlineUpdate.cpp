// The online update against a small HTTP server of the test's own on 127.0.0.1.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "history/HistoryDownloader.h"
#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// Answers every request with one canned response; `silent` accepts and never answers.
class TinyHttpServer : public QObject
{
public:
    QByteArray status = "200 OK";
    QByteArray body;
    bool silent = false;
    bool sendLength = true;
    int requests = 0;
    qsizetype sendOnly = -1;   // >= 0: that many bytes of the body, then the connection ends
    bool reset = false;        // end it with a reset instead of an orderly close
    int trickleMs = 0;         // > 0: one chunk of the body per interval

    TinyHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request[socket] += socket->readAll();
                    if (!m_request[socket].contains("\r\n\r\n") || silent)
                        return;
                    ++requests;
                    QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\n";
                    if (sendLength)
                        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
                    head += "Connection: close\r\n\r\n";
                    if (trickleMs > 0) {
                        socket->write(head);
                        trickle(socket, 0);
                        return;
                    }
                    socket->write(head + (sendOnly >= 0 ? body.left(sendOnly) : body));
                    if (reset && socket->waitForBytesWritten(1000))
                        socket->abort();
                    else
                        socket->disconnectFromHost();
                });
            }
        });
    }

    // Sends 16 bytes every trickleMs: a server that answers, but too slowly.
    void trickle(QTcpSocket *socket, qsizetype from)
    {
        if (from >= body.size()) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid(from, 16));
        QTimer::singleShot(trickleMs, socket, [this, socket, from] { trickle(socket, from + 16); });
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/gx.txt").arg(m_server.serverPort()));
    }

private:
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_request;
};

const QByteArray kOld = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";
const QByteArray kNew = "2006001 11 12 13 14 15 16 03\r\n";
const QString kOk = QStringLiteral("晨帆选号通 在线更新开奖数据 成功!");
const QString kFail = QStringLiteral("晨帆选号通 在线更新开奖数据 失败!");

} // namespace

class TestOnlineUpdate : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir *m_dir = nullptr;
    Collector *m_reporter = nullptr;
    TBeenCodesRecArr m_codeArr;
    TDataPanel *m_panel = nullptr;
    TinyHttpServer *m_server = nullptr;
    QStringList m_boxes;

    QString tmpTxt() const { return m_dir->filePath(QStringLiteral("tmp.txt")); }
    QString dxt() const { return m_dir->filePath(QStringLiteral("ssq.dxt")); }

    void expectUnchanged()
    {
        QCOMPARE(m_panel->DataMemo->toPlainText(), QString::fromLatin1(kOld).remove(u'\r'));
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(readAll(dxt()), kOld);
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
        m_panel->setUpdateFileName(tmpTxt());
        m_panel->LoadHistoryFile();
        m_server = new TinyHttpServer;
        m_panel->setUpdateSource(m_server->url());
        m_boxes.clear();
        // The reason of a failure goes to the status bar; show it in the test log.
        connect(m_panel, &TDataPanel::statusText, this,
                [](const QString &text) { qInfo("status: %s", qPrintable(text)); });
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }

    void cleanup()
    {
        MsgBox::setHook({});
        delete m_panel;
        delete m_server;
        delete m_reporter;
        delete m_dir;
    }

    void defaultSourceIsTheSupportSite()
    {
        TBeenCodesRecArr arr;
        Collector reporter;
        TDataPanel panel(arr, reporter);
        QCOMPARE(panel.updateSource(), QUrl(QStringLiteral("http://www.mingchuan.example/gx.txt")));
        QCOMPARE(panel.downloader()->rules().timeoutMs, 30000);
        QCOMPARE(panel.downloader()->rules().maxBytes, 16 * 1024 * 1024);
    }

    void successReplacesMemoAndHistoryNotFile()
    {
        m_server->body = kNew;
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kOk});
        QCOMPARE(readAll(tmpTxt()), kNew);
        QCOMPARE(m_panel->DataMemo->toPlainText(), QStringLiteral("2006001 11 12 13 14 15 16 03\n"));
        QCOMPARE(m_codeArr.size(), size_t(1));   // fewer draws than before: replaced anyway
        QCOMPARE(m_codeArr[0].issueNo(), 2006001);
        QCOMPARE(readAll(dxt()), kOld);          // reaches the file only on save
    }

    void successWithoutContentLength()
    {
        m_server->body = kNew;
        m_server->sendLength = false;
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kOk});
        QCOMPARE(m_codeArr.size(), size_t(1));
    }

    void notFoundFails()
    {
        QFile stale(tmpTxt());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(kNew);
        stale.close();
        m_server->status = "404 Not Found";
        m_server->body = "no such file";
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
        QVERIFY2(!QFile::exists(tmpTxt()), "a stale tmp.txt is deleted before the download");
    }

    void timeOutFails()
    {
        m_server->silent = true;
        m_panel->downloader()->setRules({16 * 1024 * 1024, 300});
        QElapsedTimer clock;
        clock.start();
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
    }

    void oversizedFails_data()
    {
        QTest::addColumn<bool>("sendLength");
        QTest::newRow("announced size") << true;
        QTest::newRow("counted while receiving") << false;
    }

    void oversizedFails()
    {
        QFETCH(bool, sendLength);
        m_server->sendLength = sendLength;
        m_server->body = kNew.repeated(1000);   // 30,000 bytes
        m_panel->downloader()->setRules({10000, 30000});
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
        QVERIFY(!QFile::exists(tmpTxt()));
    }

    void cancelFails()
    {
        m_server->silent = true;
        m_panel->downloader()->setRules({16 * 1024 * 1024, 10000});
        bool clicked = false;
        QTimer::singleShot(300, this, [&clicked] {
            const auto widgets = QApplication::topLevelWidgets();
            for (QWidget *w : widgets)
                if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
                    if (auto *button = dialog->findChild<QPushButton *>()) {
                        QCOMPARE(button->text(), QStringLiteral("取消"));
                        button->click();
                        clicked = true;
                    }
        });
        QElapsedTimer clock;
        clock.start();
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY(clicked);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
    }

    // The connection ends before the announced length has arrived, after an orderly
    // close or a reset: nothing of the partial file may stand as tmp.txt.
    void interruptedDownloadFails_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("truncated") << false;
        QTest::newRow("reset") << true;
    }
    void interruptedDownloadFails()
    {
        QFETCH(bool, reset);
        m_server->body = kNew.repeated(100);
        m_server->sendOnly = m_server->body.size() / 2;
        m_server->reset = reset;
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
        QVERIFY(!QFile::exists(tmpTxt()));
    }

    // Bytes keep coming, but the whole file does not within the time-out.
    void slowDownloadFails()
    {
        m_server->body = kNew.repeated(100);
        m_server->trickleMs = 50;
        m_panel->downloader()->setRules({16 * 1024 * 1024, 500});
        QElapsedTimer clock;
        clock.start();
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
        QVERIFY(!QFile::exists(tmpTxt()));
    }

    // A download that cannot be stored (tmp.txt is a folder) fails as well.
    void unwritableTargetFails()
    {
        m_server->body = kNew;
        m_panel->setUpdateFileName(m_dir->filePath(QStringLiteral("sub")));
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub/inside")));
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
    }

    void refusedConnectionFails()
    {
        m_panel->setUpdateSource(QUrl(QStringLiteral("http://127.0.0.1:1/gx.txt")));
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
    }

    void nonHistoryPageIsShownAndReported()
    {
        m_server->body = "<html><body>欢迎</body></html>\r\n";
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kOk});
        QVERIFY(m_panel->DataMemo->toPlainText().contains(QStringLiteral("<html>")));
        QCOMPARE(m_reporter->messages.size(), 1);
        QVERIFY(m_reporter->messages[0].startsWith(QString::fromUtf16(kBadLinesMessage)));
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(readAll(dxt()), kOld);
    }
};

QTEST_MAIN(TestOnlineUpdate)
#include "tst_OnlineUpdate.moc"
