#!/usr/bin/env bash
# Pass search against an independent SGP4 prediction (python3-skyfield, python3-ephem):
# one night over Berlin a day after the epochs of data/visual-2026-04.tle.
#  1. the dialog's defaults: culmination times and altitudes of the listed passes;
#  2. no shadow search and no magnitude limit: no SGP4 culmination in the window missing.
#  3. 24 hours in duration mode at Santiago, Quito, Tromsø and Berlin for the stations
#     and the bright satellites: every culmination above 12 degrees listed once, within
#     60 s (the search runs with 11 degrees, so model differences near the limit do not
#     decide).
# Skips when the packages, the data file or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/checks/lib/pass-check-setup.bash
pass_check_setup "skyfield, ephem, numpy" "python3-skyfield / python3-ephem"
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

echo "-- 24 hours, every culmination above 12 degrees at four places"
start_jd=2461153.5  # 23.04.2026 00:00 UTC
status=0
for file in data/stations-2026-04.tle data/visual-2026-04.tle; do
    file_abs=$(realpath "$file")
    args=()
    for spec in "Santiago -33.45 -70.67 520" "Quito -0.18 -78.47 2850" "Tromsø 69.65 18.96 10" \
        "Berlin 52.5 13.4 40"; do
        read -r name lat lon height <<<"$spec"
        out="$work/$(basename "$file" .tle)-$lat.json"
        (cd "$work" && "$cli_abs" passes --tle "$file_abs" --all --lat "$lat" --lon "$lon" \
            --height "$height" --zone 0 --date 23.04.2026 --time 00:00 --minutes 1440 \
            --min-alt 11 --mag 99 --no-shadow --json > "$out")
        args+=(--place "$name" "$lat" "$lon" "$height" "$out")
    done
    echo "   $file"
    "$py" tools/checks/pass_completeness.py "$file" "${args[@]}" --start "$start_jd" \
        --minutes 1440 --min-alt 12 --max-dt 60 || status=1
done
exit "$status"
