#include "reduction/ResultOutput.h"

#include "app/TextFile.h"
#include "code/SsqError.h"

QStringList ExportLines(const TCodeList &list)
{
    QStringList lines;
    lines.append(QStringLiteral("缩水结果有%1注号码").arg(AliveCount(list)));
    ResultToLines(list, lines);
    return lines;
}

QByteArray ExportFileBytes(const TCodeList &list)
{
    QByteArray bytes;
    GbkLinesBytes(ExportLines(list), bytes); // digits, blanks and GBK's own Chinese only
    return bytes;
}

void ExportResultFile(const QString &path, const TCodeList &list)
{
    QString error;
    if (!WriteFileAtomically(path, ExportFileBytes(list), error))
        throw SsqError(CannotWriteMessage(path, error));
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
