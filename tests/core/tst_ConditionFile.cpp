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

// A set in which every member differs from the defaults.
ConditionSet busySet()
{
    ConditionSet c;
    auto all = [](int n) {
        CheckList l;
        for (int i = 0; i < n; ++i)
            l.setChecked(i, true);
        return l;
    };
    for (auto &z : c.ZoneCounts) z = all(5);
    c.SixZoneSpread = c.SixZoneOddEven = c.Mod6Groups = all(6);
    for (auto &m : c.Mod3Counts) m = all(6);
    c.OddEvenRatio = c.BigSmallRatio = c.PrevTailSame = c.TailBigSmallRatio = all(7);
    c.ConsecCount = all(6);
    c.ConsecGroups = all(4);
    c.SameTailCount = c.TailMod5Groups = all(5);
    c.AcRange = {5, 8};
    c.MaxGapRange = {4, 20};
    c.SumRange = {90, 110};
    c.TailSumRange = {10, 30};
    c.CodeSel1 = {QStringLiteral("01,02&1")};
    c.CodeSel2 = {QStringLiteral("03,04&0")};
    c.NumberRange.fill(true);
    c.MatchCount1 = all(7);
    c.MatchCount2 = all(5);
    return c;
}

// The members the file carries, copied from `from` into `to`.
ConditionSet withFileMembers(ConditionSet to, const ConditionSet &from)
{
    to.ZoneCounts = from.ZoneCounts;
    to.SixZoneSpread = from.SixZoneSpread;
    to.SixZoneOddEven = from.SixZoneOddEven;
    to.Mod3Counts = from.Mod3Counts;
    to.Mod6Groups = from.Mod6Groups;
    to.AcRange = from.AcRange;
    to.MaxGapRange = from.MaxGapRange;
    to.OddEvenRatio = from.OddEvenRatio;
    to.BigSmallRatio = from.BigSmallRatio;
    to.ConsecCount = from.ConsecCount;
    to.ConsecGroups = from.ConsecGroups;
    to.SumRange = from.SumRange;
    to.SameTailCount = from.SameTailCount;
    to.PrevTailSame = from.PrevTailSame;
    to.TailSumRange = from.TailSumRange;
    to.TailMod5Groups = from.TailMod5Groups;
    to.TailBigSmallRatio = from.TailBigSmallRatio;
    to.CodeSel1 = from.CodeSel1;
    return to;
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
        ConditionSet target = busySet();
        const ConditionSet before = target;
        ApplyConditionIni(file, target);
        QCOMPARE(target, withFileMembers(before, exported));

        // And the other way round: a busy set survives the file whole.
        ConditionSet back = DefaultConditions();
        ApplyConditionIni(ConditionsToIni(busySet()), back);
        QCOMPARE(back, withFileMembers(DefaultConditions(), busySet()));
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
        QCOMPARE(lines.at(3), QStringLiteral("选号匹配="));
        QCOMPARE(lines.at(4), QStringLiteral("3区间00=0"));
        QCOMPARE(lines.size(), 1 + 104 + 1 + 2); // section, keys, 自定义, blank line, end
        ConditionSet back = busySet();
        ApplyConditionIni(saved, back);
        QCOMPARE(back, withFileMembers(busySet(), DefaultConditions()));
    }
};

QTEST_GUILESS_MAIN(TestConditionFile)
#include "tst_ConditionFile.moc"
