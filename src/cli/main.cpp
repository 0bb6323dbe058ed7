// ssq-cli: the batch front end over the same core as the desktop program. It computes
// nothing of its own; every figure comes from the routine that fills the panel.

#include "CliContext.h"

#include <QCoreApplication>

namespace {

void printHelp(QTextStream &out)
{
    out << "ssq-cli " << SSQ_VERSION << " - batch tool of the 双色球 program\n\n"
        << "usage: ssq-cli COMMAND [ARGS] [--history FILE]\n\n"
        << "commands:\n";
    for (const CliCommandInfo &c : CliCommands())
        out << "  " << c.synopsis << '\n';
    out << "\n  --history FILE   the history text (GBK); default: ssq.dxt beside the program\n"
        << "  REDUCE OPTIONS:  --conditions FILE.ini  --range LIST  --groups1 TEXT  --groups2 TEXT\n"
        << "                   --tolerance K (容错: a survivor may fail K of the stages 2..19)\n"
        << "  --help           this text\n"
        << "  --version        the version\n";
}

// Splits the words after the command into positional words, options with a value and flags.
bool parseArgs(const CliCommandInfo &info, const QStringList &words, CliArgs &args, QString &problem)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        if (!w.startsWith(QStringLiteral("--")) || w == QStringLiteral("--")) {
            args.positional << w;
        } else if (w == QStringLiteral("--history") || info.valueOptions.contains(w)) {
            if (i + 1 >= words.size()) {
                problem = w + QStringLiteral(" needs a value");
                return false;
            }
            args.options.insert(w, words[++i]);
        } else if (info.flagOptions.contains(w)) {
            args.flags.insert(w);
        } else {
            problem = QStringLiteral("unknown option ") + w;
            return false;
        }
    }
    return true;
}

} // namespace

const QList<CliCommandInfo> &CliCommands()
{
    // The options that set the conditions of a reduction, shared by reduce, backtest and prizes.
    static const QSet<QString> kReduceValues = {"--conditions", "--range", "--groups1", "--groups2", "--tolerance"};
    static const QList<CliCommandInfo> commands = {
        {"check", "check                      parse the history: draw count and issue range", CmdCheck, {}, {}},
        {"query", "query ISSUE COUNT          the lines of the query panel from ISSUE on", CmdQuery, {}, {}},
        {"chart", "chart PAGE N [--start S]   the chart of page PAGE (0..12) over the N newest draws, as JSON",
         CmdChart, {"--start"}, {}},
        {"reduce", "reduce [REDUCE OPTIONS] [--base FILE] [--export FILE] [--stats] [--blues LIST --tickets FILE]\n"
                   "       [--wheel T]          one reduction: the report of \"缩水计算\"; --base: over an imported\n"
                   "                             base (大底); --tickets: every survivor with each blue of LIST\n"
                   "                             (default all sixteen), as \"生成投注\" writes them; --wheel 3|4|5:\n"
                   "                             then tickets sharing T reds with every survivor (缩水后旋转)",
         CmdReduce, kReduceValues + QSet<QString>{"--export", "--base", "--blues", "--tickets", "--wheel"}, {"--stats"}},
        {"backtest", "backtest K [REDUCE OPTIONS]  the K newest draws against the conditions",
         CmdBackTest, kReduceValues, {}},
        {"prizes", "prizes ISSUE|\"r r r r r r+b\" [--blues LIST] [REDUCE OPTIONS]\n"
                   "                             what the survivors win on a draw",
         CmdPrizes, kReduceValues + QSet<QString>{"--blues"}, {}},
        {"recommend", "recommend CMD              the memo lines of a recommendation command:\n"
                      "                             cold hot must banker single multi23 multi15 multi12",
         CmdRecommend, {}, {}},
        {"update", "update [--source NAME] [--dry-run]\n"
                   "                             add the new draws of the public sources to the history",
         CmdUpdate, {"--source"}, {"--dry-run"}},
        {"wheel", "wheel NUMBERS --guarantee M-T [--bankers LIST]\n"
                  "                             旋转矩阵 over the chosen reds (\"1,2,3,...\", 7..33 numbers);\n"
                  "                             M-T: 6-5 6-4 6-3 5-5 5-4 5-3 4-4 4-3 3-3 (中M保T);\n"
                  "                             --bankers: 1..3 reds (胆码) on every ticket, fewer than T",
         CmdWheel, {"--guarantee", "--bankers"}, {}},
    };
    return commands;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList words = app.arguments().mid(1);
    if (words.isEmpty()) {
        printHelp(err);
        return CliUsage;
    }
    const QString command = words.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        printHelp(out);
        return CliOk;
    }
    if (command == QStringLiteral("--version")) {
        out << "ssq-cli " << SSQ_VERSION << '\n';
        return CliOk;
    }
    for (const CliCommandInfo &info : CliCommands()) {
        if (command != QLatin1String(info.name))
            continue;
        CliArgs args;
        args.command = command;
        QString problem;
        if (!parseArgs(info, words, args, problem)) {
            err << problem << "\nusage: ssq-cli " << info.synopsis << '\n';
            return CliUsage;
        }
        CliContext ctx(args, out, err);
        const int status = info.run(ctx);
        out.flush();
        err.flush();
        return status;
    }
    err << "unknown command " << command << '\n';
    printHelp(err);
    return CliUsage;
}
