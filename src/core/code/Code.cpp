#include "core/code/Code.h"

#include "core/code/SsqError.h"

#include <algorithm>

// ---- text routines ---------------------------------------------------------------

QString IntToPadStr(int value, int width, bool zero)
{
    QString text = QString::number(value);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), zero ? QLatin1Char('0') : QLatin1Char(' ')));
    return text;
}

bool RedArrToStr(const TCodeRedArr &reds, QString &text)
{
    text = RedArrToStr(reds);
    return true;
}

QString RedArrToStr(const TCodeRedArr &reds)
{
    QString text;
    text.reserve(17);
    for (std::size_t i = 0; i < reds.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += IntToPadStr(reds[i], 2, true);
    }
    return text;
}

namespace {
// Leading and trailing characters of code 32 or less are blanks and control characters;
// other white space (a full-width blank, say) is kept as text.
QStringView trimControl(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

QStringList SplitStr(const QString &sep, const QString &text)
{
    QStringList items;
    QStringView rest = trimControl(text);
    if (sep.isEmpty()) {
        if (!rest.isEmpty())
            items.append(rest.toString());
        return items;
    }
    while (!rest.isEmpty()) {
        const qsizetype at = rest.indexOf(sep);
        if (at == 0) {
            // A run of separators yields no empty items.
            rest = rest.mid(sep.size());
        } else if (at < 0) {
            items.append(rest.toString());
            break;
        } else {
            items.append(rest.left(at).toString());
            rest = rest.mid(at + sep.size());
        }
    }
    return items;
}

void JoinStr(const QString &sep, const QStringList &list, QString &text)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += sep;
        text += list[i];
    }
}

const std::array<QString, 7> RatioCaptions = {
    QStringLiteral("0:6"), QStringLiteral("1:5"), QStringLiteral("2:4"), QStringLiteral("3:3"),
    QStringLiteral("4:2"), QStringLiteral("5:1"), QStringLiteral("6:0"),
};

// ---- properties on the six stored positions ----------------------------------------

int SpecNumInterOfCodeArr(const TCodeRedArr &a, int lo, int hi)
{
    if (lo < 1 || hi > 33 || lo > hi)
        throw SsqError(QStringLiteral("SpecNumInterOfCodeArr Error!!"));
    return int(std::count_if(a.begin(), a.end(), [=](int n) { return n >= lo && n <= hi; }));
}

int SamePosCount(const TCodeRedArr &a, const TCodeRedArr &b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] == b[i])
            ++count;
    return count;
}

int CountInSet(const TCodeRedArr &a, const std::array<bool, 34> &flags)
{
    return int(std::count_if(a.begin(), a.end(), [&](int n) { return n >= 0 && n <= 33 && flags[std::size_t(n)]; }));
}

bool HasNum(const TCodeRedArr &a, int n)
{
    return std::find(a.begin(), a.end(), n) != a.end();
}
