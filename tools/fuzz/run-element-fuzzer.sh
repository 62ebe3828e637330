#!/usr/bin/env bash
# Builds the element-file fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time.
#   tools/fuzz/run-element-fuzzer.sh [SECONDS]      (default 30)
# Build products go to $FUZZ_BUILD_DIR (default build-fuzz beside the sources).
# Skips (exit 0) when clang or libFuzzer is not installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-${FUZZ_SECONDS:-30}}"
out="${FUZZ_BUILD_DIR:-$root/build-fuzz}"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ not installed, skipped"
    exit 0
fi
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long){return 0;}' |
        clang++ -x c++ -fsanitize=fuzzer - -o /dev/null >/dev/null 2>&1; then
    echo "fuzz: libFuzzer not available, skipped"
    exit 0
fi

mkdir -p "$out/obj" "$out/corpus"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(ccache); fi
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined
       -fno-sanitize-recover=undefined -DUSE_OS_TZDB=1 -I"$root")

# The satellite engine, the prediction engine and the core beneath them (plain C++,
# so every core source can be taken as it is).
sources=("$root"/satellite/*.cpp "$root"/prediction/*.cpp "$root"/core/*.cpp)
newest_header="$(ls -t "$root"/satellite/*.h "$root"/prediction/*.h "$root"/core/*.h | head -n1)"
objects=()
pending=()
for src in "${sources[@]}"; do
    obj="$out/obj/$(basename "$(dirname "$src")")_$(basename "${src%.cpp}").o"
    objects+=("$obj")
    # A header may have changed under an old object: with ccache every object is
    # rebuilt (cheaply), without it only those older than their source or any header.
    if [[ ${#launcher[@]} -gt 0 || ! -f "$obj" || "$src" -nt "$obj" || "$newest_header" -nt "$obj" ]]; then
        pending+=("$src" "$obj")
    fi
done
if ((${#pending[@]})); then
    printf '%s\0' "${pending[@]}" |
        xargs -0 -n2 -P2 sh -c "${launcher[*]:-} clang++ ${flags[*]} -c \"\$0\" -o \"\$1\""
fi

clang++ "${flags[@]}" -fsanitize=fuzzer "$root/tools/fuzz/element_fuzzer.cpp" "${objects[@]}" \
    -lerfa -ldate-tz -o "$out/element_fuzzer"

# Seeds: the small element fixtures of the tests, two-line and OMM CSV.
for seed in "$root"/tests/fixtures/satellite/*.tle "$root"/tests/fixtures/satellite/*.csv; do
    [[ -f "$seed" ]] && cp -f "$seed" "$out/corpus/"
done

echo "fuzz: running element_fuzzer for ${seconds} s"
cd "$out"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ./element_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
    -print_final_stats=1 corpus 2>&1 | tail -n 25
exit "${PIPESTATUS[0]}"
