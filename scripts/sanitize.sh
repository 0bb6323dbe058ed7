#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the test suite on that build. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ssq_install_missing "${SSQ_PACKAGES[@]}" "${SSQ_TEST_PACKAGES[@]}"
dir=build-asan
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
# Leaks are checked on their own (the toolkit's caches live until exit); here every
# memory error and every undefined behaviour ends the test with a report.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QTWEBENGINE_DISABLE_SANDBOX=1
xvfb=(xvfb-run -a -s "-screen 0 1600x1200x24")
"${xvfb[@]}" ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -E '_x11$' "$@"

# The tests on the real X server show the web view. Two checks are relaxed for them
# only, for faults inside prebuilt third-party code: libxkbcommon-x11 hands strndup()
# a name that is not NUL-terminated (strict_string_checks), and the browser engine
# frees objects through a base class of another size (new_delete_type_mismatch).
ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0:new_delete_type_mismatch=0 \
  "${xvfb[@]}" ctest --test-dir "$dir" --output-on-failure -R '_x11$' "$@"

# Leaks: the test suite again under LeakSanitizer. What the toolkit and the system's
# libraries keep until the process ends is listed in scripts/lsan.supp; any other leak,
# the program's own, fails the run. The _x11 tests stay out: the browser engine leaves
# allocations of a library it has already unloaded, which no suppression can name.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
"${xvfb[@]}" ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" -E '_x11$' "$@"
