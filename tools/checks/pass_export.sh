#!/usr/bin/env bash
# The calendar (--ics) and the table (--csv) of a two-night search over Berlin with the
# 148 sets of data/visual-2026-04.tle, read back with Python's icalendar
# (python3-icalendar) and csv against the JSON of the same search: one event per pass
# with a visible part, DTSTART and DTEND its start and end in UTC, one CSV row per pass.
# Skips when python3-icalendar, the data file or the built polaride-cli are missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/checks/lib/pass-check-setup.bash
pass_check_setup "icalendar" "python3-icalendar"
(cd "$work" && "$cli_abs" passes --tle "$tle_abs" --all --date 27.04.2026 --nights 2 \
    --lon 13.4 --lat 52.5 --height 40 --tz Europe/Berlin --place Berlin --min-alt 10 \
    --max-sun -5 --mag 6 --shadow --first-half --second-half --no-brightest \
    --json --ics passes.ics --csv passes.csv > passes.json)
"$py" tools/checks/pass_export.py "$work/passes.json" "$work/passes.ics" "$work/passes.csv"
