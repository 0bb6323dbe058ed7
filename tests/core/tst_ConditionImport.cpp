// "条件导入" is all or nothing: a file that is not a condition file, or holds one bad
// value, is refused with a message naming the file, the key and the value, and the
// conditions stay exactly as they were. A file saved as UTF-8 reads like GBK.
#include "code/SsqError.h"
#include "reduction/ConditionFile.h"
#include "TestSupport.h"

#include <QStringDecoder>
#include <QTest>

namespace {
// A flag stands before the bad value, so a half-applied import would show.
QByteArray fileWith(const QString &line)
{
    return Gbk(QStringLiteral("[条件设置]\r\n3区间01=1\r\n") + line + QStringLiteral("\r\n"));
}
} // namespace

class TestConditionImport : public QObject
{
    Q_OBJECT

private slots:
    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\r\xa1\x40", 13)
                                << QStringLiteral("文件不是GBK或UTF-8编码的文本！！");
        QTest::newRow("other INI") << Gbk(QStringLiteral("[其他]\r\n总和值=50,120\r\n"))
                                   << QStringLiteral("文件中没有“[条件设置]”一节，不是条件配置文件！！");
        QTest::newRow("range") << fileWith(QStringLiteral("总和值=5a,120"))
                               << QStringLiteral("“总和值”的值“5a,120”有错误：“5a”不是整数！！");
        QTest::newRow("flag") << fileWith(QStringLiteral("奇偶设计3=yes"))
                              << QStringLiteral("“奇偶设计3”的值“yes”有错误：“yes”不是整数！！");
        QTest::newRow("group") << fileWith(QStringLiteral("选号匹配=1,2&0#&1"))
                               << QStringLiteral("选号匹配列表1的第2行“&1”有错误：没有输入号码！！");
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        ConditionSet c = DefaultConditions();
        c.SumRange = {90, 110};
        const ConditionSet before = c;
        try {
            ApplyConditionIni(bytes, c, QStringLiteral("a.ini"));
            QFAIL("the file must be refused");
        } catch (const SsqError &e) {
            QCOMPARE(e.text(), QStringLiteral("条件配置文件“a.ini”没有导入，条件没有改变：") + reason);
        }
        QCOMPARE(c, before);
    }

    void utf8ReadsLikeGbk()
    {
        ConditionSet written = DefaultConditions();
        written.CodeSel1 = {QStringLiteral("01,08,09&1,2")};
        written.AcRange = {4, 9};
        written.OddEvenRatio.setChecked(3, true);
        const QByteArray utf8 = QString(QStringDecoder("GBK").decode(ConditionsToIni(written))).toUtf8();
        for (const QByteArray &bom : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
            ConditionSet read = DefaultConditions();
            ApplyConditionIni(bom + utf8, read);
            QCOMPARE(read, written);
        }
    }
};

QTEST_GUILESS_MAIN(TestConditionImport)
#include "tst_ConditionImport.moc"
