// The online update without the network: the sources file a player may write, the readers
// of each answer form (made from the public descriptions of the forms) and of broken ones,
// the merge into the history (what is added, what is only reported), the side file of
// draw dates, and one whole update from the list of sources to the lines the player reads
// with the fetching replaced: which sources are read, when it stops, and what is said.
#include "core/app/SupportPage.h"
#include "core/update/DrawDates.h"
#include "core/update/HistoryMerge.h"
#include "core/history/HistoryParser.h"
#include "core/update/SourceList.h"
#include "core/update/SourceReader.h"
#include "core/update/UpdateRun.h"
#include "TestSupport.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QUrlQuery>
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

// 2025063 as the operator published it, in the forms its interface and the public
// full-history text give it; the draws around it are made up in the same forms. The text:
// issue, date, reds ascending, blue, reds in drawn order, sales, pool, then six prize tiers
// (count and amount each; 31 fields where a seventh tier is listed), oldest first, LF, no
// final line break; a draw not yet counted has "-" in place of sales and prizes.
const QByteArray kRealNotice = R"J({"state":0,"message":"查询成功","total":1,"pageNum":1,"pageNo":1,"pageSize":30,"result":[
 {"name":"双色球","code":"2025063","detailsLink":"/c/2025/06/05/620473.shtml","videoLink":"","date":"2025-06-05(四)",
  "week":"四","red":"02,19,21,22,28,30","blue":"01","blue2":"","sales":"351538736","poolmoney":"2135712544",
  "content":"","addmoney":"","addmoney2":"","msg":"","z2add":"","m2add":"","prizegrades":[{"type":1,"typenum":"6","typemoney":"6654345"}]}]})J";
const QByteArray kRealTable =
    "2025062 2025-06-03 03 09 14 20 26 31 12 26 03 31 09 20 14 348716214 2054813926 4 8128470 151 219339 1893 3000 89431 200 1618260 10 12093812 5 3 50 4 5\n"
    "2025063 2025-06-05 02 19 21 22 28 30 01 21 30 02 28 22 19 351538736 2135712544 7 6654345 166 179453 2114 3000 97021 200 1705510 10 12847601 5\n"
    "2025064 2025-06-08 05 11 16 23 27 32 07 16 32 05 27 11 23 - - - - - - - - - - - - - - - -";

// A history whose newest draw is `issue`.
TBeenCodesRecArr history(int issue)
{
    return {{issue / 1000, issue % 1000, {2, 9, 15, 18, 25, 33}, 7}};
}

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
            << QStringList{"找到1期新开奖，都没有加入（缺少第2026096期），开奖数据没有改动", "来源：a（已与b核对）",
                           "没有加入的新开奖（1期，第2026097期）：",
                           "  缺少第2026096期，第2026097期及其后各期都没有加入，以免开奖数据中间缺期",
                           "历史数据中缺少、来源中有的期（没有补入，请核对后手工补入）：", "  2026094"};
        QTest::newRow("cancel stops at once") << QStringList{"!cancel", kNew, kNew}
                                              << QStringList{"下载已取消，开奖数据没有改动"};
        // Draws found and not added are counted in the headline, with the reason.
        QTest::newRow("found more than added")
            << QStringList{QString::fromLatin1(k096 + k098), "!refused", "!timeout"}
            << QStringList{"找到2期新开奖：新增1期（2026096），1期没有加入（缺少第2026097期）",
                           "来源：a（只读到这一个来源，未能交叉核对）", "没有加入的新开奖（1期，第2026098期）：",
                           "  缺少第2026097期，第2026098期及其后各期都没有加入，以免开奖数据中间缺期", "未能读取的来源：",
                           "  b：服务器“b.example”拒绝连接", "  c：连接超时：30 秒内没有完成下载"};
        QTest::newRow("a draw only the second had")
            << QStringList{QString::fromLatin1(k096), kNew, "never asked"}
            << QStringList{added, "来源：a（已与b核对；第2026097期只有一个来源给出，未能核对）"};
        QTest::newRow("older draws differ and sources disagree")
            << QStringList{"2026094 01 02 03 04 05 06 08\n2026095 02 09 15 18 25 33 08\n",
                           "2026094 01 02 03 04 05 06 09\n2026095 02 09 15 18 25 33 08\n", "never asked"}
            << QStringList{"没有新的开奖数据（最新一期为第2026095期）", "来源：a（已与b核对）",
                           "两个来源说法不一的往期开奖（历史数据未改动）：",
                           "  第2026094期两个来源不一致：a为01 02 03 04 05 06+08，b为01 02 03 04 05 06+09",
                           "与历史数据不同的往期开奖（历史数据未改动）：",
                           "  第2026095期：历史数据为02 09 15 18 25 33+07，a为02 09 15 18 25 33+08，b为02 09 15 18 25 33+08"};
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
        QTest::newRow("nothing usable") << "[a]\n" << "cwl draw-notice;17500 table"
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
        QTest::newRow("state as a string") << json << QByteArray(kRealNotice).replace(R"("state":0)", R"("state":"0")")
                                           << "2025063" << "";
        QTest::newRow("state 1 as a string")
            << json << QByteArray(R"({"state":"1","msg":"系统繁忙，请稍后再试"})") << "" << "接口返回错误：系统繁忙，请稍后再试";
        QTest::newRow("no result, the site's words")
            << json << QByteArray(R"({"state":0,"message":"请求过于频繁"})") << "" << "接口没有给出开奖数据：请求过于频繁";
        QTest::newRow("challenge page") << json << QByteArray("<html><script>var a=1;document.cookie='x'</script></html>")
                                        << "" << "网站拒绝了本程序的访问（可能是防机器人检查），请稍后再试或改用其他来源（HTTP 200 收到的是带脚本的网页）";
        QTest::newRow("full-history text, no final line break") << table << kRealTable << "2025062 2025063 2025064" << "";
        QTest::newRow("bare lines, no final line break")
            << table << QByteArray("2026096 01 05 12 19 27 33 16\n2026097 03 07 12 19 27 31 09") << "2026096 2026097" << "";
        QTest::newRow("complete last line shorter than the one before")
            << table << kRealTable.left(kRealTable.lastIndexOf('\n')) + "\n2025064 2025-06-08 01 05 12 19 27 33 16 33 01 05 12 27 19 - -"
            << "2025062 2025063 2025064" << "";
        QTest::newRow("cut last line names its issue")
            << table << kRealTable.left(kRealTable.lastIndexOf('\n')) + "\n2025064 2025-06-08 01 05 12 19 27 33 1"
            << "2025062 2025063" << "第3行（第2025064期）不完整：最后一行没有换行，可能没有下载完整，已舍去";
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

    // A device or a pipe has no size to check beforehand: the limit holds while reading.
    void localSourceWithinLimit()
    {
        UpdateSource zero;
        zero.address = QStringLiteral("/dev/zero");
        QCOMPARE(ReadLocalSource(zero, 1000).failure, FetchResult::TooLarge);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        QVERIFY(writeFile(path, QByteArray(1000, 'x')));
        zero.address = path;
        QCOMPARE(ReadLocalSource(zero, 1000).bytes.size(), 1000);
        QCOMPARE(ReadLocalSource(zero, 999).failure, FetchResult::TooLarge);
        // The cap is named in MB from 1 MB.
        QCOMPARE(FetchFailureText(FetchResult::failed(FetchResult::TooLarge, {}), 30, 1 << 20), "数据超过 1 MB，不是开奖数据");
    }

    // A history far behind: the draw-notice interface is asked page after page until its
    // draws reach the history, and every missing draw is added.
    void pagesUntilTheHistory_data()
    {
        QTest::addColumn<int>("newest");     // the history's newest draw of 2027 (1..150)
        QTest::addColumn<bool>("paging");    // whether the server honours pageNo
        QTest::addColumn<int>("pages");      // pages asked for
        QTest::addColumn<QString>("headline");
        QTest::newRow("130 behind") << 20 << true << 2 << "新增130期（2027021–2027150）";
        QTest::newRow("within one page") << 120 << true << 1 << "新增30期（2027121–2027150）";
        QTest::newRow("exactly one page") << 50 << true << 2 << "新增100期（2027051–2027150）";
        QTest::newRow("a server that ignores pageNo")
            << 20 << false << 2 << "找到100期新开奖，都没有加入（缺少第2027021–2027050期），开奖数据没有改动";
    }
    void pagesUntilTheHistory()
    {
        QFETCH(int, newest);
        QFETCH(bool, paging);
        QFETCH(int, pages);
        QFETCH(QString, headline);
        // Draws 2027001..2027150, made up (a year the computer's clock may not have reached, so
        // the first count asked for is too small); the answer pages them newest first.
        auto draw = [](int no) {
            return QString::fromUtf8(R"J({"code":"%1","date":"2027-01-01(三)","red":"%2,%3,%4,%5,%6,%7","blue":"%8"})J")
                .arg(2027000 + no)
                .arg(no % 5 + 1, 2, 10, QLatin1Char('0')).arg(no % 5 + 7).arg(no % 5 + 13).arg(no % 5 + 19)
                .arg(no % 5 + 25).arg(no % 3 + 31).arg(no % 16 + 1, 2, 10, QLatin1Char('0'));
        };
        UpdateSource notice = web(QStringLiteral("n"), UpdateSource::DrawNotice);
        notice.address += QStringLiteral("?name=ssq&issueCount=100&pageNo=1&pageSize=100&systemType=PC");
        QStringList asked;
        const UpdateOutcome o = RunUpdate(history(2027000 + newest), {notice}, [&](const UpdateSource &s) {
            asked << s.address;
            const QUrlQuery q{QUrl(s.address)};
            const int page = paging ? q.queryItemValue("pageNo").toInt() : 1;
            const int size = q.queryItemValue("pageSize").toInt();
            // The newest issueCount draws, a page of them.
            const int total = qMin(150, q.queryItemValue("issueCount").toInt());
            QStringList items;
            for (int no = 150 - (page - 1) * size; no > qMax(150 - total, 150 - page * size); --no)
                items << draw(no);
            return FetchResult::success(QString::fromUtf8(R"({"state":0,"total":%1,"result":[%2]})")
                                            .arg(total).arg(items.join(',')).toUtf8());
        }, UpdateRules{});
        QCOMPARE(asked.size(), pages);
        QVERIFY2(asked.value(1).isEmpty() || asked[1].contains("&pageNo=2&"), qPrintable(asked.value(1)));
        QCOMPARE(UpdateHeadline(o), headline);
        if (paging)
            QCOMPARE(AppendDraws({}, o.merge.added).count('\n'), 150 - newest);
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
        QTest::addColumn<QString>("held");         // issues held back: why
        QTest::addColumn<QString>("reported");     // conflicts | disagreements | missing, "" for none
        QTest::newRow("new draws") << k096 + k097 << QByteArray() << "2026096 2026097" << "" << "";
        QTest::newRow("older draws only") << kHistory << QByteArray() << "" << "" << "";
        QTest::newRow("sources agree") << kHistory + k096 << k096 + k097 << "2026096 2026097" << "" << "";
        QTest::newRow("the second adds what the first lacks") << k096 << k096 + k097 << "2026096 2026097" << "" << "";
        QTest::newRow("history differs: listed, kept")
            << QByteArray("2026095 02 09 15 18 25 33 08\n") + k096 << QByteArray() << "2026096" << ""
            << "第2026095期：历史数据为02 09 15 18 25 33+07，A为02 09 15 18 25 33+08";
        QTest::newRow("sources disagree on a new draw: it and the later ones wait")
            << k096 + k097 + k098 << k096 + QByteArray(k097).replace(" 16", " 15") + k098 << "2026096"
            << "2026097 2026098：第2026097期两个来源不一致：A为01 05 12 19 27 33+16，B为01 05 12 19 27 33+15" << "";
        QTest::newRow("sources disagree on an old draw")
            << QByteArray("2026094 01 02 03 04 05 06 08\n") << QByteArray("2026094 01 02 03 04 05 06 09\n") << "" << ""
            << "第2026094期两个来源不一致：A为01 02 03 04 05 06+08，B为01 02 03 04 05 06+09";
        QTest::newRow("gap within the year") << k096 + k098 << QByteArray() << "2026096" << "2026098：缺少第2026097期" << "";
        QTest::newRow("gap right after the history")
            << k097 + k098 << QByteArray() << "" << "2026097 2026098：缺少第2026096期" << "";
        QTest::newRow("a new year starts at 001") << QByteArray("2027001 01 02 03 04 05 06 07\n") << QByteArray()
                                                  << "2027001" << "" << "";
        QTest::newRow("a new year that does not") << QByteArray("2027003 01 02 03 04 05 06 07\n") << QByteArray()
                                                  << "" << "2027003：缺少第2027001–2027002期" << "";
        QTest::newRow("years missing") << QByteArray("2028001 01 02 03 04 05 06 07\n") << QByteArray() << ""
                                       << "2028001：第2026095期与第2028001期之间缺少2027年的开奖数据" << "";
        QTest::newRow("missing inside the history")
            << QByteArray("2026093 01 02 03 04 05 06 07\n") << QByteArray() << "" << "" << "";
    }
    void merge()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, added);
        QFETCH(QString, held);
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
        QStringList heldIssues;
        for (int issue : r.heldBack)
            heldIssues << QString::number(issue);
        QCOMPARE(r.heldBack.isEmpty() ? QString() : heldIssues.join(u' ') + QStringLiteral("：") + r.heldReason, held);
        QCOMPARE((r.conflicts + r.disagreements + r.missingInHistory).join(u'|'), reported);
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
        QCOMPARE(DrawDatesFileFor(QStringLiteral("/d/ssq.dxt")), QStringLiteral("/d/ssq-dates.txt"));
    }

    // "网站支持": the player's site from "website.txt", else the built-in page, which names
    // the newest draw, the files and every source, and no site that does not exist.
    void supportPage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("site");
        QTest::newRow("none") << QByteArray() << "";
        QTest::newRow("address") << QByteArray("http://my.site.cn/ssq\r\n") << "http://my.site.cn/ssq";
        QTest::newRow("comments first") << QByteArray("; 我的网站\n\n  https://a.cn/  \n") << "https://a.cn/";
        QTest::newRow("GBK comment") << QByteArray(QStringEncoder("GBK").encode(QStringLiteral("# 网址\nhttps://b.cn\n"))) << "https://b.cn";
        QTest::newRow("no scheme") << QByteArray("www.my.cn\nhttp://later.cn\n") << "";
        QTest::newRow("not the web") << QByteArray("file:///etc/passwd\n") << "";
    }
    void supportPage()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, site);
        QCOMPARE(PlayerSiteFromText(file).toString(), site);

        const TBeenCodesRecArr history{{2026, 96, {1, 2, 3, 4, 5, 6}, 7}};
        SupportPageFacts facts;
        facts.CodeArr = &history;
        facts.dates = DrawDates::Parse("2026096 2026-08-18\r\n");
        facts.historyFile = QStringLiteral("/d/ssq.dxt");
        facts.helpFile = QStringLiteral("/h/readme.txt");
        facts.sources = DefaultSources();
        facts.unreachableSite = QUrl(site);
        const QString html = SupportPageHtml(facts);
        QStringList expected{QStringLiteral("晨帆选号通"), QStringLiteral("发行版本:2005"),
                             QStringLiteral("第2026096期,开奖号:01 02 03 04 05 06 07"),
                             QStringLiteral("（开奖日期 2026-08-18）"), QStringLiteral("/d/ssq.dxt"),
                             QStringLiteral("/h/readme.txt"), QStringLiteral("/d/website.txt")};
        for (const UpdateSource &s : facts.sources)
            expected << s.title << s.address.toHtmlEscaped();
        for (const QString &text : expected)
            QVERIFY2(html.contains(text), qPrintable(text));
        QCOMPARE(html.contains(QStringLiteral("暂时无法打开您设置的网站")), !site.isEmpty());
        QVERIFY(!html.contains(QStringLiteral(".example")));
    }
};

QTEST_GUILESS_MAIN(TestUpdateRun)
#include "tst_UpdateRun.moc"
