#include "core/base/TextFile.h"

#include "core/base/FileErrorText.h"

#include <QDir>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    // Unbuffered, so that a failing write (a full disk) reports the system's reason; a
    // buffered write fails only in commit(), whose error text then says "Unknown error".
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = FileErrorReason(file);
        return false;
    }
    // A write that fills the disk first comes back short without an error; only the
    // next one fails and carries the system's reason ("No space left on device").
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            error = FileErrorReason(file);
            file.cancelWriting();
            return false;
        }
        done += qsizetype(written);
    }
    if (!file.commit()) {
        error = FileErrorReason(file);
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

QStringList MemoLines(const QString &memoText)
{
    if (memoText.isEmpty())
        return {};
    QStringList lines = memoText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray WithoutUtf8Bom(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

TextEncoding PlayerTextEncoding(const QByteArray &bytes)
{
    // A character cut off at the end of the bytes is no valid UTF-8 either.
    return WithoutUtf8Bom(bytes).isValidUtf8() ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

QString DecodePlayerText(const QByteArray &bytes)
{
    if (PlayerTextEncoding(bytes) == TextEncoding::Utf8)
        return QString::fromUtf8(WithoutUtf8Bom(bytes));
    QStringDecoder gbk("GBK");
    return gbk.decode(bytes);
}
