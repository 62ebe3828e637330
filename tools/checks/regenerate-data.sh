#!/usr/bin/env bash
# Rebuilds the data files from the raw sources in ../shared/data-sources into a
# temporary folder and compares them byte for byte with data/. Skips when the raw
# sources (or python3) are not there.
set -euo pipefail
cd "$(dirname "$0")/../.."
sources="../shared/data-sources"
if [ ! -d "$sources" ]; then
    echo "skipped: $sources not present"
    exit 0
fi
if ! command -v python3 >/dev/null; then
    echo "skipped: python3 not installed"
    exit 0
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
python3 tools/make-data/make_data.py --sources "$sources" --output "$out" >/dev/null
status=0
count=0
for generated in "$out"/*; do
    name="$(basename "$generated")"
    count=$((count + 1))
    if [ ! -f "data/$name" ]; then
        echo "data/$name: missing (the generator writes it)"
        status=1
    elif ! cmp -s "$generated" "data/$name"; then
        echo "data/$name: differs from the generator's output"
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    echo "ok: $count data files reproduced byte for byte"
fi
exit "$status"
