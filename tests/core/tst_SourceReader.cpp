// The readers of the update's sources, on answers of each real form (made from the public
// descriptions of the forms) and on broken ones.
#include "update/SourceReader.h"

#include <QTest>

namespace {
// The operator's draw-notice answer: newest first, dates with the weekday.
const QByteArray kNotice = R"J({"state":0,"message":"查询成功","total":2,"pageNo":1,"pageSize":30,"result":[
 {"name":"双色球","code":"2026097","date":"2026-08-20(四)","week":"四","red":"03,07,12,19,27,31","blue":"09","sales":"1"},
 {"name":"双色球","code":"2026096","date":"2026-08-18(二)","week":"二","red":"01,05,12,19,27,33","blue":"16"}]})J";
// The results site's text: issue, date, reds ascending, blue, reds in drawn order, sales...
const QByteArray kTable = "2026096 2026-08-18 01 05 12 19 27 33 16 33 01 05 12 27 19 380000000 1\n"
                          "2026097 2026-08-20 03 07 12 19 27 31 09 31 03 07 12 19 27 390000000 2\n";
} // namespace

class TestSourceReader : public QObject
{
    Q_OBJECT
private slots:
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
        QTest::newRow("table html") << table << QByteArray("<html>404</html>") << "" << "网页";
        QTest::newRow("table no draws") << table << QByteArray("hello\nworld\n") << "" << "没有读到";
        QTest::newRow("same draw twice") << table << kTable + kTable.left(kTable.indexOf('\n') + 1) << "2026096 2026097" << "重复出现";
        QTest::newRow("one issue, two draws")
            << table << kTable + "2026097 2026-08-20 03 07 12 19 27 32 09\n" << "2026096" << "号码不同";
        QTest::newRow("mixed order")
            << table << "2026098 01 02 03 04 05 06 07\n" + kTable << "2026096 2026097 2026098" << "顺序错乱";
        QTest::newRow("blue 17") << table << QByteArray(kTable).replace(" 09 31", " 17 31") << "2026096" << "蓝球17超出";
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

    // Reds are compared in one order, dates without the weekday.
    void drawsAreNormalised()
    {
        const SourceRead read = ReadSourceAnswer(UpdateSource::DrawTable, "2026096 2026-08-18 33 01 05 12 27 19 16\n");
        QCOMPARE(read.draws.value(0).draw, (DrawRecord{2026, 96, {1, 5, 12, 19, 27, 33}, 16}));
        QCOMPARE(ReadSourceAnswer(UpdateSource::DrawNotice, kNotice).draws.value(0).date, QStringLiteral("2026-08-18"));
    }
};

QTEST_GUILESS_MAIN(TestSourceReader)
#include "tst_SourceReader.moc"
