#include "core/wheel/WheelSearch.h"

#include "core/wheel/SubsetRank.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of the process on the steady clock's scale, for searches whose time
// limit should not shrink when other programs take the processor.
Clock::time_point cpuNow()
{
    return Clock::time_point(std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(std::clock()) / CLOCKS_PER_SEC)));
}

// Where the search stands against its budget: moves made, or the clock.
class Budget
{
public:
    explicit Budget(const WheelSearchOptions &o)
        : m_steps(o.steps), m_cpu(o.cpuClock), m_start(now()),
          m_deadline(m_start + std::chrono::milliseconds(o.timeLimitMs))
    {
    }
    bool byClock() const { return m_steps <= 0; }
    void step() { ++m_used; }
    bool over() const { return byClock() ? now() >= m_deadline : m_used >= m_steps; }
    bool pastHalf() const { return byClock() ? now() >= m_start + (m_deadline - m_start) / 2 : false; }
    int permille() const
    {
        if (!byClock())
            return int(std::min<std::int64_t>(1000, 1000 * m_used / m_steps));
        const double total = double(std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - m_start).count());
        const double used = double(std::chrono::duration_cast<std::chrono::milliseconds>(now() - m_start).count());
        return total > 0 ? std::min(1000, int(1000 * used / total)) : 1000;
    }

private:
    Clock::time_point now() const { return m_cpu ? cpuNow() : Clock::now(); }
    std::int64_t m_steps;
    std::int64_t m_used = 0;
    bool m_cpu;
    Clock::time_point m_start;
    Clock::time_point m_deadline;
};

// A uniform number in [0, 1) from 53 bits of the generator: the same on every library,
// unlike the standard distributions.
double unitOf(std::uint64_t bits)
{
    return double(bits >> 11) * 0x1.0p-53;
}

class CoverSearch
{
public:
    CoverSearch(int n, const WheelGuarantee &g, int size, std::uint64_t seed)
        : m_m(g.m), m_t(g.t), m_size(size), m_all((std::uint64_t{1} << n) - 1), m_rng(seed)
    {
        const auto count = std::size_t(SubsetRank::binom(n, m_m));
        m_sets.reserve(count);
        for (std::uint64_t x = (std::uint64_t{1} << m_m) - 1; x <= m_all; x = SubsetRank::nextSameCount(x))
            m_sets.push_back(x);
        m_count.assign(count, 0);
        m_pos.resize(count);
        m_uncovered.resize(count);
        for (std::size_t r = 0; r < count; ++r) {
            m_uncovered[r] = int(r);
            m_pos[r] = int(r);
        }
    }

    const std::vector<std::uint64_t> &tickets() const { return m_tickets; }
    std::size_t uncovered() const { return m_uncovered.size(); }

    void seed(const std::vector<std::uint64_t> &tickets)
    {
        for (const std::uint64_t ticket : tickets)
            if (std::popcount(ticket) == m_size && (ticket & ~m_all) == 0)
                addTicket(ticket);
    }

    // Tickets for random uncovered subsets, each the best of a few random tries. The
    // tries are what the start costs: past half the time (only the largest cases get
    // there) each ticket is taken from two tries so that a complete wheel is ready.
    void greedy(const Budget &budget, const WheelControl *control)
    {
        const int tries = 24;
        while (!m_uncovered.empty()) {
            if (control && control->cancel.load(std::memory_order_relaxed))
                return;
            const bool late = budget.pastHalf();
            const std::uint64_t target = m_sets[std::size_t(m_uncovered[m_rng() % m_uncovered.size()])];
            std::uint64_t best = 0;
            long bestGain = -1;
            for (int c = 0; c < (late ? 2 : tries); ++c) {
                std::uint64_t ticket = randomBits(target, m_t);
                ticket |= randomBits(m_all & ~ticket, m_size - m_t);
                long gain = 0;
                forEachCovered(ticket, [&](std::int64_t r) { gain += m_count[std::size_t(r)] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = ticket;
                }
            }
            addTicket(best);
        }
    }

    // Drops, in one pass, every ticket whose subsets are all held by other tickets too
    // (the greedy start leaves many in the large cases).
    void prune()
    {
        for (std::size_t i = 0; i < m_tickets.size();) {
            bool needed = false;
            forEachCovered(m_tickets[i], [&](std::int64_t r) { needed = needed || m_count[std::size_t(r)] == 1; });
            if (needed) {
                ++i;
                continue;
            }
            removeCoverage(m_tickets[i]);
            m_tickets[i] = m_tickets.back();
            m_tickets.pop_back();
        }
    }

    // Drops the ticket that serves the fewest subsets alone: of all tickets in a small
    // wheel, of 256 drawn at random in a large one (a full pass per drop would cost
    // more than the annealing).
    void dropOne()
    {
        std::size_t worst = 0;
        long worstUnique = -1;
        const bool all = m_tickets.size() <= 512;
        for (std::size_t k = 0; k < (all ? m_tickets.size() : 256); ++k) {
            const std::size_t i = all ? k : std::size_t(m_rng() % m_tickets.size());
            long unique = 0;
            forEachCovered(m_tickets[i], [&](std::int64_t r) { unique += m_count[std::size_t(r)] == 1; });
            if (worstUnique < 0 || unique < worstUnique || (unique == worstUnique && (m_rng() & 1))) {
                worstUnique = unique;
                worst = i;
            }
        }
        removeCoverage(m_tickets[worst]);
        m_tickets[worst] = m_tickets.back();
        m_tickets.pop_back();
    }

    // Anneals until nothing is uncovered (true) or the budget is used or a cancel (false).
    bool anneal(Budget &budget, WheelControl *control)
    {
        // Slow cooling from a moderate start, then again from the start: measured on
        // 14 numbers 中5保5, faster schedules stall some tickets higher.
        const double hot = 0.5;
        const double cold = 0.05;
        const double factor = 0.99;
        double temp = hot;
        const long stepsPerCool = std::max<long>(200, long(m_tickets.size()) * 30);
        for (long iter = 0; !m_uncovered.empty(); ++iter) {
            budget.step();
            if ((iter & 255) == 0) {
                if (control) {
                    if (control->cancel.load(std::memory_order_relaxed))
                        return false;
                    control->permille.store(budget.permille());
                }
            }
            if ((budget.byClock() ? (iter & 255) == 0 : true) && budget.over())
                return false;
            if (iter % stepsPerCool == 0 && iter > 0) {
                temp *= factor;
                if (temp < cold)
                    temp = hot;
            }
            const std::uint64_t target = m_sets[std::size_t(m_uncovered[m_rng() % m_uncovered.size()])];
            const std::size_t b = m_tickets.size();
            const std::size_t from = m_rng() % b;
            const std::size_t scan = std::min<std::size_t>(b, 256);
            // A ticket one number short of holding t of the subset: random probes
            // first (an even choice among them), then a pass from a random place.
            std::size_t pick = from;
            bool found = false;
            for (int probe = 0; probe < 16 && !found; ++probe) {
                const std::size_t i = m_rng() % b;
                if (std::popcount(m_tickets[i] & target) == m_t - 1) {
                    pick = i;
                    found = true;
                }
            }
            for (std::size_t k = 0; k < scan && !found; ++k) {
                std::size_t i = from + k;
                if (i >= b)
                    i -= b;
                if (std::popcount(m_tickets[i] & target) == m_t - 1) {
                    pick = i;
                    found = true;
                }
            }
            const std::uint64_t ticket = m_tickets[pick];
            const std::uint64_t out = randomBits(ticket & ~target, 1);
            const std::uint64_t in = randomBits(target & ~ticket, 1);
            long loss = 0;
            long gain = 0;
            forEachMoved(ticket, out, in, [&](std::int64_t lost, std::int64_t won) {
                loss += m_count[std::size_t(lost)] == 1;
                gain += m_count[std::size_t(won)] == 0;
            });
            const long delta = loss - gain;
            if (delta <= 0 || unitOf(m_rng()) < std::exp(-double(delta) / temp)) {
                forEachMoved(ticket, out, in, [&](std::int64_t lost, std::int64_t won) {
                    if (--m_count[std::size_t(lost)] == 0)
                        markUncovered(lost);
                    if (m_count[std::size_t(won)]++ == 0)
                        markCovered(won);
                });
                m_tickets[pick] = (ticket & ~out) | in;
            }
        }
        return true;
    }

private:
    // Every m-subset that holds at least t numbers of the ticket.
    template <typename F>
    void forEachCovered(std::uint64_t ticket, F &&f) const
    {
        for (int i = m_t; i <= std::min(m_m, m_size); ++i)
            SubsetRank::forEachSubset(ticket, i, [&](std::uint64_t x) {
                SubsetRank::forEachSubset(m_all & ~ticket, m_m - i,
                                          [&](std::uint64_t y) { f(SubsetRank::rank(x | y)); });
            });
    }

    // Moving `out` of the ticket for `in`: the subsets that then lose it (they held
    // exactly t of its numbers, `out` among them, `in` not) paired with those that gain it.
    template <typename F>
    void forEachMoved(std::uint64_t ticket, std::uint64_t out, std::uint64_t in, F &&f) const
    {
        const std::uint64_t rest = m_all & ~ticket & ~in;
        SubsetRank::forEachSubset(ticket & ~out, m_t - 1, [&](std::uint64_t x) {
            SubsetRank::forEachSubset(rest, m_m - m_t, [&](std::uint64_t y) {
                f(SubsetRank::rank(out | x | y), SubsetRank::rank(in | x | y));
            });
        });
    }

    void addTicket(std::uint64_t ticket)
    {
        forEachCovered(ticket, [&](std::int64_t r) {
            if (m_count[std::size_t(r)]++ == 0)
                markCovered(r);
        });
        m_tickets.push_back(ticket);
    }

    void removeCoverage(std::uint64_t ticket)
    {
        forEachCovered(ticket, [&](std::int64_t r) {
            if (--m_count[std::size_t(r)] == 0)
                markUncovered(r);
        });
    }

    void markCovered(std::int64_t r)
    {
        const int p = m_pos[std::size_t(r)];
        const int last = m_uncovered.back();
        m_uncovered[std::size_t(p)] = last;
        m_pos[std::size_t(last)] = p;
        m_uncovered.pop_back();
        m_pos[std::size_t(r)] = -1;
    }

    void markUncovered(std::int64_t r)
    {
        m_pos[std::size_t(r)] = int(m_uncovered.size());
        m_uncovered.push_back(int(r));
    }

    // k bits of `pool` chosen at random.
    std::uint64_t randomBits(std::uint64_t pool, int k)
    {
        std::uint64_t chosen = 0;
        for (int i = 0; i < k; ++i) {
            int skip = int(m_rng() % unsigned(std::popcount(pool)));
            std::uint64_t rest = pool;
            while (skip-- > 0)
                rest &= rest - 1;
            const std::uint64_t bit = rest & (~rest + 1);
            chosen |= bit;
            pool &= ~bit;
        }
        return chosen;
    }

    int m_m;
    int m_t;
    int m_size;   // numbers on a ticket
    std::uint64_t m_all;
    std::mt19937_64 m_rng;
    std::vector<std::uint64_t> m_sets;     // the m-subsets by rank
    std::vector<std::uint32_t> m_count;    // tickets holding t of each
    std::vector<int> m_uncovered;          // ranks with count 0
    std::vector<int> m_pos;                // place in m_uncovered, -1 when covered
    std::vector<std::uint64_t> m_tickets;
};

} // namespace

int WheelLowerBound(int n, const WheelGuarantee &g, int size)
{
    if (g.m != g.t)
        return 1;
    // Schönheim: ceil(v/k * ceil((v-1)/(k-1) * ... ceil((v-t+1)/(k-t+1)))).
    std::int64_t bound = 1;
    for (int i = g.t - 1; i >= 0; --i) {
        const std::int64_t v = n - i;
        const std::int64_t k = size - i;
        bound = (v * bound + k - 1) / k;
    }
    return int(bound);
}

std::optional<std::vector<std::uint64_t>> SearchWheel(int n, const WheelGuarantee &g,
                                                      const WheelSearchOptions &options,
                                                      WheelControl *control)
{
    const int size = options.ticketSize;
    if (size < 1 || size > 6 || n <= size || n > kWheelMaxNumbers || g.t < 1 || g.t > g.m || g.m > size || g.t > size)
        return std::nullopt;
    Budget budget(options);
    CoverSearch search(n, g, size, options.seed);
    search.seed(options.start);
    search.greedy(budget, control);
    if (control && control->cancel.load())
        return std::nullopt;
    search.prune();
    std::vector<std::uint64_t> best = search.tickets();
    if (control)
        control->bestSize.store(int(best.size()));
    const std::size_t floor = std::size_t(std::max({1, options.targetSize, WheelLowerBound(n, g, size)}));
    while (best.size() > floor && !budget.over()) {
        search.dropOne();
        if (!search.anneal(budget, control))
            break;
        best = search.tickets();
        if (control)
            control->bestSize.store(int(best.size()));
    }
    if (control && !control->cancel.load())
        control->permille.store(1000);
    return best;
}
