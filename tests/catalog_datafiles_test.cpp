// The shipped data files: every one reads through the program's field rules without
// an error, the record counts are exact, cross references agree, and spot checks of
// well-known stars hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "support/test_paths.h"

namespace {

using testsupport::DataPath;
using testsupport::ScopedWorkingDir;

std::vector<std::string> FileLines(const std::string& name) {
    std::vector<std::string> lines;
    DataFile file(DataPath(name).string());
    std::string_view line;
    while (file.NextLine(line)) lines.emplace_back(line);
    return lines;
}

struct CatalogStar {
    double ra = 0, dec = 0, mag = 0;
    std::string con, designation, catalogue, magnitudeText, distanceText, description;
    CatalogueKind kind = CatalogueKind::None;
};

// The whole catalogue, read through the program's reader in the data folder.
const std::vector<CatalogStar>& Catalogue() {
    static const std::vector<CatalogStar> stars = [] {
        ScopedWorkingDir cwd(DataPath(""));
        std::vector<CatalogStar> out(1);  // star numbers count from 1
        ReadStarRecords([&](int, const StarRecord& s) {
            CatalogStar c;
            c.ra = s.rightAscensionHours;
            c.dec = s.declinationDeg;
            c.mag = s.magnitude;
            c.con = std::string(s.constellation);
            c.designation = std::string(TrimTrailingBlanks(s.designation));
            c.catalogue = std::string(TrimTrailingBlanks(s.catalogue));
            c.magnitudeText = std::string(ColumnText(s.line, 15, 19));
            c.distanceText = std::string(s.distance);
            c.kind = s.catalogueKind;
            c.description = std::string(s.description);
            out.push_back(std::move(c));
        });
        return out;
    }();
    return stars;
}

std::set<std::string> LabelAbbreviations() {
    std::set<std::string> set;
    ScopedWorkingDir cwd(DataPath(""));
    ReadConstellationLabels(
        [&](int, const ConstellationLabelRecord& l) { set.emplace(l.abbreviation); });
    return set;
}

int FindNamed(const std::string& name) {
    const auto& stars = Catalogue();
    for (std::size_t n = 1; n < stars.size(); ++n) {
        if (stars[n].catalogue == name) return static_cast<int>(n);
    }
    return 0;
}

// ---- sky files ------------------------------------------------------------------

TEST(ShippedSkyFiles, StarCatalogueHoldsExactly15639ValidStars) {
    const auto& stars = Catalogue();
    ASSERT_EQ(stars.size(), static_cast<std::size_t>(kStarCount) + 1);
    EXPECT_EQ(FileLines("STERNKAT").size(), static_cast<std::size_t>(kStarCount));
    const std::set<std::string> abbreviations = LabelAbbreviations();
    std::map<int, int> hipparcos;  // HIP number -> first star number
    for (std::size_t n = 1; n < stars.size(); ++n) {
        const CatalogStar& s = stars[n];
        ASSERT_TRUE(s.ra >= 0 && s.ra < 24) << n;
        ASSERT_TRUE(s.dec >= -90 && s.dec <= 90) << n;
        ASSERT_TRUE(s.mag > -2 && s.mag < 15) << n;
        ASSERT_TRUE(abbreviations.count(s.con)) << n << " '" << s.con << "'";
        ASSERT_NE(s.kind, CatalogueKind::Tycho) << n;
        if (s.kind == CatalogueKind::Hipparcos) {
            int hip = 0;
            ASSERT_TRUE(ParseWholeNumber(s.catalogue.substr(3), hip)) << n;
            // Components of a Bright Star double may share a HIP number; a further
            // Hipparcos star (described by its colour index) never repeats one.
            const auto [first, inserted] = hipparcos.emplace(hip, static_cast<int>(n));
            if (!inserted) {
                EXPECT_NE(s.description.rfind("Farbindex", 0), 0u) << "HIP " << hip << " twice";
                EXPECT_NE(stars[first->second].description.rfind("Farbindex", 0), 0u) << hip;
            }
        }
        double distance = 0;
        if (!TrimBlanks(s.distanceText).empty()) {
            EXPECT_TRUE(ParseDecimal(s.distanceText, distance) && distance > 0) << n;
        }
    }
}

TEST(ShippedSkyFiles, SpotChecksOfWellKnownStars) {
    const auto& stars = Catalogue();
    const int sirius = FindNamed("Sirius");
    ASSERT_GT(sirius, 0);
    EXPECT_NEAR(stars[sirius].mag, -1.44, 0.05);
    EXPECT_EQ(stars[sirius].con, "CMa");
    EXPECT_NEAR(stars[sirius].ra, 6.0 + 45.0 / 60.0, 1.0 / 60.0);  // 6h45m
    EXPECT_NEAR(stars[sirius].dec, -16.72, 0.05);

    const int polaris = FindNamed("Polarstern");
    ASSERT_GT(polaris, 0);
    EXPECT_GT(stars[polaris].dec, 89.0);
    EXPECT_EQ(stars[polaris].con, "UMi");

    const int vega = FindNamed("Wega");
    ASSERT_GT(vega, 0);
    EXPECT_EQ(stars[vega].con, "Lyr");
    EXPECT_NEAR(stars[vega].mag, 0.03, 0.05);

    // The named-star window starts at star 9, Sirrah.
    EXPECT_EQ(stars[9].catalogue, "Sirrah");
    EXPECT_EQ(stars[9].con, "And");

    // The brightest stars of the sky are all there, under their German names.
    for (const char* name :
         {"Kanopus", "Arktur", "Kapella", "Rigel", "Prokyon", "Achernar", "Beteigeuze", "Atair",
          "Aldebaran", "Antares", "Spica", "Pollux", "Fomalhaut", "Deneb", "Regulus"}) {
        const int n = FindNamed(name);
        ASSERT_GT(n, 0) << name;
        EXPECT_LT(stars[n].mag, 1.5) << name;
    }
}

TEST(ShippedSkyFiles, ConstellationFiguresPointAtStarsOfTheirConstellation) {
    ConstellationLineList list;
    {
        ScopedWorkingDir cwd(DataPath(""));
        list = ReadConstellationLines();
    }
    const auto& stars = Catalogue();
    ASSERT_GT(list.entries.size(), 600u);
    ASSERT_LT(list.entries.front(), 0) << "the list starts with a move";
    std::vector<std::vector<int>> strokes;
    for (int entry : list.entries) {
        const int n = std::abs(entry);
        ASSERT_TRUE(n >= 1 && n <= kStarCount) << entry;
        if (entry < 0) strokes.emplace_back();
        strokes.back().push_back(n);
    }
    // Every stroke belongs to one constellation: all its stars but the few that
    // IAU figures borrow from a neighbour (Alpheratz in Pegasus, ...).
    int borrowed = 0;
    std::set<std::string> drawn;
    for (const auto& stroke : strokes) {
        ASSERT_GE(stroke.size(), 2u);
        std::map<std::string, int> count;
        for (int n : stroke) ++count[stars[n].con];
        const auto major = std::max_element(count.begin(), count.end(),
                                            [](auto& a, auto& b) { return a.second < b.second; });
        drawn.insert(major->first);
        borrowed += static_cast<int>(stroke.size()) - major->second;
        for (std::size_t i = 1; i < stroke.size(); ++i) {
            EXPECT_TRUE(stars[stroke[i - 1]].con == major->first ||
                        stars[stroke[i]].con == major->first)
                << "segment " << stroke[i - 1] << "-" << stroke[i] << " outside " << major->first;
            // Neighbouring figure stars lie within 40 degrees of each other.
            const double d1 = stars[stroke[i - 1]].dec * M_PI / 180,
                         d2 = stars[stroke[i]].dec * M_PI / 180;
            const double dra = (stars[stroke[i - 1]].ra - stars[stroke[i]].ra) * M_PI / 12;
            const double cosSep =
                std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(dra);
            EXPECT_GT(cosSep, std::cos(40 * M_PI / 180)) << stroke[i - 1] << "-" << stroke[i];
        }
    }
    EXPECT_LE(borrowed, 14);
    EXPECT_EQ(drawn.size(), 88u) << "a figure for every constellation";
}

TEST(ShippedSkyFiles, EightyNineLabelsWithGermanLatinAndGenitive) {
    EXPECT_EQ(FileLines("SNAMEN").size(), static_cast<std::size_t>(kLabelCount));
    ScopedWorkingDir cwd(DataPath(""));
    std::map<std::string, int> perAbbreviation;
    int labels = 0;
    ReadConstellationLabels([&](int, const ConstellationLabelRecord& label) {
        ++labels;
        ++perAbbreviation[std::string(label.abbreviation)];
        EXPECT_TRUE(label.rightAscensionHours >= 0 && label.rightAscensionHours < 24);
        EXPECT_TRUE(std::abs(label.declinationDeg) <= 90);
        EXPECT_EQ(SplitLabelText(label.longText).size(), 3u) << label.line;
    });
    EXPECT_EQ(labels, kLabelCount);
    EXPECT_EQ(perAbbreviation.size(), 88u);
    EXPECT_EQ(perAbbreviation["Ser"], 2) << "Serpens in two parts";
    EXPECT_EQ(ReadLabelLine(1).substr(9, 3), "And");
}

TEST(ShippedSkyFiles, FiftyNebulae) {
    EXPECT_EQ(FileLines("NEBEL").size(), static_cast<std::size_t>(kNebulaCount));
    ScopedWorkingDir cwd(DataPath(""));
    int count = 0;
    std::set<std::string> names;
    ReadNebulae([&](int, const NebulaRecord& nebula) {
        ++count;
        EXPECT_TRUE(nebula.size >= 1 && nebula.size <= 99) << nebula.line;
        EXPECT_FALSE(TrimBlanks(nebula.name).empty()) << nebula.line;
        EXPECT_FALSE(TrimBlanks(nebula.kind).empty()) << nebula.line;
        double distance = 0;
        EXPECT_TRUE(ParseDecimal(nebula.distance, distance) && distance > 0) << nebula.line;
        names.emplace(TrimTrailingBlanks(nebula.name));
    });
    EXPECT_EQ(count, kNebulaCount);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kNebulaCount));
    EXPECT_TRUE(names.count("M 31 Andromedanebel"));
    EXPECT_TRUE(names.count("M 45 Plejaden"));
}

TEST(ShippedSkyFiles, NamedStarsAgreeWithTheirCatalogueLines) {
    const auto& stars = Catalogue();
    ScopedWorkingDir cwd(DataPath(""));
    int rows = 0;
    bool sirrah = false;
    ReadNamedStars([&](int, const NamedStarRecord& named) {
        ++rows;
        int n = 0;
        ASSERT_TRUE(ParseWholeNumber(named.starNumber, n)) << named.line;
        ASSERT_TRUE(n >= 1 && n <= kStarCount) << named.line;
        const CatalogStar& star = stars[n];
        EXPECT_EQ(std::string(TrimTrailingBlanks(named.name)), star.catalogue) << named.line;
        EXPECT_EQ(std::string(named.magnitude), star.magnitudeText) << named.line;
        EXPECT_EQ(std::string(named.distance), star.distanceText) << named.line;
        EXPECT_EQ(std::string(named.constellation), star.con) << named.line;
        sirrah = sirrah || (n == 9 && TrimTrailingBlanks(named.name) == "Sirrah");
    });
    EXPECT_GT(rows, 100);
    EXPECT_LE(rows, kNamedStarCapacity);
    EXPECT_EQ(FileLines("STERNNAM").size(), static_cast<std::size_t>(rows));
    EXPECT_TRUE(sirrah);
}

// Two stars never share a name: alpha Centauri A is Rigil Kentaurus, B Toliman.
TEST(ShippedSkyFiles, EveryNamedStarHasItsOwnName) {
    ScopedWorkingDir cwd(DataPath(""));
    std::map<std::string, std::string> magnitudeOf;
    ReadNamedStars([&](int, const NamedStarRecord& named) {
        const auto [seen, fresh] =
            magnitudeOf.emplace(TrimTrailingBlanks(named.name), std::string(named.magnitude));
        EXPECT_TRUE(fresh) << seen->first << " twice";
    });
    EXPECT_EQ(magnitudeOf["Rigil Kentaurus"], "-0.01");
    EXPECT_EQ(magnitudeOf["Toliman"], " 1.35");
}

// ---- the other data files, by their column rules ---------------------------------

double Number(const std::string& line, int first, int last) {
    return ColumnNumber(line, first, last, "test");
}

TEST(ShippedDataFiles, SatelliteMagnitudesAscendingAndWithinTheTable) {
    const auto lines = FileLines("SATMAG");
    ASSERT_GT(lines.size(), 1000u);
    EXPECT_LE(lines.size(), 1500u);
    double previous = 0;
    for (const std::string& line : lines) {
        const double number = Number(line, 1, 5);
        const double magnitude = Number(line, 24, 28);
        EXPECT_GT(number, previous) << line;
        EXPECT_TRUE(magnitude > -3 && magnitude < 20) << line;
        previous = number;
    }
}

void ExpectElementFile(const std::string& name, std::size_t minimumSets) {
    const auto lines = FileLines(name);
    ASSERT_EQ(lines.size() % 3, 0u) << name;
    ASSERT_GE(lines.size() / 3, minimumSets) << name;
    double previous = 0;
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        const std::string& l1 = lines[i + 1];
        const std::string& l2 = lines[i + 2];
        ASSERT_EQ(l1.substr(0, 2), "1 ") << name << " line " << i + 2;
        ASSERT_EQ(l2.substr(0, 2), "2 ") << name << " line " << i + 3;
        ASSERT_EQ(l1.size(), 69u);
        const double number = Number(l1, 3, 7);
        EXPECT_EQ(number, Number(l2, 3, 7));
        EXPECT_GT(number, previous) << name << ": ascending catalogue numbers";
        previous = number;
        // Mean motion and inclination by their columns.
        EXPECT_GT(Number(l2, 53, 63), 0.0);
        EXPECT_LE(Number(l2, 9, 16), 180.0);
    }
}

TEST(ShippedDataFiles, ElementFilesAreWholeRecordsInCatalogueOrder) {
    ExpectElementFile("iridiums.tle", 60);
    ExpectElementFile("visual-2026-04.tle", 100);
    ExpectElementFile("stations-2026-04.tle", 10);
    ExpectElementFile("active-2026-04.tle", 10000);
    ExpectElementFile("all-2018-01.tle", 900);
    // The bright-satellite sample carries standard magnitudes in its name lines.
    const auto visual = FileLines("visual-2026-04.tle");
    int withMagnitude = 0;
    for (std::size_t i = 0; i < visual.size(); i += 3) {
        double mag = 0;
        withMagnitude += ParseDecimal(ColumnText(visual[i], 31, 35), mag);
    }
    EXPECT_GT(withMagnitude, 100);
}

TEST(ShippedDataFiles, AsteroidElementPairsEvery200DaysFrom1990To2060) {
    const auto lines = FileLines("ASTEROID.TXT");
    ASSERT_EQ(lines.size() % 2, 0u);
    const double jd1990 = 2447892.5, jd2060 = 2473459.5;
    EXPECT_LE(Number(lines.front(), 1, 7) + 0.5, jd1990);
    EXPECT_GE(Number(lines.back(), 1, 7) + 0.5, jd2060);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const double epoch = Number(lines[i], 1, 7);
        EXPECT_EQ(epoch, Number(lines[i + 1], 1, 7));
        if (i > 0) {
            EXPECT_EQ(epoch - Number(lines[i - 2], 1, 7), 200.0);
        }
        EXPECT_NEAR(Number(lines[i], 17, 25), 2.77, 0.01) << "Ceres";
        EXPECT_NEAR(Number(lines[i + 1], 17, 25), 2.36, 0.01) << "Vesta";
        for (const std::string& line : {lines[i], lines[i + 1]}) {
            const double m0 = Number(line, 8, 16), e = Number(line, 26, 34);
            EXPECT_TRUE(m0 >= 0 && m0 < 360 && e > 0 && e < 0.2) << line;
            Number(line, 35, 43);
            Number(line, 44, 52);
            EXPECT_LT(Number(line, 53, 61), 20.0);
        }
    }
}

TEST(ShippedDataFiles, CometHasThirteenValues) {
    const auto lines = FileLines("KOMET");
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_FALSE(lines[0].empty());
    int whole = 0;
    EXPECT_TRUE(ParseWholeNumber(lines[1], whole) && whole >= 2026 && whole <= 2035);
    EXPECT_TRUE(ParseWholeNumber(lines[2], whole) && whole >= 1 && whole <= 12);
    std::vector<double> values;
    for (std::size_t i = 3; i < 13; ++i) {
        double v = 0;
        ASSERT_TRUE(ParseDecimal(lines[i], v)) << "line " << i + 1 << ": " << lines[i];
        values.push_back(v);
    }
    EXPECT_GT(values[1], 0.0) << "line 5: perihelion distance";
    EXPECT_GE(values[2], 0.0) << "line 6: eccentricity";
    EXPECT_EQ(values[6], 2000.0) << "line 10: equinox";
}

TEST(ShippedDataFiles, PlacesInTheirColumnsGermanFirst) {
    const auto lines = FileLines("ORTE");
    ASSERT_GE(lines.size(), 200u);
    bool german = true;
    int germanCount = 0;
    for (const std::string& line : lines) {
        const double lon = Number(line, 1, 9), lat = Number(line, 10, 17),
                     height = Number(line, 18, 22);
        EXPECT_TRUE(lon >= -180 && lon <= 180 && std::abs(lat) <= 90) << line;
        EXPECT_TRUE(height > -500 && height < 6000) << line;
        EXPECT_FALSE(TrimBlanks(ColumnsToEnd(line, 23)).empty()) << line;
        const bool inGermany = lon > 5.8 && lon < 15.1 && lat > 47.2 && lat < 55.1;
        if (german && !inGermany) german = false;
        germanCount += german;
        if (!german) {
            EXPECT_NE(line.back(), ' ');
        }
    }
    EXPECT_GE(germanCount, 50);
}

TEST(ShippedDataFiles, TownsInThreeTiersForTheMapOfGermany) {
    const auto lines = FileLines("Staedte");
    std::vector<std::string> markers;
    std::vector<int> tierSizes(1, 0);
    for (const std::string& line : lines) {
        const auto first = line.find(',');
        const auto second = line.find(',', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        ASSERT_EQ(line.find(',', second + 1), std::string::npos) << line;
        double lon = 0, lat = 0;
        ASSERT_TRUE(ParseDecimal(std::string_view(line).substr(first + 1, second - first - 1), lon))
            << line;
        ASSERT_TRUE(ParseDecimal(std::string_view(line).substr(second + 1), lat)) << line;
        const std::string name = line.substr(0, first);
        if (name == "-16" || name == "-185" || name == "-51") {
            markers.push_back(name);
            tierSizes.push_back(0);
            continue;
        }
        EXPECT_TRUE(lon > -1 && lon < 20.3 && lat > 46.1 && lat < 56.1) << line;
        ++tierSizes.back();
    }
    EXPECT_EQ(markers, (std::vector<std::string>{"-16", "-185", "-51"}));
    EXPECT_EQ(lines.front().substr(0, 7), "Berlin,");
    EXPECT_GT(tierSizes[0], 5);
    EXPECT_GT(tierSizes[1], tierSizes[0]);
    EXPECT_GT(tierSizes[2], 0);
    EXPECT_EQ(tierSizes[3], 0) << "nothing after the last marker";
}

TEST(ShippedDataFiles, BorderStrokesInHundredthsOfADegree) {
    const auto lines = FileLines("Grenzen");
    int strokes = 0, points = 0;
    bool ended = false;
    for (const std::string& line : lines) {
        ASSERT_FALSE(ended) << "data after the end point";
        const auto comma = line.find(',');
        ASSERT_NE(comma, std::string::npos) << line;
        int lon = 0, lat = 0;
        ASSERT_TRUE(ParseWholeNumber(std::string_view(line).substr(0, comma), lon)) << line;
        ASSERT_TRUE(ParseWholeNumber(std::string_view(line).substr(comma + 1), lat)) << line;
        if (lon < 0) {
            ended = true;
        } else if (lon == 0) {
            ++strokes;
        } else {
            ++points;
            EXPECT_TRUE(lon <= 2100 && lat >= 4500 && lat <= 5700) << line;
        }
    }
    EXPECT_TRUE(ended);
    EXPECT_GT(strokes, 20);
    EXPECT_GT(points, 2000);
}

TEST(ShippedDataFiles, WorldMapIsA622By301Bitmap) {
    std::ifstream in(DataPath("welt.bmp"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 54u);
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                          bytes[at + 3] << 24);
    };
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(u32(2), bytes.size());
    EXPECT_EQ(u32(18), 622u);
    EXPECT_EQ(u32(22), 301u);
    EXPECT_EQ(bytes[28], 24) << "24 bits per pixel";
    const std::size_t rowBytes = (622 * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + rowBytes * 301);
    // Pixel colour (B, G, R) at image column x, row y (rows stored bottom-up).
    auto pixel = [&](int x, int y) {
        const std::size_t at = 54 + rowBytes * (300 - y) + 3 * x;
        return std::vector<int>{bytes[at], bytes[at + 1], bytes[at + 2]};
    };
    auto at = [](double lon, double lat) {
        return std::pair<int, int>{static_cast<int>(lon * 310.5 / 180 + 310.5),
                                   static_cast<int>((90 - lat) * 300 / 180)};
    };
    const auto [ox, oy] = at(-30, 0);     // Atlantic
    const auto [lx, ly] = at(20, 5);      // Central Africa
    const auto [px, py] = at(-150, -20);  // Pacific
    EXPECT_EQ(pixel(ox, oy), pixel(px, py)) << "both oceans one colour";
    EXPECT_NE(pixel(ox, oy), pixel(lx, ly)) << "land differs from the sea";
    const auto [gx, gy] = at(10, 51);  // Germany
    EXPECT_EQ(pixel(gx, gy), pixel(lx, ly));
}

}  // namespace
