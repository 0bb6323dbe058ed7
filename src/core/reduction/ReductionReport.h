#pragma once

// The report of a reduction run as the result memo shows it.

#include "core/reduction/CodeList.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

// More survivors than this are counted but not listed.
inline constexpr int kReportListLimit = 20000;

// Appends the survivors, five to a line, each as "01 02 03 04 05 06, "; a last shorter
// line and then one empty line follow. Nothing is added when nothing survives.
void ResultToLines(const TCodeList &list, QStringList &lines);

// The report's line of survivors by failed conditions under a tolerance K > 0:
// "满足全部条件 n0 注，错1个 n1 注，错2个 n2 注". `byFailures` has one entry per stage.
QString ToleranceLine(const std::array<int, 19> &byFailures, int tolerance);

// The report's first line, "晨帆选号通  2005.06.01 13:05:09".
QString ReportTitleLine(const QDateTime &now);
