#include "CliContext.h"

#include "core/app/Query.h"

namespace {
bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}
} // namespace

int CmdQuery(CliContext &ctx)
{
    int issue = 0;
    int count = 0;
    if (ctx.args.positional.size() != 2 || !toInt(ctx.args.positional[0], issue)
        || !toInt(ctx.args.positional[1], count))
        return ctx.usage(QStringLiteral("query takes an issue and a count: ssq-cli query 2005013 30"));
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    for (const QString &line : QueryLines(history, issue, count))
        ctx.out << line << '\n';
    return CliOk;
}
