// The main window under a real X server (the web panel holds an embedded browser).
#include "gui/app/MainForm.h"
#include "gui/app/MsgBox.h"
#include "gui/update/OnlineUpdate.h"
#include "gui/update/StartupCheck.h"
#include "gui/app/SmForm.h"
#include "gui/app/SqlPanel.h"
#include "gui/app/WebPanel.h"
#include "gui/history/DataPanel.h"
#include "TestSupport.h"
#include "net/TinyHttpServer.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

namespace {

const QByteArray kTwoDraws = "2005012 01 02 03 04 05 06 01\r\n2005013 02 09 15 18 25 33 07\r\n";

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private:
    QStringList m_boxes;

    // A main window over a folder holding the given history (nullptr: none).
    std::unique_ptr<TMainForm> start(QTemporaryDir &dir, const QByteArray *history)
    {
        if (history && !writeFile(dir.filePath(QStringLiteral("ssq.dxt")), *history))
            qFatal("the history cannot be written");
        auto form = std::make_unique<TMainForm>(dir.path());
        form->resize(1000, 700);
        form->show();
        return form;
    }

private slots:
    void init()
    {
        m_boxes.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }

    void startUpWithoutHistoryFile()
    {
        QTemporaryDir dir;
        auto form = start(dir, nullptr);
        QVERIFY(form->CodeArr().empty());
        QVERIFY(form->statusText(0).contains(QStringLiteral("没有找到")));
        QVERIFY(form->DataPanel->DataNoteLbl->text().contains(QDir::toNativeSeparators(dir.path())));
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(form->frontPanel(), static_cast<QWidget *>(form->WebPanel));
    }

    void eachCommandShowsItsPanel_data()
    {
        QTest::addColumn<QString>("command");   // action or tool button name
        QTest::addColumn<QString>("panel");
        QTest::newRow("F2") << "FileMenuManul" << "DataPanel";
        QTest::newRow("常用图表") << "GridMenuBt" << "GridPctl";
        QTest::newRow("超强缩水") << "RcmMenuSuperScaleBt" << "RcmPanel";
        QTest::newRow("号码推荐") << "RcmMenuBt" << "PridictPanel";
        QTest::newRow("查询统计") << "SqlMenuBt" << "SqlPanel";
        QTest::newRow("网站支持") << "HelpMenuRecmBt" << "WebPanel";
    }

    void eachCommandShowsItsPanel()
    {
        QFETCH(QString, command);
        QFETCH(QString, panel);
        QTemporaryDir dir;
        auto form = start(dir, &kTwoDraws);
        // Start from another panel so that the command has something to change.
        form->ShowContentPanel(panel == QLatin1String("DataPanel") ? static_cast<QWidget *>(form->SqlPanel)
                                                                   : form->DataPanel);
        if (QAction *a = form->findChild<QAction *>(command))
            a->trigger();
        else
            form->MainTbr->findChild<QToolButton *>(command)->click();
        QCOMPARE(form->frontPanel()->objectName(), panel);
        if (panel == QLatin1String("DataPanel")) {   // F2: typing goes into the memo, after the newest draw
            QCOMPARE(form->focusWidget(), form->DataPanel->DataMemo);
            QVERIFY(form->DataPanel->DataMemo->textCursor().atEnd());
        }
    }

    // A bad line in the history file: the good draws are used and the player is offered
    // the line in the editor.
    void startUpWithABadLine()
    {
        QTemporaryDir dir;
        const QByteArray history = "\xEF\xBB\xBF" + kTwoDraws + "2005014 01 02 03 04 05 06 17\r\n2005015 01 02 03 04 05 06 07\r\n";
        QStringList asked;
        MsgBox::setAskHook([&asked](const QString &text, const QStringList &) {
            asked << text;
            return 0;
        });
        auto form = start(dir, &history);
        QTRY_COMPARE(asked.size(), 1);
        MsgBox::setAskHook({});
        QCOMPARE(form->CodeArr().size(), size_t(3));
        QVERIFY(asked[0].contains(QStringLiteral("第3行“2005014 01 02 03 04 05 06 17”")));
        QCOMPARE(form->frontPanel(), static_cast<QWidget *>(form->DataPanel));
        QCOMPARE(form->DataPanel->DataMemo->textCursor().blockNumber(), 2);
        QVERIFY(form->DataPanel->DataNoteLbl->isVisible());
    }

    // F1 shows the GBK guide decoded in the program's own window; the file stays as it is.
    void helpShowsReadmeWhenPresent()
    {
        QTemporaryDir dir;
        auto form = start(dir, &kTwoDraws);
        form->HelpMenuTopicClick();
        QVERIFY(!form->HelpForm());   // no readme.txt: nothing happens
        const QByteArray guide = QStringEncoder("GBK").encode(QStringLiteral("使用说明\r\n双色球\r\n"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("readme.txt")), guide));
        form->findChild<QAction *>(QStringLiteral("HelpMenuTopic"))->trigger();
        QVERIFY(form->HelpForm() && form->HelpForm()->isVisible());
        QCOMPARE(form->HelpForm()->Memo->toPlainText(), QStringLiteral("使用说明\n双色球\n"));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("readme.txt"))), guide);
        QVERIFY(m_boxes.isEmpty());
    }

    // The title names the program and its version; "网站支持" shows the program's own page,
    // drawn without the web engine, until the player names a site in "website.txt". That
    // site starts the browser; when it cannot be reached the own page comes back with a
    // note, and the next request tries the site again.
    void supportPage()
    {
        QTemporaryDir dir;
        auto form = start(dir, &kTwoDraws);
        QCOMPARE(form->windowTitle(), QStringLiteral("晨帆选号通 2005版"));
        QVERIFY(form->WebPanel->showingOwnPage());
        QVERIFY(!form->WebPanel->WebBrowser);   // the start leaves the web engine alone
        QVERIFY(form->WebPanel->PageView->toPlainText().contains(QStringLiteral("第2005013期,开奖号:02 09 15 18 25 33 07")));

        TinyHttpServer server;
        server.answers = {{"/", "200 OK\n<html><body>my own site</body></html>"}};
        QVERIFY(writeFile(dir.filePath(QStringLiteral("website.txt")), server.url("/").toUtf8()));
        QSignalSpy shown(form->WebPanel, &TWebPanel::pageShown);
        form->MainTbr->findChild<QToolButton *>(QStringLiteral("HelpMenuRecmBt"))->click();
        QVERIFY(form->WebPanel->WebBrowser);
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 30000);
        QCOMPARE(shown.last().at(0).toBool(), false);
        QVERIFY(form->WebPanel->WebBrowser->isVisible());
        QString html;
        static_cast<QWebEngineView *>(form->WebPanel->WebBrowser)->page()->toHtml([&html](const QString &h) { html = h; });
        QTRY_VERIFY_WITH_TIMEOUT(html.contains(QStringLiteral("my own site")), 10000);

        QVERIFY(writeFile(dir.filePath(QStringLiteral("website.txt")), "http://127.0.0.1:1/\n"));
        shown.clear();
        form->findChild<QAction *>(QStringLiteral("HelpMenuWebSite"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(form->WebPanel->showingOwnPage(), 30000);
        QCOMPARE(shown.last().at(0).toBool(), true);
        QVERIFY(form->WebPanel->PageView->isVisible());
        QVERIFY(form->WebPanel->PageView->toPlainText().contains(QStringLiteral("暂时无法打开您设置的网站")));
        QVERIFY(m_boxes.isEmpty());
    }

    // F2, typing and "保存数据": the window's draws follow the save, not the typing.
    void editAndSave()
    {
        QTemporaryDir dir;
        auto form = start(dir, &kTwoDraws);
        form->FileMenuManulClick();
        QPlainTextEdit *memo = form->DataPanel->DataMemo;
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QStringLiteral("2005014 03 04 05 06 07 08 09\n"));
        QCOMPARE(form->CodeArr().size(), size_t(2));
        form->DataPanel->Sheet1TbrSaveBt->click();
        QCOMPARE(form->statusText(0), QStringLiteral("保存文档完毕"));
        QCOMPARE(form->CodeArr().size(), size_t(3));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("ssq.dxt"))), kTwoDraws + "2005014 03 04 05 06 07 08 09\r\n");
    }

    // The check at start: off until chosen; new draws are offered in the status bar and
    // saved only after the player's "保存"; a failure is one status line; nothing pops up.
    // With the check off, F3 from another panel reads the sources: the new draws join the
    // window's draws, and the data panel comes to the front with the count in the status bar.
    void checkAtStart_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QByteArray>("source");   // the local source's name in sources.ini
        QTest::addColumn<QString>("note");        // the offer, or the status line
        QTest::newRow("new draws offered") << true << QByteArray("new.txt") << "发现2期新开奖，点击查看";
        QTest::newRow("a failure is one line") << true << QByteArray("none.txt") << "启动时检查新开奖失败：本地：无法读取文件";
        QTest::newRow("off by default") << false << QByteArray("new.txt") << "";
    }
    void checkAtStart()
    {
        QFETCH(bool, on);
        QFETCH(QByteArray, source);
        QFETCH(QString, note);
        QTemporaryDir dir;
        if (on)
            QVERIFY(writeFile(dir.filePath("ssq.ini"), Gbk("[在线更新]\r\n启动时检查新开奖=1\r\n")));
        QVERIFY(writeFile(dir.filePath("new.txt"), "2005014 2005-02-06 01 02 03 04 05 06 07\n2005015 11 12 13 14 15 16 08\n"));
        QVERIFY(writeFile(dir.filePath("sources.ini"), "[local]\ntitle=本地\nform=table\nurl=" + source + "\n"));
        auto form = start(dir, &kTwoDraws);
        TStartupCheck *check = form->StartupCheck;
        QSignalSpy ended(check, &TStartupCheck::finished);
        QCOMPARE(check->CheckAtStartAct->isChecked(), on);
        if (on)
            QTRY_COMPARE(ended.count(), 1);
        else
            QTest::qWait(100);
        QVERIFY(!check->isChecking());
        QCOMPARE(check->NewDrawsBt->isVisible(), note.startsWith("发现"));
        form->DataPanel->onlineUpdate()->setConfirm([](const QStringList &, const QString &) { return true; });
        if (!on) {
            check->CheckAtStartAct->trigger();
            QCOMPARE(readAll(dir.filePath("ssq.ini")), Gbk("[在线更新]\r\n启动时检查新开奖=1\r\n"));
            form->ShowContentPanel(form->SqlPanel);
            form->findChild<QAction *>(QStringLiteral("FileMenuDown"))->trigger();
            QCOMPARE(form->CodeArr().size(), size_t(4));
            QCOMPARE(form->frontPanel(), static_cast<QWidget *>(form->DataPanel));
            QVERIFY(form->statusText(0).contains(QStringLiteral("新增2期")));
        } else if (note.startsWith("发现")) {
            QCOMPARE(check->NewDrawsBt->text(), note);
            QCOMPARE(readAll(dir.filePath("ssq.dxt")), kTwoDraws);
            check->NewDrawsBt->click();
            QCOMPARE(readAll(dir.filePath("ssq.dxt")),
                     kTwoDraws + "2005014 01 02 03 04 05 06 07\r\n2005015 11 12 13 14 15 16 08\r\n");
            QVERIFY(!check->NewDrawsBt->isVisible());
        } else {
            QVERIFY2(form->statusText(0).startsWith(note), qPrintable(form->statusText(0)));
            QCOMPARE(readAll(dir.filePath("ssq.dxt")), kTwoDraws);
        }
        QVERIFY(m_boxes.isEmpty());
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_MainForm_x11.moc"
