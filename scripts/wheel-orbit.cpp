// Offline search for small wheels "中m保t" over n numbers (7..33): every m of the n numbers
// must share at least t with some ticket of six. Not part of the program: it writes entries
// in the format of src/core/wheel/WheelTable.txt, each checked by an exhaustive count first.
//
// Built and run by scripts/wheel-orbit.sh, which see for the usage. Six ways to search:
//
//  orbit  The tickets are taken a whole orbit at a time under a group acting on the numbers
//         (--group, may be given more than once; the group is what the generators make).
//         An orbit of tickets either answers every m-set of an orbit of m-sets or none of it,
//         so the search picks orbits of tickets to cover the far fewer orbits of m-sets, by
//         annealing at a fixed total of tickets: cost = the m-sets left open, a move swaps
//         one chosen orbit for one that answers a random open m-set.
//  ilp    The same choice of orbits as an integer program, solved by CBC (Debian package
//         coinor-cbc) within the time given: exact for the larger groups in seconds.
//  lagrange  The same choice as a weighted set cover, by a Lagrangian heuristic
//         (lagrangeCover): for the smaller groups, where CBC's search stays far above
//         its bound, it finds far better covers within a minute or two.
//  sa     Annealing over single tickets at a fixed count: cost = the m-sets left open, a
//         move changes one number of one ticket so that a random open m-set is answered.
//  tabu   The same moves, the best of all of them for a random open m-set each step; a
//         ticket changed lately is not changed again for a while.
//  weights  Any ticket out and any ticket in, at a fixed count, with a weight on every
//         m-set that grows while it stays open (weightSearch, below).
//
// Every wheel that covers is written to OUT when it is smaller than OUT's entry (OUT is a
// copy of the table to start with), then the search goes on one ticket lower. The orbit
// modes also write it to OUT.orbits in the table's short form for a union of orbits (the
// group's generators and one ticket of each orbit: src/core/wheel/WheelOrbits.txt). With
// --k 5 or 4 they make tickets of five or four numbers instead, a part for
// scripts/wheel-add-number.py (without --group: single tickets). Stop it at
// any time; started again it goes on from what OUT holds (sa, tabu and weights start from
// OUT's entry or --from FILE's, one ticket fewer, and when FILE has none over n they
// narrow its smallest over more numbers, as the program does; ilp and lagrange start from
// the orbits of --from FILE's entry). FILE and OUT may hold entries in the short orbit form.
// An entry of FILE that leaves m-sets open (a frame, scripts/wheel-frame.py) is first
// completed greedily; with a fresh OUT ("# t") every size on the way down is written.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>
#include <random>

using Mask = std::uint64_t;
using Perm = std::vector<std::uint8_t>;

static int N, M, T;
static int K = 6;   // numbers on a ticket (--k: fewer for a part of a wheel)
static std::mt19937_64 rng;
static double deadline;

static double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
static double uniform() { return std::uniform_real_distribution<double>(0, 1)(rng); }
static int randint(int k) { return int(rng() % std::uint64_t(k)); }
static int pop(Mask x) { return __builtin_popcountll(x); }

// The place of a k-set among all k-sets of 0..n-1 (colex order): arrays over the m-sets
// and the tickets are indexed by it, so that 33 numbers need C(33,6) places, not 2^33.
static long binom[65][8];
static void initBinom()
{
    for (int a = 0; a <= 64; ++a) {
        binom[a][0] = 1;
        for (int b = 1; b < 8; ++b)
            binom[a][b] = a == 0 ? 0 : binom[a - 1][b - 1] + binom[a - 1][b];
    }
}
static long rankOf(Mask s)
{
    long r = 0;
    for (int i = 1; s; ++i, s &= s - 1)
        r += binom[__builtin_ctzll(s)][i];
    return r;
}

// ---------------------------------------------------------------------------------------
// The table file

using Key = std::tuple<int, int, int>;
struct Table {
    std::vector<std::string> header;
    std::map<Key, std::vector<Mask>> entries;
};

static Table readTable(const std::string &path)
{
    Table table;
    std::ifstream in(path);
    std::string line;
    std::vector<std::string> block;
    auto flush = [&] {
        if (block.empty())
            return;
        if (block[0][0] == '#') {
            std::string h;
            for (auto &l : block)
                h += (h.empty() ? "" : "\n") + l;
            table.header.push_back(h);
        } else {
            std::istringstream head(block[0]);
            int n, m, t, size;
            head >> n >> m >> t >> size;
            // Plain tickets, or the short form: lines "g " (a generator, the images of 1..n)
            // and "o " (tickets standing for their orbits under the generators before them).
            std::vector<Mask> tickets, bases;
            std::vector<std::vector<int>> gens;
            auto orbits = [&] {
                std::set<Mask> seen(bases.begin(), bases.end());
                for (std::vector<Mask> todo(bases); !todo.empty();) {
                    const Mask b = todo.back();
                    todo.pop_back();
                    for (const auto &g : gens) {
                        Mask image = 0;
                        for (Mask r = b; r; r &= r - 1)
                            image |= Mask{1} << g[__builtin_ctzll(r)];
                        if (seen.insert(image).second)
                            todo.push_back(image);
                    }
                }
                tickets.insert(tickets.end(), seen.begin(), seen.end());
                bases.clear();
                gens.clear();
            };
            for (size_t i = 1; i < block.size(); ++i) {
                std::istringstream words(block[i]);
                std::string w, kind;
                words >> kind;
                if (kind == "g") {
                    if (!bases.empty())
                        orbits();
                    words >> w;
                    gens.emplace_back();
                    for (size_t k = 0; k + 1 < w.size(); k += 2)
                        gens.back().push_back(std::stoi(w.substr(k, 2)) - 1);
                    continue;
                }
                if (kind != "o")
                    words.seekg(0);
                while (words >> w) {
                    Mask mask = 0;
                    for (size_t k = 0; k + 1 < w.size(); k += 2)
                        mask |= Mask{1} << (std::stoi(w.substr(k, 2)) - 1);
                    (kind == "o" ? bases : tickets).push_back(mask);
                }
            }
            orbits();
            if (int(tickets.size()) != size) {
                std::fprintf(stderr, "%s: entry %d %d %d holds %zu tickets\n", path.c_str(), n, m, t, tickets.size());
                std::exit(1);
            }
            table.entries[{n, m, t}] = tickets;
        }
        block.clear();
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            flush();
        else
            block.push_back(line);
    }
    flush();
    return table;
}

static void writeTable(const std::string &path, const Table &table)
{
    std::vector<Key> keys;
    for (auto &[k, v] : table.entries)
        keys.push_back(k);
    std::sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        return std::make_tuple(std::get<0>(a), -std::get<1>(a), -std::get<2>(a))
             < std::make_tuple(std::get<0>(b), -std::get<1>(b), -std::get<2>(b));
    });
    std::string out;
    for (size_t i = 0; i < table.header.size(); ++i)
        out += (i ? "\n\n" : "") + table.header[i];
    out += "\n";
    for (auto &k : keys) {
        const auto &tickets = table.entries.at(k);
        char buf[64];
        std::snprintf(buf, sizeof buf, "\n%d %d %d %zu", std::get<0>(k), std::get<1>(k), std::get<2>(k), tickets.size());
        out += buf;
        std::vector<Mask> sorted = tickets;
        std::sort(sorted.begin(), sorted.end(), [](Mask a, Mask b) {   // by the numbers, as read
            for (int i = 0; i < 64; ++i) {
                const Mask low = Mask{1} << i;
                if ((a & low) != (b & low))
                    return (a & low) != 0;
            }
            return false;
        });
        for (size_t i = 0; i < sorted.size(); ++i) {
            out += (i % 8 == 0) ? "\n" : " ";
            for (int x = 0; x < 64; ++x)
                if (sorted[i] >> x & 1) {
                    std::snprintf(buf, sizeof buf, "%02d", x + 1);
                    out += buf;
                }
        }
        out += "\n";
    }
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f << out;
        if (!f.flush()) {
            std::fprintf(stderr, "cannot write %s\n", tmp.c_str());
            std::exit(1);
        }
    }
    std::rename(tmp.c_str(), path.c_str());
}

// The m-sets of 1..n that no ticket answers, counted by marking what each ticket answers
// (t to 6 of its numbers and the rest from outside it); -1 when a ticket is not six numbers.
static long openSets(const std::vector<Mask> &tickets)
{
    for (Mask b : tickets)
        if (pop(b) != K || b >> N)
            return -1;
    std::vector<char> hit(binom[N][M], 0);
    for (Mask b : tickets) {
        // every m-set s with |s & b| >= T: walk all subsets of b of size j >= T and all
        // (M-j)-subsets of the rest
        std::vector<int> out;
        for (int x = 0; x < N; ++x)
            if (!(b >> x & 1))
                out.push_back(x);
        for (Mask a = b;; a = (a - 1) & b) {
            const int j = pop(a);
            if (j >= T && j <= M && M - j <= int(out.size())) {
                const int k = M - j;
                std::vector<int> idx(k);
                for (int i = 0; i < k; ++i)
                    idx[i] = i;
                while (true) {
                    Mask c = a;
                    for (int i = 0; i < k; ++i)
                        c |= Mask{1} << out[idx[i]];
                    hit[rankOf(c)] = 1;
                    int i = k - 1;
                    while (i >= 0 && idx[i] == int(out.size()) - k + i)
                        --i;
                    if (i < 0)
                        break;
                    ++idx[i];
                    for (int l = i + 1; l < k; ++l)
                        idx[l] = idx[l - 1] + 1;
                }
            }
            if (a == 0)
                break;
        }
    }
    long open = 0;
    for (char h : hit)
        open += !h;
    return open;
}

static std::string outPath;
static std::string method;

// Writes the wheel to OUT when it covers and is smaller than OUT's entry.
static bool keep(std::vector<Mask> tickets)
{
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    if (openSets(tickets) != 0) {
        std::fprintf(stderr, "%d %d-%d: a wheel of %zu FAILED the check\n", N, M, T, tickets.size());
        return false;
    }
    Table table = readTable(outPath);   // read again: another run may have written meanwhile
    auto it = table.entries.find({N, M, T});
    if (it != table.entries.end() && it->second.size() <= tickets.size())
        return false;
    std::printf("%d %d-%d: %s -> %zu tickets (%s), checked\n", N, M, T,
                it == table.entries.end() ? "-" : std::to_string(it->second.size()).c_str(), tickets.size(), method.c_str());
    std::fflush(stdout);
    table.entries[{N, M, T}] = tickets;
    writeTable(outPath, table);
    return true;
}

// Writes OUT.orbits: the wheel just kept, in the table's short form for a union of orbits
// (lines "g " with the generators, a line "o " with one ticket of each orbit), for
// src/core/wheel/WheelOrbits.txt.
static Perm identity();

static void keepOrbits(const std::vector<Perm> &gens, const std::vector<Mask> &reps, std::size_t size)
{
    std::string out = std::to_string(N) + " " + std::to_string(M) + " " + std::to_string(T) + " " + std::to_string(size) + "\n";
    char buf[16];
    for (const Perm &g : gens) {
        if (g == identity())   // e.g. the multiplier of agl:q:1: it adds nothing to the group
            continue;
        out += "g ";
        for (int x = 0; x < N; ++x) {
            std::snprintf(buf, sizeof buf, "%02d", g[x] + 1);
            out += buf;
        }
        out += "\n";
    }
    for (std::size_t i = 0; i < reps.size(); ++i) {
        out += i % 8 == 0 ? (i ? "\no " : "o ") : " ";
        for (int x = 0; x < N; ++x)
            if (reps[i] >> x & 1) {
                std::snprintf(buf, sizeof buf, "%02d", x + 1);
                out += buf;
            }
    }
    std::ofstream(outPath + ".orbits", std::ios::trunc) << out << "\n";
}

static int currentSize()
{
    Table table = readTable(outPath);
    auto it = table.entries.find({N, M, T});
    return it == table.entries.end() ? 1 << 30 : int(it->second.size());
}

// ---------------------------------------------------------------------------------------
// Groups on the numbers 0..n-1

// GF(q) for the prime powers up to 32: elements 0..q-1 as digits in base p.
struct Field {
    int q = 0, p = 0;
    std::vector<std::vector<int>> add, mul;
    int primitive = 0;
    explicit Field(int order)
    {
        q = order;
        int k = 0;
        for (p = 2; p <= q; ++p)
            if (q % p == 0)
                break;
        for (int x = 1; x < q; x *= p)
            ++k;
        // x^k = -(low terms): irreducible polynomials of degree k over GF(p)
        std::vector<int> reduce(k, 0);
        if (k == 2 && p == 2) reduce = {1, 1};
        if (k == 3 && p == 2) reduce = {1, 1, 0};
        if (k == 4 && p == 2) reduce = {1, 1, 0, 0};
        if (k == 2 && p == 3) reduce = {2, 0};   // x^2 = -1
        if (k == 2 && p == 5) reduce = {2, 0};   // x^2 = 2
        if (k == 3 && p == 3) reduce = {1, 1, 0};   // x^3 = x + 1
        if (k == 5 && p == 2) reduce = {1, 0, 1, 0, 0};   // x^5 = x^2 + 1
        auto digits = [&](int a) { std::vector<int> d(k); for (int i = 0; i < k; ++i, a /= p) d[i] = a % p; return d; };
        auto number = [&](const std::vector<int> &d) { int a = 0; for (int i = k - 1; i >= 0; --i) a = a * p + d[i]; return a; };
        add.assign(q, std::vector<int>(q));
        mul.assign(q, std::vector<int>(q));
        for (int a = 0; a < q; ++a)
            for (int b = 0; b < q; ++b) {
                auto da = digits(a), db = digits(b);
                std::vector<int> s(k);
                for (int i = 0; i < k; ++i)
                    s[i] = (da[i] + db[i]) % p;
                add[a][b] = number(s);
                if (k == 1) {
                    mul[a][b] = a * b % p;
                    continue;
                }
                std::vector<int> prod(2 * k, 0);
                for (int i = 0; i < k; ++i)
                    for (int j = 0; j < k; ++j)
                        prod[i + j] = (prod[i + j] + da[i] * db[j]) % p;
                for (int i = 2 * k - 1; i >= k; --i)
                    for (int j = 0; j < k; ++j)
                        prod[i - k + j] = (prod[i - k + j] + prod[i] * reduce[j]) % p;
                prod.resize(k);
                mul[a][b] = number(prod);
            }
        for (int g = 2; g < q || q == 2; ++g) {
            if (q == 2) { primitive = 1; break; }
            int x = g, order = 1;
            while (x != 1 && order < q) { x = mul[x][g]; ++order; }
            if (order == q - 1) { primitive = g; break; }
        }
    }
    int power(int a, int e) const { int r = 1; while (e--) r = mul[r][a]; return r; }
    int neg(int a) const { for (int b = 0; b < q; ++b) if (add[a][b] == 0) return b; return 0; }
    int inv(int a) const { for (int b = 0; b < q; ++b) if (mul[a][b] == 1) return b; return 0; }
};

static Perm identity() { Perm p(N); for (int i = 0; i < N; ++i) p[i] = std::uint8_t(i); return p; }

// "cyc:L1,L2,...": one permutation made of cycles of those lengths on consecutive numbers;
// "agl:q[:d]": x -> ax+b over GF(q) on the first q numbers, a of multiplicative order
// dividing d (q-1 by default); "psl:q", "pgl:q": on q+1 numbers (the last one infinity);
// "mul:q:a": x -> ax on the first q numbers (q prime), "shift:k:L": x -> x+k on the first L
// numbers, "swap:i,j": the transposition (numbers from 0), "perm:a1,a2,...": any
// permutation, the images of 1, 2, ... (numbers from 1; the rest stay fixed);
// "copies:K:L:GROUP": GROUP, acting on the first L numbers, acts alike on K blocks of L
// numbers each (e.g. copies:3:10:psl:9 on 30; shift:10:30 then rotates the blocks).
// Numbers the group does not use stay fixed.
static std::vector<Perm> generators(const std::string &group)
{
    std::vector<Perm> gens;
    const auto colon = group.find(':');
    const std::string kind = group.substr(0, colon);
    if (kind == "copies") {
        int k = 0, len = 0, used = 0;
        if (std::sscanf(group.c_str(), "copies:%d:%d:%n", &k, &len, &used) < 2 || used == 0 || k < 1 || len < 1
            || k * len > N) {
            std::fprintf(stderr, "group %s: copies:K:L:GROUP on at most %d numbers\n", group.c_str(), N);
            std::exit(2);
        }
        for (const Perm &p : generators(group.substr(std::size_t(used)))) {
            Perm q = identity();
            for (int x = 0; x < N; ++x)
                if ((x < len) != (p[x] < len) || (x >= len && p[x] != x)) {
                    std::fprintf(stderr, "group %s: moves numbers beyond the first %d\n", group.c_str(), len);
                    std::exit(2);
                }
            for (int e = 0; e < k; ++e)
                for (int x = 0; x < len; ++x)
                    q[e * len + x] = std::uint8_t(e * len + p[x]);
            gens.push_back(q);
        }
        return gens;
    }
    std::vector<int> args;
    {
        std::string rest = colon == std::string::npos ? "" : group.substr(colon + 1);
        for (char &c : rest)
            if (c == ',' || c == ':')
                c = ' ';
        std::istringstream in(rest);
        int x;
        while (in >> x)
            args.push_back(x);
    }
    if (kind == "cyc") {
        Perm p = identity();
        int at = 0;
        for (int len : args) {
            for (int i = 0; i < len; ++i)
                p[at + i] = std::uint8_t(at + (i + 1) % len);
            at += len;
        }
        gens.push_back(p);
    } else if (kind == "shift") {
        Perm p = identity();
        for (int x = 0; x < args[1]; ++x)
            p[x] = std::uint8_t((x + args[0]) % args[1]);
        gens.push_back(p);
    } else if (kind == "perm") {
        Perm p = identity();
        for (size_t x = 0; x < args.size() && x < p.size(); ++x)
            p[x] = std::uint8_t(args[x] - 1);
        gens.push_back(p);
    } else if (kind == "swap") {
        Perm p = identity();
        std::swap(p[args[0]], p[args[1]]);
        gens.push_back(p);
    } else if (kind == "mul") {
        Perm p = identity();
        for (int x = 0; x < args[0]; ++x)
            p[x] = std::uint8_t(x * args[1] % args[0]);
        gens.push_back(p);
    } else if (kind == "agl" || kind == "psl" || kind == "pgl") {
        const Field f(args[0]);
        const int q = f.q;
        int d = kind == "agl" ? (args.size() > 1 ? args[1] : q - 1) : (kind == "psl" ? (q % 2 ? (q - 1) / 2 : q - 1) : q - 1);
        const int a = f.power(f.primitive, (q - 1) / d);
        for (int e = 1; e < q; e *= f.p) {   // translations by a basis
            Perm p = identity();
            for (int x = 0; x < q; ++x)
                p[x] = std::uint8_t(f.add[x][e]);
            gens.push_back(p);
        }
        Perm scale = identity();
        for (int x = 0; x < q; ++x)
            scale[x] = std::uint8_t(f.mul[x][a]);
        gens.push_back(scale);
        if (kind != "agl") {   // x -> -1/x, with infinity = q
            Perm p = identity();
            p[0] = std::uint8_t(q);
            p[q] = 0;
            for (int x = 1; x < q; ++x)
                p[x] = std::uint8_t(f.neg(f.inv(x)));
            gens.push_back(p);
        }
    } else {
        std::fprintf(stderr, "unknown group %s\n", group.c_str());
        std::exit(2);
    }
    for (auto &p : gens)
        if (std::set<std::uint8_t>(p.begin(), p.end()).size() != p.size()) {
            std::fprintf(stderr, "group %s: not a permutation\n", group.c_str());
            std::exit(2);
        }
    for (auto &p : gens)
        for (auto x : p)
            if (x >= N) {
                std::fprintf(stderr, "group %s needs more than %d numbers\n", group.c_str(), N);
                std::exit(2);
            }
    return gens;
}

static std::vector<Perm> closure(const std::vector<Perm> &gens)
{
    std::set<Perm> seen{identity()};
    std::vector<Perm> all{identity()};
    for (size_t i = 0; i < all.size(); ++i)
        for (const Perm &g : gens) {
            Perm h(N);
            for (int x = 0; x < N; ++x)
                h[x] = g[all[i][x]];
            if (seen.insert(h).second)
                all.push_back(h);
        }
    return all;
}

static Mask image(const Perm &p, Mask s)
{
    Mask r = 0;
    while (s) {
        r |= Mask{1} << p[__builtin_ctzll(s)];
        s &= s - 1;
    }
    return r;
}

static std::vector<Mask> subsets(int k)
{
    std::vector<Mask> all;
    for (Mask s = (Mask{1} << k) - 1; s < (Mask{1} << N);) {
        all.push_back(s);
        const Mask c = s & -s, r = s + c;
        s = (((r ^ s) >> 2) / c) | r;
    }
    return all;
}

// ---------------------------------------------------------------------------------------
// Orbit search

// A weighted set cover, solved by a Lagrangian heuristic (after Caprara, Fischetti and Toth,
// A heuristic method for the set covering problem, 1999): column j costs cost[j] and covers
// the rows rowsOf[j]; colsOf[i] lists the columns covering row i. A multiplier per row is
// tuned by subgradient steps; every so often a greedy cover scored by the reduced costs is
// made and its redundant columns dropped. Later rounds keep a random part of the best cover
// fixed and tune the rest again. `best` (may be empty) is a cover to better. Returns the
// best cover found by the deadline.
static std::vector<int> lagrangeCover(const std::vector<int> &cost, const std::vector<std::vector<int>> &rowsOf,
                                      const std::vector<std::vector<int>> &colsOf, std::vector<int> best)
{
    const int nc = int(cost.size()), nr = int(colsOf.size());
    auto total = [&](const std::vector<int> &cols) {
        long t = 0;
        for (int j : cols)
            t += cost[j];
        return t;
    };
    // Greedy completion of the fixed columns: the lowest score first, a score being the
    // reduced cost over the rows it newly covers per such row (times it when negative).
    auto greedyCover = [&](const std::vector<double> &u, const std::vector<char> &fixed) {
        std::vector<int> covered(nr, 0), cover, gain(nc, 0);
        std::vector<double> reduced(nc);
        std::vector<char> in(nc, 0);
        int open = nr;
        for (int j = 0; j < nc; ++j)
            if (fixed[j]) {
                in[j] = 1;
                cover.push_back(j);
                for (int i : rowsOf[j])
                    open -= covered[i]++ == 0;
            }
        for (int j = 0; j < nc; ++j) {
            reduced[j] = cost[j];
            for (int i : rowsOf[j])
                if (!covered[i]) {
                    reduced[j] -= u[i];
                    ++gain[j];
                }
        }
        while (open > 0) {
            int pick = -1;
            double low = 0;
            for (int j = 0; j < nc; ++j) {
                if (in[j] || gain[j] == 0)
                    continue;
                const double score = (reduced[j] > 0 ? reduced[j] / gain[j] : reduced[j] * gain[j]) * (1 + 1e-3 * uniform());
                if (pick < 0 || score < low)
                    pick = j, low = score;
            }
            in[pick] = 1;
            cover.push_back(pick);
            for (int i : rowsOf[pick])
                if (covered[i]++ == 0) {
                    --open;
                    for (int j : colsOf[i])
                        reduced[j] += u[i], --gain[j];
                }
        }
        std::sort(cover.begin(), cover.end(), [&](int a, int b) { return cost[a] > cost[b]; });
        std::vector<int> kept;
        for (int j : cover) {
            bool redundant = true;
            for (int i : rowsOf[j])
                redundant = redundant && covered[i] > 1;
            if (redundant)
                for (int i : rowsOf[j])
                    --covered[i];
            else
                kept.push_back(j);
        }
        return kept;
    };
    std::vector<double> u0(nr);
    for (int i = 0; i < nr; ++i) {
        u0[i] = 1e300;
        for (int j : colsOf[i])
            u0[i] = std::min(u0[i], double(cost[j]) / double(rowsOf[j].size()));
    }
    const std::vector<int> first = greedyCover(u0, std::vector<char>(nc, 0));
    if (best.empty() || total(first) < total(best))
        best = first;
    long upper = total(best);
    double lower = 0;
    std::printf("%d %d-%d: %ld tickets to start\n", N, M, T, upper);
    std::fflush(stdout);
    for (int round = 0; now() < deadline; ++round) {
        std::vector<char> fixed(nc, 0), rowFixed(nr, 0);
        if (round > 0) {
            const double part = 0.2 + 0.6 * uniform();
            for (int j : best)
                if (uniform() < part)
                    fixed[j] = 1;
        }
        long fixedCost = 0;
        for (int j = 0; j < nc; ++j)
            if (fixed[j]) {
                fixedCost += cost[j];
                for (int i : rowsOf[j])
                    rowFixed[i] = 1;
            }
        // A row the fixed columns cover keeps its multiplier at zero (its step is zero too),
        // so the sums below may take in every row.
        std::vector<double> u = u0, step(nr);
        for (int i = 0; i < nr; ++i)
            if (rowFixed[i])
                u[i] = 0;
        std::vector<int> hits(nr);
        double lambda = 0.1, bestL = -1e300;
        int stale = 0;
        for (int it = 0; it < 3000 && lambda > 1e-4; ++it) {
            // The Lagrangian bound at u, and the rows its columns cover too often or not at all.
            double L = 0;
            std::fill(hits.begin(), hits.end(), 0);
            for (int i = 0; i < nr; ++i)
                L += u[i];
            for (int j = 0; j < nc; ++j) {
                if (fixed[j])
                    continue;
                double r = cost[j];
                for (int i : rowsOf[j])
                    r -= u[i];
                if (r < 0) {
                    L += r;
                    for (int i : rowsOf[j])
                        ++hits[i];
                }
            }
            if (L > bestL + 1e-6)
                bestL = L, stale = 0;
            else if (++stale > 20)
                lambda /= 2, stale = 0;
            if (round == 0)
                lower = std::max(lower, L);
            double norm = 0;
            for (int i = 0; i < nr; ++i) {
                step[i] = rowFixed[i] || (hits[i] > 1 && u[i] <= 0) ? 0 : 1 - hits[i];
                norm += step[i] * step[i];
            }
            if (norm == 0)
                break;
            const double gap = double(upper - fixedCost) - L;
            const double size = lambda * (gap > 0 ? gap : 0.01 * double(upper)) / norm;
            for (int i = 0; i < nr; ++i)
                u[i] = std::max(0.0, u[i] + size * step[i]);
            if (it % 50 == 49) {
                std::vector<int> cover = greedyCover(u, fixed);
                if (total(cover) < upper) {
                    best = cover;
                    upper = total(cover);
                    std::printf("%d %d-%d: %ld tickets (round %d; the bound at the first round %.1f)\n", N, M, T, upper, round, lower);
                    std::fflush(stdout);
                }
            }
            if ((it & 63) == 0 && now() > deadline)
                break;
        }
    }
    return best;
}

static void orbitSearch(const std::vector<std::string> &groups, double t0, double t1, long steps, double greedy,
                        const std::string &how, const std::vector<Mask> &start)
{
    std::vector<Perm> gens;
    for (auto &s : groups)
        for (auto &g : generators(s))
            gens.push_back(g);
    const std::vector<Perm> group = closure(gens);
    const std::vector<Mask> six = subsets(K), msets = subsets(M);
    std::vector<int> ticketOrbit(binom[N][K], -1), setOrbit(binom[N][M], -1);
    std::vector<Mask> ticketRep, setRep;
    std::vector<int> ticketSize, setSize;
    auto orbits = [&](const std::vector<Mask> &all, std::vector<int> &orbit, std::vector<Mask> &rep, std::vector<int> &size) {
        for (Mask s : all) {
            if (orbit[rankOf(s)] >= 0)
                continue;
            const int id = int(rep.size());
            rep.push_back(s);
            int count = 0;
            for (const Perm &g : group) {
                const Mask x = image(g, s);
                if (orbit[rankOf(x)] < 0) {
                    orbit[rankOf(x)] = id;
                    ++count;
                }
            }
            size.push_back(count);
        }
    };
    orbits(six, ticketOrbit, ticketRep, ticketSize);
    orbits(msets, setOrbit, setRep, setSize);
    const int nt = int(ticketRep.size()), ne = int(setRep.size());
    std::vector<std::vector<int>> covers(nt), coveredBy(ne);
    std::vector<int> stamp(nt, -1);
    for (int e = 0; e < ne; ++e)
        for (Mask b : six)
            if (pop(b & setRep[e]) >= T) {
                const int j = ticketOrbit[rankOf(b)];
                if (stamp[j] != e) {
                    stamp[j] = e;
                    covers[j].push_back(e);
                    coveredBy[e].push_back(j);
                }
            }
    std::printf("%d %d-%d: group of order %zu, %d ticket orbits, %d orbits of %d-sets\n", N, M, T, group.size(), nt, ne, M);
    std::fflush(stdout);
    // The orbits the start touches (a union of orbits holding it, so a cover as well).
    std::vector<char> startOn(nt, 0);
    std::vector<int> startOrbits;
    for (Mask b : start)
        startOn[ticketOrbit[rankOf(b)]] = 1;
    for (int j = 0; j < nt; ++j)
        if (startOn[j])
            startOrbits.push_back(j);
    // The wheel made of the chosen orbits, written when it is smaller than OUT's entry.
    // One pass over the tickets (keep() sorts them), not one per chosen orbit.
    auto keepChosen = [&](const std::vector<int> &chosen) {
        std::vector<Mask> tickets, reps;
        std::vector<char> on(nt, 0);
        for (int j : chosen) {
            reps.push_back(ticketRep[j]);
            on[j] = 1;
        }
        for (Mask b : six)
            if (on[ticketOrbit[rankOf(b)]])
                tickets.push_back(b);
        if (!tickets.empty() && keep(tickets))
            keepOrbits(gens, reps, tickets.size());
    };

    if (how == "lagrange") {
        keepChosen(lagrangeCover(ticketSize, covers, coveredBy, startOrbits));
        return;
    }
    if (how == "ilp") {
        // The same choice as an integer program for the CBC solver (Debian: coinor-cbc).
        const std::string base = outPath + ".orbit";
        {
            std::ofstream lp(base + ".lp");
            lp << "Minimize\n obj:";
            for (int j = 0; j < nt; ++j)
                lp << (j % 16 == 15 ? "\n" : "") << " + " << ticketSize[j] << " x" << j;
            lp << "\nSubject To\n";
            for (int e = 0; e < ne; ++e) {
                lp << " c" << e << ":";
                for (size_t i = 0; i < coveredBy[e].size(); ++i)
                    lp << (i % 16 == 15 ? "\n" : "") << " + x" << coveredBy[e][i];
                lp << " >= 1\n";
            }
            lp << "Binary\n";
            for (int j = 0; j < nt; ++j)
                lp << " x" << j << (j % 16 == 15 ? "\n" : "");
            lp << "\nEnd\n";
        }
        std::remove((base + ".sol").c_str());
        // A wheel to start from (--from): every orbit it touches, for CBC to better.
        std::string mipStart;
        if (!startOrbits.empty()) {
            long total = 0;
            for (int j : startOrbits)
                total += ticketSize[j];
            std::ofstream st(base + ".start");
            st << "Stopped on time - objective value " << total << "\n";
            for (int j = 0; j < nt; ++j)
                st << j << " x" << j << " " << int(startOn[j]) << " 0\n";
            mipStart = " -mipstart " + base + ".start";
            std::printf("%d %d-%d: starting from %ld tickets\n", N, M, T, total);
        }
        const std::string command = "cbc " + base + ".lp" + mipStart + " -sec " + std::to_string(int(deadline - now())) +
                                    " -threads 1 -randomSeed " + std::to_string(rng() % 1000000) + " -solve -solu " + base + ".sol > " + base + ".log 2>&1";
        if (std::system(command.c_str()) != 0)
            std::fprintf(stderr, "cbc failed, see %s.log\n", base.c_str());
        std::ifstream sol(base + ".sol");
        std::string line;
        std::getline(sol, line);
        std::printf("%d %d-%d: cbc: %s\n", N, M, T, line.c_str());
        std::vector<int> chosen;
        while (std::getline(sol, line)) {
            std::istringstream words(line);
            std::string index, name;
            double value = 0;
            if (!(words >> index >> name >> value) || name[0] != 'x' || value < 0.5)
                continue;
            chosen.push_back(std::stoi(name.substr(1)));
        }
        keepChosen(chosen);
        return;
    }
    std::vector<int> count(ne, 0), openPos(ne, -1), open, chosen, chosenPos(nt, -1);
    long cost = 0;
    int weight = 0;
    for (int e = 0; e < ne; ++e) {
        openPos[e] = int(open.size());
        open.push_back(e);
        cost += setSize[e];
    }
    auto cover = [&](int e) {   // e has become answered
        const int last = open.back();
        open[openPos[e]] = last;
        openPos[last] = openPos[e];
        open.pop_back();
        openPos[e] = -1;
        cost -= setSize[e];
    };
    auto uncover = [&](int e) {
        openPos[e] = int(open.size());
        open.push_back(e);
        cost += setSize[e];
    };
    auto add = [&](int j) {
        chosenPos[j] = int(chosen.size());
        chosen.push_back(j);
        weight += ticketSize[j];
        for (int e : covers[j])
            if (count[e]++ == 0)
                cover(e);
    };
    auto remove = [&](int j) {
        const int last = chosen.back();
        chosen[chosenPos[j]] = last;
        chosenPos[last] = chosenPos[j];
        chosen.pop_back();
        chosenPos[j] = -1;
        weight -= ticketSize[j];
        for (int e : covers[j])
            if (--count[e] == 0)
                uncover(e);
    };
    auto gain = [&](int j) {
        long g = 0;
        for (int e : covers[j])
            if (count[e] == 0)
                g += setSize[e];
        return g;
    };
    // Greedy start: the most open m-sets per ticket, ties at random.
    while (!open.empty()) {
        double best = -1;
        int pick = -1;
        for (int j = 0; j < nt; ++j) {
            if (chosenPos[j] >= 0)
                continue;
            const double v = double(gain(j)) / ticketSize[j] + uniform() * 1e-6;
            if (v > best) {
                best = v;
                pick = j;
            }
        }
        add(pick);
    }
    std::printf("%d %d-%d: greedy over orbits %d tickets\n", N, M, T, weight);
    if (weight < currentSize())
        keepChosen(chosen);
    int target = std::min(weight, currentSize()) - 1;
    double avg = 0;
    for (int s : setSize)
        avg += s;
    avg /= ne;
    long bestCost = 1L << 60;
    std::vector<int> marked(ne, 0);
    int mark = 0;
    const int smallest = *std::min_element(ticketSize.begin(), ticketSize.end());
    while (now() < deadline) {
        if (target < smallest) {
            std::printf("%d %d-%d: no choice of these orbits makes %d tickets or fewer\n", N, M, T, target);
            return;
        }
        while (weight > target) {   // the chosen orbit whose loss is least goes
            int pick = -1;
            long least = 1L << 60;
            for (int j : chosen) {
                long loss = 0;
                for (int e : covers[j])
                    if (count[e] == 1)
                        loss += setSize[e];
                if (loss < least) {
                    least = loss;
                    pick = j;
                }
            }
            remove(pick);
        }
        const long startCost = cost;
        bestCost = cost;
        bool found = open.empty();
        for (long step = 0; step < steps && !found; ++step) {
            if ((step & 1023) == 0 && now() > deadline)
                break;
            const double temp = avg * t0 * std::pow(t1 / t0, double(step) / steps);
            const int e = open[randint(int(open.size()))];
            const int k = coveredBy[e][randint(int(coveredBy[e].size()))];
            const int room = target - weight;
            if (ticketSize[k] <= room) {
                add(k);
            } else if (!chosen.empty()) {
                int j = chosen[randint(int(chosen.size()))];
                if (uniform() < greedy) {
                    // The chosen orbit whose place k takes at the least cost.
                    ++mark;
                    for (int x : covers[k])
                        marked[x] = mark;
                    long least = 1L << 60;
                    int ties = 0;
                    for (int c : chosen) {
                        if (ticketSize[c] + room < ticketSize[k])
                            continue;
                        long loss = 0;
                        for (int x : covers[c])
                            if (count[x] == 1 && marked[x] != mark)
                                loss += setSize[x];
                        if (loss < least) {
                            least = loss;
                            j = c;
                            ties = 1;
                        } else if (loss == least && randint(++ties) == 0) {
                            j = c;
                        }
                    }
                }
                if (ticketSize[j] + room < ticketSize[k])
                    continue;
                const long before = cost;
                remove(j);
                const long delta = cost - gain(k) - before;
                if (delta <= 0 || uniform() < std::exp(-double(delta) / temp))
                    add(k);
                else
                    add(j);
            }
            bestCost = std::min(bestCost, cost);
            found = open.empty();
        }
        if (found) {
            std::printf("%d %d-%d: orbits cover in %d tickets\n", N, M, T, weight);
            std::fflush(stdout);
            keepChosen(chosen);
            target = std::min(weight, currentSize()) - 1;
        } else {
            std::printf("%d %d-%d: %d tickets, %ld open at best (%ld at the start)\n", N, M, T, target, bestCost,
                        startCost);
            std::fflush(stdout);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Single tickets: annealing or tabu search at a fixed count

struct Cover {
    std::vector<Mask> tickets;
    std::vector<std::uint16_t> count;   // by m-set place (rankOf): tickets that answer it
    std::vector<int> openPos;
    std::vector<Mask> open;
    std::vector<std::vector<int>> combos[7];   // k-subsets of positions 0..r-1, by [k][r]
    std::vector<std::vector<int>> holding;     // by (t-1)-set place (rankOf): the tickets holding it

    const std::vector<int> &choose(int k, int r)
    {
        auto &c = combos[k];
        if (c.empty())
            c.resize(41);
        return c[r].empty() && r >= k ? (c[r] = [&] {
            std::vector<int> all;
            for (Mask s = k ? (Mask{1} << k) - 1 : 0; s < (Mask{1} << r);) {
                all.push_back(int(s));
                if (!s)
                    break;
                const Mask lo = s & -s, hi = s + lo;
                s = (((hi ^ s) >> 2) / lo) | hi;
            }
            return all;
        }()) : c[r];
    }
    static Mask spread(int pattern, const int *points)
    {
        Mask m = 0;
        for (int i = 0; pattern; ++i, pattern >>= 1)
            if (pattern & 1)
                m |= Mask{1} << points[i];
        return m;
    }
    void init(const std::vector<Mask> &start)
    {
        tickets = start;
        count.assign(binom[N][M], 0);
        openPos.assign(binom[N][M], -1);
        open.clear();
        for (Mask b : tickets)
            for (Mask s : coveredBy(b))
                ++count[rankOf(s)];
        for (Mask s : subsets(M))
            if (!count[rankOf(s)]) {
                openPos[rankOf(s)] = int(open.size());
                open.push_back(s);
            }
        holding.assign(binom[N][T - 1], {});
        for (int i = 0; i < int(tickets.size()); ++i)
            parts(tickets[i], T - 1, [&](Mask s) { holding[rankOf(s)].push_back(i); });
    }
    // Each k-subset of the set b (on every move: no list is made).
    template <class F> void parts(Mask b, int k, F f)
    {
        int points[40], np = 0;
        for (Mask r = b; r; r &= r - 1)
            points[np++] = __builtin_ctzll(r);
        for (int a : choose(k, np))
            f(spread(a, points));
    }
    // The tickets meeting the m-set in just t-1 numbers: one of its (t-1)-subsets and
    // nothing more of it.
    void near(Mask set, std::vector<int> &found)
    {
        found.clear();
        parts(set, T - 1, [&](Mask s) {
            for (int i : holding[rankOf(s)])
                if (pop(tickets[i] & set) == T - 1)
                    found.push_back(i);
        });
    }
    // Every set of `other` numbers sharing t or more with the set s of `size` numbers.
    template <class F> void meeting(Mask s, int size, int other, F f)
    {
        int in[6], out[40], ni = 0, no = 0;
        for (int x = 0; x < N; ++x)
            (s >> x & 1 ? in[ni++] : out[no++]) = x;
        for (int j = T; j <= std::min(size, other); ++j)
            if (other - j <= no)
                for (int a : choose(j, size))
                    for (int c : choose(other - j, no))
                        f(spread(a, in) | spread(c, out));
    }
    // The m-sets the ticket b answers.
    std::vector<Mask> coveredBy(Mask b)
    {
        std::vector<Mask> all;
        meeting(b, K, M, [&](Mask s) { all.push_back(s); });
        return all;
    }
    // The m-sets that ticket b stops answering (sign -1) or starts answering (+1) when its
    // number x becomes y: x or y with t-1 of its other k-1 and m-t from outside both.
    template <class F> void changed(Mask b, int x, int y, F f)
    {
        int rest[5], out[40], nr = 0, no = 0;
        for (int z = 0; z < N; ++z) {
            if (z == x || z == y)
                continue;
            (b >> z & 1 ? rest[nr++] : out[no++]) = z;
        }
        if (M - T > no)
            return;
        for (int a : choose(T - 1, K - 1)) {
            const Mask ma = spread(a, rest);
            for (int c : choose(M - T, no)) {
                const Mask base = ma | spread(c, out);
                f(base | Mask{1} << x, base | Mask{1} << y);
            }
        }
    }
    long delta(int i, int x, int y)
    {
        long d = 0;
        changed(tickets[i], x, y, [&](Mask lose, Mask win) { d += (count[rankOf(lose)] == 1) - (count[rankOf(win)] == 0); });
        return d;
    }
    void apply(int i, int x, int y)
    {
        changed(tickets[i], x, y, [&](Mask lose, Mask win) {
            const long l = rankOf(lose), w = rankOf(win);
            if (--count[l] == 0) {
                openPos[l] = int(open.size());
                open.push_back(lose);
            }
            if (count[w]++ == 0) {
                const Mask last = open.back();
                open[openPos[w]] = last;
                openPos[rankOf(last)] = openPos[w];
                open.pop_back();
                openPos[w] = -1;
            }
        });
        const Mask rest = tickets[i] & ~(Mask{1} << x);
        parts(rest, T - 2, [&](Mask s) {
            auto &from = holding[rankOf(s | Mask{1} << x)];
            from.erase(std::find(from.begin(), from.end(), i));
            holding[rankOf(s | Mask{1} << y)].push_back(i);
        });
        tickets[i] = rest | Mask{1} << y;
    }
    // A start that leaves m-sets open (a frame of chosen tickets) is completed greedily:
    // each time the ticket answering the most open m-sets, ties at random.
    void complete()
    {
        if (open.empty())
            return;
        const std::vector<Mask> all = subsets(K);   // in colex order: all[r] has rank r
        std::vector<long> gain(binom[N][K], 0);
        for (Mask s : open)
            meeting(s, M, K, [&](Mask b) { ++gain[rankOf(b)]; });
        std::vector<Mask> next = tickets;
        size_t left = open.size();
        std::vector<char> isOpen(binom[N][M], 0);
        for (Mask s : open)
            isOpen[rankOf(s)] = 1;
        while (left) {
            long best = -1;
            Mask pickB = 0;
            int ties = 0;
            for (size_t r = 0; r < all.size(); ++r) {
                if (gain[r] > best) {
                    best = gain[r];
                    pickB = all[r];
                    ties = 1;
                } else if (gain[r] == best && randint(++ties) == 0) {
                    pickB = all[r];
                }
            }
            next.push_back(pickB);
            for (Mask s : coveredBy(pickB)) {
                const long r = rankOf(s);
                if (isOpen[r]) {
                    isOpen[r] = 0;
                    --left;
                    meeting(s, M, K, [&](Mask b) { --gain[rankOf(b)]; });
                }
            }
        }
        std::printf("%d %d-%d: the frame of %zu tickets completed to %zu\n", N, M, T, tickets.size(), next.size());
        init(next);
    }
    // The ticket whose loss opens the fewest m-sets.
    int weakest()
    {
        int pick = 0;
        long least = 1L << 60;
        for (int i = 0; i < int(tickets.size()); ++i) {
            long loss = 0;
            for (Mask s : coveredBy(tickets[i]))
                loss += count[rankOf(s)] == 1;
            if (loss < least) {
                least = loss;
                pick = i;
            }
        }
        return pick;
    }
};

static int pick(Mask s)
{
    int k = randint(pop(s));
    while (k--)
        s &= s - 1;
    return __builtin_ctzll(s);
}

static void ticketSearch(bool tabu, std::vector<Mask> start, double t0, double t1, long steps, int tenure)
{
    Cover c;
    c.init(start);
    c.complete();
    auto shrink = [&] {   // one ticket fewer
        const int i = c.weakest();
        std::vector<Mask> next = c.tickets;
        next.erase(next.begin() + i);
        c.init(next);
    };
    shrink();   // then down one ticket at a time, even from above OUT's size: keep() writes only smaller wheels
    const int b = int(c.tickets.size());
    std::vector<long> changedAt(b, -1L << 40);
    std::vector<int> near;
    long step = 0;
    while (now() < deadline) {
        const size_t startOpen = c.open.size();
        size_t bestOpen = startOpen;
        std::vector<Mask> best = c.tickets;
        for (long s = 0; s < steps && !c.open.empty(); ++s, ++step) {
            if ((s & 1023) == 0 && now() > deadline)
                break;
            const Mask set = c.open[randint(int(c.open.size()))];
            if (!tabu) {
                // NO: a ticket meeting the open set in t-1 numbers takes one of its numbers.
                c.near(set, near);
                const int i = near.empty() ? randint(int(c.tickets.size())) : near[randint(int(near.size()))];
                const int x = pick(c.tickets[i] & ~set), y = pick(set & ~c.tickets[i]);
                const double temp = t0 * std::pow(t1 / t0, double(s) / steps);
                const long d = c.delta(i, x, y);
                if (d <= 0 || uniform() < std::exp(-double(d) / temp))
                    c.apply(i, x, y);
            } else {
                long bestD = 1L << 40;
                int bi = -1, bx = -1, by = -1, ties = 0;
                c.near(set, near);
                for (int i : near) {
                    for (Mask xs = c.tickets[i] & ~set; xs; xs &= xs - 1)
                        for (Mask ys = set & ~c.tickets[i]; ys; ys &= ys - 1) {
                            const int x = __builtin_ctzll(xs), y = __builtin_ctzll(ys);
                            const long d = c.delta(i, x, y);
                            const bool allowed = step - changedAt[i] > tenure || long(c.open.size()) + d < long(bestOpen);
                            if (!allowed)
                                continue;
                            if (d < bestD) {
                                bestD = d;
                                bi = i, bx = x, by = y;
                                ties = 1;
                            } else if (d == bestD && randint(++ties) == 0) {
                                bi = i, bx = x, by = y;
                            }
                        }
                }
                if (bi < 0)
                    continue;
                c.apply(bi, bx, by);
                changedAt[bi] = step;
            }
            if (c.open.size() < bestOpen) {
                bestOpen = c.open.size();
                best = c.tickets;
            }
        }
        if (c.open.empty()) {
            keep(c.tickets);
            shrink();
            changedAt.assign(c.tickets.size(), -1L << 40);
        } else {
            // The round's start counts as a state: "at best" equal to "at the start" means the
            // round never did better than where it began (after a shrink, the one ticket's loss).
            std::printf("%d %d-%d: %zu tickets, %zu open at best (%zu at the start of the round)\n", N, M, T,
                        c.tickets.size(), bestOpen, startOpen);
            std::fflush(stdout);
            if (!tabu)
                c.init(best);   // anneal again from the best state of this round
        }
    }
}

// A list that drops any of its items at once, by moving the last into its place: `pos`
// holds where each item stands (-1 when out).
struct IndexedList {
    std::vector<long> items, pos;
    explicit IndexedList(long range) : pos(std::size_t(range), -1) {}
    void add(long x)
    {
        pos[x] = long(items.size());
        items.push_back(x);
    }
    void drop(long x)
    {
        const long last = items.back();
        items[pos[x]] = last;
        pos[last] = pos[x];
        items.pop_back();
        pos[x] = -1;
    }
};

// Local search with weights on the m-sets: the count stays fixed while a ticket is taken
// out and another put in, and every m-set left open weighs one more after each step, so
// that the search does not stay where the same few m-sets are always open. The ticket
// taken out is the one whose loss weighs least (not the one put in just before); the one
// put in answers a random open m-set and gains the most weight, among the tickets whose
// surroundings changed since they were last taken out (with --tenure above 10: among the
// tickets not taken out in that many steps, cheaper where a ticket has many neighbours).
// Ties go to the ticket untouched longest. Every wheel that covers is kept, and the
// search goes on one ticket lower.
static void weightSearch(std::vector<Mask> start, int tenure)
{
    Cover helper;
    helper.init(start);
    helper.complete();
    const std::vector<Mask> all = subsets(K);   // colex: all[r] has rank r
    const long nSets = long(all.size()), nElems = binom[N][M];
    // Which m-sets each ticket answers, and which tickets answer each m-set (flat lists).
    std::vector<std::uint32_t> setStart(nSets + 1, 0), setElems;
    std::vector<std::uint32_t> elemCount(nElems + 1, 0);
    for (long r = 0; r < nSets; ++r) {
        helper.meeting(all[r], K, M, [&](Mask e) {
            const long x = rankOf(e);
            setElems.push_back(std::uint32_t(x));
            ++elemCount[x + 1];
        });
        setStart[r + 1] = std::uint32_t(setElems.size());
    }
    std::vector<std::uint32_t> elemStart(nElems + 1, 0), elemSets(setElems.size());
    for (long x = 0; x < nElems; ++x)
        elemStart[x + 1] = elemStart[x] + elemCount[x + 1];
    {
        std::vector<std::uint32_t> fill(elemStart.begin(), elemStart.end() - 1);
        for (long r = 0; r < nSets; ++r)
            for (std::uint32_t i = setStart[r]; i < setStart[r + 1]; ++i)
                elemSets[fill[setElems[i]]++] = std::uint32_t(r);
    }
    // score: for a ticket in the wheel, minus the weight only it answers (what taking it
    // out would open); a ticket out is weighed when it is a candidate (gain).
    std::vector<std::int64_t> weight(nElems, 1), score(nSets, 0);
    std::vector<std::uint32_t> covered(nElems, 0), lone(nElems, 0);   // lone: xor of the tickets answering it
    std::vector<char> canAdd(nSets, 1);
    std::vector<long> stamp(nSets, -(1L << 40));   // the step it last went in or out
    IndexedList wheel(nSets), opened(nElems);   // the tickets in (ranks) and the open m-sets
    const std::vector<long> &sol = wheel.items, &open = opened.items;
    auto touchAround = [&](long r) {
        for (std::uint32_t i = setStart[r]; i < setStart[r + 1]; ++i) {
            const std::uint32_t x = setElems[i];
            for (std::uint32_t j = elemStart[x]; j < elemStart[x + 1]; ++j)
                canAdd[elemSets[j]] = 1;
        }
    };
    auto add = [&](long r, long step) {
        wheel.add(r);
        std::int64_t own = 0;
        for (std::uint32_t i = setStart[r]; i < setStart[r + 1]; ++i) {
            const std::uint32_t x = setElems[i];
            if (covered[x] == 0) {
                opened.drop(x);
                own -= weight[x];
            } else if (covered[x] == 1) {
                score[lone[x]] += weight[x];
            }
            ++covered[x];
            lone[x] ^= std::uint32_t(r);
        }
        score[r] = own;
        stamp[r] = step;
        if (!tenure)
            touchAround(r);
    };
    auto remove = [&](long r, long step) {
        wheel.drop(r);
        for (std::uint32_t i = setStart[r]; i < setStart[r + 1]; ++i) {
            const std::uint32_t x = setElems[i];
            --covered[x];
            lone[x] ^= std::uint32_t(r);
            if (covered[x] == 0) {
                opened.add(long(x));
            } else if (covered[x] == 1) {
                score[lone[x]] -= weight[x];
            }
        }
        stamp[r] = step;
        if (!tenure)
            touchAround(r);
        canAdd[r] = 0;
    };
    for (long x = 0; x < nElems; ++x)
        opened.add(x);
    {
        std::vector<Mask> first = helper.tickets;
        std::sort(first.begin(), first.end());
        first.erase(std::unique(first.begin(), first.end()), first.end());
        for (Mask b : first)
            add(rankOf(b), 0);
    }
    auto gain = [&](long r) {
        std::int64_t g = 0;
        for (std::uint32_t i = setStart[r]; i < setStart[r + 1]; ++i)
            if (!covered[setElems[i]])
                g += weight[setElems[i]];
        return g;
    };
    auto weakest = [&](long avoid) {
        long pick = -1;
        for (long r : sol)
            if (r != avoid && (pick < 0 || score[r] > score[pick] || (score[r] == score[pick] && stamp[r] < stamp[pick])))
                pick = r;
        return pick;
    };
    std::vector<Mask> tickets;
    auto current = [&] {
        tickets.clear();
        for (long r : sol)
            tickets.push_back(all[r]);
        return tickets;
    };
    long step = 1, lastAdded = -1;
    // bestOpen: the fewest open m-sets after a step at this size; the state the removal of the
    // weakest ticket leaves (startOpen) is no step's doing and is reported apart.
    const std::size_t none = std::size_t(nElems) + 1;
    std::size_t bestOpen = none, startOpen = open.size(), lately = none;   // lately: since the last report
    double report = now() + 30;
    while (now() < deadline) {
        while (open.empty()) {
            keep(current());
            remove(weakest(-1), step);
            bestOpen = none;
            startOpen = open.size();
            std::printf("%d %d-%d: %zu tickets\n", N, M, T, sol.size());
            std::fflush(stdout);
        }
        if ((step & 1023) == 0 && now() > report) {
            std::printf("%d %d-%d: %zu tickets, %zu open at best lately, %zu since the removal left %zu (%ld steps)\n",
                        N, M, T, sol.size(), lately, bestOpen, startOpen, step);
            lately = none;
            std::fflush(stdout);
            report = now() + 30;
        }
        remove(weakest(lastAdded), step);
        const long x = open[randint(int(open.size()))];
        long pick = -1;
        std::int64_t pickGain = 0;
        for (std::uint32_t j = elemStart[x]; j < elemStart[x + 1]; ++j) {
            const long r = elemSets[j];
            if (tenure ? step - stamp[r] <= tenure : !canAdd[r])
                continue;
            const std::int64_t g = gain(r);
            if (pick < 0 || g > pickGain || (g == pickGain && stamp[r] < stamp[pick]))
                pick = r, pickGain = g;
        }
        if (pick < 0)
            pick = elemSets[elemStart[x] + std::uint32_t(randint(int(elemStart[x + 1] - elemStart[x])))];
        add(pick, step);
        lastAdded = pick;
        for (long y : open)
            ++weight[y];
        bestOpen = std::min(bestOpen, open.size());
        lately = std::min(lately, open.size());
        ++step;
    }
}

int main(int argc, char **argv)
{
    initBinom();
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: wheel-orbit N M T OUT [--mode orbit|ilp|lagrange|sa|tabu|weights] [--seconds S] [--group GROUP]...\n"
                     "       [--seed X] [--steps K] [--t0 X] [--t1 X] [--tenure K] [--greedy P] [--from FILE]\n");
        return 2;
    }
    N = std::atoi(argv[1]);
    M = std::atoi(argv[2]);
    T = std::atoi(argv[3]);
    outPath = argv[4];
    std::string mode = "orbit", from;
    std::vector<std::string> groups;
    double seconds = 60, t0 = -1, t1 = -1;
    long steps = -1, seed = 1;
    int tenure = 10;
    double greedy = 0.5;
    for (int i = 5; i + 1 < argc; i += 2) {
        const std::string o = argv[i], v = argv[i + 1];
        if (o == "--mode") mode = v;
        else if (o == "--seconds") seconds = std::atof(v.c_str());
        else if (o == "--group") groups.push_back(v);
        else if (o == "--seed") seed = std::atol(v.c_str());
        else if (o == "--steps") steps = std::atol(v.c_str());
        else if (o == "--t0") t0 = std::atof(v.c_str());
        else if (o == "--t1") t1 = std::atof(v.c_str());
        else if (o == "--tenure") tenure = std::atoi(v.c_str());
        else if (o == "--from") from = v;
        else if (o == "--greedy") greedy = std::atof(v.c_str());
        else if (o == "--k") K = std::atoi(v.c_str());
        else { std::fprintf(stderr, "unknown option %s\n", o.c_str()); return 2; }
    }
    if (N < 7 || N > 33 || M < T || M > 6 || T < 2) {
        std::fprintf(stderr, "n must be 7..33 and 2 <= t <= m <= 6\n");
        return 2;
    }
    if (K < T || K > 6) {
        std::fprintf(stderr, "--k must be t..6\n");
        return 2;
    }
    rng.seed(std::uint64_t(seed));
    deadline = now() + seconds;
    if (mode == "orbit" || mode == "ilp" || mode == "lagrange") {
        method = mode == "ilp" ? "orbits, integer program" : mode == "lagrange" ? "orbits, Lagrangian heuristic" : "orbits";
        for (auto &g : groups)
            method += " " + g;
        std::vector<Mask> start;
        if (!from.empty()) {
            const Table table = readTable(from);
            if (auto it = table.entries.find({N, M, T}); it != table.entries.end())
                start = it->second;
        }
        orbitSearch(groups, t0 > 0 ? t0 : 0.5, t1 > 0 ? t1 : 0.02, steps > 0 ? steps : 200000, greedy, mode, start);
    } else if (mode == "sa" || mode == "tabu" || mode == "weights") {
        method = mode;
        const Table table = readTable(from.empty() ? outPath : from);
        auto it = table.entries.find({N, M, T});
        // Without an entry over n numbers, the smallest over more is narrowed: in every
        // ticket a number beyond n gives way to the lowest number the ticket lacks.
        for (int more = N + 1; it == table.entries.end() && more <= 33; ++more)
            it = table.entries.find({more, M, T});
        if (it == table.entries.end()) {
            std::fprintf(stderr, "no entry %d %d %d to start from\n", N, M, T);
            return 1;
        }
        std::vector<Mask> start;
        for (Mask b : it->second) {
            while (b >> N) {
                int x = 0;
                while (b >> x & 1)
                    ++x;
                b = (b & ~(Mask{1} << (63 - __builtin_clzll(b)))) | Mask{1} << x;
            }
            start.push_back(b);
        }
        std::sort(start.begin(), start.end());
        start.erase(std::unique(start.begin(), start.end()), start.end());
        if (mode == "weights")
            weightSearch(start, tenure > 10 ? tenure : 0);
        else
            ticketSearch(mode == "tabu", start, t0 > 0 ? t0 : 1.0, t1 > 0 ? t1 : 0.1,
                         steps > 0 ? steps : (mode == "tabu" ? 20000 : 2000000), tenure);
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
        return 2;
    }
    return 0;
}
