#pragma once

#include "history/UpdateRules.h"
#include "update/FetchResult.h"
#include "update/UpdateSource.h"

#include <functional>

// Fetches one source's answer over HTTP(S) into memory with QtNetwork and QtCore only, so
// that the batch tool compiles this same file (the core library has no network). The call
// returns when the answer is complete or has failed; it runs an event loop meanwhile, so
// the desktop program's windows keep painting.
struct WebFetchHooks
{
    // Bytes received so far and the announced total (0 when not announced).
    std::function<void(qint64 received, qint64 total)> progress;
    // Called once the request is under way with a function that cancels it.
    std::function<void(const std::function<void()> &cancel)> started;
};

// Fails on any network error, an HTTP status other than 2xx, after the time-out, above
// the size limit, and when cancelled; each with its reason for FetchFailureText.
FetchResult WebFetch(const UpdateSource &source, const UpdateRules &rules, const WebFetchHooks &hooks = {});
