// The online update's readers and merge over fuzzed answers: whatever a source sends, what
// would be added follows the newest draw of the history, ascends, and lies in the domain.
#include "FuzzHistory.h"

#include "core/update/HistoryMerge.h"
#include "core/update/SourceList.h"
#include "core/update/SourceReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::ByteReader in(data, size);
    const auto form = UpdateSource::Form(in.byte() % 3);
    const TBeenCodesRecArr history = fuzz::RawHistory(in, std::size_t(in.byte() % 4), true);
    const QByteArray answer = in.rest();
    (void)ParseSourceList(answer, QStringLiteral("/base"));
    const SourceRead read = ReadSourceAnswer(form, answer);
    if (read.ok == read.draws.isEmpty())
        __builtin_trap();
    const MergeResult merged = MergeIntoHistory(history, {{QStringLiteral("a"), read.draws},
                                                          {QStringLiteral("b"), read.draws.mid(1)}});
    int previous = history.empty() ? 0 : history.back().issueNo();
    for (const SourceDraw &d : merged.added) {
        if (d.draw.issueNo() <= previous || d.draw.Blue < 1 || d.draw.Blue > 16)
            __builtin_trap();
        for (const auto red : d.draw.Red)
            if (red < 1 || red > 33)
                __builtin_trap();
        previous = d.draw.issueNo();
    }
    (void)AppendDraws(QString(), merged.added);
    return 0;
}
