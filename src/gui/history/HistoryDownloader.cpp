#include "history/HistoryDownloader.h"

#include "app/TextFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressDialog>
#include <QTimer>
#include <memory>

namespace {

enum class Abort { None, TooLarge, TimedOut, Cancelled };

QString abortText(Abort why, const UpdateRules &rules)
{
    switch (why) {
    case Abort::TooLarge:
        return QStringLiteral("文件超过 %1 字节，不是开奖数据文件").arg(rules.maxBytes);
    case Abort::TimedOut:
        return QStringLiteral("%1 秒内没有完成下载").arg(rules.timeoutMs / 1000.0);
    case Abort::Cancelled:
        return QStringLiteral("下载已取消");
    case Abort::None:
        break;
    }
    return {};
}

} // namespace

THistoryDownloader::THistoryDownloader(QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_dialogParent(dialogParent)
{
}

bool THistoryDownloader::download(const QUrl &url, const QString &localFile, QString &error)
{
    if (m_running) {
        error = QStringLiteral("已有一个下载正在进行");
        return false;
    }
    m_running = true;
    struct Running { bool &flag; ~Running() { flag = false; } } running{m_running};

    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QProgressDialog progress(QStringLiteral("正在下载开奖数据……"), QStringLiteral("取消"), 0, 0,
                             m_dialogParent);
    progress.setObjectName(QStringLiteral("DownloadProgress"));
    progress.setWindowTitle(QStringLiteral("在线更新"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(0);
    progress.setValue(0);

    QByteArray data;
    Abort aborted = Abort::None;
    auto abortWith = [&](Abort why) {
        // Closing the dialog afterwards also reports "canceled": too late to count.
        if (reply->isFinished())
            return;
        if (aborted == Abort::None)
            aborted = why;
        reply->abort();
    };

    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, reply.get(), [&] { abortWith(Abort::TimedOut); });
    connect(&progress, &QProgressDialog::canceled, reply.get(), [&] { abortWith(Abort::Cancelled); });
    connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        data += reply->readAll();
        if (data.size() > m_rules.maxBytes)
            abortWith(Abort::TooLarge);
    });
    connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(),
            [&](qint64 received, qint64 total) {
                if (total > m_rules.maxBytes) {
                    abortWith(Abort::TooLarge);
                    return;
                }
                // The bar counts kilobytes so that it stays within int for any size.
                progress.setMaximum(total > 0 ? int(total / 1024) + 1 : 0);
                progress.setValue(total > 0 ? int(received / 1024) : 0);
            });

    QEventLoop loop;
    connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timeout.start(m_rules.timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    timeout.stop();
    progress.close();

    if (aborted != Abort::None) {
        error = abortText(aborted, m_rules);
        return false;
    }
    if (reply->error() != QNetworkReply::NoError) {
        error = reply->errorString();
        return false;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        error = QStringLiteral("HTTP %1").arg(status.toInt());
        return false;
    }
    data += reply->readAll();
    if (data.size() > m_rules.maxBytes) {
        error = abortText(Abort::TooLarge, m_rules);
        return false;
    }
    return WriteFileAtomically(localFile, data, error);
}
