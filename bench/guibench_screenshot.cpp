// Starts the main window as the program does and saves a picture of the screen after a
// few seconds, for looking at the window under a virtual X server:
//   xvfb-run -a -s "-screen 0 1280x800x24" guibench_screenshot OUT.png [APPDIR] [PANEL]
// PANEL: web (default), data, sql, grid, grid0..grid12 (one chart page), scale, result
// (a reduction with a few conditions and its stage statistics), prizes, backtest,
// rcm, rcm-single (the single-ticket recommendation), about.
#include "gui/app/AppResources.h"
#include "gui/app/MainForm.h"
#include "gui/app/AboutForm.h"
#include "gui/reduction/RcmPanel.h"
#include "gui/app/SqlPanel.h"
#include "gui/recommend/PridictContent.h"
#include "gui/reduction/BackTestTab.h"
#include "gui/reduction/PrizeStatsBox.h"
#include "gui/reduction/ResultSheet.h"

#include <QPushButton>
#include <QTabWidget>

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppResources::installFontSubstitutes();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shot.png");
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QString panel = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("web");
    TMainForm form(dir);
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.showMaximized();
    if (panel == QLatin1String("data"))
        form.FileMenuManulClick();
    else if (panel == QLatin1String("sql")) {
        form.SqlMenuClick();
        form.SqlPanel->SqlBtClick();
    }
    else if (panel == QLatin1String("grid"))
        form.GridMenuBtClick();
    else if (panel.startsWith(QLatin1String("grid")))
        form.GridMenuItemClick(panel.mid(4).toInt());
    else if (panel == QLatin1String("result") || panel == QLatin1String("prizes")
             || panel == QLatin1String("backtest")) {
        form.ScaleMenuClick();
        ConditionSet c = DefaultConditions();
        for (int i : {2, 3, 4})
            c.OddEvenRatio.setChecked(i, true);
        c.SumRange = {80, 130};
        c.AcRange = {5, 10};
        c.PrevTailSame.setChecked(0, true);
        c.PrevTailSame.setChecked(1, true);
        c.CodeSel1 = QStringList{QStringLiteral("1,2,3,4,5,6,7,8,9,10,11&1,2,3")};
        form.RcmPanel->SetConditions(c);
        form.RcmPanel->RcmPanelScaleBtClick();
        if (panel != QLatin1String("backtest")) {
            form.RcmPanel->RcmPctl->setCurrentWidget(form.RcmPanel->RcmSheet4);
            form.RcmPanel->RcmSheet4->PrizeStats->PrizeStatBtClick();
            form.RcmPanel->RcmSheet4->SideTabs->setCurrentIndex(panel == QLatin1String("result") ? 0 : 1);
        } else {
            form.RcmPanel->RcmPctl->setCurrentWidget(form.RcmPanel->BackTestSheet);
            form.RcmPanel->BackTestSheet->BackTestBtClick();
        }
    }
    else if (panel == QLatin1String("rcm-single")) {
        form.RcmMenuClick();
        form.PridictPanel->RcmDzBtClick();
    }
    else if (panel == QLatin1String("scale"))
        form.ScaleMenuClick();
    else if (panel == QLatin1String("rcm"))
        form.RcmMenuClick();
    else if (panel == QLatin1String("about"))
        QTimer::singleShot(100, &form, [&form] { form.HelpMenuAboutClick(); });
    QTimer::singleShot(6000, &app, [&] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out);
        app.quit();
    });
    return app.exec();
}
