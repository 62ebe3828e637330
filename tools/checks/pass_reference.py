#!/usr/bin/env python3
"""Independent check of polaride-cli passes against SGP4 (Debian's python3-skyfield).

Reads the JSON pass list of `polaride-cli passes --json` and the element file it used,
finds for every pass the instant of highest altitude with SGP4 (skyfield, WGS84
observer, no refraction) within 20 minutes of the reported time, and compares:
  - the reported time with the SGP4 culmination time (limit --max-dt seconds),
  - the reported altitude with the SGP4 altitude at the culmination (--max-dalt degrees),
  - the reported altitude and azimuth with SGP4's at the reported instant itself
    (--max-instant-dalt, and --max-instant-daz below --zenith-limit), for every pass.
Passes cut by the shadow (shadow_boundary) are skipped, and so are passes whose SGP4
culmination falls where the Sun is above the search's Sun limit (the pass was cut at
the window end). The Sun altitude comes from python3-ephem (no ephemeris download).
With --window-start/--window-end (UTC JD) it also checks completeness, for a run
with --no-shadow and no magnitude limit: every SGP4 culmination above the minimum
altitude (--min-alt) with the Sun below the limit must be in the list (within 2
minutes); culminations within --max-dalt of the minimum altitude may be missing.
Exit status 0 when every compared pass is inside both limits (and none is missing),
1 otherwise.
"""
import argparse
import json
import math
import sys

from skyfield.api import EarthSatellite, load, wgs84
import ephem
import numpy


def read_tle(path):
    sats = {}
    with open(path, encoding="latin-1") as f:
        lines = [l.rstrip("\r\n") for l in f if l.strip()]
    for i in range(0, len(lines) - 2, 3):
        name, l1, l2 = lines[i], lines[i + 1], lines[i + 2]
        if not (l1.startswith("1 ") and l2.startswith("2 ")):
            continue
        sats.setdefault(float(l1[2:7]), (name.strip(), l1, l2))
    return sats


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("json_file")
    ap.add_argument("tle_file")
    ap.add_argument("--lat", type=float, required=True)
    ap.add_argument("--lon", type=float, required=True)
    ap.add_argument("--height", type=float, default=0.0)
    ap.add_argument("--max-sun", type=float, default=-5.0)
    ap.add_argument("--max-dt", type=float, default=30.0)
    ap.add_argument("--max-dalt", type=float, default=0.5)
    # Near the zenith a cross-track offset of a few km moves the altitude by degrees:
    # above this altitude only the time is held to its limit (the differences are shown).
    ap.add_argument("--zenith-limit", type=float, default=80.0)
    ap.add_argument("--min-alt", type=float, default=10.0)
    ap.add_argument("--max-instant-dalt", type=float, default=0.05)
    ap.add_argument("--max-instant-daz", type=float, default=0.1)
    ap.add_argument("--window-start", type=float)
    ap.add_argument("--window-end", type=float)
    args = ap.parse_args()

    passes = json.load(open(args.json_file))
    tles = read_tle(args.tle_file)
    ts = load.timescale(builtin=True)
    place = wgs84.latlon(args.lat, args.lon, elevation_m=args.height)
    sun_obs = ephem.Observer()
    sun_obs.lat, sun_obs.lon = str(args.lat), str(args.lon)
    sun_obs.elevation = args.height
    sun_obs.pressure = 0  # no refraction
    sun = ephem.Sun()

    def sun_alt(jd_utc):
        sun_obs.date = ephem.Date(jd_utc - 2415020.0)  # ephem's day 0 is JD 2415020.0
        sun.compute(sun_obs)
        return math.degrees(sun.alt)

    worst_dt = worst_dalt = worst_low = 0.0
    worst_dt_name = worst_dalt_name = worst_low_name = ""
    compared = skipped_shadow = skipped_window = failed = 0
    worst_inst_alt = worst_inst_az = 0.0
    instant_failed = 0
    for p in passes:
        tle = tles.get(float(p["catnr"]))
        if tle is not None:
            # Altitude and azimuth at the listed instant.
            sat = EarthSatellite(tle[1], tle[2], tle[0], ts)
            jd = 2415020.0 + p["time_jd1900"]
            alt, az, _ = (sat - place).at(ts.tt_jd(jd + 69.184 / 86400.0)).altaz()
            dalt = p["alt_deg"] - alt.degrees
            daz = (p["az_deg"] - az.degrees + 180.0) % 360.0 - 180.0
            worst_inst_alt = max(worst_inst_alt, abs(dalt))
            if alt.degrees < args.zenith_limit:
                worst_inst_az = max(worst_inst_az, abs(daz))
            if abs(dalt) > args.max_instant_dalt or (
                    alt.degrees < args.zenith_limit and abs(daz) > args.max_instant_daz):
                instant_failed += 1
                print(f'  at the instant: {p["name"]} {p["date"]} {p["time"]} '
                      f'dalt={dalt:+.4f} daz={daz:+.4f} deg (alt {alt.degrees:.1f})')
        if p["shadow_boundary"]:
            skipped_shadow += 1
            continue
        tle = tles.get(float(p["catnr"]))
        if tle is None:
            continue
        sat = EarthSatellite(tle[1], tle[2], tle[0], ts)
        jd0 = 2415020.0 + p["time_jd1900"]
        # UTC JD -> TT: skyfield's builtin leap seconds (37 s) + 32.184 s.
        def alts_at(jds):
            return (sat - place).at(ts.tt_jd(jds + 69.184 / 86400.0)).altaz()[0].degrees
        # 10 s grid over +-20 min, then a 0.1 s grid around the highest sample.
        grid = jd0 + numpy.arange(-120, 121) * (10.0 / 86400.0)
        alts = alts_at(grid)
        i = int(numpy.argmax(alts))
        if i in (0, len(alts) - 1):
            skipped_window += 1
            continue
        fine = grid[i] + numpy.arange(-100, 101) * (0.1 / 86400.0)
        fine_alts = alts_at(fine)
        j = int(numpy.argmax(fine_alts))
        jmax, alt_max = fine[j], fine_alts[j]
        if sun_alt(jmax) > args.max_sun:
            skipped_window += 1  # the culmination lies outside the dark window
            continue
        dt = (jd0 - jmax) * 86400.0
        dalt = p["alt_deg"] - alt_max
        compared += 1
        bad = abs(dt) > args.max_dt or (abs(dalt) > args.max_dalt and alt_max < args.zenith_limit)
        failed += bad
        if abs(dt) > abs(worst_dt):
            worst_dt, worst_dt_name = dt, f'{p["name"]} {p["date"]} {p["time"]}'
        if alt_max < args.zenith_limit and abs(dalt) > abs(worst_low):
            worst_low, worst_low_name = dalt, f'{p["name"]} {p["date"]} {p["time"]}'
        if abs(dalt) > abs(worst_dalt):
            worst_dalt, worst_dalt_name = dalt, f'{p["name"]} {p["date"]} {p["time"]}'
        if bad or abs(dalt) > args.max_dalt:
            print(f'  {"outside" if bad else "near zenith"}: {p["name"]} {p["date"]} {p["time"]} '
                  f'alt={alt_max:.1f} dt={dt:+.1f} s dalt={dalt:+.3f} deg')
    missing = 0
    if args.window_start is not None and args.window_end is not None:
        reported = {}
        for p in passes:
            reported.setdefault(float(p["catnr"]), []).append(2415020.0 + p["time_jd1900"])
        t0 = ts.tt_jd(args.window_start + 69.184 / 86400.0)
        t1 = ts.tt_jd(args.window_end + 69.184 / 86400.0)
        culminations = marginal = 0
        for cat, (name, l1, l2) in tles.items():
            sat = EarthSatellite(l1, l2, name, ts)
            times, events = sat.find_events(place, t0, t1, altitude_degrees=args.min_alt)
            for ti, ev in zip(times, events):
                jd = ti.tt - 69.184 / 86400.0
                if ev != 1 or sun_alt(jd) > args.max_sun:
                    continue
                culminations += 1
                if any(abs(r - jd) * 86400.0 < 120.0 for r in reported.get(cat, [])):
                    continue
                alt = (sat - place).at(ti).altaz()[0].degrees
                if alt < args.min_alt + args.max_dalt:
                    marginal += 1
                    print(f"  marginal, not listed: {name} JD {jd:.5f} alt={alt:.2f}")
                else:
                    missing += 1
                    print(f"  missing: {name} JD {jd:.5f} alt={alt:.2f}")
        print(f"completeness: {culminations} SGP4 culminations in the dark window, "
              f"{missing} missing, {marginal} marginal ones not listed")
    print(f"compared {compared} passes (skipped: {skipped_shadow} shadow-cut, {skipped_window} cut at the window)")
    print(f"largest time difference {worst_dt:+.1f} s ({worst_dt_name})")
    print(f"largest altitude difference {worst_dalt:+.3f} deg ({worst_dalt_name})")
    print(f"largest altitude difference below {args.zenith_limit} deg: {worst_low:+.3f} deg ({worst_low_name})")
    print(f"{failed} passes outside {args.max_dt} s / {args.max_dalt} deg (altitude limit below {args.zenith_limit} deg)")
    print(f"at the listed instants: largest altitude difference {worst_inst_alt:.4f} deg, "
          f"azimuth {worst_inst_az:.4f} deg below {args.zenith_limit} deg; "
          f"{instant_failed} outside {args.max_instant_dalt} / {args.max_instant_daz} deg")
    return 1 if failed or missing or instant_failed else 0


if __name__ == "__main__":
    sys.exit(main())
