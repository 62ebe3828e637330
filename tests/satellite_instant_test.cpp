// Satellites at the chart instant, the position line, and the observation of one
// selected satellite for the pass search and the information displays.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/displayed_instant.h"
#include "core/frame_of_date.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "satellite/sgp.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

constexpr double kDeg = kPi / 180.0;

const std::string kIssName = "ISS (ZARYA)             ";
const std::string kIss1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kIss2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";
const std::string kBadLine2 =
    "2 99999  51.6320 191.6695 0007016 356.2195   3.8740 15.4898X133563872";

class InstantTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        Place().longitudeDeg = 10.0;
        Place().setLatitude(50.0);
        Place().heightM = 100.0;
    }
    void TearDown() override { ResetAll(); }
    static void ResetAll() {
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetSunState();
    }

    // Appends a set to the table and to the selection.
    void AddSelected(const std::string& name, const std::string& l1, const std::string& l2,
                     double magnitude = 4.0, bool known = true, bool flare = false) {
        SatelliteTable& t = Satellites();
        const int row = t.AppendRow({name, l1, l2});
        ElementFile().satelliteCount = row;
        t.standardMagnitude[static_cast<std::size_t>(row)] = magnitude;
        t.magnitudeKnown[static_cast<std::size_t>(row)] = known ? 1 : 0;
        t.flareCapable[static_cast<std::size_t>(row)] = flare ? 1 : 0;
        t.selectedSets.insert(t.selectedSets.end(), {name, l1, l2});
        t.selectedRows.push_back(std::to_string(row));
        t.selectedCount = static_cast<int>(t.selectedRows.size());
    }

    // Chart Sun for currentJD as the chart drawing leaves it.
    static void ChartSun() {
        Shown().siderealHours = LocalSiderealTime(Place().longitudeDeg, Shown().currentJD);
        SunPosition(Shown().currentJD + DeltaT(Shown().year) / 24.0);
        SunForChart(Place(), Shown());
    }

    // First whole minute from start at which the ISS is above (or below) the horizon.
    static JD1900 FindInstant(JD1900 start, bool above) {
        const SatelliteOrbit iss = PrepareOrbit(kIss1, kIss2, OrbitModel::Sgp4);
        for (int minute = 0; minute < 3 * 1440; ++minute) {
            Shown().currentJD = start + minute / 1440.0;
            const double h = QuickAltitude(iss, Shown().currentJD, PlaceOf(Place()));
            if ((h > 20.0) == above && std::fabs(h) > 5.0) return Shown().currentJD;
        }
        ADD_FAILURE() << "no such instant";
        return start;
    }

    static JD1900 Epoch() {
        SgpElements el;
        EXPECT_TRUE(ParseSgpElements(kIss1, kIss2, el));
        return el.epoch;
    }
};

TEST_F(InstantTest, ProgressCaptionsEveryHundredAndRestoredAfterwards) {
    for (int i = 0; i < 250; ++i) AddSelected(kIssName, kIss1, kIss2);
    Shown().currentJD = Epoch();
    ChartSun();
    std::vector<std::string> captions;
    std::string current = "Polaride";
    SatelliteUi ui;
    ui.caption = [&] { return current; };
    ui.setCaption = [&](const std::string& c) {
        current = c;
        captions.push_back(c);
    };
    const double sidereal = Shown().siderealHours + 1.0;
    Shown().siderealHours = sidereal;
    EXPECT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()), ui));
    EXPECT_EQ(captions, (std::vector<std::string>{"Berechne Erdsatelliten...100",
                                                  "Berechne Erdsatelliten...200", "Polaride"}));
    EXPECT_EQ(current, "Polaride");
    EXPECT_EQ(Shown().siderealHours, sidereal);
}

TEST_F(InstantTest, SkyPositionMagnitudeAndShadowAtTheChartInstant) {
    AddSelected(kIssName, kIss1, kIss2);
    Shown().currentJD = FindInstant(Epoch(), true);
    ChartSun();
    ASSERT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place())));

    const SatelliteTable& t = Satellites();
    const SatObservation seen = ObserveSatellite(t.SelectedOrbit(0), t.SelectedLook(0),
                                                 Shown().currentJD, PlaceOf(Place()));
    EXPECT_TRUE(t.sky[1].aboveHorizon);
    EXPECT_DOUBLE_EQ(t.sky[1].altitude, seen.altitudeDeg * kDeg);
    EXPECT_DOUBLE_EQ(t.sky[1].azimuth, seen.azimuthDeg * kDeg);
    EXPECT_DOUBLE_EQ(t.chartMagnitude[1], seen.magnitude);
    EXPECT_EQ(t.inShadow[1], seen.shadowDepthKm < 0 ? 1 : 0);
}

TEST_F(InstantTest, BelowTheHorizonIsNotDrawnAndKeepsItsValues) {
    AddSelected(kIssName, kIss1, kIss2);
    Shown().currentJD = FindInstant(Epoch(), false);
    ChartSun();
    SatelliteTable& t = Satellites();
    t.sky[1] = {0.5, 0.5, true};
    t.chartMagnitude[1] = 3.25;
    t.inShadow[1] = 1;
    ASSERT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place())));
    EXPECT_FALSE(t.sky[1].aboveHorizon);
    EXPECT_EQ(t.chartMagnitude[1], 3.25);
    EXPECT_EQ(t.inShadow[1], 1);
}

TEST_F(InstantTest, AFailedSatelliteDoesNotStopTheOthers) {
    AddSelected(kIssName, kIss1, kIss2);
    AddSelected("BROKEN", "1 99999U", kBadLine2);
    AddSelected(kIssName, kIss1, kIss2);
    Shown().currentJD = FindInstant(Epoch(), true);
    ChartSun();
    SatelliteTable& t = Satellites();
    t.sky[2] = {0.5, 0.5, true};
    ASSERT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place())));
    EXPECT_TRUE(t.sky[1].aboveHorizon);
    EXPECT_FALSE(t.sky[2].aboveHorizon);
    EXPECT_TRUE(t.sky[3].aboveHorizon);
    EXPECT_EQ(t.sky[3].altitude, t.sky[1].altitude);
    EXPECT_EQ(t.sky[3].azimuth, t.sky[1].azimuth);
}

TEST_F(InstantTest, LoadRequestLoadsFirstAndAFailedOpenKeepsTheTable) {
    testsupport::TempDir dir;
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::WriteTextFile(dir / "sats.tle",
                               kIssName + "\r\n" + kIss1 + "\r\n" + kIss2 + "\r\n");
    ElementFile().elementFilePath = (dir / "sats.tle").string();
    Satellites().loadRequested = true;
    std::vector<std::string> names, messages;
    SatelliteUi ui;
    ui.showMessage = [&](const std::string& c, const std::string& m) {
        messages.push_back(c + ": " + m);
    };
    EXPECT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()), ui,
                                          [&](const std::string& n) { names.push_back(n); }));
    EXPECT_EQ(ElementFile().satelliteCount, 1);
    EXPECT_EQ(Satellites().selectedCount, 0);
    EXPECT_EQ(names, (std::vector<std::string>{"ISS (ZARYA)     "}));

    ElementFile().elementFilePath = (dir / "gone.tle").string();
    EXPECT_FALSE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()), ui));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ElementFile().satelliteCount, 1);
    EXPECT_EQ(Satellites().allSets.size(), 3u);
}

TEST_F(InstantTest, PositionLineFields) {
    struct Rounded {
        double x;
        std::size_t w;
        const char* expected;
    };
    for (const Rounded& c :
         {Rounded{-3.7, 7, "     -3"}, Rounded{-3.2, 7, "     -2"}, Rounded{-0.7, 4, "   0"},
          Rounded{412.5, 7, "    413"}, Rounded{12345678.0, 7, "12345678"}}) {
        EXPECT_EQ(RoundedField(c.x, c.w), c.expected) << c.x;
    }
    struct Fixed {
        double x;
        int d;
        std::size_t w;
        const char* expected;
    };
    for (const Fixed& c : {Fixed{271.456, 2, 6, "271.46"}, Fixed{5.0, 2, 6, "  5.00"},
                           Fixed{-12.34, 1, 6, " -12.3"}, Fixed{59.96, 1, 5, " 60.0"}}) {
        EXPECT_EQ(FixedField(c.x, c.d, c.w), c.expected) << c.x;
    }
    EXPECT_EQ(PositionHeader(),
              "    Name       |   Höhe    Entf     Sch |"
              " Azimut  Höhe |"
              "Rekt(2000.0)Dekl |  Phase    Mag");
}

TEST_F(InstantTest, PositionLineLayout) {
    AddSelected(kIssName, kIss1, kIss2, 4.0, true);
    AddSelected("A VERY LONG SATELLITE NAME", kIss1, kIss2, 4.0, false);
    Shown().currentJD = FindInstant(Epoch(), true);
    ChartSun();
    const PositionLineText known = PositionLine(0, Shown().currentJD, PlaceOf(Place()));
    EXPECT_EQ(known.header, PositionHeader());
    const SatObservation seen = ObserveSelected(0, Shown().currentJD, PlaceOf(Place()));
    const double height = seen.heightKm;
    ASSERT_EQ(known.values.size(), 13u + 1 + 21 + 1 + 12 + 1 + 15 + 1 + 6 + 7);
    EXPECT_EQ(known.values.substr(0, 14), "ISS (ZARYA)  |");
    EXPECT_EQ(known.values.substr(14, 7), RoundedField(height, 7));
    EXPECT_EQ(known.values[35], '|');
    EXPECT_EQ(known.values[48], '|');
    EXPECT_EQ(known.values[64], '|');
    EXPECT_EQ(known.values.back(), ' ');
    EXPECT_EQ(known.bold, seen.shadowDepthKm >= 0.0);
    EXPECT_GT(known.angularSpeedDegSec, 0.0);
    EXPECT_LT(known.angularSpeedDegSec, 2.0);

    const PositionLineText unknown = PositionLine(1, Shown().currentJD, PlaceOf(Place()));
    EXPECT_EQ(unknown.values.substr(0, 14), "A VERY LONG S|");
    EXPECT_EQ(unknown.values.back(), ':');
    EXPECT_EQ(unknown.values.substr(0, 64).substr(14), known.values.substr(0, 64).substr(14));
}

TEST_F(InstantTest, AnObservationCarriesTheSunOfItsInstant) {
    const JD1900 t = FindInstant(Epoch(), true);
    const SatObservation obs = ObserveSatellite(PrepareOrbit(kIss1, kIss2, OrbitModel::Sgp4),
                                                SatelliteLook{}, t, PlaceOf(Place()));
    EXPECT_EQ(obs.error, OrbitError::None);
    EXPECT_GT(obs.altitudeDeg, 20.0);
    const SunState sun = SunPositionAt(t + DeltaT(CivilFromJD1900(t, 0.0).year) / 24.0);
    EXPECT_EQ(obs.sunEquatorial[0], sun.x);
    EXPECT_EQ(obs.sunEquatorial[1], sun.y);
    EXPECT_EQ(obs.sunEquatorial[2], sun.z);
    // Range check: an ISS pass is a few hundred to two thousand km away.
    EXPECT_GT(obs.rangeKm, 300.0);
    EXPECT_LT(obs.rangeKm, 2500.0);
}

// Altitude and azimuth are those of the true equator and equinox of date: they follow
// from the right ascension and declination of date with the apparent sidereal time,
// not from the 2000.0 coordinates (26 years of precession, about 0.3 deg, apart).
TEST_F(InstantTest, AltitudeAndAzimuthAreOfTheFrameOfDate) {
    const JD1900 t = FindInstant(Epoch(), true);
    const FrameOfDate frame = FrameOfDateAt(t);
    const ObserverPlace place = PlaceOf(Place());
    const SatObservation obs = ObserveSatellite(PrepareOrbit(kIss1, kIss2, OrbitModel::Sgp4),
                                                SatelliteLook{}, t, place, &frame);
    auto horizon = [&](double raHours, double decDeg) {
        const double last = LocalApparentSiderealHours(frame, place.longitudeDeg);
        return EquatorialToHorizontal(HourAngle(last, raHours), decDeg * kDeg, place.sinLatitude,
                                      place.cosLatitude);
    };
    const HorizontalCoords ofDate = horizon(obs.raOfDateHours, obs.decOfDateDeg);
    EXPECT_NEAR(ofDate.altitude / kDeg, obs.altitudeDeg, 1e-4);
    EXPECT_NEAR(ofDate.azimuth / kDeg, obs.azimuthDeg, 1e-4);
    const HorizontalCoords of2000 = horizon(obs.ra2000Hours, obs.dec2000Deg);
    EXPECT_GT(
        std::hypot(of2000.altitude / kDeg - obs.altitudeDeg,
                   (of2000.azimuth / kDeg - obs.azimuthDeg) * std::cos(obs.altitudeDeg * kDeg)),
        0.2);
}

TEST_F(InstantTest, DetailsShowAFlareOnlyForASelectedFlareCapableRow) {
    AddSelected(kIssName, kIss1, kIss2, 4.0, true, true);
    Shown().currentJD = FindInstant(Epoch(), true);
    const SatelliteDetailValues ofRow =
        RowSatelliteDetails(1, Shown().currentJD, PlaceOf(Place()));  // row 1 of the whole table
    EXPECT_EQ(ofRow.seen.flareMirror, 0);
    EXPECT_EQ(ofRow.catalogueText, "25544 98067A   ");  // columns 3-7 and 9-18
    EXPECT_DOUBLE_EQ(ofRow.inclinationDeg, 51.632);
    EXPECT_EQ(ofRow.name, "ISS (ZARYA)");
    EXPECT_GT(ofRow.seen.heightKm, 300.0);
    EXPECT_LT(ofRow.seen.heightKm, 500.0);
    const SatelliteDetailValues ofSelection =
        SelectedSatelliteDetails(0, Shown().currentJD, PlaceOf(Place()));
    EXPECT_GE(ofSelection.seen.flareAngleDeg, 0.0);
    EXPECT_GE(ofSelection.seen.flareMirror, 1);
}

TEST_F(InstantTest, ShippedElementFilesPropagate) {
    const auto path = testsupport::DataPath("stations-2026-04.tle");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no shipped element file";
    const LoadResult r = LoadElementFile(path.string());
    ASSERT_TRUE(r.opened);
    ASSERT_GT(r.satelliteCount, 0);
    SatelliteTable& t = Satellites();
    for (int row = 1; row <= r.satelliteCount; ++row) {
        const ElementSet set = t.Row(row);
        t.selectedSets.insert(t.selectedSets.end(), {set.nameLine, set.line1, set.line2});
        t.selectedRows.push_back(std::to_string(row));
    }
    t.selectedCount = r.satelliteCount;
    Shown().currentJD = t.OrbitOfRow(1).elements.epoch;
    ChartSun();
    EXPECT_TRUE(ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place())));
    int drawn = 0;
    for (int k = 1; k <= t.selectedCount; ++k)
        drawn += t.sky[static_cast<std::size_t>(k)].aboveHorizon;
    EXPECT_LT(drawn, t.selectedCount);  // never all low satellites above one horizon
}

}  // namespace
