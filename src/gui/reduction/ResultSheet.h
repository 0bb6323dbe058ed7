#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QTabWidget;
class TPrizeStatsBox;
class TStageStatsTable;

// The tab "缩水结果" (RcmSheet4): the memo RcmMemo with the report of the last reduction.
// It is an ordinary editable memo; printing and the prize check read what it shows.
// Beside it stand what each stage of the run removed ("缩水统计") and the prize
// statistics of the survivors ("中奖统计").
class TResultSheet : public QWidget
{
    Q_OBJECT

public:
    explicit TResultSheet(QWidget *parent = nullptr);

    void setReport(const QStringList &lines);
    QStringList memoLines() const;

    // Caret to the start, no selection, keyboard focus to the memo.
    void caretToStart();

    // Looks for `text` in the memo's whole text and selects it (scrolled into view);
    // answers the status text, or an empty text when `text` is empty.
    QString FindInMemo(const QString &text);

    QPlainTextEdit *RcmMemo = nullptr;
    QTabWidget *SideTabs = nullptr;
    TStageStatsTable *StageStats = nullptr;
    TPrizeStatsBox *PrizeStats = nullptr;
};
