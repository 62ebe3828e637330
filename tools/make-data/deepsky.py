"""The deep-sky objects NEBEL: the 50 most rewarding objects for the naked eye and
binoculars, the brightest Messier objects and a few famous others."""

import csv
import io
import json

from common import fixed, text_field
from stars import latin1, sexagesimal

NEBULA_COUNT = 50
LIGHT_YEARS_PER_PARSEC = 3.261563777

# Famous objects outside the Messier list (positions J2000, magnitude, largest
# extent in arcminutes, distance in light years), from the NGC/IC and Melotte data.
OTHERS = [
    # designation, German name, RA h, Dec deg, V, size', distance ly, kind
    ("Mel 25", "Hyaden", 4.450, 15.87, 0.5, 330, 153, "Offener Sternhaufen"),
    ("", "h und chi Persei", 2.333, 57.13, 4.3, 60, 7500, "Doppelsternhaufen"),
    ("Mel 111", "Coma-Sternhaufen", 12.417, 26.0, 1.8, 275, 280, "Offener Sternhaufen"),
    ("NGC 5139", "Omega Centauri", 13.447, -47.48, 3.7, 36, 17000, "Kugelsternhaufen"),
    ("NGC 104", "47 Tucanae", 0.402, -72.08, 4.0, 31, 14700, "Kugelsternhaufen"),
    ("NGC 3372", "Carinanebel", 10.752, -59.87, 1.0, 120, 7500, "Emissionsnebel"),
    ("", "Große Magellansche Wolke", 5.393, -69.75, 0.9, 645, 160000, "Galaxie"),
    ("", "Kleine Magellansche Wolke", 0.878, -72.83, 2.7, 320, 200000, "Galaxie"),
]

# German names where the usual German name differs from the d3-celestial one or is
# missing there.
GERMAN_NAMES = {
    "M 1": "Krebsnebel",
    "M 6": "Schmetterlingshaufen",
    "M 7": "Ptolemäus-Haufen",
    "M 8": "Lagunennebel",
    "M 11": "Wildentenhaufen",
    "M 13": "Herkuleshaufen",
    "M 16": "Adlernebel",
    "M 17": "Omeganebel",
    "M 20": "Trifidnebel",
    "M 24": "Schützen-Sternwolke",
    "M 27": "Hantelnebel",
    "M 31": "Andromedanebel",
    "M 33": "Dreiecksnebel",
    "M 42": "Orionnebel",
    "M 44": "Krippe",
    "M 45": "Plejaden",
    "M 51": "Whirlpool-Galaxie",
    "M 57": "Ringnebel",
    "M 81": "Bodes Galaxie",
    "M 82": "Zigarrengalaxie",
    "M 97": "Eulennebel",
    "M 104": "Sombrerogalaxie",
}


def kind_of(object_type, morph):
    if object_type == "GX":
        if morph.startswith("E"):
            return "Elliptische Galaxie"
        if morph.startswith("S"):
            return "Spiralgalaxie"
        return "Galaxie"
    if object_type == "GC":
        return "Kugelsternhaufen"
    if object_type == "OC":
        return "Offener Sternhaufen"
    if object_type == "PN":
        return "Planetarischer Nebel"
    if object_type == "BN":
        if morph == "SNR":
            return "Supernova-Überrest"
        if morph == "RN":
            return "Reflexionsnebel"
        if "OCL" in morph or morph.startswith("I"):
            return "Nebel mit Haufen"
        return "Emissionsnebel"
    if object_type == "SS":
        return "Doppelstern"
    return "Sternwolke"


def read_messier(ctx):
    text = ctx.read_text("deepsky", "sscore-messier.csv", encoding="utf-8-sig")
    rows = csv.DictReader(io.StringIO("\n".join(l for l in text.splitlines() if not l.startswith("#"))))
    d3 = {f["id"]: f["properties"]
          for f in json.loads(ctx.read_text("deepsky", "d3-messier.json"))["features"]}
    names = json.loads(ctx.read_text("deepsky", "d3-dsonames.json"))
    objects = {}
    for row in rows:
        ids = row["IDs"].split(";")
        designation = ids[0]
        if designation in objects:   # M 40: the second star of the pair
            continue
        key = designation.replace(" ", "")
        extra = d3.get(key, {})
        mag = row["V"].strip()
        mag = float(mag) if mag else float(extra["mag"])
        size = row["Maj"].strip()
        if size:
            size = float(size)
        else:
            size = max(float(x) for x in str(extra.get("dim") or "1").split("x"))
        german = GERMAN_NAMES.get(designation)
        if german is None:
            for ident in ids[1:]:
                if names.get(ident, {}).get("de"):
                    german = names[ident]["de"]
                    break
        dist = row["Dist"].strip()
        objects[designation] = {
            "designation": designation,
            "name": german or "",
            "ra_h": sexagesimal(row["RA"], True),
            "dec_deg": sexagesimal(row["Dec"], False),
            "mag": mag,
            "size_arcmin": size,
            "dist_ly": float(dist) * LIGHT_YEARS_PER_PARSEC if dist else None,
            "kind": "Sternwolke" if designation == "M 24" else kind_of(row["Type"], row["Morph"].strip()),
        }
    return list(objects.values())


def rounded_distance(ly):
    """Light years to three significant digits."""
    if ly is None:
        return ""
    digits = len("%d" % ly)
    step = 10 ** max(0, digits - 3)
    return "%d" % (round(ly / step) * step)


def nebula_line(obj):
    size = max(1, min(99, round(obj["size_arcmin"] / 2.0 / 60.0 / 0.25)))
    # The designation and the German name where both fit the 25 columns.
    name = " ".join(part for part in (obj["designation"], obj["name"]) if part)
    if len(name) > 25:
        name = obj["designation"]
    return (
        fixed(obj["ra_h"], 7, 4)
        + fixed(obj["dec_deg"], 7, 3)
        + "   "
        + "%2d" % size
        + text_field(latin1(name), 25)
        + "%8s" % rounded_distance(obj["dist_ly"])
        + text_field(obj["kind"], 20)
    ).rstrip()


def make_nebulae(ctx):
    others = [{
        "designation": d, "name": n, "ra_h": ra, "dec_deg": dec, "mag": v,
        "size_arcmin": size, "dist_ly": ly, "kind": kind,
    } for d, n, ra, dec, v, size, ly, kind in OTHERS]
    messier = sorted(read_messier(ctx), key=lambda o: (o["mag"], int(o["designation"][2:])))
    chosen = messier[: NEBULA_COUNT - len(others)] + others
    chosen.sort(key=lambda o: o["ra_h"])
    lines = [nebula_line(o) for o in chosen]
    ctx.write_lines("NEBEL", lines)
    return len(lines)
