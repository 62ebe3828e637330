#include "prediction/search_bounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/constants.h"

namespace {

constexpr double kMarginDeg = 1.0;
// Below the polar radius: the observer's distance from the centre and the shadow's
// radius are both larger.
constexpr double kLowestEarthKm = 6350.0;
constexpr double kDeepSpaceDegPerYear = 2.0;
constexpr double kSampleDays = 2.0 / 1440.0;
// The Sun's altitude changes by at most the Earth's turn, 0.2507 degrees a minute.
constexpr double kSunRiseDegPerSample = 0.26 * 2.0;

}  // namespace

double HorizonReachDeg(double altitudeDeg, double radiusKm, double earthKm) {
    const double e = std::clamp(altitudeDeg, -90.0, 90.0) * kDegToRad;
    const double c = earthKm * std::cos(e) / radiusKm;
    if (!(c <= 1.0) || !(radiusKm >= earthKm)) return -1.0;
    return (std::acos(c) - e) * kRadToDeg;
}

OrbitReach ReachOfOrbit(const SatelliteOrbit& orbit, double latitudeDeg, double minAltitudeDeg,
                        JD1900 from, JD1900 to) {
    OrbitReach reach;
    const SgpElements& el = orbit.elements;
    const double n = el.meanMotionRevDay, e = el.eccentricity;
    const double inclinationDeg = el.inclination * kRadToDeg;
    if (!(n > 0.0) || !(e >= 0.0 && e < 1.0) ||
        !(inclinationDeg >= 0.0 && inclinationDeg <= 180.0) || !std::isfinite(latitudeDeg) ||
        !std::isfinite(minAltitudeDeg) || !std::isfinite(from) || !std::isfinite(to))
        return reach;
    reach.deepSpace = orbit.model == OrbitModel::Sgp4 && orbit.sgp4.deepSpace;
    // Semi-major axis from the mean motion: GM^(1/3) / (2 pi / day)^(2/3) = 42241.1 km.
    const double axisKm = 42241.1 * std::pow(n, -2.0 / 3.0);
    double radiusKm = (reach.deepSpace ? 2.0 : 1.0 + e) * axisKm;
    if (!reach.deepSpace) {
        for (const JD1900 t : {from, 0.5 * (from + to), to}) {
            const OrbitState s = Propagate(orbit, t);
            if (!s.failed() && std::isfinite(s.semiMajorAxisER) && std::isfinite(s.eccentricity))
                radiusKm =
                    std::max(radiusKm, s.semiMajorAxisER * (1.0 + s.eccentricity) * kEarthRadiusKm);
        }
    }
    reach.greatestRadiusKm = radiusKm * 1.02 + 100.0;
    const double horizonDeg =
        HorizonReachDeg(minAltitudeDeg - kMarginDeg, reach.greatestRadiusKm, kLowestEarthKm);
    if (horizonDeg < 0.0) return reach;
    double marginDeg = kMarginDeg;
    if (reach.deepSpace)
        marginDeg += kDeepSpaceDegPerYear *
                     std::max(std::fabs(from - el.epoch), std::fabs(to - el.epoch)) / 365.25;
    const double groundDeg = std::min(inclinationDeg, 180.0 - inclinationDeg);
    reach.reachesAltitude = std::fabs(latitudeDeg) <= groundDeg + horizonDeg + marginDeg;
    return reach;
}

double GreatestAltitudeRateDegPerMinute(const SgpElements& el, JD1900 until) {
    constexpr double kEarthTurnPerSecond = 7.2921158553e-5;
    // Farthest an observer stands from the Earth's centre.
    constexpr double kHighestObserverKm = 6400.0;
    const double n = el.meanMotionRevDay;
    if (!(n > 0.0) || !(el.eccentricity >= 0.0 && el.eccentricity < 0.1) || !std::isfinite(until))
        return std::numeric_limits<double>::infinity();
    const double e = el.eccentricity + 0.005;
    const double years = std::fabs(until - el.epoch) / 365.25;
    const double inclination = std::min(el.inclination + (1.0 + 2.0 * years) * kDegToRad, kPi);
    const double motion = n * kTwoPi / 86400.0;
    const double axisKm = 42241.1 * std::pow(n, -2.0 / 3.0);
    const double kepler = std::pow(1.0 - e * e, -1.5);
    const double fastest = 1.03 * motion * (1.0 + e) * (1.0 + e) * kepler;
    const double slowest = 0.97 * motion * (1.0 - e) * (1.0 - e) * kepler;
    // Against the Earth's surface the motion along the orbit, r u', and the ground's
    // eastward r w cos(latitude) meet at the angle whose cosine is cos(i) / cos(latitude):
    // the difference is largest over the equator.
    const double w = kEarthTurnPerSecond;
    const double lag = std::max(std::fabs(fastest - w), std::fabs(slowest - w));
    const double farthestKm = 1.01 * axisKm * (1.0 + e);
    const double across =
        farthestKm * std::sqrt(lag * lag + 2.0 * fastest * w * (1.0 - std::cos(inclination)));
    const double radial = 1.03 * motion * axisKm * e / std::sqrt(1.0 - e * e);
    const double closestKm = 0.99 * axisKm * (1.0 - e) - kHighestObserverKm;
    if (!(closestKm > 100.0)) return std::numeric_limits<double>::infinity();
    return std::hypot(across, radial) / closestKm * kRadToDeg * 60.0;
}

double ShadowedBelowSunAltitudeDeg(double radiusKm, double minAltitudeDeg) {
    const double horizonDeg =
        HorizonReachDeg(minAltitudeDeg - kMarginDeg, radiusKm, kLowestEarthKm);
    if (horizonDeg < 0.0) return -180.0;
    const double shadowDeg = std::asin(kLowestEarthKm / radiusKm) * kRadToDeg;
    // Zenith to anti-Sun is 90 + Sun altitude degrees.
    return shadowDeg - horizonDeg - kMarginDeg - 90.0;
}

SunAltitudeProfile::SunAltitudeProfile(const ObserverPlace& place, JD1900 windowStart,
                                       JD1900 windowEnd)
    : windowStart_(windowStart), windowEnd_(windowEnd), first_(windowStart - kSampleDays) {
    if (!(windowEnd >= windowStart) || !(windowEnd - windowStart <= 400.0)) return;
    const int count = static_cast<int>(std::ceil((windowEnd - first_) / kSampleDays)) + 2;
    altitudeDeg_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        altitudeDeg_.push_back(
            SunViewFor(ObserverAtInstant(place, first_ + i * kSampleDays)).altitudeDeg);
    for (const double a : altitudeDeg_) lowestDeg_ = std::min(lowestDeg_, a);
}

bool SunAltitudeProfile::GetsBelow(double limitDeg) const {
    return lowestDeg_ + kSunRiseDegPerSample < limitDeg;
}

bool SunAltitudeProfile::StaysBelow(JD1900 from, JD1900 to, double limitDeg) const {
    from = std::max(from, windowStart_);
    to = std::min(to, windowEnd_);
    if (!(from <= to)) return true;
    if (altitudeDeg_.empty()) return false;
    const auto last = static_cast<long long>(altitudeDeg_.size()) - 1;
    const long long i0 =
        std::clamp(static_cast<long long>(std::floor((from - first_) / kSampleDays)), 0LL, last);
    const long long i1 =
        std::clamp(static_cast<long long>(std::ceil((to - first_) / kSampleDays)), 0LL, last);
    for (long long i = i0; i <= i1; ++i) {
        const double a = altitudeDeg_[static_cast<std::size_t>(i)];
        if (!(a + kSunRiseDegPerSample < limitDeg)) return false;
    }
    return true;
}
