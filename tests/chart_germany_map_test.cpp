// Germany map: geometry at the three magnifications, town snapping, and the readers
// of "Grenzen" and "Staedte".
#include <gtest/gtest.h>

#include <cmath>

#include "catalog/map_files.h"
#include "chart/germany_map_geometry.h"
#include "support/test_paths.h"

using namespace location;

TEST(GermanyMapGeometry, DesignSizeGivesTheFixedScalesAndOrigin) {
    const GermanyMapGeometry map(435, 300);
    EXPECT_DOUBLE_EQ(map.yScale(), 30.0);
    EXPECT_DOUBLE_EQ(map.xScale(), 0.046875 * 435);
    EXPECT_NEAR(map.topLatitude(), 56.1, 1e-12);
    EXPECT_NEAR(map.leftLongitude(), -1.0, 1e-12);
}

TEST(GermanyMapGeometry, WindowCentreIs51Point1North9Point667East) {
    for (auto [w, h] : {std::pair{435, 300}, std::pair{1280, 960}, std::pair{1920, 1017}}) {
        const GermanyMapGeometry map(w, h);
        const MapPoint centre = map.ToDegrees(w / 2.0, h / 2.0);
        EXPECT_NEAR(centre.latitudeDeg, 51.1, 1e-9) << w << "x" << h;
        EXPECT_NEAR(centre.longitudeDeg, 9.6667, 1e-4) << w << "x" << h;
    }
}

TEST(GermanyMapGeometry, PixelsAndDegreesRoundTripAtEveryMagnification) {
    GermanyMapGeometry map(800, 600);
    const std::pair<int, int> clicks[] = {{0, 0}, {400, 300}, {333, 222}};
    for (int step = 0; step < 3; ++step) {
        for (double lon : {6.0, 9.6667, 13.4}) {
            for (double lat : {48.0, 51.1, 54.2}) {
                const MapPixel p = map.ToPixel(lon, lat);
                const MapPoint back = map.ToDegrees(p.x, p.y);
                EXPECT_NEAR(back.longitudeDeg, lon, 1e-9);
                EXPECT_NEAR(back.latitudeDeg, lat, 1e-9);
            }
        }
        map.MagnifyAt(clicks[step].first, clicks[step].second);
    }
}

TEST(GermanyMapGeometry, MagnifyingKeepsThePointUnderTheFrameCentreInTheMiddle) {
    GermanyMapGeometry map(800, 600);
    const MapPoint clicked = map.ToDegrees(200, 150);
    map.MagnifyAt(200, 150);
    EXPECT_EQ(map.zoom(), 5);
    MapPoint middle = map.ToDegrees(400, 300);
    EXPECT_NEAR(middle.longitudeDeg, clicked.longitudeDeg, 1e-9);
    EXPECT_NEAR(middle.latitudeDeg, clicked.latitudeDeg, 1e-9);

    const MapPoint second = map.ToDegrees(500, 400);
    map.MagnifyAt(500, 400);
    EXPECT_EQ(map.zoom(), 25);
    middle = map.ToDegrees(400, 300);
    // The centre is truncated to whole pixels of the unmagnified map.
    EXPECT_NEAR(middle.longitudeDeg, second.longitudeDeg, 1.0 / map.xScale());
    EXPECT_NEAR(middle.latitudeDeg, second.latitudeDeg, 1.0 / map.yScale());

    map.MagnifyAt(10, 10);  // no further magnification
    EXPECT_EQ(map.zoom(), 25);
}

TEST(GermanyMapGeometry, ReducingFrom25KeepsTheFiveFoldCentre) {
    GermanyMapGeometry map(800, 600);
    map.MagnifyAt(200, 150);
    map.MagnifyAt(500, 400);
    const double cx = map.centreX();
    const double cy = map.centreY();
    EXPECT_DOUBLE_EQ(cx, std::trunc((500 - 400) / 5.0 + 200));
    EXPECT_DOUBLE_EQ(cy, std::trunc((400 - 300) / 5.0 + 150));
    map.Reduce();
    EXPECT_EQ(map.zoom(), 5);
    EXPECT_DOUBLE_EQ(map.centreX(), cx);
    EXPECT_DOUBLE_EQ(map.centreY(), cy);
    map.Reduce();
    EXPECT_EQ(map.zoom(), 1);
    map.Reduce();
    EXPECT_EQ(map.zoom(), 1);
}

TEST(TownSnapping, ToleranceShrinksWithTheMagnification) {
    const std::vector<Town> towns = {{"Fulda", 9.68, 50.55}};
    struct Case {
        int zoom;
        double dLon, dLat;
        bool snaps;
    };
    const Case cases[] = {
        {1, 0.39, 0.24, true},   {1, 0.41, 0.0, false},     {1, 0.0, 0.26, false},
        {5, 0.079, 0.049, true}, {5, -0.079, -0.049, true}, {5, 0.081, 0.0, false},
        {5, 0.0, 0.051, false},  {25, 0.015, 0.009, true},  {25, 0.017, 0.0, false},
    };
    for (const Case& c : cases) {
        const auto town = SnapToTown(towns, 9.68 + c.dLon, 50.55 + c.dLat, c.zoom);
        EXPECT_EQ(town.has_value(), c.snaps) << c.zoom << " " << c.dLon << " " << c.dLat;
    }
}

TEST(TownSnapping, FirstMatchWinsAndMarkersEndOrSkip) {
    const std::vector<Town> towns = {{"-16", 9.0, 50.0},
                                     {"Erste", 9.1, 50.0},
                                     {"Zweite", 9.0, 50.0},
                                     {"-51", 0, 0},
                                     {"Hinten", 9.0, 50.0}};
    auto town = SnapToTown(towns, 9.0, 50.0, 1);
    ASSERT_TRUE(town);
    EXPECT_EQ(town->name, "Erste");
    EXPECT_DOUBLE_EQ(town->longitudeDeg, 9.1);
    // With the finer tolerance the first town is too far away; the marker is no town.
    town = SnapToTown(towns, 9.0, 50.0, 25);
    ASSERT_TRUE(town);
    EXPECT_EQ(town->name, "Zweite");
    // Beyond "-51" nothing is found.
    const std::vector<Town> onlyBehind = {{"-51", 0, 0}, {"Hinten", 9.0, 50.0}};
    EXPECT_FALSE(SnapToTown(onlyBehind, 9.0, 50.0, 1));
}

TEST(MapFiles, BordersFormStrokesUpToTheEndMark) {
    const auto strokes = ReadBorders(testsupport::FixturePath("location/Grenzen").string());
    ASSERT_EQ(strokes.size(), 2u);
    ASSERT_EQ(strokes[0].size(), 3u);
    EXPECT_DOUBLE_EQ(strokes[0][0].longitudeDeg, 6.0);
    EXPECT_DOUBLE_EQ(strokes[0][2].latitudeDeg, 51.0);
    ASSERT_EQ(strokes[1].size(), 2u);
    EXPECT_DOUBLE_EQ(strokes[1][1].longitudeDeg, 9.0);
}

TEST(MapFiles, TownsAreReadUpToTheMarkerOfTheMagnification) {
    const std::string path = testsupport::FixturePath("location/Staedte").string();
    struct Case {
        int zoom;
        std::size_t lines;
    };
    for (const Case& c : {Case{1, 3}, Case{5, 6}, Case{25, 8}}) {
        const auto towns = ReadTowns(path, TownMarkerForZoom(c.zoom));
        ASSERT_EQ(towns.size(), c.lines) << c.zoom;
        EXPECT_EQ(towns.back().name, TownMarkerForZoom(c.zoom));
    }
    const auto all = ReadTowns(path, "-51");
    EXPECT_EQ(all[3].name, "K\xf6ln");  // Latin-1 as in the file
    EXPECT_DOUBLE_EQ(all[3].longitudeDeg, 6.96);
    EXPECT_DOUBLE_EQ(all[3].latitudeDeg, 50.938);
}

TEST(MapFiles, MissingOrMalformedFilesRaiseTheFileError) {
    testsupport::TempDir dir;
    EXPECT_THROW(ReadBorders((dir / "Grenzen").string()), MapFileError);
    EXPECT_THROW(ReadTowns((dir / "Staedte").string(), "-16"), MapFileError);
    testsupport::WriteTextFile(dir / "Grenzen", "600,5000\n6x0,5000\n");
    EXPECT_THROW(ReadBorders((dir / "Grenzen").string()), MapFileError);
    testsupport::WriteTextFile(dir / "Staedte", "Berlin,13.4\n");
    EXPECT_THROW(ReadTowns((dir / "Staedte").string(), "-16"), MapFileError);
    testsupport::WriteTextFile(dir / "Staedte", "Berlin,13.4,Nord\n");
    EXPECT_THROW(ReadTowns((dir / "Staedte").string(), "-16"), MapFileError);
}
