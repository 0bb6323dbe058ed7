// Starts the main window as the program does and saves a picture of the screen after a
// few seconds, for looking at the window under a virtual X server:
//   xvfb-run -a -s "-screen 0 1280x800x24" guibench_screenshot OUT.png [APPDIR] [PANEL]
// PANEL: web (default), data, sql, grid, scale, rcm, about.
#include "app/AppResources.h"
#include "app/MainForm.h"
#include "app/AboutForm.h"
#include "app/SqlPanel.h"

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
