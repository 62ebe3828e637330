// The frame of date: the true equator and equinox of an instant, to which every
// altitude and azimuth is referred. From ERFA, the open copy of the IAU's SOFA
// routines: precession-nutation IAU 2006/2000A (eraPnm06a), Greenwich apparent and
// mean sidereal time (eraGst06a, eraGmst06, and eraGmst82 for the convention of the
// SGP4 model's frame), and the Earth's barycentric velocity (eraEpv00) for the annual
// aberration.
//
// One FrameOfDate per instant serves a whole drawing: a star's 2000.0 direction is
// aberrated and turned by one matrix, no library call per star. Instants are JD1900
// in UT (taken as UT1); the dynamical time is UT + DeltaT of the year.
#pragma once

#include "core/timescale.h"
#include "core/vector3.h"

// A rotation, rows times columns.
struct Matrix3 {
    double m[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
    Vector3 operator*(const Vector3& v) const;
    Matrix3 Transposed() const;
};

struct FrameOfDate {
    JD1900 instant = 0.0;        // UT
    Matrix3 j2000ToDate;         // mean equator and equinox of 2000.0 (ICRS axes) to
                                 // the true equator and equinox of date
    Vector3 earthVelocityOverC;  // the Earth's barycentric velocity over c, 2000.0 axes
    double earthSunDistanceAu = 1.0;
    double gastRad = 0.0;          // Greenwich apparent sidereal time, [0, 2π)
    double gmstRad = 0.0;          // Greenwich mean sidereal time (IAU 2006), [0, 2π)
    double gmst1982Rad = 0.0;      // Greenwich mean sidereal time, IAU 1982 (the TEME frame)
    double nutationLongitudeRad = 0.0;  // Δψ
    double nutationObliquityRad = 0.0;  // Δε
    double meanObliquityRad = 0.0;      // ε of date
};

FrameOfDate FrameOfDateAt(JD1900 instant);

// Apparent direction of date (unit vector) of an object far beyond the solar system
// whose direction in 2000.0 is unit2000: annual aberration, then precession and
// nutation. Light deflection by the Sun (below 0.01" beyond 30° from it) is left out.
Vector3 ApparentOfDate(const FrameOfDate& frame, const Vector3& unit2000);
// A direction of date referred to the mean equator and equinox of 2000.0 (precession
// and nutation undone, no aberration): the 2000.0 coordinates of a satellite.
Vector3 J2000OfDate(const FrameOfDate& frame, const Vector3& ofDate);
// Local apparent sidereal time in hours [0, 24) for an east longitude in degrees.
double LocalApparentSiderealHours(const FrameOfDate& frame, double eastLongitudeDeg);

// Unit vector of right ascension and declination (radians), and back (right ascension
// in [0, 2π)).
Vector3 UnitVectorOf(double ra, double dec);
void RaDecOf(const Vector3& v, double& ra, double& dec);
