// The back-test ("历史验证") over a fuzzed history with conditions read from fuzzed
// condition-file bytes and a fuzzed number of draws.
#include "FuzzHistory.h"

#include "core/code/SsqError.h"
#include "core/reduction/BackTest.h"
#include "core/reduction/ConditionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::ByteReader in(data, size);
    const int k = int(in.byte()) - 8;   // negative, zero, within and beyond the history
    const std::size_t iniLength = in.byte() * 8;
    QByteArray ini;
    for (std::size_t i = 0; i < iniLength && in.left() > 0; ++i)
        ini += char(in.byte());
    ConditionSet conditions = DefaultConditions();
    try {
        ApplyConditionIni(ini, conditions);
    } catch (const SsqError &) {
    }
    const TBeenCodesRecArr history = fuzz::FuzzedHistory(in, 120);
    try {
        const BackTestResult result = RunBackTest(conditions, history, k);
        if (result.passed > result.listed() || result.listed() > int(history.size()))
            __builtin_trap();
        (void)BackTestLines(result);
        (void)BackTestSummary(result, 0);
        (void)BackTestSummary(result, 1107568);
        for (const BackTestRow &row : result.rows)
            (void)BackTestVerdict(row.failingStage);
    } catch (const SsqError &) {
        // A malformed chosen-number group: refused before anything is tested.
    }
    return 0;
}
