// One full ephemeris for a place and instant, as the command line prints it: sidereal
// time, Sun, Moon, planets, Ceres, Vesta, the minor body of "KOMET", and the rise, set
// and twilight instants of the local date. Plain data plus a JSON rendering.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/timescale.h"

struct EphemerisRequest {
    JD1900 instant = 36525.0;   // UT
    double longitudeDeg = 0.0;  // east positive
    double latitudeDeg = 0.0;
    double heightM = 0.0;
    double zoneOffsetHours = 0.0;
    std::string zoneRule;  // the zone by rule; empty: the fixed zoneOffsetHours
};

// Right ascension and declination of the Sun, the Moon, the planets, Ceres and Vesta
// are apparent, of the true equator and equinox of date; the minor body's are of
// 2000.0 (its apparent ones of date beside them).
struct ReportBody {
    std::string name;
    double raHours = 0.0;
    double decDeg = 0.0;
    double distance = 0.0;  // AU (minor body: millions of km)
    double magnitude = 0.0;
    double altDeg = 0.0;
    double azDeg = 0.0;  // from north through east, [0, 360)
};

// A star of the catalogue (2000.0) at its apparent place: right ascension and
// declination of the true equator and equinox of date, altitude and azimuth.
struct ReportStar {
    std::string name;
    double raHours = 0.0;  // of date, [0, 24)
    double decDeg = 0.0;
    double altDeg = 0.0;
    double azDeg = 0.0;  // from north through east, [0, 360)
};

struct EphemerisReport {
    JD1900 jd1900 = 0.0;
    double lstHours = 0.0;
    JD1900 dynamicJd1900 = 0.0;
    ReportBody sun;
    // The Moon's right ascension and declination are geocentric, its altitude and
    // azimuth topocentric; the topocentric right ascension and declination as well:
    ReportBody moon;
    double moonTopoRaHours = 0.0;
    double moonTopoDecDeg = 0.0;
    double moonIlluminatedFraction = 0.0;
    double moonPhaseAngleDeg = 0.0;
    double moonPhaseValue = 0.0;
    std::vector<ReportBody> bodies;  // "Merkur" ... "Uranus", then "Ceres", "Vesta"
    std::optional<ReportBody> minorBody;
    double minorBodyRaDateHours = 0.0;  // apparent, of date
    double minorBodyDecDateDeg = 0.0;
    std::optional<std::vector<ReportStar>> stars;  // on request (named stars)
    // Events of the local date, JD1900 UT, 0 when there is none.
    JD1900 sunrise = 0, sunset = 0, civilDawn = 0, civilDusk = 0, nauticalDawn = 0,
           nauticalDusk = 0, astronomicalDawn = 0, astronomicalDusk = 0, moonrise = 0, moonset = 0;
    // Data files that could not be used ("Datei nicht gefunden: ASTEROID.TXT").
    std::vector<std::string> warnings;
};

// Everything seen from the place and at the instant of the request (data files from the
// working directory); the observer records (Place(), Shown()) are left as they are. A
// missing or malformed "ASTEROID.TXT" or "KOMET" omits those entries and adds a warning:
// the report is then incomplete.
EphemerisReport ComputeEphemerisReport(const EphemerisRequest& request);

// A star of catalogue right ascension (hours) and declination (degrees) of 2000.0
// seen from the place and instant of the request.
ReportStar ApparentStar(const EphemerisRequest& request, std::string name, double raHours,
                        double decDeg);

// The report as one JSON object (UTF-8; names read as Latin-1 are converted). Field
// names stay as they are: scripts read them.
std::string EphemerisReportJson(const EphemerisReport& report);

// North-based azimuth in degrees [0, 360) from a chart azimuth in radians.
double NorthAzimuthDeg(double chartAzimuth);
