#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QStackedLayout;
class QTextBrowser;
struct WebViewModule;
enum class WebLoadResult;

// The web panel: the program's own page, drawn by a light text browser, and the pages of
// a site in an embedded browser. The embedded browser (and with it the web engine and its
// helper processes) is made only when a page from the network is first asked for, so the
// start and the program's own page cost none of it. When a site cannot be loaded (the
// machine is offline, the site is down, the address can never exist) the panel shows the
// program's own page instead of the browser's error page.
class TWebPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TWebPanel(QWidget *parent = nullptr);

    // The program's own page.
    QTextBrowser *PageView = nullptr;
    // The embedded browser: null until the first page from the network.
    QWidget *WebBrowser = nullptr;

    // Writes the program's own page; `unreachable` is the site that could not be loaded
    // (empty when none was asked for).
    using OwnPage = std::function<QString(const QUrl &unreachable)>;
    void setOwnPage(OwnPage page) { m_ownPage = std::move(page); }

    // Sends the browser to `url`; every call tries the address again.
    void Navigate(const QUrl &url);
    // Shows the program's own page.
    void ShowOwnPage() { showOwnPage(QUrl()); }

    bool showingOwnPage() const { return m_own; }

signals:
    // The requested page or the program's own page has been shown.
    void pageShown(bool own);

private:
    bool makeBrowser();
    void showOwnPage(const QUrl &unreachable);
    void onLoadFinished(WebLoadResult result);

    OwnPage m_ownPage;
    QStackedLayout *m_stack = nullptr;
    const WebViewModule *m_module = nullptr;
    QUrl m_requested;
    bool m_own = false;
};
