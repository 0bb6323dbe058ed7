#include "reduction/ExtendedSettings.h"

#include "code/SsqError.h"
#include "reduction/GbkIniFile.h"

void WriteExtendedSettings(GbkIniFile &ini, const ConditionSet &conditions)
{
    const QString section = QString::fromUtf16(kExtendedSection);
    const QString key = QString::fromUtf16(kToleranceKey);
    // A file that already carries the key must not keep an old tolerance.
    if (conditions.Tolerance != 0 || ini.value(section, key))
        ini.writeString(section, key, QString::number(conditions.Tolerance));
}

void ReadExtendedSettings(const GbkIniFile &ini, ConditionSet &conditions)
{
    const QString key = QString::fromUtf16(kToleranceKey);
    const QString text = ini.readString(QString::fromUtf16(kExtendedSection), key, QString());
    if (text.isEmpty()) {
        conditions.Tolerance = 0;
        return;
    }
    bool ok = false;
    const int tolerance = text.toInt(&ok);
    if (!ok || tolerance < 0 || tolerance > kMaxTolerance)
        throw SsqError(QStringLiteral("“%1”的值“%2”有错误：应为0到%3之间的整数！！")
                           .arg(key, text)
                           .arg(kMaxTolerance));
    conditions.Tolerance = tolerance;
}
