#pragma once

#include <QUrl>
#include <functional>

class QWidget;

// The embedded browser lives in a module of its own (libssqwebview.so) that the program
// loads when the first page from the network is asked for. Linked into the program, the
// web engine would load its libraries and make its OpenGL context at every start, before
// the main window could be shown, whether or not the player ever opens a web page.

enum class WebLoadResult {
    Succeeded,   // the page is shown
    Failed,      // the address could not be reached or answered with an error page
};

struct WebViewModule
{
    // A browser widget under `parent`; `finished` is called when a load ends (a load given
    // up for a newer one does not report).
    QWidget *(*create)(QWidget *parent, std::function<void(WebLoadResult)> finished);
    void (*load)(QWidget *browser, const QUrl &url);
    void (*stop)(QWidget *browser);
};

// The module's one exported symbol.
inline constexpr char kWebViewModuleEntry[] = "ssqWebViewModule";
extern "C" {
using WebViewModuleEntry = const WebViewModule *(*)();
}
