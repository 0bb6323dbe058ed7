#include "app/TextFile.h"

#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
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

bool GbkLinesBytes(const QStringList &lines, QByteArray &bytes, int *badLine)
{
    QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    bytes.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += gbk.encode(lines[i]);
        if (gbk.hasError()) {
            if (badLine)
                *badLine = int(i + 1);
            return false;
        }
        bytes += "\r\n";
    }
    return true;
}

QString CannotWriteMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("无法写入文件“%1”：%2！！").arg(QDir::toNativeSeparators(path), reason);
}
