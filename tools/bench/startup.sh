#!/usr/bin/env bash
# Start-up time of the window program as a user waits for it: from the kernel's creation
# of the process to the main window's first painted picture (POLARIDE_STARTUP_REPORT,
# see app/startup_report.h), over RUNS starts under a virtual X server (Xvfb, with
# openbox as window manager when that is installed). Prints each run, then min and
# median, then /usr/bin/time for one whole start that ends right after the first paint.
# Every start runs in one fresh copy of data/ and leaves it unchanged.
#
#   tools/bench/startup.sh [PROGRAM [RUNS]]     default build/app/polaride, 10 runs
#
# Needs the Debian package xvfb. The machine's other load shows in the figures: compare
# builds by alternating them (run the script for each, twice).
set -euo pipefail
cd "$(dirname "$0")/../.."
prog=$(realpath "${1:-build/app/polaride}")
runs=${2:-10}
[ -x "$prog" ] || { echo "startup: $prog not built" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "startup: Xvfb missing (apt-get install xvfb)" >&2; exit 1; }

home=$(mktemp -d)
cp -r data/. "$home"/
n=$((90 + RANDOM % 100))
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
export DISPLAY=":$n"
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
fi

times=()
for i in $(seq "$runs"); do
    line=$(cd "$home" && XDG_RUNTIME_DIR="$home" POLARIDE_STARTUP_REPORT=quit "$prog" 2>&1 >/dev/null | grep '^polaride startup:' || true)
    [ -n "$line" ] || { echo "startup: run $i gave no report" >&2; exit 1; }
    echo "run $i: ${line#polaride startup: }"
    times+=("$(sed 's/.*first paint \([0-9]*\) ms.*/\1/' <<<"$line")")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
min=$(head -n1 <<<"$sorted")
median=$(awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }' <<<"$sorted")
echo "first paint over $runs starts: min $min ms, median $median ms"
(cd "$home" && XDG_RUNTIME_DIR="$home" POLARIDE_STARTUP_REPORT=quit /usr/bin/time -f "whole start to first paint and end: %e s wall, %U s user, %S s system, %M kB peak" "$prog" 2>&1 >/dev/null | grep -v '^polaride startup:')
