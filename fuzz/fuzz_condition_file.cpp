// The condition file reader on any bytes: a file the user picks for "条件导入". The
// export's merge into an existing file runs on the same bytes.
#include "core/code/SsqError.h"
#include "core/reduction/ConditionFile.h"
#include "core/reduction/GbkIniFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ConditionSet conditions = DefaultConditions();
    try {
        ApplyConditionIni(bytes, conditions);
    } catch (const SsqError &error) {
        if (error.text().isEmpty())
            __builtin_trap();
    }
    // Whatever was read can be written back into the same file and read again.
    const QByteArray merged = ConditionsToIni(conditions, bytes);
    ConditionSet again = DefaultConditions();
    try {
        ApplyConditionIni(merged, again);
    } catch (const SsqError &) {
    }
    const GbkIniFile ini(bytes);
    (void)ini.readString(QString::fromUtf16(kConditionSection), QStringLiteral("选号匹配"), {});
    (void)ini.toBytes();
    return 0;
}
