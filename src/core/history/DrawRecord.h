#pragma once

#include "core/code/CodeTypes.h"

#include <QString>
#include <cstdint>
#include <vector>

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
