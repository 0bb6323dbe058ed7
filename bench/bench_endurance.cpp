// Endurance: 1,000 reductions in a row and 1,000 refreshes of every chart page in one
// process, as a long session of the desktop program does them. The resident memory is
// printed at the start, after 100 rounds and at the end of each: it must not grow.
//   bench_endurance [ROUNDS]   (default 1000)

#include "core/charts/ChartPageJson.h"
#include "core/charts/ChartPageList.h"
#include "core/history/HistoryParser.h"
#include "core/reduction/ReductionEngine.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class Quiet : public ParseReporter
{
public:
    void report(const QString &) override {}
};

// VmRSS of /proc/self/status, in KiB.
long rssKiB()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kib = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return kib;
}

// Conditions that keep every stage busy: ranges, ratios and two group lists.
ConditionSet busyConditions()
{
    ConditionSet c = DefaultConditions();
    c.AcRange = {4, 10};
    c.SumRange = {70, 140};
    c.OddEvenRatio.setChecked(0, false);
    c.OddEvenRatio.setChecked(6, false);
    c.CodeSel1 = QStringList{QStringLiteral("01,02,03,04,05,06,07&0,1,2"), QStringLiteral("30,31,32,33&0,1")};
    c.CodeSel2 = QStringList{QStringLiteral("10,11,12,13,14&0,1,2,3")};
    return c;
}

template <typename Round>
void endure(const char *what, int rounds, Round round)
{
    const auto t0 = std::chrono::steady_clock::now();
    const long start = rssKiB();
    long after100 = -1;
    for (int i = 1; i <= rounds; ++i) {
        round(i);
        if (i == 100)
            after100 = rssKiB();
    }
    const long end = rssKiB();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%-22s %5d rounds %7.1f s   VmRSS KiB: start %7ld  after 100 %7ld  end %7ld  (end - after 100: %+ld)\n",
                what, rounds, seconds, start, after100, end, end - after100);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read ssq.dxt\n");
        return 1;
    }
    TBeenCodesRecArr history;
    Quiet quiet;
    if (!DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, quiet))
        return 1;
    std::printf("history: %zu draws, VmRSS at start %ld KiB\n", history.size(), rssKiB());

    // The result list lives as long as the main window and is refilled by every run.
    TCodeList result;
    const ConditionSet conditions = busyConditions();
    int survivors = -1;
    endure("reductions", rounds, [&](int) {
        const ReductionRun run = RunReduction(conditions, history, result);
        if (survivors >= 0 && run.survivors != survivors)
            std::abort();   // the same conditions must give the same result every time
        survivors = run.survivors;
    });
    std::printf("  survivors per run: %d\n", survivors);

    qsizetype bytes = 0;
    endure("chart refreshes (13 pages)", rounds, [&](int i) {
        for (int page = 0; page < ChartPageCount; ++page) {
            QString error;
            const QJsonObject json = ChartPageJson(history, page, 30 + i % 70, 1 + i % 33, &error);
            if (json.isEmpty())
                std::abort();
            bytes += json.size();
        }
    });
    return bytes > 0 ? 0 : 1;
}
