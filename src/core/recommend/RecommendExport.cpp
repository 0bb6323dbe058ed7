#include "core/recommend/RecommendExport.h"

#include "core/base/TextFile.h"
#include "core/code/SsqError.h"

QString RecommendMemoText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QByteArray RecommendFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    int badLine = 0;
    if (!GbkLinesBytes(lines, bytes, &badLine))
        throw SsqError(QStringLiteral("第%1行有GBK编码无法保存的字符，请修改后再导出！！").arg(badLine));
    return bytes;
}

void ExportRecommendFile(const QString &path, const QStringList &lines)
{
    QString error;
    if (!WriteFileAtomically(path, RecommendFileBytes(lines), error))
        throw SsqError(CannotWriteMessage(path, error));
}
