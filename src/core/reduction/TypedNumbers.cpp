#include "core/reduction/TypedNumbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QStringList typedPieces(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,，、]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

} // namespace

std::optional<std::vector<int>> ReadTypedNumbers(const QString &text, QString *badPiece)
{
    std::vector<int> numbers;
    for (const QString &piece : typedPieces(text)) {
        const bool digits = piece.size() <= 2
                            && std::all_of(piece.begin(), piece.end(), [](QChar c) {
                                   return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                               });
        if (!digits) {
            if (badPiece)
                *badPiece = piece;
            return std::nullopt;
        }
        numbers.push_back(piece.toInt());
    }
    return numbers;
}

QString TypedNumbersAsList(const QString &text)
{
    if (!ReadTypedNumbers(text))
        return text;
    return typedPieces(text).join(QLatin1Char(','));
}

std::optional<TCodeRedArr> SixReds(const std::vector<int> &numbers, std::size_t at)
{
    if (at + 6 > numbers.size())
        return std::nullopt;
    TCodeRedArr reds{};
    for (std::size_t i = 0; i < 6; ++i) {
        const int n = numbers[at + i];
        if (n < 1 || n > 33)
            return std::nullopt;
        reds[i] = std::int8_t(n);
    }
    std::sort(reds.begin(), reds.end());
    if (std::adjacent_find(reds.begin(), reds.end()) != reds.end())
        return std::nullopt;
    return reds;
}

std::optional<TypedDraw> ParseTypedDraw(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('+'));
    if (parts.size() > 2)
        return std::nullopt;
    const auto reds = ReadTypedNumbers(parts[0]);
    if (!reds || reds->size() != 6)
        return std::nullopt;
    const auto six = SixReds(*reds);
    if (!six)
        return std::nullopt;
    TypedDraw draw{*six, 0};
    if (parts.size() == 2) {
        const auto blue = ReadTypedNumbers(parts[1]);
        if (!blue || blue->size() != 1 || blue->front() < 1 || blue->front() > 16)
            return std::nullopt;
        draw.blue = blue->front();
    }
    return draw;
}
