// The panels' wiring, one section per panel: a command reaches the core and its answer
// reaches the screen (the rules themselves are tested in tests/core). Dialogs, message
// boxes and the printer are replaced by hooks that record what they were asked.
//
// The data panel as the user drives it: start-up, save, import, clear and close. Whatever
// fails, the user is told and the memo, the history and the file on disk keep their state.
// Its online update runs against a small HTTP server of the test's own on 127.0.0.1: every
// answer form and every way a source fails reaches the player as the right message, and the
// history file changes only when the player saves the result.
#include "gui/app/MsgBox.h"
#include "gui/app/PrintLines.h"
#include "gui/app/ProgressForm.h"
#include "gui/reduction/RcmPanel.h"
#include "gui/app/SqlPanel.h"
#include "gui/charts/B0Net.h"
#include "gui/charts/ChartPages.h"
#include "gui/charts/DrawTablesBox.h"
#include "gui/charts/H2Net.h"
#include "gui/controls/ColorChk.h"
#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"
#include "gui/history/DataPanel.h"
#include "gui/recommend/PridictContent.h"
#include "core/recommend/RecommendStats.h"
#include "gui/reduction/BackTestTab.h"
#include "gui/reduction/CodeGroupEditor.h"
#include "gui/reduction/CodeSelSheet.h"
#include "core/reduction/ConditionFile.h"
#include "gui/reduction/ConditionSheet.h"
#include "gui/reduction/PrizeStatsBox.h"
#include "core/reduction/RangeCheck.h"
#include "core/reduction/CodeList.h"
#include "gui/reduction/ReductionExtrasBar.h"
#include "gui/reduction/ResultSheet.h"
#include "gui/reduction/StageStatsTable.h"
#include "gui/update/OnlineUpdate.h"
#include "gui/wheel/WheelTab.h"
#include "TestSupport.h"
#include "net/TinyHttpServer.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

ConditionSet OnlyNumbers(std::initializer_list<int> numbers)
{
    ConditionSet c = DefaultConditions();
    c.NumberRange = Numbers(numbers);
    return c;
}

// The text pdftotext reads from a PDF, without blank lines.
QStringList pdfLines(const QString &pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList out;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (!line.trimmed().remove(u'\f').isEmpty())
            out << line.trimmed().remove(u'\f');
    return out;
}

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private:
    const TBeenCodesRecArr &m_shipped = ShippedHistory();
    TBeenCodesRecArr m_history;
    QStringList m_messages;
    QStringList m_status;
    std::unique_ptr<TRcmPanel> m_panel;
    std::unique_ptr<TProgressForm> m_progress;
    std::unique_ptr<QWidget> m_captionWindow;
    QString m_saveAnswer, m_openAnswer, m_askAnswer;
    QStringList m_printed;
    QList<FileDialogRequest> m_requests;

    TConditionSheet *sheet1() { return m_panel->RcmSheet1; }
    QString memo() { return m_panel->RcmSheet4->RcmMemo->toPlainText(); }
    void runWith(const ConditionSet &c)
    {
        m_panel->SetConditions(c);
        QTest::mouseClick(m_panel->RcmPanelScaleBt, Qt::LeftButton);
    }
    void makeRcmPanel()
    {
        m_progress = std::make_unique<TProgressForm>();
        m_captionWindow = std::make_unique<QWidget>();
        m_panel = std::make_unique<TRcmPanel>();
        m_panel->CreateConditionControls();
        m_panel->setHistory(&m_history);
        m_panel->setProgressForm(m_progress.get());
        m_panel->setCaptionWindow(m_captionWindow.get());
        m_panel->setStatusSink([this](const QString &text) { m_status.append(text); });
        TRcmDialogs &d = m_panel->dialogs();
        d.saveFile = [this](QWidget *, const FileDialogRequest &r) { return m_requests.append(r), m_saveAnswer; };
        d.openFile = [this](QWidget *, const FileDialogRequest &) { return m_openAnswer; };
        d.askText = [this](QWidget *, const QString &, const QString &) { return m_askAnswer; };
        d.print = [this](QWidget *, const QString &, const QStringList &lines, int) { m_printed = lines; };
        m_panel->ResetConditions();
        m_panel->resize(1000, 640);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

private slots:
    void init()
    {
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_messages.append(text); });
        m_messages.clear();
        m_status.clear();
        m_printed.clear();
        m_requests.clear();
        m_saveAnswer.clear();
        m_openAnswer.clear();
        m_askAnswer.clear();
        m_history = {MakeDraw(2005001, {2, 9, 15, 18, 25, 33}, 7), MakeDraw(2005002, {1, 5, 12, 20, 28, 33}, 3)};
        if (QByteArray(QTest::currentTestFunction()).startsWith("rcm"))   // a fresh reduction panel
            makeRcmPanel();
    }
    void cleanup()
    {
        m_panel.reset();
        m_progress.reset();
        m_captionWindow.reset();
    }

    // ---- the reduction panel ---------------------------------------------------------

    // Every control is read and written: what is set is what is read back and shown.
    void rcmConditionsReachTheControls()
    {
        const ConditionSet c = Varied();
        m_panel->SetConditions(c);
        QCOMPARE(m_panel->Conditions(), c);   // read back from the controls
        QCOMPARE(sheet1()->SumRange->GetValuesText(QStringLiteral(",")), QStringLiteral("50,120"));
        // A click on a check list reaches the conditions.
        QTest::mouseClick(sheet1()->OddEvenRatio, Qt::LeftButton, {}, sheet1()->OddEvenRatio->RectOfChk(5).center());
        QCOMPARE(m_panel->Conditions().OddEvenRatio, Checks({3, 5}));
        // Clearing keeps the match counts, which belong to the editors.
        QTest::mouseClick(m_panel->RcmPanelClearBindsBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions(), DefaultConditions(Varied()));
        QCOMPARE(m_panel->Conditions().MatchCount2, Varied().MatchCount2);
        // A group made in the editor of list 2 goes to that list with the editor's counts
        // (4 kept, 2 clicked); a bad one is refused.
        TCodeGroupEditor *e = m_panel->RcmSheet2->RcmSheet2Gbx2;
        e->CodeEd->setText(QStringLiteral("05,06"));
        QTest::mouseClick(e->MatchCount, Qt::LeftButton, {}, e->MatchCount->RectOfChk(2).center());
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions().CodeSel2, QStringList{QStringLiteral("05,06&2,4")});
        QVERIFY(m_panel->Conditions().CodeSel1.isEmpty());
        e->CodeEd->setText(QStringLiteral("1,40"));
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(e->CodeSelLbx->count(), 1);
        QCOMPARE(m_messages.size(), 1);
    }

    void rcmReductionWritesTheReport()
    {
        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7, 8});
        c.CodeSel1 = {QStringLiteral("1,2&0,1")};
        QSignalSpy done(m_panel.get(), &TRcmPanel::reductionDone);
        runWith(c);
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(done.count(), 1);
        // C(8,6) = 28 combinations of 1..8, 15 of them hold both 1 and 2 (the report's
        // lines are the engine's, tested in tst_ReductionEngine).
        QVERIFY(memo().contains(QStringLiteral("缩水结果为总共13注号码")));
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet4);   // the outcome is shown
        QVERIFY(m_progress->isHidden());
        QCOMPARE(m_panel->RcmSheet4->StageStats->item(17, 3)->text(), QStringLiteral("13"));
        QCOMPARE(m_panel->RcmSheet4->PrizeStats->PrizeDrawEd->text(), QStringLiteral("2005002"));

        // A run that cannot start is refused with one message that names why (the texts:
        // tst_ReductionEngine, tst_GroupLines); the memo and the last result stay.
        const QString before = memo();
        ConditionSet inverted = DefaultConditions(), none = inverted, badLine = inverted;
        inverted.SumRange = {150, 100};
        none.SameTailCount.setChecked(0, true);   // no combination passes the stage
        badLine.CodeSel2 = {QStringLiteral("1&1"), QStringLiteral("1,40&1")};
        const std::pair<ConditionSet, QString> refused[] = {
            {inverted, QStringLiteral("“总和值”")}, {none, QStringLiteral("“尾数相同个数”")}, {badLine, QStringLiteral("第2行")}};
        for (const auto &[conditions, said] : refused) {
            m_messages.clear();
            runWith(conditions);
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].contains(said), qPrintable(m_messages[0]));
        }
        QCOMPARE(done.count(), 1);
        QCOMPARE(memo(), before);
        QCOMPARE(AliveCount(m_panel->ResultList()), 13);
    }

    void rcmResultCommands()
    {
        runWith(OnlyNumbers({1, 2, 3, 4, 5, 6, 7}));
        m_askAnswer = QStringLiteral("01 02 03 04 05 07");
        QTest::mouseClick(m_panel->RcmPanelCheckBt, Qt::LeftButton);
        QCOMPARE(m_status.last(), QStringLiteral("恭喜，找到号码01 02 03 04 05 07，是缩水结果的第2注"));
        QCOMPARE(m_panel->RcmSheet4->RcmMemo->textCursor().selectedText(), m_askAnswer);

        QTest::mouseClick(m_panel->RcmPanelPrintBt, Qt::LeftButton);
        QCOMPARE(m_printed, m_panel->RcmSheet4->memoLines());

        QTemporaryDir dir;
        m_saveAnswer = dir.filePath(QStringLiteral("result.txt"));
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QVERIFY(readAll(m_saveAnswer).startsWith(Gbk(QStringLiteral("缩水结果有7注号码\r\n"))));   // the text: tst_ResultOutput
        m_saveAnswer = dir.filePath(QStringLiteral("missing/result.txt"));
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
    }

    void rcmConditionFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my.ini"));
        m_panel->SetConditions(Varied());
        m_saveAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(m_captionWindow->windowTitle(), ConditionFileCaption(path));

        m_panel->ResetConditions();
        m_captionWindow->setWindowTitle(QStringLiteral("x"));
        m_openAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        const ConditionSet after = m_panel->Conditions();
        QCOMPARE(after, WithFileMembers(after, Varied()));   // the file does not carry all members
        QCOMPARE(m_captionWindow->windowTitle(), ConditionFileCaption(path));
        // Cleared, the conditions are no longer the file's.
        QTest::mouseClick(m_panel->RcmPanelClearBindsBt, Qt::LeftButton);
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("晨帆选号通 2005版"));

        // A bad value: one message (its text: tst_ConditionFile), the whole file refused, the
        // caption stays.
        QVERIFY(writeFile(path, Gbk(QStringLiteral("[条件设置]\r\n连号组数2=1\r\nAC值设计=4,9\r\n总和值=5x,90\r\n"))));
        m_panel->SetConditions(Varied());
        m_captionWindow->setWindowTitle(QStringLiteral("before"));
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_panel->Conditions(), Varied());
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("before"));

        // Exporting onto a file that is no condition file asks; no, and it stays as it was.
        const QByteArray tickets = "01 02 03 04 05 06+07\r\n";
        QVERIFY(writeFile(path, tickets));
        bool agree = false;
        m_panel->dialogs().confirm = [&](QWidget *, const QString &) { return agree; };
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(readAll(path), tickets);
        agree = true;
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(readAll(path), ConditionsToIni(Varied()));
        QVERIFY(m_status.last().contains(QDir::toNativeSeparators(path)));
    }

    // Beyond 20000 survivors the memo lists none: printing them all is asked first.
    // "中奖统计" never shows the figures of survivors that a new run replaced.
    void rcmPrizeCheckAndStatsFollowTheSurvivors()
    {
        runWith(DefaultConditions());
        // A fragment is no draw: a message asks for six reds, nothing is congratulated.
        m_askAnswer = QStringLiteral("19 23, 01");
        QTest::mouseClick(m_panel->RcmPanelCheckBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!m_status.last().contains(QStringLiteral("19 23")));
        // Printing every survivor is asked first, with the pages it takes.
        QStringList questions;
        m_panel->dialogs().pageCount = [](const QStringList &lines, int) { return int(lines.size()); };
        m_panel->dialogs().confirm = [&](QWidget *, const QString &text) { return questions << text, false; };
        QTest::mouseClick(m_panel->RcmPanelPrintBt, Qt::LeftButton);
        QVERIFY(m_printed.isEmpty());
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions[0].contains(QStringLiteral("需要%1页").arg(5 + 1107568 / 5 + 1)), qPrintable(questions[0]));
        m_panel->dialogs().confirm = [](QWidget *, const QString &) { return true; };
        QTest::mouseClick(m_panel->RcmPanelPrintBt, Qt::LeftButton);
        QCOMPARE(m_printed.size(), 5 + 1107568 / 5 + 1);

        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        TPrizeStatsBox *box = m_panel->RcmSheet4->PrizeStats;
        box->PrizeDrawEd->setText(QStringLiteral("01 02 03 04 05 06+07"));
        box->PrizeStatBtClick();
        QCOMPARE(box->PrizeTable->item(0, 1)->text(), QStringLiteral("1"));
        // The tolerance reaches the run (its counts: tst_ReductionEngine), whose table shows
        // the failures allowed.
        c.Tolerance = 1;
        runWith(c);
        QCOMPARE(m_panel->Conditions().Tolerance, 1);
        QVERIFY(!m_panel->RcmSheet4->StageStats->isColumnHidden(4));
        QCOMPARE(box->PrizeTable->item(0, 1)->text(), QString());
        QVERIFY(box->PrizeTotalLbl->text().isEmpty());
    }

    // ---- base, reduce again, tickets ---------------------------------------------------

    void rcmBaseAndReduceAgain()
    {
        QTemporaryDir dir;
        auto importFile = [&](const QByteArray &bytes) {
            m_openAnswer = dir.filePath(QStringLiteral("base.txt"));
            QVERIFY(writeFile(m_openAnswer, bytes));
            QTest::mouseClick(m_panel->RcmExtrasBar->ImportBaseBt, Qt::LeftButton);
        };
        importFile("1 2 3 4 5 6\n1 2 3\n");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!m_panel->Base());
        importFile("1 2 3 4 5 6\n1 2 3 4 5 7\n1 2 3 4 5 8\n");
        QCOMPARE(m_panel->RcmExtrasBar->BaseLbl->text(), QStringLiteral("大底：已导入3注"));
        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        QCOMPARE(memo().split(QLatin1Char('\n'))[1], QStringLiteral("缩水基础号码总共3注号码"));

        // Reduce again: one more run with the survivors as the base.
        QTest::mouseClick(m_panel->RcmExtrasBar->ClearBaseBt, Qt::LeftButton);
        runWith(c);
        const TCodeRedArrArr first = SurvivorCodes(m_panel->ResultList());
        c.CodeSel1 = {QStringLiteral("7&0")};
        m_panel->SetConditions(c);
        QTest::mouseClick(m_panel->RcmExtrasBar->ReduceAgainBt, Qt::LeftButton);
        // The seven combinations of 1..7 again; only 01..06 lacks 7.
        QCOMPARE(first.size(), std::size_t(7));
        QCOMPARE(m_panel->ResultList().Codes, first);
        QCOMPARE(m_panel->ResultList().Alive, (TBoolArr{1, 0, 0, 0, 0, 0, 0}));
    }

    void rcmTickets()
    {
        QTemporaryDir dir;
        m_saveAnswer = dir.filePath(QStringLiteral("tickets.txt"));
        int confirms = 0;
        m_panel->dialogs().confirm = [&](QWidget *, const QString &) { return ++confirms, false; };
        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        m_askAnswer = QStringLiteral("1,2");
        QTest::mouseClick(m_panel->RcmExtrasBar->TicketsBt, Qt::LeftButton);
        QCOMPARE(m_requests.last().title, QStringLiteral("生成投注（共14注，金额28元）"));
        // The file's lines are TicketFile's, tested in tst_BaseFile.
        QVERIFY(readAll(m_saveAnswer).startsWith(Gbk(QStringLiteral("共14注，金额28元\r\n01 02 03 04 05 06+01\r\n"))));
        // Above 10,000 tickets the player is asked first; "取消" writes nothing.
        QVERIFY(QFile::remove(m_saveAnswer));
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        runWith(c);
        QTest::mouseClick(m_panel->RcmExtrasBar->TicketsBt, Qt::LeftButton);
        QCOMPARE(confirms, 1);
        QVERIFY(!QFile::exists(m_saveAnswer));
    }

    // ---- the wheel tab ---------------------------------------------------------------

    // A wheel made on the tab becomes the result; after a run the survivors are wheeled.
    void rcmWheelTab()
    {
        TWheelTab *tab = m_panel->WheelSheet;
        m_panel->RcmPctl->setCurrentWidget(tab);
        tab->WheelNumChk->SetCheckedText(QStringLiteral(","), QStringLiteral("01,03,05,08,11,14,17,20,23,26,29,32"));
        tab->WheelGuaranteeCb->setCurrentIndex(tab->WheelGuaranteeCb->findText(QStringLiteral("中6保5")));
        QTest::mouseClick(tab->WheelMakeBt, Qt::LeftButton);
        const QStringList tickets = tab->WheelMemo->toPlainText().split('\n');
        QCOMPARE(qsizetype(tab->Tickets().size()), tickets.size());
        QVERIFY(tab->WheelVerifiedLbl->text().startsWith(QStringLiteral("已验证：12个号码中任意6个开出（共924种情形）")));
        QTest::mouseClick(tab->WheelUseBt, Qt::LeftButton);
        QCOMPARE(AliveCount(m_panel->ResultList()), int(tickets.size()));
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet4);

        runWith(OnlyNumbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        QCOMPARE(tab->WheelSurvivorLbl->text(), QStringLiteral("缩水结果924注"));
        tab->WheelSurvivorCb->setCurrentIndex(0);   // 保5
        QTest::mouseClick(tab->WheelSurvivorBt, Qt::LeftButton);
        QVERIFY(!tab->Tickets().empty() && tab->Tickets().size() < 924);   // its lines: tst_SurvivorWheel
        QVERIFY(tab->WheelVerifiedLbl->text().startsWith(QStringLiteral("已验证：924注")));
        // The survivor wheel belongs to that reduction: the next one takes it away.
        runWith(OnlyNumbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}));
        QVERIFY(tab->Tickets().empty());
        QVERIFY(!tab->WheelUseBt->isEnabled());

        // 胆拖: the bankers typed beside the guarantee are on every ticket; another
        // guarantee takes the wheel away.
        tab->WheelBankerEd->setText(QStringLiteral("01 03"));
        QTest::mouseClick(tab->WheelMakeBt, Qt::LeftButton);
        QVERIFY(!tab->Tickets().empty());   // the bankers on every ticket: tst_ChosenWheel
        QVERIFY(tab->WheelVerifiedLbl->text().startsWith(QStringLiteral("已验证：胆码01 03全部开出、其余10个号码中任意4个开出")));
        tab->WheelGuaranteeCb->setCurrentIndex(tab->WheelGuaranteeCb->findText(QStringLiteral("中5保5")));
        QVERIFY(tab->Tickets().empty());
    }

    // ---- the analysis tabs beside the result -----------------------------------------

    void backTestTab()
    {
        m_history.push_back(MakeDraw(2005003, {2, 7, 13, 18, 20, 33}, 7));
        TBackTestTab tab;
        ConditionSet conditions = DefaultConditions();
        conditions.OddEvenRatio.setChecked(3, true);
        tab.SetSources([&] { return conditions; }, [this]() -> const TBeenCodesRecArr & { return m_history; });
        tab.BackTestSe->setValue(100);
        QTest::mouseClick(tab.BackTestBt, Qt::LeftButton);
        // 2005001 holds four odd reds, the other two three.
        QCOMPARE(tab.BackTestList->rowCount(), 3);   // the texts: tst_BackTest
        QVERIFY(tab.BackTestLbl->text().startsWith(QStringLiteral("验证3期，通过2期（66.67%）")));
    }

    // ---- the recommendation panel ----------------------------------------------------

    // Each control runs its own command: the memo opens with that command's title.
    void recommendCommands_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("completion");
        QTest::newRow("冷码") << "RcmLmBt" << "冷码推荐(第1组)4个号\n" << "完成 冷码推荐";
        QTest::newRow("单注") << "RcmDzBt" << "单注预测(100注):\n" << "完成 单注预测";
        QTest::newRow("复式15") << "RcmFsMenuR20" << "复式推荐(第1组):15+" << "完成 复式推荐";
    }
    void recommendCommands()
    {
        QFETCH(QString, control);
        QFETCH(QString, title);
        QFETCH(QString, completion);
        TPridictContent panel(&m_shipped, [this](const QString &text) { m_status << text; }, {});
        if (auto *button = panel.findChild<QToolButton *>(control))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            panel.RcmFsMenu->findChild<QAction *>(control)->trigger();
        QVERIFY2(panel.TuiMemo->toPlainText().startsWith(title), qPrintable(panel.TuiMemo->toPlainText().left(40)));
        QCOMPARE(m_status, QStringList{completion});
    }

    void recommendShortHistoryAndExport()
    {
        const TBeenCodesRecArr shortHistory(m_shipped.end() - 19, m_shipped.end());
        TPridictContent panel(&shortHistory, [this](const QString &text) { m_status << text; },
                              [this](const QString &, const QStringList &lines, int) { m_printed = lines; });
        panel.TuiMemo->setPlainText(QStringLiteral("之前的推荐\n"));
        QTest::mouseClick(panel.RcmLmBt, Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{QString::fromUtf16(kHistoryTooShortMessage)});
        QCOMPARE(panel.memoLines(), QStringList{"之前的推荐"});
        QVERIFY(m_status.isEmpty());

        // Export and print take what the memo holds, edits included.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("推荐.txt"));
        panel.TuiMemo->setPlainText(QStringLiteral("冷码推荐\n我的备注：01,02\n"));
        panel.setSaveFileChooser([&] { return path; });
        QTest::mouseClick(panel.RcmExportBt, Qt::LeftButton);
        QCOMPARE(readAll(path), Gbk(QStringLiteral("冷码推荐\r\n我的备注：01,02\r\n")));
        QTest::mouseClick(panel.RcmPrintBt, Qt::LeftButton);
        QCOMPARE(m_printed, panel.memoLines());
        // What GBK cannot hold: refused with the line, nothing written.
        panel.TuiMemo->setPlainText(QStringLiteral("ok\n\U0001F600\n"));
        QVERIFY(QFile::remove(path));
        panel.RcmExportBtClick();
        QCOMPARE(m_messages.size(), 2);   // the message's text: tst_HistoryFile
        QVERIFY(!QFile::exists(path));
    }

    // ---- the query panel and printing --------------------------------------------------

    void queryAndPrint()
    {
        TSqlPanel panel(m_shipped);
        panel.show();
        panel.SqlSe1->setFocus();
        QTest::keyClick(panel.SqlSe1, Qt::Key_Return);   // Enter asks as "查询" does
        const QStringList lines = panel.SqlMemo->toPlainText().split(u'\n');
        // The thirty draws from 2005013 on, as the shipped history lists them.
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines.first(), QStringLiteral("第2005013期,开奖号:07 08 16 19 20 24 06"));
        panel.SqlSe1->setValue(2026999);
        panel.SqlBt->click();
        QCOMPARE(m_messages, QStringList{QStringLiteral("开奖数据中没有第2026999期！！")});
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // Printing takes the memo as it stands, every line in order over several pages.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("query.pdf"));
        SetPrinterChooser([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        panel.SqlSe1->setValue(2003001);
        panel.SqlSe2->setValue(150);
        panel.SqlBt->click();
        panel.SqlMemo->appendPlainText(QStringLiteral("备注 ") + QStringLiteral("01 02 03 04 05 06 ").repeated(20));
        panel.PrintBt->click();
        SetPrinterChooser({});
        QStringList expected{PrintHeaderLine(QDate::currentDate()).trimmed()};
        expected << panel.SqlMemo->toPlainText().split(u'\n');
        QStringList printed = pdfLines(pdf);
        // The long last line is wrapped, not cut.
        QString wrapped = printed.mid(expected.size() - 1).join(QString());
        QCOMPARE(wrapped.remove(u' '), expected.takeLast().remove(u' '));
        QCOMPARE(printed.mid(0, expected.size()), expected);
    }

    // ---- the chart pages -------------------------------------------------------------

    void chartPages()
    {
        QTabWidget pctl;
        pctl.resize(1000, 700);
        TChartPages *pages = BuildChartPages(&pctl, &m_shipped);
        QList<MsgBox::Kind> kinds;
        MsgBox::setHook([&](MsgBox::Kind kind, const QString &text) { kinds << kind, m_messages << text; });
        pctl.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pctl));
        // The first page shown is "红球走势图", computed with its spin's count; the spin
        // alone waits for 查询.
        QCOMPARE(pctl.currentIndex(), int(PageRedTrend));
        QCOMPARE(pages->Table(PageRedTrend)->model().DynRows(), 31);
        pages->CountSe(PageRedTrend)->setValue(7);
        QCOMPARE(pages->Table(PageRedTrend)->model().DynRows(), 31);
        QTest::mouseClick(pages->GoBt(PageRedTrend), Qt::LeftButton);
        QCOMPARE(pages->Table(PageRedTrend)->model().DynRows(), 8);
        // Every page over the whole history, then one draw too many: the message, the chart stays.
        for (int page = 0; page < ChartPageCount; ++page) {
            pctl.setCurrentIndex(page);
            pages->CountSe(page)->setValue(int(m_shipped.size()));
            QTest::mouseClick(pages->GoBt(page), Qt::LeftButton);
            QVERIFY2(m_messages.isEmpty(), qPrintable(QString::number(page)));
            pages->CountSe(page)->setValue(int(m_shipped.size()) + 1);
            QTest::mouseClick(pages->GoBt(page), Qt::LeftButton);
            QCOMPARE(m_messages, QStringList{QStringLiteral("设置的查询期数超过总期数!!")});
            QCOMPARE(kinds, QList<MsgBox::Kind>{MsgBox::Warning});
            m_messages.clear();
            kinds.clear();
            if (TH2Net *table = pages->Table(page))
                QCOMPARE(table->model().DynRows(), int(m_shipped.size()) + 1);
        }
        // The per-draw tables: only those in view exist, the newest first.
        pctl.setCurrentIndex(PageGann);
        pages->CountSe(PageGann)->setValue(int(m_shipped.size()));
        QTest::mouseClick(pages->GoBt(PageGann), Qt::LeftButton);
        TDrawTablesBox *box = pages->DrawTables(PageGann);
        QCOMPARE(box->DrawCount(), int(m_shipped.size()));
        QVERIFY(box->ControlCount() < 60);
        QCOMPARE(box->TableAt(0)->model().FTitle, m_shipped.back().issueText() + QStringLiteral("期"));
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QApplication::processEvents();
        QCOMPARE(box->TableAt(int(m_shipped.size()) - 1)->model().FTitle, m_shipped.front().issueText() + QStringLiteral("期"));
    }

};

namespace {

const QByteArray kOld = "2026094 01 02 03 04 05 06 07\r\n2026095 02 09 15 18 25 33 07\r\n";
const QString kOldMemo = QString::fromLatin1(kOld).remove(u'\r');
const QByteArray kNotice = R"J(200 OK
{"state":0,"message":"查询成功","result":[
 {"name":"双色球","code":"2026097","date":"2026-08-20(四)","red":"01,05,12,19,27,33","blue":"16"},
 {"name":"双色球","code":"2026096","date":"2026-08-18(二)","red":"03,07,12,19,27,31","blue":"09"},
 {"name":"双色球","code":"2026095","date":"2026-08-16(日)","red":"02,09,15,18,25,33","blue":"07"}]})J";
const QByteArray kTable = "200 OK\n2026095 2026-08-16 02 09 15 18 25 33 07\n"
                          "2026096 2026-08-18 03 07 12 19 27 31 09\n2026097 2026-08-20 01 05 12 19 27 33 16\n";
const QByteArray k096 = "2026096 03 07 12 19 27 31 09\r\n";
const QByteArray k097 = "2026097 01 05 12 19 27 33 16\r\n";

} // namespace

class TestDataPanel : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Collector m_reporter;
    TBeenCodesRecArr m_codeArr;
    std::unique_ptr<TDataPanel> m_panel;
    std::unique_ptr<QSignalSpy> m_status;
    std::unique_ptr<TinyHttpServer> m_server;
    QStringList m_boxes;   // message boxes, and the update's report shown before saving
    bool m_accept = true;

    QString path(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    QString lastStatus() const { return m_status->isEmpty() ? QString() : m_status->last().at(0).toString(); }
    void expectUnchanged(const QString &memo = kOldMemo)
    {
        QCOMPARE(m_panel->DataMemo->toPlainText(), memo);
        QCOMPARE(m_codeArr.size(), size_t(2));
        QCOMPARE(m_codeArr[1].issueNo(), 2026095);
        QCOMPARE(readAll(path("ssq.dxt")), kOld);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(writeFile(path("ssq.dxt"), kOld));
        m_codeArr.clear();
        m_panel = std::make_unique<TDataPanel>(m_codeArr, m_reporter);
        m_status = std::make_unique<QSignalSpy>(m_panel.get(), &TDataPanel::statusText);
        m_panel->setHistoryFileName(path("ssq.dxt"));
        m_panel->LoadHistoryFile();
        m_server = std::make_unique<TinyHttpServer>();
        UpdateSource notice{"cwl", "公告", UpdateSource::DrawNotice, m_server->url("/notice"), m_server->url("/r")};
        UpdateSource table{"txt", "文本", UpdateSource::DrawTable, m_server->url("/table"), {}};
        m_panel->onlineUpdate()->setSources({notice, table});
        m_boxes.clear();
        m_accept = true;
        m_panel->onlineUpdate()->setConfirm([this](const QStringList &lines, const QString &) {
            m_boxes << lines.join('\n');
            return m_accept;
        });
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_boxes << text; });
    }
    void cleanup()
    {
        MsgBox::setHook({});
        MsgBox::setAskHook({});
        m_status.reset();
        m_panel.reset();
        m_server.reset();
        m_dir.reset();
    }

    // An import replaces the memo's text as one undoable edit (a UTF-8 file read as
    // such), lists what a save would refuse, and leaves the draws in use and the file.
    void importIsAnUndoableEdit()
    {
        QVERIFY(writeFile(path("import.txt"), QStringLiteral("\uFEFF2005014 03 04 05 06 07 08 09\n2005015 1 02 03 04 05 06 01 红\n").toUtf8()));
        m_panel->setImportFileChooser([this](QWidget *) { return path("import.txt"); });
        MsgBox::setAskHook([](const QString &, const QStringList &) { return 0; });
        m_panel->Sheet1TbrOmportBt->click();
        QVERIFY(m_panel->DataMemo->toPlainText().startsWith(QStringLiteral("2005014 03")));
        QCOMPARE(m_boxes.size(), 1);   // what it says: tst_HistoryParser
        QCOMPARE(m_panel->DataMemo->textCursor().blockNumber(), 1);
        m_panel->DataMemo->undo();
        expectUnchanged();
        QVERIFY(writeFile(path("import.txt"), "\r\n  \r\n"));   // nothing to import
        m_panel->Sheet1TbrOmportBt->click();
        QCOMPARE(m_boxes.size(), 2);
        expectUnchanged();
    }

    // A save that is refused (a line that is no possible draw, an empty text the player
    // does not confirm) or fails (the history file is a folder) writes nothing: the user
    // is told, the edits stay in the memo and are not taken as the history.
    void refusedSaveWritesNothing_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("said");   // part of the message box, "" for none
        QTest::addColumn<int>("asked");
        QTest::newRow("blue 17") << kOldMemo + QStringLiteral("2026096 01 02 03 04 05 06 17\n") << false << "第3行" << 0;
        QTest::newRow("empty, not confirmed") << QString() << false << "" << 1;
        QTest::newRow("file is a folder") << kOldMemo + QString::fromLatin1(k096).remove(u'\r') << true << "无法保存开奖数据文件" << 0;
    }
    void refusedSaveWritesNothing()
    {
        QFETCH(QString, memo);
        QFETCH(bool, folder);
        QFETCH(QString, said);
        QFETCH(int, asked);
        int questions = 0;
        MsgBox::setAskHook([&questions](const QString &, const QStringList &) { return ++questions; });
        m_panel->DataMemo->setPlainText(memo);
        if (folder) {
            QVERIFY(QDir().mkdir(path("folder.dxt")));
            m_panel->setHistoryFileName(path("folder.dxt"));
        }
        m_panel->Sheet1TbrSaveBt->click();
        QCOMPARE(m_boxes.size(), said.isEmpty() ? 0 : 1);
        QVERIFY2(said.isEmpty() || m_boxes[0].contains(said), qPrintable(m_boxes.value(0)));
        QCOMPARE(questions, asked);
        // The release of the Enter that closed the box does not cover the status text.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(m_panel->DataMemo, &release);
        QCOMPARE(lastStatus(), QStringLiteral("开奖数据没有保存"));
        expectUnchanged(memo);
        QTest::keyClick(m_panel->DataMemo, Qt::Key_Home);   // a key typed in the memo does
        QVERIFY2(lastStatus().endsWith(QStringLiteral("行1列")), qPrintable(lastStatus()));
    }

    // "清空数据" and closing with a memo that differs from the file ask first; the
    // answer decides (whether the memo differs is the core's rule). The draws in use
    // change only with "保存数据".
    void questionsDecide_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("done");   // cleared, or allowed to close
        QTest::addColumn<bool>("saved");
        QTest::newRow("clear") << true << 0 << true << false;
        QTest::newRow("keep") << true << 1 << false << false;
        QTest::newRow("save") << false << 0 << true << true;
        QTest::newRow("do not save") << false << 1 << true << false;
        QTest::newRow("cancel") << false << 2 << false << false;
    }
    void questionsDecide()
    {
        QFETCH(bool, clear);
        QFETCH(int, answer);
        QFETCH(bool, done);
        QFETCH(bool, saved);
        QStringList asked;
        MsgBox::setAskHook([&](const QString &text, const QStringList &) {
            asked << text;
            return answer;
        });
        QVERIFY(m_panel->MayClose());
        m_panel->DataMemo->appendPlainText(QString::fromLatin1(k096).trimmed());
        if (clear) {
            m_panel->Sheet1TbrClearBt->click();
            QCOMPARE(m_panel->DataMemo->toPlainText().isEmpty(), done);
        } else {
            QCOMPARE(m_panel->MayClose(), done);
        }
        QCOMPARE(asked.size(), 1);
        QCOMPARE(readAll(path("ssq.dxt")).contains("2026096"), saved);
        QCOMPARE(m_codeArr.size(), size_t(2));
    }

    // The online update: every way it ends reaches the player, and the history file
    // changes only when the player saves the result.
    void update_data()
    {
        QTest::addColumn<QByteArray>("notice");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<qsizetype>("cap");      // the largest answer taken
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("said");       // part of what the player was shown; "" nothing
        QTest::addColumn<QByteArray>("saved");   // what was added to the file
        const QByteArray silent = "200 OK\nSILENT";
        const qsizetype big = 16 * 1024 * 1024, table = kTable.size() - qsizetype(sizeof "200 OK\n" - 1);
        QTest::newRow("checked and saved") << kNotice << kTable << big << true << "新增2期（2026096–2026097）\n来源：公告（已与文本核对）" << k096 + k097;
        QTest::newRow("declined") << kNotice << kTable << big << false << "新增2期" << QByteArray();
        QTest::newRow("time-out") << silent << silent << big << true << "连接超时：1 秒内没有完成下载" << QByteArray();
        // The table's answer is exactly the cap and taken; the notice's is larger.
        QTest::newRow("at the cap") << kNotice << kTable << table << true << QString("公告：数据超过 %1 字节").arg(table) << k096 + k097;
        QTest::newRow("cancelled") << silent << kTable << big << true << "" << QByteArray();
    }
    void update()
    {
        QFETCH(QByteArray, notice);
        QFETCH(QByteArray, table);
        QFETCH(qsizetype, cap);
        QFETCH(bool, accept);
        QFETCH(QString, said);
        QFETCH(QByteArray, saved);
        m_server->answers = {{"/notice", notice}, {"/table", table}};
        m_accept = accept;
        m_panel->onlineUpdate()->setRules({cap, said.isEmpty() ? 20000 : 1000});
        if (said.isEmpty())   // 取消 in the progress window while the first source is silent
            QTimer::singleShot(300, this, [] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
                        dialog->findChild<QPushButton *>()->click();
            });
        m_panel->Sheet1TbrDownBt->click();
        QCOMPARE(m_boxes.size(), said.isEmpty() ? 0 : 1);
        QVERIFY2(said.isEmpty() || m_boxes[0].contains(said), qPrintable(m_boxes.value(0)));
        QCOMPARE(readAll(path("ssq.dxt")), kOld + saved);
        QCOMPARE(m_codeArr.size(), size_t(2 + saved.count('\n')));
        QCOMPARE(QFile::exists(path("ssq-dates.txt")), !saved.isEmpty());
        // The operator's interface is asked as its own page asks it (the page first and the
        // Referer: tst_WebFetch).
        QCOMPARE(TinyHttpServer::header(m_server->requests.value(1), "X-Requested-With"), QByteArray("XMLHttpRequest"));
    }

    // A source that refuses the connection is named as such.
    void refusedConnection()
    {
        m_panel->onlineUpdate()->setSources({{"x", "拒绝", UpdateSource::DrawTable, "http://127.0.0.1:1/x", {}}});
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY2(m_boxes.value(0).contains("拒绝：服务器“127.0.0.1”拒绝连接"), qPrintable(m_boxes.value(0)));
    }

    // Unsaved edits are saved with the new draws, so they meet the checks of a save first:
    // an emptied memo (answered 取消) stops the update before any source is asked.
    void unsavedMemoMeetsTheSaveChecks()
    {
        m_server->answers = {{"/notice", kNotice}, {"/table", kTable}};
        m_panel->DataMemo->setPlainText(QString());
        m_panel->Sheet1TbrDownBt->click();
        QVERIFY2(m_boxes.value(0).contains("编辑框中没有开奖数据"), qPrintable(m_boxes.value(0)));
        QVERIFY(m_server->requests.isEmpty());
        QCOMPARE(readAll(path("ssq.dxt")), kOld);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestPanels panels;
    TestDataPanel data;
    return QTest::qExec(&panels, argc, argv) | QTest::qExec(&data, argc, argv);
}

#include "tst_Panels.moc"
