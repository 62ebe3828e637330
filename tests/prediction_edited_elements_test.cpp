// An element line edited in memory ("ndot ändern" changes line 1 of the table and of
// the selection) reaches every later computation: the chart's satellites, the position
// line and the pass search give what a fresh load of the edited line gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "support/observer_place.h"
#include "support/pass_search_records.h"
#include "support/satellite_selection.h"

namespace {

const std::string kName = "ISS (ZARYA)";
const std::string kLine1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kLine2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";
// ndot/2 (columns 34-43) raised from .00010360 to .02000000 rev/day^2: after two days
// the satellite is a fifth of a revolution further on.
const std::string kEditedLine1 =
    "1 25544U 98067A   26117.36127981  .02000000  00000+0  19594-3 0  9994";

struct Outcome {
    std::vector<std::string> passLines;
    SkyPosition sky;
    double chartMagnitude = 0.0;
    std::string positionLine;
};

class EditedElementsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPassSearchRecords();
        testsupport::PlaceObserverInBerlin(40, 2);
        Shown().year = 2026;
    }
    void TearDown() override { ResetPassSearchRecords(); }
    // SGP reads ndot/2 (SGP4 does not).
    static void Load(const std::string& line1) {
        Satellites().orbitModel = OrbitModel::Sgp;
        testsupport::LoadTextAndSelectEverySatellite(kName + "\r\n" + line1 + "\r\n" + kLine2 +
                                                     "\r\n");
    }
    // Two nights of passes from 28.04.2026, then the chart and the position line at
    // `chartTime` (0: the first pass found).
    Outcome Compute(JD1900 chartTime) {
        Outcome out;
        Shown().currentJD = JulianDay1900(2026, 4, 28) + (12.0 - Place().zoneOffsetHours) / 24.0;
        FormatDateTime1900(Shown().currentJD);
        PassSearchParameters p;
        p.nights = 2;
        p.shadow = false;
        p.limitingMagnitude = 99;
        PassSearchListener listener;
        PassSearch(p, listener);
        out.passLines = PassList().Lines();
        if (chartTime == 0.0 && !PassList().passes.empty())
            chartTime = PassList().passes.front().time;
        Shown().currentJD = chartTime;
        Shown().timeChanged = true;
        SunPosition(Shown().currentJD + DeltaT(Shown().year) / 24.0);
        SunForChart(Place(), Shown());
        ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()));
        out.sky = Satellites().sky[1];
        out.chartMagnitude = Satellites().chartMagnitude[1];
        out.positionLine = PositionLine(0, Shown().currentJD, PlaceOf(Place())).values;
        return out;
    }
};

TEST_F(EditedElementsTest, AnEditedLineReachesTheChartThePositionLineAndThePassSearch) {
    Load(kEditedLine1);
    const Outcome fresh = Compute(0.0);
    ASSERT_FALSE(fresh.passLines.empty());
    const JD1900 chartTime = PassList().passes.front().time;
    ASSERT_TRUE(fresh.sky.aboveHorizon);  // at its pass

    // The original set computed first, so that every cached value belongs to it ...
    Load(kLine1);
    const Outcome before = Compute(chartTime);
    ASSERT_NE(before.positionLine, fresh.positionLine);
    // ... then line 1 edited as "ndot ändern" does, in the table and in the selection.
    Satellites().ReplaceLine1(1, kEditedLine1);
    Satellites().ReplaceSelectedLine1(0, kEditedLine1);
    const Outcome after = Compute(chartTime);
    EXPECT_EQ(after.passLines, fresh.passLines);
    EXPECT_EQ(after.sky.altitude, fresh.sky.altitude);
    EXPECT_EQ(after.sky.azimuth, fresh.sky.azimuth);
    EXPECT_EQ(after.chartMagnitude, fresh.chartMagnitude);
    EXPECT_EQ(after.positionLine, fresh.positionLine);
}

}  // namespace
