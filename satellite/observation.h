// What the observer sees of a propagated satellite: altitude and azimuth, range,
// height, Earth shadow, phase angle and brightness, right ascension and declination.
// Every function takes what it reads and returns a value.
//
// The model's frame (TEME for SGP4, the equatorial frame of the elements for SGP)
// turns to the Earth with the mean sidereal time; the observer stands on the WGS-72
// ellipsoid at a geodetic latitude, and altitudes are referred to its normal, so
// altitude and azimuth are those of the true equator and equinox of date.
//
// Azimuths are chart azimuths: counted from south, +90 deg towards west, -90 deg
// towards east, in (-180, 180]; add 180 deg for the azimuth from north through east.
#pragma once

#include <string>

#include "core/frame_of_date.h"
#include "core/timescale.h"
#include "core/vector3.h"
#include "satellite/propagation.h"

struct ObservingPlace;

// A place on the Earth.
struct ObserverPlace {
    double longitudeDeg = 0.0;  // east
    double latitudeDeg = 0.0;   // geodetic
    double heightM = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
};
ObserverPlace PlaceOf(double longitudeDeg, double latitudeDeg, double heightM);
ObserverPlace PlaceOf(const ObservingPlace& observer);

// The observer at one instant.
struct ObserverAt {
    ObserverPlace place;
    JD1900 instant = 0.0;
    double siderealHours = 0.0;  // local mean sidereal time, the angle of the models' frame
    Vector3 positionKm;          // geocentric, in the models' frame
    // When given, right ascension and declination of date and of 2000.0 are computed.
    const FrameOfDate* frame = nullptr;
};
ObserverAt ObserverAtInstant(const ObserverPlace& place, JD1900 instant,
                             const FrameOfDate* frame = nullptr);

// The Sun at the observer's instant, as brightness and shadow need it.
struct SunView {
    double rightAscension = 0.0;  // radians, equator and equinox of date
    double declination = 0.0;
    double altitudeDeg = 0.0;
    double azimuthRad = 0.0;                   // chart azimuth
    double equatorialAu[3] = {1.0, 0.0, 0.0};  // geocentric X, Y, Z
};
// From the Sun's theory at the instant (ephemeris time UT + DeltaT of its year).
SunView SunViewFor(const ObserverAt& observer);

// What the brightness of one satellite depends on besides its orbit.
struct SatelliteLook {
    double standardMagnitude = 6.0;  // at 1000 km and 90 deg phase angle
    bool flareCapable = false;       // three mirror panels
};

// One satellite seen by one observer at one instant.
struct SatObservation {
    // Why the propagation failed (decay, an orbit inside the Earth, a math error): then
    // the values below are meaningless and no result may be built from them.
    OrbitError error = OrbitError::None;
    Vector3 topocentricKm;  // observer to satellite, models' frame
    double rangeKm = 0.0;
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // chart azimuth
    double sinAltitude = 0.0;
    // Topocentric right ascension (hours) and declination (degrees): of date (true
    // equator and equinox) and referred to 2000.0; NaN when no frame was given.
    double raOfDateHours = 0.0, decOfDateDeg = 0.0;
    double ra2000Hours = 0.0, dec2000Deg = 0.0;
    double heightKm = 0.0;       // above the ellipsoid along the radius
    double shadowDepthKm = 0.0;  // outside the Earth's shadow cylinder; negative inside
    double phaseAngleDeg = 0.0;  // Sun - satellite - observer
    double magnitude = 0.0;      // visual magnitude, flare included for flare-capable ones
    double flareAngleDeg = 0.0;  // smallest mirror angle (flare-capable satellites)
    int flareMirror = 0;         // its panel, 1, 2 or 3
    double sunAltitudeDeg = 0.0;
    double sunEquatorial[3] = {1.0, 0.0, 0.0};  // the Sun: geocentric X, Y, Z, AU

    bool failed() const { return error != OrbitError::None; }
};

// The observation of a propagated state.
SatObservation ViewOf(const OrbitState& state, const ObserverAt& observer, const SunView& sun,
                      const SatelliteLook& look);

// Propagates the orbit to T and observes it from place, with the Sun of T (carry: see
// Propagate).
SatObservation ObserveSatellite(const SatelliteOrbit& orbit, const SatelliteLook& look, JD1900 T,
                                const ObserverPlace& place, const FrameOfDate* frame = nullptr,
                                ResonanceCarry* carry = nullptr);

// Where the satellite stands at T, without Sun, shadow or magnitude: the altitude and
// azimuth of a full observation, `seen` false where that observation fails.
struct SatelliteDirection {
    bool seen = false;
    double altitudeDeg = 0.0, azimuthDeg = 0.0;
};
SatelliteDirection ObserveDirection(const SatelliteOrbit& orbit, JD1900 T,
                                    const ObserverPlace& place);

// The satellite's altitude in degrees at T (no Sun, shadow or magnitude); NaN when
// the orbit fails at T.
double QuickAltitude(const SatelliteOrbit& orbit, JD1900 T, const ObserverPlace& place,
                     ResonanceCarry* carry = nullptr);

// Phase angle in degrees from the satellite's and the Sun's altitude and azimuth
// (satellite in degrees, Sun altitude in degrees and azimuth in radians).
double PhaseAngle(double altitudeDeg, double azimuthDeg, double sunAltitudeDeg,
                  double sunAzimuthRad);

// Magnitude of a diffusely reflecting sphere: standard magnitude m0 (1000 km, 90 deg),
// phase angle in radians, range in km.
double SatelliteMagnitude(double phaseAngleRad, double rangeKm, double standardMagnitude);

// Distance outside the Earth's shadow cylinder (km, negative inside) of a geocentric
// position (Earth radii) for a Sun direction (radians). The cylinder extends only
// behind the Earth: a satellite on the Sun's side of the plane through the Earth's
// centre perpendicular to the Sun direction is never in the shadow (its depth is then
// its distance from that plane, or the cylinder distance when that is larger).
double ShadowDepth(const double positionER[3], double sunRaRad, double sunDecRad);

// Height above the ellipsoid along the radius (km) of a geocentric position (Earth
// radii) at a distance radiusER from the Earth's centre.
double EllipsoidHeight(const double positionER[3], double radiusER);

// Apparent angular speed (deg/s) of a satellite seen at altitude and azimuth (degrees)
// at T, from a second observation 6 seconds later.
double AngularSpeed(const SatelliteOrbit& orbit, const ObserverPlace& place, JD1900 T,
                    double altitudeDeg, double azimuthDeg);

// Values of one satellite at an instant for the information displays.
struct SatelliteDetailValues {
    OrbitState state;  // the propagation at the instant
    SatObservation seen;
    double angularSpeedDegSec = 0.0;
    std::string name;           // name line without trailing blanks
    std::string catalogueText;  // columns 3-7 + 9-18 of line 1
    double inclinationDeg = 0.0;
};
SatelliteDetailValues SatelliteDetails(const SatelliteOrbit& orbit, const SatelliteLook& look,
                                       const std::string& nameLine, const std::string& line1,
                                       const std::string& line2, JD1900 T,
                                       const ObserverPlace& place, const FrameOfDate& frame);
