#pragma once

#include "history/DrawRecord.h"

#include <QUrl>
#include <QWidget>

class QWebEngineLoadingInfo;
class QWebEngineView;

// The web panel: an embedded browser that shows pages of the support site. When a page
// cannot be loaded (the machine is offline, the site is down) the panel shows a page of
// the program's own instead of the browser's error page.
class TWebPanel : public QWidget
{
    Q_OBJECT
public:
    TWebPanel(const TBeenCodesRecArr &CodeArr, QWidget *parent = nullptr);

    QWebEngineView *WebBrowser = nullptr;

    // Sends the browser to `url`; every call tries the address again.
    void Navigate(const QUrl &url);

    // The side file with the dates of the draws, for the offline page's newest draw.
    void setDrawDatesFile(const QString &path) { m_drawDatesFile = path; }

    QUrl requestedUrl() const { return m_requested; }
    bool showingOfflinePage() const { return m_offline; }

signals:
    // The requested page or the offline page has been shown.
    void pageShown(bool offline);

private:
    void onLoadingChanged(const QWebEngineLoadingInfo &info);

    const TBeenCodesRecArr &m_codeArr;
    QUrl m_requested;
    QString m_drawDatesFile;
    bool m_offline = false;
    bool m_loadingOfflinePage = false;
};
