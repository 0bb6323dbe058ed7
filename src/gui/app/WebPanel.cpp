#include "app/WebPanel.h"

#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

TWebPanel::TWebPanel(QWidget *parent)
    : QWidget(parent)
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
    m_own = false;
    m_loadingOwnPage = false;
    WebBrowser->load(url);
}

void TWebPanel::showOwnPage(QUrl unreachable)
{
    m_requested = QUrl();
    m_own = false;
    m_loadingOwnPage = true;
    // Written from the history and the files as they are now.
    WebBrowser->setHtml(m_ownPage ? m_ownPage(unreachable) : QString(), QUrl(QStringLiteral("about:blank")));
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
        if (m_loadingOwnPage) {
            m_loadingOwnPage = false;
            m_own = true;
            emit pageShown(true);
        } else if (!info.isErrorPage()) {
            emit pageShown(false);
        }
        return;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (m_loadingOwnPage)
            return;
        // The site could not be reached: our own page instead of the browser's error page.
        showOwnPage(m_requested);
        return;
    }
}
