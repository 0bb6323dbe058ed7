// wheel: 旋转矩阵 over chosen numbers, as the tab "旋转矩阵" makes it.
#include "CliContext.h"

#include "core/code/SsqError.h"
#include "core/wheel/ChosenWheel.h"

#include <QRegularExpression>

bool CliWheelLevelValid(const CliArgs &args)
{
    const QString level = args.option(QStringLiteral("--wheel"));
    return level == QStringLiteral("3") || level == QStringLiteral("4") || level == QStringLiteral("5");
}

int CmdWheel(CliContext &ctx)
{
    if (ctx.args.positional.size() != 1 || !ctx.args.options.contains(QStringLiteral("--guarantee")))
        return ctx.usage(QStringLiteral("wheel takes the numbers and a guarantee: ssq-cli wheel 1,2,3,4,5,6,7,8,9,10 --guarantee 6-5"));
    const auto guarantee = ParseWheelGuarantee(ctx.args.option(QStringLiteral("--guarantee")));
    if (!guarantee)
        return ctx.usage(QStringLiteral("--guarantee takes one of 6-5 6-4 6-3 5-5 5-4 5-3 4-4 4-3 3-3"));
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    const auto readList = [](const QString &text) {
        QList<int> list;
        for (const QString &piece : text.split(separators, Qt::SkipEmptyParts)) {
            bool ok = false;
            const int number = piece.toInt(&ok);
            list.append(ok ? number : 0);
        }
        return list;
    };
    const QList<int> numbers = readList(ctx.args.positional[0]);
    QList<int> bankers;
    if (ctx.args.options.contains(QStringLiteral("--bankers"))) {
        bankers = readList(ctx.args.option(QStringLiteral("--bankers")));
        const QString problem = WheelBankersProblem(numbers, bankers, *guarantee);
        if (!problem.isEmpty())
            return ctx.usage(QStringLiteral("--bankers takes 1 to 3 reds not among NUMBERS, fewer than T of M-T"));
    }
    try {
        const auto wheel = MakeWheel(numbers, *guarantee, bankers);
        for (const QString &line : WheelLines(*wheel))
            ctx.out << line << '\n';
    } catch (const SsqError &e) {
        return ctx.fail(e.text());
    }
    return CliOk;
}
