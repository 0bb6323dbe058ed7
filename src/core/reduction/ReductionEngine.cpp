#include "core/reduction/ReductionEngine.h"

ReductionRun RunReduction(const ConditionSet &conditions, const TBeenCodesRecArr &history,
                          TCodeList &result, ReductionProgress *progress, const QDateTime &now,
                          int threads, const TCodeRedArrArr *base)
{
    // Throws on a bad group line before the result list or the progress window is touched.
    const ReductionFilter filter(conditions, history);

    if (base) {
        result.Codes = *base;
        result.Count = static_cast<int>(base->size());
        result.Alive.assign(base->size(), 1);
    } else {
        BuildBaseList(result);
    }
    ReductionRun run;
    run.baseCount = result.Count;
    run.tolerance = filter.tolerance();
    run.report.append(ReportTitleLine(now));
    run.report.append(QStringLiteral("缩水基础号码总共%1注号码").arg(result.Count));
    run.report.append(QString());

    if (progress) {
        progress->start(QString::fromUtf16(kProgressTitle), kProgressMaximum);
        progress->setPosition(0);
    }
    try {
        run.stages = filter.apply(result, progress, threads, &run.byFailures);
    } catch (...) {
        if (progress)
            progress->finish();
        throw;
    }
    if (progress)
        progress->finish();

    run.survivors = run.stages.back().left;
    run.report.append(QStringLiteral("缩水结果为总共%1注号码").arg(run.survivors));
    if (run.tolerance > 0)
        run.report.append(ToleranceLine(run.byFailures, run.tolerance));
    if (run.survivors > kReportListLimit)
        run.report.append(QStringLiteral("缩水结果超过20000注号码，忽略显示."));
    else
        ResultToLines(result, run.report);
    return run;
}
