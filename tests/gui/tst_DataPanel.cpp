// The data panel as the user drives it: start-up, save, import, and the online update
// against a small HTTP server of the test's own on 127.0.0.1. Whatever fails, the user is
// told and the memo, the history and the file on disk keep their state.
#include "app/MsgBox.h"
#include "history/DataPanel.h"
#include "history/HistoryDownloader.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

// Answers every request with one canned response.
class TinyHttpServer : public QObject
{
public:
    QByteArray status = "200 OK";
    QByteArray body;
    bool silent = false;       // accepts and never answers
    bool sendLength = true;
    qsizetype sendOnly = -1;   // >= 0: that many bytes of the body, then the connection ends
    bool reset = false;        // end it with a reset instead of an orderly close
    int trickleMs = 0;         // > 0: 16 bytes of the body per interval

    TinyHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/gx.txt").arg(m_server.serverPort())); }

private:
    void answer(QTcpSocket *socket)
    {
        m_request[socket] += socket->readAll();
        if (!m_request[socket].contains("\r\n\r\n") || silent)
            return;
        QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\n";
        if (sendLength)
            head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        socket->write(head + "Connection: close\r\n\r\n");
        if (trickleMs > 0)
            return trickle(socket, 0);
        socket->write(sendOnly >= 0 ? body.left(sendOnly) : body);
        if (reset && socket->waitForBytesWritten(1000))
            socket->abort();
        else
            socket->disconnectFromHost();
    }
    void trickle(QTcpSocket *socket, qsizetype from)
    {
        if (from >= body.size())
            return socket->disconnectFromHost();
        socket->write(body.mid(from, 16));
        QTimer::singleShot(trickleMs, socket, [this, socket, from] { trickle(socket, from + 16); });
    }
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_request;
};

const QByteArray kOld = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";
const QString kOldMemo = QString::fromLatin1(kOld).remove(u'\r');
const QByteArray kNew = "2006001 11 12 13 14 15 16 03\r\n";
const QString kOk = QStringLiteral("晨帆选号通 在线更新开奖数据 成功!");
const QString kFail = QStringLiteral("晨帆选号通 在线更新开奖数据 失败!");

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
    std::unique_ptr<TinyHttpServer> m_server;
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
        m_panel->setUpdateFileName(path("tmp.txt"));
        m_panel->LoadHistoryFile();
        m_server = std::make_unique<TinyHttpServer>();
        m_panel->setUpdateSource(m_server->url());
        m_boxes.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }
    void cleanup()
    {
        MsgBox::setHook({});
        m_status.reset();
        m_panel.reset();
        m_server.reset();
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

    void downloadSucceeds_data()
    {
        QTest::addColumn<bool>("sendLength");
        QTest::newRow("announced size") << true;
        QTest::newRow("no Content-Length") << false;
    }
    void downloadSucceeds()
    {
        QFETCH(bool, sendLength);
        m_server->body = kNew;
        m_server->sendLength = sendLength;
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes, QStringList{kOk});
        QCOMPARE(m_panel->DataMemo->toPlainText(), QStringLiteral("2006001 11 12 13 14 15 16 03\n"));
        QCOMPARE(m_codeArr.size(), size_t(1));
        QCOMPARE(readAll(path("ssq.dxt")), kOld);   // reaches the file only on save
    }

    // Every way a download fails: the failure box, nothing changed, no tmp.txt left.
    void downloadFails_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"404", "silent", "oversized announced", "oversized counted", "truncated",
                                "reset", "trickle", "cancel", "unwritable", "refused"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void downloadFails()
    {
        QFETCH(QString, how);
        if (how != QLatin1String("unwritable"))
            writeFile(path("tmp.txt"), kNew);   // a stale copy of an earlier update
        m_server->body = kNew.repeated(100);
        if (how == QLatin1String("404")) {
            m_server->status = "404 Not Found";
        } else if (how == QLatin1String("silent") || how == QLatin1String("cancel")) {
            m_server->silent = true;
            m_panel->downloader()->setRules({16 * 1024 * 1024, how == QLatin1String("silent") ? 300 : 10000});
        } else if (how.startsWith(QLatin1String("oversized"))) {
            m_server->sendLength = how.endsWith(QLatin1String("announced"));
            m_panel->downloader()->setRules({1000, 30000});
        } else if (how == QLatin1String("truncated") || how == QLatin1String("reset")) {
            m_server->sendOnly = m_server->body.size() / 2;
            m_server->reset = how == QLatin1String("reset");
        } else if (how == QLatin1String("trickle")) {
            m_server->trickleMs = 50;
            m_panel->downloader()->setRules({16 * 1024 * 1024, 500});
        } else if (how == QLatin1String("unwritable")) {
            m_server->body = kNew;
            m_panel->setUpdateFileName(path("sub"));
            QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub/inside")));
        } else if (how == QLatin1String("refused")) {
            m_panel->setUpdateSource(QUrl(QStringLiteral("http://127.0.0.1:1/gx.txt")));
        }
        bool cancelled = false;
        if (how == QLatin1String("cancel"))
            QTimer::singleShot(300, this, [&cancelled] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
                        if (auto *button = dialog->findChild<QPushButton *>())
                            cancelled = (button->click(), true);
            });
        QElapsedTimer clock;
        clock.start();
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY(clock.elapsed() < 8000);
        QCOMPARE(cancelled, how == QLatin1String("cancel"));
        QCOMPARE(m_boxes, QStringList{kFail});
        expectUnchanged();
        QVERIFY(!QFileInfo(path("tmp.txt")).isFile());
    }

};

QTEST_MAIN(TestDataPanel)
#include "tst_DataPanel.moc"
