#!/usr/bin/env bash
# Altitudes and azimuths of the frame of date: the named stars of `polaride-cli ephem
# --stars` against Skyfield's apparent places, Sun, Moon and planets against PyEphem
# (tools/checks/frame_reference.py says what comes from where). Skips when
# python3-skyfield, python3-ephem or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${POLARIDE_CLI:-build/cli/polaride-cli}"
py=/usr/bin/python3
[ -x "$py" ] || py=python3
if ! "$py" -c "import skyfield, ephem, numpy" 2>/dev/null; then
    echo "frame reference: python3-skyfield / python3-ephem not installed, skipped"
    exit 0
fi
if [ ! -x "$cli" ]; then
    echo "frame reference: $cli not built, skipped"
    exit 0
fi
"$py" tools/checks/frame_reference.py "$cli" "$PWD/data"
