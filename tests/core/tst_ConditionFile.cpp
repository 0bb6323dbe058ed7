#include "reduction/ConditionFile.h"
#include "reduction/ReductionEngine.h"
#include "TestSupport.h"

#include <QStringDecoder>
#include <QTest>

namespace {

QString fromGbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
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
};

QTEST_GUILESS_MAIN(TestConditionFile)
#include "tst_ConditionFile.moc"
