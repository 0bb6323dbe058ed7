// reduce, backtest and prizes: one reduction's conditions from the same options.
#include "CliContext.h"

#include "core/code/SsqError.h"
#include "core/reduction/BackTest.h"
#include "core/reduction/PrizeStats.h"
#include "core/batch/ReduceCommand.h"

namespace {
// The options that set the conditions. A problem of usage (a piece of --range that names
// no number, a tolerance outside 0..18, --blues without --tickets) is answered in
// `problem`.
ReduceOptions reduceOptions(const CliArgs &args, QString &problem)
{
    ReduceOptions o;
    o.conditionsFile = args.option(QStringLiteral("--conditions"));
    if (args.options.contains(QStringLiteral("--range")))
        o.range = args.option(QStringLiteral("--range"));
    if (args.options.contains(QStringLiteral("--groups1")))
        o.groups1 = args.option(QStringLiteral("--groups1"));
    if (args.options.contains(QStringLiteral("--groups2")))
        o.groups2 = args.option(QStringLiteral("--groups2"));
    o.exportFile = args.option(QStringLiteral("--export"));
    o.stats = args.flags.contains(QStringLiteral("--stats"));
    if (o.range) {
        const QString bad = BadNumberRangePiece(*o.range);
        if (!bad.isEmpty())
            problem = QStringLiteral("--range: \"%1\" is not a number 1..33 (write the numbers as 1,2,3)").arg(bad);
    }
    if (args.options.contains(QStringLiteral("--tolerance"))) {
        bool ok = false;
        const int k = args.option(QStringLiteral("--tolerance")).toInt(&ok);
        if (!ok || k < 0 || k > kMaxTolerance)
            problem = QStringLiteral("--tolerance takes a number 0..%1").arg(kMaxTolerance);
        o.tolerance = k;
    }
    o.baseFile = args.option(QStringLiteral("--base"));
    if (args.options.contains(QStringLiteral("--blues")))
        o.blues = args.option(QStringLiteral("--blues"));
    o.ticketsFile = args.option(QStringLiteral("--tickets"));
    if (o.blues && o.ticketsFile.isEmpty() && args.command == QStringLiteral("reduce"))
        problem = QStringLiteral("--blues goes with --tickets FILE");
    o.wheel = args.option(QStringLiteral("--wheel")).toInt();
    return o;
}

void printLines(CliContext &ctx, const QStringList &lines)
{
    for (const QString &line : lines)
        ctx.out << line << '\n';
}
} // namespace

int CmdReduce(CliContext &ctx)
{
    if (!ctx.args.positional.isEmpty())
        return ctx.usage(QStringLiteral("reduce takes options only"));
    QString problem;
    const ReduceOptions options = reduceOptions(ctx.args, problem);
    if (!problem.isEmpty())
        return ctx.usage(problem);
    if (ctx.args.options.contains(QStringLiteral("--wheel")) && !CliWheelLevelValid(ctx.args))
        return ctx.usage(QStringLiteral("--wheel takes 3, 4 or 5"));
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    try {
        printLines(ctx, RunReduceCommand(history, options));
    } catch (const SsqError &e) {
        return ctx.fail(e.text());
    }
    return CliOk;
}

int CmdBackTest(CliContext &ctx)
{
    bool ok = false;
    const int k = ctx.args.positional.size() == 1 ? ctx.args.positional[0].toInt(&ok) : 0;
    if (!ok || k < 0)
        return ctx.usage(QStringLiteral("backtest takes the number of draws: ssq-cli backtest 100"));
    QString problem;
    const ReduceOptions options = reduceOptions(ctx.args, problem);
    if (!problem.isEmpty())
        return ctx.usage(problem);
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    try {
        const ConditionSet conditions = ReduceConditions(options);
        printLines(ctx, BackTestLines(RunBackTest(conditions, history, k)));
    } catch (const SsqError &e) {
        return ctx.fail(e.text());
    }
    return CliOk;
}

int CmdPrizes(CliContext &ctx)
{
    if (ctx.args.positional.size() != 1)
        return ctx.usage(QStringLiteral("prizes takes one draw: an issue or \"r r r r r r+b\""));
    QString problem;
    const ReduceOptions options = reduceOptions(ctx.args, problem);
    if (!problem.isEmpty())
        return ctx.usage(problem);
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    QString error;
    const auto draw = ParsePrizeDraw(ctx.args.positional[0], history, error);
    if (!draw)
        return ctx.fail(error);
    const auto blues = ParseBlueList(ctx.args.option(QStringLiteral("--blues")), error);
    if (!blues)
        return ctx.fail(error);
    try {
        TCodeList survivors;
        RunReduction(ReduceConditions(options), history, survivors);
        printLines(ctx, PrizeStatLines(ComputePrizeStats(survivors, *draw, *blues)));
    } catch (const SsqError &e) {
        return ctx.fail(e.text());
    }
    return CliOk;
}
