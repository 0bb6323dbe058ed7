// "条件导入" is all or nothing: a file that is not a condition file, or holds one bad
// value, is refused with a message naming the file, the key and the value, and the
// conditions stay exactly as they were. A file saved as UTF-8 by a modern editor reads
// like the GBK file the program writes.
#include "code/SsqError.h"
#include "reduction/ConditionFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

// A set in which every kind of member differs from the defaults.
ConditionSet busySet()
{
    ConditionSet c = DefaultConditions();
    c.CodeSel1 = {QStringLiteral("01,08,09&1,2")};
    c.CodeSel2 = {QStringLiteral("3,4&0")};
    c.ZoneCounts[2].setChecked(4, true);
    c.OddEvenRatio.setChecked(3, true);
    c.SumRange = {90, 110};
    c.TailBigSmallRatio.setChecked(6, true);
    return c;
}

// A whole exported file with one line replaced (or appended when the key is new).
QString exportedWith(const QString &key, const QString &value)
{
    ConditionSet file = DefaultConditions();
    file.ZoneCounts[0].setChecked(1, true);   // read before every range of the file
    const QByteArray bytes = ConditionsToIni(file);
    const QString text = QStringDecoder("GBK").decode(bytes);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    bool replaced = false;
    for (QString &line : lines)
        if (line.startsWith(key + QLatin1Char('='))) {
            line = key + QLatin1Char('=') + value;
            replaced = true;
        }
    if (!replaced)
        lines.insert(1, key + QLatin1Char('=') + value);
    return lines.join(QStringLiteral("\r\n"));
}

const QString kFile = QStringLiteral("/tmp/坏文件.ini");

QString refusal(const QString &reason)
{
    return QStringLiteral("条件配置文件“%1”没有导入，条件没有改变：%2").arg(QDir::toNativeSeparators(kFile), reason);
}

} // namespace

class TestConditionImport : public QObject
{
    Q_OBJECT

private slots:
    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString notText = refusal(QStringLiteral("文件不是GBK或UTF-8编码的文本！！"));
        const QString noSection = refusal(QStringLiteral("文件中没有“[条件设置]”一节，不是条件配置文件！！"));
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16) << notText;
        QTest::newRow("cut GBK character") << gbk(exportedWith(QStringLiteral("总和值"), QStringLiteral("60"))) + "\xcc"
                                           << notText;
        QTest::newRow("GBK user area") << QByteArray("[\xcc\xf5\xbc\xfe\xc9\xe8\xd6\xc3]\r\n\xa1\x40=1\r\n") << notText;
        QTest::newRow("empty file") << QByteArray() << noSection;
        QTest::newRow("other INI") << gbk(QStringLiteral("[其他]\r\n总和值=50,120\r\n")) << noSection;
        QTest::newRow("plain text") << gbk(QStringLiteral("01 02 03 04 05 06\r\n")) << noSection;
        QTest::newRow("bad range piece")
            << gbk(exportedWith(QStringLiteral("总和值"), QStringLiteral("5a,120")))
            << refusal(QStringLiteral("“总和值”的值“5a,120”有错误：“5a”不是整数！！"));
        QTest::newRow("bad surplus piece")
            << gbk(exportedWith(QStringLiteral("尾数和"), QStringLiteral("3,51,x")))
            << refusal(QStringLiteral("“尾数和”的值“3,51,x”有错误：“x”不是整数！！"));
        QTest::newRow("bad flag") << gbk(exportedWith(QStringLiteral("奇偶设计3"), QStringLiteral("yes")))
                                  << refusal(QStringLiteral("“奇偶设计3”的值“yes”有错误：“yes”不是整数！！"));
        QTest::newRow("group without numbers")
            << gbk(exportedWith(QStringLiteral("选号匹配"), QStringLiteral("1,2&0#&1")))
            << refusal(QStringLiteral("选号匹配列表1的第2行“&1”有错误：没有输入号码！！"));
        QTest::newRow("group number 40")
            << exportedWith(QStringLiteral("选号匹配"), QStringLiteral("1,40&1")).toUtf8()
            << refusal(QStringLiteral("选号匹配列表1的第1行“1,40&1”有错误：号码40不在1-33之间！！"));
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ConditionSet c = busySet();
        try {
            ApplyConditionIni(bytes, c, kFile);
            QFAIL("the file must be refused");
        } catch (const SsqError &e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(c, busySet());
    }

    void utf8FilesReadLikeGbk_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("UTF-8") << QByteArray();
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF");
    }

    void utf8FilesReadLikeGbk()
    {
        QFETCH(QByteArray, prefix);
        ConditionSet written = busySet();
        written.AcRange = {4, 9};
        const QString text = QStringDecoder("GBK").decode(ConditionsToIni(written));
        ConditionSet fromGbk = DefaultConditions();
        ApplyConditionIni(ConditionsToIni(written), fromGbk);
        ConditionSet fromUtf8 = DefaultConditions();
        ApplyConditionIni(prefix + text.toUtf8(), fromUtf8);
        QCOMPARE(fromUtf8, fromGbk);
        QCOMPARE(fromUtf8.CodeSel1, written.CodeSel1);
        QCOMPARE(fromUtf8.AcRange, (ValueRange{4, 9}));
    }

    // The file on disk: a refusal names the file the user chose.
    void importOfARefusedFileNamesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("条件.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(gbk(exportedWith(QStringLiteral("总和值"), QStringLiteral("5a,120"))));
        file.close();
        ConditionSet c = busySet();
        try {
            ImportConditionFile(path, c);
            QFAIL("the file must be refused");
        } catch (const SsqError &e) {
            QVERIFY2(e.text().startsWith(QStringLiteral("条件配置文件“%1”没有导入").arg(QDir::toNativeSeparators(path))),
                     qPrintable(e.text()));
        }
        QCOMPARE(c, busySet());
    }
};

QTEST_GUILESS_MAIN(TestConditionImport)
#include "tst_ConditionImport.moc"
