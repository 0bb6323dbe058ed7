// Every chart page over a fuzzed history: the routines that fill the page's controls,
// through the batch tool's JSON form, with a small N and rotation start.
#include "FuzzHistory.h"

#include "core/charts/ChartPageJson.h"
#include "core/charts/ChartPageList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::ByteReader in(data, size);
    const int page = in.byte() % (ChartPageCount + 1);   // one past the last page too
    const int n = int(in.byte() % 40) - 2;                // -2..37: zero and negative counts
    const int start = int(in.byte() % 40) - 2;
    const TBeenCodesRecArr history = fuzz::FuzzedHistory(in, 64);
    QString error;
    const QJsonObject json = ChartPageJson(history, page, n, start, &error);
    if (json.isEmpty() == error.isEmpty())
        __builtin_trap();   // exactly one of a chart and a reason
    return 0;
}
