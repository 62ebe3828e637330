// The go-to computations of the two "Gehe zu" dialogs, without windows: Newcomb's
// precession of a right ascension and declination to the equinox 2000.0, the chart
// point of a target, and the centring of the zoom window on a chart point.
#pragma once

#include "core/timescale.h"

// Equinox of entered coordinates.
enum class GoToEquinox { J2000 = 0, B1950 = 1, OfDate = 2 };

struct GoToCoords {
    double raHours = 0.0;
    double decDeg = 0.0;
};

// Precesses (right ascension in hours, declination in degrees) from the instant t0
// (JD1900) to 2000.0 with Newcomb's rigorous angles (zeta, z, theta in arcseconds of
// tropical centuries). Right ascension comes back in [0, 24).
GoToCoords PrecessNewcombTo2000(double raHours, double decDeg, JD1900 t0);
// The coordinates of an equinox referred to 2000.0 (2000.0: unchanged; 1950.0 from
// JulianDay1900(1950, 1, 1); of date from currentJD).
GoToCoords ReferTo2000(double raHours, double decDeg, GoToEquinox equinox);

// Apparent altitude (degrees) and chart azimuth (radians; 0 south, +pi/2 west) of a
// right ascension (hours, 2000.0) and declination (degrees) on the horizon of date of
// the observer records (Place(), Shown()) (its frame, siderealHours and latitude), as the chart
// draws a star.
struct GoToHorizontal {
    double altitudeDeg = 0.0;
    double chartAzimuthRad = 0.0;
};
GoToHorizontal HorizontalOfTarget(double raHours, double decDeg);
// Chart azimuth in degrees of an azimuth counted from north through east: A + 180,
// minus 360 when above 360.
double ChartAzimuthFromNorthDeg(double azimuthDeg);

// Turns every plot table (satellites, stars, nebulae, labels, bodies, minor body)
// about the chart centre so that the chart point (x, y) lies straight below the
// centre, sets zoomFactor 8 and the zoom offsets onto the point, the go-to marker
// (1 degree across at altitude h) and draws the zoom window. W2 and H2 are the
// zoom window's outer width and height. Returns the turning angle rho.
double CentreZoomOnChartPoint(double x, double y, double altitudeDeg);
