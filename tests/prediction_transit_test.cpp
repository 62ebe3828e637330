// Satellite transits of the Sun and the Moon: the centre line and the chord of a transit.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "prediction/transit_centre_line.h"
#include "prediction/transit_path.h"
#include "prediction/transit_search.h"
#include "support/test_paths.h"

namespace {

using namespace vectors;

// The stations' elements of 29.03.2026 and a place 400 m from the centre line of the
// Chinese station's transit of the Moon on 02.04.2026 (north of Paris).
constexpr GeodeticPoint kNearParis{48.9753, 2.3898, 0.04};
constexpr int kChineseStation = 48274;

SatelliteOrbit OrbitOf(int catalogNumber) {
    std::ifstream in(testsupport::FixturePath("transits/stations.tle"));
    std::string name, line1, line2;
    while (std::getline(in, name) && std::getline(in, line1) && std::getline(in, line2))
        if (std::stoi(line1.substr(2, 5)) == catalogNumber)
            return PrepareOrbit(line1, line2, OrbitModel::Sgp4);
    return {};
}

TransitSearchParameters OneDayFrom(const GeodeticPoint& place) {
    TransitSearchParameters p;
    p.place = place;
    p.start = JulianDay1900(2026, 4, 2);
    p.days = 1.0;
    return p;
}

std::vector<TransitApproach> Search(const SatelliteOrbit& orbit, const TransitSearchParameters& p) {
    return SearchTransits({{kChineseStation, "CSS", &orbit}}, p);
}

// The place moved across the centre line by a distance (km) from its nearest point.
GeodeticPoint BesideTheLine(const SatelliteOrbit& orbit, const TransitApproach& a, double km) {
    const BodyTrack track(a.instant - 0.01, a.instant + 0.01);
    const TransitGeometry geometry(orbit, kNearParis, track);
    const auto before = CentreLinePointAt(geometry, a.body, a.centreLine.nearest.instant - 1e-5);
    const auto after = CentreLinePointAt(geometry, a.body, a.centreLine.nearest.instant + 1e-5);
    const Vector3 centre = a.centreLine.nearest.earthFixedKm;
    Vector3 across = Cross(Times(centre, 1.0 / Length(centre)),
                           Minus(after->earthFixedKm, before->earthFixedKm));
    GeodeticPoint moved = GeodeticOf(Plus(centre, Times(across, km / Length(across))));
    moved.heightKm = kNearParis.heightKm;
    return moved;
}

TEST(PredictionTransitTest, PlaceBesideTheCentreLineIsToldItsDistance) {
    const SatelliteOrbit orbit = OrbitOf(kChineseStation);
    const std::vector<TransitApproach> near = Search(orbit, OneDayFrom(kNearParis));
    ASSERT_EQ(near.size(), 1u);
    ASSERT_TRUE(near[0].isTransit);
    EXPECT_LT(near[0].centreLine.distanceKm, 1.0);

    // Low in the east, the Moon is 0.5 degrees from the station 30 km beside the line.
    TransitSearchParameters beside = OneDayFrom(BesideTheLine(orbit, near[0], 30.0));
    beside.maxSeparationDeg = 0.3;
    beside.radiusKm = 40.0;
    const std::vector<TransitApproach> wide = Search(orbit, beside);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_NEAR(wide[0].centreLine.distanceKm, 30.0, 1.0);
    EXPECT_NEAR(wide[0].centreLine.nearest.instant, near[0].centreLine.nearest.instant,
                0.5 / 86400.0);
    EXPECT_FALSE(wide[0].isTransit);
    ASSERT_GT(wide[0].separationDeg, beside.maxSeparationDeg);

    beside.radiusKm = 10.0;
    EXPECT_TRUE(Search(orbit, beside).empty());
}

TEST(PredictionTransitTest, CentreLineTextSaysHowFarAndWhichWay) {
    struct Case {
        bool found;
        double distanceKm, azimuthDeg;
        const char* text;
    };
    const Case cases[] = {
        {true, 3.24, 45.0, "Zentrallinie 3,2 km NO"},
        {true, 15.0, 200.0, "Zentrallinie 15,0 km SSW"},
        {true, 0.02, 123.0, "Zentrallinie am Ort"},  // no direction to go
        {false, 0.0, 0.0, "Zentrallinie nicht bestimmbar"},
    };
    for (const Case& c : cases) {
        CentreLineNearest nearest;
        nearest.found = c.found;
        nearest.distanceKm = c.distanceKm;
        nearest.azimuthDeg = c.azimuthDeg;
        EXPECT_EQ(CentreLineText(nearest), c.text);
    }
}

TEST(PredictionTransitTest, TransitLastsTheChordOverTheAngularSpeed) {
    const SatelliteOrbit orbit = OrbitOf(kChineseStation);
    for (double km : {0.0, 3.0, 5.0}) {
        TransitSearchParameters p = OneDayFrom(kNearParis);
        if (km > 0.0) {
            const TransitApproach centred = Search(orbit, p).at(0);
            p = OneDayFrom(BesideTheLine(orbit, centred, km));
        }
        const std::vector<TransitApproach> found = Search(orbit, p);
        ASSERT_EQ(found.size(), 1u) << km;
        const TransitApproach& a = found[0];
        ASSERT_TRUE(a.isTransit) << km << " km: " << a.separationDeg;
        const double chordDeg =
            2.0 * std::sqrt(a.bodyRadiusDeg * a.bodyRadiusDeg - a.separationDeg * a.separationDeg);
        // The Moon's own motion, 0.0003 deg/s against the satellite's 0.2, is left out.
        EXPECT_NEAR(a.durationS, chordDeg / a.angularSpeedDegS, 0.01 * a.durationS) << km;
    }
}

TEST(PredictionTransitTest, PathAcrossTheDiscPassesAtTheLeastSeparation) {
    const SatelliteOrbit orbit = OrbitOf(kChineseStation);
    const GeodeticPoint place =
        BesideTheLine(orbit, Search(orbit, OneDayFrom(kNearParis)).at(0), 3.0);
    const TransitApproach a = Search(orbit, OneDayFrom(place)).at(0);
    const BodyTrack track(a.instant - 0.01, a.instant + 0.01);
    const TransitGeometry geometry(orbit, place, track);
    const std::vector<TransitPathPoint> path =
        PathAcrossBody(geometry, a.body, a.instant - 2.0 / 86400.0, a.instant + 2.0 / 86400.0, 0.1);
    ASSERT_EQ(path.size(), 41u);
    EXPECT_NEAR(std::hypot(path[20].xDeg, path[20].yDeg), a.separationDeg, 1e-4);
    for (const TransitPathPoint& p : path)
        EXPECT_GE(std::hypot(p.xDeg, p.yDeg), a.separationDeg - 1e-4);
}

}  // namespace
