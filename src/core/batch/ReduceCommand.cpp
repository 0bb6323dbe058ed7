#include "core/batch/ReduceCommand.h"

#include "core/code/SsqError.h"
#include "core/reduction/BaseFile.h"
#include "core/reduction/ConditionFile.h"
#include "core/reduction/PrizeStats.h"
#include "core/reduction/RangeCheck.h"
#include "core/reduction/StageReach.h"
#include "core/reduction/TicketFile.h"
#include "core/reduction/GroupLines.h"
#include "core/reduction/ResultOutput.h"
#include "core/wheel/SurvivorWheel.h"

ConditionSet ReduceConditions(const ReduceOptions &options)
{
    ConditionSet conditions = DefaultConditions();
    if (!options.conditionsFile.isEmpty())
        ImportConditionFile(options.conditionsFile, conditions);
    if (options.range)
        conditions.NumberRange = NumberRangeFromText(*options.range);
    if (options.groups1)
        conditions.CodeSel1 = GroupLinesFromText(*options.groups1);
    if (options.groups2)
        conditions.CodeSel2 = GroupLinesFromText(*options.groups2);
    if (options.tolerance)
        conditions.Tolerance = *options.tolerance;
    return conditions;
}

QStringList StageStatLines(const StageOutcomes &stages, int tolerance)
{
    QStringList lines;
    for (int s = 0; s < kStageCount; ++s) {
        const StageOutcome &o = stages[static_cast<std::size_t>(s)];
        lines.append(QStringLiteral("%1\t%2\t%3\t%4")
                         .arg(s + 1)
                         .arg(o.active ? QStringLiteral("active") : QStringLiteral("inactive"))
                         .arg(o.removed)
                         .arg(o.left));
        if (tolerance > 0)
            lines.last() += QLatin1Char('\t') + QString::number(o.failed);
    }
    return lines;
}

QStringList RunReduceCommand(const TBeenCodesRecArr &history, const ReduceOptions &options,
                             const QDateTime &now)
{
    const ConditionSet conditions = ReduceConditions(options);
    // The panel refuses such a run before it starts; the batch tool says the same.
    if (const QString empty = EmptyRangeMessage(conditions); !empty.isEmpty())
        throw SsqError(empty);
    if (const QString none = NoCombinationMessage(ReachOfStages(conditions, history)); !none.isEmpty())
        throw SsqError(none);
    std::optional<TCodeRedArrArr> base;
    std::vector<int> blues;
    QString error;
    if (!options.baseFile.isEmpty() && !(base = ReadBaseFile(options.baseFile, error)))
        throw SsqError(error);
    if (!options.ticketsFile.isEmpty()) {
        const auto parsed = ParseBlueList(options.blues.value_or(QString()), error);
        if (!parsed)
            throw SsqError(error);
        blues = *parsed;
    }
    TCodeList result;
    const ReductionRun run = RunReduction(conditions, history, result, nullptr, now, 0, base ? &*base : nullptr);
    if (!options.exportFile.isEmpty())
        ExportResultFile(options.exportFile, result);
    QStringList lines = run.report;
    if (options.stats)
        lines += StageStatLines(run.stages, run.tolerance);
    if (!options.ticketsFile.isEmpty()) {
        WriteTicketFile(options.ticketsFile, result, blues);
        const TicketCount count = CountTickets(result, blues);
        lines << QStringLiteral("投注\t%1\t%2").arg(count.tickets).arg(count.cost);
    }
    if (options.wheel)
        lines += SurvivorWheelLines(*CoverSurvivors(result, options.wheel));
    return lines;
}
