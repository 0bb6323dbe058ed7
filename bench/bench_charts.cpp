// Time of each chart routine over the whole shipped history: the model a page shows
// when its count is set to every draw.

#include "core/charts/B0NetModel.h"
#include "core/charts/ChartAnalysis.h"
#include "core/charts/ChartBlue.h"
#include "core/charts/ChartClasses.h"
#include "core/charts/ChartGrids.h"
#include "core/charts/ChartOmission.h"
#include "core/charts/ChartPageJson.h"
#include "core/charts/ChartRedTrend.h"
#include "core/charts/G2NetModel.h"
#include "core/charts/H2NetModel.h"
#include "core/history/HistoryParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

class Messages : public ParseReporter
{
public:
    void report(const QString &message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

// The best of a few runs, in milliseconds.
double timeIt(const std::function<void()> &run, int repeats = 5)
{
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(file.fileName()));
        return 1;
    }
    Messages messages;
    TBeenCodesRecArr arr;
    if (!DataTxtToCodeArr(HistoryTextLines(file.readAll()), arr, messages))
        return 1;
    const int n = int(arr.size());
    std::printf("chart routines over %d draws (best of 5, ms)\n", n);

    using TableRoutine = bool (*)(H2NetModel &, const TBeenCodesRecArr &, int, ChartReporter *);
    const struct
    {
        const char *name;
        TableRoutine routine;
    } tables[] = {{"红球走势图", FillRedTrendChart}, {"区域分布图", FillZoneChart},
                  {"尾号走势图", FillTailChart},     {"奇偶走势图", FillOddEvenChart},
                  {"大小走势图", FillBigSmallChart}, {"蓝球走势图", FillBlueTrendChart},
                  {"统计分析表", FillAnalysisTable}};
    for (const auto &t : tables) {
        H2NetModel model;
        std::printf("  %-12s %8.2f\n", t.name, timeIt([&] { t.routine(model, arr, n, nullptr); }));
    }
    {
        H2NetModel model;
        std::printf("  %-12s %8.2f\n", "旋转图 S=30", timeIt([&] { FillRotationChart(model, arr, n, 30, nullptr); }));
    }
    {
        G2NetModel chart;
        std::printf("  %-12s %8.2f\n", "红球统计图", timeIt([&] { FillRedStatChart(chart, arr, n, nullptr); }));
        std::printf("  %-12s %8.2f\n", "蓝球统计图", timeIt([&] { FillBlueStatChart(chart, arr, n, nullptr); }));
    }
    {
        B0NetModel red;
        B0NetModel blue;
        std::printf("  %-12s %8.2f\n", "遗漏统计图", timeIt([&] { FillOmissionTables(red, blue, arr, n, nullptr); }));
    }
    {
        // The pages fill only the tables in view; all of them is the batch tool's work.
        std::vector<B0NetModel> grids;
        std::printf("  %-12s %8.2f  (all %d tables)\n", "空行空列图",
                    timeIt([&] { FillEmptyRowColTables(grids, arr, n, nullptr); }), n);
        std::printf("  %-12s %8.2f  (all %d tables)\n", "江恩图", timeIt([&] { FillGannTables(grids, arr, n, nullptr); }), n);
        B0NetModel one;
        std::printf("  %-12s %8.4f  (one table)\n", "江恩图",
                    timeIt([&] { FillGannTable(one, arr.back()); }, 50));
    }
    std::printf("batch tool JSON over %d draws (ms)\n", n);
    for (int page = 0; page < 13; ++page)
        std::printf("  page %2d      %8.2f\n", page,
                    timeIt([&] { ChartPageJson(arr, page, n, 1, nullptr); }, 2));
    return 0;
}
