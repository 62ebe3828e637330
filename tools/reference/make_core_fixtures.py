#!/usr/bin/python3
"""Regenerates the reference tables of tests/fixtures/core/*.inc from PyEphem (Debian's
python3-ephem, VSOP87 / ELP theories): geocentric apparent places of Jupiter, Saturn and
Uranus, and Sun and Moon rise and set instants of the centre without refraction.

JD1900 and ephem.Date count days from the same origin (1899 December 31, 12:00 UT).
usage: make_core_fixtures.py OUTPUT_DIR
"""
import math
import os
import sys

import ephem


def planets():
    rows = ["        // {JD1900 UT, body, RA h, Dec deg, tolerance deg}: PyEphem %s g_ra/g_dec"
            " (apparent of date)" % ephem.__version__]
    for t in [22000.25, 27000.5, 32900.75, 40000.0, 44000.5, 50000.0]:
        for idx, body in ((5, ephem.Jupiter()), (6, ephem.Saturn())):
            body.compute(ephem.Date(t))
            tol = 0.25 if idx == 5 else 0.6
            rows.append("        {%.4f, %d, %.6f, %.5f, %.2f}," % (
                t, idx, float(body.g_ra) * 12 / math.pi, math.degrees(float(body.g_dec)), tol))
    # Uranus from the VSOP87 series: within 0.002 degrees only with light time,
    # aberration and nutation.
    for t in [22000.25, 32900.75, 44000.5, 50000.0]:
        body = ephem.Uranus()
        body.compute(ephem.Date(t))
        rows.append("        {%.4f, 7, %.7f, %.6f, 0.002}," % (
            t, float(body.g_ra) * 12 / math.pi, math.degrees(float(body.g_dec))))
    return "\n".join(rows) + "\n"


# (name, latitude, east longitude, zone hours, local date as JD1900 of 0:00 UT)
PLACES = [
    ("Berlin winter", 52.52, 13.40, 1.0, 45300.5),
    ("Berlin summer", 52.52, 13.40, 2.0, 45460.5),
    ("Quito", -0.22, -78.51, -5.0, 45400.5),
    ("Sydney", -33.87, 151.21, 10.0, 45320.5),
    ("Tromsoe spring", 69.65, 18.96, 1.0, 45370.5),
    ("Anchorage 1975", 61.22, -149.90, -10.0, 27500.5),
]


def events(body_factory, horizon):
    rows = ["        // {latitude, east longitude, zone h, currentJD, setting, rising}: PyEphem %s,"
            " centre at %s, no refraction" % (ephem.__version__, horizon)]
    for name, lat, lon, zone, day in PLACES:
        obs = ephem.Observer()
        obs.lat = str(lat)
        obs.lon = str(lon)
        obs.elevation = 0
        obs.pressure = 0
        obs.horizon = horizon
        noon = day + (12.0 - zone) / 24.0
        body = body_factory()
        # The rising and setting around the transit nearest local noon.
        obs.date = ephem.Date(noon)
        after = float(obs.next_transit(body))
        obs.date = ephem.Date(noon)
        before = float(obs.previous_transit(body))
        transit = after if after - noon < noon - before else before
        obs.date = ephem.Date(transit)
        try:
            setting = float(obs.next_setting(body, use_center=True))
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            setting = 0.0
        obs.date = ephem.Date(transit)
        try:
            rising = float(obs.previous_rising(body, use_center=True))
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            rising = 0.0
        rows.append("        {%.2f, %.2f, %.1f, %.4f, %.6f, %.6f},  // %s" % (
            lat, lon, zone, noon, setting, rising, name))
    return "\n".join(rows) + "\n"


def main():
    out = sys.argv[1]
    with open(os.path.join(out, "modern_planets.inc"), "w") as f:
        f.write(planets())
    with open(os.path.join(out, "modern_sun_events.inc"), "w") as f:
        f.write(events(ephem.Sun, "-0:49:59"))
    with open(os.path.join(out, "modern_moon_events.inc"), "w") as f:
        f.write(events(ephem.Moon, "-0:34:01"))


if __name__ == "__main__":
    main()
