#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QWebEngineLoadingInfo;
class QWebEngineView;

// The web panel: an embedded browser that shows the player's own site or the program's
// own page. When a site cannot be loaded (the machine is offline, the site is down) the
// panel shows the program's own page, with a note, instead of the browser's error page.
class TWebPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TWebPanel(QWidget *parent = nullptr);

    QWebEngineView *WebBrowser = nullptr;

    // Writes the program's own page; `unreachable` is the site that could not be loaded
    // (empty when none was asked for).
    using OwnPage = std::function<QString(const QUrl &unreachable)>;
    void setOwnPage(OwnPage page) { m_ownPage = std::move(page); }

    // Sends the browser to `url`; every call tries the address again.
    void Navigate(const QUrl &url);
    // Shows the program's own page.
    void ShowOwnPage() { showOwnPage(QUrl()); }

    QUrl requestedUrl() const { return m_requested; }
    bool showingOwnPage() const { return m_own; }

signals:
    // The requested page or the program's own page has been shown.
    void pageShown(bool own);

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void showOwnPage(QUrl unreachable);

    OwnPage m_ownPage;
    QUrl m_requested;
    bool m_own = false;
    bool m_loadingOwnPage = false;
};
