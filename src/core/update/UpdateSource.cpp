#include "core/update/UpdateSource.h"

#include <QUrl>
#include <QUrlQuery>

bool UpdateSource::isLocalFile() const
{
    const QString scheme = QUrl(address).scheme().toLower();
    return scheme != QStringLiteral("http") && scheme != QStringLiteral("https");
}

QString UpdateSource::localPath() const
{
    const QUrl url(address);
    return url.scheme().toLower() == QStringLiteral("file") ? url.toLocalFile() : address;
}

QString UpdateSource::host() const
{
    return isLocalFile() ? localPath() : QUrl(address).host();
}

QString FormName(UpdateSource::Form form)
{
    switch (form) {
    case UpdateSource::DrawNotice:
        return QStringLiteral("draw-notice");
    case UpdateSource::DrawTable:
        return QStringLiteral("table");
    case UpdateSource::HistoryLines:
        return QStringLiteral("history");
    }
    return {};
}

bool FormFromName(const QString &name, UpdateSource::Form &form)
{
    for (UpdateSource::Form f : {UpdateSource::DrawNotice, UpdateSource::DrawTable, UpdateSource::HistoryLines}) {
        if (name.trimmed().compare(FormName(f), Qt::CaseInsensitive) == 0) {
            form = f;
            return true;
        }
    }
    return false;
}

namespace {
const QByteArray kUserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                              "(KHTML, like Gecko) Chrome/120.0 Safari/537.36";
// The player's program reads a Chinese site, whatever the system's language.
const QByteArray kAcceptLanguage = "zh-CN,zh;q=0.9";
} // namespace

HttpHeaders PageRequestHeaders()
{
    return {{"User-Agent", kUserAgent},
            {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"},
            {"Accept-Language", kAcceptLanguage}};
}

int PageSize(const UpdateSource &source)
{
    if (source.form != UpdateSource::DrawNotice || source.isLocalFile())
        return 0;
    const QUrlQuery query{QUrl(source.address)};
    return query.hasQueryItem(QStringLiteral("pageNo")) ? query.queryItemValue(QStringLiteral("pageSize")).toInt() : 0;
}

UpdateSource PageOf(const UpdateSource &source, int pageNo, int issueCount)
{
    QUrl url(source.address);
    QUrlQuery query(url);
    const auto set = [&query](const QString &key, int value) {
        if (!query.hasQueryItem(key))
            return;
        // Replaced where it stands: the interface is asked as its own page asks it.
        QList<QPair<QString, QString>> items = query.queryItems();
        for (auto &item : items)
            if (item.first == key)
                item.second = QString::number(value);
        query.setQueryItems(items);
    };
    set(QStringLiteral("pageNo"), pageNo);
    set(QStringLiteral("issueCount"), issueCount);
    url.setQuery(query);
    UpdateSource page = source;
    page.address = url.toString(QUrl::FullyEncoded);
    return page;
}

HttpHeaders RequestHeaders(const UpdateSource &source)
{
    HttpHeaders headers{
        {"User-Agent", kUserAgent},
        {"Accept", source.form == UpdateSource::DrawNotice
                       ? QByteArray("application/json, text/javascript, */*; q=0.01")
                       : QByteArray("text/plain, text/csv, */*; q=0.1")},
        {"Accept-Language", kAcceptLanguage},
    };
    if (source.form == UpdateSource::DrawNotice)
        headers.append(qMakePair(QByteArray("X-Requested-With"), QByteArray("XMLHttpRequest")));
    if (!source.referer.isEmpty())
        headers.append(qMakePair(QByteArray("Referer"), source.referer.toUtf8()));
    return headers;
}
