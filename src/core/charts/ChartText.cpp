#include "core/charts/ChartText.h"

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimBlanksAndControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QStringList CellTextLines(const QString &text)
{
    return trimBlanksAndControls(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}
