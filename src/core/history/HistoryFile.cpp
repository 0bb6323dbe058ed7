#include "history/HistoryFile.h"

#include "app/FileErrorText.h"
#include "app/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

QString TooLargeText(qint64 size, qint64 maxBytes)
{
    const auto mb = [](qint64 bytes) { return QString::number(double(bytes) / (1024 * 1024), 'f', 1); };
    return QStringLiteral("文件大小为%1 MB，超过了开奖数据文件的上限%2 MB").arg(mb(size), mb(maxBytes));
}

TextFileRead ReadGbkTextFile(const QString &path, qint64 maxBytes)
{
    TextFileRead result;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        result.status = TextFileRead::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFileRead::Unreadable;
        result.error = FileErrorReason(file);
        return result;
    }
    // Decided on the size before reading, so a huge file costs no memory. A device that
    // does not know its size (a pipe) is read up to one byte past the limit.
    if (file.size() > maxBytes) {
        result.status = TextFileRead::TooLarge;
        result.error = TooLargeText(file.size(), maxBytes);
        return result;
    }
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        result.status = TextFileRead::TooLarge;
        result.error = TooLargeText(bytes.size(), maxBytes);
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFileRead::Unreadable;
        result.error = FileErrorReason(file);
        return result;
    }
    QStringDecoder gbk("GBK");
    QString text = gbk.decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    result.status = TextFileRead::Ok;
    result.text = text;
    return result;
}

QByteArray HistoryFileBytes(const QString &memoText)
{
    QString text;
    for (const QString &line : MemoLines(memoText))
        text += line + QStringLiteral("\r\n");
    QStringEncoder gbk("GBK");
    return gbk.encode(text);
}

bool SaveHistoryFile(const QString &path, const QString &memoText, QString &error)
{
    return WriteFileAtomically(path, HistoryFileBytes(memoText), error);
}
