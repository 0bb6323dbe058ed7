#pragma once

#include "core/charts/ChartColor.h"

#include <QPoint>
#include <QString>

// One caption painted over a block of table cells. Points carry x = column, y = row.
// A fresh entry is hidden, spans cell (0, 0), has no text and no fill.
struct MergeCell
{
    bool Visible = false;
    QPoint TopLeft;
    QPoint BottomRight;
    QString Text;
    TColor Color = clWindow;
};
