"""Places: the place list ORTE and the towns Staedte of the map of Germany."""

import csv
import io
import math

from common import fixed
from stars import latin1

# German names of cities the GeoNames list gives in another language.
GERMAN_CITY_NAMES = {
    "Munich": "München", "Vienna": "Wien", "Prague": "Prag", "Warsaw": "Warschau",
    "Rome": "Rom", "Moscow": "Moskau", "Brussels": "Brüssel", "Copenhagen": "Kopenhagen",
    "Lisbon": "Lissabon", "Athens": "Athen", "Milan": "Mailand", "Genève": "Genf",
    "Zurich": "Zürich", "Naples": "Neapel", "Venice": "Venedig", "Florence": "Florenz",
    "Turin": "Turin", "Belgrade": "Belgrad", "Bucharest": "Bukarest", "Kyiv": "Kiew",
    "Saint Petersburg": "Sankt Petersburg", "Cairo": "Kairo", "Beijing": "Peking",
    "Mexico City": "Mexiko-Stadt", "Tokyo": "Tokio", "The Hague": "Den Haag",
    "Luxembourg": "Luxemburg", "Gdańsk": "Danzig", "Wrocław": "Breslau",
    "Poznań": "Posen", "Szczecin": "Stettin", "Kraków": "Krakau", "Brno": "Brünn",
    "Antwerpen": "Antwerpen", "Liège": "Lüttich", "Strasbourg": "Straßburg",
}

GERMAN_PLACES_IN_ORTE = 90
WORLD_PLACES_IN_ORTE = 240
STATION_REACH_KM = 25.0
DISTRICT_KM = 8.0
STATION_APART_KM = 12.0
TOP_TOWNS = 16

# Area of the map of Germany (degrees).
MAP_LON = (-1.0, 20.3)
MAP_LAT = (46.1, 56.1)


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return 6371.0 * math.acos(max(-1.0, min(1.0, c)))


class Place:
    def __init__(self, name, lat, lon, country, population=0, height=None):
        self.name = name
        self.lat = lat
        self.lon = lon
        self.country = country
        self.population = population
        self.height = height


def read_cities(ctx):
    cities = []
    text = ctx.read_text("places", "geonames-cities-100k.csv")
    for row in csv.reader(io.StringIO(text)):
        if not row or row[0] != "CT":
            continue
        name = GERMAN_CITY_NAMES.get(row[1], row[1])
        height = int(row[8]) if row[8].strip().lstrip("-").isdigit() else None
        cities.append(Place(latin1(name), float(row[3]), float(row[4]), row[5], int(row[7]), height))
    return cities


def read_stations(ctx):
    stations = []
    for line in ctx.source_lines("places", "weather-stations-with-height.dat", encoding="latin-1"):
        fields = line.split(";")
        if len(fields) < 7:
            continue
        try:
            lat, lon, height = float(fields[4]), float(fields[5]), int(float(fields[6]))
        except ValueError:
            continue
        if height == 0:
            continue  # a missing height in the station list (Curitiba, 934 m, reads 0)
        stations.append(Place(fields[2].strip(), lat, lon, fields[1].strip(), height=height))
    return stations


class PlaceIndex:
    """Places on a grid of one-degree cells, for the search of nearby places."""

    def __init__(self, places=()):
        self.cells = {}
        for p in places:
            self.add(p)

    @staticmethod
    def cell(lat, lon):
        return int(math.floor(lat)), int(math.floor(lon)) % 360

    def add(self, place):
        self.cells.setdefault(self.cell(place.lat, place.lon), []).append(place)

    def near(self, lat, lon):
        """The places of the cells around (lat, lon): all those within about 100 km."""
        row, column = self.cell(lat, lon)
        reach = 1 if abs(lat) < 60 else 3
        for r in range(row - 1, row + 2):
            for c in range(column - reach, column + reach + 1):
                yield from self.cells.get((r, c % 360), ())

    def nearest(self, lat, lon, limit_km):
        best, best_km = None, limit_km
        for p in self.near(lat, lon):
            km = distance_km(lat, lon, p.lat, p.lon)
            if km <= best_km:
                best, best_km = p, km
        return best

    def any_within(self, lat, lon, km):
        return any(distance_km(lat, lon, p.lat, p.lon) <= km for p in self.near(lat, lon))


def without_districts(places):
    """Drops places within a few kilometres of a larger place already kept (city
    districts listed as cities of their own)."""
    kept = []
    index = PlaceIndex()
    for p in sorted(places, key=lambda p: (-p.population, p.name)):
        if not index.any_within(p.lat, p.lon, DISTRICT_KM):
            kept.append(p)
            index.add(p)
    return kept


def with_heights(places, stations):
    """Places with a height: their own where GeoNames has one, otherwise that of the
    nearest weather station within 25 km; others are dropped."""
    index = PlaceIndex(stations)
    out = []
    for p in places:
        if p.height is None:
            near = index.nearest(p.lat, p.lon, STATION_REACH_KM)
            if near is None:
                continue
            p.height = near.height
        out.append(p)
    return out


def sort_name(name):
    return name.translate(str.maketrans("ÄÖÜäöüß", "AOUaous"))


def orte_line(place, name):
    return fixed(place.lon, 9, 4) + fixed(place.lat, 8, 4) + "%5d" % place.height + name


def make_places(ctx):
    """German towns first (alphabetical), then large cities of the world."""
    cities = without_districts(read_cities(ctx))
    stations = read_stations(ctx)
    german = with_heights([c for c in cities if c.country == "DE"], stations)
    german = sorted(german, key=lambda p: -p.population)[:GERMAN_PLACES_IN_ORTE]
    world = with_heights(
        sorted([c for c in cities if c.country != "DE"], key=lambda p: -p.population)
        [: WORLD_PLACES_IN_ORTE * 2], stations)[:WORLD_PLACES_IN_ORTE]
    # Weather stations in Germany away from these towns, under their own names.
    index = PlaceIndex(german)
    for st in stations:
        name = station_town_name(st.name)
        if st.country == "Germany" and name and name.upper() != name \
                and latin1(name) not in {p.name for p in german} \
                and not index.any_within(st.lat, st.lon, STATION_APART_KM):
            place = Place(latin1(name), st.lat, st.lon, "DE", height=st.height)
            german.append(place)
            index.add(place)
    lines = [orte_line(p, p.name) for p in sorted(german, key=lambda p: sort_name(p.name))]
    lines += [orte_line(p, "%s (%s)" % (p.name, p.country))
              for p in sorted(world, key=lambda p: (sort_name(p.name), p.country))]
    ctx.write_lines("ORTE", lines)
    return len(german), len(world)


def on_map(place):
    return MAP_LON[0] < place.lon < MAP_LON[1] and MAP_LAT[0] < place.lat < MAP_LAT[1]


# Parts of German station names that name a region, not a place.
REGIONS = {"Baden Wurttemberg", "Mecklenburg-Vorpommern", "Sachsen-Anhalt", "Rheinland-Pfalz",
           "Hessen", "Niederrhein", "CAN-AFB"}


def station_town_name(name):
    """The place of a station name: "Aachen / Merzbruck" -> "Aachen", "Magdeburg,
    Sachsen-Anhalt" -> "Magdeburg", "Sembach United States Air Force ..." -> "Sembach";
    empty for a region alone."""
    for cut in (" /", "/", " United States", " Usa", "\\"):
        name = name.split(cut)[0]
    parts = [" ".join(p.split()) for p in name.split(",")]
    parts = [p for p in parts if p and p not in REGIONS]
    return parts[0] if parts else ""


def town_line(name, lon, lat):
    return "%s,%.3f,%.3f" % (name, lon, lat)


def make_towns(ctx):
    """German towns in three tiers, largest first, for the three magnifications of the
    map of Germany: the 16 largest cities; the other cities of 100 000 inhabitants and
    the large cities of the neighbouring countries; smaller places (weather stations
    and the smaller foreign cities). Marker lines "-16", "-185" and "-51" end the tiers."""
    cities = [c for c in without_districts(read_cities(ctx)) if on_map(c)]
    german = [c for c in cities if c.country == "DE"]
    foreign = [c for c in cities if c.country != "DE"]
    tier1 = german[:TOP_TOWNS]
    tier2 = german[TOP_TOWNS:] + [c for c in foreign if c.population >= 300000]
    tier3 = [c for c in foreign if c.population < 300000]
    listed = PlaceIndex(tier1 + tier2 + tier3)
    names = {p.name for p in tier1 + tier2 + tier3}
    for s in sorted(read_stations(ctx), key=lambda s: s.name):
        if s.country != "Germany" or not on_map(s):
            continue
        name = station_town_name(s.name)
        if name and name.upper() != name and latin1(name) not in names \
                and not listed.any_within(s.lat, s.lon, DISTRICT_KM):
            place = Place(latin1(name), s.lat, s.lon, "DE")
            tier3.append(place)
            listed.add(place)
            names.add(place.name)
    lines = [town_line(p.name, p.lon, p.lat) for p in tier1]
    lines.append("-16,0,0")
    lines += [town_line(p.name, p.lon, p.lat) for p in tier2]
    lines.append("-185,0,0")
    lines += [town_line(p.name, p.lon, p.lat) for p in tier3]
    lines.append("-51,0,0")
    for line in lines:
        if line.count(",") != 2:
            raise ValueError("a town name holds a comma: %r" % line)
    ctx.write_lines("Staedte", lines)
    return len(tier1), len(tier2), len(tier3)
