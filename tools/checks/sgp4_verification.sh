#!/usr/bin/env bash
# SGP4/SDP4 against Vallado's verification set: every case of SGP4-VER.TLE at every
# time listed in tcppver.out, as shipped by Debian's python3-sgp4 (read from the
# installed package, nothing of them copied into the project), through
# polaride-cli sgp --model sgp4: within 1 m in position and 1 mm/s in velocity, and an
# orbit error where the verification run stops early.
# Skips when python3-sgp4's files or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=${POLARIDE_CLI:-build/cli/polaride-cli}
py=/usr/bin/python3
[ -x "$py" ] || py=python3
folder=$("$py" -c "import os, sgp4; print(os.path.dirname(sgp4.__file__))" 2>/dev/null || true)
if [ -z "$folder" ] || [ ! -f "$folder/SGP4-VER.TLE" ] || [ ! -f "$folder/tcppver.out" ]; then
    echo "skip: python3-sgp4 with SGP4-VER.TLE and tcppver.out not installed"; exit 0
fi
if [ ! -x "$cli" ]; then
    echo "skip: $cli missing"; exit 0
fi
"$py" tools/checks/sgp4_verification.py "$(realpath "$cli")" "$folder/SGP4-VER.TLE" \
    "$folder/tcppver.out"
