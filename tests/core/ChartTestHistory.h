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

// count draws of numbered issues 2010001.. with reds taken from a simple pattern.
inline TBeenCodesRecArr patternHistory(int count)
{
    TBeenCodesRecArr arr;
    for (int k = 0; k < count; ++k) {
        DrawRecord d;
        d.Year = 2010 + k / 150;
        d.No = k % 150 + 1;
        for (int p = 0; p < 6; ++p)
            d.Red[std::size_t(p)] = std::int8_t((k * 7 + p * 5) % 33 + 1);
        d.Blue = k % 16 + 1;
        arr.push_back(d);
    }
    return arr;
}

inline TBeenCodesRecArr shippedHistory() { return ShippedHistory(); }

inline const QString kTooMany = QStringLiteral("设置的查询期数超过总期数!!");

} // namespace charttest
