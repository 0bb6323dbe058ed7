#!/usr/bin/env python3
"""A wheel over one or two numbers more, from two entries (plain or in the short orbit form,
OUT.orbits of scripts/wheel-orbit.sh):

    L(v+1,6,m,t) <= L(v,6,m,t) + L(v,5,m-1,t-1)     L(v+2,6,m,t) <= L(v,6,m,t) + L(v,4,m-1,t-1)

    scripts/wheel-add-number.py SIX PART >> src/core/wheel/WheelOrbits.txt

SIX is a wheel "中m保t" over v numbers; PART holds tickets of five (or four) numbers over
the same v, a wheel "中(m-1)保(t-1)" (scripts/wheel-orbit.sh v m-1 t-1 OUT --k 5 ...).
The new number v+1 (or both v+1 and v+2) is added to every ticket of PART: a draw of m
without a new number is held by SIX; a draw with one has t-1 of its other m-1 in a ticket
of PART, a draw with both t-2 of its other m-2. Every group fixes the new numbers; a PART
found without a group is written as plain tickets. The program checks the entry
exhaustively when it reads it.
"""
import sys


def read(path):
    lines = [l.split() for l in open(path).read().split('\n') if l.strip() and not l.startswith('#')]
    n, m, t, size = map(int, lines[0])
    return n, m, t, size, lines[1:]


def main():
    v, m, t, six_size, six = read(sys.argv[1])
    v2, m2, t2, part_size, part = read(sys.argv[2])
    if v2 != v or m2 != m - 1 or t2 != t - 1:
        sys.exit('need SIX 中m保t and PART 中(m-1)保(t-1) over the same numbers')
    width = {len(w) for words in part if words[0] != 'g' for w in words if w != 'o'}
    if width not in ({8}, {10}):
        sys.exit('PART must hold tickets of five or of four numbers')
    added = list(range(v + 1, v + 1 + 6 - width.pop() // 2))
    extra = ''.join('%02d' % x for x in added)
    out = ['%d %d %d %d' % (v + len(added), m, t, six_size + part_size)]
    for words in six:
        out.append('g ' + words[1] + extra if words[0] == 'g' else ' '.join(words))
    grouped = any(words[0] == 'g' for words in part)
    for words in part:
        if words[0] == 'g':
            out.append('g ' + words[1] + extra)
            continue
        tickets = []
        for w in words[1:] if words[0] == 'o' else words:
            nums = sorted([int(w[i:i + 2]) for i in range(0, len(w), 2)] + added)
            tickets.append(''.join('%02d' % x for x in nums))
        out.append(('o ' if grouped else '') + ' '.join(tickets))
    print('\n' + '\n'.join(out))


main()
