#include "core/reduction/BackTest.h"

#include "core/code/SsqError.h"
#include "core/reduction/ReductionEngine.h"
#include "core/reduction/StageNames.h"

#include <algorithm>

namespace {
bool sixDistinctReds(const TCodeRedArr &sorted)
{
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] < 1 || sorted[i] > 33 || (i > 0 && sorted[i] == sorted[i - 1]))
            return false;
    return true;
}

QString percent(int part, int whole)
{
    return whole > 0 ? QString::number(100.0 * part / whole, 'f', 2) + QLatin1Char('%') : QStringLiteral("0.00%");
}
} // namespace

BackTestResult RunBackTest(const ConditionSet &conditions, const TBeenCodesRecArr &history, int k)
{
    BackTestResult result;
    result.tolerance = std::clamp(conditions.Tolerance, 0, kMaxTolerance);
    const int total = int(history.size());
    const int count = std::clamp(k, 0, total);
    // Two filters serve every draw: the stages differ only in the draw that the
    // "same as the newest draw" stage compares with, so one filter is built without a
    // previous draw (the oldest draw of the history) and one per previous draw.
    const ReductionFilter first(conditions, TBeenCodesRecArr{});
    TBeenCodesRecArr previous(1);
    result.rows.reserve(std::size_t(count));
    for (int i = total - count; i < total; ++i) {
        BackTestRow row;
        row.draw = history[std::size_t(i)];
        row.sortedReds = row.draw.Red;
        std::sort(row.sortedReds.begin(), row.sortedReds.end());
        if (!sixDistinctReds(row.sortedReds)) {
            row.failingStage = -1;
        } else if (i == 0) {
            row.failingStage = first.firstFailingStage(row.sortedReds);
            row.failedStages = first.failedStages(row.sortedReds);
        } else {
            previous[0] = history[std::size_t(i - 1)];
            const ReductionFilter filter(conditions, previous);
            row.failingStage = filter.firstFailingStage(row.sortedReds);
            row.failedStages = filter.failedStages(row.sortedReds);
        }
        if (row.failingStage == 0)
            ++result.passed;
        result.rows.push_back(row);
    }
    return result;
}

QString BackTestVerdict(int failingStage)
{
    if (failingStage == 0)
        return QStringLiteral("通过");
    if (failingStage < 0)
        return QStringLiteral("号码无效");
    return QStringLiteral("第%1步 %2").arg(failingStage).arg(StageName(failingStage));
}

namespace {
QList<int> stageNumbers(std::uint32_t failed)
{
    QList<int> stages;
    for (int s = 0; s < kStageCount; ++s)
        if ((failed >> s) & 1U)
            stages << s + 1;
    return stages;
}
} // namespace

QString BackTestRowVerdict(const BackTestRow &row, int tolerance)
{
    if (tolerance <= 0 || row.failingStage < 0 || row.failedStages == 0)
        return BackTestVerdict(row.failingStage);
    QStringList named;
    for (int s : stageNumbers(row.failedStages))
        named << QStringLiteral("第%1步 %2").arg(s).arg(StageName(s));
    return QStringLiteral("%1（错%2个：%3）")
        .arg(row.failingStage == 0 ? QStringLiteral("通过") : QStringLiteral("未通过"))
        .arg(named.size())
        .arg(named.join(QStringLiteral("、")));
}

QStringList BackTestLines(const BackTestResult &result)
{
    QStringList lines;
    lines.reserve(result.listed() + 1);
    for (const BackTestRow &row : result.rows) {
        const QString verdict = row.failingStage == 0 ? QStringLiteral("通过")
                                : row.failingStage < 0 ? QStringLiteral("号码无效")
                                                       : QString::number(row.failingStage);
        QString line = row.draw.issueText() + QLatin1Char('\t') + RedArrToStr(row.sortedReds) + QLatin1Char('\t') + verdict;
        if (result.tolerance > 0) {
            QStringList numbers;
            for (int s : stageNumbers(row.failedStages))
                numbers << QString::number(s);
            line += QLatin1Char('\t') + (numbers.isEmpty() ? QStringLiteral("-") : numbers.join(QLatin1Char(',')));
        }
        lines << line;
    }
    lines << QStringLiteral("通过 %1/%2").arg(result.passed).arg(result.listed());
    return lines;
}

QString BackTestSummary(const BackTestResult &result, int survivorsNow)
{
    return QStringLiteral("验证%1期，通过%2期（%3）；当前条件保留%4注，占全部组合的%5")
        .arg(result.listed())
        .arg(result.passed)
        .arg(percent(result.passed, result.listed()))
        .arg(survivorsNow)
        .arg(percent(survivorsNow, kCombinationCount));
}
