#pragma once

#include <QByteArray>
#include <QString>

// What fetching one source's answer gave: its bytes, or why there are none. The desktop
// program and the batch tool fetch in their own way (the core has no network); both
// describe the outcome with this, so the player reads the same reasons in both.
struct FetchResult
{
    enum Failure {
        None,
        NoNetwork,      // no network interface or route to the host
        HostNotFound,   // the name does not resolve
        Refused,        // nothing listens at that address
        TimedOut,       // no complete answer within the time-out
        Interrupted,    // the connection ended before the answer was complete
        HttpError,      // the server answered with a status other than 2xx
        Blocked,        // the site refused the program: 403, 412, 429, 521, a redirect loop
        TooLarge,       // more bytes than any history could have
        Cancelled,      // the player pressed "取消"
        FileError,      // a local source that cannot be read
        Other,
    };

    Failure failure = None;
    QByteArray bytes;
    QString host;      // the server's name, for the message
    int httpStatus = 0;
    QString detail;    // the system's own text, shown after ours where it adds something

    bool ok() const { return failure == None; }

    static FetchResult success(QByteArray bytes)
    {
        FetchResult r;
        r.bytes = std::move(bytes);
        return r;
    }
    static FetchResult failed(Failure why, QString host = {}, QString detail = {})
    {
        FetchResult r;
        r.failure = why;
        r.host = std::move(host);
        r.detail = std::move(detail);
        return r;
    }
};

// The reason in Chinese: "找不到服务器“www.cwl.gov.cn”" and so on.
QString FetchFailureText(const FetchResult &result, int timeoutSeconds, qint64 maxBytes);

// Whether a site that answers with this status refuses the program rather than failing:
// the statuses an anti-robot check answers with.
bool IsBlockingStatus(int httpStatus);
// "网站拒绝了本程序的访问（可能是防机器人检查）……（HTTP 403 Forbidden）": the status, or
// what else showed the refusal, as detail.
QString BlockedText(int httpStatus, const QString &detail);
