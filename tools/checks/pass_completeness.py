#!/usr/bin/env python3
"""Completeness and timing of polaride-cli passes against SGP4 (python3-skyfield).

For one element file and several places, reads the JSON pass list of a duration-mode
run at each place (`polaride-cli passes ... --minutes M --no-shadow --mag 99
--min-alt LOW --json`) and finds every culmination of every satellite in the window
with SGP4 (WGS84 observer, no refraction): altitudes on a one-minute grid, vectorised
over time (the satellite positions once for all places), local maxima refined by a
parabola through a 4-second grid. Then, for each place:
  - every SGP4 culmination at or above --min-alt (which should lie above the LOW
    altitude of the run, so that small model differences do not decide) must be
    listed within --max-dt seconds;
  - no culmination may be listed twice, and every listed pass must lie within
    --max-dt of an SGP4 culmination.
Culminations and passes within --edge seconds of the window ends are left out (the
search reports a pass cut by a window end at the end). Orbits of more than 225 minutes
are left out: SGP4 propagates them with its deep-space model, the program with the
near-earth one for every orbit.
Exit status 0 when nothing is missing, doubled or off, 1 otherwise.
"""
import argparse
import json
import sys

import numpy
from skyfield.api import EarthSatellite, load, wgs84

# UTC JD -> TT: skyfield's builtin leap seconds (37 s) + 32.184 s.
TT_MINUS_UTC = 69.184 / 86400.0
JD1900 = 2415020.0


def read_tle(path):
    sats = []
    with open(path, encoding="latin-1") as f:
        lines = [line.rstrip("\r\n") for line in f if line.strip()]
    i = 0
    while i + 2 < len(lines):
        name, l1, l2 = lines[i], lines[i + 1], lines[i + 2]
        if l1.startswith("1 ") and l2.startswith("2 "):
            sats.append((name.strip(), l1, l2))
            i += 3
        else:
            i += 1
    return sats


def culminations_at(sat, ts, geo, place, coarse, sat_coarse, low):
    """Times (UTC JD) and altitudes of the altitude maxima above `low` degrees."""
    def altitudes(sat_pos, obs_pos, rot):
        d = sat_pos - obs_pos
        up = numpy.einsum("ij,ij->j", rot[2], d)
        return numpy.degrees(numpy.arcsin(up / numpy.sqrt((d * d).sum(axis=0))))

    obs_pos, rot = place
    alts = altitudes(sat_coarse, obs_pos, rot)
    peaks = numpy.nonzero((alts[1:-1] > alts[:-2]) & (alts[1:-1] >= alts[2:])
                          & (alts[1:-1] > low))[0] + 1
    if len(peaks) == 0:
        return [], []
    offsets = numpy.arange(-15, 16) * (4.0 / 86400.0)
    fine = (coarse[peaks][:, None] + offsets[None, :]).ravel()
    t_fine = ts.tt_jd(fine + TT_MINUS_UTC)
    fine_alts = altitudes(sat.at(t_fine).position.km, geo.at(t_fine).position.km,
                          geo.rotation_at(t_fine)).reshape(len(peaks), -1)
    best = numpy.clip(numpy.argmax(fine_alts, axis=1), 1, len(offsets) - 2)
    rows = numpy.arange(len(peaks))
    y0, y1, y2 = fine_alts[rows, best - 1], fine_alts[rows, best], fine_alts[rows, best + 1]
    denom = y0 - 2.0 * y1 + y2
    shift = numpy.where(denom < 0, 0.5 * (y0 - y2) / numpy.where(denom < 0, denom, -1.0), 0.0)
    times = coarse[peaks] + offsets[best] + shift * (4.0 / 86400.0)
    return times, y1 - 0.25 * (y0 - y2) * shift


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("tle_file")
    ap.add_argument("--place", nargs=5, action="append", required=True,
                    metavar=("NAME", "LAT", "LON", "HEIGHT_M", "JSON"))
    ap.add_argument("--start", type=float, required=True, help="window start, UTC JD")
    ap.add_argument("--minutes", type=float, required=True)
    ap.add_argument("--min-alt", type=float, default=12.0)
    ap.add_argument("--max-dt", type=float, default=60.0)
    ap.add_argument("--edge", type=float, default=120.0)
    args = ap.parse_args()

    ts = load.timescale(builtin=True)
    t0, t1 = args.start, args.start + args.minutes / 1440.0
    edge = args.edge / 86400.0
    coarse = numpy.arange(t0 - 600 / 86400.0, t1 + 600 / 86400.0, 60.0 / 86400.0)
    t_coarse = ts.tt_jd(coarse + TT_MINUS_UTC)

    sats = []
    seen_cat = set()
    for name, l1, l2 in read_tle(args.tle_file):
        cat = int(l1[2:7])
        if cat in seen_cat or 1440.0 / float(l2[52:63]) > 225.0:
            continue
        seen_cat.add(cat)
        sat = EarthSatellite(l1, l2, name, ts)
        sats.append((cat, name, sat, sat.at(t_coarse).position.km))

    failed = False
    for pname, lat, lon, height, json_file in args.place:
        geo = wgs84.latlon(float(lat), float(lon), elevation_m=float(height))
        place = (geo.at(t_coarse).position.km, geo.rotation_at(t_coarse))
        reported = {}
        for p in json.load(open(json_file)):
            reported.setdefault(int(p["catnr"]), []).append(JD1900 + p["time_jd1900"])
        culminations = missing = doubled = stray = 0
        worst_dt, worst_name = 0.0, ""
        problems = []
        for cat, name, sat, sat_coarse in sats:
            times, alts = culminations_at(sat, ts, geo, place, coarse, sat_coarse,
                                          args.min_alt - 8.0)
            mine = sorted(reported.get(cat, []))
            used = [0] * len(mine)
            for tc, alt in zip(times, alts):
                near = [j for j, r in enumerate(mine) if abs(r - tc) * 86400.0 <= args.max_dt]
                for j in near:
                    used[j] += 1
                if not (t0 + edge <= tc <= t1 - edge) or alt < args.min_alt:
                    continue
                culminations += 1
                if not near:
                    missing += 1
                    close = min((abs(r - tc) * 86400.0 for r in mine), default=None)
                    problems.append(f"  missing: {name} JD {tc:.5f} alt={alt:.1f}" +
                                    (f" (nearest listed {close:.0f} s away)" if close is not None else ""))
                    continue
                dt = min(((mine[j] - tc) * 86400.0 for j in near), key=abs)
                if abs(dt) > abs(worst_dt):
                    worst_dt, worst_name = dt, f"{name} JD {tc:.5f} alt={alt:.1f}"
                if len(near) > 1:
                    doubled += 1
                    problems.append(f"  listed {len(near)} times: {name} JD {tc:.5f} alt={alt:.1f}")
            for j, r in enumerate(mine):
                if used[j] == 0 and t0 + edge <= r <= t1 - edge:
                    stray += 1
                    problems.append(f"  listed {name} JD {r:.5f}: no SGP4 culmination within "
                                    f"{args.max_dt:.0f} s")
        for line in problems:
            print(line)
        print(f"{pname}: {len(sats)} satellites, {culminations} SGP4 culminations >= "
              f"{args.min_alt} deg, {missing} missing, {doubled} doubled, {stray} listed "
              f"without a culmination; largest time difference {worst_dt:+.1f} s ({worst_name})")
        failed = failed or bool(missing or doubled or stray)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
