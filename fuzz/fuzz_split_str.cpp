// The list splitter with any separator and text: the first byte gives the separator's length.
#include "core/code/Code.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t sepLength = std::min<std::size_t>(data[0] % 4, size - 1);
    const QString sep = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(sepLength));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1 + sepLength), qsizetype(size - 1 - sepLength));
    const QStringList items = SplitStr(sep, text);
    for (const QString &item : items)
        if (item.isEmpty() || (!sep.isEmpty() && item.startsWith(sep)))
            __builtin_trap();
    QString joined;
    JoinStr(sep, items, joined);
    return 0;
}
