#!/usr/bin/env bash
# Satellites in the frame of date: altitude and azimuth of the ISS, HST and a
# geostationary satellite at their epochs and a day later, from polaride-cli sgp
# --model sgp4, against Skyfield's SGP4 (python3-skyfield, WGS84 observer, no
# refraction), within 0.01 degrees at Berlin, Santiago and Sydney.
# Skips when python3-skyfield, the data file or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=${POLARIDE_CLI:-build/cli/polaride-cli}
tle=data/active-2026-04.tle
py=/usr/bin/python3
[ -x "$py" ] || py=python3
if ! "$py" -c "import skyfield" 2>/dev/null; then
    echo "skip: python3-skyfield not installed"; exit 0
fi
if [ ! -x "$cli" ] || [ ! -f "$tle" ]; then
    echo "skip: $cli or $tle missing"; exit 0
fi
"$py" tools/checks/satellite_frame.py "$(realpath "$cli")" "$(realpath "$tle")"
