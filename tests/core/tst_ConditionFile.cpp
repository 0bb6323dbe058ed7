// The condition file: what it carries and keeps, "条件导入" all or nothing (a file that is
// not a condition file, or holds one bad value, is refused with a message naming the file,
// the key and the value, and the conditions stay exactly as they were), a UTF-8 file read
// like GBK, the tolerance, number range and list 2 in "[扩展设置]", the question before
// writing into an existing file, and the range texts of its values.
#include "core/code/SsqError.h"
#include "core/reduction/ConditionFile.h"
#include "core/reduction/ConditionSet.h"
#include "core/reduction/GroupLines.h"
#include "core/reduction/ReductionEngine.h"
#include "TestSupport.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

// A flag stands before the bad value, so a half-applied import would show.
QByteArray fileWith(const QString &line)
{
    return Gbk(QStringLiteral("[条件设置]\r\n3区间01=1\r\n") + line + QStringLiteral("\r\n"));
}

} // namespace

class TestConditionFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsWhatTheFileDoesNotCarry()
    {
        const ConditionSet exported = DefaultConditions();
        const QByteArray file = ConditionsToIni(exported);
        ConditionSet target = Varied();
        const ConditionSet before = target;
        ApplyConditionIni(file, target);
        QCOMPARE(target, WithFileMembers(before, exported));

        // And the other way round: a busy set survives the file whole.
        ConditionSet back = DefaultConditions();
        ApplyConditionIni(ConditionsToIni(Varied()), back);
        QCOMPARE(back, WithFileMembers(DefaultConditions(), Varied()));
    }

    void savingOverAFileKeepsItsOtherParts()
    {
        const QByteArray head = Gbk(QStringLiteral("; 我的设置\r\n[其他]\r\nA = 1\r\n\r\n"));
        const QByteArray tail = Gbk(QStringLiteral("[尾部]\r\nB=2\r\n"));
        const QByteArray existing = head + Gbk(QStringLiteral("[条件设置]\r\n总和值=1,2\r\n自定义=x\r\n\r\n")) + tail;
        const QByteArray saved = ConditionsToIni(DefaultConditions(), existing);
        QVERIFY(saved.startsWith(head));
        QVERIFY(saved.endsWith(tail));
        const QStringList lines = fromGbk(saved.mid(head.size(), saved.size() - head.size() - tail.size()))
                                      .split(QStringLiteral("\r\n"));
        // The keys that were there stay where they stood; new ones follow in file order.
        QCOMPARE(lines.at(0), QStringLiteral("[条件设置]"));
        QCOMPARE(lines.at(1), QStringLiteral("总和值=21,180"));
        QCOMPARE(lines.at(2), QStringLiteral("自定义=x"));
        QCOMPARE(lines.size(), 1 + 104 + 1 + 2); // section, keys, 自定义, blank line, end
        ConditionSet back = Varied();
        ApplyConditionIni(saved, back);
        QCOMPARE(back, WithFileMembers(Varied(), DefaultConditions()));
    }

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

    // "[扩展设置]": each setting is written only when set, replaced when saved over, and
    // "[条件设置]" stays byte for byte what a set without it writes.
    void extendedSettingsRoundTrip_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("tolerance 2 then 0 over the same file") << "容错" << "2" << "0";
        QTest::newRow("tolerance 0 then 5") << "容错" << "0" << "5";
        QTest::newRow("range set, then cleared") << "选号范围" << "1,5,33" << "";
        QTest::newRow("no range, then one") << "选号范围" << "" << "2,3,4,5,6,7";
        QTest::newRow("list 2 set, then emptied") << "选号匹配2" << "1,5,8&1#2,3&0" << "";
        QTest::newRow("no list 2, then one") << "选号匹配2" << "" << "1,5,8&1";
    }
    void extendedSettingsRoundTrip()
    {
        QFETCH(QString, member);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto with = [&member](const QString &value) {
            ConditionSet c = DefaultConditions();
            if (member == QStringLiteral("容错"))
                c.Tolerance = value.toInt();
            else if (member == QStringLiteral("选号范围"))
                c.NumberRange = NumberRangeFromText(value);
            else
                c.CodeSel2 = GroupLinesFromText(value);
            return c;
        };
        const QByteArray plain = ConditionsToIni(DefaultConditions());
        const QByteArray file = ConditionsToIni(with(first));
        QCOMPARE(file == plain, first.isEmpty() || first == QStringLiteral("0"));
        // Saving over the file replaces the key: an old value must not come back.
        const QByteArray again = ConditionsToIni(with(second), file);
        ConditionSet read = Varied();
        read.Tolerance = 7;
        ApplyConditionIni(again, read);
        const ConditionSet expected = with(second);
        QCOMPARE(read.Tolerance, expected.Tolerance);
        if (member == QStringLiteral("选号范围"))
            QCOMPARE(read.NumberRange, expected.NumberRange);
        if (member == QStringLiteral("选号匹配2"))
            QCOMPARE(read.CodeSel2, expected.CodeSel2);
        QVERIFY(again.startsWith(plain));
    }

    // A file lacking keys (an older or hand-cut one): an absent check item reads as
    // unchecked, an absent group list as empty, an absent range leaves the range as it
    // was, and a file from before the tolerance reads as strict. A tolerance out of 0..18
    // is refused.
    void olderFileAndBadTolerance()
    {
        const ConditionSet varied = Varied();
        ConditionSet c = varied;
        c.Tolerance = 3;
        // Keys of a later section are not the conditions'; a quoted value reads without its
        // quotes; any number but 0 checks an item; the number range and list 2 stay.
        ApplyConditionIni(Gbk(QStringLiteral("[条件设置]\r\n选号匹配=\"\"\r\n连号组数2=-1\r\n[其他]\r\n总和值=1,2\r\n奇偶设计3=1\r\n")), c);
        ConditionSet expected = WithFileMembers(varied, ConditionSet{});
        expected.ConsecGroups = Checks({2});
        expected.AcRange = varied.AcRange;
        expected.MaxGapRange = varied.MaxGapRange;
        expected.SumRange = varied.SumRange;
        expected.TailSumRange = varied.TailSumRange;
        expected.NumberRange = varied.NumberRange;
        expected.CodeSel2 = varied.CodeSel2;
        QCOMPARE(c, expected);
        const ConditionSet kept = c;
        for (const char *bad : {"容错=x", "容错=-1", "容错=19", "选号范围=1,40", "选号范围=a", "选号匹配2=1,2", "选号匹配2=40&1"}) {
            const QString ini = QStringLiteral("[条件设置]\r\n[扩展设置]\r\n%1\r\n").arg(QString::fromUtf8(bad));
            QVERIFY_THROWS_EXCEPTION(SsqError, ApplyConditionIni(Gbk(ini), c));
            QCOMPARE(c, kept);
        }
    }

    // An export asks before it writes into an existing file; a file with other content is
    // never appended to, only replaced when the player agreed.
    void exportIntoAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        QCOMPARE(ExportTargetOf(path), ExportTarget::NewFile);
        const QByteArray tickets = "01 02 03 04 05 06+07\r\n";
        QVERIFY(writeFile(path, tickets));
        QCOMPARE(ExportTargetOf(path), ExportTarget::OtherFile);
        QVERIFY_THROWS_EXCEPTION(SsqError, ExportConditionFile(path, DefaultConditions()));
        QCOMPARE(readAll(path), tickets);
        ExportConditionFile(path, DefaultConditions(), true);
        QCOMPARE(readAll(path), ConditionsToIni(DefaultConditions()));
        QCOMPARE(ExportTargetOf(path), ExportTarget::ConditionFile);
    }

    void rangeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("error");
        QTest::newRow("two") << QStringLiteral("3,10") << 3 << 10 << QString();
        QTest::newRow("one") << QStringLiteral("7") << 7 << 99 << QString();
        QTest::newRow("three") << QStringLiteral("1,2,3") << 1 << 2 << QString();
        QTest::newRow("hex") << QStringLiteral("0x10,$20") << 16 << 32 << QString();
        QTest::newRow("32-bit hex") << QStringLiteral("0xFFFFFFFF,$7FFFFFFF") << -1 << 2147483647 << QString();
        QTest::newRow("letter second") << QStringLiteral("4,z") << 4 << 99 << QStringLiteral("'z' is not a valid integer value");
    }

    void rangeText()
    {
        QFETCH(QString, text);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, error);
        ValueRange r{0, 99};
        try {
            SetRangeFromText(r, text);
            QVERIFY(error.isEmpty());
        } catch (const SsqError &e) {
            QCOMPARE(e.text(), error);
        }
        QCOMPARE(r, (ValueRange{min, max}));
        QCOMPARE(RangeText(ValueRange{-3, 10}), QStringLiteral("-3,10"));
    }
};

QTEST_GUILESS_MAIN(TestConditionFile)
#include "tst_ConditionFile.moc"
