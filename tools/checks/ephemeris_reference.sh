#!/usr/bin/env bash
# Sun, Moon, planets, minor body and rise/set times of `polaride-cli ephem` against
# PyEphem (Debian python3-ephem). Skips when PyEphem or the command-line program is absent.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli="${POLARIDE_CLI:-build/cli/polaride-cli}"
python=/usr/bin/python3
if [ ! -x "$python" ] || ! "$python" -c 'import ephem' 2>/dev/null; then
    echo "ephemeris reference: python3-ephem not installed, skipped"
    exit 0
fi
if [ ! -x "$cli" ]; then
    echo "ephemeris reference: $cli not built, skipped"
    exit 0
fi
"$python" tools/reference/ephem_reference.py "$cli" "$PWD/data" "${EPHEM_REFERENCE_SAMPLES:-120}"
