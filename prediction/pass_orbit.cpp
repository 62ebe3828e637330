#include "prediction/pass_orbit.h"

#include <cmath>
#include <limits>

#include "core/constants.h"
#include "core/frames.h"
#include "core/observer_state.h"
#include "satellite/observation.h"
#include "satellite/satellite_state.h"
#include "satellite/sgp.h"

OrbitState ElementsAt(const SgpElements& elements, JD1900 t) {
    const bool flagBefore = MathErrorFlag;
    MathErrorFlag = false;
    PropagateSGP(elements, t, false);
    const SatelliteState& s = SatState();
    OrbitState o;
    o.argumentOfLatitude = s.argumentOfLatitude;
    o.node = s.nodeRad;
    o.perigee = s.perigeeRad;
    o.meanMotionRevDay = s.meanMotionRevDay;
    o.perigeeRate = s.perigeeRate;
    o.nodeRate = s.nodeRate;
    o.semiMajorAxisER = s.semiMajorAxisER;
    o.eccentricity = s.eccentricity;
    o.radiusER = s.radiusER;
    o.failed = MathErrorFlag;
    o.decayed = MathErrorFlag && !(s.meanMotionRevDay > 0.0);
    MathErrorFlag = MathErrorFlag || flagBefore;
    return o;
}

double QuickAltitude(const SgpElements& elements, JD1900 t) {
    const ObserverState& observer = Observer();
    const double siderealHours = LocalSiderealTime(observer.longitudeDeg, t);
    PrepareObserver(siderealHours);
    const bool flagBefore = MathErrorFlag;
    MathErrorFlag = false;
    PropagateSGP(elements, t, false);
    const bool failed = MathErrorFlag;
    MathErrorFlag = MathErrorFlag || flagBefore;
    if (failed) return std::numeric_limits<double>::quiet_NaN();
    const SatelliteState& s = SatState();
    const double H = HourAngle(siderealHours, s.rightAscension2000);
    const double sinH = std::cos(H) * std::cos(s.declination2000) * observer.cosLatitude +
                        std::sin(s.declination2000) * observer.sinLatitude;
    return std::atan(sinH / std::sqrt(1.0 - sinH * sinH)) * kRadToDeg;
}

Vector3 ObserverVectorER(JD1900 t) {
    constexpr double f = kEarthFlattening;
    constexpr double e2 = 2.0 * f - f * f;
    const ObserverState& o = Observer();
    const double C = 1.0 / std::sqrt(1.0 - e2 * o.sinLatitude * o.sinLatitude);
    const double hr = o.heightM / kEarthRadiusM;
    const double axy = C + hr;
    const double az = C * (1.0 - f) * (1.0 - f) + hr;
    const double theta = LocalSiderealTime(o.longitudeDeg, t) * kPi / 12.0;
    return {axy * o.cosLatitude * std::cos(theta), axy * o.cosLatitude * std::sin(theta),
            az * o.sinLatitude};
}

double MotionDirection(int k, double altitudeDeg, double azimuthDeg, JD1900 t) {
    const double A1 = (azimuthDeg + 180.0) * kDegToRad;
    const double z1 = (90.0 - altitudeDeg) * kDegToRad;
    const SatObservation later = ObserveSatellite(k, t + 10.0 / 86400.0);
    if (later.failed()) return std::numeric_limits<double>::quiet_NaN();
    const double A2 = (later.azimuthDeg + 180.0) * kDegToRad;
    const double z2 = (90.0 - later.altitudeDeg) * kDegToRad;
    const double dA = A2 - A1;
    // Two-argument arctangent: the quotient alone loses the quadrant, and the
    // direction would jump by 180 degrees where the denominator changes sign.
    const double gamma = std::atan2(
        std::sin(dA), std::cos(z1) * std::sin(z2) / std::sin(z1) - std::cos(dA) * std::cos(z2));
    const double X = std::cos(z2) * std::sin(dA) * std::sin(gamma) - std::cos(dA) * std::cos(gamma);
    const double Y = std::sin(z2) * std::sin(gamma) / std::sin(z1);
    return AngleOf(X, Y) * kRadToDeg;
}
