#include "update/WebFetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

FetchResult networkFailure(const QNetworkReply &reply, const QString &host)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return FetchResult::failed(FetchResult::Refused, host);
    case QNetworkReply::HostNotFoundError:
        return FetchResult::failed(FetchResult::HostNotFound, host);
    case QNetworkReply::TimeoutError:
        return FetchResult::failed(FetchResult::TimedOut, host);
    case QNetworkReply::RemoteHostClosedError:
        return FetchResult::failed(FetchResult::Interrupted, host);
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
    case QNetworkReply::UnknownNetworkError:
        // "Network unreachable" and its kin arrive as an unknown network error.
        return FetchResult::failed(FetchResult::NoNetwork, host, reply.errorString());
    default:
        break;
    }
    return FetchResult::failed(FetchResult::Other, host, reply.errorString());
}

} // namespace

FetchResult WebFetch(const UpdateSource &source, const UpdateRules &rules, const WebFetchHooks &hooks)
{
    const QUrl url(source.address);
    const QString host = url.host();
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    for (const auto &[name, value] : RequestHeaders(source))
        request.setRawHeader(name, value);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    enum class Abort { None, TooLarge, TimedOut, Cancelled };
    Abort aborted = Abort::None;
    QByteArray data;
    auto abortWith = [&](Abort why) {
        // A cancel after the end (the progress window closing) is too late to count.
        if (reply->isFinished())
            return;
        if (aborted == Abort::None)
            aborted = why;
        reply->abort();
    };

    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, reply.get(), [&] { abortWith(Abort::TimedOut); });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        data += reply->readAll();
        if (data.size() > rules.maxBytes)
            abortWith(Abort::TooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                     [&](qint64 received, qint64 total) {
                         if (total > rules.maxBytes) {
                             abortWith(Abort::TooLarge);
                             return;
                         }
                         if (hooks.progress)
                             hooks.progress(received, qMax<qint64>(total, 0));
                     });
    if (hooks.started)
        hooks.started([&] { abortWith(Abort::Cancelled); });

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timeout.start(rules.timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    timeout.stop();

    switch (aborted) {
    case Abort::TooLarge:
        return FetchResult::failed(FetchResult::TooLarge, host);
    case Abort::TimedOut:
        return FetchResult::failed(FetchResult::TimedOut, host);
    case Abort::Cancelled:
        return FetchResult::failed(FetchResult::Cancelled, host);
    case Abort::None:
        break;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        FetchResult r = FetchResult::failed(FetchResult::HttpError, host,
                                            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
        r.httpStatus = status.toInt();
        return r;
    }
    if (reply->error() != QNetworkReply::NoError)
        return networkFailure(*reply, host);
    data += reply->readAll();
    if (data.size() > rules.maxBytes)
        return FetchResult::failed(FetchResult::TooLarge, host);
    return FetchResult::success(data);
}
