#include "reduction/ReduceCommand.h"

#include "reduction/ConditionFile.h"
#include "reduction/GroupLines.h"
#include "reduction/ResultOutput.h"
#include "wheel/SurvivorWheel.h"

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
    return conditions;
}

QStringList StageStatLines(const StageOutcomes &stages)
{
    QStringList lines;
    for (int s = 0; s < kStageCount; ++s) {
        const StageOutcome &o = stages[static_cast<std::size_t>(s)];
        lines.append(QStringLiteral("%1\t%2\t%3\t%4")
                         .arg(s + 1)
                         .arg(o.active ? QStringLiteral("active") : QStringLiteral("inactive"))
                         .arg(o.removed)
                         .arg(o.left));
    }
    return lines;
}

QStringList RunReduceCommand(const TBeenCodesRecArr &history, const ReduceOptions &options,
                             const QDateTime &now)
{
    const ConditionSet conditions = ReduceConditions(options);
    TCodeList result;
    const ReductionRun run = RunReduction(conditions, history, result, nullptr, now);
    if (!options.exportFile.isEmpty())
        ExportResultFile(options.exportFile, result);
    QStringList lines = run.report;
    if (options.stats)
        lines += StageStatLines(run.stages);
    if (options.wheel)
        lines += SurvivorWheelLines(*CoverSurvivors(result, options.wheel));
    return lines;
}
