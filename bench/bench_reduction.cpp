// Times the reduction: the property table, the base list, whole runs for four condition sets (enumeration
// included) with the machine's cores and with one thread, runs with a tolerance and over an imported
// base, the straightforward
// stage-by-stage reduction for comparison, and the peak memory of the process.

#include "../tests/core/ReferenceReduction.h"

#include "history/HistoryParser.h"
#include "reduction/ReductionEngine.h"

#include <QFile>
#include <QTextStream>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

// The best time is printed beside the median: on a machine shared with other work the
// median mostly measures the others.
double g_bestMs = 0;
double g_cpuMs = 0; // processor time of all threads per run, median

double cpuNowMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double medianMs(int repeats, const std::function<void()> &run)
{
    std::vector<double> times;
    std::vector<double> cpu;
    for (int i = 0; i < repeats; ++i) {
        const double c0 = cpuNowMs();
        const auto t0 = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        cpu.push_back(cpuNowMs() - c0);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    g_bestMs = times.front();
    g_cpuMs = cpu[cpu.size() / 2];
    return times[times.size() / 2];
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

CheckList all(int items)
{
    CheckList l;
    for (int i = 0; i < items; ++i)
        l.setChecked(i, true);
    return l;
}

// Every stage active, each removing only a few combinations.
ConditionSet looseEverything()
{
    namespace I = ConditionItems;
    ConditionSet c;
    c.NumberRange.fill(true);
    c.ZoneCounts[0] = all(I::Zone);
    c.SixZoneSpread = all(I::SixZone);
    c.SixZoneSpread.setChecked(0, false);
    c.SixZoneOddEven = all(I::SixZone);
    c.Mod3Counts[0] = all(I::Mod3);
    c.Mod6Groups = all(I::Mod6);
    c.AcRange = {4, 10};
    c.MaxGapRange = {2, 28};
    c.OddEvenRatio = all(I::Ratio);
    c.BigSmallRatio = all(I::Ratio);
    c.ConsecCount.setChecked(1, true);
    c.ConsecGroups = all(3);
    c.SumRange = {22, 180};
    c.SameTailCount = all(I::SameTail);
    c.PrevTailSame = all(I::PrevTailSame);
    c.TailSumRange = {4, 51};
    c.TailMod5Groups = all(I::TailMod5);
    c.TailBigSmallRatio = all(I::Ratio);
    c.CodeSel1 = {QStringLiteral("01,02,03&0,1,2")};
    c.CodeSel2 = {QStringLiteral("31,32,33&0,1,2")};
    return c;
}

// The number range (the first stage) keeps 23 numbers: about 91 % go at once.
ConditionSet firstStagesCut()
{
    ConditionSet c = looseEverything();
    for (int n = 1; n <= 33; ++n)
        c.NumberRange[static_cast<std::size_t>(n - 1)] = n <= 23;
    return c;
}

ConditionSet tenGroupsEach()
{
    ConditionSet c;
    for (int g = 0; g < 10; ++g) {
        const int a = 1 + g * 3;
        c.CodeSel1.append(QStringLiteral("%1,%2,%3,%4&0,1,2").arg(a).arg(a + 1).arg(a + 2).arg((a + 10) % 33 + 1));
        c.CodeSel2.append(QStringLiteral("%1,%2,%3,%4,%5&0,1,2,3").arg(g + 1).arg(g + 8).arg(g + 15).arg(g + 22).arg(g + 24));
    }
    return c;
}

class QuietReporter : public ParseReporter
{
public:
    void report(const QString &message) override { QTextStream(stderr) << message << '\n'; }
};

} // namespace

int main()
{
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    TBeenCodesRecArr history;
    if (file.open(QIODevice::ReadOnly)) {
        QuietReporter reporter;
        DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, reporter);
    }
    std::printf("history: %zu draws\n", history.size());
    const long startKiB = peakKiB();
    {
        // Made once per process from unit Code's functions; every run then reads it.
        const auto t0 = Clock::now();
        const double c0 = cpuNowMs();
        CombinationTable();
        std::printf("property table (once per process): %.1f ms, cpu %.1f ms, %zu KiB\n",
                    std::chrono::duration<double, std::milli>(Clock::now() - t0).count(), cpuNowMs() - c0,
                    CombinationTable().size() * sizeof(CombinationRecord) / 1024);
    }

    {
        const double fresh = medianMs(9, [] {
            TCodeList list;
            BuildBaseList(list);
        });
        const double freshBest = g_bestMs;
        TCodeList reused;
        BuildBaseList(reused);
        const double again = medianMs(21, [&] { BuildBaseList(reused); });
        std::printf("BuildBaseList: median %.2f ms (best %.2f) into a new list, %.2f ms (best %.2f) into a used one\n",
                    fresh, freshBest, again, g_bestMs);
    }

    const std::vector<std::pair<const char *, ConditionSet>> sets = {
        {"no condition", ConditionSet{}},
        {"every stage active, most survive", looseEverything()},
        {"first stages remove ~90%", firstStagesCut()},
        {"group lists with ten groups each", tenGroupsEach()},
    };

    TCodeList result;
    std::vector<double> engineMs;
    for (const auto &[name, conditions] : sets) {
        const ConditionSet c = conditions;
        int survivors = 0;
        const double multi = medianMs(31, [&] { survivors = RunReduction(c, history, result).survivors; });
        const double multiBest = g_bestMs;
        const double multiCpu = g_cpuMs;
        const double single = medianMs(11, [&] { RunReduction(c, history, result, nullptr, QDateTime::currentDateTime(), 1); });
        const double singleBest = g_bestMs;
        const double singleCpu = g_cpuMs;
        engineMs.push_back(multi);
        const ReductionFilter filter(c, history);
        double stagesCpu = 0;
        for (int i = 0; i < 11; ++i) {
            BuildBaseList(result);
            const double c0 = cpuNowMs();
            filter.apply(result, nullptr, 1);
            stagesCpu += (cpuNowMs() - c0) / 11;
        }
        std::printf("%-34s survivors %7d\n  whole run: median %6.2f ms, best %6.2f ms, cpu %6.2f ms | one thread: median %6.2f ms, best %6.2f ms, cpu %6.2f ms\n",
                    name, survivors, multi, multiBest, multiCpu, single, singleBest, singleCpu);
        std::printf("  the stages alone, one thread: cpu %6.2f ms (mean)\n", stagesCpu);
    }
    {
        // Tolerance: every stage active, K = 0 and K = 2 over all combinations; and an
        // imported base of 100,000 combinations (every eleventh).
        ConditionSet strict = looseEverything();
        strict.OddEvenRatio = CheckList{0x1C};
        strict.SumRange = {70, 140};
        strict.AcRange = {6, 10};
        for (int k : {0, 2}) {
            ConditionSet c = strict;
            c.Tolerance = k;
            int survivors = 0;
            const double ms = medianMs(31, [&] { survivors = RunReduction(c, history, result).survivors; });
            std::printf("tolerance K = %d, every stage active   survivors %7d\n  whole run: median %6.2f ms, best %6.2f ms, cpu %6.2f ms\n",
                        k, survivors, ms, g_bestMs, g_cpuMs);
        }
        TCodeRedArrArr base;
        for (int i = 0; i < kCombinationCount && base.size() < 100000; i += 11)
            base.push_back(result.Codes.empty() ? TCodeRedArr{} : result.Codes[static_cast<std::size_t>(i)]);
        for (int k : {0, 2}) {
            ConditionSet c = strict;
            c.Tolerance = k;
            TCodeList list;
            int survivors = 0;
            const double ms = medianMs(31, [&] {
                survivors = RunReduction(c, history, list, nullptr, QDateTime::currentDateTime(), 0, &base).survivors;
            });
            std::printf("base of %zu, K = %d                 survivors %7d\n  whole run: median %6.2f ms, best %6.2f ms, cpu %6.2f ms\n",
                        base.size(), k, survivors, ms, g_bestMs, g_cpuMs);
        }
    }
    std::printf("peak memory of the engine: %ld KiB before the first list, %ld KiB after every run (+%ld KiB)\n",
                startKiB, peakKiB(), peakKiB() - startKiB);

    for (std::size_t i = 0; i < sets.size(); ++i) {
        TCodeList ref;
        const double reference = medianMs(3, [&] {
            BuildBaseList(ref);
            Reference::reduce(sets[i].second, history, ref);
        });
        std::printf("%-34s stage by stage: median %7.1f ms, best %7.1f ms, cpu %7.1f ms: %.1f times the fast run's median\n",
                    sets[i].first, reference, g_bestMs, g_cpuMs, reference / engineMs[i]);
        BuildBaseList(result);
        ReductionFilter(sets[i].second, history).apply(result);
        if (ref.Alive != result.Alive)
            std::printf("  MISMATCH with the stage-by-stage reduction\n");
    }
    return 0;
}
