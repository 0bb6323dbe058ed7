#include "core/reduction/ReductionReport.h"

#include "core/code/Code.h"

void ResultToLines(const TCodeList &list, QStringList &lines)
{
    QString line;
    int onLine = 0;
    bool any = false;
    for (int i = 0; i < list.Count; ++i) {
        if (!list.Alive[static_cast<std::size_t>(i)])
            continue;
        any = true;
        line += RedArrToStr(list.Codes[static_cast<std::size_t>(i)]) + QStringLiteral(", ");
        if (++onLine == 5) {
            lines.append(line);
            line.clear();
            onLine = 0;
        }
    }
    if (!any)
        return;
    if (onLine > 0)
        lines.append(line);
    lines.append(QString());
}

QString ReportTitleLine(const QDateTime &now)
{
    return QStringLiteral("晨帆选号通  ") + now.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss"));
}

QString ToleranceLine(const std::array<int, 19> &byFailures, int tolerance)
{
    QString line = QStringLiteral("满足全部条件 %1 注").arg(byFailures[0]);
    for (int k = 1; k <= tolerance && k < int(byFailures.size()); ++k)
        line += QStringLiteral("，错%1个 %2 注").arg(k).arg(byFailures[std::size_t(k)]);
    return line;
}
