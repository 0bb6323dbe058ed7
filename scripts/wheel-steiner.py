#!/usr/bin/env python3
"""Wheels that add numbers to a table wheel through Steiner systems (every t of v numbers in
exactly one block):  C(v+1,6,t) <= C(v,6,t) + [a Steiner system S(t-1,5,v-1)] + [a cover of
the (t-2)-sets of v-1 numbers by fours], the last two with v+1 added (and v for the last).

    scripts/wheel-steiner.py N M T > /tmp/entry.txt      (N M T: 28|29|30 4 4, 25 5 5, 27 3 3)

中4保4 over 28..30: numbers 1..26 carry a cyclic Steiner system of fives (260; every three of
1..26 in one; exact cover over the orbits of x -> x + 1 mod 26, about 30 s); 27 is the 27th
number of the table's 27-number wheel (1170).
  28: 28 with every five (260), and 27 and 28 with each four of a cover of the pairs of 1..26
      (the 59 tickets of the 28-number 中3保3 entry that hold 27 and 28): 1489.
  29: 28 with every five and 29 with every five (520), and 27, 28, 29 with each three of a
      cover of the pairs of 1..26: a cyclic Steiner triple system over 1..25 (100) and 26 with
      1-2, 3-4, ..., 23-24 and 24-25 (13): 1803.
  30: the 29-number wheel, 30 with every five (260), 27, 28, 30 with the same threes (113), 29
      and 30 with each of the 59 fours, 27..30 with 1-2, 3-4, ..., 25-26 (13): 2248.
中5保5 over 25: the 24-number Steiner wheel (7084); 25 with each of its blocks through 24,
less 24 (1771, a Steiner system of fives over 23); 24 and 25 with a cover of the threes of
1..23 by fours: a 1-rotational Steiner quadruple system on 1..22 (385; exact cover under
x -> x + 1 mod 21 with 22 fixed, in about a second) and 23 with a cyclic Steiner triple system
over 1..21 and 22 with 1-2, ..., 19-20, 21-1 (81): 9321.
中3保3 over 27: the 26-number Steiner wheel (130); 27 with each line of the affine plane over
GF(5) on 1..25 (30); 26 and 27 with 1-4, 5-8, ..., 21-24 and 22-25 (7): 167.

A draw without the added numbers is held by the wheel it starts from; with one added number
the rest is in a block of the Steiner system or, with 26, 27 or 24, in a cover ticket; with
several, the tickets holding them all take in the rest. The program checks the entry
exhaustively when it reads it.
"""
import itertools
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLES = [os.path.join(HERE, '..', 'src', 'core', 'wheel', f) for f in ('WheelOrbits.txt', 'WheelTable.txt')]


def entry(header):
    for path in TABLES:
        for block in open(path, encoding='utf-8').read().split('\n\n'):
            lines = block.strip('\n').split('\n')
            if lines[0] == header or lines[0].startswith(header + ' '):
                return lines
    sys.exit('no entry ' + header)


def tickets_of(lines):
    """The tickets of an entry in the short orbit form, as sets of numbers."""
    tickets, generators, bases = set(), [], []

    def close():
        todo = [frozenset(b) for b in bases]
        seen = set(todo)
        while todo:
            b = todo.pop()
            for g in generators:
                image = frozenset(g[x - 1] for x in b)
                if image not in seen:
                    seen.add(image)
                    todo.append(image)
        tickets.update(seen)

    for line in lines[1:]:
        words = line.split()
        if words[0] == 'g':
            if bases:
                close()
                generators, bases = [], []
            generators.append([int(words[1][i:i + 2]) for i in range(0, len(words[1]), 2)])
        else:
            orbit_line = words[0] == 'o'
            for w in words[1:] if orbit_line else words:
                t = frozenset(int(w[i:i + 2]) for i in range(0, 12, 2))
                if orbit_line:
                    bases.append(t)
                else:
                    tickets.add(t)
    close()
    return tickets


def exact_cover(rows, columns):
    """Columns (each a list of rows) that take in every row exactly once, or None."""
    live = {r: set() for r in rows}
    for c, hit in columns.items():
        for r in hit:
            live[r].add(c)

    def search(chosen):
        if not live:
            return list(chosen)
        r = min(live, key=lambda k: (len(live[k]), k))
        for c in sorted(live[r]):
            removed = []
            for h in columns[c]:
                for other in live[h]:
                    for h2 in columns[other]:
                        if h2 != h:
                            live[h2].discard(other)
                removed.append((h, live.pop(h)))
            chosen.append(c)
            found = search(chosen)
            chosen.pop()
            for h, cs in reversed(removed):
                live[h] = cs
                for other in cs:
                    for h2 in columns[other]:
                        if h2 != h:
                            live[h2].add(other)
            if found:
                return found
        return None

    return search([])


def rotational_steiner(v, fixed, k, t):
    """Base blocks of a Steiner system S(t,k,v+fixed) on 0..v+fixed-1 kept by x -> x + 1 mod v
    (the last `fixed` points stay): every orbit of t-sets taken once by orbits of k-sets."""
    def shift(s, d):
        return tuple(sorted(x if x >= v else (x + d) % v for x in s))

    def least(s):
        return min(shift(s, d) for d in range(v))

    points = range(v + fixed)
    rows = {least(s) for s in itertools.combinations(points, t)}
    orbit_size = {r: len({shift(r, d) for d in range(v)}) for r in rows}
    columns = {}
    for s in itertools.combinations(points, k):
        if s != least(s):
            continue
        orbit = {shift(s, d) for d in range(v)}
        count = {}
        for b in orbit:
            for u in itertools.combinations(b, t):
                r = least(u)
                count[r] = count.get(r, 0) + 1
        if all(c == orbit_size[r] for r, c in count.items()):
            columns[s] = list(count)
    found = exact_cover(rows, columns)
    if found is None:
        sys.exit('no such Steiner system')
    return found


def cyclic_triples(v):
    """Base blocks {0, a, b} of a cyclic Steiner triple system over Z_v (v = 21 or 25); for
    v = 21 the short orbit {0, 7, 14} takes the difference 7."""
    short = [(0, v // 3, 2 * v // 3)] if v % 3 == 0 else []
    need = set(range(1, v // 2 + 1)) - {v // 3 for _ in short}
    pairs = [(a, b) for a in range(1, v) for b in range(a + 1, v)]
    for combo in itertools.combinations(pairs, len(need) // 3):
        seen = set()
        for a, b in combo:
            for d in (a, b, b - a):
                seen.add(min(d, v - d))
        if seen == need:
            return [(0, a, b) for a, b in combo] + short
    sys.exit('no cyclic triple system')


def ticket(numbers):
    return ''.join('%02d' % x for x in sorted(numbers))


def rows_of(words, prefix=''):
    return [prefix + ' '.join(words[i:i + 8]) for i in range(0, len(words), 8)]


def extended(lines, extra):
    """An entry's lines with its groups keeping the added numbers."""
    suffix = ''.join('%02d' % x for x in extra)
    return [line + suffix if line.startswith('g ') else line for line in lines[1:]]


def cycle(length, n):
    """x -> x + 1 on 1..length, the rest of 1..n kept."""
    images = list(range(2, length + 1)) + [1] + list(range(length + 1, n + 1))
    return 'g ' + ''.join('%02d' % x for x in images)


def four_four(n):
    added = list(range(28, n + 1))
    base = entry('27 4 4')
    fives = rotational_steiner(26, 0, 5, 3)
    out = extended(base, added) + [cycle(26, n)]
    out += rows_of([ticket([x + 1 for x in f] + [a]) for a in added for f in fives], 'o ')
    pair_fours = [w for line in entry('28 3 3')[1:] if line[:2] not in ('g ', 'o ')
                  for w in line.split() if w.endswith('2728')]
    plain = []
    orbit_tickets = 26 * len(fives) * len(added)
    if n == 28:
        plain += pair_fours
    else:
        # 29, and 30 after it, each with 27 and 28 and the cover of the pairs of 1..26 by threes
        out.append(cycle(25, n))
        triples = cyclic_triples(25)
        out += rows_of([ticket([x + 1 for x in b] + [27, 28, c]) for c in added[1:] for b in triples], 'o ')
        orbit_tickets += 25 * len(triples) * len(added[1:])
        for c in added[1:]:
            plain += [ticket([26, 2 * i + 1, 2 * i + 2, 27, 28, c]) for i in range(12)]
            plain.append(ticket([24, 25, 26, 27, 28, c]))
    if n == 30:
        plain += [w[:8] + '2930' for w in pair_fours]
        plain += [ticket([2 * i + 1, 2 * i + 2, 27, 28, 29, 30]) for i in range(13)]
    return out + rows_of(sorted(plain)), int(base[0].split()[3]) + orbit_tickets + len(plain)


def five_five():
    base = entry('24 5 5')
    derived = {b - {24} for b in tickets_of(base) if 24 in b}
    # its orbits under x -> x + 1 and x -> 2x on 1..23, a subgroup of the 24-number wheel's group
    shift = [x % 23 + 1 for x in range(1, 24)] + [24, 25]
    double = [(2 * (x - 1)) % 23 + 1 for x in range(1, 24)] + [24, 25]
    bases, seen = [], set()
    for d in sorted(derived, key=sorted):
        if d in seen:
            continue
        todo, orbit = [d], {d}
        while todo:
            b = todo.pop()
            for g in (shift, double):
                image = frozenset(g[x - 1] for x in b)
                if image not in orbit:
                    orbit.add(image)
                    todo.append(image)
        seen |= orbit
        bases.append(d)
    quads = rotational_steiner(21, 1, 4, 3)
    triples = cyclic_triples(21)
    out = extended(base, [25])
    out += ['g ' + ''.join('%02d' % x for x in shift), 'g ' + ''.join('%02d' % x for x in double)]
    out += rows_of([ticket(list(d) + [25]) for d in bases], 'o ')
    out.append(cycle(21, 25))
    out += rows_of([ticket([x + 1 for x in q] + [24, 25]) for q in quads]
                   + [ticket([x + 1 for x in b] + [23, 24, 25]) for b in triples], 'o ')
    plain = [ticket([22, 2 * i + 1, 2 * i + 2, 23, 24, 25]) for i in range(10)]
    plain.append(ticket([1, 21, 22, 23, 24, 25]))
    out += rows_of(plain)
    quad_tickets = sum(7 if q[:3] == (0, 7, 14) else 21 for q in quads)
    triple_tickets = sum(7 if b == (0, 7, 14) else 21 for b in triples)
    return out, int(base[0].split()[3]) + len(derived) + quad_tickets + triple_tickets + len(plain)


def three_three():
    base = entry('26 3 3')
    directions = ((0, 1), (1, 0), (1, 1), (1, 2), (1, 3), (1, 4))
    lines = {tuple(sorted(5 * ((a + s * da) % 5) + (b + s * db) % 5 + 1 for s in range(5)))
             for a in range(5) for b in range(5) for da, db in directions}
    plain = [ticket(list(line) + [27]) for line in lines]
    plain += [ticket([4 * i + 1, 4 * i + 2, 4 * i + 3, 4 * i + 4, 26, 27]) for i in range(6)]
    plain.append(ticket([22, 23, 24, 25, 26, 27]))
    return extended(base, [27]) + rows_of(sorted(plain)), int(base[0].split()[3]) + len(plain)


def main():
    args = tuple(sys.argv[1:])
    if args in (('28', '4', '4'), ('29', '4', '4'), ('30', '4', '4')):
        out, size = four_four(int(args[0]))
    elif args == ('25', '5', '5'):
        out, size = five_five()
    elif args == ('27', '3', '3'):
        out, size = three_three()
    else:
        sys.exit(__doc__)
    print('# 中%s保%s over %s numbers through Steiner systems (scripts/wheel-steiner.py)\n'
          % (args[1], args[2], args[0]))
    print('%s %s %s %d' % (args + (size,)))
    print('\n'.join(out))
    print()


if __name__ == '__main__':
    main()
