#include "gui/app/MainForm.h"

#include "gui/app/AboutForm.h"
#include "core/base/AppPaths.h"
#include "core/base/AppInfo.h"
#include "gui/app/AppResources.h"
#include "gui/app/GridPctl.h"
#include "gui/app/MsgBox.h"
#include "gui/app/ProgressForm.h"
#include "gui/reduction/RcmPanel.h"
#include "gui/charts/ChartPages.h"
#include "gui/recommend/PridictContent.h"
#include "gui/reduction/CodeSetForm.h"
#include "gui/app/SmForm.h"
#include "gui/app/SplashForm.h"
#include "gui/app/SqlPanel.h"
#include "core/app/SupportPage.h"
#include "gui/app/StatusPanel.h"
#include "gui/app/ToolBarButtons.h"
#include "gui/app/WebPanel.h"
#include "gui/history/DataPanel.h"
#include "core/history/HistoryFile.h"
#include "core/update/DrawDates.h"
#include "core/update/SourceList.h"
#include "gui/update/StartupCheck.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// The guide is a few pages of text; anything far larger is not the guide.
constexpr qint64 kMaxHelpBytes = 4 * 1024 * 1024;

struct ChartItem
{
    const char16_t *caption;
    QKeyCombination key;
    const char16_t *hint;
};

// Tag = page index of GridPctl.
const ChartItem kChartItems[TGridPctl::kPageCount] = {
    {u"红球走势图", Qt::CTRL | Qt::Key_1, u""},
    {u"区域分布图", Qt::CTRL | Qt::Key_2, u""},
    {u"尾号走势图", Qt::CTRL | Qt::Key_3, u""},
    {u"奇偶走势图", Qt::CTRL | Qt::Key_4, u""},
    {u"大小走势图", Qt::CTRL | Qt::Key_5, u""},
    {u"空行空列图", Qt::CTRL | Qt::Key_6, u"|查看3D走势图"},
    {u"红球统计图", Qt::CTRL | Qt::Key_7, u"|查看K线分布图"},
    {u"旋转图", Qt::CTRL | Qt::Key_8, u"|查看和值分布图"},
    {u"蓝球走势图", Qt::CTRL | Qt::Key_9, u"|查看合值分布图"},
    {u"蓝球统计图", Qt::SHIFT | Qt::Key_F1, u"|查看奇偶走势图"},
    {u"遗漏统计图", Qt::SHIFT | Qt::Key_F2, u"|查看大小走势图"},
    {u"江恩图", Qt::SHIFT | Qt::Key_F3, u"|查看遗漏统计表"},
    {u"统计分析表", Qt::SHIFT | Qt::Key_F4, u""},
};

QString str(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

TMainForm::TMainForm(const QString &appDir, QWidget *parent)
    : QMainWindow(parent),
      // Beside the program in a build folder, in the user's data folder when installed.
      m_appDir(appDir.isEmpty() ? AppPaths::DataFolder() : appDir),
      m_helpFile(appDir.isEmpty() ? AppPaths::HelpFile()
                                  : QDir(appDir).filePath(QString::fromUtf16(AppInfo::kHelpFileName)))
{
    setObjectName(QStringLiteral("MainForm"));
    AppResources::installFontSubstitutes();
    AppResources::init();
    FormCreate();
    CreateAuxiliaryWindows();
}

TMainForm::~TMainForm()
{
    // FormDestroy
    if (m_statusPanels[2])
        m_statusPanels[2]->setFullText(QString());
}

void TMainForm::FormCreate()
{
    setWindowTitle(AppInfo::mainCaption());
    setWindowIcon(AppResources::icon(QStringLiteral("app")));
    resize(776, 586);
    setMinimumSize(300, 300);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    setFont(f);

    TSplashForm::flash();

    createContentPanels();
    createMenus();
    createToolBar();
    createStatusBar();

    RcmPanel->CreateConditionControls();
    CreateChartControls();

    DataPanel->setHistoryFileName(historyFileName());
    DataPanel->LoadHistoryFile();
    // Asked once the window is on the screen, over the page the player sees.
    if (!DataPanel->startupLeftOut().isEmpty())
        QMetaObject::invokeMethod(DataPanel, &TDataPanel::OfferLeftOutLines, Qt::QueuedConnection);

    // The check at start, when chosen, begins once the window is up and painted, so it
    // never delays the start.
    StartupCheck = new TStartupCheck(m_appDir, menuBar()->findChild<QMenu *>(QStringLiteral("FileMenu")), statusBar(), this);
    connect(StartupCheck, &TStartupCheck::statusText, this, [this](const QString &text) { setStatusText(0, text); });
    connect(StartupCheck, &TStartupCheck::reviewRequested, this, [this](const UpdateOutcome &read) {
        ShowContentPanel(DataPanel);
        DataPanel->RunOnlineUpdate(&read);
    });
    QTimer::singleShot(1500, StartupCheck, [this] { StartupCheck->start(m_codeArr); });

    FileMenuManulClick();
    HelpMenuWebSiteClick();
    // The window is made visible by its creator (maximised); the condition defaults do
    // not depend on that.
    RcmPanel->ResetConditions();
}

void TMainForm::CreateChartControls()
{
    // The pages read the history at the moment they are shown; "红球走势图", the first
    // item of the charts menu, is the page the tool button shows the first time.
    m_chartPages = BuildChartPages(GridPctl, &m_codeArr);
}

void TMainForm::CreateAuxiliaryWindows()
{
    m_progressForm = new TProgressForm(this);
    m_progressForm->hide();
    m_smForm = new TSmForm(this);
    m_smForm->hide();
    m_chartPages->SetExplanationForm(m_smForm);
    auto *picker = new TCodeSetForm(this);
    picker->hide();
    RcmPanel->setCodeSetForm(picker);
    RcmPanel->setProgressForm(m_progressForm);
}

QString TMainForm::historyFileName() const
{
    return QDir(m_appDir).filePath(QString::fromUtf16(AppInfo::kHistoryFileName));
}

// ---- layout --------------------------------------------------------------------------

void TMainForm::createContentPanels()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    // One grid cell for all: each panel fills the client area; raise() decides which
    // one is seen.
    auto *grid = new QGridLayout(m_client);
    grid->setContentsMargins(0, 0, 0, 0);

    WebPanel = new TWebPanel(m_client);
    WebPanel->setOwnPage([this](const QUrl &unreachable) { return supportPageHtml(unreachable); });
    DataPanel = new TDataPanel(m_codeArr, *this, m_client);
    SqlPanel = new TSqlPanel(m_codeArr, m_client);
    GridPctl = new TGridPctl(m_client);
    RcmPanel = new TRcmPanel(m_client);
    PridictPanel = new TPridictContent(&m_codeArr, [this](const QString &text) { setStatusText(0, text); },
                                       {}, m_client);
    PridictPanel->setObjectName(QStringLiteral("PridictPanel"));
    RcmPanel->setHistory(&m_codeArr);
    RcmPanel->setStatusSink([this](const QString &text) { setStatusText(0, text); });
    RcmPanel->setCaptionWindow(this);
    for (QWidget *panel : {static_cast<QWidget *>(WebPanel), static_cast<QWidget *>(DataPanel),
                           static_cast<QWidget *>(SqlPanel), static_cast<QWidget *>(GridPctl),
                           static_cast<QWidget *>(RcmPanel),
                           static_cast<QWidget *>(PridictPanel)}) {
        // A panel covers whatever lies beneath it, the web view included.
        panel->setAutoFillBackground(true);
        grid->addWidget(panel, 0, 0);
    }
    SqlPanel->hide();
    GridPctl->hide();
    RcmPanel->hide();
    PridictPanel->hide();

    connect(DataPanel, &TDataPanel::statusText, this,
            [this](const QString &text) { setStatusText(0, text); });
    // F3 may come from any panel: the saved new draws are shown where they were added.
    connect(DataPanel, &TDataPanel::historyUpdated, this, [this] { ShowContentPanel(DataPanel); });
    connect(DataPanel, &TDataPanel::showRequested, this, [this] { ShowContentPanel(DataPanel); });
}

QAction *TMainForm::addMenuAction(QMenu *menu, const QString &name, const QString &caption,
                                  const QKeySequence &key, const QString &hint)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(ToolBarButtons::longHint(hint));
    menu->addAction(action);
    return action;
}

void TMainForm::createMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *fileMenu = bar->addMenu(QStringLiteral("数据更新(&F)"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    connect(addMenuAction(fileMenu, QStringLiteral("FileMenuManul"), QStringLiteral("手工编辑(&N)"),
                          Qt::Key_F2, QStringLiteral("手工编辑开奖数据|手工编辑开奖数据")),
            &QAction::triggered, this, &TMainForm::FileMenuManulClick);
    connect(addMenuAction(fileMenu, QStringLiteral("FileMenuDown"), QStringLiteral("在线更新(&O)"),
                          Qt::Key_F3, QStringLiteral("在线更新开奖数据|直接从网站下载开奖数据")),
            &QAction::triggered, this, &TMainForm::FileMenuDownClick);
    fileMenu->addSeparator();
    connect(addMenuAction(fileMenu, QStringLiteral("FileMenuExit"), QStringLiteral("退出(&X)"),
                          {}, QStringLiteral("关闭退出|关闭程序，退出彩票系统。")),
            &QAction::triggered, this, &TMainForm::FileMenuExitClick);

    QMenu *gridMenu = bar->addMenu(QStringLiteral("常用图表(&G)"));
    gridMenu->setObjectName(QStringLiteral("GridMenu"));
    for (int tag = 0; tag < TGridPctl::kPageCount; ++tag) {
        const ChartItem &item = kChartItems[tag];
        QAction *action = addMenuAction(gridMenu, QStringLiteral("GridMenuItem%1").arg(tag + 1),
                                        str(item.caption), QKeySequence(item.key), str(item.hint));
        action->setData(tag);
        connect(action, &QAction::triggered, this, [this, tag] { GridMenuItemClick(tag); });
    }

    // Top-level items that act themselves, without a drop-down.
    auto topLevel = [&](const QString &name, const QString &caption, void (TMainForm::*handler)()) {
        QAction *action = bar->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    topLevel(QStringLiteral("ScaleMenu"), QStringLiteral("超强缩水(&T)"), &TMainForm::ScaleMenuClick);
    topLevel(QStringLiteral("RcmMenu"), QStringLiteral("号码推荐"), &TMainForm::RcmMenuClick);
    topLevel(QStringLiteral("SqlMenu"), QStringLiteral("查询统计(&C)"), &TMainForm::SqlMenuClick);

    QMenu *helpMenu = bar->addMenu(QStringLiteral("帮助(&H)"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    connect(addMenuAction(helpMenu, QStringLiteral("HelpMenuTopic"), QStringLiteral("帮助主题(&H)"),
                          Qt::Key_F1, QStringLiteral("|打开帮助主题文件")),
            &QAction::triggered, this, &TMainForm::HelpMenuTopicClick);
    connect(addMenuAction(helpMenu, QStringLiteral("HelpMenuWebSite"), QStringLiteral("网站支持(&S)"),
                          {}, QStringLiteral("|打开程序的说明页或您设置的网站")),
            &QAction::triggered, this, &TMainForm::HelpMenuWebSiteClick);
    helpMenu->addSeparator();
    connect(addMenuAction(helpMenu, QStringLiteral("HelpMenuAbout"), QStringLiteral("关于(&A)..."),
                          {}, QString()),
            &QAction::triggered, this, &TMainForm::HelpMenuAboutClick);
}

void TMainForm::createToolBar()
{
    MainTbr = addToolBar(QStringLiteral("MainTbr"));
    MainTbr->setObjectName(QStringLiteral("MainTbr"));
    ToolBarButtons::setUp(MainTbr);
    using ToolBarButtons::add;
    auto wire = [this](QToolButton *button, void (TMainForm::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    wire(add(MainTbr, QStringLiteral("FileMenuManulBt"), QStringLiteral("数据更新"),
             QStringLiteral("data"), QStringLiteral("|进入开奖数据的编辑管理模块")),
         &TMainForm::FileMenuManulClick);
    MainTbr->addSeparator();
    wire(add(MainTbr, QStringLiteral("GridMenuBt"), QStringLiteral("常用图表"),
             QStringLiteral("chart"), QStringLiteral("|打开分析图表深入研究")),
         &TMainForm::GridMenuBtClick);
    MainTbr->addSeparator();
    wire(add(MainTbr, QStringLiteral("RcmMenuSuperScaleBt"), QStringLiteral("超强缩水"),
             QStringLiteral("scale"), QStringLiteral("|进入拖胆缩水模块进行号码缩水工作。 ")),
         &TMainForm::ScaleMenuClick);
    wire(add(MainTbr, QStringLiteral("RcmMenuBt"), QStringLiteral("号码推荐"),
             QStringLiteral("recommend")),
         &TMainForm::RcmMenuClick);
    wire(add(MainTbr, QStringLiteral("SqlMenuBt"), QStringLiteral("查询统计"),
             QStringLiteral("query"), QStringLiteral("|进入号码查询模块查询历史开奖号码。 ")),
         &TMainForm::SqlMenuClick);
    MainTbr->addSeparator();
    wire(add(MainTbr, QStringLiteral("HelpMenuRecmBt"), QStringLiteral("网站支持"),
             QStringLiteral("web"), QStringLiteral("|打开程序的说明页或您设置的网站")),
         &TMainForm::HelpMenuRecmClick);
    wire(add(MainTbr, QStringLiteral("HelpMenuAboutBt"), QStringLiteral("关于软件"),
             QStringLiteral("about")),
         &TMainForm::HelpMenuAboutClick);
    MainTbr->addSeparator();
    QToolButton *exitBt = add(MainTbr, QStringLiteral("FileMenuExitBt"), QStringLiteral("关闭退出"),
                              QStringLiteral("exit"), QStringLiteral("|关闭程序，退出彩票系统"));
    wire(exitBt, &TMainForm::FileMenuExitClick);
    exitBt->setProperty("closesWindow", true);   // usable while a wheel search holds the window
}

void TMainForm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    const int widths[3] = {420, 80, 50};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new TStatusPanel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Panel 0 carries the hints and notes: it takes the room the window has.
        if (i == 0) {
            panel->setMinimumWidth(widths[i]);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            panel->setFixedWidth(widths[i]);
        }
        bar->addWidget(panel, i == 0 ? 1 : 0);
        m_statusPanels[size_t(i)] = panel;
    }
}

void TMainForm::setStatusText(int panel, const QString &text)
{
    m_statusPanels.at(size_t(panel))->setFullText(text);
}

QString TMainForm::statusText(int panel) const
{
    return m_statusPanels.at(size_t(panel))->fullText();
}

bool TMainForm::event(QEvent *event)
{
    // The long part of the hint under the mouse goes to panel 0 (instead of covering the
    // whole status bar).
    if (event->type() == QEvent::StatusTip) {
        setStatusText(0, static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!DataPanel->MayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// ---- content panels ---------------------------------------------------------------------

void TMainForm::HideContentPanels()
{
    DataPanel->hide();
    SqlPanel->hide();
    RcmPanel->hide();
    GridPctl->hide();
    PridictPanel->hide();
}

void TMainForm::ShowContentPanel(QWidget *panel, int pageIndex)
{
    HideContentPanels();
    panel->raise();
    panel->show();
    if (pageIndex > -1) {
        auto *pages = qobject_cast<QTabWidget *>(panel);
        if (!pages)
            pages = panel->findChild<QTabWidget *>();
        if (pages && pageIndex < pages->count())
            pages->setCurrentIndex(pageIndex);
    }
}

QWidget *TMainForm::frontPanel() const
{
    // raise() moves a widget to the end of its parent's children.
    const QObjectList &children = m_client->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *widget = qobject_cast<QWidget *>(*it);
        if (widget && !widget->isHidden())
            return widget;
    }
    return nullptr;
}

QString TMainForm::supportFile(const char16_t *name) const
{
    return QDir(m_appDir).filePath(QString::fromUtf16(name));
}

void TMainForm::ShowSupportPage()
{
    WebPanel->raise();
    WebPanel->show();
    // The player's own site when he named one, else the program's own page.
    const QUrl site = LoadPlayerSite(supportFile(kWebsiteFileName));
    if (site.isEmpty())
        WebPanel->ShowOwnPage();
    else
        WebPanel->Navigate(site);
}

QString TMainForm::supportPageHtml(const QUrl &unreachable) const
{
    SupportPageFacts facts;
    facts.CodeArr = &m_codeArr;
    facts.dates = DrawDates::Load(DrawDatesFileFor(historyFileName()));
    facts.historyFile = historyFileName();
    facts.helpFile = m_helpFile;
    facts.sources = LoadSourceList(supportFile(kSourceListFileName)).sources;
    facts.unreachableSite = unreachable;
    return SupportPageHtml(facts);
}

// ---- handlers ------------------------------------------------------------------------------

void TMainForm::FileMenuManulClick()
{
    ShowContentPanel(DataPanel);
    DataPanel->FocusMemo();
}

void TMainForm::FileMenuDownClick()
{
    DataPanel->Sheet1TbrDownBtClick();
}

void TMainForm::FileMenuExitClick()
{
    close();
}

void TMainForm::GridMenuItemClick(int tag)
{
    ShowContentPanel(GridPctl, tag);
}

void TMainForm::GridMenuBtClick()
{
    ShowContentPanel(GridPctl, -1);
}

void TMainForm::ScaleMenuClick()
{
    ShowContentPanel(RcmPanel);
}

void TMainForm::RcmMenuClick()
{
    ShowContentPanel(PridictPanel);
}

void TMainForm::SqlMenuClick()
{
    ShowContentPanel(SqlPanel);
}

void TMainForm::HelpMenuTopicClick()
{
    // The guide is GBK text, which the desktop's text viewer often shows as garbage; the
    // program shows it itself. The file stays beside the program for those who open it.
    const TextFileRead guide = ReadGbkTextFile(m_helpFile, kMaxHelpBytes);
    if (guide.status == TextFileRead::Missing)
        return;
    if (guide.status != TextFileRead::Ok) {
        MsgBox::error(this, QStringLiteral("无法读取帮助文件“%1”：%2！！")
                                .arg(QDir::toNativeSeparators(m_helpFile), guide.error));
        return;
    }
    if (!m_helpForm) {
        m_helpForm = new TSmForm(this);
        m_helpForm->setObjectName(QStringLiteral("HelpForm"));
        m_helpForm->resize(640, 560);
    }
    m_helpForm->ShowText(QString::fromUtf16(AppInfo::kProgramName) + QStringLiteral(" 使用说明"), guide.text);
}

void TMainForm::HelpMenuWebSiteClick()
{
    ShowSupportPage();
}

void TMainForm::HelpMenuRecmClick()
{
    ShowSupportPage();
}

void TMainForm::HelpMenuAboutClick()
{
    TAboutForm about(this);
    about.SetPlayerSite(LoadPlayerSite(supportFile(kWebsiteFileName)));
    connect(&about, &TAboutForm::supportPageRequested, this, &TMainForm::ShowSupportPage);
    about.SetHistoryFile(historyFileName());
    about.SetNewestDraw(NewestDrawText(m_codeArr, DrawDates::Load(DrawDatesFileFor(historyFileName()))));
    about.exec();
}

void TMainForm::report(const QString &message)
{
    MsgBox::warning(this, message);
}
