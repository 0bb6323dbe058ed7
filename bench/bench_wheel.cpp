// Wheel figures: per n = 7..20 and guarantee the size and time of the wheel the program
// answers, and the survivor wheel over 100,000 survivors. With --table FILE it instead
// runs the long search and writes the table of wheels the program ships.
#include "wheel/ChosenWheel.h"
#include "wheel/SurvivorWheel.h"
#include "wheel/WheelSearch.h"
#include "wheel/WheelTable.h"
#include "wheel/WheelVerifier.h"

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

void runSurvivors(int count)
{
    TCodeList list;
    BuildBaseList(list);
    std::mt19937 rng(2026);
    std::fill(list.Alive.begin(), list.Alive.end(), 0);
    int alive = 0;
    while (alive < count) {
        const auto i = std::size_t(rng() % unsigned(list.Count));
        if (!list.Alive[i]) {
            list.Alive[i] = 1;
            ++alive;
        }
    }
    for (const int t : {5, 4, 3}) {
        QElapsedTimer timer;
        timer.start();
        const auto wheel = CoverSurvivors(list, t);
        std::printf("survivor wheel: %d survivors, t = %d: %zu tickets (ratio %.4f), %lld ms, checked over every survivor\n",
                    wheel->survivors, t, wheel->tickets.size(), double(wheel->tickets.size()) / wheel->survivors,
                    timer.elapsed());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // --table FILE N_FROM N_TO CPU_SECONDS [6-5,4-4,...]
    if (args.size() >= 6 && args[1] == QStringLiteral("--table"))
        return runTable(args[2], args[3].toInt(), args[4].toInt(), args[5].toDouble(),
                        args.size() >= 7 ? args[6].split(',') : QStringList());
    // --search [N_FROM N_TO [6-5,5-5,...]]: the search alone with its budget, as for a
    // case the table lacks.
    const qsizetype at = args.indexOf(QStringLiteral("--search"));
    const bool searchOnly = at >= 0;
    if (args.contains(QStringLiteral("--survivors"))) {
        runSurvivors(100000);
        return 0;
    }
    const int nFrom = searchOnly && args.size() > at + 2 ? args[at + 1].toInt() : 7;
    const int nTo = searchOnly && args.size() > at + 2 ? args[at + 2].toInt() : 20;
    const QStringList only = searchOnly && args.size() > at + 3 ? args[at + 3].split(',') : QStringList();
    std::printf(" n guarantee  size  time(ms)  source  Schönheim(m=t)\n");
    for (int n = nFrom; n <= nTo; ++n)
        for (const WheelGuarantee &g : kWheelGuarantees) {
            if (!only.isEmpty() && !only.contains(g.key()))
                continue;
            QList<int> numbers;
            for (int i = 1; i <= n; ++i)
                numbers << i;
            const WheelTable none({});
            QElapsedTimer timer;
            timer.start();
            const auto wheel = MakeWheel(numbers, g, nullptr, searchOnly ? &none : nullptr);
            const qint64 ms = timer.elapsed();
            std::printf("%2d %s %7zu %8lld  %s  %d\n", n, qPrintable(g.caption()), wheel->tickets.size(), ms,
                        wheel->fromTable ? "table " : "search", g.m == g.t ? WheelLowerBound(n, g) : 0);
            std::fflush(stdout);
        }
    if (!searchOnly)
        runSurvivors(100000);
    return 0;
}
