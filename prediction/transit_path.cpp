#include "prediction/transit_path.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"

using namespace vectors;

TransitPathPoint OffsetFromBody(const TransitGeometry& geometry, TransitBody body, JD1900 instant) {
    const TransitSky sky = geometry.At(instant);
    const Vector3 toBody =
        EarthFixedOfTeme(Minus(sky.bodyKm[static_cast<int>(body)], sky.observerKm), sky.gmstRad);
    const Vector3 toSatellite =
        EarthFixedOfTeme(Minus(sky.satelliteKm, sky.observerKm), sky.gmstRad);
    const Vector3 centre = Times(toBody, 1.0 / Length(toBody));
    const Vector3 seen = Times(toSatellite, 1.0 / Length(toSatellite));
    // The tangent plane at the centre: "up" is the zenith less its part along the
    // centre, "right" the direction of growing azimuth.
    const double lat = geometry.Place().latitudeDeg * kDegToRad;
    const double lon = geometry.Place().longitudeDeg * kDegToRad;
    const Vector3 zenith{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon),
                         std::sin(lat)};
    Vector3 up = Minus(zenith, Times(centre, Dot(zenith, centre)));
    up = Times(up, 1.0 / Length(up));
    const Vector3 right = Cross(centre, up);
    // The gnomonic projection keeps the separation for the small angles of a disc.
    const double along = Dot(seen, centre);
    return {instant, std::atan2(Dot(seen, right), along) * kRadToDeg,
            std::atan2(Dot(seen, up), along) * kRadToDeg};
}

std::vector<TransitPathPoint> PathAcrossBody(const TransitGeometry& geometry, TransitBody body,
                                             JD1900 from, JD1900 to, double stepSeconds) {
    std::vector<TransitPathPoint> path;
    const double stepDays = stepSeconds / 86400.0;
    const int steps = static_cast<int>(std::ceil((to - from) / stepDays - 1e-9));
    for (int i = 0; i <= steps; ++i)
        path.push_back(OffsetFromBody(geometry, body, std::min(to, from + i * stepDays)));
    return path;
}
