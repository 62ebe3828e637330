#!/ usr / bin / env python3
"""Satellite transits of the Sun and the Moon against an independent computation.

The satellite comes from Skyfield's EarthSatellite (SGP4) with the same elements; since
no JPL ephemeris file is at hand offline, the Sun and the Moon come from PyEphem
(VSOP87 and ELP, apparent topocentric places, refraction off: pressure 0). For every
approach the program listed (its JSON), this script finds on its own:
  - the instant of least separation and the separation there (Brent's method);
  - the centre line: the point where the line from the body's centre through the
    satellite meets the WGS-84 ellipsoid raised by the place's height, nearest to the
    place; its distance from the place.
and holds the program to: instant within 0.5 s, separation within 0.02 degrees, centre
line (its distance and its nearest point) within 1 km.

  transit_reference.py TLE PLACES.json   (PLACES: [{"name", "lat", "lon", "height_m",
                                            "json": program output}, ...])
"""
import json
import math
import sys
from datetime import datetime, timedelta, timezone

import ephem
import numpy as np
from skyfield.api import EarthSatellite, load, wgs84
from skyfield.framelib import itrs

WGS84_A = 6378.137
WGS84_B = WGS84_A * (1.0 - 1.0 / 298.257223563)
AU_KM = 149597870.7
EPOCH_1900 = datetime(1899, 12, 31, 12, 0, 0, tzinfo=timezone.utc)

ts = load.timescale()


def least(f, a, b, tolerance=1e-3):
    """The minimum (x, f(x)) of a unimodal f in [a, b] by golden-section search."""
    g = (math.sqrt(5) - 1) / 2
    c, d = b - g * (b - a), a + g * (b - a)
    fc, fd = f(c), f(d)
    while b - a > tolerance:
        if fc < fd:
            b, d, fd = d, c, fc
            c = b - g * (b - a)
            fc = f(c)
        else:
            a, c, fc = c, d, fd
            d = a + g * (b - a)
            fd = f(d)
    x = (a + b) / 2
    return x, f(x)


def read_sets(path):
    lines = [l.rstrip("\r\n") for l in open(path, encoding="latin-1")]
    sets = {}
    for i in range(len(lines) - 1):
        if lines[i].startswith("1 ") and lines[i + 1].startswith("2 "):
            sets[int(lines[i][2:7])] = (lines[i], lines[i + 1])
    return sets


def moment(jd1900):
    return EPOCH_1900 + timedelta(days=jd1900)


class Sky:
    def __init__(self, line1, line2, lat, lon, height_m):
        self.sat = EarthSatellite(line1, line2, "", ts)
        self.topos = wgs84.latlon(lat, lon, elevation_m=height_m)
        self.place_km = np.array(self.topos.itrs_xyz.km)
        self.lat, self.lon, self.height_km = math.radians(lat), math.radians(lon), height_m / 1000
        self.observer = ephem.Observer()
        self.observer.lat, self.observer.lon = str(lat), str(lon)
        self.observer.elevation = height_m
        self.observer.pressure = 0.0
        sl, cl, so, co = (math.sin(self.lat), math.cos(self.lat), math.sin(self.lon),
                          math.cos(self.lon))
        self.east = np.array([-so, co, 0.0])
        self.north = np.array([-sl * co, -sl * so, cl])
        self.up = np.array([cl * co, cl * so, sl])

    def unit(self, alt, az):
        return (math.cos(alt) * math.sin(az) * self.east + math.cos(alt) * math.cos(az) *
                self.north + math.sin(alt) * self.up)

    def body(self, name, jd1900):
        self.observer.date = ephem.Date(moment(jd1900).replace(tzinfo=None))
        b = ephem.Sun() if name == "sun" else ephem.Moon()
        b.compute(self.observer)
        return b

    def separation_deg(self, name, jd1900):
        t = ts.from_datetime(moment(jd1900))
        alt, az, _ = (self.sat - self.topos).at(t).altaz()
        b = self.body(name, jd1900)
        s = self.unit(alt.radians, az.radians)
        u = self.unit(float(b.alt), float(b.az))
        return math.degrees(math.atan2(np.linalg.norm(np.cross(s, u)), np.dot(s, u)))

    def centre_point(self, name, jd1900):
        t = ts.from_datetime(moment(jd1900))
        satellite = np.array(self.sat.at(t).frame_xyz(itrs).km)
        b = self.body(name, jd1900)
        body = self.place_km + self.unit(float(b.alt), float(b.az)) * b.earth_distance * AU_KM
        d = satellite - body
        d /= np.linalg.norm(d)
        scale = np.array([WGS84_A + self.height_km] * 2 + [WGS84_B + self.height_km])
        p, q = satellite / scale, d / scale
        qa, qb, qc = q @ q, 2 * p @ q, p @ p - 1
        if qb * qb - 4 * qa * qc < 0:
            return None  # the line misses the Earth
        lam = (-qb - math.sqrt(qb * qb - 4 * qa * qc)) / (2 * qa)
        return satellite + lam * d

    def centre_line(self, name, jd1900):
        def f(s):
            p = self.centre_point(name, jd1900 + s / 86400)
            return 1e9 if p is None else np.linalg.norm(p - self.place_km)
        grid = np.arange(-30.0, 30.5, 1.0)
        s0 = grid[np.argmin([f(s) for s in grid])]
        x, distance = least(f, s0 - 1, s0 + 1)
        return distance, self.centre_point(name, jd1900 + x / 86400)


def main():
    sets = read_sets(sys.argv[1])
    places = json.load(open(sys.argv[2]))
    worst = {"instant_s": 0.0, "separation_deg": 0.0, "centre_km": 0.0, "point_km": 0.0}
    limits = {"instant_s": 0.5, "separation_deg": 0.02, "centre_km": 1.0, "point_km": 1.0}
    failures, count, transits = 0, 0, 0
    for place in places:
        approaches = json.load(open(place["json"]))
        for a in approaches:
            sky = Sky(*sets[a["catnr"]], place["lat"], place["lon"], place["height_m"])
            t0 = a["jd1900"]
            f = lambda s: sky.separation_deg(a["body"], t0 + s / 86400)
            dt, separation = least(f, -5, 5)
            distance, point = sky.centre_line(a["body"], t0)
            p = wgs84.latlon(a["centre_line_lat_deg"], a["centre_line_lon_deg"],
                             elevation_m=place["height_m"]).itrs_xyz.km
            found = {"instant_s": abs(dt), "separation_deg": abs(separation - a["separation_deg"]),
                     "centre_km": abs(distance - a["centre_line_km"]),
                     "point_km": float(np.linalg.norm(np.array(p) - point))}
            bad = [k for k in found if found[k] > limits[k]]
            for k in found:
                worst[k] = max(worst[k], found[k])
            count += 1
            transits += 1 if a["is_transit"] else 0
            print(f"{place['name']:10s} {a['catnr']:5d} {a['body']:4s} {a['utc']} "
                  f"sep {a['separation_deg']:.4f}/{separation:.4f} dt {dt:+.3f} s "
                  f"centre {a['centre_line_km']:.2f}/{distance:.2f} km "
                  f"point {found['point_km']:.2f} km {'FAIL ' + ','.join(bad) if bad else 'ok'}")
            failures += 1 if bad else 0
    print("largest deviations: instant %.3f s, separation %.4f deg, centre line %.3f km, "
          "its point %.3f km" % (worst["instant_s"], worst["separation_deg"], worst["centre_km"],
                                 worst["point_km"]))
    print(f"{count} approaches ({transits} transits), {failures} outside the limits")
    if count == 0:
        print("no approach listed: the places no longer see any")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
