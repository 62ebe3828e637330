#!/usr/bin/env bash
# Pass search against an independent SGP4 prediction (python3-skyfield, python3-ephem):
# one night over Berlin two days after the epochs of data/visual-2026-04.tle. Skips
# when the packages, the data file or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=${POLARIDE_CLI:-build/cli/polaride-cli}
tle=data/visual-2026-04.tle
py=/usr/bin/python3
[ -x "$py" ] || py=python3
if ! "$py" -c "import skyfield, ephem, numpy" 2>/dev/null; then
    echo "skip: python3-skyfield / python3-ephem not installed"; exit 0
fi
if [ ! -x "$cli" ] || [ ! -f "$tle" ]; then
    echo "skip: $cli or $tle missing"; exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tle_abs=$(realpath "$tle")
cli_abs=$(realpath "$cli")
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all --date 22.04.2026 --nights 1 \
    --lon 13.4 --lat 52.5 --height 40 --zone 2 --place Berlin --min-alt 10 --max-sun -5 \
    --mag 6 --json > passes.json)
"$py" tools/checks/pass_reference.py "$work/passes.json" "$tle" --lat 52.5 --lon 13.4 --height 40 --max-sun -5
