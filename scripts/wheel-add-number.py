#!/usr/bin/env python3
"""A wheel over one number more, from two entries in the short orbit form (OUT.orbits of
scripts/wheel-orbit.sh), C(v+1,6,t) <= C(v,6,t) + C(v,5,t-1):

    scripts/wheel-add-number.py SIX FIVE >> src/core/wheel/WheelOrbits.txt

SIX is a wheel "中t保t" over v numbers; FIVE holds tickets of five numbers over the same v
in which every t-1 of them meet (scripts/wheel-orbit.sh v t-1 t-1 OUT --k 5 ...). The new
number v+1 is added to every ticket of FIVE: a draw of t without it is held by SIX, a
draw with it by the ticket of FIVE holding its other t-1. Both groups fix v+1. The
program checks the entry exhaustively when it reads it.
"""
import sys


def read(path):
    lines = [l.split() for l in open(path).read().split('\n') if l.strip()]
    n, m, t, size = map(int, lines[0])
    return n, m, t, size, lines[1:]


def main():
    v, m, t, six_size, six = read(sys.argv[1])
    v2, m2, t2, five_size, five = read(sys.argv[2])
    if v2 != v or m != t or m2 != t - 1 or t2 != t - 1:
        sys.exit('need SIX 中t保t and FIVE 中(t-1)保(t-1) over the same numbers')
    extra = '%02d' % (v + 1)
    out = ['%d %d %d %d' % (v + 1, t, t, six_size + five_size)]
    for words in six:
        if words[0] == 'g':
            out.append('g ' + words[1] + extra)
        else:
            out.append(' '.join(words))
    for words in five:
        if words[0] == 'g':
            out.append('g ' + words[1] + extra)
        else:
            tickets = []
            for w in words[1:]:
                if len(w) != 10:
                    sys.exit('FIVE must hold tickets of five numbers')
                nums = sorted([int(w[i:i + 2]) for i in range(0, 10, 2)] + [v + 1])
                tickets.append(''.join('%02d' % x for x in nums))
            out.append('o ' + ' '.join(tickets))
    print('\n' + '\n'.join(out))


main()
