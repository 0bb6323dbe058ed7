// Wheel figures: per guarantee and n = 7..20 the size of the shipped wheel against the best
// known, the time from the table and from the search alone; the search beyond 20 numbers;
// the survivor wheel over 10^4, 10^5 and all 1,107,568 combinations. With --table FILE it
// instead runs the long search and writes the table of wheels the program ships.
#include "core/wheel/ChosenWheel.h"
#include "core/wheel/SurvivorWheel.h"
#include "core/reduction/ReductionEngine.h"
#include "core/wheel/WheelSearch.h"
#include "core/wheel/WheelTable.h"
#include "core/wheel/WheelVerifier.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <cstdio>
#include <random>

namespace {

void writeTable(const QString &path, const QMap<QString, QString> &entries)
{
    QString text = QStringLiteral("# Wheels found once by a long search (bench_wheel --table). One entry per block:\n"
                                  "# \"n m t size\", then the tickets over 1..n, twelve digits each; blocks are\n"
                                  "# separated by an empty line. Every entry is checked exhaustively when it is read.\n");
    for (const QString &entry : entries)
        text += QLatin1Char('\n') + entry;
    QFile file(path + QStringLiteral(".tmp"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.close();
        QFile::remove(path);
        file.rename(path);
    }
}

// Goes on from the shipped entries (or the greedy start) for `cpuSeconds` of processor
// time per case and keeps a wheel only when it is smaller. `only` limits the cases to
// the guarantees listed ("6-5,4-4").
int runTable(const QString &path, int nFrom, int nTo, double cpuSeconds, const QStringList &only)
{
    QMap<QString, QString> entries;
    // Goes on from the file of an earlier run when there is one (a run can be stopped and
    // started again), else from the shipped table.
    std::vector<QByteArray> blocks;
    QFile earlier(path);
    if (earlier.open(QIODevice::ReadOnly)) {
        QByteArray joined;
        for (const QByteArray &line : earlier.readAll().split('\n')) {
            if (line.trimmed().isEmpty()) {
                if (!joined.isEmpty())
                    blocks.push_back(joined);
                joined.clear();
            } else if (!line.startsWith('#')) {
                joined += line + '\n';
            }
        }
        if (!joined.isEmpty())
            blocks.push_back(joined);
    }
    std::vector<const char *> texts;
    for (const QByteArray &block : blocks)
        texts.push_back(block.constData());
    const WheelTable resumed(texts);
    const WheelTable &table = resumed.entryCount() > 0 ? resumed : WheelTable::shipped();
    for (int i = 0; i < table.entryCount(); ++i)
        if (const auto e = WheelTable::readEntry(table.entry(i)))
            entries.insert(QStringLiteral("%1 %2").arg(e->n, 2, 10, QLatin1Char('0')).arg(e->g.key()),
                           WheelTable::writeEntry(e->n, e->g, e->tickets));
    for (int n = nFrom; n <= nTo; ++n)
        for (const WheelGuarantee &g : kWheelGuarantees) {
            if (!only.isEmpty() && !only.contains(g.key()))
                continue;
            const QString key = QStringLiteral("%1 %2").arg(n, 2, 10, QLatin1Char('0')).arg(g.key());
            WheelSearchOptions o;
            o.timeLimitMs = int(cpuSeconds * 1000);
            o.cpuClock = true;
            o.seed = std::uint64_t(QDateTime::currentMSecsSinceEpoch());
            int had = 0;
            if (const auto shipped = table.find(n, g)) {
                o.start = *shipped;
                had = int(shipped->size());
            }
            const auto w = SearchWheel(n, g, o);
            const bool ok = w && VerifyWheel(n, g, *w).ok;
            std::printf("%2d %s found %zu (table %d) %s\n", n, qPrintable(g.key()), w ? w->size() : 0, had,
                        ok ? "ok" : "FAIL");
            std::fflush(stdout);
            if (ok && (had == 0 || int(w->size()) < had)) {
                entries.insert(key, WheelTable::writeEntry(n, g, *w));
                writeTable(path, entries);
            }
        }
    writeTable(path, entries);
    return 0;
}

// The best known sizes (La Jolla Covering Repository and the lotto design tables), the
// figures a wheel is measured against.
const int kGuaranteeOrder[9][2] = {{6, 5}, {6, 4}, {6, 3}, {5, 5}, {5, 4}, {5, 3}, {4, 4}, {4, 3}, {3, 3}};
const int kRecords[14][9] = {
    {1, 1, 1, 6, 1, 1, 5, 1, 4},           {4, 1, 1, 12, 3, 1, 7, 3, 4},
    {7, 3, 1, 30, 3, 2, 12, 3, 7},         {14, 3, 2, 50, 7, 2, 20, 4, 10},
    {22, 5, 2, 100, 10, 2, 32, 5, 11},     {38, 6, 2, 132, 14, 2, 41, 6, 15},
    {61, 10, 2, 245, 21, 5, 66, 9, 21},    {98, 14, 4, 371, 29, 5, 80, 11, 25},
    {142, 19, 4, 578, 40, 7, 117, 14, 31}, {223, 25, 5, 808, 52, 8, 152, 16, 38},
    {332, 33, 6, 1202, 66, 11, 188, 20, 44}, {471, 42, 7, 1530, 81, 12, 236, 24, 48},
    {646, 53, 9, 2167, 111, 15, 325, 30, 60}, {844, 66, 10, 2800, 139, 18, 382, 35, 71},
};
// n = 21..33: 5-5, 4-4, 3-3.
const int kRecordsBeyond[3][13] = {
    {3863, 4659, 6156, 7084, 9321, 11544, 14673, 16744, 21046, 24911, 30629, 35216, 42785},
    {484, 580, 716, 784, 992, 1152, 1170, 1489, 1802, 2170, 2549, 2791, 3310},
    {77, 77, 104, 116, 130, 130, 167, 185, 217, 225, 273, 300, 333},
};

int record(int n, const WheelGuarantee &g)
{
    if (n >= 7 && n <= 20)
        for (int i = 0; i < 9; ++i)
            if (kGuaranteeOrder[i][0] == g.m && kGuaranteeOrder[i][1] == g.t)
                return kRecords[n - 7][i];
    if (n >= 21 && n <= 33 && g.m == g.t && g.t >= 3)
        return kRecordsBeyond[5 - g.t][n - 21];
    return 0;
}

QList<int> firstNumbers(int n)
{
    QList<int> numbers;
    for (int i = 1; i <= n; ++i)
        numbers << i;
    return numbers;
}

void runSurvivors(int count)
{
    TCodeList list;
    BuildBaseList(list);
    std::mt19937 rng(2026);
    if (count < list.Count) {
        std::fill(list.Alive.begin(), list.Alive.end(), 0);
        int alive = 0;
        while (alive < count) {
            const auto i = std::size_t(rng() % unsigned(list.Count));
            if (!list.Alive[i]) {
                list.Alive[i] = 1;
                ++alive;
            }
        }
    }
    for (const int t : {5, 4, 3}) {
        QElapsedTimer timer;
        timer.start();
        const auto wheel = CoverSurvivors(list, t);
        std::printf("survivor wheel %7d survivors  保%d %7zu tickets %8lld ms\n", wheel->survivors, t,
                    wheel->tickets.size(), timer.elapsed());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // --table FILE N_FROM N_TO CPU_SECONDS [6-5,4-4,...]: the long search (scripts/wheel-search.sh).
    if (args.size() >= 6 && args[1] == QStringLiteral("--table"))
        return runTable(args[2], args[3].toInt(), args[4].toInt(), args[5].toDouble(),
                        args.size() >= 7 ? args[6].split(',') : QStringList());
    // --survivors: only the survivor wheels.  --beyond: only n = 21..33.  --table-only: no searches for n <= 20.
    const bool survivorsOnly = args.contains(QStringLiteral("--survivors"));
    const bool beyondOnly = args.contains(QStringLiteral("--beyond"));
    const bool tableOnly = args.contains(QStringLiteral("--table-only"));
    if (!survivorsOnly && !beyondOnly) {
        std::printf(" n guarantee  table  record  ratio  table(ms)  search  search(ms)\n");
        const WheelTable none({});
        for (const WheelGuarantee &g : kWheelGuarantees)
            for (int n = 7; n <= 20; ++n) {
                QElapsedTimer timer;
                timer.start();
                const auto fromTable = MakeWheel(firstNumbers(n), g);
                const qint64 tableMs = timer.elapsed();
                const int rec = record(n, g);
                std::printf("%2d %s %7zu %7d %6.3f %9lld", n, qPrintable(g.caption()), fromTable->tickets.size(), rec,
                            double(fromTable->tickets.size()) / rec, tableMs);
                if (!tableOnly) {
                    timer.restart();
                    const auto searched = MakeWheel(firstNumbers(n), g, {}, nullptr, &none);
                    std::printf("  %6zu %10lld", searched->tickets.size(), timer.elapsed());
                }
                std::printf("\n");
                std::fflush(stdout);
            }
    }
    if (!survivorsOnly) {
        std::printf(" n guarantee  wheel  record  ratio  time(ms)  from   (beyond 20 numbers: the table, else the search with its fixed count of moves)\n");
        for (const WheelGuarantee &g : kWheelGuarantees)
            for (int n = 21; n <= 33; ++n) {
                if (g.m != g.t && n != 21 && n != 27 && n != 33)
                    continue;
                QElapsedTimer timer;
                timer.start();
                const auto wheel = MakeWheel(firstNumbers(n), g);
                const int rec = record(n, g);
                std::printf("%2d %s %7zu %7d %6.3f %9lld  %s\n", n, qPrintable(g.caption()), wheel->tickets.size(), rec,
                            rec ? double(wheel->tickets.size()) / rec : 0.0, timer.elapsed(), wheel->fromTable ? "table" : "search");
                std::fflush(stdout);
            }
    }
    if (!beyondOnly)
        for (const int count : {10000, 100000, 1107568})
            runSurvivors(count);
    return 0;
}
