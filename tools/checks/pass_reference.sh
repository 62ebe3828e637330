#!/usr/bin/env bash
# Pass search against an independent SGP4 prediction (python3-skyfield, python3-ephem):
# one night over Berlin a day after the epochs of data/visual-2026-04.tle.
#  1. the dialog's defaults: culmination times and altitudes of the listed passes;
#  2. no shadow search and no magnitude limit: no SGP4 culmination in the window missing.
# Skips when the packages, the data file or the built polaride-cli are missing.
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
place=(--lon 13.4 --lat 52.5 --height 40 --zone 2 --place Berlin --date 22.04.2026 --nights 1)
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all "${place[@]}" --min-alt 10 --max-sun -5 \
    --mag 6 --json > passes.json)
echo "-- dialog defaults"
"$py" tools/checks/pass_reference.py "$work/passes.json" "$tle" --lat 52.5 --lon 13.4 --height 40 \
    --max-sun -5
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all "${place[@]}" --min-alt 10 --max-sun -5 \
    --mag 99 --no-shadow --json > all.json)
echo "-- every culmination (no shadow search, no magnitude limit)"
# 22.04.2026 16:00 UTC .. 23.04.2026 06:00 UTC spans the night. Passes that barely clear
# the minimum altitude culminate flatly (the closest approach to the orbital plane and
# the highest altitude can lie half a minute apart there): 45 s for this list.
"$py" tools/checks/pass_reference.py "$work/all.json" "$tle" --lat 52.5 --lon 13.4 --height 40 \
    --max-sun -5 --min-alt 10 --max-dt 45 --window-start 2461153.1667 --window-end 2461153.75
