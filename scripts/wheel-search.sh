#!/usr/bin/env bash
# The long search behind the shipped wheels: goes through the cases still above the best
# known size (smallest first), gives each CPU_SECONDS of processor time at a time and
# keeps a wheel only when it is smaller and passes the exhaustive check. Stop it at any
# time; started again it goes on from OUT. Copy OUT over src/core/wheel/WheelTable.txt
# (keeping its header) when a round has improved entries. ONLY limits a run to the cases
# it lists, in its order ("12:6-5 14:6-4": those closest to their record first).
#
#   [ONLY="N:M-T ..."] scripts/wheel-search.sh [OUT] [CPU_SECONDS] [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/wheel-search.txt}
secs=${2:-120}
rounds=${3:-1000}
bench=${BENCH:-$here/build/bin/bench_wheel}
[ -f "$out" ] || cp "$here/src/core/wheel/WheelTable.txt" "$out"
# n, guarantee, best known size (wheel-records.md), smallest cases first.
cases="
12 6-5 38
15 5-3 7
18 5-3 12
14 6-4 14
14 5-4 29
15 6-4 19
15 5-4 40
16 4-3 16
17 4-3 20
18 4-3 24
19 4-3 30
20 4-3 35
18 3-3 48
19 3-3 60
20 3-3 71
16 6-4 25
17 6-4 33
18 6-4 42
19 6-4 53
20 6-4 66
16 5-4 52
17 5-4 66
18 5-4 81
19 5-4 111
20 5-4 139
14 4-4 80
15 4-4 117
16 4-4 152
17 4-4 188
18 4-4 236
19 4-4 325
20 4-4 382
14 6-5 98
15 6-5 142
16 6-5 223
14 5-5 371
15 5-5 578
16 5-5 808
17 6-5 332
18 6-5 471
19 6-5 646
20 6-5 844
17 5-5 1202
18 5-5 1530
19 5-5 2167
20 5-5 2800
"
if [ -n "${ONLY:-}" ]; then
    picked=""
    for c in $ONLY; do
        picked+=$(awk -v n="${c%%:*}" -v g="${c#*:}" '$1==n && $2==g' <<< "$cases")$'\n'
    done
    cases=$picked
fi
size_of() { awk -v n="$1" -v g="$2" 'BEGIN{split(g,a,"-")} $1==n && $2==a[1] && $3==a[2] && NF==4 {print $4; exit}' "$out"; }
for ((r = 0; r < rounds; ++r)); do
    left=0
    while read -r n g best; do
        [ -n "$n" ] || continue
        have=$(size_of "$n" "$g")
        if [ -n "$have" ] && [ "$have" -le "$best" ]; then continue; fi
        left=1
        nice -n 19 "$bench" --table "$out" "$n" "$n" "$secs" "$g"
    done <<< "$cases"
    [ "$left" = 1 ] || break
done
