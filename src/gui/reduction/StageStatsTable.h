#pragma once

#include "reduction/ReductionEngine.h"

#include <QTableWidget>

// "缩水统计": per stage of the last reduction, in order, whether it was active, how many
// combinations it removed and how many were left after it; with a tolerance also how
// many combinations of the base fail it ("不满足").
class TStageStatsTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStageStatsTable(QWidget *parent = nullptr);

    void ShowStages(const StageOutcomes &stages, int tolerance = 0);
    void ClearStages();

    QSize sizeHint() const override;
};
