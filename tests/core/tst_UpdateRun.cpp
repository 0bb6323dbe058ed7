// The online update without the network: the sources file a player may write, the readers
// of each answer form (made from the public descriptions of the forms) and of broken ones,
// the merge into the history (what is added, what is only reported), the side file of
// draw dates, and one whole update from the list of sources to the lines the player reads
// with the fetching replaced: which sources are read, when it stops, and what is said.
#include "app/OfflinePage.h"
#include "update/DrawDates.h"
#include "update/HistoryMerge.h"
#include "history/HistoryParser.h"
#include "update/SourceList.h"
#include "update/SourceReader.h"
#include "update/UpdateRun.h"
#include "TestSupport.h"

#include <QStringEncoder>
#include <QTemporaryDir>
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
// Two draws with one missing between them.
const TBeenCodesRecArr kRunHistory{{2026, 93, {1, 2, 3, 4, 5, 6}, 7}, {2026, 95, {2, 9, 15, 18, 25, 33}, 7}};
const QByteArray kNew = "2026096 03 07 12 19 27 31 09\n2026097 01 05 12 19 27 33 16\n";

// The operator's draw-notice answer: newest first, dates with the weekday.
const QByteArray kNotice = R"J({"state":0,"message":"查询成功","total":2,"pageNo":1,"pageSize":30,"result":[
 {"name":"双色球","code":"2026097","date":"2026-08-20(四)","week":"四","red":"03,07,12,19,27,31","blue":"09","sales":"1"},
 {"name":"双色球","code":"2026096","date":"2026-08-18(二)","week":"二","red":"01,05,12,19,27,33","blue":"16"}]})J";
// The results site's text: issue, date, reds ascending, blue, reds in drawn order, sales...
const QByteArray kTable = "2026096 2026-08-18 01 05 12 19 27 33 16 33 01 05 12 27 19 380000000 1\n"
                          "2026097 2026-08-20 03 07 12 19 27 31 09 31 03 07 12 19 27 390000000 2\n";

// Draw lines "issue r r r r r r b" into a reading of the table form.
SourceReading reading(const QString &title, const QByteArray &lines)
{
    return {title, ReadSourceAnswer(UpdateSource::DrawTable, lines).draws};
}

const QByteArray kHistory = "2026094 01 02 03 04 05 06 07\n2026095 02 09 15 18 25 33 07\n";
const QByteArray k096 = "2026096 03 07 12 19 27 31 09\n";
const QByteArray k097 = "2026097 01 05 12 19 27 33 16\n";
const QByteArray k098 = "2026098 04 08 16 20 22 30 01\n";

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
        // A draw the history lacks is reported, not filled in; a draw after a gap waits.
        const QString holes = "2026094 01 02 03 04 05 06 07\n2026097 01 05 12 19 27 33 16\n";
        QTest::newRow("holes are reported")
            << QStringList{holes, holes, "never asked"}
            << QStringList{"没有新的开奖数据（最新一期为第2026095期）", "来源：a（已与b核对）", "缺期：",
                           "  历史数据中缺少第2026094期（来源中有，未补入：请核对后手工补入）",
                           "  缺少第2026096期，其后各期未加入", "  未加入1期（2026097）"};
        QTest::newRow("cancel stops at once") << QStringList{"!cancel", kNew, kNew}
                                              << QStringList{"下载已取消，开奖数据没有改动"};
    }
    void run()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, report);
        const UpdateSources sources{web("a"), web("b"), web("c")};
        int asked = 0;
        const UpdateOutcome o = RunUpdate(kRunHistory, sources, [&](const UpdateSource &s) {
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

    void sourceList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sources");    // name form (address title from a file), ";" between
        QTest::addColumn<QString>("problems");
        QTest::newRow("two sources in order")
            << "; 来源\n[mine]\ntitle=我的文件\nform=history\nURL=draws.txt\n\n[web]\nform=TABLE\nurl=https://h/x.csv ; 备用\n"
            << "mine history /base/draws.txt 我的文件;web table https://h/x.csv web" << "";
        QTest::newRow("bad form, missing url, stray line")
            << "x=1\n[a]\nform=xml\nurl=http://a\n[b]\ntitle=B\n[c]\nform=draw-notice\nurl=http://c\ncolour=red\n"
            << "c draw-notice http://c c"
            << "sources.ini 第1行：看不懂“x=1”|sources.ini 第3行：不认识的格式“xml”（可用 draw-notice、table、history），来源“a”已忽略|"
               "sources.ini 第5行：来源“b”没有 url，已忽略|sources.ini 第10行：不认识的项目“colour”";
        QTest::newRow("nothing usable") << "[a]\n" << "cwl draw-notice;17500 table;support history"
                                        << "sources.ini 第1行：来源“a”没有 url，已忽略|sources.ini 中没有可用的来源，使用程序内置的来源";
    }
    void sourceList()
    {
        QFETCH(QString, text);
        QFETCH(QString, sources);
        QFETCH(QString, problems);
        const SourceListRead read = ParseSourceList(text.toUtf8(), QStringLiteral("/base"));
        QStringList got;
        for (const UpdateSource &s : read.sources)
            got << (s.name + ' ' + FormName(s.form) + (read.fromFile ? ' ' + s.address + ' ' + s.title : QString()));
        QCOMPARE(got.join(';'), sources);
        QCOMPARE(read.problems, problems.split('|', Qt::SkipEmptyParts));
    }

    void gbkFileAndAbsentFile()
    {
        QStringEncoder gbk("GBK");
        const QByteArray bytes = gbk.encode(QStringLiteral("[a]\ntitle=本地文件\nurl=/d/x.txt\n"));
        QCOMPARE(ParseSourceList(bytes, {}).sources.value(0).title, QStringLiteral("本地文件"));
        const SourceListRead absent = LoadSourceList(QStringLiteral("/nonexistent/sources.ini"));
        QVERIFY(!absent.fromFile && absent.problems.isEmpty());
        QCOMPARE(absent.sources.size(), DefaultSources().size());
    }

    void answers_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("issues");   // the draws read, oldest first; "" when refused
        QTest::addColumn<QString>("message");  // part of the error or of the notes; "" for none
        const int json = UpdateSource::DrawNotice, table = UpdateSource::DrawTable, lines = UpdateSource::HistoryLines;
        QTest::newRow("notice") << json << kNotice << "2026096 2026097" << "";
        QTest::newRow("notice malformed") << json << QByteArray(R"({"state":0,"result":[{"code":)") << "" << "格式错误";
        QTest::newRow("notice refused") << json << QByteArray(R"({"state":1,"message":"访问受限"})") << "" << "访问受限";
        QTest::newRow("html page, status 200") << json << QByteArray("<!DOCTYPE html><html><body>维护中</body></html>") << "" << "网页";
        QTest::newRow("notice red out of range")
            << json << QByteArray(kNotice).replace("03,07,12", "03,34,12") << "2026096" << "红球34超出";
        QTest::newRow("table") << table << kTable << "2026096 2026097" << "";
        QTest::newRow("csv with title") << table << QByteArray("期号,日期,红1,红2,红3,红4,红5,红6,蓝\r\n26096,2026-8-18,1,5,12,19,27,33,16\r\n")
                                        << "2026096" << "";
        QTest::newRow("table no draws") << table << QByteArray("hello\nworld\n") << "" << "没有读到";
        QTest::newRow("same draw twice") << table << kTable + kTable.left(kTable.indexOf('\n') + 1) << "2026096 2026097" << "第2026096期重复出现2次";
        QTest::newRow("one issue, two draws")
            << table << kTable + "2026097 2026-08-20 03 07 12 19 27 32 09\n" << "2026096" << "号码不同";
        QTest::newRow("mixed order")
            << table << "2026098 01 02 03 04 05 06 07\n" + kTable << "2026096 2026097 2026098" << "顺序错乱";
        QTest::newRow("blue 17") << table << QByteArray(kTable).replace(" 09 31", " 17 31") << "2026096" << "蓝球17超出";
        QTest::newRow("last line without a line break") << table << kTable.chopped(1) << "2026096 2026097" << "";
        QTest::newRow("cut last line") << table << kTable + "2026098 2026-08-23 01 02 03 04 05 06 1" << "2026096 2026097" << "第3行";
        QTest::newRow("history lines") << lines << QByteArray("2026096 01 05 12 19 27 33 16\r\n") << "2026096" << "";
        QTest::newRow("history bad line") << lines << QByteArray("2026096 1 5 12 19 27 33 16\r\n") << "" << "不是开奖数据文件的格式";
    }
    void answers()
    {
        QFETCH(int, form);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, issues);
        QFETCH(QString, message);
        const SourceRead read = ReadSourceAnswer(UpdateSource::Form(form), bytes);
        QStringList got;
        for (const SourceDraw &d : read.draws)
            got << d.draw.issueText();
        QCOMPARE(got.join(QLatin1Char(' ')), issues);
        QCOMPARE(read.ok, !issues.isEmpty());
        const QString said = read.error + read.notes.join(QLatin1Char('|'));
        QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
    }

    // A local source is read up to the size cap, inclusive; the cap is named in MB from 1 MB.
    void localFileCap()
    {
        QTemporaryDir dir;
        UpdateSource local;
        local.address = dir.filePath(QStringLiteral("draws.txt"));
        QVERIFY(writeFile(local.address, k096));
        QCOMPARE(ReadLocalSource(local, k096.size()).bytes, k096);
        QCOMPARE(ReadLocalSource(local, k096.size() - 1).failure, FetchResult::TooLarge);
        QCOMPARE(FetchFailureText(FetchResult::failed(FetchResult::TooLarge, {}), 30, 1 << 20), "数据超过 1 MB，不是开奖数据");
    }

    // Reds are compared in one order, dates without the weekday.
    void drawsAreNormalised()
    {
        const SourceRead read = ReadSourceAnswer(UpdateSource::DrawTable, "2026096 2026-08-18 33 01 05 12 27 19 16\n");
        QCOMPARE(read.draws.value(0).draw, (DrawRecord{2026, 96, {1, 5, 12, 19, 27, 33}, 16}));
        QCOMPARE(ReadSourceAnswer(UpdateSource::DrawNotice, kNotice).draws.value(0).date, QStringLiteral("2026-08-18"));
    }

    void merge_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");    // empty: one source only
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("reported");     // conflicts | gaps | disagreements, "" for none
        QTest::newRow("new draws") << k096 + k097 << QByteArray() << "2026096 2026097" << "";
        QTest::newRow("older draws only") << kHistory << QByteArray() << "" << "";
        QTest::newRow("sources agree") << kHistory + k096 << k096 + k097 << "2026096 2026097" << "";
        QTest::newRow("the second adds what the first lacks") << k096 << k096 + k097 << "2026096 2026097" << "";
        QTest::newRow("history differs: listed, kept")
            << QByteArray("2026095 02 09 15 18 25 33 08\n") + k096 << QByteArray() << "2026096"
            << "第2026095期：历史数据为02 09 15 18 25 33+07，A为02 09 15 18 25 33+08（历史数据未改动）";
        QTest::newRow("sources disagree on a new draw: it and the later ones wait")
            << k096 + k097 + k098 << k096 + QByteArray(k097).replace(" 16", " 15") + k098 << "2026096"
            << "第2026097期两个来源不一致：A为01 05 12 19 27 33+16，B为01 05 12 19 27 33+15，该期及其后各期未加入"
               "|未加入1期（2026098）";
        QTest::newRow("sources disagree on an old draw")
            << QByteArray("2026094 01 02 03 04 05 06 08\n") << QByteArray("2026094 01 02 03 04 05 06 09\n") << ""
            << "第2026094期两个来源不一致：A为01 02 03 04 05 06+08，B为01 02 03 04 05 06+09";
        QTest::newRow("missing inside the history")
            << QByteArray("2026093 01 02 03 04 05 06 07\n") << QByteArray() << "" << "";
    }
    void merge()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, added);
        QFETCH(QString, reported);
        TBeenCodesRecArr history;
        QStringList messages;
        QVERIFY(ParseHistoryQuietly(QString::fromLatin1(kHistory).split(u'\n', Qt::SkipEmptyParts), history, messages));
        QList<SourceReading> readings{reading(QStringLiteral("A"), first)};
        if (!second.isEmpty())
            readings << reading(QStringLiteral("B"), second);
        const MergeResult r = MergeIntoHistory(history, readings);
        QStringList got;
        for (const SourceDraw &d : r.added)
            got << d.draw.issueText();
        QCOMPARE(got.join(u' '), added);
        QCOMPARE((r.conflicts + r.gaps + r.disagreements).join(u'|'), reported);
    }

    void emptyHistoryTakesEverything()
    {
        const MergeResult r = MergeIntoHistory({}, {reading(QStringLiteral("A"), kHistory + k096)});
        QCOMPARE(r.added.size(), 3);
        QCOMPARE(AppendDraws(QString(), r.added.mid(2)), QStringLiteral("2026096 03 07 12 19 27 31 09\n"));
        QCOMPARE(AppendDraws(QStringLiteral("x"), r.added.mid(2)), QStringLiteral("x\n2026096 03 07 12 19 27 31 09\n"));
    }

    void datesOfAgreeingDraws()
    {
        TBeenCodesRecArr history{{2026, 95, {2, 9, 15, 18, 25, 33}, 7}};
        const MergeResult r = MergeIntoHistory(
            history, {reading(QStringLiteral("A"), "2026095 2026-08-16 02 09 15 18 25 33 07\n2026096 2026-08-18 03 07 12 19 27 31 09\n")});
        QCOMPARE(r.dates, (QMap<int, QString>{{2026095, "2026-08-16"}, {2026096, "2026-08-18"}}));
    }

    void datesAndNewestDraw()
    {
        DrawDates dates = DrawDates::Parse("2026095 2026-08-16\r\nrubbish\r\n2026096 2026-08-18\r\n");
        dates.add({{2026097, "2026-08-20"}});
        QCOMPARE(DrawDates::Parse(dates.bytes()).bytes(),
                 QByteArray("2026095 2026-08-16\r\n2026096 2026-08-18\r\n2026097 2026-08-20\r\n"));
        const TBeenCodesRecArr history{{2026, 96, {1, 2, 3, 4, 5, 6}, 7}};
        QCOMPARE(NewestDrawText(history, dates), QStringLiteral("第2026096期（2026-08-18）"));
        QCOMPARE(NewestDrawText(history, {}), QStringLiteral("第2026096期"));
        QCOMPARE(NewestDrawText({}, dates), QString());
        QVERIFY(OfflinePageHtml(history, dates).contains(QStringLiteral("（开奖日期 2026-08-18）")));
        QCOMPARE(DrawDatesFileFor(QStringLiteral("/d/ssq.dxt")), QStringLiteral("/d/ssq-dates.txt"));
    }
};

QTEST_GUILESS_MAIN(TestUpdateRun)
#include "tst_UpdateRun.moc"
