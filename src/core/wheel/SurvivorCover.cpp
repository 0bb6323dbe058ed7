#include "core/wheel/SurvivorCover.h"

#include "core/wheel/SubsetRank.h"
#include "core/wheel/WheelMask.h"

#include <algorithm>
#include <array>
#include <bit>
#include <queue>

namespace {

class SurvivorIndex
{
public:
    SurvivorIndex(const std::vector<std::uint64_t> &survivors, int t, int width)
        : m_survivors(survivors), m_t(t)
    {
        const auto parts = std::size_t(SubsetRank::binom(width, t));
        m_start.assign(parts + 1, 0);
        for (const std::uint64_t s : survivors)
            SubsetRank::forEachSubset(s, t, [&](std::uint64_t p) { ++m_start[std::size_t(SubsetRank::rank(p)) + 1]; });
        for (std::size_t i = 1; i <= parts; ++i)
            m_start[i] += m_start[i - 1];
        m_list.resize(m_start[parts]);
        std::vector<std::uint32_t> fill(m_start.begin(), m_start.end() - 1);
        for (std::uint32_t i = 0; i < survivors.size(); ++i)
            SubsetRank::forEachSubset(survivors[i], t, [&](std::uint64_t p) {
                m_list[fill[std::size_t(SubsetRank::rank(p))]++] = i;
            });
        m_open.resize(parts);
        for (std::size_t i = 0; i < parts; ++i)
            m_open[i] = m_start[i + 1] - m_start[i];
        m_served.assign(survivors.size(), 0);
    }

    int open(std::int64_t part) const { return int(m_open[std::size_t(part)]); }

    template <typename F>
    void forEachListed(std::int64_t part, F &&f) const
    {
        for (std::uint32_t k = m_start[std::size_t(part)]; k < m_start[std::size_t(part) + 1]; ++k)
            f(m_list[k]);
    }

    bool served(std::uint32_t i) const { return m_served[i] != 0; }
    std::uint64_t survivor(std::uint32_t i) const { return m_survivors[i]; }

    // Marks every survivor the ticket serves; answers how many were new.
    int serve(std::uint64_t ticket)
    {
        int count = 0;
        SubsetRank::forEachSubset(ticket, m_t, [&](std::uint64_t p) {
            forEachListed(SubsetRank::rank(p), [&](std::uint32_t i) {
                if (m_served[i])
                    return;
                m_served[i] = 1;
                ++count;
                SubsetRank::forEachSubset(m_survivors[i], m_t,
                                          [&](std::uint64_t q) { --m_open[std::size_t(SubsetRank::rank(q))]; });
            });
        });
        return count;
    }

    // Every survivor that shares t numbers with the ticket, once each.
    template <typename F>
    void forEachHeld(std::uint64_t ticket, F &&f)
    {
        ++m_stamp;
        if (m_seen.size() != m_survivors.size())
            m_seen.assign(m_survivors.size(), 0);
        SubsetRank::forEachSubset(ticket, m_t, [&](std::uint64_t p) {
            forEachListed(SubsetRank::rank(p), [&](std::uint32_t i) {
                if (m_seen[i] != m_stamp) {
                    m_seen[i] = m_stamp;
                    f(i);
                }
            });
        });
    }

    // Survivors not yet served that the ticket would serve (with a scratch stamp).
    int wouldServe(std::uint64_t ticket)
    {
        ++m_stamp;
        if (m_seen.size() != m_survivors.size())
            m_seen.assign(m_survivors.size(), 0);
        int count = 0;
        SubsetRank::forEachSubset(ticket, m_t, [&](std::uint64_t p) {
            forEachListed(SubsetRank::rank(p), [&](std::uint32_t i) {
                if (!m_served[i] && m_seen[i] != m_stamp) {
                    m_seen[i] = m_stamp;
                    ++count;
                }
            });
        });
        return count;
    }

private:
    const std::vector<std::uint64_t> &m_survivors;
    int m_t;
    std::vector<std::uint32_t> m_start;
    std::vector<std::uint32_t> m_list;
    std::vector<std::uint32_t> m_open;
    std::vector<std::uint8_t> m_served;
    std::vector<std::uint32_t> m_seen;
    std::uint32_t m_stamp = 0;
};

std::uint64_t partMask(std::int64_t rank, int t)
{
    // Colex unranking: the largest c with C(c, k) <= rank, for k = t down to 1.
    std::uint64_t mask = 0;
    for (int k = t; k >= 1; --k) {
        int c = k - 1;
        while (SubsetRank::binom(c + 1, k) <= rank)
            ++c;
        rank -= SubsetRank::binom(c, k);
        mask |= std::uint64_t{1} << c;
    }
    return mask;
}

} // namespace

std::vector<std::uint64_t> CoverSurvivorMasks(const std::vector<std::uint64_t> &survivors, int t,
                                              WheelControl *control, int size, std::uint64_t pool)
{
    std::vector<std::uint64_t> tickets;
    if (survivors.empty() || t < 1 || t > size || size > 6 || std::popcount(pool) < size)
        return tickets;
    const int width = 64 - std::countl_zero(pool);   // bits 0..width-1 may occur
    SurvivorIndex index(survivors, t, width);
    const std::uint64_t all = pool;
    // The most-held t-subset first; counts only fall, so a stale entry is pushed back
    // with its current count.
    std::priority_queue<std::pair<int, std::int64_t>> queue;
    const std::int64_t parts = SubsetRank::binom(width, t);
    for (std::int64_t p = 0; p < parts; ++p)
        if (index.open(p) > 0)
            queue.emplace(index.open(p), p);
    std::size_t served = 0;
    while (!queue.empty()) {
        const auto [count, part] = queue.top();
        queue.pop();
        const int now = index.open(part);
        if (now == 0)
            continue;
        if (now != count) {
            queue.emplace(now, part);
            continue;
        }
        if (control) {
            if (control->cancel.load(std::memory_order_relaxed))
                return {};
            control->permille.store(int(1000 * served / survivors.size()));
        }
        const std::uint64_t base = partMask(part, t);
        std::uint64_t ticket = base;
        if (t == size) {
            // nothing to complete
        } else if (size - t == 1) {
            // One number to add: every choice is tried.
            int best = -1;
            for (std::uint64_t rest = all & ~base; rest; rest &= rest - 1) {
                const std::uint64_t candidate = base | (rest & (~rest + 1));
                const int score = index.wouldServe(candidate);
                if (score > best) {
                    best = score;
                    ticket = candidate;
                }
            }
        } else {
            // The numbers that occur most often in the survivors of this subset.
            std::array<int, 64> votes{};
            index.forEachListed(part, [&](std::uint32_t i) {
                if (index.served(i))
                    return;
                ForEachBit(index.survivor(i) & ~base, [&](int x) { ++votes[std::size_t(x)]; });
            });
            for (int k = t; k < size; ++k) {
                int bestNumber = -1;
                ForEachBit(all & ~ticket, [&](int x) {
                    if (bestNumber < 0 || votes[std::size_t(x)] > votes[std::size_t(bestNumber)])
                        bestNumber = x;
                });
                ticket |= std::uint64_t{1} << bestNumber;
            }
        }
        served += std::size_t(index.serve(ticket));
        tickets.push_back(ticket);
    }
    // A greedy choice made early can be made redundant by later ones: a ticket all of
    // whose survivors are held by other tickets too is dropped, the latest first.
    std::vector<std::uint32_t> holders(survivors.size(), 0);
    for (const std::uint64_t ticket : tickets)
        index.forEachHeld(ticket, [&](std::uint32_t i) { ++holders[i]; });
    std::vector<std::uint64_t> kept;
    for (std::size_t k = tickets.size(); k-- > 0;) {
        bool needed = false;
        index.forEachHeld(tickets[k], [&](std::uint32_t i) { needed = needed || holders[i] == 1; });
        if (needed)
            kept.push_back(tickets[k]);
        else
            index.forEachHeld(tickets[k], [&](std::uint32_t i) { --holders[i]; });
    }
    return kept;
}
