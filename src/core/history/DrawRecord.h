#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One combination of six red numbers, position 1..6 stored at index 0..5. The numbers
// are signed bytes; combinations made by the reduction are ascending, reds taken from
// the history keep the order in which the draw was written.
using TCodeRedArr = std::array<std::int8_t, 6>;
using TCodeRedArrArr = std::vector<TCodeRedArr>;
using TBoolArr = std::vector<std::uint8_t>;
using TIntArr = std::vector<std::int8_t>;

// One past draw.
struct DrawRecord
{
    std::int32_t Year = 0;
    std::int32_t No = 0;
    TCodeRedArr Red{};   // Red[0] is the first red as written in the line
    std::int32_t Blue = 0;

    std::int32_t issueNo() const { return Year * 1000 + No; }
    // Four-digit year and three-digit, zero-padded draw number: 2005013.
    QString issueText() const;

    friend bool operator==(const DrawRecord &, const DrawRecord &) = default;
};

// The history, oldest draw first; the newest draw is the last element.
using TBeenCodesRecArr = std::vector<DrawRecord>;
