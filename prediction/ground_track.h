// Ground tracks: the sub-satellite point of an element set, the Sun's direction and
// the information values of a satellite over the world map (the map itself is drawn by
// chart/ground_track_map.h).
#pragma once

#include <string>
#include <string_view>

#include "core/timescale.h"
#include "satellite/propagation.h"

// Geocentric sub-satellite point of a satellite at one instant.
struct GroundPoint {
    double longitudeDeg = 0.0;       // east, -180..180
    double latitudeDeg = 0.0;        // geocentric
    double rightAscensionRad = 0.0;  // of the satellite's position vector, [0, 2π)
    double declinationRad = 0.0;
    double positionER[3] = {0.0, 0.0, 0.0};  // geocentric position, Earth radii
};

// Longitude brought into -180..180 (below -180 plus 360, above 180 minus 360).
double LongitudeIntoHalfCircle(double longitudeDeg);

// Sub-satellite point of the orbit at instant t, with the local mean sidereal time θ
// (hours) at t for the observer's east longitude: longitude = α·180/π - 15·θ +
// longitude. False when the orbit fails at t (`out` keeps its previous values).
bool SubSatellitePoint(const SatelliteOrbit& orbit, JD1900 t,
                       double siderealHours, double observerLongitudeDeg, GroundPoint& out);

// The Sun's geocentric right ascension and declination (radians) at a UT instant
// (the Sun series at ephemeris time t + DeltaT/24), leaving SunState alone.
struct SunDirection {
    double rightAscensionRad = 0.0;
    double declinationRad = 0.0;
};
SunDirection SunAt(JD1900 t);

// Information of a satellite at instant t: heights in km above the ellipsoid, the
// shadow height (distance from the shadow axis minus the Earth radius there; negative
// inside the shadow), geographic longitude and geodetic latitude in degrees.
struct TrackInformation {
    double heightKm = 0.0;
    double shadowHeightKm = 0.0;
    bool sunBelowHorizon = false;  // at the sub-satellite point
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
};
// False when the orbit fails at t (`out` unchanged).
bool ComputeTrackInformation(const SatelliteOrbit& orbit, JD1900 t,
                             double siderealHours, double observerLongitudeDeg,
                             TrackInformation& out);

// Label texts of the information ("Flughöhe   408 km", "Schatten ..." or 18 blanks,
// "Länge   12.34 Grad", "Breite  51.20 Grad"), UTF-8.
std::string HeightLabelText(const TrackInformation& info);
std::string ShadowLabelText(const TrackInformation& info);
std::string LongitudeLabelText(const TrackInformation& info);
std::string LatitudeLabelText(const TrackInformation& info);
// "Abst. " + distance in km (rounded, right-aligned to 5) + " km".
std::string DistanceLabelText(const double positionA_ER[3], const double positionB_ER[3]);
