// The fetch against a small site of the test's own on 127.0.0.1 that behaves as the
// operator's site does towards programs: its data is refused without the cookie that its
// results page hands out (directly or through a redirect that sets it), it may redirect
// without end, refuse with 403/412 and a page, or answer 200 with a script page. Then the
// batch tool's whole update against that site: the report it prints and the history file,
// which changes only when new draws were read.
#include "net/WebFetch.h"
#include "net/TinyHttpServer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// 2025063 as the operator's interface gives it; the other answers are made up.
const QByteArray kNotice = R"J({"state":"0","message":"查询成功","total":1,"pageNo":1,"pageSize":100,"result":[
 {"name":"双色球","code":"2025063","date":"2025-06-05(四)","week":"四","red":"02,19,21,22,28,30","blue":"01","sales":"351538736"}]})J";
const QByteArray kCookie = "HMF_CI=a1b2c3";

// The site: "/page" is the results page, "/data" the interface.
QByteArray site(const QByteArray &mode, const QByteArray &path, const QByteArray &request)
{
    const bool hasCookie = TinyHttpServer::header(request, "Cookie").contains(kCookie);
    if (path == "/page") {
        if (hasCookie || mode == "none")
            return "200 OK\n<html>往期开奖</html>";
        if (mode == "302")
            return "302 Found|Set-Cookie: " + kCookie + "; Path=/|Location: /page\n";
        return "200 OK|Set-Cookie: " + kCookie + "; Path=/\n<html>往期开奖</html>";
    }
    if (path.startsWith("/data"))
        return hasCookie ? "200 OK\n" + kNotice : QByteArray("403 Forbidden\n<html><body>访问被拒绝</body></html>");
    if (path == "/loop")
        return "302 Found|Location: /loop\n";
    return {};
}

} // namespace

class TestWebFetch : public QObject
{
    Q_OBJECT
private slots:
    void fetch_data()
    {
        QTest::addColumn<QByteArray>("mode");     // how "/page" hands the cookie
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("referer");
        QTest::addColumn<QString>("said");        // the failure's text, "" for success
        const QString refused = "网站拒绝了本程序的访问（可能是防机器人检查），请稍后再试或改用其他来源（HTTP %1）";
        QTest::newRow("cookie from the results page") << QByteArray("direct") << QByteArray("/data") << true << "";
        QTest::newRow("cookie through a redirect") << QByteArray("302") << QByteArray("/data") << true << "";
        QTest::newRow("no results page, 403") << QByteArray("direct") << QByteArray("/data") << false
                                              << refused.arg("403 Forbidden");
        QTest::newRow("a page without cookie, 403") << QByteArray("none") << QByteArray("/data") << true
                                                    << refused.arg("403 Forbidden");
        QTest::newRow("412 with a body") << QByteArray() << QByteArray("/412") << false
                                         << refused.arg("412 Precondition Failed");
        QTest::newRow("429") << QByteArray() << QByteArray("/429") << false << refused.arg("429 Too Many Requests");
        QTest::newRow("521") << QByteArray() << QByteArray("/521") << false << refused.arg("521 Web Server Is Down");
        QTest::newRow("redirects without end") << QByteArray() << QByteArray("/loop") << false
                                               << refused.arg("302 Found，重定向超过10次");
        QTest::newRow("404 is no refusal") << QByteArray() << QByteArray("/gone") << false
                                           << "服务器返回错误 HTTP 404（Not Found）";
        QTest::newRow("cut") << QByteArray() << QByteArray("/cut") << false << "连接中断，数据没有下载完整";
    }
    void fetch()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, path);
        QFETCH(bool, referer);
        QFETCH(QString, said);
        TinyHttpServer server;
        server.route = [&](const QByteArray &p, const QByteArray &request) { return site(mode, p, request); };
        server.answers = {{"/412", "412 Precondition Failed\n<html>请开启JavaScript</html>"},
                          {"/429", "429 Too Many Requests\nslow down"},
                          {"/521", "521 Web Server Is Down\n<html></html>"},
                          {"/gone", "404 Not Found\nnone"},
                          {"/cut", "200 OK\nCUT:" + kNotice}};
        UpdateSource source;
        source.form = UpdateSource::DrawNotice;
        source.address = server.url(path.constData());
        if (referer)
            source.referer = server.url("/page");
        UpdateRules rules;
        rules.timeoutMs = 5000;
        WebFetch web(rules);
        const FetchResult r = web.get(source);
        QCOMPARE(FetchFailureText(r, 5, rules.maxBytes), said);
        if (said.isEmpty())
            QCOMPARE(r.bytes, kNotice);
        // Every request speaks Chinese, whatever the system's language.
        for (const QByteArray &request : std::as_const(server.requests))
            QCOMPARE(TinyHttpServer::header(request, "Accept-Language"), QByteArray("zh-CN,zh;q=0.9"));
        // The data is asked for with the results page as Referer, after that page.
        if (referer && mode != "none") {
            QVERIFY(server.requests.front().startsWith("GET /page "));
            QCOMPARE(TinyHttpServer::header(server.requests.back(), "Referer"), source.referer.toUtf8());
            QVERIFY(server.requests.back().startsWith("GET /data "));
        }
    }

    // The results page is visited once per fetching session, the cookie kept for every page.
    void pageVisitedOnce()
    {
        TinyHttpServer server;
        server.route = [](const QByteArray &p, const QByteArray &request) { return site("302", p, request); };
        UpdateSource source{"cwl", "公告", UpdateSource::DrawNotice, server.url("/data?pageNo=1"), server.url("/page")};
        WebFetch web(UpdateRules{});
        QVERIFY(web.get(source).ok());
        source.address = server.url("/data?pageNo=2");
        QVERIFY(web.get(source).ok());
        QCOMPARE(server.requests.size(), 4);   // page, page again with the cookie, data, data
    }

    // The batch tool's update against the site: the same report as the dialog's, and the
    // history file byte for byte as it was whenever nothing new was read.
    void cliUpdate_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("report");
        QTest::newRow("cookie through a redirect")
            << QByteArray("302") << QByteArray("/data") << 0
            << "新增1期（2025063）\n来源：公告（只读到这一个来源，未能交叉核对）\n新增的开奖数据：\n2025063 02 19 21 22 28 30 01\n"
               "已保存到%1\n";
        QTest::newRow("refused") << QByteArray("none") << QByteArray("/data") << 1
                                 << "没有读到任何来源的开奖数据，开奖数据没有改动\n未能读取的来源：\n  公告：网站拒绝了本程序的访问"
                                    "（可能是防机器人检查），请稍后再试或改用其他来源（HTTP 403 Forbidden）\n";
        QTest::newRow("redirect loop") << QByteArray("302") << QByteArray("/loop") << 1
                                       << "没有读到任何来源的开奖数据，开奖数据没有改动\n未能读取的来源：\n  公告：网站拒绝了本程序的访问"
                                          "（可能是防机器人检查），请稍后再试或改用其他来源（HTTP 302 Found，重定向超过10次）\n";
        QTest::newRow("script page") << QByteArray("302") << QByteArray("/script") << 1
                                     << "没有读到任何来源的开奖数据，开奖数据没有改动\n未能读取的来源：\n  公告：网站拒绝了本程序的访问"
                                        "（可能是防机器人检查），请稍后再试或改用其他来源（HTTP 200 收到的是带脚本的网页）\n";
    }
    void cliUpdate()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QString, report);
        TinyHttpServer server;
        server.route = [&](const QByteArray &p, const QByteArray &request) { return site(mode, p, request); };
        server.answers = {{"/script", "200 OK\n<html><head><script>document.cookie='x=1';location.reload()</script></head></html>"}};
        QTemporaryDir dir;
        const QString history = dir.filePath("ssq.dxt");
        const QByteArray before = "2025062 03 09 14 20 26 31 12\r\n";
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        QFile ini(dir.filePath("sources.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[cwl]\ntitle=公告\nform=draw-notice\nurl=" + server.url(path.constData()).toUtf8()
                  + "\nreferer=" + server.url("/page").toUtf8() + "\n");
        ini.close();
        QProcess p;
        QEventLoop loop;
        connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        p.start(QStringLiteral(SSQ_CLI), {"update", "--history", history});
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();   // the server answers meanwhile
        QCOMPARE(p.state(), QProcess::NotRunning);
        const QString out = QString::fromUtf8(status == 0 ? p.readAllStandardOutput() : p.readAllStandardError());
        QCOMPARE(out, report.replace("%1", history));
        QCOMPARE(p.exitCode(), status);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), status == 0 ? before + "2025063 02 19 21 22 28 30 01\r\n" : before);
    }

    // A fetch whose event loop is left before the answer is complete (the program quits)
    // is no answer. Last: the application stays in its quitting state.
    void loopLeftEarly()
    {
        TinyHttpServer server;
        server.answers = {{"/silent", "200 OK\nSILENT"}};
        UpdateSource source;
        source.address = server.url("/silent");
        QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
        WebFetch web(UpdateRules{});
        QCOMPARE(web.get(source).failure, FetchResult::Interrupted);
    }
};

QTEST_GUILESS_MAIN(TestWebFetch)
#include "tst_WebFetch.moc"
