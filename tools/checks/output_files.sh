#!/usr/bin/env bash
# `polaride-cli chart --out` never destroys what stands at the output's name: a
# character device node in its place (made with mknod like /dev/null, 1,3) stays a
# device node, and a write-protected file (mode 0444) is refused with status 1 and
# stays byte for byte. The device part needs the right to make device nodes (root)
# and is skipped without it.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${POLARIDE_CLI:-build/cli/polaride-cli}"
if [ ! -x "$cli" ]; then
    echo "output files: $cli not built, skipped"
    exit 0
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
chart() { QT_QPA_PLATFORM=offscreen "$cli" chart --date 15.01.2026 --time 20:00 --data data --out "$@"; }

if mknod "$out/null" c 1 3 2>/dev/null; then
    chart "$out/null" 2>/dev/null || { echo "output files: writing into a device node failed"; exit 1; }
    [ -c "$out/null" ] || { echo "output files: the device node was replaced"; exit 1; }
    device="device node kept"
else
    device="device node skipped (mknod not permitted here)"
fi

printf 'alte Karte\r\n' >"$out/kept.png"
chmod 0444 "$out/kept.png"
cp -p "$out/kept.png" "$out/original"
status=0
chart "$out/kept.png" 2>"$out/err" || status=$?
[ "$status" -eq 1 ] || { echo "output files: write-protected --out gave status $status"; exit 1; }
grep -q "schreibgeschützt" "$out/err" || { echo "output files: no message: $(cat "$out/err")"; exit 1; }
cmp -s "$out/kept.png" "$out/original" || { echo "output files: write-protected file changed"; exit 1; }
[ "$(stat -c %a "$out/kept.png")" = 444 ] || { echo "output files: mode changed"; exit 1; }
echo "output files: ok ($device, write-protected file refused and unchanged)"
