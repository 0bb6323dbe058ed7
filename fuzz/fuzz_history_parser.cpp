// The history parser on any bytes: the text of a file the user imports or downloads.
#include "FuzzHistory.h"

#include "core/code/Code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = HistoryTextLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TBeenCodesRecArr history;
    fuzz::QuietReporter quiet;
    if (DataTxtToCodeArr(lines, history, quiet)) {
        // Whatever the parser lets through must be safe for the property tables.
        for (const DrawRecord &d : history) {
            for (auto n : d.Red)
                if (n < 1 || n > 33)
                    __builtin_trap();
            if (d.Blue < 1 || d.Blue > 16)
                __builtin_trap();
            (void)AcValue(d.Red);
            std::array<int, 6> runs{};
            ConsecRuns(d.Red, runs);
            (void)SlantCount(d.Red, history.front().Red);
        }
    }
    return 0;
}
