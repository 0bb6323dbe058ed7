// Times the reduction: whole processes of `ssq-cli reduce` and of the straightforward stage-by-stage
// walk with every stage active, the first run of a process against the steady figure, the base list,
// whole runs for four condition sets (enumeration included) with the machine's cores and with one
// thread, runs with a tolerance and over an imported base, the straightforward walk in this process
// for comparison, and the peak memory of the process.
//
//   bench_reduction [--cli PATH]   PATH: the ssq-cli to time (default: the one beside this program)
//   bench_reduction --walk         one straightforward walk as a process of its own (used by the above)

#include "../tests/core/ReferenceReduction.h"

#include "core/history/HistoryParser.h"
#include "core/reduction/ConditionFile.h"
#include "core/reduction/ReductionEngine.h"

#include <QFile>
#include <QTextStream>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include <fcntl.h>

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

constexpr char kHistoryFile[] = SSQ_TEST_DATA "/ssq.dxt";

TBeenCodesRecArr readHistory()
{
    QFile file(QString::fromLatin1(kHistoryFile));
    TBeenCodesRecArr history;
    if (file.open(QIODevice::ReadOnly)) {
        QuietReporter reporter;
        DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, reporter);
    }
    return history;
}

// One whole process: wall time, processor time of all its threads, peak memory.
struct ProcessRun
{
    double wallMs = 0;
    double cpuMs = 0;
    long peakKiB = 0;
    bool ok = false;
};

ProcessRun runProcess(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    const auto t0 = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
            run.peakKiB = usage.ru_maxrss;
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The median wall time of `repeats` processes; prints the figures and answers the median.
double timeProcesses(const char *name, const std::vector<std::string> &args, int repeats)
{
    std::vector<ProcessRun> runs;
    for (int i = 0; i < repeats; ++i)
        runs.push_back(runProcess(args));
    if (std::any_of(runs.begin(), runs.end(), [](const ProcessRun &r) { return !r.ok; })) {
        std::printf("%-40s FAILED to run %s\n", name, args[0].c_str());
        return 0;
    }
    std::sort(runs.begin(), runs.end(), [](const ProcessRun &a, const ProcessRun &b) { return a.wallMs < b.wallMs; });
    const ProcessRun &median = runs[runs.size() / 2];
    std::printf("%-40s wall median %7.1f ms, best %7.1f ms | cpu %7.1f ms | peak %ld KiB\n", name, median.wallMs,
                runs.front().wallMs, median.cpuMs, median.peakKiB);
    return median.wallMs;
}

std::string besideThisProgram(const char *name)
{
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string path(self, n > 0 ? std::size_t(n) : 0);
    return path.substr(0, path.find_last_of('/') + 1) + name;
}

// The straightforward walk as a whole process: the history, the base list and the nineteen
// passes, as the batch tool would do them.
int walkProcess()
{
    const TBeenCodesRecArr history = readHistory();
    TCodeList list;
    BuildBaseList(list);
    Reference::reduce(looseEverything(), history, list);
    std::printf("%d\n", AliveCount(list));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--walk")
        return walkProcess();
    const std::string cli = argc > 2 && std::string(argv[1]) == "--cli" ? argv[2] : besideThisProgram("ssq-cli");

    const TBeenCodesRecArr history = readHistory();
    std::printf("history: %zu draws\n", history.size());
    const long startKiB = peakKiB();
    double firstMs = 0;
    double firstCpuMs = 0;
    {
        // The first run of a process pays for whatever it sets up on first use.
        TCodeList list;
        const double c0 = cpuNowMs();
        const auto t0 = Clock::now();
        RunReduction(looseEverything(), history, list);
        firstMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        firstCpuMs = cpuNowMs() - c0;
    }

    {
        // Every stage active, most combinations surviving: the batch tool reads the
        // conditions from a condition file, the number range and the second group list
        // from options.
        const ConditionSet c = looseEverything();
        const QString ini = QStringLiteral("/tmp/bench_reduction_%1.ini").arg(getpid());
        ExportConditionFile(ini, c);
        const std::vector<std::string> reduce = {cli, "reduce", "--history", kHistoryFile, "--conditions", ini.toStdString(),
                                                 "--range", NumberRangeText(c.NumberRange).toStdString(),
                                                 "--groups2", GroupLinesToText(c.CodeSel2).toStdString()};
        std::printf("whole processes, every stage active, most survive:\n");
        const double cliMs = timeProcesses("  ssq-cli reduce", reduce, 15);
        const double walkMs = timeProcesses("  straightforward walk", {besideThisProgram("bench_reduction"), "--walk"}, 3);
        if (walkMs > 0)
            std::printf("  ssq-cli reduce / straightforward walk: %.2f (medians)\n", cliMs / walkMs);
        QFile::remove(ini);
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
    bool firstShown = false;
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
        if (!firstShown && c == looseEverything()) {
            firstShown = true;
            std::printf("  first run of the process: %6.2f ms, cpu %6.2f ms (%+.2f ms against the median)\n", firstMs,
                        firstCpuMs, firstMs - multi);
        }
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
        result = TCodeList{}; // a run over a base holds the base's list, not the full one
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
