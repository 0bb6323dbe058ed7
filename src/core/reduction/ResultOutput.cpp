#include "reduction/ResultOutput.h"

#include "code/SsqError.h"

#include <QSaveFile>
#include <QStringEncoder>

QStringList ExportLines(const TCodeList &list)
{
    QStringList lines;
    lines.append(QStringLiteral("缩水结果有%1注号码").arg(AliveCount(list)));
    ResultToLines(list, lines);
    return lines;
}

QByteArray ExportFileBytes(const TCodeList &list)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes;
    for (const QString &line : ExportLines(list)) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void ExportResultFile(const QString &path, const TCodeList &list)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SsqError(QStringLiteral("无法写入文件“%1”：%2！！").arg(path, file.errorString()));
    file.write(ExportFileBytes(list));
    if (!file.commit())
        throw SsqError(QStringLiteral("无法写入文件“%1”：%2！！").arg(path, file.errorString()));
}

FindOutcome FindInMemo(const QString &memoText, const QString &text)
{
    FindOutcome outcome;
    if (text.isEmpty())
        return outcome;
    outcome.searched = true;
    const qsizetype at = memoText.indexOf(text, 0, Qt::CaseSensitive);
    if (at < 0) {
        outcome.status = QStringLiteral("抱歉，没有找到号码") + text;
        return outcome;
    }
    outcome.found = true;
    outcome.start = at;
    outcome.length = text.size();
    outcome.status = QStringLiteral("恭喜，找到号码") + text;
    return outcome;
}
