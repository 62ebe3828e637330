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

// After the ordinary magnitude is in Observation().magnitude: the three panel angles
// of SatState() against the given Sun direction (radians), the smallest into
// flareAngleDeg/flareMirror, and the combined brightness into magnitude.
void EvaluateFlare(double sunRaRad, double sunDecRad);
// The same with the Sun values for the chart.
void EvaluateFlare();
