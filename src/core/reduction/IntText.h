#pragma once

// Integer conversion of user-editable text (condition file values, range pieces, group
// lines). Kept in one place so every reader agrees on what counts as an integer.

#include <QString>
#include <optional>

// A decimal integer with an optional sign, or a hexadecimal one written 0x.. or $..;
// blanks around it are allowed; anything else, or a value outside 32 bits, is no integer.
std::optional<int> ParseInt(const QString &text);

// The same, throwing SsqError "'<text>' is not a valid integer value" on failure.
int ParseIntOrThrow(const QString &text);
