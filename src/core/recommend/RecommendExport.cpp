#include "recommend/RecommendExport.h"

#include "code/SsqError.h"

#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("无法写入文件“%1”：%2！！").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QStringList RecommendMemoLines(const QString &memoText)
{
    if (memoText.isEmpty())
        return {};
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

QString RecommendMemoText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QByteArray RecommendFileBytes(const QStringList &lines)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += encoder.encode(lines[i]);
        if (encoder.hasError())
            throw SsqError(QStringLiteral("第%1行有GBK编码无法保存的字符，请修改后再导出！！").arg(i + 1));
        bytes += "\r\n";
    }
    return bytes;
}

void ExportRecommendFile(const QString &path, const QStringList &lines)
{
    const QByteArray bytes = RecommendFileBytes(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SsqError(cannotWrite(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw SsqError(cannotWrite(path, file.errorString()));
}
