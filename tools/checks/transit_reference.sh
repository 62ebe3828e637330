#!/usr/bin/env bash
# Transits of the ISS (25544) and the Chinese station (48274) in front of the Sun and the
# Moon from data/active-2026-04.tle, 01.04.2026 + 14 days, at places on or near centre
# lines in Europe, South America and Australia, against Skyfield's SGP4 with the same
# elements and PyEphem's Sun and Moon (no JPL ephemeris file offline; refraction off).
# Every listed approach: instant within 0.5 s, least separation within 0.02 degrees,
# centre line within 1 km. Skips when the packages or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/checks/lib/pass-check-setup.bash
pass_check_setup "skyfield, ephem, numpy" "python3-skyfield / python3-ephem"
tle=data/active-2026-04.tle
tle_abs=$(realpath "$tle")
places=(
    "Paris-Nord 48.9753 2.3898 40"
    "Santiago -33.3789 -70.7212 500"
    "Sydney -33.9237 151.2407 40"
    "Brisbane -27.5327 153.1087 30"
)
list="["
for entry in "${places[@]}"; do
    read -r name lat lon height <<<"$entry"
    (cd "$work" && "$cli_abs" transits --tle "$tle_abs" --catnr 25544,48274 --date 01.04.2026 \
        --days 14 --lat "$lat" --lon "$lon" --height "$height" --zone 0 --place "$name" \
        --json > "$name.json" 2>/dev/null)
    list+="{\"name\": \"$name\", \"lat\": $lat, \"lon\": $lon, \"height_m\": $height,"
    list+=" \"json\": \"$work/$name.json\"},"
done
echo "${list%,}]" > "$work/places.json"
"$py" tools/checks/transit_reference.py "$tle" "$work/places.json"
