#!/usr/bin/env python3
"""Wheels for 中6保3 and 中5保3 made by splitting the numbers into two parts.

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
