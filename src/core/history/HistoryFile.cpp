#include "history/HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

TextFileRead ReadGbkTextFile(const QString &path)
{
    TextFileRead result;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        result.status = TextFileRead::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = TextFileRead::Unreadable;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = TextFileRead::Unreadable;
        result.error = file.errorString();
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

QStringList MemoLines(const QString &memoText)
{
    if (memoText.isEmpty())
        return {};
    QStringList lines = memoText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = HistoryFileBytes(memoText);
    if (file.write(bytes) != bytes.size()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
