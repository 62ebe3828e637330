"""Map files: the world-map bitmap welt.bmp and the border lines Grenzen of the map of
Germany, from the Natural Earth outlines of world-atlas (TopoJSON)."""

import json
import struct

from topojson import arc_indices, arc_points, decode_arcs, polygons_of, ring_points

# welt.bmp: 622 x 301 pixels; pixel (X, Y) lies at longitude (X - 310.5) * 180 / 310.5
# and latitude 90 - Y * 0.6.
WIDTH, HEIGHT = 622, 301
OCEAN = (24, 56, 120)
LAND = (70, 140, 70)
COAST = (40, 96, 48)

# Countries whose borders and coasts the map of Germany shows (the map spans about
# -1..20.3 degrees east and 46.1..56.1 degrees north).
BORDER_COUNTRIES = [
    "Germany", "Denmark", "Netherlands", "Belgium", "Luxembourg", "France",
    "Switzerland", "Liechtenstein", "Austria", "Czechia", "Poland", "Italy",
    "Slovenia", "Slovakia", "Hungary", "Croatia", "Sweden", "United Kingdom", "Russia",
]
# Clipping box of the border lines. A point with longitude 0 would end a stroke and a
# negative longitude would end the file, so the box starts just east of Greenwich.
BOX_LON = (0.01, 20.6)
BOX_LAT = (45.8, 56.4)


def pixel_longitude(x):
    return (x - 310.5) * 180.0 / 310.5


def row_latitude(y):
    return max(-89.95, min(89.95, 90.0 - y * 0.6))


def land_rings(ctx):
    topology = json.loads(ctx.read_text("maps", "land-50m.json"))
    arcs = decode_arcs(topology)
    rings = []
    for polygon in polygons_of(topology["objects"]["land"]):
        for ring in polygon:
            rings.append(ring_points(arcs, ring))
    return rings


def unwrapped_rings(rings):
    """Rings cut at the antimeridian join their parts with jumps of about 360 degrees.
    A ring with an even number of jumps is unwrapped into one continuous outline and
    drawn three times, 360 degrees apart, so that both sides show; a ring that winds
    round the pole (Antarctica: an odd number of jumps) keeps its coordinates and its
    jump edges are dropped."""
    out = []
    for ring in rings:
        pairs = list(zip(ring, ring[1:] + ring[:1]))
        jumps = sum(1 for a, b in pairs if abs(a[0] - b[0]) > 180.0)
        if jumps == 0:
            out.append((ring, False))
        elif jumps % 2:
            out.append((ring, True))
        else:
            offset = 0.0
            unwrapped = [ring[0]]
            for (x1, _), (x2, y2) in pairs[:-1]:
                if x2 - x1 > 180.0:
                    offset -= 360.0
                elif x1 - x2 > 180.0:
                    offset += 360.0
                unwrapped.append((x2 + offset, y2))
            for shift in (-360.0, 0.0, 360.0):
                out.append(([(x + shift, y) for x, y in unwrapped], False))
    return out


def rasterize(rings):
    """Land mask by even-odd scan lines through every pixel row's latitude."""
    crossings = [[] for _ in range(HEIGHT)]
    for ring, skip_jumps in unwrapped_rings(rings):
        for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
            if y1 == y2 or (skip_jumps and abs(x1 - x2) > 180.0):
                continue
            low, high = min(y1, y2), max(y1, y2)
            # rows whose latitude lies in [low, high)
            first = max(0, int((90.0 - high) / 0.6) - 1)
            last = min(HEIGHT - 1, int((90.0 - low) / 0.6) + 1)
            for row in range(first, last + 1):
                lat = row_latitude(row)
                if low <= lat < high:
                    crossings[row].append(x1 + (lat - y1) * (x2 - x1) / (y2 - y1))
    mask = []
    for row in range(HEIGHT):
        xs = sorted(crossings[row])
        line = []
        k = 0
        inside = False
        for x in range(WIDTH):
            lon = pixel_longitude(x)
            while k < len(xs) and xs[k] < lon:
                inside = not inside
                k += 1
            line.append(inside)
        mask.append(line)
    return mask


def bmp_bytes(pixels):
    """A 24-bit Windows bitmap, rows bottom-up, each padded to four bytes."""
    row_size = (WIDTH * 3 + 3) & ~3
    image_size = row_size * HEIGHT
    header = struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    body = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        body += row
    return header + info + bytes(body)


def make_world_map(ctx):
    mask = rasterize(land_rings(ctx))
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            if not mask[y][x]:
                row.append(OCEAN)
                continue
            coast = any(
                0 <= y + dy < HEIGHT and 0 <= x + dx < WIDTH and not mask[y + dy][x + dx]
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            row.append(COAST if coast else LAND)
        pixels.append(row)
    ctx.write_bytes("welt.bmp", bmp_bytes(pixels))
    return sum(line.count(True) for line in mask) * 100.0 / (WIDTH * HEIGHT)


def inside_box(point):
    lon, lat = point
    return BOX_LON[0] <= lon <= BOX_LON[1] and BOX_LAT[0] <= lat <= BOX_LAT[1]


def clipped_runs(points):
    """The parts of a line that lie inside the box (points outside are dropped)."""
    runs, run = [], []
    for p in points:
        if inside_box(p):
            run.append(p)
        else:
            if len(run) > 1:
                runs.append(run)
            run = []
    if len(run) > 1:
        runs.append(run)
    return runs


def hundredths(points):
    out = []
    for lon, lat in points:
        p = (round(lon * 100), round(lat * 100))
        if not out or out[-1] != p:
            out.append(p)
    return out


def make_borders(ctx):
    """Border and coast lines in hundredths of a degree: one "lon,lat" point per line,
    "0,0" ends a stroke, "-1,-1" ends the data. Every arc of the TopoJSON appears once,
    so a border shared by two countries is drawn once."""
    topology = json.loads(ctx.read_text("maps", "countries-10m.json"))
    arcs = decode_arcs(topology)
    by_name = {g["properties"]["name"]: g for g in topology["objects"]["countries"]["geometries"]}
    used = set()
    for name in BORDER_COUNTRIES:
        used |= arc_indices(by_name[name])
    lines = []
    strokes = 0
    for index in sorted(used):
        for run in clipped_runs(arc_points(arcs, index)):
            points = hundredths(run)
            if len(points) < 2:
                continue
            lines.extend("%d,%d" % p for p in points)
            lines.append("0,0")
            strokes += 1
    lines.append("-1,-1")
    ctx.write_lines("Grenzen", lines)
    return strokes, len(lines)
