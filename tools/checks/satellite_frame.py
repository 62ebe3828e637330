#!/usr/bin/env python3
"""Polaride's satellite altitudes and azimuths against Skyfield's SGP4.

Arguments: polaride-cli, an element file holding the ISS (25544), HST (20580) and
ASTRA 1KR (29055, geostationary). For each satellite, at its epoch and at instants
over the following day, and for three places, `polaride-cli sgp --model sgp4` gives
altitude and azimuth (true equator and equinox of date, no refraction); Skyfield
(EarthSatellite with the same two lines, a WGS84 observer, UTC = UT1 as the program
takes it: TT = UTC + 69.184 s) gives its own. Both must agree within 0.01 deg, the
azimuth only where the satellite stands within 85 deg of the horizon.
"""
import json
import subprocess
import sys

from skyfield.api import EarthSatellite, load, wgs84

LIMIT_DEG = 0.01
CATALOGUE = (25544, 20580, 29055)
PLACES = (("Berlin", 52.52, 13.405, 34), ("Santiago", -33.45, -70.67, 520),
          ("Sydney", -33.87, 151.21, 40))
MINUTES = [0.0] + [37.0 * k for k in range(1, 40)]


def element_sets(path, wanted):
    lines = [l.rstrip("\r\n") for l in open(path, encoding="latin-1")]
    sets = {}
    for i in range(len(lines) - 2):
        if lines[i + 1].startswith("1 ") and lines[i + 2].startswith("2 "):
            number = int(lines[i + 1][2:7])
            if number in wanted and number not in sets:
                sets[number] = (lines[i].strip(), lines[i + 1], lines[i + 2])
    return sets


def main():
    cli, tle = sys.argv[1:3]
    ts = load.timescale(builtin=True)
    sets = element_sets(tle, CATALOGUE)
    worst = 0.0
    compared = failures = 0
    for number in CATALOGUE:
        name, line1, line2 = sets[number]
        sat = EarthSatellite(line1, line2, name, ts)
        for place, lat, lon, height in PLACES:
            args = [cli, "sgp", "--model", "sgp4", "--tle", tle, "--catnr", str(number),
                    "--lat", str(lat), "--lon", str(lon), "--height", str(height)]
            for m in MINUTES:
                args += ["--minutes", repr(m)]
            run = subprocess.run(args, capture_output=True, text=True, check=True)
            observer = wgs84.latlon(lat, lon, elevation_m=height)
            for got in json.loads(run.stdout):
                jd_utc = 2415020.0 + got["epoch_jd1900"] + got["minutes_since_epoch"] / 1440.0
                alt, az, _ = (sat - observer).at(ts.tt_jd(jd_utc + 69.184 / 86400.0)).altaz()
                dalt = got["alt_deg"] - alt.degrees
                daz = (got["az_deg"] - az.degrees + 180.0) % 360.0 - 180.0
                if abs(alt.degrees) >= 85.0:  # near zenith or nadir the azimuth turns fast
                    daz = 0.0
                compared += 1
                worst = max(worst, abs(dalt), abs(daz))
                if abs(dalt) > LIMIT_DEG or abs(daz) > LIMIT_DEG:
                    failures += 1
                    print(f"  {name} {place} +{got['minutes_since_epoch']:.0f} min: "
                          f"alt {got['alt_deg']:.4f} / {alt.degrees:.4f}, "
                          f"az {got['az_deg']:.4f} / {az.degrees:.4f}")
    print(f"satellites in the frame of date: {compared} positions, largest difference "
          f"{worst:.5f} deg, {failures} outside {LIMIT_DEG} deg")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
