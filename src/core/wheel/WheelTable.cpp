#include "core/wheel/WheelTable.h"

#include "core/wheel/WheelMask.h"
#include "core/wheel/WheelVerifier.h"

#include <QStringList>
#include <bit>
#include <cstdio>
#include <deque>
#include <string>
#include <unordered_set>

namespace {

struct Header
{
    int n = 0, m = 0, t = 0, size = 0;
};

std::optional<Header> readHeader(const char *text)
{
    Header h;
    if (std::sscanf(text, "%d %d %d %d", &h.n, &h.m, &h.t, &h.size) != 4)
        return std::nullopt;
    return h;
}

// A ticket written as twelve digits, ascending numbers of 1..n; as a mask over the bits 0..n-1.
std::optional<std::uint64_t> readTicket(const QString &w, int n)
{
    if (w.size() != 12)
        return std::nullopt;
    std::uint64_t mask = 0;
    int previous = 0;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const int number = w.mid(i * 2, 2).toInt(&ok);
        if (!ok || number <= previous || number > n)
            return std::nullopt;
        previous = number;
        mask |= std::uint64_t{1} << (number - 1);
    }
    return mask;
}

// A permutation of 1..n written as the images of 1, 2, ..., n, two digits each; as the
// images of 0..n-1.
std::optional<std::vector<int>> readPermutation(const QString &w, int n)
{
    if (w.size() != 2 * n)
        return std::nullopt;
    std::vector<int> p(static_cast<std::size_t>(n));
    std::uint64_t seen = 0;
    for (int i = 0; i < n; ++i) {
        bool ok = false;
        const int image = w.mid(i * 2, 2).toInt(&ok);
        if (!ok || image < 1 || image > n || (seen >> (image - 1) & 1))
            return std::nullopt;
        seen |= std::uint64_t{1} << (image - 1);
        p[std::size_t(i)] = image - 1;
    }
    return p;
}

// Every ticket the generators carry the base tickets to, each once; gives up (answering
// what it has) past `limit` tickets, so that a damaged entry cannot run away.
std::vector<std::uint64_t> orbitsOf(const std::vector<std::uint64_t> &bases,
                                    const std::vector<std::vector<int>> &generators, std::size_t limit)
{
    std::unordered_set<std::uint64_t> seen;
    std::vector<std::uint64_t> all;
    for (const std::uint64_t base : bases) {
        if (!seen.insert(base).second)
            continue;
        all.push_back(base);
        for (std::size_t i = all.size() - 1; i < all.size() && all.size() <= limit; ++i)
            for (const std::vector<int> &p : generators) {
                std::uint64_t image = 0;
                ForEachBit(all[i], [&](int bit) { image |= std::uint64_t{1} << p[std::size_t(bit)]; });
                if (seen.insert(image).second)
                    all.push_back(image);
            }
    }
    return all;
}

} // namespace

const WheelTable &WheelTable::shipped()
{
    // The entries cut into several strings, joined once; they live as long as the table.
    static std::deque<std::string> joined;
    static const WheelTable table = [] {
        std::vector<const char *> entries;
        bool comment = false;
        for (int i = 0; i < kWheelTableBlockCount; ++i) {
            const char *block = kWheelTableBlocks[i];
            if (*block == '+') {
                if (comment || entries.empty())
                    continue;
                if (joined.empty() || entries.back() != joined.back().c_str())
                    joined.emplace_back(entries.back());
                joined.back() += block + 1;
                entries.back() = joined.back().c_str();
                continue;
            }
            while (*block == '\n')
                ++block;
            comment = *block == '#';
            if (*block && !comment)
                entries.push_back(block);
        }
        return WheelTable(std::move(entries));
    }();
    return table;
}

WheelTable::WheelTable(std::vector<const char *> entries)
    : m_entries(std::move(entries))
{
}

std::optional<WheelTable::Entry> WheelTable::readEntry(const char *text)
{
    const std::optional<Header> h = readHeader(text);
    if (!h || h->n < kWheelMinNumbers || h->n > kWheelMaxNumbers || h->size < 1)
        return std::nullopt;
    Entry e;
    e.n = h->n;
    e.g = WheelGuarantee{h->m, h->t};
    if (!ParseWheelGuarantee(e.g.key()))
        return std::nullopt;
    std::vector<std::vector<int>> generators;
    std::vector<std::uint64_t> plain, bases, orbits;
    // A line "g " after orbits starts a new group: the orbits so far are made first.
    auto makeOrbits = [&] {
        const std::vector<std::uint64_t> more = orbitsOf(bases, generators, std::size_t(h->size));
        orbits.insert(orbits.end(), more.begin(), more.end());
        bases.clear();
        generators.clear();
    };
    const QStringList lines = QString::fromLatin1(text).split(QLatin1Char('\n'));
    for (qsizetype l = 1; l < lines.size(); ++l) {
        QStringList words = lines[l].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        if (words.front() == QLatin1String("g")) {
            if (!bases.empty())
                makeOrbits();
            std::optional<std::vector<int>> p = readPermutation(words.mid(1).join(QString()), e.n);
            if (!p)
                return std::nullopt;
            generators.push_back(std::move(*p));
            continue;
        }
        const bool orbitLine = words.front() == QLatin1String("o");
        if (orbitLine)
            words.removeFirst();
        std::vector<std::uint64_t> &into = orbitLine ? bases : plain;
        for (const QString &w : words) {
            const std::optional<std::uint64_t> ticket = readTicket(w, e.n);
            if (!ticket)
                return std::nullopt;
            into.push_back(*ticket);
        }
    }
    makeOrbits();
    e.tickets = std::move(plain);
    e.tickets.insert(e.tickets.end(), orbits.begin(), orbits.end());
    if (int(e.tickets.size()) != h->size || !VerifyWheel(e.n, e.g, e.tickets).ok)
        return std::nullopt;
    return e;
}

QString WheelTable::writeEntry(int n, const WheelGuarantee &g, const std::vector<std::uint64_t> &tickets)
{
    QString text = QStringLiteral("%1 %2 %3 %4").arg(n).arg(g.m).arg(g.t).arg(tickets.size());
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        text += i % 8 == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
        ForEachBit(tickets[i], [&](int bit) { text += QStringLiteral("%1").arg(bit + 1, 2, 10, QLatin1Char('0')); });
    }
    return text + QLatin1Char('\n');
}

const char *WheelTable::entryText(int n, const WheelGuarantee &g) const
{
    for (const char *text : m_entries) {
        const std::optional<Header> h = readHeader(text);
        if (h && h->n == n && h->m == g.m && h->t == g.t)
            return text;
    }
    return nullptr;
}

std::optional<int> WheelTable::claimedSize(int n, const WheelGuarantee &g) const
{
    const char *text = entryText(n, g);
    return text ? std::optional<int>(readHeader(text)->size) : std::nullopt;
}

std::optional<std::vector<std::uint64_t>> WheelTable::find(int n, const WheelGuarantee &g) const
{
    const char *text = entryText(n, g);
    if (!text)
        return std::nullopt;
    if (std::optional<Entry> e = readEntry(text))
        return std::move(e->tickets);
    return std::nullopt;
}
