#include "gui/app/AppResources.h"

#include <QFont>

// Q_INIT_RESOURCE must stand outside any namespace.
static void initAppQrc()
{
    Q_INIT_RESOURCE(app);
}

namespace AppResources {

void init()
{
    static const bool done = (initAppQrc(), true);
    (void)done;
}

void installFontSubstitutes()
{
    const QStringList fallbacks{QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Droid Sans Fallback")};
    for (const char16_t *name : {u"宋体", u"SimSun"})
        if (QFont::substitutes(QString::fromUtf16(name)).isEmpty())
            QFont::insertSubstitutions(QString::fromUtf16(name), fallbacks);
}

QIcon icon(const QString &name)
{
    init();
    return QIcon(QStringLiteral(":/app/") + name + QStringLiteral(".png"));
}

QPixmap splashPicture()
{
    init();
    return QPixmap(QStringLiteral(":/app/splash.jpg"));
}

QPixmap logoPicture()
{
    init();
    return QPixmap(QStringLiteral(":/app/logo.jpg"));
}

} // namespace AppResources
