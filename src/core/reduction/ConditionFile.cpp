#include "core/reduction/ConditionFile.h"

#include "core/base/AppInfo.h"
#include "core/base/FileErrorText.h"
#include "core/base/TextFile.h"
#include "core/code/SsqError.h"
#include "core/reduction/ExtendedSettings.h"
#include "core/reduction/GbkIniFile.h"
#include "core/reduction/GroupLines.h"
#include "core/reduction/IntText.h"

#include <QDir>
#include <QFile>

namespace {

const QString &section()
{
    static const QString name = QString::fromUtf16(kConditionSection);
    return name;
}

// Visits every key in file order. The visitor has group(key, lines), flag(key, list, item)
// and range(key, range); it may stop the walk by throwing.
template <typename Visitor>
void visitKeys(ConditionSet &c, Visitor &&v)
{
    namespace I = ConditionItems;
    auto flags = [&](const QString &name, CheckList &list, int items) {
        for (int i = 0; i < items; ++i)
            v.flag(name + QString::number(i), list, i);
    };
    v.group(QStringLiteral("选号匹配"), c.CodeSel1);
    for (int z = 0; z < 3; ++z)
        flags(QStringLiteral("3区间") + QString::number(z), c.ZoneCounts[z], I::Zone);
    flags(QStringLiteral("6区间分段出现"), c.SixZoneSpread, I::SixZone);
    flags(QStringLiteral("6区间奇偶出现"), c.SixZoneOddEven, I::SixZone);
    for (int r = 0; r < 3; ++r)
        flags(QStringLiteral("除3余") + QString::number(r), c.Mod3Counts[r], I::Mod3);
    flags(QStringLiteral("除6余分组出现组数"), c.Mod6Groups, I::Mod6);
    v.range(QStringLiteral("AC值设计"), c.AcRange);
    v.range(QStringLiteral("最大间隔"), c.MaxGapRange);
    flags(QStringLiteral("奇偶设计"), c.OddEvenRatio, I::Ratio);
    flags(QStringLiteral("号码大小比"), c.BigSmallRatio, I::Ratio);
    flags(QStringLiteral("连号"), c.ConsecCount, I::ConsecCount);
    flags(QStringLiteral("连号组数"), c.ConsecGroups, I::ConsecGroups);
    v.range(QStringLiteral("总和值"), c.SumRange);
    flags(QStringLiteral("尾数相同个数"), c.SameTailCount, I::SameTail);
    flags(QStringLiteral("尾数与上期相同个数"), c.PrevTailSame, I::PrevTailSame);
    v.range(QStringLiteral("尾数和"), c.TailSumRange);
    flags(QStringLiteral("尾数分组组合"), c.TailMod5Groups, I::TailMod5);
    flags(QStringLiteral("尾数大小比"), c.TailBigSmallRatio, I::Ratio);
}

struct Writer
{
    GbkIniFile &ini;
    void group(const QString &key, QStringList &lines) { ini.writeString(section(), key, GroupLinesToText(lines)); }
    void flag(const QString &key, CheckList &list, int item) { ini.writeFlag(section(), key, list.isChecked(item)); }
    void range(const QString &key, ValueRange &r) { ini.writeString(section(), key, RangeText(r)); }
};

// Every refusal of an import says which file was not imported and that nothing changed.
[[noreturn]] void refuse(const QString &fileName, const QString &reason)
{
    throw SsqError(QStringLiteral("条件配置文件“%1”没有导入，条件没有改变：%2")
                       .arg(QDir::toNativeSeparators(fileName), reason));
}

// Reads into a copy of the conditions and checks every value on the way; the first bad
// value ends the read before the caller's conditions are touched.
struct Reader
{
    const GbkIniFile &ini;
    const QString &fileName;

    [[noreturn]] void badValue(const QString &key, const QString &value, const QString &problem) const
    {
        refuse(fileName, QStringLiteral("“%1”的值“%2”有错误：%3！！").arg(key, value, problem));
    }
    void group(const QString &key, QStringList &lines)
    {
        lines = GroupLinesFromText(ini.readString(section(), key, QString()));
        try {
            ParseGroupList(lines, 1);
        } catch (const SsqError &e) {
            refuse(fileName, e.text()); // the message a run would give
        }
    }
    void flag(const QString &key, CheckList &list, int item)
    {
        const QString text = ini.readString(section(), key, QString()).trimmed();
        if (text.isEmpty()) {
            list.setChecked(item, false);
            return;
        }
        const auto number = ParseInt(text);
        if (!number)
            badValue(key, text, QStringLiteral("“%1”不是整数").arg(text));
        list.setChecked(item, *number != 0);
    }
    void range(const QString &key, ValueRange &r)
    {
        const QString text = ini.readString(section(), key, QString());
        if (text.isEmpty())
            return;
        for (const QString &piece : SplitStr(QStringLiteral(","), text))
            if (!ParseInt(piece))
                badValue(key, text, QStringLiteral("“%1”不是整数").arg(piece.trimmed()));
        SetRangeFromText(r, text);
    }
};

// The whole import in one place: decoding, the section, then every key into `result`.
// Sections that later versions add are read here too, into the same value, so a file
// is still applied all or nothing.
ConditionSet readConditions(const QByteArray &bytes, ConditionSet result, const QString &fileName)
{
    const auto encoding = GbkIniFile::DetectEncoding(bytes);
    if (!encoding)
        refuse(fileName, QStringLiteral("文件不是GBK或UTF-8编码的文本！！"));
    const GbkIniFile ini(bytes, *encoding);
    if (!ini.hasSection(section()))
        refuse(fileName, QStringLiteral("文件中没有“[%1]”一节，不是条件配置文件！！").arg(section()));
    visitKeys(result, Reader{ini, fileName});
    try {
        ReadExtendedSettings(ini, result);
    } catch (const SsqError &e) {
        refuse(fileName, e.text());
    }
    return result;
}

} // namespace

QByteArray ConditionsToIni(const ConditionSet &conditions, const QByteArray &existing)
{
    GbkIniFile ini(existing);
    ConditionSet copy = conditions;
    visitKeys(copy, Writer{ini});
    WriteExtendedSettings(ini, conditions);
    return ini.toBytes();
}

void ApplyConditionIni(const QByteArray &bytes, ConditionSet &conditions, const QString &fileName)
{
    conditions = readConditions(bytes, conditions, fileName);
}

namespace {
bool isConditionText(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return true;   // nothing to lose
    const auto encoding = GbkIniFile::DetectEncoding(bytes);
    return encoding && GbkIniFile(bytes, *encoding).hasSection(section());
}
} // namespace

ExportTarget ExportTargetOf(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return ExportTarget::NewFile;
    // A file that cannot be read is no file we may write into unasked.
    if (!file.open(QIODevice::ReadOnly))
        return ExportTarget::OtherFile;
    return isConditionText(file.readAll()) ? ExportTarget::ConditionFile : ExportTarget::OtherFile;
}

void ExportConditionFile(const QString &path, const ConditionSet &conditions, bool replace)
{
    QByteArray existing;
    if (!replace && QFile::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            throw SsqError(QStringLiteral("无法读取条件配置文件“%1”：%2！！").arg(path, FileErrorReason(old)));
        existing = old.readAll();
        if (!isConditionText(existing))
            throw SsqError(QStringLiteral("文件“%1”不是条件配置文件，条件没有写入！！")
                               .arg(QDir::toNativeSeparators(path)));
    }
    QString error;
    if (!WriteFileAtomically(path, ConditionsToIni(conditions, existing), error))
        throw SsqError(QStringLiteral("无法写入条件配置文件“%1”：%2！！").arg(path, error));
}

void ImportConditionFile(const QString &path, ConditionSet &conditions)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SsqError(QStringLiteral("无法读取条件配置文件“%1”：%2！！").arg(path, FileErrorReason(file)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SsqError(QStringLiteral("无法读取条件配置文件“%1”：%2！！").arg(path, FileErrorReason(file)));
    ApplyConditionIni(bytes, conditions, path);
}

QString ConditionFileCaption(const QString &path)
{
    qsizetype cut = -1;
    for (const QChar sep : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        cut = std::max(cut, path.lastIndexOf(sep));
    return AppInfo::mainCaption() + QStringLiteral(" - ") + path.mid(cut + 1);
}
