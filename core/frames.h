// Coordinate frames: hour angle, ecliptic / rectangular to equatorial, equatorial to
// horizontal, the topocentric (parallax) correction and the annual-rate precession.
//
// Units: angles in radians unless a name says otherwise; right ascension and sidereal
// time handed between operations in hours. The chart azimuth is counted from south
// through west: 0 south, +pi/2 west, -pi/2 east, +-pi north.
#pragma once

struct ObservingPlace;

// Right ascension and declination, radians (right ascension in [0, 2pi)).
struct EquatorialCoords {
    double ra = 0.0;
    double dec = 0.0;
};

// Altitude and chart azimuth, radians.
struct HorizontalCoords {
    double altitude = 0.0;
    double azimuth = 0.0;      // chart azimuth, (-pi, pi]
    double sinAltitude = 0.0;  // the projection tests sin h > 0
};

// Result of the topocentric correction.
struct TopocentricCoords {
    double hourAngle = 0.0;  // corrected hour angle H', radians in [-pi, pi]
    double dec = 0.0;        // corrected declination, radians
    double deltaRa = 0.0;    // correction of the right ascension, radians
};

// Right ascension in hours and declination in radians (the minor-body precession).
struct EquatorialHours {
    double raHours = 0.0;
    double dec = 0.0;
};

// arcsin computed as arctan(x / sqrt(1 - x^2)); +-1 gives +-pi/2 (no division error),
// arguments a rounding step outside [-1, 1] are clamped.
double SafeArcSin(double x);

// Hour angle in radians, [-pi, pi], from sidereal time and right ascension in hours;
// positive west of the meridian. A difference of exactly -12 h stays -pi.
double HourAngle(double siderealHours, double raHours);

// Ecliptic longitude and latitude (radians) to equatorial coordinates with the mean
// obliquity held in SunState (SunPosition must have run for the instant).
EquatorialCoords EclipticToEquatorial(double lambda, double beta);
// The same with an explicit obliquity given as its sine and cosine.
EquatorialCoords EclipticToEquatorial(double lambda, double beta, double sinEps, double cosEps);

// Geocentric rectangular coordinates (any length unit) to equatorial coordinates.
EquatorialCoords RectangularToEquatorial(double x, double y, double z);

// Hour angle and declination to altitude and chart azimuth for a latitude given as
// sine and cosine. Safe at the poles and on the meridian (sin H = 0: azimuth 0 south
// of the zenith, pi north of it).
HorizontalCoords EquatorialToHorizontal(double hourAngle, double dec, double sinLat, double cosLat);

// Hour angle and declination, radians (hour angle in (-pi, pi], positive west).
struct HourAngleCoords {
    double hourAngle = 0.0;
    double dec = 0.0;
};

// The inverse of EquatorialToHorizontal: altitude and chart azimuth (radians, azimuth
// from south through west) back to hour angle and declination.
HourAngleCoords HorizontalToEquatorial(double altitude, double chartAzimuth, double sinLat,
                                       double cosLat);

// Parallax in right ascension and declination for the observer's latitude and height
// (the Earth's equatorial radius 6378140 m, axis ratio 0.99664719). sinParallax is the
// sine of the body's horizontal parallax.
TopocentricCoords TopocentricCorrection(double hourAngle, double dec, double sinParallax,
                                        const ObservingPlace& observer);

// Precession by the annual rates (3.0735 + 1.336 sin a tan d) s/yr and 20.04 cos a "/yr,
// both taken at the unprecessed position; years = target equinox - source equinox.
EquatorialHours PrecessByAnnualRates(double raHours, double dec, double years);
