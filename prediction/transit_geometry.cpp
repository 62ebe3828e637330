#include "prediction/transit_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"

namespace vectors {

double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector3 Minus(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 Plus(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 Times(const Vector3& a, double f) { return {a.x * f, a.y * f, a.z * f}; }
Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(const Vector3& v) { return std::sqrt(Dot(v, v)); }
double AngleBetween(const Vector3& a, const Vector3& b) {
    return std::atan2(Length(Cross(a, b)), Dot(a, b));
}

}  // namespace vectors

using namespace vectors;

namespace {

constexpr double kNodeDays = 10.0 / 1440.0;
constexpr double kLightKmS = 299792.458;
constexpr double kEarthRotationRadS = 7.292115e-5;
constexpr double kE2 = kWgs84Flattening * (2.0 - kWgs84Flattening);

Vector3 Lerp(const Vector3& a, const Vector3& b, double f) {
    return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f};
}

// Turns a vector of the true equator and equinox of date to TEME.
Vector3 TemeOfTrueOfDate(const Vector3& v, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * v.x + s * v.y, -s * v.x + c * v.y, v.z};
}

// East, north and up at a geodetic point (Earth-fixed unit vectors).
struct LocalAxes {
    Vector3 east, north, up;
};
LocalAxes AxesAt(const GeodeticPoint& p) {
    const double lat = p.latitudeDeg * kDegToRad, lon = p.longitudeDeg * kDegToRad;
    const double sl = std::sin(lat), cl = std::cos(lat), so = std::sin(lon), co = std::cos(lon);
    return {{-so, co, 0.0}, {-sl * co, -sl * so, cl}, {cl * co, cl * so, sl}};
}

// Altitude and azimuth from north through east (degrees) of an Earth-fixed direction.
void AltitudeAzimuth(const Vector3& d, const LocalAxes& axes, double& altitudeDeg,
                     double& azimuthDeg) {
    const double e = Dot(d, axes.east), n = Dot(d, axes.north), u = Dot(d, axes.up);
    altitudeDeg = std::atan2(u, std::hypot(e, n)) * kRadToDeg;
    azimuthDeg = std::atan2(e, n) * kRadToDeg;
    if (azimuthDeg < 0.0) azimuthDeg += 360.0;
}

}  // namespace

Vector3 EarthFixedOf(const GeodeticPoint& p) {
    const double lat = p.latitudeDeg * kDegToRad, lon = p.longitudeDeg * kDegToRad;
    const double sl = std::sin(lat), cl = std::cos(lat);
    const double n = kWgs84RadiusKm / std::sqrt(1.0 - kE2 * sl * sl);
    return {(n + p.heightKm) * cl * std::cos(lon), (n + p.heightKm) * cl * std::sin(lon),
            (n * (1.0 - kE2) + p.heightKm) * sl};
}

GeodeticPoint GeodeticOf(const Vector3& v) {
    // Fixed-point iteration on the latitude; five steps give well under a millimetre
    // for points near the surface.
    const double rho = std::hypot(v.x, v.y);
    double lat = std::atan2(v.z, rho * (1.0 - kE2));
    double n = kWgs84RadiusKm;
    for (int step = 0; step < 5; ++step) {
        const double sl = std::sin(lat);
        n = kWgs84RadiusKm / std::sqrt(1.0 - kE2 * sl * sl);
        lat = std::atan2(v.z + kE2 * n * sl, rho);
    }
    const double cl = std::cos(lat);
    const double height = std::fabs(cl) > 1e-9 ? rho / cl - n : std::fabs(v.z) - n * (1.0 - kE2);
    return {lat * kRadToDeg, std::atan2(v.y, v.x) * kRadToDeg, height};
}

Vector3 TemeOfEarthFixed(const Vector3& v, double gmst) {
    const double c = std::cos(gmst), s = std::sin(gmst);
    return {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
}

Vector3 EarthFixedOfTeme(const Vector3& v, double gmst) {
    const double c = std::cos(gmst), s = std::sin(gmst);
    return {c * v.x + s * v.y, -s * v.x + c * v.y, v.z};
}

BodyTrack::BodyTrack(JD1900 from, JD1900 to) : from_(from) {
    const int count = std::max(2, static_cast<int>(std::ceil((to - from) / kNodeDays)) + 1);
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i) nodes_.push_back(ApparentSunMoonAt(from + i * kNodeDays));
}

Vector3 BodyTrack::BodyKm(TransitBody body, JD1900 instant) const {
    const double position = (instant - from_) / kNodeDays;
    const int i =
        std::clamp(static_cast<int>(std::floor(position)), 0, static_cast<int>(nodes_.size()) - 2);
    const double f = position - i;
    const ApparentSunMoon& a = nodes_[i];
    const ApparentSunMoon& b = nodes_[i + 1];
    const bool sun = body == TransitBody::Sun;
    const Vector3 ofDate = Lerp(sun ? a.sunKm : a.moonKm, sun ? b.sunKm : b.moonKm, f);
    return TemeOfTrueOfDate(ofDate,
                            a.equinoxToTemeRad + (b.equinoxToTemeRad - a.equinoxToTemeRad) * f);
}

TransitGeometry::TransitGeometry(const SatelliteOrbit& orbit, const GeodeticPoint& place,
                                 const BodyTrack& bodies)
    : orbit_(&orbit), place_(place), placeKm_(EarthFixedOf(place)), bodies_(&bodies) {}

TransitSky TransitGeometry::At(JD1900 instant) const {
    TransitSky sky;
    sky.instant = instant;
    sky.gmstRad = Gmst1982Rad(instant);
    sky.observerKm = TemeOfEarthFixed(placeKm_, sky.gmstRad);
    sky.observerVelocityKmS = Cross({0.0, 0.0, kEarthRotationRadS}, sky.observerKm);
    sky.orbit = Propagate(*orbit_, instant);
    const OrbitState& state = sky.orbit;
    sky.failed = state.failed();
    const double lightTimeS = Length(Minus(state.positionKm, sky.observerKm)) / kLightKmS;
    sky.satelliteKm = Minus(state.positionKm, Times(state.velocityKmS, lightTimeS));
    sky.satelliteVelocityKmS = state.velocityKmS;
    sky.bodyKm[0] = bodies_->BodyKm(TransitBody::Sun, instant);
    sky.bodyKm[1] = bodies_->BodyKm(TransitBody::Moon, instant);
    return sky;
}

TransitView ViewFrom(const TransitSky& sky, const GeodeticPoint& place, TransitBody body) {
    const Vector3 toSatellite = Minus(sky.satelliteKm, sky.observerKm);
    const Vector3 toBody = Minus(sky.bodyKm[static_cast<int>(body)], sky.observerKm);
    TransitView view;
    view.separationRad = AngleBetween(toSatellite, toBody);
    view.rangeKm = Length(toSatellite);
    const double bodyRangeKm = Length(toBody);
    view.bodyRadiusRad =
        std::asin((body == TransitBody::Sun ? kSunRadiusKm : kMoonRadiusKm) / bodyRangeKm);
    const LocalAxes axes = AxesAt(place);
    AltitudeAzimuth(EarthFixedOfTeme(toBody, sky.gmstRad), axes, view.bodyAltitudeDeg,
                    view.bodyAzimuthDeg);
    double satelliteAzimuth = 0.0;
    AltitudeAzimuth(EarthFixedOfTeme(toSatellite, sky.gmstRad), axes, view.satelliteAltitudeDeg,
                    satelliteAzimuth);
    const Vector3 relative = Minus(sky.satelliteVelocityKmS, sky.observerVelocityKmS);
    view.angularSpeedRadS = Length(Cross(toSatellite, relative)) / Dot(toSatellite, toSatellite);
    return view;
}
