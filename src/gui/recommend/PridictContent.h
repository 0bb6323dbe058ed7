#pragma once

// The content of the recommendation panel: the tool bar ToolBar1 with export, print and
// the recommendation commands, the pop-up menu of the multi-number tickets and the memo
// TuiMemo that every command fills. Each command recomputes from the history it is
// pointed at, replaces the memo's text and reports completion in the status bar; the
// memo stays editable, and export and print take whatever it holds.

#include "core/history/DrawRecord.h"
#include "core/recommend/RecommendCommands.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QMenu;
class QAction;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

class TPridictContent : public QWidget
{
    Q_OBJECT
public:
    // Text for the first panel of the status bar.
    using StatusFn = std::function<void(const QString &text)>;
    // The print routine: job title, lines, font size. Empty: the program's PrintLines.
    using PrintFn = std::function<void(const QString &title, const QStringList &lines, int fontSize)>;
    // Asks for the export file; an empty name means the user cancelled.
    using SaveFileChooser = std::function<QString()>;

    // `history` is read when a command runs, so it sees the latest parse; null reads as
    // an empty history.
    TPridictContent(const TBeenCodesRecArr *history, StatusFn status, PrintFn print = {},
                    QWidget *parent = nullptr);

    void setHistory(const TBeenCodesRecArr *history) { m_history = history; }
    void setSaveFileChooser(SaveFileChooser chooser);

    // The memo's lines as export and print take them.
    QStringList memoLines() const;

    QToolBar *ToolBar1 = nullptr;
    QToolButton *RcmExportBt = nullptr;
    QToolButton *RcmPrintBt = nullptr;
    QToolButton *RcmLmBt = nullptr;
    QToolButton *RcmRmBt = nullptr;
    QToolButton *RcmBcmBt = nullptr;
    QToolButton *RcmDmBt = nullptr;
    QToolButton *RcmDzBt = nullptr;
    QToolButton *RcmFsBt = nullptr;
    QMenu *RcmFsMenu = nullptr;
    QAction *RcmFsMenuR2 = nullptr;
    QAction *RcmFsMenuR20 = nullptr;
    QAction *RcmFsMenu30 = nullptr;
    QPlainTextEdit *TuiMemo = nullptr;

public slots:
    void RcmExportBtClick();
    void RcmPrintBtClick();
    void RcmLmBtClick();
    void RcmRmBtClick();
    void RcmBcmBtClick();
    void RcmDmBtClick();
    void RcmDzBtClick();
    void RcmFsBtClick();
    void RcmFsMenuR2Click();
    void RcmFsMenuR20Click();
    void RcmFsMenu30Click();

private:
    void createToolBar();
    void createMemo();
    QToolButton *addButton(const QString &name, const QString &caption, const QIcon &icon,
                           void (TPridictContent::*handler)());
    void runCommand(RecommendKind kind);
    QString askExportFile();

    const TBeenCodesRecArr *m_history = nullptr;
    StatusFn m_status;
    PrintFn m_print;
    SaveFileChooser m_chooseFile;
};
