#!/usr/bin/env bash
# The satellite engine under AddressSanitizer and UndefinedBehaviorSanitizer: builds
# only the satellite tests (no windows) in their own build folder and runs them,
# then runs the element-file fuzzer for a bounded time.
#   SAT_SANITIZE_BUILD_DIR  build folder (default build-satellite-sanitize)
#   FUZZ_SECONDS            fuzzing time in seconds (default 30; 0 skips fuzzing)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${SAT_SANITIZE_BUILD_DIR:-$root/build-satellite-sanitize}"
jobs="${SAT_SANITIZE_JOBS:-2}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOLARIDE_SANITIZE=ON \
    -DPOLARIDE_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target satellite_tests >/dev/null

echo "satellite tests with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LC_ALL=C.UTF-8 "$build/tests/satellite_tests" --gtest_brief=1

seconds="${FUZZ_SECONDS:-30}"
if [[ "$seconds" != "0" ]]; then
    FUZZ_BUILD_DIR="$build/fuzz" bash "$root/tools/fuzz/run-element-fuzzer.sh" "$seconds"
fi
