// Checking and taking over typed place values: order of the checks, ranges, what
// stays taken over after a refused value, and the number texts.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "catalog/place_entry.h"
#include "catalog/place_numbers.h"
#include "core/display_options.h"
#include "core/observing_place.h"

using namespace location;

namespace {

// A place with the display options and displayed instant the parameter dialog shows.
struct PlaceState : ObservingPlace {
    DisplayOptions display;
    JD1900 currentJD = 36525.0;
};

PlaceState OldPlace() {
    PlaceState state;
    state.placeName = "Alt";
    state.longitudeDeg = 7.0;
    state.setLatitude(50.0);
    state.heightM = 100.0;
    state.zoneName = " MEZ";
    state.zoneOffsetHours = 1.0;
    state.display.limitingMagnitude = 5.0;
    return state;
}

ParameterFields NewParameters() { return {"Neu", "13.5", "52.25", "40", "MESZ", "2", "6.5", ""}; }

}  // namespace

struct CoordinateCase {
    const char* longitude;
    const char* latitude;
    PlaceField failed;
};

class CoordinateRangeTest : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(CoordinateRangeTest, BothWindowsAcceptAndRefuseAlike) {
    const CoordinateCase& c = GetParam();
    PlaceState entryState = OldPlace();
    const auto entry = ApplyPlaceEntry({"Neu", c.longitude, c.latitude, "0"}, entryState);
    EXPECT_EQ(entry.failed, c.failed);

    PlaceState parameterState = OldPlace();
    ParameterFields fields = NewParameters();
    fields.longitude = c.longitude;
    fields.latitude = c.latitude;
    const auto parameters = ApplyParameterFields(fields, parameterState, parameterState.display);
    EXPECT_EQ(parameters.failed, c.failed);
}

INSTANTIATE_TEST_SUITE_P(Limits, CoordinateRangeTest,
                         ::testing::ValuesIn(std::vector<CoordinateCase>{
                             {"360", "0", PlaceField::None},
                             {"-180", "0", PlaceField::None},
                             {"360.5", "0", PlaceField::Longitude},
                             {"-180.5", "0", PlaceField::Longitude},
                             {"400", "0", PlaceField::Longitude},
                             {"abc", "0", PlaceField::Longitude},
                             {"", "0", PlaceField::Longitude},
                             {"7,5", "0", PlaceField::Longitude},
                             {"7", "90", PlaceField::None},
                             {"7", "-90", PlaceField::None},
                             {"7", "90.01", PlaceField::Latitude},
                             {"7", "-90.01", PlaceField::Latitude},
                             {"7", "x", PlaceField::Latitude},
                             {" 7.25 ", " 50 ", PlaceField::None},
                         }));

TEST(ParameterTakeOver, AllFieldsTakenOverWithZoneBlankAndLatitudeSine) {
    PlaceState state = OldPlace();
    ParameterFields fields = NewParameters();
    fields.zoneName = "MEZ";
    ASSERT_TRUE(ApplyParameterFields(fields, state, state.display).ok());
    EXPECT_EQ(state.placeName, "Neu");
    EXPECT_DOUBLE_EQ(state.longitudeDeg, 13.5);
    EXPECT_DOUBLE_EQ(state.latitudeDeg, 52.25);
    EXPECT_DOUBLE_EQ(state.sinLatitude, std::sin(52.25 * 3.14159265 / 180.0));
    EXPECT_DOUBLE_EQ(state.cosLatitude, std::cos(52.25 * 3.14159265 / 180.0));
    EXPECT_DOUBLE_EQ(state.heightM, 40.0);
    EXPECT_EQ(state.zoneName, " MEZ");
    EXPECT_DOUBLE_EQ(state.zoneOffsetHours, 2.0);
    EXPECT_DOUBLE_EQ(state.display.limitingMagnitude, 6.5);
}

TEST(ParameterTakeOver, RefusedLatitudeKeepsNameAndLongitudeOnly) {
    PlaceState state = OldPlace();
    ParameterFields fields = NewParameters();
    fields.latitude = "90.01";
    const auto result = ApplyParameterFields(fields, state, state.display);
    EXPECT_EQ(result.failed, PlaceField::Latitude);
    EXPECT_EQ(PlaceErrorMessage(result.failed), "Fehler bei geografischer Breite");
    EXPECT_EQ(state.placeName, "Neu");
    EXPECT_DOUBLE_EQ(state.longitudeDeg, 13.5);
    EXPECT_DOUBLE_EQ(state.latitudeDeg, 50.0);
    EXPECT_DOUBLE_EQ(state.heightM, 100.0);
    EXPECT_EQ(state.zoneName, " MEZ");
}

TEST(ParameterTakeOver, RefusedLongitudeKeepsOnlyTheName) {
    PlaceState state = OldPlace();
    ParameterFields fields = NewParameters();
    fields.longitude = "360.5";
    const auto result = ApplyParameterFields(fields, state, state.display);
    EXPECT_EQ(PlaceErrorMessage(result.failed), "Fehler bei geografischer Länge");
    EXPECT_EQ(state.placeName, "Neu");
    EXPECT_DOUBLE_EQ(state.longitudeDeg, 7.0);
    EXPECT_DOUBLE_EQ(state.latitudeDeg, 50.0);
}

TEST(ParameterTakeOver, BadNumberStopsAtItsFieldWithSineInStep) {
    struct Case {
        const char* height;
        const char* offset;
        const char* magnitude;
        PlaceField failed;
    };
    for (const Case& c : {Case{"hoch", "2", "6.5", PlaceField::Height},
                          Case{"40", "zwei", "6.5", PlaceField::ZoneOffset},
                          Case{"40", "2", "", PlaceField::LimitingMagnitude}}) {
        PlaceState state = OldPlace();
        ParameterFields fields = NewParameters();
        fields.height = c.height;
        fields.zoneOffset = c.offset;
        fields.limitingMagnitude = c.magnitude;
        const auto result = ApplyParameterFields(fields, state, state.display);
        EXPECT_EQ(result.failed, c.failed) << c.height << c.offset << c.magnitude;
        EXPECT_TRUE(PlaceErrorMessage(result.failed).empty());
        // The latitude was taken over before the failure, and its sine with it.
        EXPECT_DOUBLE_EQ(state.latitudeDeg, 52.25);
        EXPECT_NEAR(state.sinLatitude, std::sin(52.25 * kDegToRad), 1e-8);
        // The failing field and the later ones keep their old values.
        if (c.failed == PlaceField::Height) {
            EXPECT_DOUBLE_EQ(state.heightM, 100.0);
        }
        if (c.failed != PlaceField::LimitingMagnitude) {
            EXPECT_DOUBLE_EQ(state.display.limitingMagnitude, 5.0);
        }
    }
}

TEST(PlaceEntryTakeOver, EmptyHeightGivesZeroAndBadHeightIsRefused) {
    PlaceState state = OldPlace();
    ASSERT_TRUE(ApplyPlaceEntry({"Neu", "8", "49", ""}, state).ok());
    EXPECT_DOUBLE_EQ(state.heightM, 0.0);
    EXPECT_EQ(state.placeName, "Neu");

    state = OldPlace();
    const auto result = ApplyPlaceEntry({"Neu", "8", "49", "12m"}, state);
    EXPECT_EQ(result.failed, PlaceField::Height);
    EXPECT_EQ(result.badText, "12m");
    EXPECT_DOUBLE_EQ(state.heightM, 100.0);
    EXPECT_DOUBLE_EQ(state.latitudeDeg, 49.0);
}

TEST(PlaceEntryTakeOver, RefusedLongitudeKeepsOldLongitudeButTakesTheName) {
    PlaceState state = OldPlace();
    const auto result = ApplyPlaceEntry({"Neu", "400", "49", "1"}, state);
    EXPECT_EQ(result.failed, PlaceField::Longitude);
    EXPECT_DOUBLE_EQ(state.longitudeDeg, 7.0);
    EXPECT_EQ(state.placeName, "Neu");
}

TEST(ParameterFieldsShown, ZoneWithoutLeadingBlanksAndShortNumbers) {
    PlaceState state = OldPlace();
    state.zoneName = "  EST";
    state.longitudeDeg = -74.25;
    state.heightM = 0.0;
    const ParameterFields fields = ParameterFieldsOf(state, state.display, state.currentJD);
    EXPECT_EQ(fields.placeName, "Alt");
    EXPECT_EQ(fields.zoneName, "EST");
    EXPECT_EQ(fields.longitude, "-74.25");
    EXPECT_EQ(fields.latitude, "50");
    EXPECT_EQ(fields.height, "0");
    EXPECT_EQ(fields.zoneOffset, "1");
    // What the dialog shows reads back unchanged.
    PlaceState back = OldPlace();
    ASSERT_TRUE(ApplyParameterFields(fields, back, back.display).ok());
    EXPECT_EQ(back.zoneName, " EST");
    EXPECT_DOUBLE_EQ(back.longitudeDeg, -74.25);
}
