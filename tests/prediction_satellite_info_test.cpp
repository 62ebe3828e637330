// The satellite information page: number texts, the page of a known satellite line by
// line, the ndot/2 field and the orbit-plane passage.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/observing_place.h"
#include "prediction/satellite_info_format.h"
#include "prediction/satellite_info_ndot.h"
#include "prediction/satellite_info_page.h"
#include "prediction/satellite_info_plane.h"
#include "support/observer_records.h"

namespace {

constexpr double kDegPerDay = 3.14159265358979323846 / 180.0 / 1440.0;  // 1 °/day in rad/min

const ElementSet kIss{"ISS (ZARYA)             ",
                      "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
                      "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614"};

TEST(SatelliteInfoFormatTest, FixedTextKeepsSignificantDigits) {
    struct Case {
        double value;
        int precision, decimals;
        const char* text;
    };
    const Case cases[] = {
        {417.14, 8, 1, "417.1"},
        {-5.0123, 8, 6, "-5.012300"},
        {1234.56789, 8, 6, "1234.567900"},
        {92.65281, 8, 4, "92.6528"},
        {0.000123456789, 8, 6, "0.000123"},
        {-0.00000001, 8, 6, "0.000000"},
        {12345678.4, 8, 1, "12345678.0"},
        {123456789.0, 8, 1, "1.2345679E8"},
        {2.5, 4, 1, "2.5"},
        {-12.34, 4, 1, "-12.3"},
        {INFINITY, 8, 1, "INF"},
        {0.0, 8, 1, "0.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FixedText(c.value, c.precision, c.decimals), c.text) << c.value;
}

TEST(SatelliteInfoFormatTest, AlignmentAndSignBlanks) {
    EXPECT_EQ(AlignmentBlanks(417.1), "    ");   // 6 - 2
    EXPECT_EQ(AlignmentBlanks(35786.0), "  ");   // 6 - 4
    EXPECT_EQ(AlignmentBlanks(5.0), "      ");   // 6 - 0
    EXPECT_EQ(AlignmentBlanks(0.5), "       ");  // 6 - (-1)
    EXPECT_EQ(AlignmentBlanks(0.0), "      ");
    EXPECT_EQ(AlignmentBlanks(123456789.0), "");  // never negative

    EXPECT_EQ(SignAndAlignment(-5.0, 2), "  ");  // nothing for the sign, 2 - 0
    EXPECT_EQ(SignAndAlignment(3.7, 2), "   ");  // sign blank + 2
    EXPECT_EQ(SignAndAlignment(-12.0, 2), " ");
    EXPECT_EQ(SignAndAlignment(0.01, 2), "   ");  // small rates: two blanks after the sign
    EXPECT_EQ(SignAndAlignment(-0.05, 2), "  ");
    EXPECT_EQ(SignAndAlignment(0.5, 2), "    ");   // 0.1 < |r| < 1: 2 - (-1)
    EXPECT_EQ(SignAndAlignment(12.1, 4), "    ");  // sink rate: sign + (4 - 1)
    EXPECT_EQ(SignAndAlignment(0.0, 4), "    ");
}

TEST(SatelliteInfoFormatTest, MagnitudeAtAHeight) {
    EXPECT_EQ(HeightMagnitudeText(-1.3, true, 417.1), "-3.2");
    EXPECT_EQ(HeightMagnitudeText(4.0, true, 1000.0), " 4.0");     // 4 - 15 + 15
    EXPECT_EQ(HeightMagnitudeText(6.0, false, 35786.0), "13.8:");  // 6 - 15 + 22.77
    EXPECT_EQ(HeightMagnitudeText(4.0, false, 100.0), "-1.0:");
    EXPECT_EQ(RoundedTenth(417.14999), 417.1);
    EXPECT_EQ(RoundedTenth(417.15001), 417.2);
}

TEST(SatelliteInfoPageTest, EpochFieldsAndText) {
    const auto epoch = EpochOf(kIss.line1);
    ASSERT_TRUE(epoch);
    EXPECT_EQ(epoch->year, 2018);
    EXPECT_EQ(epoch->dayOfYear, 20);
    EXPECT_DOUBLE_EQ(epoch->epoch, JulianDay1900(2018, 1, 20) + 0.89808844);
    // .89808844 d = 21 h 33 min 14.84 s.
    EXPECT_EQ(EpochText(*epoch), "20.01.2018 21:33:14.8 UTC");

    std::string line1 = kIss.line1;
    line1.replace(18, 14, "56001.04166667");  // 2056, 1:00:00
    EXPECT_EQ(EpochText(*EpochOf(line1)), "01.01.2056  1:00:00 UTC");
    line1.replace(18, 14, "57032.50694444");  // 1957, 12:10:00 (59.99616 s rounds to 60)
    EXPECT_EQ(EpochText(*EpochOf(line1)), "01.02.1957 12:09:60 UTC");
    line1.replace(18, 2, "5x");
    std::string bad;
    EXPECT_FALSE(EpochOf(line1, &bad));
    EXPECT_EQ(bad, "5x");
}

TEST(SatelliteInfoPageTest, EpochDateIsTheUtcDateInEveryZone) {
    ResetObserverRecords();
    Place().zoneOffsetHours = -5.0;
    DateText = "keep";
    EXPECT_EQ(EpochText(*EpochOf(kIss.line1)), "20.01.2018 21:33:14.8 UTC");
    EXPECT_EQ(DateText, "keep");
    ResetObserverRecords();
}

TEST(SatelliteInfoPageTest, PageOfAKnownSatelliteLineByLine) {
    ResetObserverRecords();
    Place().zoneOffsetHours = 1.0;
    const EpochOrbit orbit{1.06578, 0.0003646, -5.0123 * kDegPerDay, 3.7456 * kDegPerDay};
    DateText = "21.01.2018";
    TimeText = "20:00:00";
    const InfoPage page = SatelliteInfoPage(kIss, -1.3, true, orbit);
    ASSERT_TRUE(page.ok) << page.badText;
    EXPECT_EQ(DateText, "21.01.2018");
    EXPECT_EQ(TimeText, "20:00:00");

    const std::vector<std::string> expected = {
        " ISS (ZARYA)             ",
        " " + kIss.line1,
        " " + kIss.line2,
        "",
        " Epoche der Elemente: 20.01.2018 21:33:14.8 UTC",
        " 9561 Umläufe (Zähler übergelaufen, seit Start 1998 über 100000)",
        "",
        " Bahnneigung        51.6424 Grad      Exzentrizität 0.0003646",
        " R.A.A.N            32.9776 Grad      Perigäum       417.1 km  mag -3.2",
        " Perigäumslänge     28.7227 Grad      Apogäum        422.0 km  mag -3.2",
        " Mittlere Anomalie  39.5332 Grad      Mittelwert     419.6 km",
        "",
        " Knotendrehung          60.0 Tage   -5.012300 °/Tag",
        " Perigäumsdrehung       96.1 Tage    3.745600 °/Tag",
        "",
        " anomalistische Umlaufzeit  92.6528 Minuten",
        " drakonitische Umlaufzeit   92.5908 Minuten",
        "",
        " ndot/2                   0.00002078",
        " Änderung der Umlaufzeit -0.000248 Minuten/Tag",
        " Sinkgeschwindigkeit     12.1 Meter/Tag",
        "",
        " Bahnmodell              SGP4/SDP4",
    };
    ASSERT_EQ(page.lines.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(page.lines[k], expected[k]) << "line " << k + 1;
    ResetObserverRecords();
    // With the chart's instant the epoch line tells the age of the elements.
    const JD1900 epoch = JulianDay1900(2018, 1, 20) + 0.89808844;
    for (const auto& [days, tail] :
         {std::pair{20.26, "  (20.3 Tage alt)"}, std::pair{-3.04, "  (3.0 Tage vor der Epoche)"}})
        EXPECT_EQ(SatelliteInfoPage(kIss, -1.3, true, orbit, epoch + days).lines[4],
                  expected[4] + tail);
}

TEST(SatelliteInfoPageTest, GeostationaryAndSunSynchronousRates) {
    const ElementSet geo{"METEOSAT-8 (MSG-1)      ",
                         "1 27509U 02040B   18020.71102232  .00000142  00000-0  00000-0 0  9995",
                         "2 27509   5.2147  57.5227 0001399 335.0795  24.9792  1.00263613 56484"};
    // Rates of a geostationary orbit: -0.0134 and +0.0268 °/day.
    const InfoPage page = SatelliteInfoPage(
        geo, 6.0, false, {6.6107, 0.0001399, -0.0134 * kDegPerDay, 0.0268 * kDegPerDay});
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.lines[8],
              " R.A.A.N            57.5227 Grad      Perigäum     35779.9 km  mag 13.8:");
    EXPECT_EQ(page.lines[12], " Knotendrehung         360.4 Tage   -0.013400 °/Tag");
    EXPECT_EQ(page.lines[13], " Perigäumsdrehung    13432.8 Tage    0.026800 °/Tag");
    EXPECT_EQ(page.lines[15], " anomalistische Umlaufzeit  1436.2140 Minuten");

    // Sun-synchronous: the node follows the Sun, its period relative to the Sun is long.
    const InfoPage sunsync =
        SatelliteInfoPage(geo, 6.0, true, {1.12, 0.001, 0.9855 * kDegPerDay, -3.0 * kDegPerDay});
    ASSERT_TRUE(sunsync.ok);
    EXPECT_EQ(sunsync.lines[12], " Knotendrehung     3600000.0 Tage     0.985500 °/Tag");
}

TEST(SatelliteInfoPageTest, UnreadableNumbersEndThePage) {
    ElementSet broken = kIss;
    broken.line2.replace(54, 3, "x41");
    InfoPage page = SatelliteInfoPage(broken, 4.0, true, {1.06, 0.0, 0.0, 0.0});
    EXPECT_FALSE(page.ok);
    EXPECT_EQ(page.badText, "15x41190080");

    // Unreadable revolutions: only the launch year is named.
    broken = kIss;
    broken.line2.replace(64, 4, "9z61");
    page = SatelliteInfoPage(broken, 4.0, true, {1.06, 0.0, 0.0, 0.0});
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.lines[5], " 9z61 Umläufe (Start 1998)");
}

// The revolution number has five digits and starts again after 99999: the page names
// the launch year of the international designator and never a date counted back
// through a wrapped counter (the ISS's 9561 of 2018 would give 2016).
TEST(SatelliteInfoPageTest, RevolutionsNameTheLaunchYear) {
    struct Case {
        const char* designator;   // line 1 columns 10-17
        const char* epoch;        // columns 19-32
        const char* meanMotion;   // line 2 columns 53-63
        const char* revolutions;  // columns 64-68
        const char* text;
    };
    const Case cases[] = {
        {"98067A  ", "18020.89808844", "15.54190080", " 9561",
         " 9561 Umläufe (Zähler übergelaufen, seit Start 1998 über 100000)"},
        {"98067A  ", "00020.50000000", "15.60000000", "  651", " 651 Umläufe (seit Start 1998)"},
        {"19074A  ", "26110.50000000", "15.06000000", "38000", " 38000 Umläufe (seit Start 2019)"},
        // Launched 2008: at 15.5 a day the counter may have wrapped in 2025 or not yet.
        {"08021B  ", "26110.50000000", "15.50000000", "97000", " 97000 Umläufe (seit Start 2008)"},
        {"08021B  ", "26110.50000000", "15.50000000", " 2000",
         " 2000 Umläufe (Zähler übergelaufen, seit Start 2008 über 100000)"},
        // Slow orbits never fill the counter.
        {"75100A  ", "26110.50000000", " 1.00270000", "18500", " 18500 Umläufe (seit Start 1975)"},
        {"        ", "26110.50000000", "15.50000000", "12345",
         " 12345 Umläufe (Startjahr unbekannt)"},
    };
    for (const Case& c : cases) {
        ElementSet set = kIss;
        set.line1.replace(9, 8, c.designator);
        set.line1.replace(18, 14, c.epoch);
        set.line2.replace(52, 11, c.meanMotion);
        set.line2.replace(63, 5, c.revolutions);
        const InfoPage page = SatelliteInfoPage(set, 4.0, true, {1.06, 0.0, 0.0, 0.0});
        ASSERT_TRUE(page.ok) << page.badText;
        EXPECT_EQ(page.lines[5], c.text) << c.designator << " " << c.epoch;
    }
}

TEST(SatelliteInfoPageTest, Caption) {
    EXPECT_EQ(InfoCaption(0, 80), "Satinfo   1/80");
    EXPECT_EQ(InfoCaption(11, 12), "Satinfo   12/12");
}

TEST(SatelliteInfoNdotTest, FieldFromTheAnswer) {
    struct Case {
        const char* answer;
        NdotChange change;
        const char* field;
    };
    const Case cases[] = {
        {"0.0001", NdotChange::Changed, " .00010000"},
        {"-0.0001", NdotChange::Changed, "-.00010000"},
        {".5", NdotChange::Changed, " .50000000"},
        {"0", NdotChange::Changed, " .00000000"},
        {"0.000123456", NdotChange::Changed, " .00012345"},  // cut to the field's width
        {"-0.00012345678", NdotChange::Changed, "-.00012345"},
        {" 0.25 ", NdotChange::Changed, " .25000000"},
        {"1", NdotChange::TooLarge, ""},
        {"-1.5", NdotChange::TooLarge, ""},
        {"1e-5", NdotChange::NotANumber, ""},
        {"abc", NdotChange::NotANumber, ""},
        {"", NdotChange::Unchanged, ""},
        {" .00002078", NdotChange::Unchanged, ""},  // the proposed text
    };
    for (const Case& c : cases) {
        const NdotChangeResult result = ChangeNdotField(kIss.line1, c.answer, " .00002078");
        EXPECT_EQ(result.change, c.change) << c.answer;
        if (c.change != NdotChange::Changed) continue;
        EXPECT_EQ(result.field, c.field) << c.answer;
        ASSERT_EQ(result.newLine1.size(), kIss.line1.size()) << c.answer;
        EXPECT_EQ(result.newLine1.substr(0, 33), kIss.line1.substr(0, 33));
        EXPECT_EQ(result.newLine1.substr(33, 10), c.field);
        EXPECT_EQ(result.newLine1.substr(43), kIss.line1.substr(43));  // checksum unchanged
        EXPECT_EQ(NdotText(result.newLine1),
                  std::string(1, c.field[0]) + "0" + std::string(c.field + 1));
    }
    EXPECT_EQ(NdotText(kIss.line1), " 0.00002078");
}

// Observer at `latitude` and a satellite in a circular orbit of inclination 51.6°,
// ascending node at the instant (argument of latitude 0).
OrbitPlaneInput PlaneCase(double latitude) {
    OrbitPlaneInput in;
    in.inclinationDeg = 51.6;
    in.eccentricity = 0.0004;
    in.latitudeDeg = latitude;
    in.heightM = 100.0;
    in.longitudeDeg = 13.4;
    in.instant = JulianDay1900(2018, 1, 21);
    in.argumentOfLatitude = 0.0;
    in.perigeeRad = 1.0;
    in.meanMotionRevDay = 15.54;
    in.nodeRad = 0.5;
    in.nodeRateRadMin = -5.0 * kDegPerDay;
    return in;
}

TEST(SatelliteInfoPlaneTest, TooFarNorthOrSouthForTheInclination) {
    for (double latitude : {60.0, -60.0, 89.0}) {
        const OrbitPlanePassage passage = ComputeOrbitPlanePassage(PlaneCase(latitude));
        EXPECT_FALSE(passage.passes) << latitude;
        EXPECT_EQ(passage.north, latitude > 0);
        EXPECT_EQ(OrbitPlaneMessage(passage, ObservingPlace{}),
                  std::string("Kein Durchgang durch die Bahnebene\n\nBeobachtungsort zu weit ") +
                      (latitude > 0 ? "nördlich" : "südlich") + "\ndes Äquators");
    }
    OrbitPlaneInput equatorial = PlaneCase(0.0);
    equatorial.inclinationDeg = 0.0;
    equatorial.heightM = 0.0;
    EXPECT_FALSE(ComputeOrbitPlanePassage(equatorial).passes);
}

TEST(SatelliteInfoPlaneTest, TwoPassagesAtMidLatitude) {
    ResetObserverRecords();
    Place().zoneOffsetHours = 1.0;
    Place().zoneName = " MEZ";
    Place().placeName = "Berlin";
    const OrbitPlaneInput in = PlaneCase(45.0);
    const OrbitPlanePassage passage = ComputeOrbitPlanePassage(in);
    ASSERT_TRUE(passage.passes);
    // At the node (u = 0) the last node is the instant itself.
    EXPECT_NEAR(passage.lastNode, in.instant, 1e-12);
    // Each crossing lies within one turn of the Earth relative to the node (±1 day).
    EXPECT_LT(std::fabs(passage.ascending - passage.lastNode), 1.0);
    EXPECT_LT(std::fabs(passage.descending - passage.lastNode), 1.0);
    EXPECT_NE(passage.ascending, passage.descending);

    // The observer's sidereal angle at the ascending crossing minus the node's right
    // ascension is the angle r + 360 - λ of the plane geometry: check the crossing by
    // the observer's distance from the orbit plane there (≈ 0).
    const auto planeDistance = [&](JD1900 t) {
        const double theta = LocalSiderealTime(in.longitudeDeg, t) * 15.0 * kDegToRad;
        const double node = in.nodeRad + in.nodeRateRadMin * (t - in.instant) * 1440.0;
        const double i = in.inclinationDeg * kDegToRad;
        const double pole[3] = {std::sin(i) * std::sin(node), -std::sin(i) * std::cos(node),
                                std::cos(i)};
        const double phi = in.latitudeDeg * kDegToRad;
        const double u = std::atan(0.99664719 * std::tan(phi));
        const double rc = std::cos(u), rs = 0.99664719 * std::sin(u);
        return pole[0] * rc * std::cos(theta) + pole[1] * rc * std::sin(theta) + pole[2] * rs;
    };
    EXPECT_NEAR(planeDistance(passage.ascending), 0.0, 2e-3);
    EXPECT_NEAR(planeDistance(passage.descending), 0.0, 2e-3);

    DateText = "x";
    TimeText = "y";
    const std::string text = OrbitPlaneMessage(passage, Place());
    EXPECT_EQ(DateText, "x");
    EXPECT_EQ(TimeText, "y");
    FormatDateTime1900(passage.ascending);
    const std::string first = "am " + DateText + " um " + TimeText + " MEZ";
    FormatDateTime1900(passage.descending);
    const std::string second = "am " + DateText + " um" + TimeText + " MEZ";
    EXPECT_EQ(text, "Berlin passiert die Bahnebene\n\nbeim aufsteigenden Knoten\n" + first +
                        "\n\nbeim absteigenden Knoten\n" + second + "\n");
    ResetObserverRecords();
}

}  // namespace
