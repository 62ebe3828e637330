// What the observer sees of a propagated satellite: altitude and azimuth, range,
// height, Earth shadow, phase angle and brightness.
//
// Azimuths are chart azimuths: counted from south, +90 deg towards west, -90 deg
// towards east, in (-180, 180]; add 180 deg for the azimuth from north through east.
// The Sun values for the chart (right ascension, declination, altitude, azimuth) are
// the core's shared ones; ObserveSatellite computes its own for its instant and leaves
// the shared ones alone.
#pragma once

#include <string>
#include <string_view>

#include "core/timescale.h"
#include "satellite/sgp.h"

struct ObservationValues {
    double heightKm = 0.0;            // above the ellipsoid along the radius
    double shadowDepthKm = 0.0;       // outside the Earth's shadow cylinder; negative inside
    double observedRangeKm = 0.0;     // rangeKm at the observed instant
    double magnitude = 0.0;           // visual magnitude, flare included where computed
    double phaseAngleDeg = 0.0;       // Sun - satellite - observer
    double flareAngleDeg = 0.0;       // smallest mirror angle (flare-capable satellites)
    double flareMirror = 0.0;         // its panel, 1, 2 or 3
    double angularSpeedDegSec = 0.0;  // apparent angular speed (SatelliteDetails, PositionLine)
    std::string catalogueText;        // columns 3-7 + 9-18 of line 1 (SatelliteDetails)
    double inclinationDeg = 0.0;      // columns 9-16 of line 2 (SatelliteDetails)
};

// The one ObservationValues record of the process.
ObservationValues& Observation();
// Back to a freshly constructed record (tests).
void ResetObservationValues();

// Observer's geocentric vector (sign reversed, km) from siderealHours and the place,
// and the precession angles from currentJD to 2000.0, into SatState().
void PrepareObserver();
// The same for an explicit sidereal time (hours).
void PrepareObserver(double siderealHours);

// Altitude and chart azimuth (radians) of the last propagation, from
// SatState().rightAscension2000/declination2000 and Observer().siderealHours.
struct SatHorizontal {
    double altitude = 0.0;
    double azimuth = 0.0;
    double sinAltitude = 0.0;
};
SatHorizontal HorizontalPosition();
// The same for an explicit sidereal time (hours).
SatHorizontal HorizontalPosition(double siderealHours);

// Phase angle in degrees from the satellite's and the Sun's altitude and azimuth
// (satellite in degrees, Sun altitude in degrees and azimuth in radians); also
// stored in Observation().phaseAngleDeg.
double PhaseAngle(double altitudeDeg, double azimuthDeg, double sunAltitudeDeg,
                  double sunAzimuthRad);

// Magnitude of a diffusely reflecting sphere: standard magnitude m0 (1000 km, 90 deg),
// phase angle in radians, range in km. Stored in Observation().magnitude.
double SatelliteMagnitude(double phaseAngleRad, double rangeKm, double standardMagnitude);

// Distance outside the Earth's shadow cylinder (km, negative inside) of
// SatState().positionER for a Sun direction (radians); stored in Observation(). The
// cylinder extends only behind the Earth: a satellite on the Sun's side of the plane
// through the Earth's centre perpendicular to the Sun direction is never in the
// shadow (its depth is then its distance from that plane, or the cylinder distance
// when that is larger).
double ShadowDepth(double sunRaRad, double sunDecRad);

// Height above the ellipsoid along the radius (km) from SatState(); stored in Observation().
double EllipsoidHeight();

// Apparent angular speed (deg/s) of the satellite last observed at currentJD with
// altitude and azimuth in degrees, siderealHours being the sidereal time of currentJD,
// by propagating the same set 6 seconds later (SatState() then holds the later
// instant). Stored in Observation().
double AngularSpeed(std::string_view line1, std::string_view line2, double altitudeDeg,
                    double azimuthDeg, double siderealHours);

// The observation of selected set k (from 0) at instant T, for the pass search.
struct SatObservation {
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // chart azimuth
    double rangeKm = 0.0;
    double magnitude = 0.0;
    double shadowDepthKm = 0.0;
    double sunAltitudeDeg = 0.0;
    double sunEquatorial[3] = {1.0, 0.0, 0.0};  // the Sun at T: geocentric X, Y, Z, AU
    // Why the propagation failed (decay, an orbit inside the Earth, a math error):
    // then the values above are meaningless and no result may be built from them.
    OrbitError error = OrbitError::None;
    bool failed() const { return error != OrbitError::None; }
};
// Propagates (velocity variant for flare-capable rows) with the sidereal time and the
// Sun of T, and fills Observation(); the observer's siderealHours and the shared Sun
// stay as they were. A failed propagation sets `error` and leaves MathErrorFlag set
// for the caller (a flag set before the call stays set).
SatObservation ObserveSatellite(int k, JD1900 T);

// Values of one satellite at currentJD for the information displays: k is a
// selection position from 1 when infoFromSelection, otherwise a row of the whole
// table. Flares only for flare-capable rows taken from the selection.
void SatelliteDetails(int k, bool infoFromSelection);
