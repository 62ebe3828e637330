"""The calendar and the table of a pass search against the JSON of the same search:
Python's icalendar reads as many events as passes with a visible part, each from its
start to its end in UTC; Python's csv reads one row per pass under the header."""
import csv
import json
import sys

import icalendar


def main(json_path, ics_path, csv_path):
    with open(json_path, encoding="utf-8") as f:
        passes = json.load(f)
    visible = [p for p in passes if p["start"] is not None]
    with open(ics_path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events = list(calendar.walk("VEVENT"))
    failures = []
    if len(events) != len(visible):
        failures.append(f"{len(events)} events for {len(visible)} passes with a visible part")
    for event, p in zip(events, visible):
        for key, member in (("DTSTART", "start"), ("DTEND", "end")):
            stamp = event.decoded(key).strftime("%Y-%m-%dT%H:%M:%SZ")
            if stamp != p[member]["utc"]:
                failures.append(f"{event['UID']}: {key} {stamp}, JSON {p[member]['utc']}")
    uids = {str(e["UID"]) for e in events}
    if len(uids) != len(events):
        failures.append(f"{len(events) - len(uids)} UIDs twice")
    with open(csv_path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))
    header, body = rows[0], rows[1:]
    if len(body) != len(passes):
        failures.append(f"{len(body)} CSV rows for {len(passes)} passes")
    widths = {len(r) for r in body}
    if widths != {len(header)}:
        failures.append(f"CSV rows of {sorted(widths)} fields under {len(header)} columns")
    for row, p in zip(body, passes):
        if row[header.index("catalog_number")] != str(int(p["catnr"])):
            failures.append(f"CSV row {row[:2]} for catalogue number {p['catnr']}")
            break
    print(f"{len(passes)} passes, {len(visible)} with a visible part; "
          f"{len(events)} calendar events, {len(body)} CSV rows of {len(header)} columns")
    for line in failures[:20]:
        print("FAIL:", line)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
