#pragma once

#include "gui/reduction/HistorySource.h"
#include "core/reduction/PrizeStats.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "中奖统计": what the survivors of the last reduction would have won on a draw that the
// user names, bought with every red combination and each of a set of blue numbers.
class TPrizeStatsBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit TPrizeStatsBox(QWidget *parent = nullptr);

    void SetSources(const TCodeList *results, HistorySource history);
    // Puts the newest draw's issue into the draw field (after a reduction).
    void SuggestNewestDraw();
    // Empties the figures: they belonged to survivors that are gone.
    void ClearStats();

    QLineEdit *PrizeDrawEd = nullptr;
    QLineEdit *PrizeBluesEd = nullptr;
    QPushButton *PrizeStatBt = nullptr;
    QTableWidget *PrizeTable = nullptr;
    QLabel *PrizeTotalLbl = nullptr;

    void PrizeStatBtClick();

private:
    const TCodeList *m_results = nullptr;
    HistorySource m_history;
};
