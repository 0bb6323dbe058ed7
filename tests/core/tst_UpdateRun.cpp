// One update from the list of sources to the lines the player reads, with the fetching
// replaced: which sources are read, when it stops, and what is said.
#include "update/UpdateRun.h"

#include <QTest>

namespace {
UpdateSource web(const QString &title, UpdateSource::Form form = UpdateSource::DrawTable)
{
    UpdateSource s;
    s.title = title;
    s.form = form;
    s.address = QStringLiteral("http://") + title + QStringLiteral(".example/x");
    return s;
}
const TBeenCodesRecArr kHistory{{2026, 95, {2, 9, 15, 18, 25, 33}, 7}};
const QByteArray kNew = "2026096 03 07 12 19 27 31 09\n2026097 01 05 12 19 27 33 16\n";
} // namespace

class TestUpdateRun : public QObject
{
    Q_OBJECT
private slots:
    void run_data()
    {
        QTest::addColumn<QStringList>("answers");   // per source: "!KIND" fails, else the bytes
        QTest::addColumn<QStringList>("report");
        const QString added = QStringLiteral("新增2期（2026096–2026097）");
        QTest::newRow("first read, checked by the second")
            << QStringList{kNew, kNew, "never asked"} << QStringList{added, "来源：a（已与b核对）"};
        QTest::newRow("failed sources are named, the next is tried")
            << QStringList{"!host", "<html></html>", kNew}
            << QStringList{added, "来源：c（只读到这一个来源，未能交叉核对）", "未能读取的来源：",
                           "  a：找不到服务器“a.example”（域名无法解析，请检查网络连接）",
                           "  b：收到的是网页，不是开奖数据文本"};
        QTest::newRow("nothing new") << QStringList{"2026095 02 09 15 18 25 33 07\n", "!refused", "!timeout"}
                                     << QStringList{"没有新的开奖数据（最新一期为第2026095期）",
                                                    "来源：a（只读到这一个来源，未能交叉核对）", "未能读取的来源：",
                                                    "  b：服务器“b.example”拒绝连接", "  c：连接超时：30 秒内没有完成下载"};
        QTest::newRow("no source read") << QStringList{"!http", "!net", "!cut"}
                                        << QStringList{"没有读到任何来源的开奖数据，开奖数据没有改动", "未能读取的来源：",
                                                       "  a：服务器返回错误 HTTP 404（Not Found）",
                                                       "  b：网络不通，请检查网络连接（Network unreachable）",
                                                       "  c：连接中断，数据没有下载完整"};
        QTest::newRow("cancel stops at once") << QStringList{"!cancel", kNew, kNew}
                                              << QStringList{"下载已取消，开奖数据没有改动"};
    }
    void run()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, report);
        const UpdateSources sources{web("a"), web("b"), web("c")};
        int asked = 0;
        const UpdateOutcome o = RunUpdate(kHistory, sources, [&](const UpdateSource &s) {
            const QString answer = answers[asked++];
            const QHash<QString, FetchResult::Failure> kinds{
                {"!host", FetchResult::HostNotFound}, {"!refused", FetchResult::Refused},
                {"!timeout", FetchResult::TimedOut}, {"!http", FetchResult::HttpError},
                {"!net", FetchResult::NoNetwork}, {"!cut", FetchResult::Interrupted},
                {"!cancel", FetchResult::Cancelled}};
            if (!kinds.contains(answer))
                return FetchResult::success(answer.toUtf8());
            FetchResult r = FetchResult::failed(kinds[answer], s.host());
            r.httpStatus = 404;
            r.detail = answer == "!http" ? "Not Found" : answer == "!net" ? "Network unreachable" : "";
            return r;
        }, UpdateRules{});
        QCOMPARE(UpdateReportLines(o), report);
        QVERIFY(asked <= 3);
        QCOMPARE(answers.contains("never asked"), asked == 2);
    }
};

QTEST_GUILESS_MAIN(TestUpdateRun)
#include "tst_UpdateRun.moc"
