#include "core/reduction/IntText.h"

#include "core/code/SsqError.h"

#include <limits>

namespace {

std::optional<long long> digitsValue(QStringView digits, int base)
{
    if (digits.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const QChar c : digits) {
        int d = -1;
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (base == 16 && u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        else if (base == 16 && u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > (1LL << 33))
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int> ParseInt(const QString &text)
{
    QStringView s = QStringView(text).trimmed();
    bool negative = false;
    if (!s.isEmpty() && (s[0] == u'+' || s[0] == u'-')) {
        negative = s[0] == u'-';
        s = s.mid(1);
    }
    std::optional<long long> value;
    if (s.startsWith(u'$'))
        value = digitsValue(s.mid(1), 16);
    else if (s.startsWith(u"0x", Qt::CaseInsensitive))
        value = digitsValue(s.mid(2), 16);
    else
        value = digitsValue(s, 10);
    if (!value)
        return std::nullopt;
    long long v = negative ? -*value : *value;
    // Hexadecimal texts name a 32-bit pattern, so 0xFFFFFFFF is -1 as the file's writer meant.
    if (!negative && *value <= 0xFFFFFFFFLL && *value > std::numeric_limits<int>::max()
        && (s.startsWith(u'$') || s.startsWith(u"0x", Qt::CaseInsensitive)))
        v = *value - (1LL << 32);
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(v);
}

int ParseIntOrThrow(const QString &text)
{
    if (const auto value = ParseInt(text))
        return *value;
    throw SsqError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
