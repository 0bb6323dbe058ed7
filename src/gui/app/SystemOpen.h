#pragma once

#include <QUrl>
#include <functional>

// Hands a file or a web address to the application the system associates with it (the
// text viewer for the help, the web browser for the support site). Tests replace it with
// a hook that records the address.
class SystemOpen
{
public:
    using Hook = std::function<void(const QUrl &url)>;

    static void open(const QUrl &url);
    static void setHook(Hook hook);
};
