#include "core/charts/ChartOmission.h"

#include "core/charts/B0NetModel.h"
#include "core/charts/ChartFrame.h"

#include <algorithm>

namespace {

// One step of the walk over the history for one number: hits is how often it occurs in
// draw k (0 when it does not).
void step(OmissionStat &s, int hits, int k, int draws)
{
    s.total += hits;
    if (k >= draws - 20)
        s.last20 += hits;
    if (k >= draws - 50)
        s.last50 += hits;
    if (k >= draws - 100)
        s.last100 += hits;
    if (hits == 0) {
        ++s.omission;
        s.maxGap = std::max(s.maxGap, s.omission);
    } else {
        s.omission = 0;
    }
}

// The run of consecutive draws with the number is tracked beside the statistics.
template <typename HitsOf>
std::vector<OmissionStat> omissionStats(const TBeenCodesRecArr &CodeArr, int maxNumber, HitsOf hitsOf)
{
    std::vector<OmissionStat> stats(std::size_t(maxNumber + 1));
    std::vector<int> runs(std::size_t(maxNumber + 1), 0);
    const int draws = int(CodeArr.size());
    for (int k = 0; k < draws; ++k) {
        const DrawRecord &draw = CodeArr[std::size_t(k)];
        for (int n = 1; n <= maxNumber; ++n) {
            OmissionStat &s = stats[std::size_t(n)];
            const int hits = hitsOf(draw, n);
            step(s, hits, k, draws);
            int &run = runs[std::size_t(n)];
            run = hits > 0 ? run + 1 : 0;
            s.maxRun = std::max(s.maxRun, run);
        }
    }
    return stats;
}

void fillTable(B0NetModel &table, const QString &title, int rows, TColor rowColor,
               const std::vector<OmissionStat> &stats, int draws)
{
    table.FTitle = title;
    table.FRowHeight = 32;
    table.SetTableSize(9, rows, std::vector<int>(9, 64));
    const QStringList headers = OmissionHeaders();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 9; ++c) {
            table.SetText(c, r, r == 0 ? headers[c] : NumberText(r));
            table.SetColor(c, r, r == 0 ? RgbColor(202, 206, 186) : rowColor);
        }
    for (int n = 1; n < rows; ++n) {
        const OmissionStat &s = stats[std::size_t(n)];
        const QString values[8] = {QString::number(s.omission), QString::number(s.maxGap),
                                   AverageIntervalText(draws, s.total), QString::number(s.maxRun),
                                   QString::number(s.total), QString::number(s.last20),
                                   QString::number(s.last50), QString::number(s.last100)};
        for (int c = 1; c <= 8; ++c)
            table.SetText(c, n, values[c - 1]);
    }
}

// The 20, 50 and 100 newest draws are counted in the whole history, whatever the N of the
// other columns: a column headed "100期出现次数" never counts only 30 draws.
std::vector<OmissionStat> withRecentCounts(std::vector<OmissionStat> stats, const std::vector<OmissionStat> &recent)
{
    for (std::size_t n = 0; n < stats.size(); ++n) {
        stats[n].last20 = recent[n].last20;
        stats[n].last50 = recent[n].last50;
        stats[n].last100 = recent[n].last100;
    }
    return stats;
}

} // namespace

std::vector<OmissionStat> RedOmissionStats(const TBeenCodesRecArr &CodeArr)
{
    return omissionStats(CodeArr, 33, [](const DrawRecord &draw, int n) {
        int hits = 0;
        for (int r : draw.Red)
            hits += r == n ? 1 : 0;
        return hits;
    });
}

std::vector<OmissionStat> BlueOmissionStats(const TBeenCodesRecArr &CodeArr)
{
    return omissionStats(CodeArr, 16, [](const DrawRecord &draw, int n) { return draw.Blue == n ? 1 : 0; });
}

QString AverageIntervalText(int draws, int occurrences)
{
    if (occurrences <= 0)
        return QStringLiteral("-");
    return QString::asprintf("%2.2f", double(draws) / double(occurrences));
}

QStringList OmissionHeaders()
{
    return {QStringLiteral("号码"),           QStringLiteral("遗漏值"),
            QStringLiteral("最大间隔"),       QStringLiteral("平均间隔"),
            QStringLiteral("最多连续"),       QStringLiteral("出现总数"),
            QStringLiteral("20期出\r\n现次数"), QStringLiteral("50期出\r\n现次数"),
            QStringLiteral("100期出\r\n现次数")};
}

bool FillOmissionTables(B0NetModel &red, B0NetModel &blue, const TBeenCodesRecArr &CodeArr, int N,
                        ChartReporter *reporter)
{
    N = ChartDrawCount(CodeArr, N, reporter);
    if (N < 0)
        return false;
    // The N newest draws, oldest first as the history keeps them.
    const TBeenCodesRecArr draws(CodeArr.end() - N, CodeArr.end());
    const TBeenCodesRecArr newest(CodeArr.end() - std::min<std::ptrdiff_t>(100, std::ssize(CodeArr)), CodeArr.end());
    const QString span = QStringLiteral("（最近%1期）").arg(N);
    fillTable(red, QStringLiteral("红球分析表") + span, 34, RgbColor(255, 238, 221),
              withRecentCounts(RedOmissionStats(draws), RedOmissionStats(newest)), N);
    fillTable(blue, QStringLiteral("蓝球分析表") + span, 17, RgbColor(186, 238, 255),
              withRecentCounts(BlueOmissionStats(draws), BlueOmissionStats(newest)), N);
    return true;
}
