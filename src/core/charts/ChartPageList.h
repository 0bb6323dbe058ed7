#pragma once

#include <QString>
#include <array>

// The thirteen chart pages in the order of their tabs; the page index is also the tag of
// the item of the charts menu that shows the page.
enum ChartPage {
    PageRedTrend = 0,
    PageZone,
    PageTail,
    PageOddEven,
    PageBigSmall,
    PageEmptyRowCol,
    PageRedStat,
    PageRotation,
    PageBlueTrend,
    PageBlueStat,
    PageOmission,
    PageGann,
    PageAnalysis,
    ChartPageCount
};

inline const std::array<QString, ChartPageCount> kChartPageCaptions = {
    QStringLiteral("红球走势图"), QStringLiteral("区域分布图"), QStringLiteral("尾号走势图"),
    QStringLiteral("奇偶走势图"), QStringLiteral("大小走势图"), QStringLiteral("空行空列图"),
    QStringLiteral("红球统计图"), QStringLiteral("旋转图"),     QStringLiteral("蓝球走势图"),
    QStringLiteral("蓝球统计图"), QStringLiteral("遗漏统计图"), QStringLiteral("江恩图"),
    QStringLiteral("统计分析表")};

// The count every page starts with, and the start number of the rotation.
inline constexpr int kDefaultChartCount = 30;
inline constexpr int kDefaultRotationStart = 1;
