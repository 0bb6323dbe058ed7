#pragma once

// Numbers a player types: the blue list, the group editor's number field, the lines of a
// base file and the prize check's answer are all read by these, so a text that one of
// them takes every other one takes too. Pieces are separated by blanks, tabs, ",", "，"
// or "、"; each piece is one or two decimal digits (08 and 8 are the same number).

#include "core/history/DrawRecord.h"

#include <QString>
#include <optional>
#include <vector>

// The numbers of `text` in the order typed (an empty text gives none). Nothing when a
// piece is not one or two digits; `badPiece`, when given, then receives that piece.
std::optional<std::vector<int>> ReadTypedNumbers(const QString &text, QString *badPiece = nullptr);

// The pieces of `text` joined by ",", as typed ("1 8，09" gives "1,8,09"); the text
// unchanged when it does not read as typed numbers.
QString TypedNumbersAsList(const QString &text);

// Six distinct reds 1..33 from numbers[at .. at + 5], ascending; nothing otherwise.
std::optional<TCodeRedArr> SixReds(const std::vector<int> &numbers, std::size_t at = 0);

// A draw as a player types it: six distinct reds 1..33 in any order, optionally followed
// by "+" and a blue 1..16 ("01 05 12 18 23 30+07"). `blue` is 0 when none was typed.
struct TypedDraw
{
    TCodeRedArr reds{};   // ascending
    int blue = 0;
};
std::optional<TypedDraw> ParseTypedDraw(const QString &text);
