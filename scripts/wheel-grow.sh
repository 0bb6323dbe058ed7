#!/usr/bin/env bash
# A wheel over one number more than the table's wheel over n-1, then annealed: the part of
# five-number tickets, "中(m-1)保(t-1)" over n-1, is searched first (scripts/wheel-orbit.sh
# --k 5, single tickets), joined with the table's entry by scripts/wheel-add-number.py, and
# the joined wheel annealed ticket by ticket (--mode sa) down from its size.
#
#   scripts/wheel-grow.sh N M T [PART_SECONDS] [SA_SECONDS] [DIR]
#
# DIR (default /tmp/wheel-grow-N-M-T) keeps part.txt, start.txt and out.txt, the smallest
# wheel found; copy it back with scripts/wheel-split.py src/core/wheel/WheelTable.txt
# --merge DIR/out.txt when it is smaller than the table's. Run again, it starts afresh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
n=$1 m=$2 t=$3 part_s=${4:-120} sa_s=${5:-600}
dir=${6:-/tmp/wheel-grow-$n-$m-$t}
mkdir -p "$dir"
rm -f "$dir/part.txt" "$dir/part.txt.orbits"
# The entry over n-1 numbers, from either file of the table.
awk -v h="$((n - 1)) $m $t" '$1" "$2" "$3 == h && NF == 4 {f = 1} f && NF == 0 {exit} f' \
    "$here/src/core/wheel/WheelTable.txt" "$here/src/core/wheel/WheelOrbits.txt" > "$dir/base.txt"
[ -s "$dir/base.txt" ] || { echo "no entry $((n - 1)) $m $t in the table" >&2; exit 1; }
"$here/scripts/wheel-orbit.sh" $((n - 1)) $((m - 1)) $((t - 1)) "$dir/part.txt" --k 5 --seconds "$part_s" | grep -v 'open at best' || true
python3 "$here/scripts/wheel-add-number.py" "$dir/base.txt" "$dir/part.txt.orbits" > "$dir/start.txt"
printf '# grown from %s numbers\n' $((n - 1)) > "$dir/out.txt"
echo "start: $(grep -E "^$n $m $t [0-9]+$" "$dir/start.txt")"
"$here/scripts/wheel-orbit.sh" "$n" "$m" "$t" "$dir/out.txt" --mode sa --from "$dir/start.txt" --seconds "$sa_s" \
    --t0 0.6 --t1 0.05 --steps 20000000 | grep -v 'open at best' || true
echo "best: $(grep -E "^$n $m $t [0-9]+$" "$dir/out.txt")"
