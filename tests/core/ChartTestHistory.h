#pragma once

// Small hand-made histories for the chart tests, and the shipped one.

#include "charts/ChartColor.h"
#include "charts/ChartMessageList.h"
#include "history/DrawRecord.h"
#include "history/HistoryParser.h"
#include "TestSupport.h"

#include <QStringList>
#include <QTest>

namespace charttest {

// "2005013 01 02 03 04 05 33 07" -> one draw (reds in the written order).
inline DrawRecord draw(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    DrawRecord d;
    d.Year = parts[0].left(4).toInt();
    d.No = parts[0].mid(4).toInt();
    for (int i = 0; i < 6; ++i)
        d.Red[std::size_t(i)] = std::int8_t(parts[1 + i].toInt());
    d.Blue = parts[7].toInt();
    return d;
}

// Oldest first, as the history file.
inline TBeenCodesRecArr history(const QStringList &lines)
{
    TBeenCodesRecArr arr;
    for (const QString &line : lines)
        arr.push_back(draw(line));
    return arr;
}

inline const QString kTooMany = QStringLiteral("设置的查询期数超过总期数!!");

} // namespace charttest
