#include "gui/app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QStringList InstallQtChineseTranslations()
{
    QStringList installed;
    auto *app = QCoreApplication::instance();
    if (!app)
        return installed;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qt_zh_CN bundles the base catalogue on some distributions; qtbase_zh_CN carries the
    // widgets' texts; qtwebengine_zh_CN the web view's context menu.
    for (const char *name : {"qtbase_zh_CN", "qt_zh_CN", "qtwebengine_zh_CN"}) {
        auto *translator = new QTranslator(app);
        if (translator->load(QString::fromLatin1(name), folder) && QCoreApplication::installTranslator(translator))
            installed << QString::fromLatin1(name);
        else
            delete translator;
    }
    return installed;
}
