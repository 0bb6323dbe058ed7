#!/usr/bin/env python3
"""Wheels made by construction rather than search.

中3保3 over 22 numbers: the 759 blocks of eight of the extended binary Golay code (a
Steiner system S(5,8,24)) that hold two fixed points, those points taken away, are 77
tickets in which every three of the other 22 numbers meet (a Steiner system S(3,6,22));
over 21 numbers the 22nd is replaced by the lowest free number of its ticket.

中6保3 and 中5保3 by splitting the numbers into two parts:

When m reds are drawn among n1 + n2 numbers, one part holds at least p1 of them or the
other at least p2 (p1 + p2 = m + 1). So a wheel "中p1保3" on the first part together with
"中p2保3" on the second is a "中m保3" wheel on all of them. A part of at most six numbers
needs one ticket (padded with numbers of the other part); a part with fewer than p numbers
needs none. The parts' wheels come from the table itself, smaller n first.

Every wheel written is first checked by brute force over all m-subsets.

    scripts/wheel-split.py TABLE [N_TO] [--merge FILE...]

rewrites TABLE in place when it improves it; --merge first takes every smaller entry of the
FILEs (the output of scripts/wheel-search.sh) that passes the same check.
"""
import itertools
import sys


def read_table(path):
    text = open(path, encoding='utf-8').read()
    header = []
    entries = {}
    for block in text.split('\n\n'):
        lines = [l for l in block.strip('\n').split('\n') if l.strip()]
        if not lines:
            continue
        if lines[0].startswith('#'):
            header.append('\n'.join(lines))
            continue
        n, m, t, size = map(int, lines[0].split())
        tickets = [tuple(int(w[i:i + 2]) for i in range(0, 12, 2)) for l in lines[1:] for w in l.split()]
        assert len(tickets) == size
        entries[(n, m, t)] = tickets
    return header, entries


def write_table(path, header, entries):
    out = '\n\n'.join(header) + '\n'
    for (n, m, t) in sorted(entries, key=lambda k: (k[0], -k[1], -k[2])):
        tickets = entries[(n, m, t)]
        out += '\n%d %d %d %d' % (n, m, t, len(tickets))
        for i, tk in enumerate(tickets):
            out += ('\n' if i % 8 == 0 else ' ') + ''.join('%02d' % x for x in tk)
        out += '\n'
    open(path + '.tmp', 'w', encoding='utf-8').write(out)
    import os
    os.replace(path + '.tmp', path)


def verify(n, m, t, tickets):
    sets = [frozenset(tk) for tk in tickets]
    if any(len(s) != 6 or min(s) < 1 or max(s) > n for s in sets):
        return False
    for drawn in itertools.combinations(range(1, n + 1), m):
        d = set(drawn)
        if not any(len(d & s) >= t for s in sets):
            return False
    return True


def part_wheel(entries, k, p, t):
    """Tickets over 1..k (entries of fewer than six numbers padded later), or None."""
    if p > k:
        return []
    if k <= 6:
        return [tuple(range(1, k + 1))]
    return entries.get((k, p, t))


def split_wheel(entries, n, m, t):
    best = None
    for n1 in range(1, n):
        n2 = n - n1
        for p1 in range(t, 7):
            p2 = m + 1 - p1
            if p2 < t or p2 > 6:
                continue
            a = part_wheel(entries, n1, p1, t)
            b = part_wheel(entries, n2, p2, t)
            if a is None or b is None:
                continue
            if best is not None and len(a) + len(b) >= len(best):
                continue
            tickets = []
            first = list(range(1, n1 + 1))
            second = list(range(n1 + 1, n + 1))
            for tk, own, other in [(x, first, second) for x in a] + [(x, second, first) for x in b]:
                nums = [own[i - 1] for i in tk]
                for extra in other:
                    if len(nums) == 6:
                        break
                    nums.append(extra)
                tickets.append(tuple(sorted(nums)))
            best = sorted(set(tickets))
            if len(best) < len(tickets):
                best = best  # a repeated ticket is dropped
    return best


def golay_s3622():
    """The 77 blocks of S(3,6,22) as masks over the bits 0..21."""
    gen = sum(1 << e for e in (0, 2, 4, 5, 6, 10, 11))   # x^11+x^10+x^6+x^5+x^4+x^2+1
    octads = []
    for m in range(1 << 12):
        w = 0
        for i in range(12):
            if m >> i & 1:
                w ^= gen << i
        if bin(w).count('1') % 2:
            w |= 1 << 23
        if bin(w).count('1') == 8:
            octads.append(w)
    assert len(octads) == 759
    fixed = (1 << 22) | (1 << 23)
    return [w & ~fixed for w in octads if w & fixed == fixed]


# 27 blocks of five of the numbers 0..21 in which every two meet (found by the program's
# own search, SearchWheel with ticketSize 5 and 中2保2): with a 23rd number added to each
# they take the Golay tickets from 22 to 23 numbers, C(23,6,3) <= C(22,6,3) + C(22,5,2).
PAIRS_22_BY_5 = [
    (5, 7, 9, 19, 21), (0, 3, 5, 13, 20), (1, 2, 15, 18, 20), (1, 2, 3, 17, 21),
    (10, 13, 17, 18, 19), (4, 11, 16, 19, 20), (3, 6, 8, 15, 19), (1, 10, 14, 20, 21),
    (5, 14, 15, 16, 17), (6, 8, 10, 12, 18), (0, 9, 10, 11, 15), (2, 4, 5, 6, 10),
    (6, 8, 13, 14, 21), (3, 4, 9, 14, 18), (4, 7, 12, 13, 15), (2, 3, 7, 10, 16),
    (0, 1, 6, 9, 16), (1, 4, 8, 13, 16), (0, 5, 7, 8, 18), (6, 7, 11, 17, 20),
    (1, 7, 11, 14, 19), (0, 4, 15, 17, 21), (11, 12, 16, 18, 21), (2, 8, 9, 11, 13),
    (1, 3, 5, 11, 12), (8, 9, 12, 17, 20), (0, 2, 12, 14, 19),
]


def constructed():
    """(n, m, t) -> tickets, from the Golay code."""
    blocks = golay_s3622()
    out = {(22, 3, 3): blocks}
    b21 = set()
    for bl in blocks:
        if bl >> 21 & 1:
            bl &= ~(1 << 21)
            x = 0
            while bl >> x & 1:
                x += 1
            bl |= 1 << x
        b21.add(bl)
    out[(21, 3, 3)] = sorted(b21)
    out[(23, 3, 3)] = blocks + [sum(1 << x for x in b) | 1 << 22 for b in PAIRS_22_BY_5]
    return {k: sorted(tuple(i + 1 for i in range(k[0]) if bl >> i & 1) for bl in v) for k, v in out.items()}


def main():
    args = sys.argv[1:]
    merge = []
    if '--merge' in args:
        merge = args[args.index('--merge') + 1:]
        args = args[:args.index('--merge')]
    path = args[0]
    n_to = int(args[1]) if len(args) > 1 else 20
    header, entries = read_table(path)
    changed = False
    for other in merge:
        for key, tickets in read_table(other)[1].items():
            have = entries.get(key)
            if have is not None and len(tickets) >= len(have):
                continue
            if not verify(*key, tickets):
                print('%d %d-%d: %s FAILED the check' % (key + (other,)))
                continue
            print('%d %d-%d: %s -> %d (%s)' % (key + (len(have) if have else '-', len(tickets), other)))
            entries[key] = tickets
            changed = True
    for key, tickets in constructed().items():
        have = entries.get(key)
        if (have is None or len(tickets) < len(have)) and verify(*key, tickets):
            print('%d %d-%d: %s -> %d (Golay code)' % (key + (len(have) if have else '-', len(tickets))))
            entries[key] = tickets
            changed = True
    for n in range(7, n_to + 1):
        for m in (5, 6):
            w = split_wheel(entries, n, m, 3)
            have = entries.get((n, m, 3))
            if w is None or (have is not None and len(w) >= len(have)):
                continue
            if not verify(n, m, 3, w):
                print('%d %d-3: split wheel of %d FAILED the check' % (n, m, len(w)))
                continue
            print('%d %d-3: %s -> %d' % (n, m, len(have) if have else '-', len(w)))
            entries[(n, m, 3)] = w
            changed = True
    if changed:
        write_table(path, header, entries)


if __name__ == '__main__':
    main()
