#include "core/apparent_sun_moon.h"

#include <erfa.h>

#include <cmath>

#include "core/frame_of_date.h"

namespace {

constexpr double kJd1900 = 2415020.0;
constexpr double kAuKm = 149597870.7;
constexpr double kLightKmPerDay = 299792.458 * 86400.0;

Vector3 Scaled(const double v[3], double factor) {
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

double Length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

ApparentSunMoon ApparentSunMoonAt(JD1900 instant) {
    const FrameOfDate frame = FrameOfDateAt(instant);
    const double tt = instant + DeltaT(CivilFromJD1900(instant, 0.0).year) / 24.0;

    ApparentSunMoon out;
    out.instant = instant;
    out.equinoxToTemeRad = std::remainder(frame.gastRad - frame.gmst1982Rad, kTwoPi);

    // The Sun: opposite the Earth's heliocentric position; its own barycentric motion
    // during the light time (some 6 km) is left out. Aberration turns the direction.
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(kJd1900, tt, heliocentric, barycentric);
    const Vector3 sunAu = Scaled(heliocentric[0], -1.0);
    const double sunDistanceAu = Length(sunAu);
    const Vector3 sunUnit{sunAu.x / sunDistanceAu, sunAu.y / sunDistanceAu,
                          sunAu.z / sunDistanceAu};
    const Vector3 apparent = ApparentOfDate(frame, sunUnit);
    out.sunKm = {apparent.x * sunDistanceAu * kAuKm, apparent.y * sunDistanceAu * kAuKm,
                 apparent.z * sunDistanceAu * kAuKm};

    // The Moon: where it was when the light left it.
    double moon[2][3];
    eraMoon98(kJd1900, tt, moon);
    const double lightTimeDays = Length(Scaled(moon[0], kAuKm)) / kLightKmPerDay;
    eraMoon98(kJd1900, tt - lightTimeDays, moon);
    out.moonKm = frame.j2000ToDate * Scaled(moon[0], kAuKm);
    return out;
}

double Gmst1982Rad(JD1900 instant) {
    const double angle = std::fmod(eraGmst82(kJd1900, instant), kTwoPi);
    return angle < 0.0 ? angle + kTwoPi : angle;
}
