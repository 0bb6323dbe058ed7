#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and, for each one, replays its seed corpus and
# then fuzzes for a bounded time. New inputs go to a scratch folder, never into fuzz/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default $SSQ_FUZZ_SECONDS, else 8)
#   SSQ_FUZZ_SECONDS=600 scripts/fuzz.sh     a longer session: ten minutes per target
#   SSQ_FUZZ_DIR=/elsewhere scripts/fuzz.sh  build in another folder (default build-fuzz)
#   SSQ_FUZZ_ONLY=chart_pages scripts/fuzz.sh   one target only
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${SSQ_FUZZ_SECONDS:-8}}
dir=${SSQ_FUZZ_DIR:-build-fuzz}
if [ ! -f "$dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSSQ_FUZZ=ON >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
status=0
for bin in "$dir"/bin/fuzz_*; do
  name=$(basename "$bin"); name=${name#fuzz_}
  if [ -n "${SSQ_FUZZ_ONLY:-}" ] && [ "$name" != "$SSQ_FUZZ_ONLY" ]; then continue; fi
  # A target whose source is gone (renamed) may still lie in the build folder.
  [ -f "fuzz/fuzz_$name.cpp" ] || continue
  seeds=fuzz/corpus/$name
  scratch=$(mktemp -d)
  mkdir -p "$seeds"
  # Replay: every committed input must pass.
  if ! "$bin" -runs=0 "$seeds" >"$scratch/replay.log" 2>&1; then
    echo "fuzz $name: replay FAILED"; tail -n 30 "$scratch/replay.log"; status=1; continue
  fi
  if "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$scratch/" "$scratch" "$seeds" >"$scratch/run.log" 2>&1; then
    runs=$(grep -Eo '^#[0-9]+' "$scratch/run.log" | tail -n 1 | tr -d '#' || true)
    echo "fuzz $name: ok, ${runs:-?} executions in ${seconds}s"
  else
    echo "fuzz $name: FAILED"; tail -n 40 "$scratch/run.log"; ls "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* 2>/dev/null
    status=1
  fi
  rm -rf "$scratch"
done
exit $status
