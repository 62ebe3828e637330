// The frame of date: the true equator and equinox of an instant, to which every
// altitude and azimuth is referred. From ERFA, the open copy of the IAU's SOFA
// routines: precession-nutation IAU 2006/2000A (eraPn06a, one nutation series per
// instant), Greenwich apparent and mean sidereal time (eraGst06 from that matrix,
// eraGmst06, and eraGmst82 for the convention of the SGP4 model's frame), and the
// Earth's barycentric velocity (eraEpv00) for the annual aberration.
//
// One FrameOfDate per instant serves a whole drawing: a star's 2000.0 direction is
// aberrated and turned by one matrix, no library call per star. HorizonOfDate folds
// the local apparent sidereal time and the latitude into that matrix, so that a
// catalogue direction goes to altitude and azimuth with a few multiplications.
// Instants are JD1900 in UT (taken as UT1); the dynamical time is UT + DeltaT of the
// year.
#pragma once

#include "core/frames.h"
#include "core/timescale.h"
#include "core/vector3.h"

// A rotation, rows times columns.
struct Matrix3 {
    double m[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
    Vector3 operator*(const Vector3& v) const;
    Matrix3 operator*(const Matrix3& b) const;
    Matrix3 Transposed() const;
};

struct FrameOfDate {
    JD1900 instant = 0.0;        // UT
    Matrix3 j2000ToDate;         // mean equator and equinox of 2000.0 (ICRS axes) to
                                 // the true equator and equinox of date
    Matrix3 j2000ToMeanOfDate;   // the same without nutation (frame bias and precession)
    Matrix3 meanToTrueOfDate;    // nutation: mean equator and equinox of date to the true
    Vector3 earthVelocityOverC;  // the Earth's barycentric velocity over c, 2000.0 axes
    double earthSunDistanceAu = 1.0;
    double gastRad = 0.0;               // Greenwich apparent sidereal time, [0, 2π)
    double gmstRad = 0.0;               // Greenwich mean sidereal time (IAU 2006), [0, 2π)
    double gmst1982Rad = 0.0;           // Greenwich mean sidereal time, IAU 1982 (the TEME frame)
    double nutationLongitudeRad = 0.0;  // Δψ
    double nutationObliquityRad = 0.0;  // Δε
    double meanObliquityRad = 0.0;      // ε of date
};

// The frame of an instant (UT). The last frame computed on a thread is kept, so that
// the steps of one drawing share it.
FrameOfDate FrameOfDateAt(JD1900 instant);

// The direction (unit vector, 2000.0 axes) in which an object far beyond the solar
// system is seen from the moving Earth: the annual aberration of its catalogue
// direction unit2000 (the special-relativistic formula; light deflection by the Sun,
// below 0.01" beyond 30° from it, is left out).
Vector3 Aberrated(const FrameOfDate& frame, const Vector3& unit2000);
// Apparent direction of date (unit vector) of such an object: annual aberration, then
// precession and nutation.
Vector3 ApparentOfDate(const FrameOfDate& frame, const Vector3& unit2000);
// The catalogue direction (2000.0) whose apparent direction of date is `apparent`: the
// inverse of ApparentOfDate.
Vector3 CatalogueOfApparent(const FrameOfDate& frame, const Vector3& apparent);
// A direction of date referred to the mean equator and equinox of 2000.0 (precession
// and nutation undone, no aberration): the 2000.0 coordinates of a satellite.
Vector3 J2000OfDate(const FrameOfDate& frame, const Vector3& ofDate);
// Local apparent sidereal time in hours [0, 24) for an east longitude in degrees.
double LocalApparentSiderealHours(const FrameOfDate& frame, double eastLongitudeDeg);

// The observer's horizon at the instant of a frame: the axes south, west and zenith.
struct HorizonOfDate {
    Vector3 earthVelocityOverC;         // of the frame, for the aberration of 2000.0 directions
    double inverseLorentzFactor = 1.0;  // sqrt(1 - v²/c²) of that velocity
    Matrix3 dateToHorizon;              // true equator and equinox of date to the horizon
    Matrix3 j2000ToHorizon;             // 2000.0 (after aberration) to the horizon
};
// The horizon for a local apparent sidereal time (hours) and a latitude.
HorizonOfDate HorizonOfDateAt(const FrameOfDate& frame, double localSiderealHours,
                              double sinLatitude, double cosLatitude);
// Altitude and chart azimuth (0 south, +π/2 west) of a vector in the horizon's axes.
HorizontalCoords HorizontalOfVector(const Vector3& southWestZenith);
// A catalogue direction (2000.0 unit vector) at its apparent place in the horizon's
// axes (a unit vector: south, west, zenith).
Vector3 ApparentInHorizon(const HorizonOfDate& horizon, const Vector3& unit2000);
// Its apparent altitude and chart azimuth.
HorizontalCoords ApparentHorizontal(const HorizonOfDate& horizon, const Vector3& unit2000);
// The catalogue direction (2000.0) seen at an apparent altitude and chart azimuth.
Vector3 CatalogueAtHorizontal(const FrameOfDate& frame, const HorizonOfDate& horizon,
                              double altitude, double chartAzimuth);

// Unit vector of right ascension and declination (radians), and back (right ascension
// in [0, 2π)).
Vector3 UnitVectorOf(double ra, double dec);
void RaDecOf(const Vector3& v, double& ra, double& dec);
