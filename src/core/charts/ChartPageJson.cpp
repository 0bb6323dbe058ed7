#include "core/charts/ChartPageJson.h"

#include "core/charts/B0NetModel.h"
#include "core/charts/ChartAnalysis.h"
#include "core/charts/ChartBlue.h"
#include "core/charts/ChartClasses.h"
#include "core/charts/ChartGrids.h"
#include "core/charts/ChartJson.h"
#include "core/charts/ChartMessageList.h"
#include "core/charts/ChartOmission.h"
#include "core/charts/ChartPageList.h"
#include "core/charts/ChartRedTrend.h"
#include "core/charts/G2NetModel.h"
#include "core/charts/H2NetModel.h"

#include <QJsonArray>
#include <vector>

namespace {

using BarRoutine = bool (*)(G2NetModel &, const TBeenCodesRecArr &, int, ChartReporter *);
using GridRoutine = bool (*)(std::vector<B0NetModel> &, const TBeenCodesRecArr &, int, ChartReporter *);


QJsonArray oneTable(const H2NetModel &table)
{
    return QJsonArray{TableToJson(table)};
}

// The tables of a page, or an empty result when the routine refused N.
bool pageContent(const TBeenCodesRecArr &CodeArr, int page, int n, int start, ChartReporter &reporter,
                 QJsonObject &object)
{
    if (TableRoutine routine = ChartTableRoutine(page)) {
        H2NetModel table;
        if (!routine(table, CodeArr, n, &reporter))
            return false;
        object.insert(QStringLiteral("tables"), oneTable(table));
        return true;
    }
    switch (page) {
    case PageRotation: {
        H2NetModel table;
        if (!FillRotationChart(table, CodeArr, n, start, &reporter))
            return false;
        object.insert(QStringLiteral("tables"), oneTable(table));
        return true;
    }
    case PageRedStat:
    case PageBlueStat: {
        G2NetModel chart;
        const BarRoutine routine = page == PageRedStat ? FillRedStatChart : FillBlueStatChart;
        if (!routine(chart, CodeArr, n, &reporter))
            return false;
        object.insert(QStringLiteral("bars"), BarsToJson(chart));
        return true;
    }
    case PageEmptyRowCol:
    case PageGann: {
        std::vector<B0NetModel> tables;
        const GridRoutine routine = page == PageGann ? FillGannTables : FillEmptyRowColTables;
        if (!routine(tables, CodeArr, n, &reporter))
            return false;
        QJsonArray array;
        for (const B0NetModel &table : tables)
            array.append(TableToJson(table));
        object.insert(QStringLiteral("tables"), array);
        return true;
    }
    case PageOmission: {
        B0NetModel red;
        B0NetModel blue;
        if (!FillOmissionTables(red, blue, CodeArr, n, &reporter))
            return false;
        object.insert(QStringLiteral("tables"), QJsonArray{TableToJson(red), TableToJson(blue)});
        return true;
    }
    default:
        return false;
    }
}

} // namespace

QJsonObject ChartPageJson(const TBeenCodesRecArr &CodeArr, int page, int n, int start, QString *error)
{
    if (page < 0 || page >= ChartPageCount) {
        if (error)
            *error = QStringLiteral("PAGE must be 0..12");
        return {};
    }
    QJsonObject object{{QStringLiteral("page"), page},
                       {QStringLiteral("caption"), kChartPageCaptions[std::size_t(page)]}};
    ChartMessageList messages;
    if (!pageContent(CodeArr, page, n, start, messages, object)) {
        if (error)
            *error = messages.messages.join(QLatin1Char('\n'));
        return {};
    }
    return object;
}

TableRoutine ChartTableRoutine(int page)
{
    switch (page) {
    case PageRedTrend:
        return FillRedTrendChart;
    case PageZone:
        return FillZoneChart;
    case PageTail:
        return FillTailChart;
    case PageOddEven:
        return FillOddEvenChart;
    case PageBigSmall:
        return FillBigSmallChart;
    case PageBlueTrend:
        return FillBlueTrendChart;
    case PageAnalysis:
        return FillAnalysisTable;
    default:
        return nullptr;
    }
}
