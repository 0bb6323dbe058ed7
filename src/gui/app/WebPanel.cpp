#include "gui/app/WebPanel.h"

#include "gui/webview/WebViewModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QOpenGLContext>
#include <QStackedLayout>
#include <QTextBrowser>

QT_BEGIN_NAMESPACE
// Qt GUI's context that the web engine's contexts share; the engine makes it itself only
// when it is linked into the program.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

// Names reserved never to belong to a site (the top-level names "example" and "invalid"):
// no request can reach them, so the offline page is shown without trying.
bool neverReachable(const QUrl &url)
{
    const QString host = url.host().toLower();
    for (const QLatin1StringView reserved : {QLatin1StringView("example"), QLatin1StringView("invalid")})
        if (host == reserved || host.endsWith(QLatin1Char('.') + reserved))
            return true;
    return false;
}

// The browser module beside the program (a build folder), else where it is installed
// (SSQ_WEBVIEW_DIR, relative to the program's folder).
const WebViewModule *loadWebViewModule()
{
    static const WebViewModule *module = [] {
        // The web engine's contexts share one made before the engine is loaded; without
        // it the engine refuses to start.
        if (!qt_gl_global_share_context()) {
            auto *context = new QOpenGLContext(QCoreApplication::instance());
            context->create();
            qt_gl_set_global_share_context(context);
        }
        const QDir exeDir(QCoreApplication::applicationDirPath());
        for (const QString &folder : {exeDir.path(), exeDir.filePath(QStringLiteral(SSQ_WEBVIEW_DIR))}) {
            QLibrary library(QDir(folder).filePath(QStringLiteral("libssqwebview.so")));
            if (auto entry = reinterpret_cast<WebViewModuleEntry>(library.resolve(kWebViewModuleEntry)))
                return entry();
        }
        qWarning("The browser module libssqwebview.so was not found.");
        return static_cast<const WebViewModule *>(nullptr);
    }();
    return module;
}

} // namespace

TWebPanel::TWebPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("WebPanel"));
    PageView = new QTextBrowser(this);
    PageView->setObjectName(QStringLiteral("PageView"));
    PageView->setFrameShape(QFrame::NoFrame);
    PageView->setOpenLinks(false);
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(PageView);
}

bool TWebPanel::makeBrowser()
{
    if (WebBrowser)
        return true;
    m_module = loadWebViewModule();
    if (!m_module)
        return false;
    WebBrowser = m_module->create(this, [this](WebLoadResult result) { onLoadFinished(result); });
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    m_stack->addWidget(WebBrowser);
    return true;
}

void TWebPanel::Navigate(const QUrl &url)
{
    m_requested = url;
    m_own = false;
    // Without the browser module no page from the network can be shown either.
    if (neverReachable(url) || !makeBrowser()) {
        showOwnPage(url);
        return;
    }
    m_stack->setCurrentWidget(WebBrowser);
    m_module->load(WebBrowser, url);
}

void TWebPanel::showOwnPage(const QUrl &unreachable)
{
    if (WebBrowser)
        m_module->stop(WebBrowser);
    // Written from the history and the files as they are now.
    PageView->setHtml(m_ownPage ? m_ownPage(unreachable) : QString());
    m_stack->setCurrentWidget(PageView);
    m_own = true;
    emit pageShown(true);
}

void TWebPanel::onLoadFinished(WebLoadResult result)
{
    if (result == WebLoadResult::Failed)
        showOwnPage(m_requested);   // the site could not be reached
    else
        emit pageShown(false);
}
