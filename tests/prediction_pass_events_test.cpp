// The visible part of each pass: start, highest point and end with what bounds them,
// and the root-finding beneath.
#include <gtest/gtest.h>

#include <cmath>

#include "core/observing_place.h"
#include "prediction/pass_events.h"
#include "prediction/pass_search.h"
#include "prediction/scalar_search.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "support/observer_place.h"
#include "support/pass_search_records.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"

namespace {

using testsupport::FixturePath;
using testsupport::ReadTextFile;

constexpr double kSecond = 1.0 / 86400.0;

TEST(PredictionScalarSearchTest, RootAndMaximumToTheirTolerance) {
    const double root =
        FindRoot([](double x) { return x * x * x - 2.0; }, 0.0, 3.0, -2.0, 25.0, 1e-9);
    EXPECT_NEAR(root, std::cbrt(2.0), 1e-9);
    auto bump = [](double x) { return std::cos(x - 1.3); };
    const ScalarMaximum top = FindMaximum(bump, -1.0, 3.0, 1e-6, 0.0, bump(0.0));
    EXPECT_NEAR(top.x, 1.3, 1e-5);
    EXPECT_NEAR(top.value, 1.0, 1e-9);
}

TEST(PredictionPassEventsTest, ReasonsAndTimesAsTheyAreWritten) {
    EXPECT_EQ(StartReasonText(PassLimit::Altitude), "rise");
    EXPECT_EQ(EndReasonText(PassLimit::Altitude), "set");
    EXPECT_EQ(StartReasonText(PassLimit::Shadow), "shadow");
    EXPECT_EQ(EndReasonText(PassLimit::Twilight), "twilight");
    EXPECT_EQ(UtcIsoText(JulianDay1900(2026, 4, 27) + (1.0 + 2.0 / 60 + 35.4 / 3600) / 24),
              "2026-04-27T01:02:35Z");
    PassEvent west;
    west.azimuthDeg = 270.0;
    EXPECT_EQ(EventCompassWord(west), "W");
}

class PassEventsSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPassSearchRecords();
        testsupport::PlaceObserverInBerlin(40, 2);
        testsupport::SetObserverLocalTime(2026, 4, 27, 12);
        testsupport::LoadTextAndSelectEverySatellite(ReadTextFile(FixturePath("passes/iss.tle")));
    }
    void TearDown() override { ResetPassSearchRecords(); }
};

// Three nights of ISS passes over Berlin with the dialog's limits: each boundary lies
// where its condition is just met (seen without the search's interpolated Sun).
TEST_F(PassEventsSearchTest, BoundariesLieWhereTheirConditionIsJustMet) {
    PassSearchParameters p;
    p.nights = 3;
    p.brightest = true;
    PassSearchListener listener;
    PassSearch(p, listener);
    const PassListState& list = PassList();
    ASSERT_GE(list.passes.size(), 4u);
    bool riseToSet = false, shadowStart = false;
    for (const PassRecord& pass : list.Records()) {
        const PassEvents& e = pass.events;
        ASSERT_TRUE(e.found) << pass.time;
        EXPECT_LE(e.start.time, e.highest.time);
        EXPECT_LE(e.highest.time, e.end.time);
        EXPECT_NEAR(e.DurationSeconds(), (e.end.time - e.start.time) * 86400.0, 1e-9);
        EXPECT_GE(e.highest.altitudeDeg, pass.altitudeDeg - 1e-6);
        EXPECT_TRUE(e.brightestFound);
        EXPECT_LE(e.brightest.magnitude, std::fmin(e.start.magnitude, e.end.magnitude) + 1e-9);
        for (const auto& [event, limit] : {std::pair{e.start, e.startLimit}, {e.end, e.endLimit}}) {
            const SatObservation seen = ObserveSelected(0, event.time, PlaceOf(Place()));
            EXPECT_NEAR(seen.altitudeDeg, event.altitudeDeg, 1e-9);
            switch (limit) {
                case PassLimit::Altitude:
                    EXPECT_NEAR(seen.altitudeDeg, 10.0, 2e-3);
                    break;
                case PassLimit::Shadow:
                    EXPECT_NEAR(seen.shadowDepthKm, 0.0, 0.1);
                    break;
                case PassLimit::Twilight:
                    EXPECT_NEAR(seen.sunAltitudeDeg, -5.0, 1e-4);
                    break;
                case PassLimit::Open:
                    ADD_FAILURE() << "open end " << event.time;
            }
        }
        // The ISS culminating at 29.04.2026 02:51:50 UT rises and sets in sunlight.
        const JD1900 culmination = JulianDay1900(2026, 4, 29) + (2.0 + 51.83 / 60) / 24;
        if (e.start.time < culmination && culmination < e.end.time) {
            riseToSet = true;
            EXPECT_EQ(e.startLimit, PassLimit::Altitude);
            EXPECT_EQ(e.endLimit, PassLimit::Altitude);
            EXPECT_LT(e.start.time + 60 * kSecond, e.highest.time);
            EXPECT_LT(e.highest.time + 60 * kSecond, e.end.time);
            EXPECT_NEAR(e.highest.time, culmination, 2 * kSecond);
        }
        // A pass listed at its shadow exit ("*") becomes visible there.
        if (pass.shadowBoundary && e.startLimit == PassLimit::Shadow) {
            shadowStart = true;
            EXPECT_NEAR(e.start.time, pass.time, 60 * kSecond);
        }
    }
    EXPECT_TRUE(riseToSet);
    EXPECT_TRUE(shadowStart);
}

}  // namespace
