#!/usr/bin/env python3
"""A wheel made smaller a neighbourhood at a time, each neighbourhood solved exactly.

    scripts/wheel-lns.py N M T OUT [--from FILE] [--free F] [--region R] [--sec S]
                         [--seed X] [--seconds S]

Each step takes R numbers at random and lets go of the F tickets holding most of them
(ties at random); the draws only those tickets held are covered again by the fewest
tickets, an integer program solved by CBC (Debian package coinor-cbc) within S seconds.
Fewer tickets than were let go: a smaller wheel, written to OUT at once. As many: the
wheel takes the new ones all the same, so that the next steps see other neighbourhoods.

It starts from OUT's entry when OUT has one (run again, it goes on), else from FILE's
(default: the table). OUT holds the one entry; copy it back with
scripts/wheel-split.py src/core/wheel/WheelTable.txt --merge OUT.

It pays where annealing has left a wheel loose rather than rigid: 中5保5 over 15 numbers
went from 609 to 603 tickets with --free 100 --region 10 --sec 20, about a ticket per
few hundred steps, while the wheels made of whole orbits under a group did not give way.
"""
import itertools
import os
import random
import re
import shutil
import subprocess
import sys
import time
from math import comb

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_entry(path, n, m, t):
    """The entry "n m t size" of a table file as bit masks of the numbers (1 is bit 0)."""
    if not os.path.exists(path):
        return None
    for block in open(path, encoding='ascii').read().split('\n\n'):
        lines = [l for l in block.strip('\n').split('\n') if l.strip() and not l.startswith('#')]
        if lines and lines[0].split() == [str(n), str(m), str(t), lines[0].split()[-1]]:
            words = [w for l in lines[1:] for w in l.split()]
            if len(words) != int(lines[0].split()[3]) or any(len(w) != 12 for w in words):
                return None   # the short form for orbits: not read here
            return [sum(1 << (int(w[i:i + 2]) - 1) for i in range(0, 12, 2)) for w in words]
    return None


def numbers(mask):
    out = []
    while mask:
        low = mask & -mask
        out.append(low.bit_length() - 1)
        mask ^= low
    return out


def meeting(s, size, other, n, t):
    """Every set of `other` numbers sharing t or more with the set s of `size` numbers."""
    inside, outside = numbers(s), numbers(((1 << n) - 1) & ~s)
    for j in range(t, min(size, other) + 1):
        for a in itertools.combinations(inside, j):
            ma = sum(1 << x for x in a)
            for c in itertools.combinations(outside, other - j):
                yield ma | sum(1 << x for x in c)


def write_entry(path, n, m, t, tickets):
    words = sorted(''.join('%02d' % (x + 1) for x in numbers(b)) for b in tickets)
    lines = ['# scripts/wheel-lns.py', '', '%d %d %d %d' % (n, m, t, len(words))]
    lines += [' '.join(words[i:i + 8]) for i in range(0, len(words), 8)]
    with open(path + '.new', 'w', encoding='ascii') as f:
        f.write('\n'.join(lines) + '\n\n')
    os.replace(path + '.new', path)


def solve(base, rows, columns, seconds, seed):
    """The fewest columns meeting every row (rows: lists of column indices), by CBC; None
    when it found no cover in time."""
    with open(base + '.lp', 'w', encoding='ascii') as lp:
        lp.write('Minimize\n obj:')
        lp.write(''.join(' + x%d%s' % (j, '\n' if j % 16 == 15 else '') for j in range(columns)))
        lp.write('\nSubject To\n')
        for e, row in enumerate(rows):
            lp.write(' c%d:' % e + ''.join(' + x%d%s' % (j, '\n' if k % 16 == 15 else '') for k, j in enumerate(row)))
            lp.write(' >= 1\n')
        lp.write('Binary\n' + ''.join(' x%d%s' % (j, '\n' if j % 16 == 15 else '') for j in range(columns)) + '\nEnd\n')
    if os.path.exists(base + '.sol'):
        os.remove(base + '.sol')
    with open(base + '.log', 'w') as log:
        subprocess.run(['cbc', base + '.lp', '-sec', str(seconds), '-threads', '1', '-randomSeed', str(seed),
                        '-solve', '-solu', base + '.sol'], stdout=log, stderr=subprocess.STDOUT, check=False)
    if not os.path.exists(base + '.sol'):
        return None
    with open(base + '.sol', encoding='ascii') as sol:
        if 'infeasible' in sol.readline().lower():
            return None
        chosen = []
        for line in sol:
            w = line.split()
            if len(w) >= 3 and w[1].startswith('x') and float(w[2]) > 0.5:
                chosen.append(int(w[1][1:]))
    return chosen


def main():
    args = sys.argv[1:]
    if len(args) < 4 or len(args) % 2:
        print(__doc__.strip().split('\n\n')[1], file=sys.stderr)
        return 2
    n, m, t = map(int, args[:3])
    out = args[3]
    opts = dict(zip(args[4::2], args[5::2]))
    free, region = int(opts.get('--free', 100)), int(opts.get('--region', 10))
    sec = int(opts.get('--sec', 20))
    rng = random.Random(int(opts.get('--seed', 1)))
    deadline = time.time() + float(opts.get('--seconds', 3600))
    if shutil.which('cbc') is None:
        print('needs CBC: apt-get install coinor-cbc', file=sys.stderr)
        return 1
    tickets = read_entry(out, n, m, t)
    if tickets is None:
        tickets = read_entry(opts.get('--from', os.path.join(HERE, 'src/core/wheel/WheelTable.txt')), n, m, t)
    if tickets is None:
        print('no plain entry %d %d %d to start from' % (n, m, t), file=sys.stderr)
        return 1
    held = {}   # m-set -> how many tickets hold it
    for b in tickets:
        for s in meeting(b, 6, m, n, t):
            held[s] = held.get(s, 0) + 1
    if len(held) != comb(n, m):
        print('the start leaves %d draws open' % (comb(n, m) - len(held)), file=sys.stderr)
        return 1
    print('%d %d-%d: %d tickets to start' % (n, m, t, len(tickets)), flush=True)
    step = 0
    while time.time() < deadline:
        step += 1
        chosen_numbers = sum(1 << x for x in rng.sample(range(n), region))
        order = sorted(range(len(tickets)), key=lambda i: (-bin(tickets[i] & chosen_numbers).count('1'), rng.random()))
        drop = set(order[:free])
        lost = [s for i in drop for s in meeting(tickets[i], 6, m, n, t)]   # once per step
        for s in lost:
            held[s] -= 1
        opened = sorted({s for s in lost if held[s] == 0})
        candidates = {}
        for e, s in enumerate(opened):
            for b in meeting(s, m, 6, n, t):
                candidates.setdefault(b, []).append(e)
        columns = list(candidates)
        rows = [[] for _ in opened]
        for j, b in enumerate(columns):
            for e in candidates[b]:
                rows[e].append(j)
        if opened:
            picked = solve(out + '.lns', rows, len(columns), sec, rng.randrange(10 ** 6))
            new = [columns[j] for j in picked] if picked else []
        else:   # the tickets let go held nothing alone
            new = []
        fits = (new or not opened) and len(new) <= len(drop) and all(
            any(bin(s & b).count('1') >= t for b in new) for s in opened)
        if fits:
            tickets = [b for i, b in enumerate(tickets) if i not in drop] + new
            lost = [s for b in new for s in meeting(b, 6, m, n, t)]   # the new tickets' draws instead
        for s in lost:   # held again: by the new tickets, or by the let-go ones when none fit
            held[s] += 1
        if fits and len(new) < len(drop):
            assert all(h > 0 for h in held.values())
            write_entry(out, n, m, t, tickets)
            print('%d %d-%d: %d tickets (step %d)' % (n, m, t, len(tickets), step), flush=True)
    return 0


if __name__ == '__main__':
    sys.exit(main())
