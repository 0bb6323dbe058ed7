// Time from showing a chart page until it is computed and painted, each page over the whole
// shipped history (run with QT_QPA_PLATFORM=offscreen for figures without a display).

#include "core/charts/ChartPageList.h"
#include "gui/charts/ChartPages.h"
#include "core/history/HistoryParser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>

namespace {

class Messages : public ParseReporter
{
public:
    void report(const QString &message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    Messages messages;
    TBeenCodesRecArr arr;
    if (!DataTxtToCodeArr(HistoryTextLines(file.readAll()), arr, messages))
        return 1;

    QTabWidget grid;
    grid.resize(1000, 700);
    TChartPages *pages = BuildChartPages(&grid, &arr);
    for (int page = 0; page < ChartPageCount; ++page)
        pages->CountSe(page)->setValue(int(arr.size()));
    grid.setCurrentIndex(PageRedStat); // a cheap page to start on
    grid.show();
    QApplication::processEvents();

    std::printf("show + compute + paint over %zu draws, 1000 x 700 (best of 5, ms)\n", arr.size());
    for (int page = 0; page < ChartPageCount; ++page) {
        double best = 1e9;
        for (int i = 0; i < 5; ++i) {
            grid.setCurrentIndex(page == PageRedStat ? PageBlueStat : PageRedStat);
            QApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            grid.setCurrentIndex(page);
            grid.repaint();
            QApplication::processEvents();
            best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("  page %2d %-10s %8.2f\n", page, qPrintable(kChartPageCaptions[std::size_t(page)]), best);
    }
    return 0;
}
