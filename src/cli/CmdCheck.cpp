#include "CliContext.h"

int CmdCheck(CliContext &ctx)
{
    if (!ctx.args.positional.isEmpty())
        return ctx.usage(QStringLiteral("check takes no arguments"));
    TBeenCodesRecArr history;
    if (!ctx.loadHistory(history))
        return CliFailed;
    if (history.empty())
        ctx.out << "0 draws\n";
    else
        ctx.out << history.size() << " draws, " << history.front().issueText() << '-'
                << history.back().issueText() << '\n';
    return CliOk;
}
