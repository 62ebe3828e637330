#!/usr/bin/env bash
# `polaride-cli chart` renders the winter-evening chart offscreen: a PNG of the main
# window's client area (640 x 442) whose sky disc is dark, with the white rim and
# stars on it. Skips when the command-line program or ImageMagick is absent.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${POLARIDE_CLI:-build/cli/polaride-cli}"
if [ ! -x "$cli" ]; then
    echo "chart image: $cli not built, skipped"
    exit 0
fi
if ! command -v identify >/dev/null || ! command -v convert >/dev/null; then
    echo "chart image: ImageMagick not installed, skipped"
    exit 0
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$cli" chart --out "$out/chart.png" --date 15.01.2026 --time 20:00 --data data 2>/dev/null
size="$(identify -format '%wx%h' "$out/chart.png")"
[ "$size" = "640x442" ] || { echo "chart image: size $size, expected 640x442"; exit 1; }
# The rim at the top of the disc (397, 220 - 206) is white; the sky at the zenith
# region is black at -32 degrees Sun altitude, and the disc holds many white stars.
rim="$(convert "$out/chart.png" -format '%[hex:p{397,14}]' info:)"
[ "${rim:0:6}" = "FFFFFF" ] || { echo "chart image: rim pixel $rim is not white"; exit 1; }
white="$(convert "$out/chart.png" -crop 300x300+247+70 +repage -fill black +opaque white -format '%[fx:mean*w*h]' info:)"
awk -v n="$white" 'BEGIN { exit !(n > 300) }' || { echo "chart image: only $white white pixels in the disc"; exit 1; }
# Bad options are refused with status 2.
if "$cli" chart --out "$out/x.png" --lat 95 --lon 10 2>/dev/null; then
    echo "chart image: --lat 95 accepted"; exit 1
else
    [ $? -eq 2 ] || { echo "chart image: wrong status for a bad option"; exit 1; }
fi
echo "chart image: ok ($white white pixels in the disc)"
