// The panels' wiring, one section per panel: a command reaches the core and its answer
// reaches the screen (the rules themselves are tested in tests/core). Dialogs, message
// boxes and the printer are replaced by hooks that record what they were asked.
#include "app/MsgBox.h"
#include "app/PrintLines.h"
#include "app/Query.h"
#include "app/ProgressForm.h"
#include "app/RcmPanel.h"
#include "app/SqlPanel.h"
#include "charts/B0Net.h"
#include "charts/ChartPages.h"
#include "charts/DrawTablesBox.h"
#include "charts/H2Net.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiSe.h"
#include "recommend/PridictContent.h"
#include "recommend/RecommendCommands.h"
#include "recommend/RecommendExport.h"
#include "reduction/BackTest.h"
#include "reduction/BackTestTab.h"
#include "reduction/CodeGroupEditor.h"
#include "reduction/CodeSelSheet.h"
#include "reduction/ConditionFile.h"
#include "reduction/ConditionSheet.h"
#include "reduction/NumberRangeSheet.h"
#include "reduction/PrizeStatsBox.h"
#include "reduction/RangeCheck.h"
#include "reduction/ReductionEngine.h"
#include "reduction/ReductionExtrasBar.h"
#include "reduction/ResultOutput.h"
#include "reduction/ResultSheet.h"
#include "reduction/StageStatsTable.h"
#include "reduction/TicketFile.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
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
    TBeenCodesRecArr m_shipped;
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
    TCodeGroupEditor *editor(int n) { return n == 1 ? m_panel->RcmSheet2->RcmSheet2Gbx1 : m_panel->RcmSheet2->RcmSheet2Gbx2; }
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
        d.askText = [this](QWidget *, const QString &) { return m_askAnswer; };
        d.print = [this](QWidget *, const QString &, const QStringList &lines, int) { m_printed = lines; };
        m_panel->ResetConditions();
        m_panel->resize(1000, 640);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

private slots:
    void initTestCase()
    {
        m_shipped = ShippedHistory();
        QVERIFY(m_shipped.size() > 3000);
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_messages.append(text); });
    }
    void init()
    {
        m_messages.clear();
        m_status.clear();
        m_printed.clear();
        m_requests.clear();
        m_saveAnswer.clear();
        m_openAnswer.clear();
        m_askAnswer.clear();
        m_history = {MakeDraw(2005001, {2, 9, 15, 18, 25, 33}, 7), MakeDraw(2005002, {1, 5, 12, 20, 28, 33}, 3)};
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
        makeRcmPanel();
        const ConditionSet c = Varied();
        m_panel->SetConditions(c);
        QCOMPARE(m_panel->Conditions(), c);
        QVERIFY(sheet1()->ZoneCounts[0]->GetCheck(4));
        QCOMPARE(sheet1()->SumRange->GetValuesText(QStringLiteral(",")), QStringLiteral("50,120"));
        QCOMPARE(m_panel->TabSheet3->NumberRange->GetCheckedText(QStringLiteral(",")), QStringLiteral("1,17,33"));
        QCOMPARE(editor(1)->CodeSelLbx->count(), 2);
        // A click on a check list reaches the conditions.
        QTest::mouseClick(sheet1()->OddEvenRatio, Qt::LeftButton, {}, sheet1()->OddEvenRatio->RectOfChk(5).center());
        QCOMPARE(m_panel->Conditions().OddEvenRatio, Checks({3, 5}));
        // Clearing keeps the match counts, which belong to the editors.
        QTest::mouseClick(m_panel->RcmPanelClearBindsBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions(), DefaultConditions(Varied()));
        QCOMPARE(m_panel->Conditions().MatchCount2, Varied().MatchCount2);
    }

    void rcmReductionWritesTheReport()
    {
        makeRcmPanel();
        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7, 8});
        c.CodeSel1 = {QStringLiteral("1,2&0,1")};
        QSignalSpy done(m_panel.get(), &TRcmPanel::reductionDone);
        runWith(c);
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(done.count(), 1);
        TCodeList expected;
        const ReductionRun run = RunReduction(c, m_history, expected);
        const QStringList lines = memo().split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(1), run.report.mid(1));
        QCOMPARE(AliveCount(m_panel->ResultList()), 13);   // C(8,6) = 28, 15 of them hold 1 and 2
        QVERIFY(m_progress->isHidden());
        QTableWidget *stats = m_panel->RcmSheet4->StageStats;
        QCOMPARE(stats->item(0, 2)->text(), QString::number(1107568 - 28));
        QCOMPARE(stats->item(17, 3)->text(), QStringLiteral("13"));
        QCOMPARE(m_panel->RcmSheet4->PrizeStats->PrizeDrawEd->text(), QStringLiteral("2005002"));

        // A bad group line: one message, the memo and the result stay.
        const QString before = memo();
        ConditionSet bad = DefaultConditions();
        bad.CodeSel2 = {QStringLiteral("1&1"), QStringLiteral("1,40&1")};
        runWith(bad);
        QCOMPARE(done.count(), 1);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(QStringLiteral("选号匹配列表2的第2行“1,40&1”有错误：")), qPrintable(m_messages[0]));
        QCOMPARE(memo(), before);
        QCOMPARE(AliveCount(m_panel->ResultList()), 13);
    }

    void rcmGroupEditor()
    {
        makeRcmPanel();
        TCodeGroupEditor *e = editor(2);
        e->CodeEd->setText(QStringLiteral("05,06"));
        QTest::mouseClick(e->MatchCount, Qt::LeftButton, {}, e->MatchCount->RectOfChk(2).center());
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions().CodeSel2, QStringList{QStringLiteral("05,06&2")});
        QVERIFY(m_panel->Conditions().CodeSel1.isEmpty());
        e->CodeEd->setText(QStringLiteral("1,40"));
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(e->CodeSelLbx->count(), 1);
        QCOMPARE(m_messages.size(), 1);
    }

    void rcmResultCommands()
    {
        makeRcmPanel();
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
        QCOMPARE(readAll(m_saveAnswer), ExportFileBytes(m_panel->ResultList()));
        m_saveAnswer = dir.filePath(QStringLiteral("missing/result.txt"));
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
    }

    void rcmConditionFile()
    {
        makeRcmPanel();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my.ini"));
        m_panel->SetConditions(Varied());
        m_saveAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(readAll(path), ConditionsToIni(Varied()));
        QCOMPARE(m_captionWindow->windowTitle(), ConditionFileCaption(path));

        m_panel->ResetConditions();
        m_captionWindow->setWindowTitle(QStringLiteral("x"));
        m_openAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        const ConditionSet after = m_panel->Conditions();
        QCOMPARE(after, WithFileMembers(after, Varied()));   // the file does not carry all members
        QCOMPARE(m_captionWindow->windowTitle(), ConditionFileCaption(path));

        // A bad value: one message naming it, the whole file refused, the caption stays.
        QVERIFY(writeFile(path, Gbk(QStringLiteral("[条件设置]\r\n连号组数2=1\r\nAC值设计=4,9\r\n总和值=5x,90\r\n"))));
        m_panel->SetConditions(Varied());
        m_captionWindow->setWindowTitle(QStringLiteral("before"));
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(QStringLiteral("“总和值”的值“5x,90”")), qPrintable(m_messages[0]));
        QCOMPARE(m_panel->Conditions(), Varied());
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("before"));
    }

    // A range that admits no value is named before the run, which does not start.
    void rcmEmptyRangeStopsTheRun()
    {
        makeRcmPanel();
        ConditionSet inverted = DefaultConditions();
        inverted.SumRange = {150, 100};
        QSignalSpy done(m_panel.get(), &TRcmPanel::reductionDone);
        runWith(inverted);
        QCOMPARE(done.count(), 0);
        QCOMPARE(m_messages, QStringList{EmptyRangeMessage(inverted)});
    }

    // Beyond 20000 survivors the memo lists none; the check still finds and places them.
    // "中奖统计" never shows the figures of survivors that a new run replaced.
    void rcmPrizeCheckAndStatsFollowTheSurvivors()
    {
        makeRcmPanel();
        runWith(DefaultConditions());
        m_askAnswer = QStringLiteral("01 02 03 04 05 07");
        QTest::mouseClick(m_panel->RcmPanelCheckBt, Qt::LeftButton);
        QCOMPARE(m_status.last(), QStringLiteral("恭喜，找到号码01 02 03 04 05 07，是缩水结果的第2注"));
        QVERIFY(!m_panel->RcmSheet4->RcmMemo->textCursor().hasSelection());

        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        TPrizeStatsBox *box = m_panel->RcmSheet4->PrizeStats;
        box->PrizeDrawEd->setText(QStringLiteral("01 02 03 04 05 06+07"));
        box->PrizeStatBtClick();
        QCOMPARE(box->PrizeTable->item(0, 1)->text(), QStringLiteral("1"));
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 7, 8});
        runWith(c);
        QCOMPARE(box->PrizeTable->item(0, 1)->text(), QString());
        QVERIFY(box->PrizeTotalLbl->text().isEmpty());
    }

    // ---- tolerance, base, reduce again, tickets --------------------------------------

    void rcmToleranceReachesTheRun()
    {
        makeRcmPanel();
        ConditionSet c = DefaultConditions();
        c.OddEvenRatio.setChecked(3, true);
        c.Tolerance = 1;
        runWith(c);
        QCOMPARE(m_panel->Conditions().Tolerance, 1);
        TCodeList expected;
        QCOMPARE(memo().split(QLatin1Char('\n')).mid(1), RunReduction(c, m_history, expected).report.mid(1));
        QVERIFY(!m_panel->RcmSheet4->StageStats->isColumnHidden(4));
    }

    void rcmBaseAndReduceAgain()
    {
        makeRcmPanel();
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
        TCodeList expected;
        RunReduction(c, m_history, expected, nullptr, QDateTime::currentDateTime(), 0, &first);
        QCOMPARE(m_panel->ResultList().Codes, expected.Codes);
        QCOMPARE(m_panel->ResultList().Alive, expected.Alive);
    }

    void rcmTickets()
    {
        makeRcmPanel();
        QTemporaryDir dir;
        m_saveAnswer = dir.filePath(QStringLiteral("tickets.txt"));
        int confirms = 0;
        m_panel->dialogs().confirm = [&](QWidget *, const QString &) { return ++confirms, false; };
        ConditionSet c = OnlyNumbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        m_askAnswer = QStringLiteral("1,2");
        QTest::mouseClick(m_panel->RcmExtrasBar->TicketsBt, Qt::LeftButton);
        QCOMPARE(m_requests.last().title, QStringLiteral("生成投注（共14注，金额28元）"));
        QCOMPARE(readAll(m_saveAnswer), TicketFileBytes(m_panel->ResultList(), {1, 2}));
        // Above 10,000 tickets the player is asked first; "取消" writes nothing.
        QVERIFY(QFile::remove(m_saveAnswer));
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        runWith(c);
        QTest::mouseClick(m_panel->RcmExtrasBar->TicketsBt, Qt::LeftButton);
        QCOMPARE(confirms, 1);
        QVERIFY(!QFile::exists(m_saveAnswer));
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
        const BackTestResult expected = RunBackTest(conditions, m_history, 100);
        QCOMPARE(tab.BackTestList->rowCount(), 3);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(tab.BackTestList->item(r, 2)->text(), BackTestVerdict(expected.rows[std::size_t(r)].failingStage));
        QVERIFY(tab.BackTestLbl->text().startsWith(QStringLiteral("验证3期，通过2期（66.67%）")));
    }

    // ---- the recommendation panel ----------------------------------------------------

    void recommendCommands_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("kind");
        QTest::newRow("冷码") << "RcmLmBt" << int(RecommendKind::Cold);
        QTest::newRow("单注") << "RcmDzBt" << int(RecommendKind::Single);
        QTest::newRow("复式15") << "RcmFsMenuR20" << int(RecommendKind::Multi15);
    }
    void recommendCommands()
    {
        QFETCH(QString, control);
        QFETCH(int, kind);
        TPridictContent panel(&m_shipped, [this](const QString &text) { m_status << text; }, {});
        if (auto *button = panel.findChild<QToolButton *>(control))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            for (QAction *a : panel.RcmFsMenu->actions())
                if (a->objectName() == control)
                    a->trigger();
        const RecommendOutput out = RunRecommend(RecommendKind(kind), m_shipped);
        QCOMPARE(panel.TuiMemo->toPlainText(), RecommendMemoText(out.lines));
        QCOMPARE(m_status, QStringList{out.completion});
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
        QCOMPARE(m_messages.size(), 2);
        QVERIFY2(m_messages[1].contains(QStringLiteral("第2行")), qPrintable(m_messages[1]));
        QVERIFY(!QFile::exists(path));
    }

    // ---- the query panel and printing --------------------------------------------------

    void queryAndPrint()
    {
        TSqlPanel panel(m_shipped);
        panel.SqlBt->click();
        const QStringList lines = panel.SqlMemo->toPlainText().split(u'\n');
        QCOMPARE(lines, QueryLines(m_shipped, 2005013, 30));
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
        pctl.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pctl));
        // Shown, a page computes with its spin's count; the spin alone waits for 查询.
        pctl.setCurrentIndex(PageRedTrend);
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
            m_messages.clear();
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

QTEST_MAIN(TestPanels)
#include "tst_Panels.moc"
