// The geometry of a satellite in front of the Sun or the Moon: observer, satellite and
// both bodies as geocentric vectors in the SGP4 model's frame (TEME) at one instant, and
// the WGS-84 ellipsoid the observer and the centre line stand on.
//
// The bodies come from a track of apparent places (core/apparent_sun_moon.h) computed
// every ten minutes over the searched window and interpolated linearly between: over
// ten minutes the interpolated directions stay within 0.1" of the computed ones. The
// satellite is taken a light time earlier (its position less velocity × range / c).
// No refraction: the satellite and the body beside it are lifted alike.
#pragma once

#include <vector>

#include "core/apparent_sun_moon.h"
#include "core/timescale.h"
#include "core/vector3.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"

enum class TransitBody { Sun = 0, Moon = 1 };

// WGS-84.
inline constexpr double kWgs84RadiusKm = 6378.137;
inline constexpr double kWgs84Flattening = 1.0 / 298.257223563;

// Geodetic latitude and east longitude (degrees) and height (km) of a point.
struct GeodeticPoint {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    double heightKm = 0.0;
};
// Earth-fixed vector (km) of a geodetic point, and back.
Vector3 EarthFixedOf(const GeodeticPoint& point);
GeodeticPoint GeodeticOf(const Vector3& earthFixedKm);
// Between the Earth-fixed frame and TEME, for the IAU 1982 mean sidereal time.
Vector3 TemeOfEarthFixed(const Vector3& v, double gmstRad);
Vector3 EarthFixedOfTeme(const Vector3& v, double gmstRad);

// The apparent Sun and Moon at nodes ten minutes apart over [from, to], read at any
// instant in between. Built once for a search; read-only afterwards, so any number of
// threads may read it.
class BodyTrack {
  public:
    BodyTrack(JD1900 from, JD1900 to);
    // Geocentric apparent position (km, TEME) of a body at an instant inside the track.
    Vector3 BodyKm(TransitBody body, JD1900 instant) const;

  private:
    JD1900 from_ = 0.0;
    std::vector<ApparentSunMoon> nodes_;
};

// Observer, satellite and bodies at one instant (km, km/s; TEME).
struct TransitSky {
    JD1900 instant = 0.0;
    bool failed = false;  // the orbit did not propagate
    double gmstRad = 0.0;
    Vector3 observerKm, observerVelocityKmS;
    Vector3 satelliteKm, satelliteVelocityKmS;  // as seen: a light time earlier
    Vector3 bodyKm[2];                          // by TransitBody
    OrbitState orbit;                           // the propagation of the instant
};

// The sky of one satellite for one place over a body track.
class TransitGeometry {
  public:
    TransitGeometry(const SatelliteOrbit& orbit, const GeodeticPoint& place,
                    const BodyTrack& bodies);
    TransitSky At(JD1900 instant) const;
    const GeodeticPoint& Place() const { return place_; }

  private:
    const SatelliteOrbit* orbit_;
    GeodeticPoint place_;
    Vector3 placeKm_;  // Earth-fixed
    const BodyTrack* bodies_;
};

// Vector helpers of the transit geometry.
namespace vectors {
double Dot(const Vector3& a, const Vector3& b);
Vector3 Minus(const Vector3& a, const Vector3& b);
Vector3 Plus(const Vector3& a, const Vector3& b);
Vector3 Times(const Vector3& a, double factor);
Vector3 Cross(const Vector3& a, const Vector3& b);
double Length(const Vector3& v);
// Angle between two directions, radians (accurate for small angles too).
double AngleBetween(const Vector3& a, const Vector3& b);
}  // namespace vectors

// Seen from the observer at one instant.
struct TransitView {
    double separationRad = 0.0;  // satellite from the body's centre
    double bodyRadiusRad = 0.0;  // the body's apparent radius
    double rangeKm = 0.0;        // to the satellite
    double bodyAltitudeDeg = 0.0;
    double bodyAzimuthDeg = 0.0;  // from north through east
    double satelliteAltitudeDeg = 0.0;
    double angularSpeedRadS = 0.0;  // of the satellite, on the sky
};
TransitView ViewFrom(const TransitSky& sky, const GeodeticPoint& place, TransitBody body);
