#include "gui/reduction/RcmPanel.h"

#include "core/base/AppInfo.h"
#include "gui/app/MsgBox.h"
#include "gui/app/ToolBarButtons.h"
#include "core/code/SsqError.h"
#include "gui/reduction/CodeSelSheet.h"
#include "gui/reduction/CodeSetForm.h"
#include "core/reduction/ConditionFile.h"
#include "core/reduction/RangeCheck.h"
#include "gui/reduction/ConditionSheet.h"
#include "gui/reduction/ConditionWidgets.h"
#include "gui/reduction/NumberRangeSheet.h"
#include "gui/app/ProgressForm.h"
#include "gui/reduction/ProgressFormDriver.h"
#include "core/reduction/ResultOutput.h"
#include "gui/reduction/BackTestTab.h"
#include "core/reduction/BaseFile.h"
#include "core/reduction/PrizeStats.h"
#include "gui/reduction/PrizeStatsBox.h"
#include "gui/reduction/ReductionExtrasBar.h"
#include "core/reduction/TicketFile.h"
#include "gui/reduction/ResultSheet.h"
#include "core/reduction/StageReach.h"
#include "gui/reduction/StageStatsTable.h"
#include "gui/wheel/WheelTab.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const TBeenCodesRecArr kNoHistory;

// The file dialog of the commands that read or write a text file (*.txt).
FileDialogRequest textFileRequest(const QString &title, bool confirmOverwrite)
{
    FileDialogRequest request;
    request.title = title;
    request.filterName = QStringLiteral("文本文件");
    request.pattern = QStringLiteral("*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    request.confirmOverwrite = confirmOverwrite;
    return request;
}
} // namespace

TRcmPanel::TRcmPanel(QWidget *parent)
    : QWidget(parent), m_dialogs(TRcmDialogs::standard())
{
    setObjectName(QStringLiteral("RcmPanel"));
    RcmPanelTbr = new QToolBar(this);
    RcmPanelTbr->setObjectName(QStringLiteral("RcmPanelTbr"));
    ToolBarButtons::setUp(RcmPanelTbr);
    createToolBar();

    RcmPctl = new QTabWidget(this);
    RcmPctl->setObjectName(QStringLiteral("RcmPctl"));
    RcmSheet1 = new TConditionSheet;
    RcmSheet2 = new TCodeSelSheet;
    TabSheet3 = new TNumberRangeSheet;
    RcmSheet4 = new TResultSheet;
    RcmPctl->addTab(RcmSheet1, QStringLiteral("条件缩水"));
    RcmPctl->addTab(RcmSheet2, QStringLiteral("自选号码"));
    RcmPctl->addTab(TabSheet3, QStringLiteral("选号范围"));
    RcmPctl->addTab(RcmSheet4, QStringLiteral("缩水结果"));
    BackTestSheet = new TBackTestTab;
    RcmPctl->addTab(BackTestSheet, QStringLiteral("历史验证"));
    BackTestSheet->SetSources([this] { return Conditions(); }, [this]() -> const TBeenCodesRecArr & { return history(); });
    RcmSheet4->PrizeStats->SetSources(&m_resultList, [this]() -> const TBeenCodesRecArr & { return history(); });
    WheelSheet = new TWheelTab;
    RcmPctl->addTab(WheelSheet, QStringLiteral("旋转矩阵"));
    WheelSheet->SetSources([this]() -> const TCodeList & { return m_resultList; },
                           [this] { return m_progressForm.data(); });
    connect(WheelSheet, &TWheelTab::useAsResult, this, &TRcmPanel::UseWheelAsResult);
    connect(this, &TRcmPanel::reductionDone, WheelSheet, [this] { WheelSheet->ShowSurvivorCount(AliveCount(m_resultList)); });

    RcmExtrasBar = new TReductionExtrasBar(this);
    connect(RcmExtrasBar->ImportBaseBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelImportBaseBtClick);
    connect(RcmExtrasBar->ClearBaseBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelClearBaseBtClick);
    connect(RcmExtrasBar->ReduceAgainBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelReduceAgainBtClick);
    connect(RcmExtrasBar->TicketsBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelTicketsBtClick);
    showBaseNote();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RcmPanelTbr);
    layout->addWidget(RcmExtrasBar);
    layout->addWidget(RcmPctl, 1);

    RcmSheet2->setPickerSource([this] { return codeSetForm(); });
    connect(RcmSheet1, &TConditionSheet::shown, this, &TRcmPanel::RcmSheet1Show);
    // The note stands below the boxes, out of sight in a small window: the status bar
    // says it too.
    connect(RcmSheet1, &TConditionSheet::noteChanged, this, [this](const QString &note) {
        if (!note.isEmpty())
            showStatus(note);
    });
    connect(TabSheet3, &TNumberRangeSheet::exportBindsClicked, this,
            &TRcmPanel::RcmPanelExportBindsBtClick);
    // Every accessor of the conditions needs the controls, so they exist from here on;
    // the start-up's own call then finds them made.
    CreateConditionControls();
}

void TRcmPanel::createToolBar()
{
    auto add = [this](const char *name, const QString &caption, const char *icon) {
        return ToolBarButtons::add(RcmPanelTbr, QString::fromLatin1(name), caption,
                                   QString::fromLatin1(icon));
    };
    RcmPanelClearBindsBt = add("RcmPanelClearBindsBt", QStringLiteral("清除条件"), "clear");
    RcmPanelImportBindsBt = add("RcmPanelImportBindsBt", QStringLiteral("条件导入"), "import");
    RcmPanelExportBindsBt = add("RcmPanelExportBindsBt", QStringLiteral("条件导出"), "save");
    RcmPanelTbr->addSeparator();
    RcmPanelExportBt = add("RcmPanelExportBt", QStringLiteral("导出结果"), "save");
    RcmPanelCheckBt = add("RcmPanelCheckBt", QStringLiteral("结果兑奖"), "query");
    RcmPanelPrintBt = add("RcmPanelPrintBt", QStringLiteral("打印结果"), "data");
    RcmPanelTbr->addSeparator();
    RcmPanelScaleBt = add("RcmPanelScaleBt", QStringLiteral("缩水计算"), "scale");
    RcmPanelViewCodeBt = add("RcmPanelViewCodeBt", QStringLiteral("查看结果"), "chart");
    RcmPanelCodeRcmBt = add("RcmPanelCodeRcmBt", QStringLiteral("超级推荐"), "recommend");
    RcmPanelTbr->actions().constLast()->setVisible(false);
    RcmPanelCodeRcmCountSe = new QSpinBox(RcmPanelTbr);
    RcmPanelCodeRcmCountSe->setObjectName(QStringLiteral("RcmPanelCodeRcmCountSe"));
    RcmPanelCodeRcmCountSe->setRange(2, 7);
    RcmPanelCodeRcmCountSe->setValue(2);
    RcmPanelTbr->addWidget(RcmPanelCodeRcmCountSe)->setVisible(false);

    connect(RcmPanelClearBindsBt, &QToolButton::clicked, this, [this] {
        RcmPanelClearBindsBtClick();
        // The conditions are no longer those of the file the title names.
        (m_captionWindow ? m_captionWindow.data() : window())->setWindowTitle(AppInfo::mainCaption());
        showStatus(QStringLiteral("已清除全部条件"));
    });
    connect(RcmPanelImportBindsBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelImportBindsBtClick);
    connect(RcmPanelExportBindsBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelExportBindsBtClick);
    connect(RcmPanelExportBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelExportBtClick);
    connect(RcmPanelCheckBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelCheckBtClick);
    connect(RcmPanelPrintBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelPrintBtClick);
    connect(RcmPanelScaleBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelScaleBtClick);
    connect(RcmPanelViewCodeBt, &QToolButton::clicked, this, &TRcmPanel::RcmPanelViewCodeBtClick);
}

void TRcmPanel::CreateConditionControls()
{
    if (m_controlsCreated)
        return;
    m_controlsCreated = true;
    RcmSheet1->CreateControls();
    RcmSheet2->CreateControls();
    TabSheet3->CreateControls();
}

void TRcmPanel::ResetConditions()
{
    RcmPanelClearBindsBtClick();
}

// ---- what the panel uses of its window ----------------------------------------------

void TRcmPanel::setProgressForm(TProgressForm *form)
{
    m_progressForm = form;
}

void TRcmPanel::setCodeSetForm(TCodeSetForm *form)
{
    m_codeSetForm = form;
}

void TRcmPanel::setCaptionWindow(QWidget *window)
{
    m_captionWindow = window;
}

const TBeenCodesRecArr &TRcmPanel::history() const
{
    return m_history ? *m_history : kNoHistory;
}

void TRcmPanel::showStatus(const QString &text)
{
    if (m_statusSink)
        m_statusSink(text);
}

TCodeSetForm *TRcmPanel::codeSetForm()
{
    // The main window makes the picker at start-up; a panel on its own makes one when
    // it is first needed.
    if (!m_codeSetForm)
        m_codeSetForm = new TCodeSetForm(window());
    return m_codeSetForm;
}

void TRcmPanel::setFileCaption(const QString &path)
{
    QWidget *target = m_captionWindow ? m_captionWindow.data() : window();
    target->setWindowTitle(ConditionFileCaption(path));
}

// ---- the conditions ------------------------------------------------------------------

ConditionSet TRcmPanel::Conditions() const
{
    ConditionSet c;
    RcmSheet1->readInto(c);
    c.NumberRange = TabSheet3->numbers();
    c.MatchCount1 = ConditionWidgets::readChecks(RcmSheet2->RcmSheet2Gbx1->MatchCount);
    c.MatchCount2 = ConditionWidgets::readChecks(RcmSheet2->RcmSheet2Gbx2->MatchCount);
    c.CodeSel1 = RcmSheet2->RcmSheet2Gbx1->lines();
    c.CodeSel2 = RcmSheet2->RcmSheet2Gbx2->lines();
    c.Tolerance = RcmExtrasBar->ToleranceSe->value();
    return c;
}

void TRcmPanel::SetConditions(const ConditionSet &c)
{
    RcmSheet1->writeFrom(c);
    TabSheet3->setNumbers(c.NumberRange);
    ConditionWidgets::writeChecks(RcmSheet2->RcmSheet2Gbx1->MatchCount, c.MatchCount1);
    ConditionWidgets::writeChecks(RcmSheet2->RcmSheet2Gbx2->MatchCount, c.MatchCount2);
    RcmSheet2->RcmSheet2Gbx1->setLines(c.CodeSel1);
    RcmSheet2->RcmSheet2Gbx2->setLines(c.CodeSel2);
    RcmExtrasBar->ToleranceSe->setValue(c.Tolerance);
}

// ---- handlers ------------------------------------------------------------------------

void TRcmPanel::RcmPanelClearBindsBtClick()
{
    SetConditions(DefaultConditions(Conditions()));
}

void TRcmPanel::RcmSheet1Show()
{
    RcmSheet1->RcmSheet1Show(history());
}

FileDialogRequest TRcmPanel::conditionFileRequest(const QString &title) const
{
    FileDialogRequest request;
    request.title = title;
    request.filterName = QStringLiteral("配置文件");
    request.pattern = QStringLiteral("*.ini");
    request.defaultSuffix = QStringLiteral("ini");
    request.folder = QCoreApplication::applicationDirPath();
    // An existing file is updated in place (its other sections stay), so there is
    // nothing to warn about.
    request.confirmOverwrite = false;
    return request;
}

void TRcmPanel::RcmPanelExportBindsBtClick()
{
    const QString path = m_dialogs.saveFile(
        this, conditionFileRequest(QStringLiteral("将条件配置保存到指定的配置文件")));
    if (!path.isEmpty())
        ExportConditions(path);
}

void TRcmPanel::RcmPanelImportBindsBtClick()
{
    const QString path =
        m_dialogs.openFile(this, conditionFileRequest(QStringLiteral("打开条件配置文件，导入配置")));
    if (!path.isEmpty())
        ImportConditions(path);
}

bool TRcmPanel::ExportConditions(const QString &path)
{
    // An existing file is written into only when the player says so; a file that is not
    // a condition file (a ticket or result file) is replaced whole or left alone.
    const QString shown = QDir::toNativeSeparators(path);
    bool replace = false;
    switch (ExportTargetOf(path)) {
    case ExportTarget::NewFile:
        break;
    case ExportTarget::ConditionFile:
        if (!m_dialogs.confirm(this, QStringLiteral("条件配置文件“%1”已经存在。\n确定把当前条件写入这个文件吗？"
                                                    "（文件中的原有条件将被替换）")
                                         .arg(shown)))
            return false;
        break;
    case ExportTarget::OtherFile:
        if (!m_dialogs.confirm(this, QStringLiteral("文件“%1”不是条件配置文件。\n确定用条件配置替换这个文件吗？"
                                                    "（文件原有的内容将全部丢失）")
                                         .arg(shown)))
            return false;
        replace = true;
        break;
    }
    try {
        ExportConditionFile(path, Conditions(), replace);
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());
        return false;
    }
    setFileCaption(path);
    showStatus(QStringLiteral("条件已导出到：%1").arg(shown));
    return true;
}

bool TRcmPanel::ImportConditions(const QString &path)
{
    ConditionSet c = Conditions();
    try {
        ImportConditionFile(path, c);
    } catch (const SsqError &e) {
        // The file was refused whole: the panel and the caption stay as they were.
        MsgBox::error(this, e.text());
        return false;
    }
    SetConditions(c);
    setFileCaption(path);
    return true;
}

void TRcmPanel::RcmPanelScaleBtClick()
{
    TProgressForm *form = m_progressForm.data();
    const ConditionSet conditions = Conditions();
    if (const QString empty = EmptyRangeMessage(conditions); !empty.isEmpty()) {
        MsgBox::error(this, empty);   // a run would leave nothing; the last result stays
        return;
    }
    StageReach reach;
    try {
        reach = ReachOfStages(conditions, history());
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());   // a bad chosen-number group, named as a run names it
        return;
    }
    if (const QString none = NoCombinationMessage(reach); !none.isEmpty()) {
        MsgBox::error(this, none);   // refused as an empty range is: the last result stays
        return;
    }
    TProgressFormDriver progress(form);
    try {
        const ReductionRun run = RunReduction(conditions, history(), m_resultList, &progress,
                                              QDateTime::currentDateTime(), 0, Base());
        RcmSheet4->setReport(run.report);
        RcmSheet4->StageStats->ShowStages(run.stages, run.tolerance, reach.removesNone);
        RcmSheet4->SideTabs->setCurrentWidget(RcmSheet4->StageStats);
        // The figures of the last survivors must not stand beside new ones.
        RcmSheet4->PrizeStats->ClearStats();
        RcmSheet4->PrizeStats->SuggestNewestDraw();
        // The run was started from any tab; its outcome is on the result tab.
        RcmPctl->setCurrentWidget(RcmSheet4);
        QString done = QStringLiteral("缩水完成：缩水结果为%1注号码").arg(run.survivors);
        if (reach.removesNone[10])
            done += QStringLiteral("（连号的选择不剔除任何号码，见“条件缩水”页下方的说明）");
        showStatus(done);
    } catch (const SsqError &e) {
        // A bad chosen-number group is found before anything changes: the memo and the
        // last result stay as they were.
        MsgBox::error(this, e.text());
        return;
    }
    emit reductionDone();
}

void TRcmPanel::RcmPanelExportBtClick()
{
    // The export replaces the chosen file.
    const QString path = m_dialogs.saveFile(this, textFileRequest(QStringLiteral("导出结果"), true));
    if (!path.isEmpty())
        ExportResult(path);
}

bool TRcmPanel::ExportResult(const QString &path)
{
    try {
        ExportResultFile(path, m_resultList);
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());
        return false;
    }
    showStatus(QStringLiteral("已导出缩水结果%1注到：%2").arg(AliveCount(m_resultList)).arg(QDir::toNativeSeparators(path)));
    return true;
}

void TRcmPanel::RcmPanelPrintBtClick()
{
    const QStringList memo = RcmSheet4->memoLines();
    const QStringList lines = PrintAllLines(memo, m_resultList);
    const int survivors = AliveCount(m_resultList);
    if (lines != memo) {
        // The memo lists no combination beyond 20000: printing it alone would give the
        // header and nothing else. Every survivor is printed when the player agrees.
        const int pages = m_dialogs.pageCount ? m_dialogs.pageCount(lines, kResultPrintFontSize) : 0;
        if (!m_dialogs.confirm(this, QStringLiteral("缩水结果有%1注号码，打印全部号码需要%2页纸。\n确定打印全部号码吗？")
                                         .arg(survivors)
                                         .arg(pages)))
            return;
    }
    m_dialogs.print(this, QString::fromUtf16(kResultPrintTitle), lines, kResultPrintFontSize);
}

void TRcmPanel::RcmPanelViewCodeBtClick()
{
    RcmPctl->setCurrentWidget(RcmSheet4);
}

void TRcmPanel::RcmPanelCheckBtClick()
{
    RcmPctl->setCurrentWidget(RcmSheet4);
    RcmSheet4->caretToStart();
    const QString text = m_dialogs.askText(this, QString::fromUtf16(kPrizeCheckCaption),
                                           QStringLiteral("六个红球号码，如01 05 12 18 23 30（可加“+蓝球”）："));
    if (text.isEmpty())
        return;
    RcmPctl->setCurrentWidget(RcmSheet4);
    FindInMemo(text);
}

void TRcmPanel::UseWheelAsResult(const TCodeList &list, const QStringList &report)
{
    m_resultList = list;
    RcmSheet4->setReport(report);
    // The stage table and the prize figures belonged to the survivors the wheel replaces.
    RcmSheet4->StageStats->ClearStages();
    RcmSheet4->PrizeStats->ClearStats();
    RcmSheet4->PrizeStats->SuggestNewestDraw();
    RcmPctl->setCurrentWidget(RcmSheet4);
    showStatus(QStringLiteral("旋转矩阵已作为当前结果，共%1注").arg(list.Count));
}

void TRcmPanel::FindInMemo(const QString &text)
{
    const ResultSearch search = FindInResult(m_resultList, text);
    if (!search.valid) {
        MsgBox::error(this, search.status);   // no draw was typed: nothing is looked up
        return;
    }
    if (search.found)
        RcmSheet4->FindInMemo(RedArrToStr(search.reds)); // selects it where the memo lists it
    showStatus(search.status);
}

// ---- the base (大底), reduce again and tickets --------------------------------------------

void TRcmPanel::showBaseNote()
{
    RcmExtrasBar->BaseLbl->setText(BaseNote(Base()));
}

void TRcmPanel::RcmPanelImportBaseBtClick()
{
    const QString path = m_dialogs.openFile(this, textFileRequest(QStringLiteral("导入大底"), false));
    if (!path.isEmpty())
        ImportBase(path);
}

bool TRcmPanel::ImportBase(const QString &path)
{
    QString error;
    auto codes = ReadBaseFile(path, error);
    if (!codes) {
        MsgBox::error(this, error);
        return false;
    }
    m_base = std::move(*codes);
    showBaseNote();
    showStatus(QStringLiteral("已导入大底%1注，下次缩水在大底中进行").arg(m_base->size()));
    return true;
}

void TRcmPanel::RcmPanelClearBaseBtClick()
{
    m_base.reset();
    showBaseNote();
    showStatus(QStringLiteral("已清除大底，下次缩水在全部%1注号码中进行").arg(kCombinationCount));
}

void TRcmPanel::RcmPanelReduceAgainBtClick()
{
    if (const QString empty = NoSurvivorsMessage(m_resultList, QStringLiteral("再缩水")); !empty.isEmpty()) {
        MsgBox::error(this, empty);
        return;
    }
    TCodeRedArrArr survivors = SurvivorCodes(m_resultList);
    m_base = std::move(survivors);
    showBaseNote();
    RcmPanelScaleBtClick();
}

void TRcmPanel::RcmPanelTicketsBtClick()
{
    if (const QString empty = NoSurvivorsMessage(m_resultList, QStringLiteral("生成投注")); !empty.isEmpty()) {
        MsgBox::error(this, empty);
        return;
    }
    // The input box answers nothing both for a cancel and for an empty text, so the
    // blues are always typed.
    const QString blues = m_dialogs.askText(this, QStringLiteral("生成投注"),
                                            QStringLiteral("输入蓝球号码（1-16），用逗号或空格分开，如1,8,16："));
    if (!blues.trimmed().isEmpty())
        WriteTickets(blues);
}

bool TRcmPanel::WriteTickets(const QString &blueText)
{
    QString error;
    const auto blues = ParseBlueList(blueText, error);
    if (!blues) {
        MsgBox::error(this, error);
        return false;
    }
    const TicketCount count = CountTickets(m_resultList, *blues);
    if (count.tickets > kTicketConfirmLimit
        && !m_dialogs.confirm(this, QStringLiteral("将生成投注%1，超过%2注。确定生成吗？")
                                        .arg(TicketSummary(count))
                                        .arg(kTicketConfirmLimit)))
        return false;
    const QString path = m_dialogs.saveFile(
        this, textFileRequest(QStringLiteral("生成投注（%1）").arg(TicketSummary(count)), true));
    if (path.isEmpty())
        return false;
    try {
        WriteTicketFile(path, m_resultList, *blues);
    } catch (const SsqError &e) {
        MsgBox::error(this, e.text());
        return false;
    }
    showStatus(QStringLiteral("已生成投注文件（%1）：%2").arg(TicketSummary(count), QDir::toNativeSeparators(path)));
    return true;
}
