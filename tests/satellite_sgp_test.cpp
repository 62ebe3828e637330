// The SGP propagator against the published test case of Spacetrack Report No. 3 and
// the model's edge cases.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "satellite/propagation.h"
#include "satellite/sgp.h"

namespace {

constexpr double kEarthRadiusKm = 6378.135;

// The element set of the report's test case (SGP section).
const std::string kReportLine1 =
    "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0     8";
const std::string kReportLine2 =
    "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518   105";

struct ReportPoint {
    double minutes;
    double position[3];  // km
    double velocity[3];  // km/s
    bool hasVelocity;
};

// Published SGP output (the report computed in single precision).
const ReportPoint kReportPoints[] = {
    {0.0,
     {2328.96594238, -5995.21600342, 1719.97894287},
     {2.91110113, -0.98164053, -7.09049922},
     true},
    {360.0,
     {2456.00610352, -6071.94232177, 1222.95977784},
     {2.67852119, -0.44705850, -7.22800565},
     true},
    {720.0,
     {2567.39477539, -6112.49725342, 713.97710419},
     {2.43952477, 0.09884824, -7.31899641},
     true},
    {1080.0,
     {2663.03179932, -6115.37414551, 195.73919105},
     {2.19531813, 0.65333930, -7.36169147},
     true},
    {1440.0, {2742.85470581, -6079.13580322, -328.86091614}, {0, 0, 0}, false},
};

class SgpTest : public ::testing::Test {
  protected:
    static SgpElements Parsed(const std::string& line1, const std::string& line2) {
        SgpElements el;
        EXPECT_TRUE(ParseSgpElements(line1, line2, el));
        return el;
    }
    static JD1900 Epoch(const std::string& line1, const std::string& line2) {
        SgpElements el;
        EXPECT_TRUE(ParseSgpElements(line1, line2, el));
        return el.epoch;
    }
};

TEST_F(SgpTest, MatchesPublishedReportCase) {
    const SgpElements el = Parsed(kReportLine1, kReportLine2);
    for (const ReportPoint& point : kReportPoints) {
        SCOPED_TRACE(point.minutes);
        const SgpState st = PropagateSGP(el, el.epoch + point.minutes / 1440.0);
        ASSERT_EQ(st.error, OrbitError::None);
        EXPECT_NEAR(st.minutesSinceEpoch, point.minutes, 1e-6);
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(st.positionER[i] * kEarthRadiusKm, point.position[i], 0.1);
            if (point.hasVelocity) {
                EXPECT_NEAR(st.velocityERmin[i] * kEarthRadiusKm / 60.0, point.velocity[i], 1e-4);
            }
        }
    }
}

TEST_F(SgpTest, ReadsEveryColumnOfTheElementLines) {
    SgpElements el;
    ASSERT_TRUE(ParseSgpElements(kReportLine1, kReportLine2, el));
    EXPECT_EQ(el.catalogNumber, 88888.0);
    EXPECT_NEAR(el.epoch, JulianDay1900(1980, 1, 275) + 0.98708465, 1e-12);
    EXPECT_DOUBLE_EQ(el.ndot2, 0.00073094);
    EXPECT_DOUBLE_EQ(el.nddot6, 0.13844e-3);
    EXPECT_DOUBLE_EQ(el.bstar, 0.66816e-4);
    EXPECT_DOUBLE_EQ(el.inclination, 72.8435 * 0.017453292519943295769);
    EXPECT_DOUBLE_EQ(el.node, 115.9689 * 0.017453292519943295769);
    EXPECT_DOUBLE_EQ(el.eccentricity, 0.0086731);
    EXPECT_DOUBLE_EQ(el.perigee, 52.6988 * 0.017453292519943295769);
    EXPECT_DOUBLE_EQ(el.meanAnomaly, 110.5714 * 0.017453292519943295769);
    EXPECT_DOUBLE_EQ(el.meanMotionRevDay, 16.05824518);
}

// Line 1 with given year/day/fraction and second-derivative columns.
std::string Line1(const std::string& epoch, const std::string& ndot, const std::string& nddot) {
    // columns: 1-18, 19-32 epoch, 33 blank, 34-43 ndot, 44 blank, 45-52 nddot, 53.. rest
    std::string line =
        "1 25544U 98067A   " + epoch + " " + ndot + " " + nddot + "  10000-3 0  9991";
    return line;
}
const std::string kIssLine2 =
    "2 25544  51.6000 100.0000 0005000 100.0000 260.0000 15.50000000 10000";

TEST_F(SgpTest, EpochAndDerivativeColumns) {
    struct Case {
        std::string epoch, ndot, nddot;
        double year, day, fraction, ndot2, nddot6;
    };
    const Case cases[] = {
        {"56001.50000000", " .00001000", " 12345-3", 2056, 1, 0.5, 0.00001, 1.2345e-4},
        {"57001.50000000", "-.00001000", "-12345-3", 1957, 1, 0.5, -0.00001, -1.2345e-4},
        {"99365.25000000", "+.00000000", " 00000+0", 1999, 365, 0.25, 0.0, 0.0},
        {"00001.00000000", " .10000000", " 50000-1", 2000, 1, 0.0, 0.1, 0.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.epoch);
        SgpElements el;
        ASSERT_TRUE(ParseSgpElements(Line1(c.epoch, c.ndot, c.nddot), kIssLine2, el));
        EXPECT_NEAR(
            el.epoch,
            JulianDay1900(static_cast<int>(c.year), 1, static_cast<int>(c.day)) + c.fraction,
            1e-12);
        EXPECT_DOUBLE_EQ(el.ndot2, c.ndot2);
        EXPECT_NEAR(el.nddot6, c.nddot6, 1e-18);
    }
    // Day 001 with fraction .5 is 1 January 12:00 UT: JD1900 of 2056-01-01 0h plus 0.5.
    SgpElements el;
    ASSERT_TRUE(ParseSgpElements(Line1("56001.50000000", " .00000000", " 00000-0"), kIssLine2, el));
    EXPECT_DOUBLE_EQ(el.epoch, JulianDay1900(2056, 1, 1) + 0.5);
}

TEST_F(SgpTest, AtTheEpochMeanElementsAreThoseOfTheEpoch) {
    const SgpElements el = Parsed(kReportLine1, kReportLine2);
    const SgpState st = PropagateSGP(el, el.epoch);
    EXPECT_EQ(st.minutesSinceEpoch, 0.0);
    // The stored revolution factor is 2 pi / 1440^2 to 16 digits.
    EXPECT_NEAR(st.meanMotionRevDay, el.meanMotionRevDay, 1e-7);
    EXPECT_DOUBLE_EQ(st.semiMajorAxisER, el.a0);
    EXPECT_NEAR(st.eccentricity, el.eccentricity, 1e-15);
}

TEST_F(SgpTest, CircularOrbitKeepsTheEccentricityFloor) {
    const std::string line2 =
        "2 25544  51.6000 100.0000 0000000 100.0000 260.0000 15.50000000 10000";
    const std::string line1 = Line1("20100.00000000", " .00001000", " 00000-0");
    const SgpElements el = Parsed(line1, line2);
    for (double days : {0.0, 0.5, 3.0}) {
        const SgpState st = PropagateSGP(el, el.epoch + days);
        EXPECT_EQ(st.error, OrbitError::None);
        EXPECT_EQ(st.eccentricity, 1e-6);
    }
}

// Orbits that are no orbits fail, naming the condition that failed.
TEST_F(SgpTest, EachFailureNamesItsCondition) {
    struct Case {
        const char* what;
        std::string line1, line2;
        double days;  // after the epoch
        OrbitError error;
    };
    const std::string still = Line1("20100.00000000", " .00000000", " 00000-0");
    auto line2With = [](std::size_t at, const char* columns) {
        std::string line = kIssLine2;
        line.replace(at, std::string(columns).size(), columns);
        return line;
    };
    std::string eccentric = line2With(26, "9900000");  // perigee 90 deg: e of the
    eccentric.replace(34, 8, " 90.0000");              // long-period elements above 1
    std::string parabolic = line2With(26, "9999999");
    parabolic.replace(8, 8, "  0.0000");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"ISS-like orbit", still, kIssLine2, 10.0, OrbitError::None},
        {"unreadable mean motion", still, line2With(52, "15.5000abcd"), 1.0,
         OrbitError::Unreadable},
        {"mean motion below zero at T", Line1("20100.00000000", "-.90000000", " 00000-0"),
         kIssLine2, 10.0, OrbitError::MeanMotionNotPositive},
        {"mean motion zero at the epoch", still, line2With(52, " 0.00000000"), 1.0,
         OrbitError::MeanMotionNotPositive},
        {"eccentricity beyond 1", still, eccentric, 0.0, OrbitError::EccentricityOutOfRange},
        {"semi-latus rectum negative", still, parabolic, 0.0, OrbitError::SemiLatusRectumNegative},
        {"orbit inside the Earth", still, line2With(52, "17.50000000"), 0.3,
         OrbitError::Subterranean},
        {"instant not a number", still, kIssLine2, nan, OrbitError::MathError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SgpElements el;
        const bool parsed = ParseSgpElements(c.line1, c.line2, el);
        ASSERT_EQ(parsed, c.error != OrbitError::Unreadable);
        const JD1900 t = (parsed ? el.epoch : 0.0) + c.days;
        if (parsed) {
            EXPECT_EQ(PropagateSGP(el, t).error, c.error);
        }
    }
}

TEST_F(SgpTest, NumberColumnsThatAreNotNumbersAreNotParsed) {
    const std::string good1 = Line1("20100.00000000", " .00001000", " 00000-0");
    struct Case {
        std::string line1, line2;
    };
    std::string badMotion = kIssLine2;
    badMotion.replace(52, 11, "15.5000abcd");
    std::string badInclination = kIssLine2;
    badInclination.replace(8, 8, " 5x.6000");
    std::string badEccentricity = kIssLine2;
    badEccentricity.replace(26, 7, "00O5000");
    std::string badYear = good1;
    badYear.replace(18, 2, "2 ");
    std::string badFraction = good1;
    badFraction.replace(23, 9, ".5000 000");
    const Case cases[] = {
        {good1, badMotion},
        {good1, badInclination},
        {good1, badEccentricity},
        {badYear, kIssLine2},
        {badFraction, kIssLine2},
        {good1, ""},
        {"", kIssLine2},
        {good1, std::string("2 25544  51.6000 100.0000 0005000 100.0000 260.0000 15.5\0 000", 61)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line1 + " / " + c.line2);
        SgpElements el;
        EXPECT_FALSE(ParseSgpElements(c.line1, c.line2, el));
        EXPECT_EQ(Propagate(PrepareOrbit(c.line1, c.line2, OrbitModel::Sgp), 0.0).error,
                  OrbitError::Unreadable);
    }
}

TEST_F(SgpTest, LowOrbitRatesAndRadius) {
    const std::string line1 = Line1("20100.00000000", " .00000000", " 00000-0");
    const SgpState st = PropagateSGP(Parsed(line1, kIssLine2), Epoch(line1, kIssLine2) + 0.25);
    ASSERT_EQ(st.error, OrbitError::None);
    const double nodeDegPerDay = st.nodeRate * 1440.0 / 0.017453292519943295769;
    EXPECT_NEAR(nodeDegPerDay, -5.0, 0.2);
    EXPECT_NEAR(st.radiusER, 1.06, 0.01);
    EXPECT_NEAR(std::hypot(st.positionER[0], st.positionER[1], st.positionER[2]), st.radiusER,
                1e-12);
}

// The orientation's sines and cosines that a state carries are those of its osculating
// node and inclination, for either model and a deep-space orbit too.
TEST(OrbitStateTest, CarriesTheSinesOfItsOsculatingAngles) {
    const std::string geoLine1 =
        "1 26038U 00006A   26110.50000000 -.00000250  00000-0  00000+0 0  9990";
    const std::string geoLine2 =
        "2 26038   5.2000  60.0000 0003000 250.0000 110.0000  1.00270000 90000";
    struct Case {
        const char* name;
        std::string line1, line2;
        OrbitModel model;
    } const cases[] = {
        {"SGP", kReportLine1, kReportLine2, OrbitModel::Sgp},
        {"SGP4", kReportLine1, kReportLine2, OrbitModel::Sgp4},
        {"SDP4", geoLine1, geoLine2, OrbitModel::Sgp4},
    };
    for (const Case& c : cases) {
        const SatelliteOrbit orbit = PrepareOrbit(c.line1, c.line2, c.model);
        ASSERT_TRUE(orbit.readable) << c.name;
        for (const double days : {0.0, 0.3, 1.7}) {
            const OrbitState s = Propagate(orbit, orbit.elements.epoch + days);
            ASSERT_FALSE(s.failed()) << c.name;
            EXPECT_EQ(s.sinOsculatingNode, std::sin(s.osculatingNodeRad)) << c.name;
            EXPECT_EQ(s.cosOsculatingNode, std::cos(s.osculatingNodeRad)) << c.name;
            EXPECT_EQ(s.sinOsculatingInclination, std::sin(s.osculatingInclinationRad)) << c.name;
            EXPECT_EQ(s.cosOsculatingInclination, std::cos(s.osculatingInclinationRad)) << c.name;
        }
    }
}

}  // namespace
