#include "core/update/FetchResult.h"

namespace {
QString withDetail(const QString &text, const QString &detail)
{
    return detail.isEmpty() ? text : text + QStringLiteral("（") + detail + QStringLiteral("）");
}
QString quoted(const QString &host)
{
    return host.isEmpty() ? QString() : QStringLiteral("“") + host + QStringLiteral("”");
}
} // namespace

QString FetchFailureText(const FetchResult &r, int timeoutSeconds, qint64 maxBytes)
{
    switch (r.failure) {
    case FetchResult::None:
        return {};
    case FetchResult::NoNetwork:
        return withDetail(QStringLiteral("网络不通，请检查网络连接"), r.detail);
    case FetchResult::HostNotFound:
        return QStringLiteral("找不到服务器") + quoted(r.host) + QStringLiteral("（域名无法解析，请检查网络连接）");
    case FetchResult::Refused:
        return QStringLiteral("服务器") + quoted(r.host) + QStringLiteral("拒绝连接");
    case FetchResult::TimedOut:
        return QStringLiteral("连接超时：%1 秒内没有完成下载").arg(timeoutSeconds);
    case FetchResult::Interrupted:
        return withDetail(QStringLiteral("连接中断，数据没有下载完整"), r.detail);
    case FetchResult::HttpError:
        return withDetail(QStringLiteral("服务器返回错误 HTTP %1").arg(r.httpStatus), r.detail);
    case FetchResult::Blocked:
        return BlockedText(r.httpStatus, r.detail);
    case FetchResult::TooLarge:
        return maxBytes >= 1024 * 1024 ? QStringLiteral("数据超过 %1 MB，不是开奖数据").arg(maxBytes / (1024 * 1024))
                                       : QStringLiteral("数据超过 %1 字节，不是开奖数据").arg(maxBytes);
    case FetchResult::Cancelled:
        return QStringLiteral("下载已取消");
    case FetchResult::FileError:
        return withDetail(QStringLiteral("无法读取文件") + quoted(r.host), r.detail);
    case FetchResult::Other:
        break;
    }
    return withDetail(QStringLiteral("下载失败"), r.detail);
}

bool IsBlockingStatus(int httpStatus)
{
    return httpStatus == 403 || httpStatus == 412 || httpStatus == 429 || httpStatus == 521;
}

QString BlockedText(int httpStatus, const QString &detail)
{
    QString status = httpStatus > 0 ? QStringLiteral("HTTP %1").arg(httpStatus) : QString();
    if (!detail.isEmpty())
        status += (status.isEmpty() ? QString() : QStringLiteral(" ")) + detail;
    return withDetail(QStringLiteral("网站拒绝了本程序的访问（可能是防机器人检查），请稍后再试或改用其他来源"), status);
}
