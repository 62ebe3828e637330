"""The star catalogue STERNKAT and the named-star list STERNNAM.

STERNKAT holds exactly 15639 stars: every Bright Star (HR) star of the SSCore table
and, after them by brightness, the brightest Hipparcos stars of the d3-celestial
list that are not already among them (matched on the HIP number).
"""

import csv
import io
import json
import math
import unicodedata

from common import fixed, text_field
from constellations import read_figure_pairs

STAR_COUNT = 15639
NAMED_STAR_CAPACITY = 190
LIGHT_YEARS_PER_PARSEC = 3.261563777
SIRRAH_HR = 15
SIRRAH_LINE = 9

GREEK = {
    "α": "alpha", "β": "beta", "γ": "gamma", "δ": "delta", "ε": "epsilon", "ζ": "zeta",
    "η": "eta", "θ": "theta", "ι": "iota", "κ": "kappa", "λ": "lambda", "μ": "mu",
    "ν": "nu", "ξ": "xi", "ο": "omicron", "π": "pi", "ρ": "rho", "σ": "sigma",
    "τ": "tau", "υ": "upsilon", "φ": "phi", "χ": "chi", "ψ": "psi", "ω": "omega",
}

# German names of stars whose German usage differs from the IAU spelling.
GERMAN_NAMES = {
    "Alpheratz": "Sirrah",
    "Polaris": "Polarstern",
    "Betelgeuse": "Beteigeuze",
    "Procyon": "Prokyon",
    "Arcturus": "Arktur",
    "Vega": "Wega",
    "Altair": "Atair",
    "Capella": "Kapella",
    "Castor": "Kastor",
    "Canopus": "Kanopus",
    "Alkaid": "Benetnasch",
    "Alcor": "Alkor",
    "Schedar": "Schedir",
    "Zubenelgenubi": "Zuben el Genubi",
    "Zubeneschamali": "Zuben el Schemali",
}

IDENTIFIER_PREFIXES = ("HR", "HD", "SAO", "HIP", "TYC", "GAIA", "BD", "CD", "CP", "WDS", "GJ")


def latin1(text):
    """The text in Latin-1: characters outside it lose their accents or are dropped."""
    out = []
    for ch in text:
        if ord(ch) < 256:
            out.append(ch)
            continue
        base = unicodedata.normalize("NFKD", ch)
        out.append("".join(c for c in base if ord(c) < 128))
    return "".join(out)


def german_name(name):
    return GERMAN_NAMES.get(name, name)


class Star:
    __slots__ = ("ra_h", "dec_deg", "mag", "con", "desig", "dist_ly", "hip", "name",
                 "description", "hr", "hrs", "source")

    def __init__(self):
        self.con = ""
        self.desig = ""
        self.dist_ly = None
        self.hip = None
        self.name = ""
        self.description = ""
        self.hr = None
        self.hrs = []


def sexagesimal(text, hours):
    sign = -1.0 if text.strip().startswith("-") else 1.0
    parts = [abs(float(p)) for p in text.replace("+", "").replace("-", "").split()]
    value = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0
    return sign * value


def fit_description(variants):
    for text in variants:
        text = latin1(text)
        if len(text) <= 40:
            return text
    return latin1(variants[-1])[:40]


def bright_star_description(row):
    spec = row["Spec"].strip()
    kind = row["Type"]
    double = kind in ("DS", "DV")
    variable = kind in ("VS", "DV")
    sep = row["Sep"].strip()
    vtype = row["Vtype"].strip().rstrip(":")
    vmin, vmax = row["Vmin"].strip(), row["Vmax"].strip()

    def compose(spec_prefix, with_sep, with_range, with_vtype):
        parts = []
        if spec:
            parts.append(spec_prefix + spec)
        if double:
            parts.append("Doppelstern" + (" %s\"" % sep if with_sep and sep else ""))
        if variable:
            text = "veränderlich"
            if with_vtype and vtype:
                text += " (" + vtype + ")"
            if with_range and vmin and vmax:
                text += " %.2f-%.2f" % (float(vmin), float(vmax))
            parts.append(text)
        return ", ".join(parts)

    return fit_description([
        compose("Spektraltyp ", True, True, True),
        compose("Spektraltyp ", True, True, False),
        compose("Spektraltyp ", False, True, False),
        compose("Sp. ", False, True, False),
        compose("Sp. ", False, False, False),
        compose("", False, False, False),
    ])


def read_bright_stars(ctx):
    text = ctx.read_text("stars", "sscore-brightest.csv", encoding="utf-8-sig")
    lines = [l for l in text.splitlines() if not l.startswith("#")]
    stars = []
    for row in csv.DictReader(io.StringIO("\n".join(lines))):
        s = Star()
        s.source = "HR"
        s.ra_h = sexagesimal(row["RA"], True)
        s.dec_deg = sexagesimal(row["Dec"], False)
        s.mag = float(row["V"])
        dist = row["Dist"].strip()
        if dist:
            s.dist_ly = float(dist) * LIGHT_YEARS_PER_PARSEC
        bayer = flamsteed = variable = ""
        for ident in row["IDs"].split(";"):
            words = ident.split(" ")
            if len(words) != 2:
                continue
            if words[0] == "HIP" and words[1].isdigit():
                s.hip = int(words[1])
            elif words[0] == "HR" and words[1].isdigit():
                s.hrs.append(int(words[1]))
                if s.hr is None:
                    s.hr = int(words[1])
            elif words[0] not in IDENTIFIER_PREFIXES and len(words[1]) == 3 and words[1].isalpha():
                if not s.con:
                    s.con = words[1]
                if words[0].isdigit():
                    flamsteed = flamsteed or words[0]
                elif words[0].rstrip("0123456789") in GREEK.values():
                    bayer = bayer or words[0]
                else:
                    variable = variable or words[0]
        s.desig = bayer or flamsteed or variable
        names = [n for n in row["Names"].split(";") if n.strip()]
        if names:
            s.name = german_name(names[0].strip())
        s.description = bright_star_description(row)
        stars.append(s)
    return stars


def read_hipparcos_stars(ctx):
    features = json.loads(ctx.read_text("stars", "d3-stars.8.json"))["features"]
    names = json.loads(ctx.read_text("stars", "d3-starnames.json"))
    stars = []
    for f in features:
        s = Star()
        s.source = "HIP"
        s.hip = int(f["id"])
        lon, lat = f["geometry"]["coordinates"]
        s.ra_h = (lon % 360.0) / 15.0
        s.dec_deg = lat
        s.mag = float(f["properties"]["mag"])
        info = names.get(str(s.hip), {})
        s.con = info.get("c") or ""
        bayer = info.get("bayer", "")
        if bayer and bayer[0] in GREEK:
            s.desig = GREEK[bayer[0]] + bayer[1:]
        else:
            s.desig = info.get("flam") or info.get("var") or bayer or ""
        if info.get("name"):
            s.name = info.get("de") or german_name(info["name"])
        parts = []
        bv = f["properties"].get("bv", "")
        try:
            parts.append("Farbindex B-V %+.2f" % float(bv))
        except (TypeError, ValueError):
            pass
        if info.get("var"):
            parts.append("veränderlich")
        s.description = fit_description([", ".join(parts)])
        stars.append(s)
    return stars


def unit_vector(ra_h, dec_deg):
    a = math.radians(ra_h * 15.0)
    d = math.radians(dec_deg)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def fill_constellations_by_position(stars):
    """Stars without a constellation from their designations take the constellation
    of the nearest star that has one (on a 2-degree grid of declination bands)."""
    known = [s for s in stars if s.con]
    bands = {}
    for s in known:
        bands.setdefault(int((s.dec_deg + 90.0) // 2), []).append((unit_vector(s.ra_h, s.dec_deg), s.con))
    for s in stars:
        if s.con:
            continue
        v = unit_vector(s.ra_h, s.dec_deg)
        band = int((s.dec_deg + 90.0) // 2)
        best = (-2.0, "")
        reach = 1
        while best[1] == "" or reach <= 2:
            for b in range(band - reach, band + reach + 1):
                for u, con in bands.get(b, ()):
                    dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2]
                    if dot > best[0]:
                        best = (dot, con)
            reach += 1
        s.con = best[1]


def constellation_abbreviations(ctx):
    text = ctx.read_text("constellations", "sscore-constellations.csv", encoding="utf-8-sig")
    return {row[5] for row in csv.reader(text.splitlines()) if row and row[0] == "CN"}


def select_stars(ctx):
    valid = constellation_abbreviations(ctx)
    bright = read_bright_stars(ctx)
    hips_in_bright = {s.hip for s in bright if s.hip is not None}
    others = [s for s in read_hipparcos_stars(ctx) if s.hip not in hips_in_bright]
    others.sort(key=lambda s: (s.mag, s.hip))
    stars = bright + others[: STAR_COUNT - len(bright)]
    if len(stars) != STAR_COUNT:
        raise ValueError("only %d stars" % len(stars))
    for s in stars:
        if s.con not in valid:
            s.con = ""
    # A star without a designation that a constellation figure uses belongs to that
    # constellation; the others take the constellation of their nearest neighbour.
    by_hr = {hr: s for s in bright for hr in s.hrs}
    for con, pairs in sorted(read_figure_pairs(ctx).items()):
        for pair in pairs:
            for hr in pair:
                if not by_hr[hr].con:
                    by_hr[hr].con = con
    fill_constellations_by_position(stars)
    # Star numbers: the Bright Star stars first, then the further Hipparcos stars,
    # each part by constellation and within it by right ascension from 0h. So every
    # star of the constellation figures has a number below 10000, which fits the
    # five-column figure fields also as a negative value. The named-star window starts
    # at star 9, Sirrah (alpha And): it is moved there, which keeps it inside the
    # Andromeda block.
    stars.sort(key=lambda s: (s.source != "HR", s.con.upper(), s.ra_h, -s.dec_deg, s.mag))
    sirrah = next(s for s in stars if s.hr == SIRRAH_HR)
    stars.remove(sirrah)
    stars.insert(SIRRAH_LINE - 1, sirrah)
    if stars[0].con != "And" or stars[SIRRAH_LINE].con != "And":
        raise ValueError("Sirrah is not inside the Andromeda block")
    return stars


def distance_text(dist_ly):
    if dist_ly is None or dist_ly <= 0:
        return ""
    if dist_ly < 100:
        return "%.1f" % dist_ly
    if dist_ly < 99999.5:
        return "%d" % round(dist_ly)
    return ""


def catalogue_field(star):
    """Columns 38-57: the proper name, otherwise "H  " and the HIP number, otherwise
    another identifier as text."""
    name = latin1(star.name).strip()
    if name and not (name[0] == "T" and (len(name) == 1 or name[1] == " " or name[1].isdigit())) \
            and not name.startswith("H  "):
        return text_field(name, 20)
    if star.hip is not None:
        return "H  " + "%10d" % star.hip + " " * 7
    if star.hr is not None:
        return text_field("HR %d" % star.hr, 20)
    return " " * 20


def star_line(star):
    line = (
        fixed(star.ra_h, 7, 4)
        + fixed(star.dec_deg, 7, 3)
        + fixed(star.mag, 5, 2)
        + text_field(star.con, 3)
        + text_field(latin1(star.desig), 10)
        + "%5s" % distance_text(star.dist_ly)
        + catalogue_field(star)
        + text_field(star.description, 40)
    )
    return line.rstrip()


def make_star_catalogue(ctx):
    stars = select_stars(ctx)
    ctx.write_lines("STERNKAT", [star_line(s) for s in stars])
    return stars


def make_named_stars(ctx, stars):
    """The brightest stars with proper names (at most 190), in star-number order."""
    named = [(n, s) for n, s in enumerate(stars, start=1) if s.name and catalogue_field(s)[0] not in " H"]
    named = sorted(named, key=lambda e: (e[1].mag, e[0]))[:NAMED_STAR_CAPACITY]
    named.sort(key=lambda e: e[0])
    lines = []
    for number, s in named:
        lines.append(
            "%5d" % number
            + text_field(latin1(s.name), 20)
            + fixed(s.mag, 5, 2)
            + "%5s" % distance_text(s.dist_ly)
            + text_field(s.con, 3)
        )
    ctx.write_lines("STERNNAM", lines)
    return len(lines)
