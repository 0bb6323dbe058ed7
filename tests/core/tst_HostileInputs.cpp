// Inputs no user means to give: huge, binary or foreign files and texts. None may crash
// the program, stall it for minutes or lose the history it holds.
#include "charts/ChartPageJson.h"
#include "charts/ChartPageList.h"
#include "code/SsqError.h"
#include "history/HistoryFile.h"
#include "history/HistoryParser.h"
#include "recommend/RecommendCommands.h"
#include "reduction/ConditionFile.h"
#include "reduction/GroupLines.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kLine = "2005013 02 09 15 18 25 33 07\r\n";

TBeenCodesRecArr twoDraws()
{
    TBeenCodesRecArr history(2);
    history[0] = {2005, 12, {1, 2, 3, 4, 5, 6}, 1};
    history[1] = {2005, 13, {2, 9, 15, 18, 25, 33}, 7};
    return history;
}

// count draws of consecutive issues with reds and blue from a fixed random sequence.
TBeenCodesRecArr randomHistory(int count)
{
    QRandomGenerator random(20051);
    TBeenCodesRecArr history(std::size_t(count), DrawRecord{});
    for (int i = 0; i < count; ++i) {
        DrawRecord &d = history[std::size_t(i)];
        d.Year = 2003 + i / 154;
        d.No = 1 + i % 154;
        std::uint64_t used = 0;
        for (auto &red : d.Red) {
            int n;
            do
                n = 1 + int(random.bounded(33));
            while (used & (std::uint64_t{1} << n));
            used |= std::uint64_t{1} << n;
            red = std::int8_t(n);
        }
        d.Blue = 1 + int(random.bounded(16));
    }
    return history;
}

QByteArray historyText(const TBeenCodesRecArr &history)
{
    QByteArray text;
    text.reserve(qsizetype(history.size()) * kLine.size());
    for (const DrawRecord &d : history) {
        text += d.issueText().toLatin1();
        for (auto red : d.Red)
            text += ' ' + QByteArray::number(red).rightJustified(2, '0');
        text += ' ' + QByteArray::number(d.Blue).rightJustified(2, '0') + "\r\n";
    }
    return text;
}

bool writeFile(const QString &path, const QByteArray &bytes, int times = 1)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < times; ++i)
        if (file.write(bytes) != bytes.size())
            return false;
    return true;
}

// Parses GBK bytes as the data panel does, timing it.
bool parseTimed(const QByteArray &bytes, TBeenCodesRecArr &history, Collector &reporter, qint64 &ms)
{
    QElapsedTimer clock;
    clock.start();
    const bool ok = DataTxtToCodeArr(HistoryTextLines(bytes), history, reporter);
    ms = clock.elapsed();
    return ok;
}

} // namespace

class TestHostileInputs : public QObject
{
    Q_OBJECT
private slots:
    // 200 MB of history lines: refused on its size before a byte is read, at once.
    void hugeHistoryFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.txt"));
        const QByteArray block = kLine.repeated(1 << 15);   // about 0.9 MB
        QVERIFY(writeFile(path, block, 200 * 1024 * 1024 / int(block.size()) + 1));
        QVERIFY(QFileInfo(path).size() > 200 * 1024 * 1024);
        QElapsedTimer clock;
        clock.start();
        const TextFileRead read = ReadGbkTextFile(path);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(read.status, TextFileRead::TooLarge);
        QVERIFY(read.text.isEmpty());
        QVERIFY2(read.error.contains(QStringLiteral("超过了开奖数据文件的上限16.0 MB")), qPrintable(read.error));
        QVERIFY(read.error.contains(QStringLiteral("200.")));
    }

    // Just below the limit (16 MB, over half a million draws) is read and parsed whole,
    // and the parser's time grows linearly: four times the lines, not sixteen times the time.
    void largestAcceptedFileParsesInLinearTime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.txt"));
        const int lines = int(kMaxHistoryTextBytes / kLine.size());
        QVERIFY(writeFile(path, kLine, lines));
        const TextFileRead read = ReadGbkTextFile(path);
        QCOMPARE(read.status, TextFileRead::Ok);

        const QByteArray all = kLine.repeated(lines);
        TBeenCodesRecArr history;
        Collector reporter;
        qint64 quarterMs = 0, wholeMs = 0;
        QVERIFY(parseTimed(all.left(all.size() / 4), history, reporter, quarterMs));
        QCOMPARE(history.size(), std::size_t(lines / 4));
        QVERIFY(parseTimed(all, history, reporter, wholeMs));
        QCOMPARE(history.size(), std::size_t(lines));
        QVERIFY(reporter.messages.isEmpty());
        qInfo("parsed %d lines in %lld ms (a quarter in %lld ms)", lines, wholeMs, quarterMs);
        QVERIFY2(wholeMs < 8 * std::max<qint64>(quarterMs, 50), "the parser is not linear");
        QVERIFY2(wholeMs < 120000, "over two minutes for the largest file");
    }

    // Random bytes: one message that lists a bounded number of lines, the history unchanged.
    void binaryFile()
    {
        QRandomGenerator random(7);
        QByteArray bytes(4 * 1024 * 1024, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        TBeenCodesRecArr history = twoDraws();
        Collector reporter;
        qint64 ms = 0;
        QVERIFY(!parseTimed(bytes, history, reporter, ms));
        QCOMPARE(history, twoDraws());
        QCOMPARE(reporter.messages.size(), 1);
        QVERIFY(reporter.messages[0].startsWith(QString::fromUtf16(kBadLinesMessage)));
        QVERIFY2(reporter.messages[0].size() < 2000, "one line number per bad line");
        QVERIFY(reporter.messages[0].contains(QStringLiteral("……共")));
        qInfo("4 MB of random bytes: %lld ms", ms);
    }

    // The list of bad lines stops after 200 numbers and gives the total.
    void badLineListIsBounded()
    {
        const QStringList lines(250, QStringLiteral("bad"));
        TBeenCodesRecArr history = twoDraws();
        Collector reporter;
        QVERIFY(!DataTxtToCodeArr(lines, history, reporter));
        QCOMPARE(reporter.messages.size(), 1);
        const QString &message = reporter.messages[0];
        QVERIFY(message.contains(QStringLiteral("\r\n191,192,193,194,195,196,197,198,199,200,\r\n……共250行")));
        QVERIFY(!message.contains(QStringLiteral("201,")));
        QVERIFY(message.endsWith(QStringLiteral("……共250行")));
    }

    // Lines of the right shape whose fields are no numbers: ten messages and a count,
    // never a message box per line.
    void manyUnconvertibleLines()
    {
        const QByteArray bytes = QByteArray("2005a13 02 09 15 18 25 33 07\r\n").repeated(100000);
        TBeenCodesRecArr history = twoDraws();
        Collector reporter;
        qint64 ms = 0;
        QVERIFY(!parseTimed(bytes, history, reporter, ms));
        QCOMPARE(history, twoDraws());
        QCOMPARE(reporter.messages.size(), 11);
        QCOMPARE(reporter.messages[9], QStringLiteral("第10行数据有错误！！"));
        QCOMPARE(reporter.messages[10], QStringLiteral("另有99990行数据有错误！！"));
    }

    void tenMegabyteLine_data()
    {
        QTest::addColumn<QByteArray>("unit");
        QTest::newRow("no blank") << QByteArray("0123456789");
        QTest::newRow("blanks") << QByteArray("01 ");
        QTest::newRow("a draw without line breaks") << kLine.left(kLine.size() - 2) + ' ';
        QTest::newRow("GBK characters") << QStringEncoder("GBK").encode(QStringLiteral("双色球 ")).operator QByteArray();
    }
    void tenMegabyteLine()
    {
        QFETCH(QByteArray, unit);
        const QByteArray line = unit.repeated(10 * 1024 * 1024 / unit.size());
        TBeenCodesRecArr history = twoDraws();
        Collector reporter;
        qint64 ms = 0;
        const bool ok = parseTimed(line, history, reporter, ms);
        qInfo("10 MB line: %lld ms", ms);
        QVERIFY2(ms < 60000, "a single long line takes minutes");
        if (ok) {
            // Only a line that starts as a draw gets through: its first eight fields count.
            QCOMPARE(history.size(), std::size_t(1));
            QCOMPARE(history[0].issueNo(), 2005013);
        } else {
            QCOMPARE(history, twoDraws());
            QCOMPARE(reporter.messages.size(), 1);
        }
    }

    // A file saved as UTF-8 instead of GBK: Chinese text decodes as other characters.
    // Draw lines stay draw lines; a Chinese title line makes the whole text refused.
    void utf8TextWithChinese()
    {
        TBeenCodesRecArr history = twoDraws();
        Collector reporter;
        qint64 ms = 0;
        const QByteArray drawsWithNote = "2005013 02 09 15 18 25 33 07 " + QStringLiteral("第十三期").toUtf8() + "\r\n";
        QVERIFY(parseTimed(drawsWithNote, history, reporter, ms));
        QCOMPARE(history.size(), std::size_t(1));
        QCOMPARE(history[0].Blue, 7);

        history = twoDraws();
        const QByteArray titled = QStringLiteral("期号 红一 红二 红三 红四 红五 红六 蓝球\r\n").toUtf8() + kLine;
        QVERIFY(!parseTimed(titled, history, reporter, ms));
        QCOMPARE(history, twoDraws());
        QCOMPARE(reporter.messages.last(), QString::fromUtf16(kBadLinesMessage) + QStringLiteral("\r\n1,"));

        // Full-width digits are no digits.
        reporter.messages.clear();
        const QByteArray fullWidth = QStringLiteral("２００５０１３ ０２ 09 15 18 25 33 07\r\n").toUtf8();
        QVERIFY(!parseTimed(fullWidth, history, reporter, ms));
        QCOMPARE(history, twoDraws());
        QCOMPARE(reporter.messages.size(), 1);
    }

    // 100,000 draws: every chart page over the default 30 draws and over all of them, and
    // the recommendations, each within seconds.
    void hundredThousandDraws()
    {
        const TBeenCodesRecArr history = randomHistory(100000);
        TBeenCodesRecArr parsed;
        Collector reporter;
        qint64 ms = 0;
        QVERIFY(parseTimed(historyText(history), parsed, reporter, ms));
        QCOMPARE(parsed, history);
        qInfo("parse 100000 draws: %lld ms", ms);
        // Every page over the default count and over a thousand draws; the analysis table
        // also over all 100,000 (a table of that many rows is big, but linear). The
        // routines read only the N newest draws, so the history's length costs nothing.
        const auto timedPage = [&history](int page, int n, qint64 limitMs) {
            QElapsedTimer clock;
            clock.start();
            QString error;
            const QJsonObject json = ChartPageJson(history, page, n, 1, &error);
            qInfo("page %2d N=%6d: %lld ms", page, n, clock.elapsed());
            return !json.isEmpty() && clock.elapsed() < limitMs;
        };
        for (int page = 0; page < ChartPageCount; ++page)
            for (int n : {30, 1000})
                QVERIFY2(timedPage(page, n, n == 30 ? 2000 : 10000), qPrintable(kChartPageCaptions[page]));
        QVERIFY(timedPage(PageAnalysis, 100000, 60000));
        for (RecommendKind kind : kRecommendKinds) {
            if (kind == RecommendKind::Single)
                continue;   // enumerates every combination: timed by the single-ticket test
            QElapsedTimer clock;
            clock.start();
            QVERIFY(!RunRecommend(kind, history).lines.isEmpty());
            QVERIFY2(clock.elapsed() < 3000, qPrintable(RecommendKindName(kind)));
        }
    }

    // The single-ticket command, heavy for the fuzzer, once on a history from random bytes
    // folded into the game's range and once on values the parser would never let through.
    void singleTicketOnFuzzedHistory()
    {
        QRandomGenerator random(99);
        TBeenCodesRecArr odd(30);
        for (DrawRecord &d : odd) {
            d.Year = int(random.bounded(-5, 10000));
            d.No = int(random.bounded(-5, 1000));
            for (auto &red : d.Red)
                red = std::int8_t(random.bounded(-128, 128));
            d.Blue = int(random.bounded(-128, 128));
        }
        for (const TBeenCodesRecArr &history : {randomHistory(25), odd}) {
            QStringList lines;
            QString error;
            const bool ok = RecommendCommandLines(history, QStringLiteral("single"), lines, error);
            QVERIFY(ok || !error.isEmpty());
            if (ok)
                QVERIFY(!lines.isEmpty());
        }
    }

    // A condition file of 100,000 keys (the real ones among them, last): read and merged
    // into on export within seconds.
    void conditionFileWithManyKeys()
    {
        QByteArray ini = QStringEncoder("GBK").encode(QStringLiteral("[条件设置]\r\n"));
        for (int i = 0; i < 100000; ++i)
            ini += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
        ini += QStringEncoder("GBK").encode(QStringLiteral("选号匹配=01,02,03&1#04,05&0,2\r\nAC值设计=4,9\r\n"));
        ConditionSet conditions = DefaultConditions();
        QElapsedTimer clock;
        clock.start();
        ApplyConditionIni(ini, conditions);
        const qint64 readMs = clock.elapsed();
        QCOMPARE(conditions.CodeSel1, (QStringList{"01,02,03&1", "04,05&0,2"}));
        QCOMPARE(conditions.AcRange.min, 4);
        QCOMPARE(conditions.AcRange.max, 9);
        clock.restart();
        const QByteArray merged = ConditionsToIni(conditions, ini);
        const qint64 writeMs = clock.elapsed();
        QVERIFY(merged.contains("Key99999=99999\r\n"));
        ConditionSet again = DefaultConditions();
        ApplyConditionIni(merged, again);
        QCOMPARE(again, conditions);
        qInfo("100000 keys: read %lld ms, merge %lld ms", readMs, writeMs);
        QVERIFY(readMs < 20000 && writeMs < 20000);
    }

    // A group list of a megabyte in one value is read whole, every group checked.
    void megabyteGroupList()
    {
        QStringList groups;
        qsizetype bytes = 0;
        for (int i = 0; bytes < 1024 * 1024; ++i) {
            groups << QStringLiteral("%1,%2,%3&0,1").arg(1 + i % 31).arg(2 + i % 31).arg(3 + i % 31);
            bytes += groups.last().size() + 1;
        }
        const QByteArray ini = QStringEncoder("GBK").encode(QStringLiteral("[条件设置]\r\n选号匹配=")
                                                           + GroupLinesToText(groups) + QStringLiteral("\r\n"));
        ConditionSet conditions = DefaultConditions();
        ApplyConditionIni(ini, conditions);
        QCOMPARE(conditions.CodeSel1.size(), groups.size());
        QCOMPARE(conditions.CodeSel1.last(), groups.last());
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ParseGroupList(conditions.CodeSel1, 1).size(), std::size_t(groups.size()));
        QVERIFY(clock.elapsed() < 10000);
    }

    // Every malformation the group check refuses: no group, a reason, and the list's
    // message names the list and the line.
    void malformedGroupLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        const QString shape = QStringLiteral("应写成“号码&匹配个数”，如01,08,09&1,2");
        QTest::newRow("empty line") << "" << shape;
        QTest::newRow("blanks only") << "   " << shape;
        QTest::newRow("no ampersand") << "01,02,03" << shape;
        QTest::newRow("empty number part") << "&0,1" << QStringLiteral("没有输入号码");
        QTest::newRow("empty count part") << "01,02&" << shape;
        QTest::newRow("two ampersands") << "01&02&1" << shape;
        QTest::newRow("only commas in numbers") << ",,,&1" << QStringLiteral("没有号码");
        QTest::newRow("only commas in counts") << "01,02&,," << QStringLiteral("没有匹配个数");
        QTest::newRow("letter") << "0a,02&1" << QStringLiteral("“0a”不是整数");
        QTest::newRow("sign") << "-1,02&1" << QStringLiteral("“-1”不是整数");
        QTest::newRow("plus sign") << "+1,02&1" << QStringLiteral("“+1”不是整数");
        QTest::newRow("decimal point") << "1.5,02&1" << QStringLiteral("“1.5”不是整数");
        QTest::newRow("full-width digit") << QStringLiteral("０１,02&1") << QStringLiteral("“０１”不是整数");
        QTest::newRow("Chinese") << QStringLiteral("一,02&1") << QStringLiteral("“一”不是整数");
        QTest::newRow("beyond int") << "99999999999,02&1" << QStringLiteral("“99999999999”不是整数");
        QTest::newRow("number 0") << "0,02&1" << QStringLiteral("号码0不在1-33之间");
        QTest::newRow("number 34") << "01,34&1" << QStringLiteral("号码34不在1-33之间");
        QTest::newRow("count 7") << "01,02&7" << QStringLiteral("匹配个数7不在0-6之间");
        QTest::newRow("count letter") << "01,02&x" << QStringLiteral("“x”不是整数");
        QTest::newRow("semicolon separator") << "01;02&1" << QStringLiteral("“01;02”不是整数");
    }
    void malformedGroupLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        QString problem;
        QVERIFY(!ParseGroupLine(line, &problem));
        QCOMPARE(problem, reason);
        try {
            ParseGroupList({QStringLiteral("01&1"), line}, 2);
            QFAIL("a bad line passed the list check");
        } catch (const SsqError &error) {
            QCOMPARE(error.text(), QStringLiteral("选号匹配列表2的第2行“%1”有错误：%2！！").arg(line, reason));
        }
    }
};

QTEST_MAIN(TestHostileInputs)
#include "tst_HostileInputs.moc"
