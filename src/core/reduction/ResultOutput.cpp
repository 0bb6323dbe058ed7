#include "core/reduction/ResultOutput.h"

#include "core/base/TextFile.h"
#include "core/code/SsqError.h"
#include "core/reduction/TypedNumbers.h"

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

QStringList PrintAllLines(const QStringList &memoLines, const TCodeList &list)
{
    QStringList lines = memoLines;
    const qsizetype at = lines.indexOf(QStringLiteral("缩水结果超过%1注号码，忽略显示.").arg(kReportListLimit));
    if (at < 0)
        return lines;
    QStringList survivors;
    ResultToLines(list, survivors);
    lines.removeAt(at);
    for (qsizetype i = 0; i < survivors.size(); ++i)
        lines.insert(at + i, survivors[i]);
    return lines;
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

ResultSearch FindInResult(const TCodeList &list, const QString &text)
{
    ResultSearch search;
    const auto draw = ParseTypedDraw(text);
    if (!draw) {
        search.status = QStringLiteral("“%1”不是一注号码：请输入六个不同的红球号码（1-33），如01 05 12 18 23 30，"
                                       "可在后面加“+蓝球”！！")
                            .arg(text.trimmed());
        return search;
    }
    search.valid = true;
    search.reds = draw->reds;
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

QString NoSurvivorsMessage(const TCodeList &list, const QString &what)
{
    if (list.Count == 0)
        return QStringLiteral("还没有缩水结果，请先进行缩水计算！！");
    if (AliveCount(list) == 0)
        return QStringLiteral("缩水结果为0注，无法%1！！请放宽条件后再缩水。").arg(what);
    return QString();
}
