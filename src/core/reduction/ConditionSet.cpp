#include "core/reduction/ConditionSet.h"

#include "core/code/Code.h"
#include "core/reduction/IntText.h"

QStringList NumberCaptions(int first, int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions.append(QString::number(first + i));
    return captions;
}

QStringList RatioCaptionList()
{
    QStringList captions;
    for (const QString &caption : RatioCaptions)
        captions.append(caption);
    return captions;
}

ConditionSet DefaultConditions(const ConditionSet &current)
{
    ConditionSet defaults; // every check list empty, ranges at their defaults, lists empty
    defaults.MatchCount1 = current.MatchCount1;
    defaults.MatchCount2 = current.MatchCount2;
    return defaults;
}

QString NumberRangeText(const std::array<bool, 33> &range)
{
    QStringList numbers;
    for (int n = 1; n <= 33; ++n)
        if (range[n - 1])
            numbers.append(QString::number(n));
    QString text;
    JoinStr(QStringLiteral(","), numbers, text);
    return text;
}

namespace {
// The number a piece names (the grid accepts 08 for its cell 8: one leading "0" is
// dropped, nothing else), 0 when it names none.
int rangeNumber(QString piece)
{
    if (piece.startsWith(QLatin1Char('0')))
        piece.remove(0, 1);
    bool ok = false;
    const int n = piece.toInt(&ok);
    return ok && n >= 1 && n <= 33 && piece == QString::number(n) ? n : 0;
}
} // namespace

std::array<bool, 33> NumberRangeFromText(const QString &text)
{
    std::array<bool, 33> range{};
    for (const QString &piece : SplitStr(QStringLiteral(","), text))
        if (const int n = rangeNumber(piece))
            range[n - 1] = true;
    return range;
}

QString BadNumberRangePiece(const QString &text)
{
    for (const QString &piece : SplitStr(QStringLiteral(","), text))
        if (rangeNumber(piece) == 0)
            return piece;
    return {};
}

QString RangeText(const ValueRange &range)
{
    return QString::number(range.min) + QLatin1Char(',') + QString::number(range.max);
}

void SetRangeFromText(ValueRange &range, const QString &text)
{
    const QStringList pieces = SplitStr(QStringLiteral(","), text);
    // A third piece would address an item the range does not have: it is ignored.
    for (qsizetype k = 0; k < pieces.size() && k < 2; ++k) {
        const int value = ParseIntOrThrow(pieces[k]);
        (k == 0 ? range.min : range.max) = value;
    }
}

QString SameTailCountLabelText(const TBeenCodesRecArr &history)
{
    QString text = QStringLiteral("与上期相同个数：");
    if (!history.empty())
        text += QStringLiteral("(上期号码:") + RedArrToStr(history.back().Red) + QLatin1Char(')');
    return text;
}
