#!/usr/bin/env python3
"""The visible part of every listed pass against Skyfield's SGP4 (python3-skyfield).

Reads the JSON pass lists of `polaride-cli passes --json` (one per place) and the
element file they used. For every pass with a visible part, Skyfield finds with the
same elements, around the pass (15 minutes beyond each end):
  - the rising and setting through the minimum altitude (find_events),
  - the shadow exit and entry (is_sunlit: the Earth a sphere, the Sun a point; the
    Sun's geocentric place from python3-ephem, since no ephemeris file is at hand),
  - the moments the Sun crosses the altitude limit (python3-ephem, no refraction),
and from them the visible part that holds the program's highest point: its start
(the latest of the three), its end (the earliest) and its highest point (the
culmination inside it, else its higher end). Compared:
  - start and end times: --max-rise-dt for a rise or set, --max-shadow-dt for a shadow
    exit or entry, --max-twilight-dt for the Sun's limit;
  - the highest point where it is a culmination: --max-peak-dt and --max-peak-dalt.
The program's shadow is a cylinder of the ellipsoid radius under the satellite's
latitude; --shadow-radius ellipsoid gives Skyfield's test that radius (the same
model, so that only the orbits and the Sun are compared), sphere (the default) the
radius of is_sunlit. Both worst differences are printed.
Exit status 0 when every compared event is inside its limit, 1 otherwise.
"""
import argparse
import json
import math
import sys

import ephem
import numpy
from skyfield.api import EarthSatellite, load, wgs84
from skyfield.geometry import intersect_line_and_sphere
from skyfield.positionlib import ERAD
from skyfield.searchlib import find_discrete

AU_M = 149597870700.0
TT_MINUS_UTC = 69.184 / 86400.0  # skyfield's builtin leap seconds (37 s) + 32.184 s
WGS72_A_M, WGS72_F = 6378135.0, 1.0 / 298.26


def read_tle(path):
    sats = {}
    with open(path, encoding="latin-1") as f:
        lines = [l.rstrip("\r\n") for l in f if l.strip()]
    for i in range(0, len(lines) - 2, 3):
        name, l1, l2 = lines[i], lines[i + 1], lines[i + 2]
        if l1.startswith("1 ") and l2.startswith("2 "):
            sats.setdefault(float(l1[2:7]), (name.strip(), l1, l2))
    return sats


class SunTable:
    """The Sun from PyEphem on a one-minute grid, linear between: its geocentric
    astrometric place (GCRS, metres) and its altitude at the place."""

    def __init__(self, lat, lon, height, jd_start, jd_end):
        self.jd = numpy.arange(jd_start, jd_end + 1.0 / 1440.0, 1.0 / 1440.0)
        obs = ephem.Observer()
        obs.lat, obs.lon = str(lat), str(lon)
        obs.elevation = height
        obs.pressure = 0  # no refraction
        sun = ephem.Sun()
        xyz, alt = [], []
        for jd in self.jd:
            date = ephem.Date(jd - 2415020.0)  # ephem's day 0 is JD 2415020.0
            sun.compute(date)
            r = sun.earth_distance * AU_M
            ra, dec = float(sun.a_ra), float(sun.a_dec)
            xyz.append((r * math.cos(dec) * math.cos(ra), r * math.cos(dec) * math.sin(ra),
                        r * math.sin(dec)))
            obs.date = date
            sun.compute(obs)
            alt.append(math.degrees(sun.alt))
        self.xyz = numpy.array(xyz).T
        self.alt = numpy.array(alt)

    def position_m(self, jd_utc):
        return numpy.array([numpy.interp(jd_utc, self.jd, c) for c in self.xyz])

    def altitude(self, jd_utc):
        return numpy.interp(jd_utc, self.jd, self.alt)


class SunEphemeris:
    """What is_sunlit asks of an ephemeris, `(eph['sun'] - eph['earth']).at(t)`,
    answered from the SunTable."""

    def __init__(self, table):
        self.table = table

    def __getitem__(self, name):
        return self

    def __sub__(self, other):
        return self

    def at(self, t):
        table = self.table

        class Position:
            class position:
                m = table.position_m(t.tt - TT_MINUS_UTC)
        return Position


def sunlit(geocentric, sun_table, radius):
    if radius == "sphere":
        return geocentric.is_sunlit(SunEphemeris(sun_table))
    # The ellipsoid radius under the satellite's geocentric latitude.
    earth_m = -geocentric.position.m
    sun_m = sun_table.position_m(geocentric.t.tt - TT_MINUS_UTC)
    sin_psi = -earth_m[2] / numpy.sqrt((earth_m * earth_m).sum(axis=0))
    e2 = 2 * WGS72_F - WGS72_F * WGS72_F
    r = WGS72_A_M * numpy.sqrt((1 - e2) / (1 - e2 * (1 - sin_psi * sin_psi)))
    _, far = intersect_line_and_sphere(sun_m + earth_m, earth_m, r)
    return numpy.nan_to_num(far) <= 0


def transitions(ts, jd0, jd1, f, step_days):
    f.step_days = step_days
    t, v = find_discrete(ts.tt_jd(jd0 + TT_MINUS_UTC), ts.tt_jd(jd1 + TT_MINUS_UTC), f)
    return [(ti - TT_MINUS_UTC, bool(vi)) for ti, vi in zip(t.tt, v)]


def reference_part(ts, sat, place, sun_table, args, radius, jd0, jd1, anchor):
    """Start, end (JD UTC, reason) and highest point of Skyfield's visible part that
    holds `anchor`; None where no boundary lies within [jd0, jd1]."""
    t0, t1 = ts.tt_jd(jd0 + TT_MINUS_UTC), ts.tt_jd(jd1 + TT_MINUS_UTC)
    times, kinds = sat.find_events(place, t0, t1, altitude_degrees=args.min_alt)
    events = [(ti - TT_MINUS_UTC, int(k)) for ti, k in zip(times.tt, kinds)]
    boundaries = [(jd, k == 0, "altitude") for jd, k in events if k != 1]

    def lit(t):
        return sunlit(sat.at(t), sun_table, radius)
    boundaries += [(jd, on, "shadow") for jd, on in transitions(ts, jd0, jd1, lit, 20 / 86400)]

    def dark(t):
        return sun_table.altitude(t.tt - TT_MINUS_UTC) < args.max_sun
    boundaries += [(jd, on, "twilight") for jd, on in transitions(ts, jd0, jd1, dark, 60 / 86400)]
    start = max(((jd, why) for jd, on, why in boundaries if on and jd <= anchor), default=None)
    end = min(((jd, why) for jd, on, why in boundaries if not on and jd >= anchor), default=None)
    if start is None or end is None:
        return start, end, None
    culminations = [jd for jd, k in events if k == 1 and start[0] < jd < end[0]]

    def altitude(jd):
        return (sat - place).at(ts.tt_jd(jd + TT_MINUS_UTC)).altaz()[0].degrees
    if culminations:
        best = max(culminations, key=altitude)
        highest = (best, altitude(best), True)
    else:
        best = max((start[0], end[0]), key=altitude)
        highest = (best, altitude(best), False)
    return start, end, highest


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("tle_file")
    ap.add_argument("--place", nargs=5, action="append", required=True,
                    metavar=("NAME", "LAT", "LON", "HEIGHT", "JSON"))
    ap.add_argument("--min-alt", type=float, default=10.0)
    ap.add_argument("--max-sun", type=float, default=-5.0)
    ap.add_argument("--max-rise-dt", type=float, default=5.0)
    ap.add_argument("--max-shadow-dt", type=float, default=10.0)
    ap.add_argument("--max-twilight-dt", type=float, default=10.0)
    ap.add_argument("--max-peak-dt", type=float, default=5.0)
    ap.add_argument("--max-peak-dalt", type=float, default=0.05)
    ap.add_argument("--shadow-radius", choices=("sphere", "ellipsoid"), default="sphere")
    args = ap.parse_args()
    limit = {"altitude": args.max_rise_dt, "shadow": args.max_shadow_dt,
             "twilight": args.max_twilight_dt}
    program_reason = {"rise": "altitude", "set": "altitude", "shadow": "shadow",
                      "twilight": "twilight"}

    tles = read_tle(args.tle_file)
    ts = load.timescale(builtin=True)
    margin = 15.0 / 1440.0
    failed = compared = without = 0
    worst = {}  # (kind, reason) -> (|dt|, text)
    worst_peak_dt = worst_peak_dalt = (0.0, "")
    reason_mismatch = 0
    for name, lat, lon, height, json_file in args.place:
        lat, lon, height = float(lat), float(lon), float(height)
        place = wgs84.latlon(lat, lon, elevation_m=height)
        passes = json.load(open(json_file))
        if not passes:
            print(f"{name}: no passes listed")
            return 1
        jds = [2415020.0 + p["time_jd1900"] for p in passes]
        sun_table = SunTable(lat, lon, height, min(jds) - 0.2, max(jds) + 0.2)
        sats = {}
        for p in passes:
            if p["start"] is None:
                without += 1
                print(f'  {name}: no visible part: {p["name"]} {p["date"]} {p["time"]}')
                continue
            cat = float(p["catnr"])
            if cat not in sats:
                _, l1, l2 = tles[cat]
                sats[cat] = EarthSatellite(l1, l2, p["name"], ts)
            sat = sats[cat]
            start_jd = 2415020.0 + p["start"]["jd1900"]
            end_jd = 2415020.0 + p["end"]["jd1900"]
            peak_jd = 2415020.0 + p["highest"]["jd1900"]
            label = f'{name} {p["name"]} {p["date"]} {p["time"]}'
            start, end, highest = reference_part(ts, sat, place, sun_table, args,
                                                 args.shadow_radius, start_jd - margin,
                                                 end_jd + margin, (start_jd + end_jd) / 2)
            compared += 1
            for kind, mine, ref, reason in (("start", start_jd, start, p["start_reason"]),
                                            ("end", end_jd, end, p["end_reason"])):
                if ref is None:
                    failed += 1
                    print(f"  {label}: Skyfield finds no {kind} within 15 minutes")
                    continue
                dt = (mine - ref[0]) * 86400.0
                key = (kind, ref[1])
                if abs(dt) > worst.get(key, (0.0, ""))[0]:
                    worst[key] = (abs(dt), f"{dt:+.2f} s, {label}")
                if program_reason[reason] != ref[1]:
                    reason_mismatch += 1
                    print(f"  {label}: {kind} {reason}, Skyfield {ref[1]} ({dt:+.2f} s)")
                if abs(dt) > limit[ref[1]]:
                    failed += 1
                    print(f"  outside: {label}: {kind} ({ref[1]}) {dt:+.2f} s")
            if highest is None or not highest[2]:
                continue  # the highest point is an end of the part: compared there
            dt = (peak_jd - highest[0]) * 86400.0
            dalt = p["highest"]["alt_deg"] - highest[1]
            if abs(dt) > abs(worst_peak_dt[0]):
                worst_peak_dt = (dt, label)
            if abs(dalt) > abs(worst_peak_dalt[0]):
                worst_peak_dalt = (dalt, label)
            if abs(dt) > args.max_peak_dt or abs(dalt) > args.max_peak_dalt:
                failed += 1
                print(f"  outside: {label}: highest point {dt:+.2f} s {dalt:+.4f} deg")
    print(f"compared {compared} passes ({without} without a visible part), shadow radius "
          f"{args.shadow_radius}; {reason_mismatch} with another reason at a boundary")
    for key in sorted(worst):
        print(f"largest {key[0]} difference ({key[1]}): {worst[key][1]}")
    print(f"highest point: largest time difference {worst_peak_dt[0]:+.2f} s ({worst_peak_dt[1]}), "
          f"altitude {worst_peak_dalt[0]:+.4f} deg ({worst_peak_dalt[1]})")
    print(f"{failed} events outside {args.max_rise_dt} s (rise, set) / {args.max_shadow_dt} s "
          f"(shadow) / {args.max_twilight_dt} s (Sun's limit) / {args.max_peak_dt} s and "
          f"{args.max_peak_dalt} deg (highest point)")
    return 1 if failed or without else 0


if __name__ == "__main__":
    sys.exit(main())
