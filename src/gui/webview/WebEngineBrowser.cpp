#include "gui/webview/WebViewModule.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

QWidget *create(QWidget *parent, std::function<void(WebLoadResult)> finished)
{
    auto *view = new QWebEngineView(parent);
    QObject::connect(view->page(), &QWebEnginePage::loadingChanged, view,
                     [finished = std::move(finished)](const QWebEngineLoadingInfo &info) {
                         switch (info.status()) {
                         case QWebEngineLoadingInfo::LoadStartedStatus:
                         case QWebEngineLoadingInfo::LoadStoppedStatus:
                             return;
                         case QWebEngineLoadingInfo::LoadSucceededStatus:
                             // The browser's own error page reports a failure of its own.
                             if (!info.isErrorPage())
                                 finished(WebLoadResult::Succeeded);
                             return;
                         case QWebEngineLoadingInfo::LoadFailedStatus:
                             finished(WebLoadResult::Failed);
                             return;
                         }
                     });
    return view;
}

void load(QWidget *browser, const QUrl &url)
{
    static_cast<QWebEngineView *>(browser)->load(url);
}

void stop(QWidget *browser)
{
    static_cast<QWebEngineView *>(browser)->stop();
}

const WebViewModule kModule{create, load, stop};

} // namespace

extern "C" Q_DECL_EXPORT const WebViewModule *ssqWebViewModule()
{
    return &kModule;
}
