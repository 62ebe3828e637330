"""Constellation figures SLINIEN and constellation labels SNAMEN."""

import json

from common import fixed, text_field

LABEL_COUNT = 89
# German names of the two parts of Serpens.
SERPENS_PARTS = {"Serpens Caput": "Schlange (Kopf)", "Serpens Cauda": "Schlange (Schwanz)"}


def read_figure_pairs(ctx):
    """{constellation: [(HR, HR), ...]} in file order."""
    text = ctx.read_text("constellations", "sscore-shapes.csv", encoding="utf-8-sig")
    figures = {}
    for line in text.splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        con, a, b = line.split(",")[:3]
        figures.setdefault(con, []).append((int(a), int(b)))
    return figures


def strokes_of(pairs):
    """Chains the segments of one figure into as few strokes as a greedy walk finds:
    each stroke starts at a star with an odd number of unused segments where there is
    one, and follows unused segments, lowest star number first."""
    unused = {}
    for a, b in pairs:
        if a == b:
            continue
        key = (min(a, b), max(a, b))
        unused[key] = True
    adjacency = {}
    for a, b in unused:
        adjacency.setdefault(a, set()).add(b)
        adjacency.setdefault(b, set()).add(a)
    strokes = []
    while unused:
        degree = {v: len(n) for v, n in adjacency.items() if n}
        odd = sorted(v for v, d in degree.items() if d % 2)
        start = odd[0] if odd else min(degree)
        stroke = [start]
        here = start
        while adjacency.get(here):
            nxt = min(adjacency[here])
            adjacency[here].discard(nxt)
            adjacency[nxt].discard(here)
            del unused[(min(here, nxt), max(here, nxt))]
            stroke.append(nxt)
            here = nxt
        strokes.append(stroke)
    return strokes


def make_figures(ctx, stars):
    """One line of five-character fields: -n moves to star n, n draws to it, 0 ends."""
    number_of_hr = {hr: n for n, s in enumerate(stars, start=1) for hr in s.hrs}
    fields = []
    segments = 0
    for con, pairs in sorted(read_figure_pairs(ctx).items()):
        numbered = [(number_of_hr[a], number_of_hr[b]) for a, b in pairs]
        for stroke in strokes_of(numbered):
            fields.append(-stroke[0])
            fields.extend(stroke[1:])
            segments += len(stroke) - 1
    fields.append(0)
    if any(not -9999 <= f <= 99999 for f in fields):
        raise ValueError("a figure star number does not fit five columns")
    ctx.write_lines("SLINIEN", ["".join("%5d" % f for f in fields)])
    return segments


def clean(text):
    return " ".join(text.replace("\u2005", " ").split())


def make_labels(ctx):
    """89 labels at the label points of d3-celestial (Serpens in two parts): anchor,
    abbreviation, then German name | Latin name | genitive."""
    features = json.loads(ctx.read_text("constellations", "d3-constellations.json"))["features"]
    if len(features) != LABEL_COUNT:
        raise ValueError("%d constellation labels" % len(features))
    lines = []
    for f in features:
        p = f["properties"]
        lon, lat = f["geometry"]["coordinates"]
        ra_h = (lon % 360.0) / 15.0
        if round(ra_h, 1) >= 24.0:
            ra_h = 0.0
        latin = clean(p["name"])
        german = SERPENS_PARTS.get(latin, clean(p.get("de") or latin))
        long_text = "%s|%s|Genitiv: %s" % (german, latin, clean(p["gen"]))
        lines.append(fixed(ra_h, 4, 1) + fixed(lat, 5, 1) + text_field(p["desig"], 3) + long_text)
    ctx.write_lines("SNAMEN", lines)
    return len(lines)
