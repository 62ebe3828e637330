// Reflection flares of satellites with three mirror panels (tilt -40 deg, yaw 0,
// +120 and -120 deg).
#pragma once

// Angle in degrees between the Sun (right ascension and declination in degrees) and
// the mirror image of the line of sight t (observer to satellite) in one panel of a
// satellite at r with velocity v; 180 when the observer sees the back of the panel.
double FlareAngle(const double r[3], const double v[3], const double t[3], double sunRaDeg,
                  double sunDecDeg, double tiltDeg, double yawDeg);

// Angular distance in degrees between two directions (longitude, latitude in degrees);
// the planar form below 0.1 deg.
double AngularDistance(double lambda1Deg, double beta1Deg, double lambda2Deg, double beta2Deg);

// Flare magnitude for the smallest mirror angle (deg), range (km) and phase angle (deg).
double FlareMagnitude(double flareAngleDeg, double rangeKm, double phaseAngleDeg);

// Combined magnitude of the ordinary brightness and a flare.
double CombinedMagnitude(double flareMagnitude, double ordinaryMagnitude);

// The three panel angles of a satellite at positionER (Earth radii) moving with velocity
// (any unit) seen along towardsSatellite (observer to satellite) against the Sun
// direction (radians): the smallest angle, its panel, and the brightness combined
// with the ordinary magnitude.
struct FlareResult {
    double angleDeg = 180.0;
    int mirror = 0;
    double magnitude = 0.0;
};
FlareResult EvaluateFlare(const double positionER[3], const double velocity[3],
                          const double towardsSatellite[3], double sunRaRad, double sunDecRad,
                          double rangeKm, double phaseAngleDeg, double ordinaryMagnitude);
