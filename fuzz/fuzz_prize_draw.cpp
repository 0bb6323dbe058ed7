// The prize check's draw ("r r r r r r+b" or an issue) and blue list on any text, over a
// fuzzed history.
#include "FuzzHistory.h"

#include "core/reduction/PrizeStats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::ByteReader in(data, size);
    const std::size_t textLength = in.byte();
    QByteArray text;
    for (std::size_t i = 0; i < textLength && in.left() > 0; ++i)
        text += char(in.byte());
    const QString typed = QString::fromUtf8(text);
    const TBeenCodesRecArr history = fuzz::FuzzedHistory(in, 40);
    QString error;
    if (const auto draw = ParsePrizeDraw(typed, history, error)) {
        (void)PrizeRuleFor(draw->issueNo);
    } else if (error.isEmpty()) {
        __builtin_trap();
    }
    QString blueError;
    if (const auto blues = ParseBlueList(typed, blueError)) {
        for (int b : *blues)
            if (b < 1 || b > 16)
                __builtin_trap();
    } else if (blueError.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
