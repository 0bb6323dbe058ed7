#pragma once

#include "core/history/DrawRecord.h"
#include "core/history/HistoryFile.h"

#include <QWidget>
#include <functional>

class ParseReporter;
class QLabel;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class TOnlineUpdate;
struct UpdateOutcome;

// The history editor: the tool bar Sheet1Tbr and the memo DataMemo. The memo is the
// working copy of the history: CodeArr is read from it at start-up, on save and after an
// online update; the history file is written from it on save only. Clear and import are
// edits of the memo like any other (Ctrl+Z undoes them) and take effect on save.
class TDataPanel : public QWidget
{
    Q_OBJECT
public:
    TDataPanel(TBeenCodesRecArr &CodeArr, ParseReporter &reporter, QWidget *parent = nullptr);

    QToolBar *Sheet1Tbr = nullptr;
    QToolButton *Sheet1TbrDownBt = nullptr;
    QToolButton *Sheet1TbrClearBt = nullptr;
    QToolButton *Sheet1TbrOmportBt = nullptr;
    QToolButton *Sheet1TbrSaveBt = nullptr;
    // What the player should know about the history file read at start-up (missing, not
    // readable, lines left out), readable in full above the memo until a save succeeds.
    QLabel *DataNoteLbl = nullptr;
    QPlainTextEdit *DataMemo = nullptr;

    // "ssq.dxt" beside the executable; set once at start-up.
    void setHistoryFileName(const QString &path) { m_historyFileName = path; }
    const QString &historyFileName() const { return m_historyFileName; }

    // The online update; its sources file "sources.ini" stands beside the history file.
    TOnlineUpdate *onlineUpdate() const { return m_onlineUpdate; }

    // The import's file choice; tests replace the open dialog.
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setImportFileChooser(FileChooser chooser) { m_chooseImportFile = std::move(chooser); }

    // Start-up: loads the history file into the memo (an empty file changes nothing) and
    // takes every good draw of it as the history; lines that are no draws are left out
    // and listed in startupLeftOut(). A missing or unreadable file leaves an empty history.
    // Each case is said in the status bar and above the memo.
    void LoadHistoryFile();
    const RefusedLines &startupLeftOut() const { return m_startupLeftOut; }
    // After start-up with lines left out: lists them and offers to go to the first one.
    void OfferLeftOutLines();

    // Parses the memo's lines into CodeArr, reporting errors through the reporter.
    bool DataTxtToCodeArr();

    // Replaces the memo's text by a text file's (asking first when the memo holds text),
    // as one edit that Ctrl+Z undoes; lists the lines a save would refuse.
    bool LoadTextFileIntoMemo(const QString &path);

    // The keyboard focus in the memo, the caret where it was (at the end of the text
    // after loading, where a new draw goes), in sight.
    void FocusMemo();
    // The caret at the start of the 1-based line `lineNo`, the memo focused.
    void GoToLine(int lineNo);

    // Before the program ends: when the memo differs from the history file, asks
    // 保存 / 不保存 / 取消. Answers whether the program may close; a save that fails
    // (and 取消) keeps it open.
    bool MayClose();

    void Sheet1TbrDownBtClick();
    // The online update; `alreadyRead`: sources read before (the check at start), merged
    // into the memo as it is now instead of being read again.
    void RunOnlineUpdate(const UpdateOutcome *alreadyRead);
    void Sheet1TbrClearBtClick();
    void Sheet1TbrOmportBtClick();
    void Sheet1TbrSaveBtClick();
    // "第N行M列" for the memo's caret.
    void ShowCaretPos();

signals:
    // A text for status bar panel 0.
    void statusText(const QString &text);
    // The online update has saved `added` new draws: the panel wants to be seen.
    void historyUpdated(int added);
    // The player chose to see a line of the memo: the panel wants to be seen.
    void showRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMemoText(const QString &text);
    void replaceMemoText(const QString &text);
    void setNote(const QString &text);
    bool saveMemo();
    // The rules every write of the memo keeps: lines the program would not read back are
    // refused and listed, an empty text over a file with draws is asked about first.
    bool mayWriteMemo(const QStringList &lines);

    TBeenCodesRecArr &m_codeArr;
    ParseReporter &m_reporter;
    QString m_historyFileName;
    FileChooser m_chooseImportFile;
    TOnlineUpdate *m_onlineUpdate = nullptr;
    RefusedLines m_startupLeftOut;
    bool m_keyPressedInMemo = false;
    qsizetype m_startupDraws = 0;
};
