#pragma once

#include "core/history/DrawRecord.h"
#include "core/reduction/ConditionSet.h"
#include "gui/reduction/RcmDialogs.h"
#include "core/reduction/ReductionEngine.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QSpinBox;
class QTabWidget;
class QToolBar;
class QToolButton;
class TBackTestTab;
class TCodeSelSheet;
class TCodeSetForm;
class TConditionSheet;
class TNumberRangeSheet;
class TProgressForm;
class TReductionExtrasBar;
class TResultSheet;
class TWheelTab;

// The reduction panel: the tool bar RcmPanelTbr and the page control RcmPctl with the
// tabs "条件缩水", "自选号码", "选号范围" and "缩水结果". The controls are a view of a
// ConditionSet: read into one when a run starts or the conditions are exported, written
// from one on "清除条件" and on an import. All rules live in the reduction core.
//
// What the panel needs of its window (the history, the status bar, the progress window,
// the number picker, the window whose caption names the condition file) is given with
// the setters; the panel knows nothing else of the window it lies on. Without a history
// it works on an empty one, without a status sink its status texts go nowhere.
class TRcmPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TRcmPanel(QWidget *parent = nullptr);

    QToolBar *RcmPanelTbr = nullptr;
    QTabWidget *RcmPctl = nullptr;

    QToolButton *RcmPanelClearBindsBt = nullptr;
    QToolButton *RcmPanelImportBindsBt = nullptr;
    QToolButton *RcmPanelExportBindsBt = nullptr;
    QToolButton *RcmPanelExportBt = nullptr;
    QToolButton *RcmPanelCheckBt = nullptr;
    QToolButton *RcmPanelPrintBt = nullptr;
    QToolButton *RcmPanelScaleBt = nullptr;
    QToolButton *RcmPanelViewCodeBt = nullptr;
    QToolButton *RcmPanelCodeRcmBt = nullptr;        // hidden
    QSpinBox *RcmPanelCodeRcmCountSe = nullptr;      // hidden

    TConditionSheet *RcmSheet1 = nullptr;
    TCodeSelSheet *RcmSheet2 = nullptr;
    TNumberRangeSheet *TabSheet3 = nullptr;
    TResultSheet *RcmSheet4 = nullptr;
    TBackTestTab *BackTestSheet = nullptr;   // "历史验证"
    TReductionExtrasBar *RcmExtrasBar = nullptr;   // 容错, 大底, 结果再缩水, 生成投注
    TWheelTab *WheelSheet = nullptr;         // "旋转矩阵"

    // Creates and places the condition controls. The constructor already calls it, so
    // the start-up's call (before the history is loaded) finds them made.
    void CreateConditionControls();

    // Resets every condition to its default, as "清除条件" does (last step of start-up).
    void ResetConditions();

    // ---- what the panel uses of its window ---------------------------------------------
    void setHistory(const TBeenCodesRecArr *history) { m_history = history; }
    void setStatusSink(std::function<void(const QString &)> sink) { m_statusSink = std::move(sink); }
    void setProgressForm(TProgressForm *form);
    void setCodeSetForm(TCodeSetForm *form);
    void setCaptionWindow(QWidget *window);
    // Dialogs and printing; tests replace them.
    TRcmDialogs &dialogs() { return m_dialogs; }

    // ---- the conditions ------------------------------------------------------------
    ConditionSet Conditions() const;
    void SetConditions(const ConditionSet &conditions);

    // The survivors of the last reduction (empty before the first one).
    const TCodeList &ResultList() const { return m_resultList; }
    // The imported base (大底) the next run goes over; null for all combinations.
    const TCodeRedArrArr *Base() const { return m_base ? &*m_base : nullptr; }

    // ---- handlers ------------------------------------------------------------------
    void RcmPanelClearBindsBtClick();
    void RcmPanelImportBindsBtClick();
    void RcmPanelExportBindsBtClick();
    void RcmPanelExportBtClick();
    void RcmPanelCheckBtClick();
    void RcmPanelPrintBtClick();
    void RcmPanelScaleBtClick();
    void RcmPanelViewCodeBtClick();
    void RcmSheet1Show();
    void RcmPanelImportBaseBtClick();
    void RcmPanelClearBaseBtClick();
    void RcmPanelReduceAgainBtClick();
    void RcmPanelTicketsBtClick();

    // The file commands after the dialog: true when the file was written or read.
    bool ExportConditions(const QString &path);
    bool ImportConditions(const QString &path);
    bool ExportResult(const QString &path);
    // The prize check's search with a text already asked for: six reds are looked for
    // among the survivors (and selected where the memo lists them); any other text is
    // refused with a message that asks for six reds.
    void FindInMemo(const QString &text);
    // The base commands after the dialog: true when the base was read.
    bool ImportBase(const QString &path);
    // "生成投注" after the blues were asked for: counts, asks where (and above 10,000
    // tickets whether) to write, writes. True when the file was written.
    bool WriteTickets(const QString &blueText);
    // A wheel becomes the current result: the result commands then work on its tickets.
    void UseWheelAsResult(const TCodeList &list, const QStringList &report);

signals:
    // A reduction has finished and its report is in the memo.
    void reductionDone();

private:
    void createToolBar();
    const TBeenCodesRecArr &history() const;
    void showStatus(const QString &text);
    TCodeSetForm *codeSetForm();
    void setFileCaption(const QString &path);
    void showBaseNote();
    FileDialogRequest conditionFileRequest(const QString &title) const;

    const TBeenCodesRecArr *m_history = nullptr;
    std::function<void(const QString &)> m_statusSink;
    QPointer<TProgressForm> m_progressForm;
    QPointer<TCodeSetForm> m_codeSetForm;
    QPointer<QWidget> m_captionWindow;
    TRcmDialogs m_dialogs;
    TCodeList m_resultList;
    std::optional<TCodeRedArrArr> m_base;
    bool m_controlsCreated = false;
};
