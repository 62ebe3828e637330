#!/usr/bin/python3
"""The frame of date of `polaride-cli ephem --stars` against independent references.

usage: frame_reference.py POLARIDE_CLI DATA_DIR

Rows, each an altitude and azimuth of Polaride beside a reference value at the same
instant and place (UT taken as UT1; no refraction on either side):

  stars   The 20 brightest named stars ("STERNNAM") at their catalogue places of
          "STERNKAT" (2000.0, no proper motion, no parallax), at three instants in 1950,
          2026 and 2100, over Berlin and Sydney: the `stars` array of `ephem --stars`
          against Skyfield's apparent place of Star(ra_hours, dec_degrees).
          Limit 0.01 degrees in altitude and in azimuth times cos(altitude).
  bodies  Sun, Moon (topocentric) and Mercury to Uranus of `ephem` at the same instants
          and places against PyEphem's apparent topocentric altitude and azimuth
          (pressure 0: no refraction), within what the program's theories can give
          (the limits of tools/reference/ephem_reference.py); Ceres and Vesta against
          PyEphem's elliptic orbit of the same "ASTEROID.TXT" elements (ecliptic and
          equinox 2000.0), the pair the program chooses for the instant: 0.01 degrees.

What comes from where in the star reference:
  - Skyfield (python3-skyfield): the time scale (UT1 as given, its own Delta T for TT),
    precession IAU 2006 and nutation IAU 2000A (the frame of date), Greenwich apparent
    sidereal time, the WGS84 observer's position and velocity, the aberration formula
    (skyfield.relativity.add_aberration) and the transform to the horizon (altaz).
  - PyEphem (python3-ephem): the Earth's position and velocity, which Skyfield would
    take from a JPL ephemeris file (none on this machine, none downloaded): minus the
    Sun's astrometric geocentric place of 2000.0, heliocentric, differenced over
    +-0.01 day for the velocity. Heliocentric rather than barycentric velocity differs
    by the Sun's motion about the barycentre, at most 0.015 km/s of 30 km/s: below
    0.01" of aberration.
  - Left out: light deflection by the Sun (Skyfield's apparent() would add it with the
    ephemeris file; 0.004" at 90 degrees from the Sun), diurnal parallax of stars.
    Skyfield's observer moves with the Earth's rotation, Polaride's does not: the
    diurnal aberration, at most 0.32" (0.0001 degrees), is in the deviations.

Satellite rows (an element set propagated by the program and by Skyfield's SGP4) can
be added as one more function in ROW_SOURCES returning Row values, with the limit of
their kind in LIMITS.
Exit status 1 when a row exceeds its limit.
"""
import json
import math
import os
import subprocess
import sys
from collections import namedtuple

import ephem
import numpy as np
from skyfield.api import Star, load, wgs84
from skyfield.positionlib import Apparent
from skyfield.relativity import add_aberration
from skyfield.vectorlib import VectorFunction

JD1900 = 2415020.0  # JD1900 and ephem.Date count from 1899 December 31, 12:00 UT

PLACES = [("Berlin", 52.52, 13.405), ("Sydney", -33.87, 151.21)]
INSTANTS = [  # JD1900, UT
    ("1950-03-21 04:10", 18341.673611),
    ("2026-12-09 02:34", 46363.607060),
    ("2100-07-15 21:45", 73245.406250),
]
STAR_COUNT = 20
LIMITS = {  # degrees
    "stars": 0.01,
    "Sonne": 0.01, "Mond": 0.1, "Merkur": 0.05, "Venus": 0.05, "Mars": 0.12,
    "Jupiter": 0.25, "Saturn": 0.6, "Uranus": 0.02, "Ceres": 0.01, "Vesta": 0.01,
}

Row = namedtuple("Row", "kind name when where alt az ref_alt ref_az")


def run_ephem(cli, data_dir, jd1900, lat, lon):
    out = subprocess.run([cli, "ephem", "--jd", repr(jd1900), "--lon", str(lon), "--lat",
                          str(lat), "--height", "0", "--zone", "0", "--stars", "--data", data_dir],
                         capture_output=True, text=True, check=True)
    return json.loads(out.stdout)


def brightest_named_stars(data_dir, count):
    """(name, ra_hours, dec_deg) of the brightest named stars, by catalogue magnitude."""
    with open(os.path.join(data_dir, "STERNKAT"), encoding="latin-1") as f:
        catalogue = f.read().splitlines()
    stars = []
    with open(os.path.join(data_dir, "STERNNAM"), encoding="latin-1") as f:
        for line in f:
            number, name = int(line[0:5]), line[5:25].strip()
            record = catalogue[number - 1]
            stars.append((float(record[14:19]), name, float(record[0:7]), float(record[7:14])))
    stars.sort()
    return [(name, ra, dec) for _, name, ra, dec in stars[:count]]


class EarthFromPyEphem(VectorFunction):
    """The Earth's heliocentric position and velocity (au, au/day, ICRS axes)."""
    center = 0
    target = 399

    @staticmethod
    def position(jd1900):
        sun = ephem.Sun()
        sun.compute(ephem.Date(jd1900), epoch="2000")
        ra, dec, r = float(sun.a_ra), float(sun.a_dec), sun.earth_distance
        return -r * np.array([math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra),
                              math.sin(dec)])

    def _at(self, t):
        d = float(t.ut1) - JD1900
        h = 0.01
        v = (self.position(d + h) - self.position(d - h)) / (2 * h)
        return self.position(d), v, None, None


def skyfield_star_altaz(ts, earth, jd1900, lat, lon, ra_hours, dec_deg):
    t = ts.ut1_jd(jd1900 + JD1900)
    astrometric = (earth + wgs84.latlon(lat, lon)).at(t).observe(
        Star(ra_hours=ra_hours, dec_degrees=dec_deg))
    position = astrometric.position.au.copy()
    observer = astrometric.center_barycentric
    add_aberration(position, observer.velocity.au_per_d, astrometric.light_time)
    apparent = Apparent(position, None, t, astrometric.center, astrometric.target)
    apparent.center_barycentric = observer
    alt, az, _ = apparent.altaz()
    return alt.degrees, az.degrees


def pyephem_altaz(jd1900, lat, lon, body):
    obs = ephem.Observer()
    obs.lat, obs.lon = str(lat), str(lon)
    obs.elevation = 0
    obs.pressure = 0
    obs.date = ephem.Date(jd1900)
    body.compute(obs)
    return math.degrees(float(body.alt)), math.degrees(float(body.az))


def asteroid_bodies(data_dir, jd1900):
    """Ceres and Vesta as PyEphem orbits of the "ASTEROID.TXT" pair the program uses:
    the first pair when the instant is at most 100 days past its epoch, else the first
    pair within 100 days of the instant, else the last pair."""
    with open(os.path.join(data_dir, "ASTEROID.TXT"), encoding="latin-1") as f:
        lines = [line for line in f.read().splitlines() if line.strip()]
    pairs = [(lines[i], lines[i + 1]) for i in range(0, len(lines) - 1, 2)]

    def epoch(line):  # Julian Day number of the day whose 0:00 is the epoch
        return float(line[0:7]) + 0.5 - JD1900

    chosen = pairs[-1]
    for n, pair in enumerate(pairs):
        d = jd1900 - epoch(pair[1])
        if (n == 0 and d <= 100) or abs(d) < 100:
            chosen = pair
            break
    bodies = {}
    for name, line in zip(("Ceres", "Vesta"), chosen):
        fields = [float(x) for x in line.split()]
        b = ephem.EllipticalBody()
        b._M, b._a, b._e, b._Om, b._om, b._inc = fields[1:7]
        b._epoch_M = ephem.Date(epoch(chosen[1]))  # the days count from the second line
        b._epoch = "2000"
        b._H, b._G = 3.0, 0.1
        bodies[name] = b
    return bodies


def star_and_body_rows(cli, data_dir):
    ts = load.timescale(builtin=True)
    earth = EarthFromPyEphem()
    wanted = brightest_named_stars(data_dir, STAR_COUNT)
    bodies = {"Sonne": ephem.Sun, "Mond": ephem.Moon, "Merkur": ephem.Mercury,
              "Venus": ephem.Venus, "Mars": ephem.Mars, "Jupiter": ephem.Jupiter,
              "Saturn": ephem.Saturn, "Uranus": ephem.Uranus}
    rows = []
    for when, jd1900 in INSTANTS:
        for where, lat, lon in PLACES:
            r = run_ephem(cli, data_dir, jd1900, lat, lon)
            ours = {s["name"]: s for s in r["stars"]}
            for name, ra, dec in wanted:
                ref_alt, ref_az = skyfield_star_altaz(ts, earth, jd1900, lat, lon, ra, dec)
                s = ours[name]
                rows.append(Row("stars", name, when, where, s["alt_deg"], s["az_deg"],
                                ref_alt, ref_az))
            ours = {"Sonne": r["sun"], "Mond": r["moon"]}
            ours.update({b["name"]: b for b in r["bodies"]})
            orbits = asteroid_bodies(data_dir, jd1900)
            for name, make in list(bodies.items()) + [(n, lambda n=n: orbits[n]) for n in orbits]:
                ref_alt, ref_az = pyephem_altaz(jd1900, lat, lon, make())
                b = ours[name]
                rows.append(Row(name, name, when, where, b["alt_deg"], b["az_deg"],
                                ref_alt, ref_az))
    return rows


def deviations(row):
    """Altitude difference and azimuth difference on the sky (times cos altitude)."""
    d_az = (row.az - row.ref_az + 180.0) % 360.0 - 180.0
    return abs(row.alt - row.ref_alt), abs(d_az) * math.cos(math.radians(row.ref_alt))


# Each source takes (polaride-cli, data folder) and returns its rows.
ROW_SOURCES = [star_and_body_rows]


def main():
    cli, data_dir = sys.argv[1], sys.argv[2]
    rows = [row for source in ROW_SOURCES for row in source(cli, data_dir)]
    worst = {}
    failures = []
    for row in rows:
        d_alt, d_az = deviations(row)
        limit = LIMITS[row.kind]
        key = row.kind
        if key not in worst or max(d_alt, d_az) > max(worst[key][0], worst[key][1]):
            worst[key] = (d_alt, d_az, row)
        if d_alt > limit or d_az > limit:
            failures.append("%s %s, %s, %s: altitude %.5f / %.5f, azimuth %.5f / %.5f (limit %g)"
                            % (row.kind, row.name, row.when, row.where, row.alt, row.ref_alt,
                               row.az, row.ref_az, limit))
    counts = {}
    for row in rows:
        counts[row.kind] = counts.get(row.kind, 0) + 1
    print("frame of date: %d rows, largest deviations (degrees; azimuth times cos altitude):"
          % len(rows))
    for key in sorted(worst, key=lambda k: (k != "stars", k)):
        d_alt, d_az, row = worst[key]
        print("  %-8s %3d rows  altitude %.6f  azimuth %.6f  (%s, %s, %s; limit %g)"
              % (key, counts[key], d_alt, d_az, row.name, row.when, row.where, LIMITS[key]))
    if failures:
        print("FAILED:")
        for f in failures:
            print("  " + f)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
