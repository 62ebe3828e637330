#include "prediction/transit_centre_line.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "prediction/pass_lines.h"
#include "prediction/scalar_search.h"

using namespace vectors;

namespace {

constexpr double kSecondDays = 1.0 / 86400.0;

// The first point of the ray p + λ d (λ > 0) on the ellipsoid raised by a height.
std::optional<Vector3> RayOnEllipsoid(const Vector3& p, const Vector3& d, double heightKm) {
    const double a = kWgs84RadiusKm + heightKm;
    const double b = kWgs84RadiusKm * (1.0 - kWgs84Flattening) + heightKm;
    const Vector3 ps{p.x / a, p.y / a, p.z / b}, ds{d.x / a, d.y / a, d.z / b};
    const double qa = Dot(ds, ds), qb = 2.0 * Dot(ps, ds), qc = Dot(ps, ps) - 1.0;
    const double discriminant = qb * qb - 4.0 * qa * qc;
    if (discriminant < 0.0) return std::nullopt;
    const double lambda = (-qb - std::sqrt(discriminant)) / (2.0 * qa);
    if (lambda <= 0.0) return std::nullopt;
    return Plus(p, Times(d, lambda));
}

// The point without the strip's width.
std::optional<CentreLinePoint> BarePointAt(const TransitGeometry& geometry, TransitBody body,
                                           JD1900 instant) {
    const TransitSky sky = geometry.At(instant);
    if (sky.failed) return std::nullopt;
    const Vector3 satellite = EarthFixedOfTeme(sky.satelliteKm, sky.gmstRad);
    const Vector3 bodyKm = EarthFixedOfTeme(sky.bodyKm[static_cast<int>(body)], sky.gmstRad);
    const std::optional<Vector3> hit =
        RayOnEllipsoid(satellite, Minus(satellite, bodyKm), geometry.Place().heightKm);
    if (!hit) return std::nullopt;
    CentreLinePoint point;
    point.instant = instant;
    point.earthFixedKm = *hit;
    point.point = GeodeticOf(*hit);
    // The strip: the body's radius seen from the point, times the range, carried across
    // the line on the ground (the ground direction across the track, less its part along
    // the line of sight).
    const Vector3 sight = Minus(satellite, *hit);
    const double rangeKm = Length(sight);
    const double bodyRadiusRad = std::asin(
        (body == TransitBody::Sun ? kSunRadiusKm : kMoonRadiusKm) / Length(Minus(bodyKm, *hit)));
    point.stripHalfWidthKm = bodyRadiusRad * rangeKm;
    return point;
}

}  // namespace

std::optional<CentreLinePoint> CentreLinePointAt(const TransitGeometry& geometry, TransitBody body,
                                                 JD1900 instant) {
    std::optional<CentreLinePoint> point = BarePointAt(geometry, body, instant);
    const std::optional<CentreLinePoint> before =
        BarePointAt(geometry, body, instant - kSecondDays);
    const std::optional<CentreLinePoint> after = BarePointAt(geometry, body, instant + kSecondDays);
    if (!point || !before || !after) return point;
    const Vector3 up = Times(point->earthFixedKm, 1.0 / Length(point->earthFixedKm));
    const Vector3 along = Minus(after->earthFixedKm, before->earthFixedKm);
    Vector3 across = Cross(up, along);
    const double acrossLength = Length(across);
    if (acrossLength == 0.0) return point;
    across = Times(across, 1.0 / acrossLength);
    const TransitSky sky = geometry.At(instant);
    Vector3 sight = Minus(EarthFixedOfTeme(sky.satelliteKm, sky.gmstRad), point->earthFixedKm);
    sight = Times(sight, 1.0 / Length(sight));
    const double shortening =
        std::sqrt(std::max(1e-6, 1.0 - Dot(across, sight) * Dot(across, sight)));
    point->stripHalfWidthKm /= shortening;
    return point;
}

std::vector<CentreLinePoint> CentreLineTrack(const TransitGeometry& geometry, TransitBody body,
                                             JD1900 from, JD1900 to, double stepSeconds) {
    std::vector<CentreLinePoint> track;
    const int steps = static_cast<int>(std::ceil((to - from) / (stepSeconds * kSecondDays)));
    for (int i = 0; i <= steps; ++i) {
        const JD1900 t = std::min(to, from + i * stepSeconds * kSecondDays);
        if (std::optional<CentreLinePoint> p = CentreLinePointAt(geometry, body, t))
            track.push_back(*p);
    }
    return track;
}

CentreLineNearest NearestCentreLinePoint(const TransitGeometry& geometry, TransitBody body,
                                         JD1900 instant, double spanSeconds) {
    const Vector3 place = EarthFixedOf(geometry.Place());
    auto distance = [&](double seconds) {
        const std::optional<CentreLinePoint> p =
            BarePointAt(geometry, body, instant + seconds * kSecondDays);
        return p ? Length(Minus(p->earthFixedKm, place)) : 1e9;
    };
    // Whole seconds first, then Brent's search in the two seconds around the nearest.
    double bestSeconds = 0.0, best = distance(0.0);
    for (double s = -spanSeconds; s <= spanSeconds; s += 1.0) {
        const double d = distance(s);
        if (d < best) best = d, bestSeconds = s;
    }
    CentreLineNearest out;
    if (best >= 1e9) return out;
    const ScalarMaximum m = FindMaximum([&](double s) { return -distance(s); }, bestSeconds - 1.0,
                                        bestSeconds + 1.0, 1e-3, bestSeconds, -best);
    const std::optional<CentreLinePoint> p =
        CentreLinePointAt(geometry, body, instant + m.x * kSecondDays);
    if (!p) return out;
    out.found = true;
    out.nearest = *p;
    out.distanceKm = -m.value;
    const Vector3 d = Minus(p->earthFixedKm, place);
    const double lat = geometry.Place().latitudeDeg * kDegToRad;
    const double lon = geometry.Place().longitudeDeg * kDegToRad;
    const double east = -std::sin(lon) * d.x + std::cos(lon) * d.y;
    const double north = -std::sin(lat) * std::cos(lon) * d.x -
                         std::sin(lat) * std::sin(lon) * d.y + std::cos(lat) * d.z;
    out.azimuthDeg = std::atan2(east, north) * kRadToDeg;
    if (out.azimuthDeg < 0.0) out.azimuthDeg += 360.0;
    return out;
}

std::string CentreLineText(const CentreLineNearest& nearest) {
    if (!nearest.found) return "Zentrallinie nicht bestimmbar";
    // Closer than the text shows: no direction to go.
    if (nearest.distanceKm < 0.05) return "Zentrallinie am Ort";
    std::string number = FixedText(nearest.distanceKm, 1);
    for (char& c : number)
        if (c == '.') c = ',';
    std::string compass = CompassWord(nearest.azimuthDeg - 180.0);
    while (!compass.empty() && compass.back() == ' ') compass.pop_back();
    return "Zentrallinie " + number + " km " + compass;
}
