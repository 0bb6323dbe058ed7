#include "core/app/Query.h"

#include "core/code/Code.h"

using namespace Qt::StringLiterals;

QString QueryLine(const DrawRecord &draw)
{
    return u"第"_s + IntToPadStr(draw.Year, 4, false) + IntToPadStr(draw.No, 3, true) + u"期"_s
           + u",开奖号:"_s + RedArrToStr(draw.Red) + u" "_s + IntToPadStr(draw.Blue, 2, true);
}

QStringList QueryLines(const TBeenCodesRecArr &CodeArr, int issueNo, int count)
{
    // The same issue may stand on two lines of a hand-edited history; the later one wins.
    qsizetype start = -1;
    for (qsizetype i = 0; i < qsizetype(CodeArr.size()); ++i)
        if (CodeArr[size_t(i)].issueNo() == issueNo)
            start = i;

    QStringList lines;
    if (start < 0 || count <= 0)
        return lines;
    const qsizetype end = std::min<qsizetype>(qsizetype(CodeArr.size()), start + count);
    for (qsizetype i = start; i < end; ++i)
        lines << QueryLine(CodeArr[size_t(i)]);
    return lines;
}

QString QueryMissingMessage(const TBeenCodesRecArr &CodeArr, int issueNo)
{
    for (const DrawRecord &draw : CodeArr)
        if (draw.issueNo() == issueNo)
            return QString();
    return u"开奖数据中没有第%1期！！"_s.arg(issueNo);
}
