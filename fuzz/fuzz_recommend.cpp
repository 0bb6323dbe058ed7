// Every recommendation command but the single-ticket one (it enumerates all combinations
// and takes seconds; a unit test runs it on a fuzzed history) over a fuzzed history.
#include "FuzzHistory.h"

#include "core/code/SsqError.h"
#include "core/recommend/RecommendCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::ByteReader in(data, size);
    static const std::array<RecommendKind, 7> kinds{
        RecommendKind::Cold,    RecommendKind::Hot,     RecommendKind::Must,   RecommendKind::Banker,
        RecommendKind::Multi23, RecommendKind::Multi15, RecommendKind::Multi12};
    const RecommendKind kind = kinds[in.byte() % kinds.size()];
    const TBeenCodesRecArr history = fuzz::FuzzedHistory(in, 80);
    try {
        const RecommendOutput out = RunRecommend(kind, history);
        if (out.lines.isEmpty())
            __builtin_trap();
    } catch (const SsqError &) {
        // The history is shorter than the command's window: a message, nothing else.
    }
    QStringList lines;
    QString error;
    if (!RecommendCommandLines(history, RecommendKindName(kind), lines, error) && error.isEmpty())
        __builtin_trap();
    return 0;
}
