#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris_report.h"
#include "core/frame_of_date.h"

namespace {

// Catalogue places of 2000.0 ("STERNKAT") seen at an instant (JD1900 UT) and place,
// against Skyfield's apparent altitude and azimuth (north through east) of the same
// Star(ra_hours, dec_degrees), computed once with the pipeline of
// tools/checks/frame_reference.py. Skyfield includes the diurnal aberration (0.0001°),
// which the program leaves out.
TEST(FrameOfDate, CatalogueStarsAgreeWithSkyfieldInTheFrameOfDate) {
    struct Case {
        const char* name;
        double raHours, decDeg, instant, latDeg, lonDeg, altDeg, azDeg;
    } cases[] = {
        {"Sirius", 6.7525, -16.716, 46363.607060185, 52.52, 13.405, 16.550736, 208.180000},
        {"Wega", 18.6157, 38.784, 18341.673611, 52.52, 13.405, 68.035902, 118.983037},
        {"Arktur", 14.2610, 19.182, 46363.607060, 52.52, 13.405, 18.359512, 82.385940},
        {"Achernar", 1.6286, -57.237, 73245.406250, -33.87, 151.21, 61.118827, 209.791648},
        {"Polarstern", 2.5303, 89.264, 73245.406250, 52.52, 13.405, 52.062657, 0.069757},
    };
    for (const Case& c : cases) {
        const ReportStar s = ApparentStar({c.instant, c.lonDeg, c.latDeg, 0.0, 0.0, {}}, c.name,
                                          c.raHours, c.decDeg);
        EXPECT_NEAR(s.altDeg, c.altDeg, 3e-4) << c.name;
        const double dAz = std::remainder(s.azDeg - c.azDeg, 360.0);
        EXPECT_NEAR(dAz * std::cos(c.altDeg * kDegToRad), 0.0, 3e-4) << c.name;
    }
}

TEST(FrameOfDate, ApparentPlaceGoesBackToTheCataloguePlace) {
    for (const double instant : {18341.67, 46363.61, 73245.41}) {
        const FrameOfDate f = FrameOfDateAt(instant);
        for (const auto& [ra, dec] : {std::pair{0.3, 1.5}, {4.0, -0.9}, {2.2, 0.0}}) {
            const Vector3 p = UnitVectorOf(ra, dec);
            const Vector3 apparent = ApparentOfDate(f, p);
            // Decades of precession move the place by far more than the round trip's error.
            EXPECT_GT(std::hypot(apparent.x - p.x, apparent.y - p.y, apparent.z - p.z), 1e-4);
            const Vector3 back = CatalogueOfApparent(f, apparent);
            EXPECT_NEAR(back.x, p.x, 1e-12);
            EXPECT_NEAR(back.y, p.y, 1e-12);
            EXPECT_NEAR(back.z, p.z, 1e-12);
        }
    }
}

}  // namespace
