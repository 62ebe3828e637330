#!/usr/bin/env bash
# The visible part of every listed pass (start, highest point, end) against Skyfield's
# SGP4 with the same elements (python3-skyfield, python3-ephem for the Sun): the 148
# sets of data/visual-2026-04.tle over two nights from 22.04.2026 at Berlin and Sydney,
# with the pass dialog's defaults. Rise and set within 5 s, shadow exit and entry within
# 10 s, the Sun's limit within 10 s, the highest point within 5 s and 0.05 degrees.
# The program's shadow cylinder has the ellipsoid radius under the satellite, Skyfield's
# is_sunlit a sphere of the equatorial radius: the shadow events are held to 10 s against
# is_sunlit's geometry with the program's radius, and the differences against the
# sphere itself are printed for information.
# Skips when the packages, the data file or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/checks/lib/pass-check-setup.bash
pass_check_setup "skyfield, ephem, numpy" "python3-skyfield / python3-ephem"
limits=(--date 22.04.2026 --nights 2 --min-alt 10 --max-sun -5 --mag 6 --shadow --first-half
    --second-half --no-brightest)
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all --lon 13.4 --lat 52.5 --height 40 \
    --zone 2 --place Berlin "${limits[@]}" --json > berlin.json)
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all --lon 151.21 --lat -33.87 --height 40 \
    --zone 10 --place Sydney "${limits[@]}" --json > sydney.json)
place_args=(--place Berlin 52.5 13.4 40 "$work/berlin.json" --place Sydney -33.87 151.21 40
    "$work/sydney.json")
echo "-- the program's shadow model (cylinder of the ellipsoid radius under the satellite)"
"$py" tools/checks/pass_events_reference.py "$tle" --min-alt 10 --max-sun -5 \
    --shadow-radius ellipsoid "${place_args[@]}"
echo "-- for information, not counted: is_sunlit's sphere of the equatorial radius (a shadow"
echo "   up to 21 km wider at these latitudes, so its entries and exits differ by the model)"
"$py" tools/checks/pass_events_reference.py "$tle" --min-alt 10 --max-sun -5 \
    --shadow-radius sphere "${place_args[@]}" || true
