#include "net/WebFetch.h"

#include <QDeadlineTimer>
#include <QEventLoop>
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

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

// One request with the redirects it leads to, under the fetch's one deadline.
struct WebFetch::Request
{
    QUrl url;
    HttpHeaders headers;
    QDeadlineTimer deadline;
    const WebFetchHooks *hooks = nullptr;   // progress and cancel, for the data request
};

WebFetch::WebFetch(const UpdateRules &rules) : m_rules(rules)
{
    // Redirects are followed here, one by one, so that a loop is named as what it is and the
    // cookies each step sets are sent with the next.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

FetchResult WebFetch::get(const UpdateSource &source, const WebFetchHooks &hooks)
{
    const QDeadlineTimer deadline(m_rules.timeoutMs);
    // The site's cookie comes with its results page; its body is not needed. A page that
    // fails is passed over: the data request then says what is wrong.
    const QUrl page(source.referer);
    const QString pageScheme = page.scheme().toLower();
    if (!source.referer.isEmpty() && (pageScheme == QStringLiteral("http") || pageScheme == QStringLiteral("https"))
        && !m_visitedPages.contains(source.referer)) {
        m_visitedPages.insert(source.referer);
        WebFetchHooks cancelOnly;
        cancelOnly.started = hooks.started;
        Request visit{page, PageRequestHeaders(), deadline, &cancelOnly};
        const FetchResult visited = run(visit);
        if (visited.failure == FetchResult::Cancelled || visited.failure == FetchResult::TimedOut)
            return visited;
    }
    Request data{QUrl(source.address), RequestHeaders(source), deadline, &hooks};
    return run(data);
}

FetchResult WebFetch::run(Request &r)
{
    const QString host = r.url.host();
    for (int redirects = 0;; ++redirects) {
        QNetworkRequest request(r.url);
        for (const auto &[name, value] : r.headers)
            request.setRawHeader(name, value);
        std::unique_ptr<QNetworkReply> reply(m_network.get(request));

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
            if (data.size() > m_rules.maxBytes)
                abortWith(Abort::TooLarge);
        });
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
                         [&](qint64 received, qint64 total) {
                             if (total > m_rules.maxBytes) {
                                 abortWith(Abort::TooLarge);
                                 return;
                             }
                             if (r.hooks && r.hooks->progress)
                                 r.hooks->progress(received, qMax<qint64>(total, 0));
                         });
        if (r.hooks && r.hooks->started)
            r.hooks->started([&] { abortWith(Abort::Cancelled); });

        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        const qint64 left = r.deadline.remainingTime();
        if (left == 0)
            abortWith(Abort::TimedOut);
        timeout.start(int(qMin<qint64>(left, 24 * 3600 * 1000)));
        if (!reply->isFinished())
            loop.exec();
        timeout.stop();
        // The loop also ends when the program quits under it: what came so far is not
        // the answer.
        if (!reply->isFinished()) {
            reply->abort();
            return FetchResult::failed(FetchResult::Interrupted, host);
        }
        if (r.hooks && r.hooks->started)
            r.hooks->started([] {});

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
        const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const int status = statusValue.isValid() ? statusValue.toInt() : 0;
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (isRedirect(status)) {
            const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
            if (target.isEmpty()) {
                FetchResult f = FetchResult::failed(FetchResult::HttpError, host, reason);
                f.httpStatus = status;
                return f;
            }
            if (redirects >= kMaxRedirects) {
                FetchResult f = FetchResult::failed(FetchResult::Blocked, host,
                                                    reason + QStringLiteral("，重定向超过%1次").arg(kMaxRedirects));
                f.httpStatus = status;
                return f;
            }
            const QUrl next = r.url.resolved(target);
            // Never from an encrypted address to a plain one.
            if (r.url.scheme().toLower() == QStringLiteral("https") && next.scheme().toLower() != QStringLiteral("https"))
                return FetchResult::failed(FetchResult::Other, host,
                                           QStringLiteral("网站把请求转到了不加密的地址 ") + next.toString());
            r.url = next;
            continue;
        }
        if (status != 0 && (status < 200 || status > 299)) {
            FetchResult f = FetchResult::failed(IsBlockingStatus(status) ? FetchResult::Blocked : FetchResult::HttpError,
                                                host, reason);
            f.httpStatus = status;
            return f;
        }
        if (reply->error() != QNetworkReply::NoError)
            return networkFailure(*reply, host);
        data += reply->readAll();
        if (data.size() > m_rules.maxBytes)
            return FetchResult::failed(FetchResult::TooLarge, host);
        return FetchResult::success(data);
    }
}
