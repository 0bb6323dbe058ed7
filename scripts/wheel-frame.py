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
"""
import itertools
import sys


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    n, m, t = map(int, sys.argv[1:4])
    g = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    if g not in (2, 3):
        sys.exit('G must be 2 or 3')
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
    print('# a frame of whole groups (scripts/wheel-frame.py); it leaves draws open\n')
    print('%d %d %d %d' % (n, m, t, len(tickets)))
    for b in tickets:
        print(''.join('%02d' % (x + 1) for x in sorted(b)))
    print()


if __name__ == '__main__':
    main()
