#include "core/update/DrawDates.h"

#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

DrawDates DrawDates::Load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024)
        return {};
    return Parse(file.readAll());
}

DrawDates DrawDates::Parse(const QByteArray &bytes)
{
    static const QRegularExpression line(QStringLiteral("^\\s*(\\d{7})\\s+(\\d{4}-\\d{2}-\\d{2})\\s*$"));
    DrawDates dates;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QRegularExpressionMatch m = line.match(QString::fromLatin1(raw));
        if (m.hasMatch())
            dates.m_dates.insert(m.captured(1).toInt(), m.captured(2));
    }
    return dates;
}

void DrawDates::add(const QMap<int, QString> &dates)
{
    for (auto it = dates.cbegin(); it != dates.cend(); ++it)
        m_dates.insert(it.key(), it.value());
}

QByteArray DrawDates::bytes() const
{
    QByteArray out;
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        out += QByteArray::number(it.key()).rightJustified(7, '0') + ' ' + it.value().toLatin1() + "\r\n";
    return out;
}

bool DrawDates::save(const QString &path, QString &error) const
{
    return WriteFileAtomically(path, bytes(), error);
}

QString DrawDatesFileFor(const QString &historyFile)
{
    const QFileInfo info(historyFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-dates.txt"));
}

QString NewestDrawText(const TBeenCodesRecArr &CodeArr, const DrawDates &dates)
{
    if (CodeArr.empty())
        return {};
    const DrawRecord &d = CodeArr.back();
    const QString date = dates.dateOf(d.issueNo());
    return QStringLiteral("第") + d.issueText() + QStringLiteral("期")
           + (date.isEmpty() ? QString() : QStringLiteral("（") + date + QStringLiteral("）"));
}
