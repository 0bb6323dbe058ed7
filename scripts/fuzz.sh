#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and, for each one, replays its seed corpus and
# then fuzzes for a bounded time. An input that fails (crash, leak, time-out, memory) is
# copied into fuzz/corpus/<target>/ as a new seed, so that the replay in ./test fails on it,
# the same way every time, until the fault is mended. A failing target does not stop the
# others; the exit status is non-zero if any failed.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default $SSQ_FUZZ_SECONDS, else 8)
#   SSQ_FUZZ_SECONDS=600 scripts/fuzz.sh     a longer session: ten minutes per target
#   SSQ_FUZZ_DIR=/elsewhere scripts/fuzz.sh  build in another folder (default build-fuzz)
#   SSQ_FUZZ_ONLY=chart_pages scripts/fuzz.sh   one target only
set -uo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.." || exit 2
seconds=${1:-${SSQ_FUZZ_SECONDS:-8}}
dir=${SSQ_FUZZ_DIR:-build-fuzz}
scratches=()
trap 'rm -rf "${scratches[@]}"' EXIT
if [ ! -f "$dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSSQ_FUZZ=ON >/dev/null || exit 2
fi
cmake --build "$dir" -j"$(nproc)" || exit 2
status=0
for bin in "$dir"/bin/fuzz_*; do
  name=$(basename "$bin"); name=${name#fuzz_}
  if [ -n "${SSQ_FUZZ_ONLY:-}" ] && [ "$name" != "$SSQ_FUZZ_ONLY" ]; then continue; fi
  # A target whose source is gone (renamed) may still lie in the build folder.
  [ -f "fuzz/fuzz_$name.cpp" ] || continue
  seeds=fuzz/corpus/$name
  scratch=$(mktemp -d)
  scratches+=("$scratch")
  mkdir -p "$seeds"
  # Replay: every committed input must pass.
  if ! "$bin" -runs=0 "$seeds" >"$scratch/replay.log" 2>&1; then
    echo "fuzz $name: replay FAILED"; tail -n 30 "$scratch/replay.log"; status=1; continue
  fi
  if "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$scratch/" "$scratch" "$seeds" >"$scratch/run.log" 2>&1; then
    runs=$(grep -Eo '^#[0-9]+' "$scratch/run.log" | tail -n 1 | tr -d '#')
    echo "fuzz $name: ok, ${runs:-?} executions in ${seconds}s"
  else
    echo "fuzz $name: FAILED"; tail -n 40 "$scratch/run.log"
    status=1
  fi
  for found in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
    cp "$found" "$seeds/"
    echo "fuzz $name: new seed $seeds/$(basename "$found")"
  done
done
exit $status
