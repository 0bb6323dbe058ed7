#include "reduction/ResultOutput.h"

#include "app/TextFile.h"
#include "code/SsqError.h"

#include <QRegularExpression>

#include <algorithm>

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

std::optional<ResultSearch> FindInResult(const TCodeList &list, const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,，]+"));
    const QString reds = text.section(QLatin1Char('+'), 0, 0);
    const QStringList pieces = reds.split(separators, Qt::SkipEmptyParts);
    if (pieces.size() != 6)
        return std::nullopt;
    ResultSearch search;
    for (qsizetype i = 0; i < 6; ++i) {
        bool ok = false;
        const int n = pieces[i].toInt(&ok);
        if (!ok || n < 1 || n > 33)
            return std::nullopt;
        search.reds[std::size_t(i)] = std::int8_t(n);
    }
    std::sort(search.reds.begin(), search.reds.end());
    if (std::adjacent_find(search.reds.begin(), search.reds.end()) != search.reds.end())
        return std::nullopt;
    int position = 0;
    for (int i = 0; i < list.Count; ++i) {
        if (!list.Alive[std::size_t(i)])
            continue;
        ++position;
        if (list.Codes[std::size_t(i)] == search.reds) {
            search.found = true;
            search.position = position;
            break;
        }
    }
    const QString shown = RedArrToStr(search.reds);
    search.status = search.found ? QStringLiteral("恭喜，找到号码%1，是缩水结果的第%2注").arg(shown).arg(search.position)
                                 : QStringLiteral("抱歉，没有找到号码") + shown;
    return search;
}
