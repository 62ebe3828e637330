// Time scale, calendar and numeric helpers shared by every part of the program.
//
// The one time scale is JD1900: days since Julian Day 2415020.0 (1899 December 31,
// 12:00 UT). 1900 January 1, 0:00 UT is 0.5 and J2000.0 is 36525.0. Stored instants
// are universal time; ephemeris time is UT + DeltaT/24.
#pragma once

#include <cmath>
#include <string>

using JD1900 = double;

// One process-wide error flag. Numeric and orbit code set it instead of failing;
// the satellite engine tests and clears it per satellite.
extern bool MathErrorFlag;

// The date and time texts of the last FormatDateTime1900 call ("dd.mm.yyyy",
// "hh:mm:ss"). Read them right after the call.
extern std::string DateText;
extern std::string TimeText;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kRadToDeg = 180.0 / kPi;

// Integer part in the program's sense: truncation toward zero to a 32-bit integer.
// Values beyond the 32-bit range saturate, NaN gives 0 (a cast would be undefined).
inline int IntPart(double x) {
    if (!(x > -2147483648.0)) return x != x ? 0 : -2147483647 - 1;
    if (!(x < 2147483648.0)) return 2147483647;
    return static_cast<int>(x);
}
// x minus its integer part (negative for negative x).
inline double FracPart(double x) { return x - static_cast<double>(IntPart(x)); }

// x reduced into [0, m); m > 0.
double ModPositive(double x, double m);
// Angle in radians reduced into [0, 2π).
double Mod2Pi(double x);
// Degrees reduced by whole turns toward zero (negative values stay negative), in radians.
inline double ReducedRad(double deg) {
    if (!(std::fabs(deg) < 7.7e11)) return std::fmod(deg, 360.0) * kDegToRad;
    return (deg - 360.0 * IntPart(deg / 360.0)) * kDegToRad;
}
// x brought into [-halfTurn, halfTurn] by whole turns of 2·halfTurn; ±halfTurn stay as
// they are. Infinities and NaN pass unchanged.
double WrapSymmetric(double x, double halfTurn);
// Angle in radians brought into [-π, π] the same way.
inline double WrapPi(double x) { return WrapSymmetric(x, kPi); }
// base^exponent in extended precision; for base <= 0 returns 1.0 and sets MathErrorFlag.
double Power(double base, double exponent);
// The same without the flag: false for base <= 0 (result is then 1.0).
bool PowerOf(double base, double exponent, double& result);
// Polar angle of (x, y) in radians, [0, 2π); (0, 0) gives 0.
double AngleOf(double x, double y);
// JD1900 of 0:00 UT of a Gregorian date. The day enters linearly: day 0 is the
// last day of the month before, and with month 1 the day may be a day of the year.
JD1900 JulianDay1900(int year, int month, int day);
// Ephemeris time minus universal time, hours, for a calendar year.
double DeltaT(int year);
// Local mean sidereal time in hours [0, 24) for an east longitude in degrees
// (IAU 1982 Greenwich mean sidereal time).
double LocalSiderealTime(double eastLongitudeDeg, JD1900 instant);

// Calendar fields of an instant shifted into a time zone, rounded to the second.
struct CivilDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};
CivilDateTime CivilFromJD1900(JD1900 instant, double zoneOffsetHours);

// The local civil date "dd.mm.yyyy" and time "hh:mm:ss" of an instant, returned
// without touching DateText and TimeText.
struct DateTimeTexts {
    std::string date;
    std::string time;
};
DateTimeTexts DateTimeTextsOf(JD1900 instant, double zoneOffsetHours);

// Fills DateText and TimeText with the local civil date and time of the instant,
// in the zone of the observer records (Place(), Shown()), with the offset in force at that instant.
void FormatDateTime1900(JD1900 instant);
// The same for an explicit zone offset; also fills DateText and TimeText.
void FormatDateTime1900(JD1900 instant, double zoneOffsetHours);
