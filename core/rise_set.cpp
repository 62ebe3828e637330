#include "core/rise_set.h"

#include <cmath>

#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"

namespace {

constexpr double kSecantStep = 0.001;  // days
constexpr double kMoonHorizonDeg = -0.567;
constexpr double kMoonHorizonRad = -0.009896016858807848;

// The local date of currentJD: 0:00 UT of it shifted to local noon, and the time offset
// of the theories (DeltaT of that year, in days).
struct LocalNoon {
    JD1900 noon = 0.0;
    double deltaDays = 0.0;
};

LocalNoon LocalNoonOfDate(const ObservingPlace& place, JD1900 instant) {
    const double offset = place.zoneOffsetAt(instant);
    const CivilDateTime c = CivilFromJD1900(instant, offset);
    LocalNoon n;
    n.deltaDays = DeltaT(c.year) / 24.0;
    n.noon = place.localNoon(c.year, c.month, c.day);
    return n;
}

double SunRightAscensionHours() { return AngleOf(Sun().x, Sun().y) * 12.0 / kPi; }
double SunDeclination() { return SafeArcSin(Sun().z / Sun().distance); }

// Altitude of the Sun in degrees at UT instant s (theory at s + deltaDays).
double SunAltitudeDeg(JD1900 s, double deltaDays, const ObservingPlace& place) {
    SunPosition(s + deltaDays);
    const double h = HourAngle(LocalSiderealTime(place.longitudeDeg, s), SunRightAscensionHours());
    return EquatorialToHorizontal(h, SunDeclination(), place.sinLatitude, place.cosLatitude)
               .altitude *
           kRadToDeg;
}

// Secant steps on g(s) = h0 - altitude(s) with a step of 0.001 day. The first step is
// the classical refinement; where the starting estimate is poor (the Moon grazing the
// horizon at high latitudes) one step leaves the result many minutes off, so the step is
// repeated until the altitude is within 0.001 deg of h0 (at most five steps).
template <typename Altitude>
double SecantRefine(double s, double h0Deg, Altitude altitude) {
    for (int step = 0; step < 5; ++step) {
        const double g0 = h0Deg - altitude(s);
        if (step > 0 && std::fabs(g0) < 1e-3) break;
        const double g1 = h0Deg - altitude(s + kSecantStep);
        const double next = s + g0 / (g0 - g1) * kSecantStep;
        if (!std::isfinite(next) || std::fabs(next - s) > 0.5) return step == 0 ? next : s;
        s = next;
    }
    return s;
}

// Hour angle of the horizon crossing in degrees; NaN when the body does not reach it.
double HorizonHourAngleDeg(double sinH0, double dec, double sinLat, double cosLat) {
    const double c = (sinH0 - std::sin(dec) * sinLat) / (std::cos(dec) * cosLat);
    if (!(std::fabs(c) < 1.0)) return std::nan("");
    return std::acos(c) * kRadToDeg;
}

bool Finite(const RiseSetTimes& r) { return std::isfinite(r.setting) && std::isfinite(r.rising); }

}  // namespace

RiseSetTimes SunRiseSet(double h0Deg, const ObservingPlace& place, JD1900 instant) {
    const LocalNoon n = LocalNoonOfDate(place, instant);
    const double d = n.deltaDays;
    const double phi = place.latitudeDeg * kDegToRad;
    const double h0 = h0Deg * kDegToRad;
    const double sinH0 = std::sin(h0);
    const auto altitude = [d, &place](double s) { return SunAltitudeDeg(s, d, place); };

    SunPosition(n.noon + d);
    const JD1900 t0 =
        n.noon -
        HourAngle(LocalSiderealTime(place.longitudeDeg, n.noon), SunRightAscensionHours()) / kTwoPi;
    SunPosition(t0 + d);
    const double dec = SunDeclination();
    if (kPi / 2.0 - phi + dec < h0 || dec + phi - kPi / 2.0 > h0) return {};
    // Also covers the southern hemisphere, where the test above does not catch polar day
    // and night: a horizon hour angle outside [0, 180] means no event.
    const double h0Set = HorizonHourAngleDeg(sinH0, dec, place.sinLatitude, place.cosLatitude);
    if (std::isnan(h0Set)) return {};

    RiseSetTimes out;
    out.setting = SecantRefine(t0 + h0Set / 360.0, h0Deg, altitude);

    SunPosition(t0 + d);
    const JD1900 t1 =
        t0 -
        HourAngle(LocalSiderealTime(place.longitudeDeg, t0), SunRightAscensionHours()) / kTwoPi;
    SunPosition(t1 + d);
    const double h1 =
        HorizonHourAngleDeg(sinH0, SunDeclination(), place.sinLatitude, place.cosLatitude);
    if (std::isnan(h1)) return {};
    out.rising = SecantRefine(t1 - h1 / 360.0, h0Deg, altitude);
    return Finite(out) ? out : RiseSetTimes{};
}

RiseSetTimes MoonRiseSet(const ObservingPlace& place, JD1900 instant, int year) {
    const LocalNoon n = LocalNoonOfDate(place, instant);
    const double d = n.deltaDays;
    const double sinH0 = std::sin(kMoonHorizonRad);
    const auto altitude = [d, &place, year](double s) {
        return MoonTopocentric(s + d, place, year).altitudeDeg;
    };

    double w = n.noon + d;
    JD1900 e = w - d - MoonTopocentric(w, place, year).hourAngle / kTwoPi;
    if (e - instant < -0.5) {
        w = e + 1.0 + d;
        e = w - d - MoonTopocentric(w, place, year).hourAngle / kTwoPi;
    } else if (e - instant > 0.5) {
        w = e - 1.0 + d;
        e = w - d - MoonTopocentric(w, place, year).hourAngle / kTwoPi;
    }

    const MoonTopocentricResult transit = MoonTopocentric(e + d, place, year);
    const double phiDeg = std::fabs(place.latitudeDeg);
    if (transit.altitudeDeg < kMoonHorizonDeg ||
        transit.altitudeDeg + 2.0 * phiDeg - 180.0 > kMoonHorizonDeg)
        return {};
    const double h0Set =
        HorizonHourAngleDeg(sinH0, transit.dec, place.sinLatitude, place.cosLatitude);
    if (std::isnan(h0Set)) return {};
    RiseSetTimes out;
    out.setting = SecantRefine(e + h0Set / 360.0, kMoonHorizonDeg, altitude);

    const JD1900 e1 = e - transit.hourAngle / kTwoPi;
    const double h1 = HorizonHourAngleDeg(sinH0, MoonTopocentric(e1 + d, place, year).dec,
                                          place.sinLatitude, place.cosLatitude);
    if (!std::isnan(h1)) out.rising = SecantRefine(e1 - h1 / 360.0, kMoonHorizonDeg, altitude);
    return Finite(out) ? out : RiseSetTimes{};
}
