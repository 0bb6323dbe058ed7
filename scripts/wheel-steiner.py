#!/usr/bin/env python3
"""中4保4 over 28, 29 or 30 numbers from the 27-number wheel and a Steiner system of fives.

    scripts/wheel-steiner.py 28|29|30 > /tmp/entry.txt

Numbers 1..26 carry a cyclic Steiner system of fives (260 five-number sets, every three of
1..26 in exactly one; found here by exact cover over the orbits of x -> x + 1 mod 26 in
about 20 s). 27 is the 27th number of the table's 27-number wheel; 28, 29, 30 are added.
  28: the wheel over 1..27, 28 with every five of the system (260), and 27 and 28 with each
      four-number ticket of a cover of the pairs of 1..26 (the 59 of the table's 28-number
      中3保3 entry, the tickets there holding 27 and 28): 1170 + 260 + 59 = 1489.
  29: the wheel over 1..27, 28 with every five and 29 with every five (520), and 27, 28
      and 29 with each three of a cover of the pairs of 1..26: a cyclic Steiner triple
      system over 1..25 (100) and 26 with 1-2, 3-4, ..., 23-24 and 24-25 (13):
      1170 + 520 + 113 = 1803.
  30: the 29-number wheel, 30 with every five (260), 27, 28 and 30 with each three of the
      same cover (113), 29 and 30 with each four of the 59, and 27 to 30 with the pairs 1-2,
      3-4, ..., 25-26 (13): 1803 + 445 = 2248.
A draw of four without the added numbers is held by the 27-number wheel. With one added
number, its other three are three of 1..26 (in a five of the system) or 27 and a pair of
1..26 (in a cover ticket); with two or three, the tickets holding 27 and the added ones
take in the rest. The program checks the entry exhaustively when it reads it.
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


def cyclic_steiner_fives():
    """Base blocks over Z26: exact cover of the 100 orbits of threes by orbits of fives."""
    def orbit_of(s):
        return min(tuple(sorted((x + d) % 26 for x in s)) for d in range(26))

    rows = {}
    columns = {}
    for s in itertools.combinations(range(26), 5):
        if s != orbit_of(s):
            continue
        hit = [orbit_of(t) for t in itertools.combinations(s, 3)]
        if len(set(hit)) == 10:
            columns[s] = hit
            for r in hit:
                rows.setdefault(r, set()).add(s)

    def search(rows, chosen):
        if not rows:
            return list(chosen)
        r = min(rows, key=lambda k: (len(rows[k]), k))
        for c in sorted(rows[r]):
            removed = []
            for h in columns[c]:
                for other in rows[h]:
                    for h2 in columns[other]:
                        if h2 != h:
                            rows[h2].discard(other)
                removed.append((h, rows.pop(h)))
            chosen.append(c)
            found = search(rows, chosen)
            chosen.pop()
            for h, cs in reversed(removed):
                rows[h] = cs
                for other in cs:
                    for h2 in columns[other]:
                        if h2 != h:
                            rows[h2].add(other)
            if found:
                return found
        return None

    return search(rows, [])


def cyclic_triple_system():
    """Base blocks {0, a, b} over Z25 whose differences take 1..12 once each."""
    pairs = [(a, b) for a in range(1, 25) for b in range(a + 1, 25)]
    for combo in itertools.combinations(pairs, 4):
        seen = set()
        for a, b in combo:
            for d in (a, b, b - a):
                seen.add(min(d, 25 - d))
        if len(seen) == 12:
            return combo
    sys.exit('no cyclic triple system')


def ticket(numbers):
    return ''.join('%02d' % x for x in sorted(numbers))


def rows_of(words, prefix=''):
    return [prefix + ' '.join(words[i:i + 8]) for i in range(0, len(words), 8)]


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in ('28', '29', '30'):
        sys.exit(__doc__)
    n = int(sys.argv[1])
    added = list(range(28, n + 1))
    base = entry('27 4 4')
    fives = cyclic_steiner_fives()
    extra = ''.join('%02d' % x for x in added)
    out = []
    for line in base[1:]:
        out.append(line + extra if line.startswith('g ') else line)
    shift = ''.join('%02d' % x for x in list(range(2, 27)) + [1] + list(range(27, n + 1)))
    out.append('g ' + shift)
    out += rows_of([ticket([x + 1 for x in f] + [a]) for a in added for f in fives], 'o ')
    pair_fours = [w for line in entry('28 3 3')[1:] if line[:2] not in ('g ', 'o ')
                  for w in line.split() if w.endswith('2728')]
    plain = []
    orbit_tickets = 26 * len(fives) * len(added)
    if n == 28:
        plain += pair_fours
    else:
        # 29, and 30 after it, each with 27 and 28 and the cover of the pairs of 1..26 by threes
        shift25 = ''.join('%02d' % x for x in list(range(2, 26)) + [1] + list(range(26, n + 1)))
        out.append('g ' + shift25)
        triples = cyclic_triple_system()
        out += rows_of([ticket([1, a + 1, b + 1, 27, 28, c]) for c in added[1:] for a, b in triples], 'o ')
        orbit_tickets += 25 * len(triples) * len(added[1:])
        for c in added[1:]:
            plain += [ticket([26, 2 * i + 1, 2 * i + 2, 27, 28, c]) for i in range(12)]
            plain.append(ticket([24, 25, 26, 27, 28, c]))
    if n == 30:
        plain += [w[:8] + '2930' for w in pair_fours]
        plain += [ticket([2 * i + 1, 2 * i + 2, 27, 28, 29, 30]) for i in range(13)]
    out += rows_of(sorted(plain))
    size = int(base[0].split()[3]) + orbit_tickets + len(plain)
    print('# 中4保4 over %d numbers: the 27-number wheel and a Steiner system of fives '
          '(scripts/wheel-steiner.py)\n' % n)
    print('%d 4 4 %d' % (n, size))
    print('\n'.join(out))
    print()


if __name__ == '__main__':
    main()
