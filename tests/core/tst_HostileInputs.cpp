// Inputs no user means to give: huge or foreign files and texts (random bytes are the fuzz
// targets' part). None may crash the program, stall it for minutes or lose the history it holds.
#include "core/code/SsqError.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryParser.h"
#include "core/recommend/RecommendCommands.h"
#include "core/reduction/GroupLines.h"
#include "TestSupport.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kLine = "2005013 02 09 15 18 25 33 07\r\n";

TBeenCodesRecArr twoDraws()
{
    return {{2005, 12, {1, 2, 3, 4, 5, 6}, 1}, {2005, 13, {2, 9, 15, 18, 25, 33}, 7}};
}

bool writeRepeated(const QString &path, const QByteArray &bytes, int times)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < times; ++i)
        if (file.write(bytes) != bytes.size())
            return false;
    return true;
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
        QVERIFY(writeRepeated(path, block, 200 * 1024 * 1024 / int(block.size()) + 1));
        QVERIFY(QFileInfo(path).size() > 200 * 1024 * 1024);
        const TextFileRead read = ReadGbkTextFile(path);
        QCOMPARE(read.status, TextFileRead::TooLarge);
        QVERIFY(read.text.isEmpty());
        QVERIFY2(read.error.contains(QStringLiteral("超过了开奖数据文件的上限16.0 MB")), qPrintable(read.error));
        QVERIFY(read.error.contains(QStringLiteral("200.")));
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

    // Every malformation the group check refuses: no group, a reason, and the list's
    // message names the list and the line.
    void malformedGroupLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        const QString shape = QStringLiteral("应写成“号码&匹配个数”，如01,08,09&1,2");
        QTest::newRow("no ampersand") << "01,02,03" << shape;
        QTest::newRow("empty number part") << "&0,1" << QStringLiteral("没有输入号码");
        QTest::newRow("two ampersands") << "01&02&1" << shape;
        QTest::newRow("only commas in numbers") << ",,,&1" << QStringLiteral("没有号码");
        QTest::newRow("sign") << "-1,02&1" << QStringLiteral("“-1”不是整数");
        QTest::newRow("full-width digit") << QStringLiteral("０１,02&1") << QStringLiteral("“０１”不是整数");
        QTest::newRow("beyond int") << "99999999999,02&1" << QStringLiteral("号码99999999999不在1-33之间");
        QTest::newRow("number 34") << "01,34&1" << QStringLiteral("号码34不在1-33之间");
        QTest::newRow("count 7") << "01,02&7" << QStringLiteral("匹配个数7不在0-6之间");
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
