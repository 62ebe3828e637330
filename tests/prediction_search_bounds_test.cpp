// The bounds that spare the pass search work: an orbit out of reach of the observer's
// latitude, the Earth's shadow over the observer, and the same list with and without.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "prediction/search_bounds.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"

namespace {

const std::string kLine1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kLine2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";

// The ISS set with another inclination (columns 9-16) and mean motion (53-63).
std::string Line2With(double inclinationDeg, double meanMotion) {
    char i[16], n[16];
    std::snprintf(i, sizeof i, "%8.4f", inclinationDeg);
    std::snprintf(n, sizeof n, "%11.8f", meanMotion);
    std::string line2 = kLine2;
    line2.replace(8, 8, i);
    line2.replace(52, 11, n);
    return line2;
}

TEST(PredictionSearchBounds, OrbitReachesTheLatitudeOnlyWhereTheGeometryAllows) {
    const JD1900 from = JulianDay1900(2026, 4, 27), to = from + 2.0;
    struct Case {
        double inclinationDeg, meanMotion, latitudeDeg, minAltitudeDeg;
        bool reaches;
    };
    const Case cases[] = {
        {20.0, 15.05, 70.0, 10.0, false},                                      // low LEO far north
        {20.0, 15.05, -70.0, 10.0, false},                                     // and far south
        {20.0, 15.05, 30.0, 10.0, true},   {51.63, 15.49, 75.0, 10.0, false},  // the ISS from 75 N
        {51.63, 15.49, 60.0, 10.0, true},   // and from 60 N, near its ground track's edge
        {97.6, 15.2, 70.0, 10.0, true},     // sun-synchronous
        {160.0, 15.05, 70.0, 10.0, false},  // retrograde: reaches 20 degrees of latitude
        {0.05, 1.0027, 70.0, 5.0, true},    // geostationary, low in the south at 70 N
        {0.05, 1.0027, 85.0, 10.0, false},  // but never 10 degrees high at 85 N
        {20.0, 15.05, 89.0, -90.0, true},   // no minimum altitude
    };
    for (const Case& c : cases) {
        const SatelliteOrbit orbit =
            PrepareOrbit(kLine1, Line2With(c.inclinationDeg, c.meanMotion), OrbitModel::Sgp4);
        EXPECT_EQ(ReachOfOrbit(orbit, c.latitudeDeg, c.minAltitudeDeg, from, to).reachesAltitude,
                  c.reaches)
            << c.inclinationDeg << " deg at " << c.latitudeDeg << " deg";
    }
}

TEST(PredictionSearchBounds, ShadowOverTheObserverHidesLowSatellitesOnlyDeepInTheNight) {
    struct Case {
        double heightKm, minAltitudeDeg, sunAltitudeDeg;
        bool shadowed;
    };
    const Case cases[] = {
        {400.0, 10.0, -60.0, true},    {400.0, 10.0, -30.0, false},   {550.0, 10.0, -50.0, true},
        {550.0, 10.0, -35.0, false},   {550.0, 0.0, -45.0, false},    {550.0, 30.0, -45.0, true},
        {20200.0, 10.0, -89.0, false}, {35786.0, 10.0, -89.0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            c.sunAltitudeDeg < ShadowedBelowSunAltitudeDeg(6378.0 + c.heightKm, c.minAltitudeDeg),
            c.shadowed)
            << c.heightKm << " km, Sun at " << c.sunAltitudeDeg;
}

struct QuietListener : PassSearchListener {};

TEST(PredictionSearchBounds, ListIsTheSameWithAndWithoutTheBounds) {
    ResetObserverRecords();
    ResetSatelliteTable();
    ResetPassWindow();
    ResetPassList();
    testsupport::PlaceObserver("Santiago", -70.65, -33.45, 500, -4);
    testsupport::SetObserverLocalTime(2026, 4, 27, 12);
    testsupport::LoadTextAndSelectEverySatellite(
        testsupport::ReadTextFile(testsupport::FixturePath("passes/visual10.tle")) + "LOW SAT\r\n" +
        kLine1 + "\r\n" + Line2With(10.0, 15.05) + "\r\n");
    PassSearchParameters p;
    p.nights = 3;
    p.limitingMagnitude = 99;
    QuietListener listener;
    const PassSearchResult bounded = PassSearch(p, listener);
    const std::vector<std::string> lines = PassList().Lines();
    p.workBounds = false;
    const PassSearchResult full = PassSearch(p, listener);
    EXPECT_EQ(PassList().Lines(), lines);
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(bounded.satellitesOutOfReach, 1);
    EXPECT_GT(bounded.planeStepsInShadow, 0);
    EXPECT_EQ(full.planeStepsInShadow, 0);
    ResetSatelliteTable();
    ResetPassList();
    ResetPassWindow();
    ResetObserverRecords();
}

}  // namespace
