// The back-test tab, the prize statistics box and the stage statistics table, driven as a
// user drives them.
#include "app/MsgBox.h"
#include "reduction/BackTestTab.h"
#include "reduction/PrizeStatsBox.h"
#include "reduction/StageStatsTable.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
DrawRecord draw(int issue, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = issue / 1000;
    d.No = issue % 1000;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

void render(QWidget &w, const QString &name)
{
    QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
    QVERIFY(w.grab().save(QStringLiteral(SSQ_RENDER_DIR "/") + name + QStringLiteral(".png")));
}
} // namespace

class TestAnalysisWidgets : public QObject
{
    Q_OBJECT

private:
    QStringList m_messages;
    TBeenCodesRecArr m_history = {
        draw(2005001, {1, 3, 5, 7, 9, 11}, 1),
        draw(2005002, {1, 2, 3, 4, 5, 6}, 2),
        draw(2005003, {2, 7, 13, 18, 20, 33}, 7),
    };

private slots:
    void init()
    {
        m_messages.clear();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_messages << text; });
    }
    void cleanup() { MsgBox::setHook({}); }

    void backTestListsEveryDraw()
    {
        TBackTestTab tab;
        ConditionSet conditions = DefaultConditions();
        conditions.OddEvenRatio.setChecked(3, true);
        tab.SetSources([&] { return conditions; }, [this]() -> const TBeenCodesRecArr & { return m_history; });
        tab.resize(520, 360);
        tab.BackTestSe->setValue(100);
        QTest::mouseClick(tab.BackTestBt, Qt::LeftButton);
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(tab.BackTestList->rowCount(), 3);
        QCOMPARE(tab.BackTestList->item(0, 0)->text(), QStringLiteral("2005001"));
        QCOMPARE(tab.BackTestList->item(0, 2)->text(), QStringLiteral("第9步 奇偶比"));
        QCOMPARE(tab.BackTestList->item(2, 1)->text(), QStringLiteral("02 07 13 18 20 33"));
        QCOMPARE(tab.BackTestList->item(2, 2)->text(), QStringLiteral("通过"));
        QVERIFY(tab.BackTestLbl->text().startsWith(QStringLiteral("验证3期，通过2期（66.67%）；当前条件保留")));
        render(tab, QStringLiteral("backtest"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bt.txt"));
        QVERIFY(tab.ExportTo(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.endsWith("2005003  02 07 13 18 20 33  \xcd\xa8\xb9\xfd\r\n")); // 通过 in GBK

        // A folder where the file should be: the old content stays, the reason is shown.
        QVERIFY(!tab.ExportTo(dir.path()));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("无法写入文件")));
    }

    void backTestBadGroupLine()
    {
        TBackTestTab tab;
        ConditionSet conditions = DefaultConditions();
        conditions.CodeSel2 = QStringList{QStringLiteral("1,2,x&1")};
        tab.SetSources([&] { return conditions; }, [this]() -> const TBeenCodesRecArr & { return m_history; });
        tab.BackTestBtClick();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].contains(QStringLiteral("选号匹配列表2")));
        QCOMPARE(tab.BackTestList->rowCount(), 0);
    }

    void prizeStatistics()
    {
        TCodeList results;
        TPrizeStatsBox box;
        box.SetSources(&results, [this]() -> const TBeenCodesRecArr & { return m_history; });
        box.PrizeStatBtClick();
        QCOMPARE(m_messages.size(), 1); // no reduction yet
        m_messages.clear();

        RunReduction([] {
            ConditionSet c = DefaultConditions();
            c.NumberRange.fill(false);
            for (int n : {2, 7, 13, 18, 20, 33, 1})
                c.NumberRange[std::size_t(n - 1)] = true;
            return c;
        }(), m_history, results);
        box.SuggestNewestDraw();
        QCOMPARE(box.PrizeDrawEd->text(), QStringLiteral("2005003"));
        box.PrizeBluesEd->setText(QStringLiteral("7,8"));
        box.resize(360, 420);
        box.PrizeStatBtClick();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(box.PrizeTable->item(0, 1)->text(), QStringLiteral("1")); // six reds: the draw itself
        QCOMPARE(box.PrizeTable->item(1, 1)->text(), QStringLiteral("6"));
        QCOMPARE(box.PrizeTable->item(7, 0)->text(), QStringLiteral("一等奖"));
        QCOMPARE(box.PrizeTable->item(7, 2)->text(), QStringLiteral("浮动"));
        QCOMPARE(box.PrizeTable->item(9, 1)->text(), QStringLiteral("6"));   // 5+1
        QCOMPARE(box.PrizeTable->item(9, 2)->text(), QStringLiteral("3000元"));
        QVERIFY(box.PrizeTotalLbl->text().contains(QStringLiteral("投注14注，共28元")));
        render(box, QStringLiteral("prizestats"));

        box.PrizeDrawEd->setText(QStringLiteral("1 2 3+4"));
        box.PrizeStatBtClick();
        QCOMPARE(m_messages.size(), 1);
    }

    void stageTable()
    {
        TStageStatsTable table;
        StageOutcomes stages{};
        int left = 1107568;
        for (int s = 0; s < 19; ++s) {
            stages[std::size_t(s)].active = s % 3 == 0;
            stages[std::size_t(s)].removed = stages[std::size_t(s)].active ? 1000 : 0;
            left -= stages[std::size_t(s)].removed;
            stages[std::size_t(s)].left = left;
        }
        table.ShowStages(stages);
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("选号范围"));
        QCOMPARE(table.item(0, 1)->text(), QStringLiteral("启用"));
        QCOMPARE(table.item(1, 1)->text(), QStringLiteral("未用"));
        QCOMPARE(table.item(18, 3)->text(), QString::number(left));
        table.resize(table.sizeHint());
        render(table, QStringLiteral("stagestats"));
        table.ClearStages();
        QCOMPARE(table.item(18, 3)->text(), QString());
    }
};

QTEST_MAIN(TestAnalysisWidgets)
#include "tst_AnalysisWidgets.moc"
