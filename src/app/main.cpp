#include "gui/app/AppResources.h"
#include "gui/app/MainForm.h"
#include "gui/app/QtTranslations.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ssq"));
    AppResources::installFontSubstitutes();
    InstallQtChineseTranslations();
    AppResources::init();
    QApplication::setWindowIcon(AppResources::icon(QStringLiteral("app")));

    TMainForm mainForm;
    // Without a window manager "maximised" means nothing; cover the screen ourselves.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        mainForm.setGeometry(screen->availableGeometry());
    mainForm.showMaximized();
    return app.exec();
}
