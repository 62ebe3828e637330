"""Minor-body files: ASTEROID.TXT (Ceres and Vesta) and KOMET (one comet)."""

import math

from common import fixed

# Epochs of ASTEROID.TXT: every 200 days, through the one published MPCORB epoch,
# covering 1990-2060.
STEP_DAYS = 200
FIRST_JD = 2447892.5   # 1990 January 1, 0h
LAST_JD = 2473824.5    # 2061 January 1, 0h

# The comet of KOMET: C/2026 C1 (Tsuchinshan), perihelion November 2028 at 1.15 AU,
# absolute magnitude 4.4: the brightest comet the MPC list expects in the coming years.
COMET_DESIGNATION = "CK26C010"
COMET_TAIL_AU = 0.1


def unpack_epoch(packed):
    """MPC packed date ("K2669") -> (year, month, day)."""
    century = {"I": 1800, "J": 1900, "K": 2000}[packed[0]]
    year = century + int(packed[1:3])

    def digit(c):
        return int(c) if c.isdigit() else ord(c) - ord("A") + 10

    return year, digit(packed[3]), digit(packed[4])


def julian_day(year, month, day):
    """Julian Day of 0h of a Gregorian calendar date."""
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return int(365.25 * (year + 4716)) + int(30.6001 * (month + 1)) + day + b - 1524.5


def read_mpcorb(ctx):
    """{number: elements} of the element lines of the MPCORB excerpt."""
    bodies = {}
    for line in ctx.source_lines("solarsystem", "mpcorb-ceres-vesta.txt"):
        if len(line) < 160 or not line[0:5].isdigit():
            continue
        y, m, d = unpack_epoch(line[20:25])
        bodies[int(line[0:5])] = {
            "epoch_jd": julian_day(y, m, d),
            "M": float(line[26:35]),
            "peri": float(line[37:46]),
            "node": float(line[48:57]),
            "incl": float(line[59:68]),
            "e": float(line[70:79]),
            "n": float(line[80:91]),
            "a": float(line[92:103]),
        }
    return bodies


def asteroid_line(body, jd):
    """One ASTEROID.TXT line: the body's elements moved by two-body motion to epoch jd."""
    mean_anomaly = (body["M"] + body["n"] * (jd - body["epoch_jd"])) % 360.0
    return (
        "%7d" % round(jd - 0.5)
        + fixed(mean_anomaly, 9, 4)
        + fixed(body["a"], 9, 6)
        + fixed(body["e"], 9, 6)
        + fixed(body["node"], 9, 4)
        + fixed(body["peri"], 9, 4)
        + fixed(body["incl"], 9, 4)
    )


def asteroid_epochs(published_jd):
    start = published_jd - STEP_DAYS * math.ceil((published_jd - FIRST_JD) / STEP_DAYS)
    epochs = []
    jd = start
    while jd <= LAST_JD:
        epochs.append(jd)
        jd += STEP_DAYS
    return epochs


def make_asteroids(ctx):
    bodies = read_mpcorb(ctx)
    ceres, vesta = bodies[1], bodies[4]
    if ceres["epoch_jd"] != vesta["epoch_jd"]:
        raise ValueError("Ceres and Vesta elements of different epochs")
    lines = []
    for jd in asteroid_epochs(ceres["epoch_jd"]):
        lines.append(asteroid_line(ceres, jd))
        lines.append(asteroid_line(vesta, jd))
    ctx.write_lines("ASTEROID.TXT", lines)
    return len(lines) // 2


def make_comet(ctx):
    for line in ctx.source_lines("solarsystem", "mpc-comets-2026.txt"):
        if line[0:12].strip() != COMET_DESIGNATION:
            continue
        name = line[102:158].strip()
        slope = 2.5 * float(line[96:100])  # MPC slope k: m = H + 5 log D + 2.5 k log r
        values = [
            name,
            str(int(line[14:18])),
            str(int(line[19:21])),
            line[22:29].strip(),
            line[30:39].strip(),   # perihelion distance q
            line[41:49].strip(),   # eccentricity
            line[51:59].strip(),   # argument of perihelion
            line[61:69].strip(),   # ascending node
            line[71:79].strip(),   # inclination
            "2000",
            line[91:95].strip(),
            "%g" % slope,
            "%g" % COMET_TAIL_AU,
        ]
        ctx.write_lines("KOMET", values)
        return name
    raise ValueError("comet %s not in the MPC list" % COMET_DESIGNATION)
