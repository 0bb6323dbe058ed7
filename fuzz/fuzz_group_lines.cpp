// The chosen-number group check on any text: a line typed into the group editor or read
// from a condition file, and a whole list joined by "#".
#include "core/code/SsqError.h"
#include "core/reduction/GroupLines.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString problem;
    if (const auto group = ParseGroupLine(text, &problem)) {
        // Only red numbers 1..33 and match counts 0..6 get through.
        if ((group->numbers & ~(((RedMask{1} << 33) - 1) << 1)) != 0 || group->numbers == 0
            || (group->counts & ~0x7fU) != 0 || group->counts == 0)
            __builtin_trap();
    } else if (problem.isEmpty()) {
        __builtin_trap();
    }
    QString numbers, counts;
    SplitGroupLine(text, numbers, counts);
    const QStringList lines = GroupLinesFromText(text);
    try {
        const auto groups = ParseGroupList(lines, 1);
        if (groups.size() != std::size_t(lines.size()))
            __builtin_trap();
    } catch (const SsqError &error) {
        if (error.text().isEmpty())
            __builtin_trap();
    }
    (void)GroupLinesToText(lines);
    return 0;
}
