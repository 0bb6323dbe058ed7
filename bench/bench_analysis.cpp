// Back-test of 1,000 draws and the prize statistic over all 1,107,568 combinations.
// Prints the median of several runs.
#include "core/history/HistoryParser.h"
#include "core/reduction/BackTest.h"
#include "core/reduction/PrizeStats.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
class Quiet : public ParseReporter
{
public:
    void report(const QString &) override {}
};

template <typename F>
double medianMs(int runs, F f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}
} // namespace

int main()
{
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    TBeenCodesRecArr history;
    Quiet quiet;
    DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, quiet);

    ConditionSet c = DefaultConditions();
    c.OddEvenRatio.setChecked(2, true);
    c.OddEvenRatio.setChecked(3, true);
    c.OddEvenRatio.setChecked(4, true);
    c.SumRange = {70, 140};
    c.PrevTailSame.setChecked(0, true);
    c.PrevTailSame.setChecked(1, true);
    c.CodeSel1 = QStringList{"1,2,3,4,5&0,1,2", "10,20,30&0,1"};

    int passed = 0;
    const double backTest = medianMs(11, [&] { passed = RunBackTest(c, history, 1000).passed; });
    std::printf("back-test of 1000 draws, stages of 19 with groups: median %.2f ms (%d passed)\n", backTest, passed);

    TCodeList all;
    BuildBaseList(all);
    std::vector<int> blues;
    for (int b = 1; b <= 16; ++b)
        blues.push_back(b);
    const PrizeDraw draw{history.back().Red, history.back().Blue, history.back().issueNo()};
    qint64 total = 0;
    const double prizes = medianMs(11, [&] { total = ComputePrizeStats(all, draw, blues).fixedTotal; });
    std::printf("prize statistic over %d survivors x 16 blues: median %.2f ms (fixed prizes %lld)\n",
                AliveCount(all), prizes, static_cast<long long>(total));
    return 0;
}
