#pragma once

#include "core/history/DrawRecord.h"

#include <QList>
#include <QString>

// One draw as a source of the online update offers it: the record with its reds in
// ascending order (the operator publishes them so, and two sources can only be compared
// in one order) and the date of the draw when the source gives it ("2026-08-16").
struct SourceDraw
{
    DrawRecord draw;
    QString date;

    friend bool operator==(const SourceDraw &, const SourceDraw &) = default;
};

using SourceDraws = QList<SourceDraw>;

// "2026096 01 05 12 19 27 31 09": the history line of a draw.
QString DrawLine(const DrawRecord &draw);
// "01 05 12 19 27 31+09": the numbers of a draw in messages.
QString DrawNumbers(const DrawRecord &draw);
// The draw with its reds in ascending order.
DrawRecord SortedDraw(DrawRecord draw);
