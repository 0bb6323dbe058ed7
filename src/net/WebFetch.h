#pragma once

#include "core/update/FetchResult.h"
#include "core/update/UpdateRules.h"
#include "core/update/UpdateSource.h"

#include <QNetworkAccessManager>
#include <QSet>
#include <functional>

struct WebFetchHooks
{
    // Bytes received so far and the announced total (0 when not announced).
    std::function<void(qint64 received, qint64 total)> progress;
    // Called once the request is under way with a function that cancels it.
    std::function<void(const std::function<void()> &cancel)> started;
};

// Fetches sources' answers over HTTP(S) into memory, with QtNetwork and QtCore only. One
// object is one visit: the cookies a site hands out are kept for every later request, and
// a source's results page (its `referer`) is opened once, as a browser would, before its
// data is asked for. A call returns when the answer is complete or has failed; it runs an
// event loop meanwhile, so the desktop program's windows keep painting. Use it on one
// thread.
class WebFetch
{
public:
    explicit WebFetch(const UpdateRules &rules);

    // Fails on any network error, an HTTP status other than 2xx, a site's refusal (403,
    // 412, 429, 521, redirects without end), after the time-out, above the size limit and
    // when cancelled; each with its reason for FetchFailureText.
    FetchResult get(const UpdateSource &source, const WebFetchHooks &hooks = {});

    // The most redirects one request follows; a site that sends more is refusing.
    static constexpr int kMaxRedirects = 10;

private:
    struct Request;
    FetchResult run(Request &request);

    UpdateRules m_rules;
    QNetworkAccessManager m_network;
    QSet<QString> m_visitedPages;
};
