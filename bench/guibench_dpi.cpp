// Renders the custom controls and a chart page at one device scale, to compare crispness
// at scale 1, 1.5 and 2. Run once per scale (Qt reads the scale at start-up):
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 guibench_dpi OUT_PREFIX
// and look at OUT_PREFIX-controls.png and OUT_PREFIX-chart.png.
#include "gui/app/AppResources.h"
#include "gui/charts/ChartPages.h"
#include "gui/controls/ColorChk.h"
#include "gui/controls/MultiChk.h"
#include "gui/controls/MultiSe.h"
#include "core/code/Code.h"
#include "core/history/HistoryParser.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
class Quiet : public ParseReporter
{
public:
    void report(const QString &) override {}
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppResources::installFontSubstitutes();
    const QString prefix = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("dpi");

    QWidget controls;
    controls.setFixedSize(440, 200);
    auto *ratio = new TMultiChk(&controls);
    for (const QString &caption : RatioCaptions)
        ratio->AddItem(caption);
    ratio->SetCapWidth(23);
    ratio->SetCols(7);
    ratio->move(8, 8);
    ratio->SetCheck(3, true);
    auto *range = new TMultiSpinEdit(&controls);
    range->AddItem(QStringLiteral("最小值:"));
    range->AddItem(QStringLiteral("最大值:"));
    range->SetCapWidth(60);
    range->SetCols(2);
    range->move(8, 40);
    auto *grid = new TColorMChk(&controls);
    for (int n = 1; n <= 33; ++n)
        grid->AddItem(QString::number(n));
    grid->SetCols(11);
    grid->move(8, 80);
    grid->SetCheckedText(QStringLiteral(","), QStringLiteral("6,18,33"));
    if (!controls.grab().save(prefix + QStringLiteral("-controls.png")))
        return 1;

    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    TBeenCodesRecArr history;
    Quiet quiet;
    DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, quiet);
    QTabWidget tabs;
    tabs.resize(900, 420);
    BuildChartPages(&tabs, &history);
    tabs.setCurrentIndex(0);
    tabs.show();
    app.processEvents();
    return tabs.grab().save(prefix + QStringLiteral("-chart.png")) ? 0 : 1;
}
