"""Decoding of TopoJSON (quantized, delta-encoded arcs) into lists of (lon, lat)."""


def decode_arcs(topology):
    scale_x, scale_y = topology["transform"]["scale"]
    translate_x, translate_y = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale_x + translate_x, y * scale_y + translate_y))
        arcs.append(points)
    return arcs


def arc_points(arcs, index):
    """The points of arc `index`; a negative index (~i) is arc i reversed."""
    return arcs[index] if index >= 0 else arcs[~index][::-1]


def ring_points(arcs, ring):
    points = []
    for index in ring:
        part = arc_points(arcs, index)
        points.extend(part if not points else part[1:])
    return points


def polygons_of(geometry):
    """The polygons (lists of rings of arc indices) of a Polygon or MultiPolygon."""
    if geometry.get("type") == "Polygon":
        return [geometry["arcs"]]
    if geometry.get("type") == "MultiPolygon":
        return geometry["arcs"]
    if geometry.get("type") == "GeometryCollection":
        return [p for g in geometry["geometries"] for p in polygons_of(g)]
    return []


def arc_indices(geometry):
    """Every arc (as a non-negative index) that the geometry's rings use."""
    used = set()
    for polygon in polygons_of(geometry):
        for ring in polygon:
            for index in ring:
                used.add(index if index >= 0 else ~index)
    return used
