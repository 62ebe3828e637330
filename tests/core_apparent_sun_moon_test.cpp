// The apparent Sun and Moon of the transit search against Meeus' worked examples
// (Astronomical Algorithms, 2nd ed., examples 25.b and 47.a), in dynamical time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/apparent_sun_moon.h"
#include "core/constants.h"
#include "core/frame_of_date.h"

namespace {

// The UT whose dynamical time is the given Julian date.
JD1900 UtOfDynamical(double julianDate, int year) {
    return julianDate - 2415020.0 - DeltaT(year) / 24.0;
}

double ArcsecondsBetween(const Vector3& v, double raDeg, double decDeg) {
    const Vector3 u = UnitVectorOf(raDeg * kDegToRad, decDeg * kDegToRad);
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    const double c = (v.x * u.x + v.y * u.y + v.z * u.z) / n;
    return std::acos(std::min(1.0, c)) * kRadToDeg * 3600.0;
}

TEST(CoreApparentSunMoonTest, SunAsTheFullTheory) {
    // 1992 October 13.0 TD: α 13h13m30.749s, δ −7°47'01.74".
    const ApparentSunMoon a = ApparentSunMoonAt(UtOfDynamical(2448908.5, 1992));
    EXPECT_LT(ArcsecondsBetween(a.sunKm, (13.0 + 13.0 / 60 + 30.749 / 3600) * 15.0,
                                -(7.0 + 47.0 / 60 + 1.74 / 3600)),
              1.0);
}

TEST(CoreApparentSunMoonTest, MoonAsMeeusSeries) {
    // 1992 April 12.0 TD: α 134.688470°, δ 13.768368°, 368409.7 km.
    const ApparentSunMoon a = ApparentSunMoonAt(UtOfDynamical(2448724.5, 1992));
    EXPECT_LT(ArcsecondsBetween(a.moonKm, 134.688470, 13.768368), 1.0);
    const double km =
        std::sqrt(a.moonKm.x * a.moonKm.x + a.moonKm.y * a.moonKm.y + a.moonKm.z * a.moonKm.z);
    EXPECT_NEAR(km, 368409.7, 1.0);
}

}  // namespace
