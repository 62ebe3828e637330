#!/usr/bin/python3
"""Compares `polaride-cli ephem` with PyEphem (Debian's python3-ephem, whose Sun, Moon and
planets come from VSOP87 and ELP 2000): Sun, Moon, Mercury to Uranus, the minor body of
"KOMET" (same elements in PyEphem) and the rise, set and twilight instants, for instants
spread over 1950-2050. Prints the largest differences and exits 1 when one exceeds what
the program's theories can give.

usage: ephem_reference.py POLARIDE_CLI DATA_DIR [SAMPLES]
JD1900 and ephem.Date count days from the same origin (1899 December 31, 12:00 UT).
"""
import json
import math
import os
import subprocess
import sys

import ephem

# Largest allowed separation in degrees (geocentric, of date).
POSITION_LIMITS = {
    "sun": 0.01, "moon": 0.1, "Merkur": 0.05, "Venus": 0.05, "Mars": 0.12,
    "Jupiter": 0.25, "Saturn": 0.6, "Uranus": 0.02, "minor_body": 0.1,
}
SUN_EVENT_LIMIT_MIN = 0.5
TWILIGHT_EVENT_LIMIT_MIN = 1.0
MOON_EVENT_LIMIT_MIN = 10.0

PLACES = [  # name, latitude, east longitude, zone hours
    ("Berlin", 52.52, 13.40, 1.0),
    ("Quito", -0.22, -78.51, -5.0),
    ("Sydney", -33.87, 151.21, 10.0),
    ("Reykjavik", 64.15, -21.94, 0.0),
    ("Kapstadt", -33.92, 18.42, 2.0),
    ("Tromsoe", 69.65, 18.96, 1.0),
]

EVENTS = [  # our key, ephem body, horizon, kind
    ("sunrise", "sun", "-0:49:59", "rising"), ("sunset", "sun", "-0:49:59", "setting"),
    ("civil_dawn", "sun", "-6", "rising"), ("civil_dusk", "sun", "-6", "setting"),
    ("nautical_dawn", "sun", "-12", "rising"), ("nautical_dusk", "sun", "-12", "setting"),
    ("astronomical_dawn", "sun", "-18", "rising"), ("astronomical_dusk", "sun", "-18", "setting"),
    ("moonrise", "moon", "-0:34:01", "rising"), ("moonset", "moon", "-0:34:01", "setting"),
]


def separation_deg(ra1_h, dec1_d, ra2_h, dec2_d):
    a1, d1 = math.radians(ra1_h * 15), math.radians(dec1_d)
    a2, d2 = math.radians(ra2_h * 15), math.radians(dec2_d)
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(a1 - a2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def read_komet(path):
    with open(path, encoding="latin-1") as f:
        lines = [line.strip() for line in f]
    return {
        "name": lines[0], "year": int(lines[1]), "month": int(lines[2]), "day": float(lines[3]),
        "q": float(lines[4]), "e": float(lines[5]), "peri": float(lines[6]), "node": float(lines[7]),
        "inc": float(lines[8]), "equinox": float(lines[9]), "g": float(lines[10]), "k": float(lines[11]),
    }


def komet_body(k):
    # Perihelion time as the program reads it: the day with its fraction, 0:00 UT based.
    peri = ephem.Date("%d/%d/%d" % (k["year"], k["month"], int(k["day"]))) + (k["day"] - int(k["day"]))
    if k["e"] < 1.0:
        b = ephem.EllipticalBody()
        a = k["q"] / (1 - k["e"])
        b._a = a
        b._e = k["e"]
        b._inc, b._Om, b._om = k["inc"], k["node"], k["peri"]
        b._M = 0.0
        b._epoch_M = ephem.Date(peri)
        b._epoch = str(k["equinox"])
        b._size = 0
        b._g, b._k = k["g"], k["k"] / 2.5
    elif k["e"] == 1.0:
        b = ephem.ParabolicBody()
        b._q, b._inc, b._Om, b._om = k["q"], k["inc"], k["node"], k["peri"]
        b._epoch_p = ephem.Date(peri)
        b._epoch = str(k["equinox"])
    else:
        b = ephem.HyperbolicBody()
        b._q, b._e, b._inc, b._Om, b._om = k["q"], k["e"], k["inc"], k["node"], k["peri"]
        b._epoch_p = ephem.Date(peri)
        b._epoch = str(k["equinox"])
    return b


def nearest_transit(obs, target, near):
    obs.date = ephem.Date(near)
    after = float(obs.next_transit(target))
    obs.date = ephem.Date(near)
    before = float(obs.previous_transit(target))
    return after if after - near < near - before else before


def ephem_event(lat, lon, noon, instant, body, horizon, kind):
    """The rising before and the setting after the transit the program uses: the one
    nearest local noon; for the Moon, moved by a day when it lies more than half a day
    from the instant."""
    obs = ephem.Observer()
    obs.lat, obs.lon = str(lat), str(lon)
    obs.elevation = 0
    obs.pressure = 0
    obs.horizon = horizon
    target = ephem.Sun() if body == "sun" else ephem.Moon()
    transit = nearest_transit(obs, target, noon)
    if body == "moon" and abs(abs(transit - instant) - 0.5) < 0.03:
        return None  # the program's approximate transit may fall on either side
    if body == "moon" and transit - instant < -0.5:
        obs.date = ephem.Date(transit + 0.01)
        transit = float(obs.next_transit(target))
    elif body == "moon" and transit - instant > 0.5:
        obs.date = ephem.Date(transit - 0.01)
        transit = float(obs.previous_transit(target))
    obs.date = ephem.Date(transit)
    try:
        if kind == "rising":
            return float(obs.previous_rising(target, use_center=True))
        return float(obs.next_setting(target, use_center=True))
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return 0.0


def main():
    cli, data_dir = sys.argv[1], sys.argv[2]
    samples = int(sys.argv[3]) if len(sys.argv) > 3 else 120
    komet_path = os.path.join(data_dir, "KOMET")
    komet = read_komet(komet_path) if os.path.exists(komet_path) else None
    worst = {}      # key -> (difference, instant, place)
    failures = []
    zero_mismatch = 0
    ambiguous = 0
    mismatched = {}
    first, last = 18262.5, 54787.5  # 1950-01-01 .. 2050-01-01
    for n in range(samples):
        # Golden-ratio steps spread the instants over the century, the seasons and the
        # hours of the day without a pattern.
        t = first + (last - first) * ((n * 0.6180339887498949 + 0.25) % 1.0)
        name, lat, lon, zone = PLACES[n % len(PLACES)]
        out = subprocess.run([cli, "ephem", "--jd", repr(t), "--lon", str(lon), "--lat", str(lat),
                              "--zone", str(zone), "--data", data_dir],
                             capture_output=True, text=True, check=True)
        r = json.loads(out.stdout)
        date = ephem.Date(t)

        def note(key, diff, limit):
            if key not in worst or diff > worst[key][0]:
                worst[key] = (diff, t, name)
            if diff > limit:
                failures.append("%s at %.4f (%s): %.4f > %.4f" % (key, t, name, diff, limit))

        for key, body in (("sun", ephem.Sun()), ("moon", ephem.Moon())):
            body.compute(date)
            ours = r[key]
            note(key, separation_deg(ours["ra_hours"], ours["dec_deg"], float(body.g_ra) * 12 / math.pi,
                                     math.degrees(float(body.g_dec))), POSITION_LIMITS[key])
        planets = {"Merkur": ephem.Mercury(), "Venus": ephem.Venus(), "Mars": ephem.Mars(),
                   "Jupiter": ephem.Jupiter(), "Saturn": ephem.Saturn(), "Uranus": ephem.Uranus()}
        for b in r["bodies"]:
            if b["name"] in planets:
                p = planets[b["name"]]
                p.compute(date)
                note(b["name"], separation_deg(b["ra_hours"], b["dec_deg"], float(p.g_ra) * 12 / math.pi,
                                               math.degrees(float(p.g_dec))), POSITION_LIMITS[b["name"]])
                note(b["name"] + " distance (AU)", abs(b["dist_au"] - p.earth_distance), 1.0)
        if komet and "minor_body" in r:
            body = komet_body(komet)
            body.compute(date, epoch="2000")
            m = r["minor_body"]
            if body.earth_distance < 10:  # far comets are beyond the point of the check
                note("minor_body", separation_deg(m["ra_hours"], m["dec_deg"], float(body.a_ra) * 12 / math.pi,
                                                  math.degrees(float(body.a_dec))), POSITION_LIMITS["minor_body"])
        # Events of the local date.
        local = t + zone / 24.0
        day0 = math.floor(local + 0.5) - 0.5  # 0:00 of the local date, counted in UT + zone
        noon = day0 + (12.0 - zone) / 24.0
        for key, body, horizon, kind in EVENTS:
            ours = r["events"][key]
            ref = ephem_event(lat, lon, noon, t, body, horizon, kind)
            if ref is None:
                ambiguous += 1
                continue
            if (ours == 0) != (ref == 0):
                # Grazing cases: the theories differ by a little near the limit of the event.
                zero_mismatch += 1
                mismatched[key] = mismatched.get(key, 0) + 1
                continue
            if ours == 0:
                continue
            limit = (SUN_EVENT_LIMIT_MIN if key in ("sunrise", "sunset")
                     else MOON_EVENT_LIMIT_MIN if body == "moon" else TWILIGHT_EVENT_LIMIT_MIN)
            label = key + " (min)"
            if abs(lat) > 60:
                # Near the polar circles the Sun and Moon cross the horizon at a grazing
                # angle: a few thousandths of a degree become many seconds.
                label = key + " (min, |lat| > 60)"
                limit = 30.0 if body == "moon" else 2.0
            note(label, abs(ours - ref) * 1440.0, limit)

    print("%d instants 1950-2050, %d places; largest differences to PyEphem %s:" % (
        samples, len(PLACES), ephem.__version__))
    for key in sorted(worst):
        diff, t, name = worst[key]
        unit = "" if "(" in key else " deg"
        print("  %-26s %10.5f%s  (JD1900 %.3f, %s)" % (key, diff, unit, t, name))
    print("  events present in one and absent in the other (grazing): %d %s" % (zero_mismatch, mismatched))
    print("  Moon events skipped, transit half a day from the instant: %d" % ambiguous)
    if failures:
        print("FAILED:")
        for f in failures:
            print("  " + f)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
