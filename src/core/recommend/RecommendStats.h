#pragma once

// Frequency statistics over the most recent draws, on which every recommendation rests:
// how often each red and each blue number was drawn, the numbers ranked by that count,
// and the text of a chosen subset of the ranking. Nothing is kept between calls.

#include "core/history/DrawRecord.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kRedNumbers = 33;
inline constexpr int kBlueNumbers = 16;

// Signed counts indexed by the number itself (index 0 unused). Besides real counts two
// marks have a meaning for the ranking: a number marked kRankLast goes after every
// counted number, and kRankPlaced is what the ranking leaves on a number it has placed.
// The counts are wider than a byte: a red written twice in each of 26 draws would not
// fit in a signed byte and would then rank as if it had never been drawn.
using TRedFreqArr = std::array<int, kRedNumbers + 1>;
using TBlueFreqArr = std::array<int, kBlueNumbers + 1>;
inline constexpr int kRankLast = -1;
inline constexpr int kRankPlaced = -2;

// The numbers by rank: position 1 (the most frequent) to 33 or 16; index 0 unused.
inline constexpr std::uint8_t kNoNumber = 255;
using TRedRankArr = std::array<std::uint8_t, kRedNumbers + 1>;
using TBlueRankArr = std::array<std::uint8_t, kBlueNumbers + 1>;

// Pick flags by ranking position (index 0 unused).
using TRedPickArr = std::array<bool, kRedNumbers + 1>;
using TBluePickArr = std::array<bool, kBlueNumbers + 1>;

// What a recommendation shows when the history holds fewer draws than it counts over.
inline constexpr char16_t kHistoryTooShortMessage[] =
    u"开奖数据期数少于统计分析需要的期数，无法继续完成智能预测功能！！";

// Counts each red of the `window` newest draws (a red written twice in one draw counts
// twice). Throws SsqError with kHistoryTooShortMessage when the history is shorter than
// the window; the table is then all zero.
void GetRedFreq(const TBeenCodesRecArr &history, int window, TRedFreqArr &table);
// The same for the blue number of each of the `window` newest draws.
void GetBlueFreq(const TBeenCodesRecArr &history, int window, TBlueFreqArr &table);

// Ranks the numbers by count, highest first; equal counts go to the lower number first,
// so numbers marked kRankLast follow every counted one in ascending order. Every number
// is placed exactly once.
void SortRedByFreq(TRedFreqArr table, TRedRankArr &ranking);
void SortBlueByFreq(TBlueFreqArr table, TBlueRankArr &ranking);

// Walks the positions in rank order and writes the number at each flagged position in
// decimal without padding, `separator` between them; `count` is the number written.
void RedPickToStr(const TRedRankArr &ranking, const TRedPickArr &flags, int &count,
                  const QString &separator, QString &text);
void BluePickToStr(const TBlueRankArr &ranking, const TBluePickArr &flags, int &count,
                   const QString &separator, QString &text);
