#!/usr/bin/env python3
# Groups for scripts/wheel-orbit.sh that act alike on several copies of a small geometry,
# printed as its --group perm:... arguments.
#
#   scripts/wheel-groups.py LINE COPIES FIXED [--drop I,J] GENERATOR...
#
# LINE: a prime q or 9 for the projective line over GF(q) (q+1 numbers, infinity last), or
# b11 for the eleven points of the biplane of the quadratic residues mod 11 under PSL(2,11).
# Copy e holds the numbers e*len+1 .. (e+1)*len; FIXED numbers follow, never moved.
# GENERATOR: T x -> x+1, Ti x -> x+i (GF(9) = GF(3)[i], i^2 = -1), M x -> a x (a generating the
# nonzero squares), W x -> g x (g primitive), J x -> -1/x, F x -> x^3 (GF(9)), B the biplane's
# involution, S the copies rotated. --drop removes numbers (from 0) that every generator
# fixes, e.g. one infinity.
# e.g. scripts/wheel-orbit.sh 30 4 4 /tmp/w.txt --mode ilp --seconds 200 \
#          $(for g in $(scripts/wheel-groups.py 9 3 0 T Ti M J); do echo --group $g; done)
import sys


def gf9():
    els = [(a, b) for b in range(3) for a in range(3)]
    mul = lambda p, q: ((p[0] * q[0] - p[1] * q[1]) % 3, (p[0] * q[1] + p[1] * q[0]) % 3)
    add = lambda p, q: ((p[0] + q[0]) % 3, (p[1] + q[1]) % 3)
    inv = lambda p: next(q for q in els if mul(p, q) == (1, 0))
    idx = {x: x[0] + 3 * x[1] for x in els}
    g = (1, 1)   # 1 + i has order 8

    def moebius(a, b, c, d):   # x -> (ax + b) / (cx + d) on indices, infinity = 9
        def f(i):
            if i == 9:
                return 9 if c == (0, 0) else idx[mul(a, inv(c))]
            x = els[i]
            num, den = add(mul(a, x), b), add(mul(c, x), d)
            return 9 if den == (0, 0) else idx[mul(num, inv(den))]
        return [f(i) for i in range(10)]
    z, one = (0, 0), (1, 0)
    return 10, {'T': moebius(one, one, z, one), 'Ti': moebius(one, (0, 1), z, one),
                'M': moebius(mul(g, g), z, z, one), 'W': moebius(g, z, z, one),
                'J': moebius(z, (2, 0), one, z), 'F': [idx[mul(mul(x, x), x)] for x in els] + [9]}


def prime(q):
    g = next(a for a in range(2, q) if len({pow(a, k, q) for k in range(q - 1)}) == q - 1)
    aff = lambda f: [f(x) % q for x in range(q)] + [q]
    return q + 1, {'T': aff(lambda x: x + 1), 'M': aff(lambda x: x * g * g), 'W': aff(lambda x: x * g),
                   'J': [q] + [(-pow(x, q - 2, q)) % q for x in range(1, q)] + [0]}


def biplane():
    return 11, {'T': [(x + 1) % 11 for x in range(11)], 'M': [3 * x % 11 for x in range(11)],
                'B': [0, 9, 6, 3, 5, 4, 2, 8, 7, 1, 10]}


args = sys.argv[1:]
line, copies, fixed = args[0], int(args[1]), int(args[2])
args = args[3:]
drop = []
if args and args[0] == '--drop':
    drop = [int(v) for v in args[1].split(',')]
    args = args[2:]
size, maps = gf9() if line == '9' else biplane() if line == 'b11' else prime(int(line))
n = size * copies + fixed
out = []
for name in args:
    img = list(range(n))
    for e in range(copies):
        for x in range(size):
            img[e * size + x] = ((e + 1) % copies) * size + x if name == 'S' else e * size + maps[name][x]
    assert sorted(img) == list(range(n)), name
    assert all(img[d] == d for d in drop), ('a dropped number moves', name)
    keep = [x for x in range(n) if x not in drop]
    to = {x: i for i, x in enumerate(keep)}
    out.append('perm:' + ','.join(str(to[img[x]] + 1) for x in keep))
print(' '.join(out))
