#pragma once

#include "history/DrawRecord.h"

#include <QUrl>
#include <QWidget>

class QStackedLayout;
class QTextBrowser;
struct WebViewModule;
enum class WebLoadResult;

// The web panel: the program's own pages, drawn by a light text browser, and pages of the
// support site in an embedded browser. The embedded browser (and with it the web engine
// and its helper processes) is made only when a page from the network is first asked
// for, so the start and the program's own pages cost none of it. When a page cannot be
// loaded (the machine is offline, the site is down, the address can never exist) the
// panel shows a page of the program's own instead of the browser's error page.
class TWebPanel : public QWidget
{
    Q_OBJECT
public:
    TWebPanel(const TBeenCodesRecArr &CodeArr, QWidget *parent = nullptr);

    // The program's own pages.
    QTextBrowser *PageView = nullptr;
    // The embedded browser: null until the first page from the network.
    QWidget *WebBrowser = nullptr;

    // Sends the browser to `url`; every call tries the address again.
    void Navigate(const QUrl &url);
    // Shows a page of the program's own, without the embedded browser.
    void ShowHtml(const QString &html);

    // The side file with the dates of the draws, for the offline page's newest draw.
    void setDrawDatesFile(const QString &path) { m_drawDatesFile = path; }

    bool showingOfflinePage() const { return m_offline; }

signals:
    // The requested page or the offline page has been shown.
    void pageShown(bool offline);

private:
    bool makeBrowser();
    void showOfflinePage();
    void onLoadFinished(WebLoadResult result);

    const TBeenCodesRecArr &m_codeArr;
    QStackedLayout *m_stack = nullptr;
    const WebViewModule *m_module = nullptr;
    QString m_drawDatesFile;
    bool m_offline = false;
};
