#include "core/reduction/ExtendedSettings.h"

#include "core/code/SsqError.h"
#include "core/reduction/GbkIniFile.h"
#include "core/reduction/GroupLines.h"

namespace {

const QString &section()
{
    static const QString name = QString::fromUtf16(kExtendedSection);
    return name;
}

// Writes `value` when it is not `empty`, or when the file already has the key.
void writeUnlessEmpty(GbkIniFile &ini, const char16_t *keyName, const QString &value, const QString &empty)
{
    const QString key = QString::fromUtf16(keyName);
    if (value != empty || ini.value(section(), key))
        ini.writeString(section(), key, value);
}

[[noreturn]] void badValue(const QString &key, const QString &text, const QString &problem)
{
    throw SsqError(QStringLiteral("“%1”的值“%2”有错误：%3！！").arg(key, text, problem));
}

} // namespace

void WriteExtendedSettings(GbkIniFile &ini, const ConditionSet &conditions)
{
    writeUnlessEmpty(ini, kToleranceKey, QString::number(conditions.Tolerance), QStringLiteral("0"));
    writeUnlessEmpty(ini, kNumberRangeKey, NumberRangeText(conditions.NumberRange), QString());
    writeUnlessEmpty(ini, kGroupList2Key, GroupLinesToText(conditions.CodeSel2), QString());
}

void ReadExtendedSettings(const GbkIniFile &ini, ConditionSet &conditions)
{
    const QString toleranceKey = QString::fromUtf16(kToleranceKey);
    const QString text = ini.readString(section(), toleranceKey, QString());
    if (text.isEmpty()) {
        conditions.Tolerance = 0;
    } else {
        bool ok = false;
        const int tolerance = text.toInt(&ok);
        if (!ok || tolerance < 0 || tolerance > kMaxTolerance)
            badValue(toleranceKey, text, QStringLiteral("应为0到%1之间的整数").arg(kMaxTolerance));
        conditions.Tolerance = tolerance;
    }

    const QString rangeKey = QString::fromUtf16(kNumberRangeKey);
    if (const auto range = ini.value(section(), rangeKey)) {
        if (const QString bad = BadNumberRangePiece(*range); !bad.isEmpty())
            badValue(rangeKey, *range, QStringLiteral("“%1”不是1-33之间的号码").arg(bad));
        conditions.NumberRange = NumberRangeFromText(*range);
    }

    if (const auto groups = ini.value(section(), QString::fromUtf16(kGroupList2Key))) {
        const QStringList lines = GroupLinesFromText(*groups);
        ParseGroupList(lines, 2);   // a line a run could not read refuses the file
        conditions.CodeSel2 = lines;
    }
}
