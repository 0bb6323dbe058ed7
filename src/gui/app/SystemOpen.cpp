#include "app/SystemOpen.h"

#include <QDesktopServices>

namespace {
SystemOpen::Hook &hook()
{
    static SystemOpen::Hook h;
    return h;
}
} // namespace

void SystemOpen::open(const QUrl &url)
{
    if (hook())
        hook()(url);
    else
        QDesktopServices::openUrl(url);
}

void SystemOpen::setHook(Hook h)
{
    hook() = std::move(h);
}
