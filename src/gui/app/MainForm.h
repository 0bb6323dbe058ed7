#pragma once

#include "core/history/DrawRecord.h"
#include "core/history/HistoryParser.h"

#include <QMainWindow>
#include <QUrl>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class TAboutForm;
class TDataPanel;
class TGridPctl;
class TChartPages;
class TPridictContent;
class TProgressForm;
class TRcmPanel;
class TSmForm;
class TStartupCheck;
class TStatusPanel;
class TSqlPanel;
class TWebPanel;

// The main window: menus, the large-icon tool bar, the status bar with three panels and
// six content panels lying on top of one another in the client area. It owns the
// history CodeArr, every panel and the auxiliary windows. Parser messages are shown in
// modal message boxes (it is the parser's reporter).
class TMainForm : public QMainWindow, public ParseReporter
{
    Q_OBJECT
public:
    // appDir: the folder of "ssq.dxt", its side files and "readme.txt"; empty means the
    // program's own data folder (beside the executable in a build folder, the user's
    // data folder when installed) and its installed user's guide.
    explicit TMainForm(const QString &appDir = QString(), QWidget *parent = nullptr);
    ~TMainForm() override;

    // ---- what the panels and the other modules use --------------------------------
    const TBeenCodesRecArr &CodeArr() const { return m_codeArr; }
    void setStatusText(int panel, const QString &text);
    QString statusText(int panel) const;
    TProgressForm *ProgressForm() const { return m_progressForm; }
    TSmForm *SmForm() const { return m_smForm; }
    // The window that shows the user's guide (F1); null until the guide was first shown.
    TSmForm *HelpForm() const { return m_helpForm; }
    TChartPages *ChartPages() const { return m_chartPages; }
    QString appDir() const { return m_appDir; }
    QString historyFileName() const;

    // ---- the content panels -------------------------------------------------------
    TWebPanel *WebPanel = nullptr;
    TDataPanel *DataPanel = nullptr;
    TSqlPanel *SqlPanel = nullptr;
    TGridPctl *GridPctl = nullptr;
    TRcmPanel *RcmPanel = nullptr;
    TPridictContent *PridictPanel = nullptr;

    QToolBar *MainTbr = nullptr;
    // "启动时检查新开奖": its menu item and its offer in the status bar.
    TStartupCheck *StartupCheck = nullptr;

    // Hides every content panel except the web panel.
    void HideContentPanels();
    // Brings one panel forward; pageIndex > -1 also selects that page of its page control.
    void ShowContentPanel(QWidget *panel, int pageIndex = -1);
    // The panel the user sees (the front-most visible one).
    QWidget *frontPanel() const;

    // "网站支持": brings the web panel forward with the player's own site (named in
    // "website.txt") or, without one, the program's own page.
    void ShowSupportPage();

    // ---- handlers -----------------------------------------------------------------
    void FileMenuManulClick();
    void FileMenuDownClick();
    void FileMenuExitClick();
    void GridMenuItemClick(int tag);
    void GridMenuBtClick();
    void ScaleMenuClick();
    void RcmMenuClick();
    void SqlMenuClick();
    void HelpMenuTopicClick();
    void HelpMenuWebSiteClick();
    void HelpMenuRecmClick();
    void HelpMenuAboutClick();

    // ParseReporter: every parser message in a modal message box.
    void report(const QString &message) override;

protected:
    bool event(QEvent *event) override;
    // Typed or downloaded draws that are not saved are not dropped without a question.
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createContentPanels();
    // Start-up place for the chart controls of the thirteen chart pages; the chart pages
    // fill it.
    void CreateChartControls();
    // The hidden windows made after the main window: progress, explanation and (with the
    // reduction) the number picker.
    void CreateAuxiliaryWindows();
    // A file of the data folder ("website.txt", "sources.ini").
    QString supportFile(const char16_t *name) const;
    // The program's own page as it stands now; `unreachable`: the site that failed.
    QString supportPageHtml(const QUrl &unreachable) const;
    QAction *addMenuAction(QMenu *menu, const QString &name, const QString &caption,
                           const QKeySequence &key, const QString &hint);

    QString m_appDir;
    QString m_helpFile;
    TBeenCodesRecArr m_codeArr;
    std::array<TStatusPanel *, 3> m_statusPanels{};
    QWidget *m_client = nullptr;
    TProgressForm *m_progressForm = nullptr;
    TSmForm *m_smForm = nullptr;
    TSmForm *m_helpForm = nullptr;
    TChartPages *m_chartPages = nullptr;
};
