#include "code/Code.h"

#include "code/SsqError.h"

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
//
// The number flag arrays cover 0..33. The history parser keeps numbers outside 1..33
// away from here, but a stray value must never index outside a table, so every marking
// goes through inDomain().

namespace {
constexpr bool inDomain(int n) { return n >= 0 && n <= 33; }

using Flags34 = std::array<bool, 34>;

Flags34 mark(const TCodeRedArr &a)
{
    Flags34 f{};
    for (auto n : a)
        if (inDomain(n))
            f[n] = true;
    return f;
}

template <std::size_t N, typename ClassOf>
int distinctClasses(const TCodeRedArr &a, ClassOf classOf)
{
    std::array<bool, N> seen{};
    for (auto n : a) {
        const int c = classOf(int(n));
        if (c >= 0 && c < int(N))
            seen[c] = true;
    }
    return int(std::count(seen.begin(), seen.end(), true));
}

int nonNegMod(int n, int m) { return ((n % m) + m) % m; }

// The one scan of runs of consecutive numbers: calls onRun(length) for each maximal run
// of two or more consecutive marked numbers in 1..33.
template <typename OnRun>
void scanRuns(const Flags34 &f, OnRun onRun)
{
    int n = 1;
    while (n < 33) {
        if (f[n] && f[n + 1]) {
            int end = n + 1;
            while (end + 1 <= 33 && f[end + 1])
                ++end;
            onRun(end - n + 1);
            n = end + 1;
        } else {
            ++n;
        }
    }
}
} // namespace

int SpecNumInterOfCodeArr(const TCodeRedArr &a, int lo, int hi)
{
    if (lo < 1 || hi > 33 || lo > hi)
        throw SsqError(QStringLiteral("SpecNumInterOfCodeArr Error!!"));
    return int(std::count_if(a.begin(), a.end(), [=](int n) { return n >= lo && n <= hi; }));
}

int Zone6Count(const TCodeRedArr &a)
{
    return distinctClasses<6>(a, [](int n) { return n >= 1 ? (n - 1) / 6 : -1; });
}

int OddEvenZoneCount(const TCodeRedArr &a)
{
    // {1..11 odd}, {2..10 even}, {13..21 odd}, {12..22 even}, {23..33 odd}, {24..32 even}
    return distinctClasses<6>(a, [](int n) {
        if (n < 1 || n > 33)
            return -1;
        const int zone = (n - 1) / 11;
        return zone * 2 + (n % 2 == 0 ? 1 : 0);
    });
}

int Mod3Count(const TCodeRedArr &a, int r)
{
    return int(std::count_if(a.begin(), a.end(), [=](int n) { return nonNegMod(n, 3) == r; }));
}

int Mod6GroupCount(const TCodeRedArr &a)
{
    return distinctClasses<6>(a, [](int n) { return nonNegMod(n, 6); });
}

int Mod5GroupCount(const TCodeRedArr &a, bool tailOnly)
{
    return distinctClasses<5>(a, [=](int n) { return nonNegMod(tailOnly ? nonNegMod(n, 10) : n, 5); });
}

int SameTailMax(const TCodeRedArr &a)
{
    std::array<int, 10> tails{};
    for (auto n : a)
        ++tails[nonNegMod(n, 10)];
    return *std::max_element(tails.begin(), tails.end());
}

int TailGroupCount(const TCodeRedArr &a)
{
    return distinctClasses<10>(a, [](int n) { return nonNegMod(n, 10); });
}

int BigTailCount(const TCodeRedArr &a)
{
    return int(std::count_if(a.begin(), a.end(), [](int n) { return nonNegMod(n, 10) >= 5; }));
}

int BigCount(const TCodeRedArr &a)
{
    return int(std::count_if(a.begin(), a.end(), [](int n) { return n >= 17; }));
}

int OddCount(const TCodeRedArr &a)
{
    return int(std::count_if(a.begin(), a.end(), [](int n) { return n % 2 != 0; }));
}

int PrimeCount(const TCodeRedArr &a)
{
    return int(std::count_if(a.begin(), a.end(), [](int n) { return !IsComposite(n); }));
}

bool IsComposite(int n)
{
    if (n < 3)
        return false;
    for (int d = 2; d < n; ++d)
        if (n % d == 0)
            return true;
    return false;
}

int RedSum(const TCodeRedArr &a, bool tailOnly, bool lastDigitOnly)
{
    int s = 0;
    for (auto n : a)
        s += tailOnly ? n % 10 : n;
    return lastDigitOnly ? s % 10 : s;
}

int NumDiff(int a, int b, bool lastDigitOnly)
{
    const int d = std::max(a, b) - std::min(a, b);
    return lastDigitOnly ? d % 10 : d;
}

int AcValue(const TCodeRedArr &a)
{
    Flags34 diffs{};
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j) {
            const int d = NumDiff(a[i], a[j], false);
            if (d >= 1 && d <= 33)
                diffs[d] = true;
        }
    return int(std::count(diffs.begin(), diffs.end(), true)) - 5;
}

int MaxGap(const TCodeRedArr &a)
{
    int gap = 0;
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
        gap = std::max(gap, NumDiff(a[i], a[i + 1], false));
    return gap;
}

void ConsecRuns(const TCodeRedArr &a, std::array<int, 6> &runs)
{
    runs.fill(0);
    scanRuns(mark(a), [&](int length) { ++runs[std::min(length, 6) - 1]; });
}

int ConsecGroupCount(const TCodeRedArr &a)
{
    int groups = 0;
    scanRuns(mark(a), [&](int) { ++groups; });
    return groups;
}

int ConsecNumCount(const TCodeRedArr &a)
{
    int numbers = 0;
    scanRuns(mark(a), [&](int length) { numbers += length; });
    return numbers;
}

namespace {
int neighbourPairs(const TCodeRedArr &a, int parity)
{
    int count = 0;
    for (std::size_t i = 0; i + 1 < a.size(); ++i)
        if (nonNegMod(a[i], 2) == parity && nonNegMod(a[i + 1], 2) == parity && a[i + 1] - a[i] == 2)
            ++count;
    return count;
}
} // namespace

int OddConsecCount(const TCodeRedArr &a) { return neighbourPairs(a, 1); }
int EvenConsecCount(const TCodeRedArr &a) { return neighbourPairs(a, 0); }

int RepeatCount(const TCodeRedArr &a, const TCodeRedArr &b)
{
    const Flags34 fa = mark(a);
    const Flags34 fb = mark(b);
    int count = 0;
    for (int n = 1; n <= 33; ++n)
        if (fa[n] && fb[n])
            ++count;
    return count;
}

int SamePosCount(const TCodeRedArr &a, const TCodeRedArr &b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] == b[i])
            ++count;
    return count;
}

int SlantCount(const TCodeRedArr &a, const TCodeRedArr &b)
{
    const Flags34 fa = mark(a);
    const Flags34 fb = mark(b);
    int count = 0;
    for (int n = 1; n <= 33; ++n)
        if (fa[n] && ((n > 1 && fb[n - 1]) || (n < 33 && fb[n + 1])))
            ++count;
    return count;
}

int CountInSet(const TCodeRedArr &a, const std::array<bool, 34> &flags)
{
    return int(std::count_if(a.begin(), a.end(), [&](int n) { return inDomain(n) && flags[n]; }));
}

bool HasNum(const TCodeRedArr &a, int n)
{
    return std::find(a.begin(), a.end(), n) != a.end();
}
