#include "app/WebPanel.h"

#include "app/OfflinePage.h"
#include "update/DrawDates.h"

#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

TWebPanel::TWebPanel(const TBeenCodesRecArr &CodeArr, QWidget *parent)
    : QWidget(parent), m_codeArr(CodeArr)
{
    setObjectName(QStringLiteral("WebPanel"));
    WebBrowser = new QWebEngineView(this);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser);
    connect(WebBrowser->page(), &QWebEnginePage::loadingChanged, this,
            &TWebPanel::onLoadingChanged);
}

void TWebPanel::Navigate(const QUrl &url)
{
    m_requested = url;
    m_offline = false;
    m_loadingOfflinePage = false;
    WebBrowser->load(url);
}

void TWebPanel::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        return;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        // A load given up for a newer one: the newer one reports for itself.
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        if (m_loadingOfflinePage) {
            m_loadingOfflinePage = false;
            m_offline = true;
            emit pageShown(true);
        } else if (!info.isErrorPage()) {
            emit pageShown(false);
        }
        return;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (m_loadingOfflinePage)
            return;
        // The site could not be reached: our own page, written from the history as it is
        // now, instead of the browser's error page.
        m_loadingOfflinePage = true;
        WebBrowser->setHtml(OfflinePageHtml(m_codeArr, DrawDates::Load(m_drawDatesFile)), QUrl(QStringLiteral("about:blank")));
        return;
    }
}
