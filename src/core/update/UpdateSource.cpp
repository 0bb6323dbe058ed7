#include "update/UpdateSource.h"

#include <QUrl>

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

QList<QPair<QByteArray, QByteArray>> RequestHeaders(const UpdateSource &source)
{
    QList<QPair<QByteArray, QByteArray>> headers{
        {"User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                       "(KHTML, like Gecko) Chrome/120.0 Safari/537.36"},
        {"Accept", source.form == UpdateSource::DrawNotice
                       ? QByteArray("application/json, text/javascript, */*; q=0.01")
                       : QByteArray("text/plain, text/csv, */*; q=0.1")},
    };
    if (source.form == UpdateSource::DrawNotice)
        headers.append(qMakePair(QByteArray("X-Requested-With"), QByteArray("XMLHttpRequest")));
    if (!source.referer.isEmpty())
        headers.append(qMakePair(QByteArray("Referer"), source.referer.toUtf8()));
    return headers;
}
