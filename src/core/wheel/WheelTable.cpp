#include "core/wheel/WheelTable.h"

#include "core/wheel/WheelMask.h"
#include "core/wheel/WheelVerifier.h"

#include <QStringList>
#include <bit>
#include <cstdio>

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

} // namespace

const WheelTable &WheelTable::shipped()
{
    static const WheelTable table = [] {
        std::vector<const char *> entries;
        for (int i = 0; i < kWheelTableBlockCount; ++i) {
            const char *block = kWheelTableBlocks[i];
            while (*block == '\n')
                ++block;
            if (*block && *block != '#')
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
    const QStringList lines = QString::fromLatin1(text).split(QLatin1Char('\n'));
    const QStringList words = lines.mid(1).join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != h->size)
        return std::nullopt;
    for (const QString &w : words) {
        if (w.size() != 12)
            return std::nullopt;
        std::uint64_t mask = 0;
        int previous = 0;
        for (int i = 0; i < 6; ++i) {
            bool ok = false;
            const int number = w.mid(i * 2, 2).toInt(&ok);
            if (!ok || number <= previous || number > e.n)
                return std::nullopt;
            previous = number;
            mask |= std::uint64_t{1} << (number - 1);
        }
        e.tickets.push_back(mask);
    }
    if (!VerifyWheel(e.n, e.g, e.tickets).ok)
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

std::optional<std::vector<std::uint64_t>> WheelTable::find(int n, const WheelGuarantee &g) const
{
    for (const char *text : m_entries) {
        const std::optional<Header> h = readHeader(text);
        if (!h || h->n != n || h->m != g.m || h->t != g.t)
            continue;
        if (std::optional<Entry> e = readEntry(text))
            return std::move(e->tickets);
        return std::nullopt;
    }
    return std::nullopt;
}
