#!/usr/bin/env python3
"""A frame to start the annealing from: the numbers taken in groups, and tickets made of
whole groups, so that every draw crowded into few groups is held from the start.

    scripts/wheel-frame.py N M T [G] > /tmp/frame.txt
    printf '# t\\n' > /tmp/out.txt
    scripts/wheel-orbit.sh N M T /tmp/out.txt --mode sa --from /tmp/frame.txt

G = 3 (the default): groups 1-3, 4-6, ... and a ticket for every two groups; numbers left
over after the last whole group are in no group. G = 2: pairs 1-2, 3-4, ... and tickets of
three pairs, chosen greedily until every two pairs share a ticket.

The frame alone leaves draws open (those spread over many groups); the search completes
it greedily, ticket by ticket, and then anneals downwards from there. Over 18 numbers the
six groups of three and their 15 tickets leave open only the draws spread over several
groups: for 中3保3 a covering array of strength 3 on six columns of three symbols (33
tickets, one number of each group) holds those, and the search from this frame reaches
the 15 + 33 = 48 tickets.

G = 15 (N = 30): two halves of fifteen numbers. Each half carries the 35 lines of the
projective space over GF(2) of dimension 3 (numbers 1..15 as the nonzero vectors, a line
{a, b, a xor b}), sorted into seven classes of five disjoint lines. A line of one half
joined with each line of the same class of the other half gives 7 x 5 x 5 = 175 tickets.
Any two numbers of a half lie on one line, and the lines of a class take in every number,
so these hold every three with numbers in both halves. Left open are the threes inside a
half that are not a line. Annealing (--mode sa) from this frame reaches 234 tickets for
中3保3 over 30 numbers within three minutes. The table's 230: over each half, 28 tickets
of six of its numbers hold its open threes (a weighted search over the fifteen numbers
alone), 175 + 28 + 28 = 231, and --mode weights from there took one more.
"""
import itertools
import sys


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    n, m, t = map(int, sys.argv[1:4])
    g = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    if g not in (2, 3, 15) or (g == 15 and n != 30):
        sys.exit('G must be 2 or 3, or 15 over 30 numbers')
    if g == 15:
        return emit(n, m, t, paired_halves())
    groups = [list(range(i, i + g)) for i in range(0, n - g + 1, g)]
    if g == 3:
        tickets = [a + b for a, b in itertools.combinations(groups, 2)]
    else:
        need = set(itertools.combinations(range(len(groups)), 2))
        tickets = []
        while need:
            best = max(itertools.combinations(range(len(groups)), 3),
                       key=lambda c: sum(p in need for p in itertools.combinations(c, 2)))
            need -= set(itertools.combinations(best, 2))
            tickets.append(sum((groups[i] for i in best), []))
    emit(n, m, t, tickets)


def paired_halves():
    """The 175 tickets of G = 15, numbers from 0 (the second half is 15..29)."""
    points = range(1, 16)
    lines = sorted({tuple(sorted((a, b, a ^ b))) for a in points for b in points if a < b})
    classes = []

    def spreads(chosen, used):   # sets of five disjoint lines, the lowest free number first
        if len(chosen) == 5:
            yield tuple(chosen)
            return
        first = min(p for p in points if p not in used)
        for line in lines:
            if first in line and not used & set(line):
                yield from spreads(chosen + [line], used | set(line))

    all_spreads = list(spreads([], set()))

    def pack(taken):   # seven spreads using every line once
        if len(classes) == 7:
            return True
        first = min(line for line in lines if line not in taken)
        for spread in all_spreads:
            if first in spread and not taken & set(spread):
                classes.append(spread)
                if pack(taken | set(spread)):
                    return True
                classes.pop()
        return False

    pack(set())
    return [[a - 1 for a in x] + [b + 14 for b in y] for c in classes for x in c for y in c]


def emit(n, m, t, tickets):
    print('# a frame of whole groups (scripts/wheel-frame.py); it leaves draws open\n')
    print('%d %d %d %d' % (n, m, t, len(tickets)))
    for b in tickets:
        print(''.join('%02d' % (x + 1) for x in sorted(b)))
    print()


if __name__ == '__main__':
    main()
