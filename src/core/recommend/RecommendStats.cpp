#include "core/recommend/RecommendStats.h"

#include "core/code/SsqError.h"

namespace {

// The index of the oldest draw in the window; a window of no draws (or fewer) counts
// nothing.
template<std::size_t N>
std::size_t windowStart(const TBeenCodesRecArr &history, int window, std::array<int, N> &table)
{
    table.fill(0);
    const std::size_t size = window > 0 ? static_cast<std::size_t>(window) : 0;
    if (history.size() < size)
        throw SsqError(QString::fromUtf16(kHistoryTooShortMessage));
    return history.size() - size;
}

// A number outside the game cannot come from the parser; a history built otherwise must
// still not index outside the table.
template<std::size_t N>
void addNumber(std::array<int, N> &table, int number)
{
    if (number >= 1 && number < static_cast<int>(N))
        ++table[number];
}

// Selection ranking: at each position the highest remaining count wins, the first
// (lowest) number among equal counts; the winner is then marked as placed.
template<std::size_t N>
void sortByFreq(std::array<int, N> table, std::array<std::uint8_t, N> &ranking)
{
    constexpr int last = static_cast<int>(N) - 1;
    ranking.fill(kNoNumber);
    for (int k = 1; k <= last; ++k) {
        int best = 1;
        for (int m = 1; m <= last; ++m)
            if (table[m] > table[best])
                best = m;
        ranking[k] = static_cast<std::uint8_t>(best);
        table[best] = kRankPlaced;
    }
}

template<std::size_t N>
void pickToStr(const std::array<std::uint8_t, N> &ranking, const std::array<bool, N> &flags,
               int &count, const QString &separator, QString &text)
{
    count = 0;
    text.clear();
    for (std::size_t k = 1; k < N; ++k) {
        if (!flags[k])
            continue;
        if (count > 0)
            text += separator;
        text += QString::number(ranking[k]);
        ++count;
    }
}

} // namespace

void GetRedFreq(const TBeenCodesRecArr &history, int window, TRedFreqArr &table)
{
    const std::size_t first = windowStart(history, window, table);
    for (std::size_t i = history.size(); i > first; --i)
        for (auto red : history[i - 1].Red)
            addNumber(table, red);
}

void GetBlueFreq(const TBeenCodesRecArr &history, int window, TBlueFreqArr &table)
{
    const std::size_t first = windowStart(history, window, table);
    for (std::size_t i = history.size(); i > first; --i)
        addNumber(table, history[i - 1].Blue);
}

void SortRedByFreq(TRedFreqArr table, TRedRankArr &ranking)
{
    sortByFreq(table, ranking);
}

void SortBlueByFreq(TBlueFreqArr table, TBlueRankArr &ranking)
{
    sortByFreq(table, ranking);
}

void RedPickToStr(const TRedRankArr &ranking, const TRedPickArr &flags, int &count,
                  const QString &separator, QString &text)
{
    pickToStr(ranking, flags, count, separator, text);
}

void BluePickToStr(const TBlueRankArr &ranking, const TBluePickArr &flags, int &count,
                   const QString &separator, QString &text)
{
    pickToStr(ranking, flags, count, separator, text);
}
