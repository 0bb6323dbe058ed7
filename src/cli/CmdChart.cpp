#include "CliContext.h"

#include "core/charts/ChartPageJson.h"

#include <QJsonDocument>

int CmdChart(CliContext &ctx)
{
    bool pageOk = false, nOk = false, startOk = true;
    const int page = ctx.args.positional.value(0).toInt(&pageOk);
    const int n = ctx.args.positional.value(1).toInt(&nOk);
    int start = 1;
    if (ctx.args.options.contains(QStringLiteral("--start")))
        start = ctx.args.option(QStringLiteral("--start")).toInt(&startOk);
    if (ctx.args.positional.size() != 2 || !pageOk || !nOk || !startOk || page < 0 || page > 12)
        return ctx.usage(QStringLiteral("chart takes a page 0..12 and a number of draws: ssq-cli chart 0 30"));
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    QString error;
    const QJsonObject chart = ChartPageJson(history, page, n, start, &error);
    if (chart.isEmpty())
        return ctx.fail(error);
    ctx.out << QString::fromUtf8(QJsonDocument(chart).toJson(QJsonDocument::Compact)) << '\n';
    return CliOk;
}
