// Geocentric apparent places of the Sun and the Moon for the satellite geometry, to a
// few arcseconds: the Earth's heliocentric position of ERFA's eraEpv00 for the Sun
// (with the annual aberration of the Earth's barycentric velocity) and ERFA's eraMoon98
// (the ELP-2000 series of Meeus) for the Moon, taken a light time earlier; both turned
// to the true equator and equinox of date by the frame of date. The Moon moves with the
// Earth, so its geocentric place needs no annual aberration.
//
// The chart's Sun and Moon (sun_moon.h) come from low-precision series; these are for
// computations that need the bodies to well under 0.01 degree, such as satellite
// transits.
#pragma once

#include "core/timescale.h"
#include "core/vector3.h"

struct ApparentSunMoon {
    JD1900 instant = 0.0;  // UT
    Vector3 sunKm;         // geocentric, true equator and equinox of date
    Vector3 moonKm;
    // Greenwich apparent sidereal time minus the IAU 1982 mean sidereal time (radians):
    // the angle that turns the true equinox of date to the x axis of the SGP4 model's
    // frame (TEME), which is the mean equinox measured along the true equator.
    double equinoxToTemeRad = 0.0;
};

// The apparent Sun and Moon at an instant (UT; dynamical time UT + DeltaT of the year).
ApparentSunMoon ApparentSunMoonAt(JD1900 instant);

// Greenwich mean sidereal time of IAU 1982 (radians, [0, 2π)) at an instant (UT): the
// angle by which the SGP4 model's frame turns to the Earth.
double Gmst1982Rad(JD1900 instant);

// Mean radii of the bodies, km.
inline constexpr double kSunRadiusKm = 696000.0;
inline constexpr double kMoonRadiusKm = 1737.4;
