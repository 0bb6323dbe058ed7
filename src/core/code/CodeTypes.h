#pragma once

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
