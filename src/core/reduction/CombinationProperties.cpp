#include "reduction/CombinationProperties.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace {

static_assert(Binomial(33, 6) == kCombinationTotal);

// before[i][x]: the combinations that put a number below x at position i (0-based) after
// the same earlier positions, counted from 1: sum of C(33 - y, 5 - i) for y < x.
constexpr std::array<std::array<int, 35>, 6> makeBefore()
{
    std::array<std::array<int, 35>, 6> t{};
    for (int i = 0; i < 6; ++i)
        for (int x = 2; x <= 34; ++x)
            t[i][x] = t[i][x - 1] + Binomial(33 - (x - 1), 5 - i);
    return t;
}
constexpr auto kBefore = makeBefore();

// Fills the records of every combination whose first number is `a`.
void fillFirst(std::vector<CombinationRecord> &table, int a)
{
    int index = CombinationIndex({std::int8_t(a), std::int8_t(a + 1), std::int8_t(a + 2),
                                  std::int8_t(a + 3), std::int8_t(a + 4), std::int8_t(a + 5)});
    for (int b = a + 1; b <= 29; ++b)
        for (int c = b + 1; c <= 30; ++c)
            for (int d = c + 1; d <= 31; ++d)
                for (int e = d + 1; e <= 32; ++e)
                    for (int f = e + 1; f <= 33; ++f)
                        table[std::size_t(index++)] = PropertiesOf(
                            {std::int8_t(a), std::int8_t(b), std::int8_t(c), std::int8_t(d), std::int8_t(e), std::int8_t(f)});
}

std::vector<CombinationRecord> buildTable()
{
    std::vector<CombinationRecord> table(kCombinationTotal);
    // One worker per core (at most eight) takes every threads-th first number, the calling
    // thread among them; a worker that cannot be started leaves its numbers to the caller.
    const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 8U));
    std::vector<std::thread> helpers;
    auto work = [&table, threads](int worker) {
        for (int a = 1 + worker; a <= 28; a += threads)
            fillFirst(table, a);
    };
    int started = 1;
    for (; started < threads; ++started) {
        try {
            helpers.emplace_back(work, started);
        } catch (const std::system_error &) {
            break;
        }
    }
    for (int a = 1; a <= 28; ++a)
        if ((a - 1) % threads == 0 || (a - 1) % threads >= started)
            fillFirst(table, a);
    for (auto &h : helpers)
        h.join();
    return table;
}

} // namespace

int RunsIndex(const std::array<int, 6> &runs)
{
    return runs[1] + 4 * runs[2] + 12 * runs[3] + 24 * runs[4] + 48 * runs[5];
}

CombinationRecord PropertiesOf(const TCodeRedArr &a)
{
    std::array<int, 6> runs{};
    ConsecRuns(a, runs);
    std::array<int, kPropertySlots> v{};
    v[SlotZones] = SpecNumInterOfCodeArr(a, 1, 11) * 7 + SpecNumInterOfCodeArr(a, 12, 22);
    v[SlotZone6] = Zone6Count(a);
    v[SlotOddEvenZone] = OddEvenZoneCount(a);
    v[SlotMod3] = Mod3Count(a, 0) * 7 + Mod3Count(a, 1);
    v[SlotMod6] = Mod6GroupCount(a);
    v[SlotAc] = AcValue(a);
    v[SlotGap] = MaxGap(a);
    v[SlotOdd] = OddCount(a);
    v[SlotBig] = BigCount(a);
    v[SlotRuns] = RunsIndex(runs);
    v[SlotSum] = RedSum(a, false, false);
    v[SlotSameTail] = SameTailMax(a);
    v[SlotTailSum] = RedSum(a, true, false);
    v[SlotTailMod5] = Mod5GroupCount(a, true);
    v[SlotBigTail] = BigTailCount(a);
    CombinationRecord r = 0;
    for (std::size_t s = 0; s < v.size(); ++s) {
        const SlotField &f = kSlotFields[s];
        r |= CombinationRecord((v[s] - f.offset) & ((1 << f.width) - 1)) << f.shift;
    }
    return r;
}

int CombinationIndex(const TCodeRedArr &a)
{
    int index = 0;
    int from = 1;
    for (std::size_t i = 0; i < 6; ++i) {
        index += kBefore[i][std::size_t(a[i])] - kBefore[i][std::size_t(from)];
        from = a[i] + 1;
    }
    return index;
}

const std::vector<CombinationRecord> &CombinationTable()
{
    static const std::vector<CombinationRecord> table = buildTable();
    return table;
}
