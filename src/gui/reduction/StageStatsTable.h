#pragma once

#include "core/reduction/ReductionEngine.h"

#include <QTableWidget>

// "缩水统计": per stage of the last reduction, in order, whether it was active, how many
// combinations it removed and how many were left after it; with a tolerance also how
// many combinations of the base fail it ("不满足").
class TStageStatsTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStageStatsTable(QWidget *parent = nullptr);

    // A stage in `inert` (switched on, but no combination fails it) shows "未用" as a
    // stage that is off does.
    void ShowStages(const StageOutcomes &stages, int tolerance = 0,
                    const std::array<bool, kStageCount> &inert = {});
    void ClearStages();

    QSize sizeHint() const override;
};
