#include "core/update/UpdateSettings.h"

#include "core/base/TextFile.h"
#include "core/reduction/GbkIniFile.h"

#include <QFile>

namespace {
const QString kSection = QStringLiteral("在线更新");
const QString kCheckAtStart = QStringLiteral("启动时检查新开奖");

GbkIniFile readIni(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return {};
    const QByteArray bytes = file.readAll();
    const auto encoding = GbkIniFile::DetectEncoding(bytes);
    return encoding ? GbkIniFile(bytes, *encoding) : GbkIniFile();
}
} // namespace

UpdateSettings UpdateSettings::Load(const QString &path)
{
    UpdateSettings settings;
    settings.checkAtStart = readIni(path).readString(kSection, kCheckAtStart, QStringLiteral("0")).trimmed()
                            == QStringLiteral("1");
    return settings;
}

bool UpdateSettings::save(const QString &path, QString &error) const
{
    GbkIniFile ini = readIni(path);
    ini.writeFlag(kSection, kCheckAtStart, checkAtStart);
    return WriteFileAtomically(path, ini.toBytes(), error);
}
