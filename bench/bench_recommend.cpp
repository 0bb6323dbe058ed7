// Times "单注推荐": the list of all 1,107,568 combinations built afresh, one walk that
// marks the eligible ones and the picking walks of the three ticket blocks. The command
// runs on the GUI thread without a progress window, so it has to stay well under the
// moment a user notices (50 ms). Prints the median of several runs; exit status 1 when
// the median is over the limit.

#include "core/history/HistoryParser.h"
#include "core/recommend/RecommendCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class StderrReporter : public ParseReporter
{
public:
    void report(const QString &message) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
};

constexpr int kRuns = 21;
constexpr double kLimitMs = 50.0;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStringLiteral(SSQ_TEST_DATA "/ssq.dxt");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return 2;
    }
    TBeenCodesRecArr history;
    StderrReporter reporter;
    if (!DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, reporter))
        return 2;

    std::vector<double> times;
    qsizetype lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const RecommendOutput out = RunRecommend(RecommendKind::Single, history);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        lines = out.lines.size();
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("single-ticket recommendation over %zu draws: %lld lines\n", history.size(),
                static_cast<long long>(lines));
    std::printf("runs %d  min %.2f ms  median %.2f ms  max %.2f ms  (limit %.0f ms)\n", kRuns,
                times.front(), median, times.back(), kLimitMs);
    return median < kLimitMs ? 0 : 1;
}
