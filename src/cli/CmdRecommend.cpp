#include "CliContext.h"

#include "core/recommend/RecommendCommands.h"

int CmdRecommend(CliContext &ctx)
{
    if (ctx.args.positional.size() != 1 || !RecommendKindFromName(ctx.args.positional[0]))
        return ctx.usage(QStringLiteral("recommend takes one of: cold hot must banker single multi23 multi15 multi12"));
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    QStringList lines;
    QString error;
    if (!RecommendCommandLines(history, ctx.args.positional[0], lines, error))
        return ctx.fail(error);
    for (const QString &line : lines)
        ctx.out << line << '\n';
    return CliOk;
}
