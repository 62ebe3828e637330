#include "core/timescale.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "core/observing_place.h"

bool MathErrorFlag = false;
std::string DateText;
std::string TimeText;

double ModPositive(double x, double m) {
    if (!std::isfinite(x)) return x;
    // Beyond the 32-bit turn count the exact remainder; within it, as always.
    if (!(std::fabs(x / m) < 2147483647.0)) {
        const double r = std::fmod(x, m);
        return r >= 0.0 ? r : r + m;
    }
    const double q = static_cast<double>(IntPart(x / m));
    const double r = x - m * q;
    return r >= 0.0 ? r : r + m;
}

double Mod2Pi(double x) { return ModPositive(x, kTwoPi); }

double WrapSymmetric(double x, double halfTurn) {
    if (!std::isfinite(x)) return x;
    const double turn = 2.0 * halfTurn;
    // Far out, whole turns go at once (exactly); near the range, turn by turn.
    if (std::fabs(x) > 3.0 * halfTurn) x = std::fmod(x, turn);
    while (x > halfTurn) x -= turn;
    while (x < -halfTurn) x += turn;
    return x;
}

bool PowerOf(double base, double exponent, double& result) {
    if (!(base > 0.0)) {
        result = 1.0;
        return false;
    }
    result = static_cast<double>(std::exp(static_cast<long double>(exponent) *
                                          std::log(static_cast<long double>(base))));
    return true;
}

double Power(double base, double exponent) {
    double result = 1.0;
    if (!PowerOf(base, exponent, result)) MathErrorFlag = true;
    return result;
}

double AngleOf(double x, double y) {
    if (x == 0.0) {
        if (y > 0.0) return kPi / 2.0;
        if (y < 0.0) return 4.71238898038469;
        return 0.0;
    }
    double a = std::atan(y / x);
    if (x < 0.0) {
        a += kPi;
    } else if (y < 0.0) {
        a += kTwoPi;
    }
    return a;
}

JD1900 JulianDay1900(int year, int month, int day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    const int a = IntPart(year * 0.01);
    const int b = 2 - a + IntPart(a * 0.25);
    return static_cast<double>(IntPart(365.25 * year)) + IntPart(30.6001 * (month + 1)) - 694025.5 +
           b + day;
}

double DeltaT(int year) {
    if (year <= 1900) return 0.0;
    if (year < 2000) return (year - 1900) / 6000.0;
    return 1.0 / 60.0;
}

double LocalSiderealTime(double eastLongitudeDeg, JD1900 instant) {
    const double h = 24.0 * FracPart(instant + 0.5);
    const double d0 = instant - h / 24.0;
    const double t = d0 / 36525.0 - 1.0;
    const double s = 0.27905727326 + 100.0021390378 * t + 1.07759e-6 * t * t - 7.2e-11 * t * t * t;
    double theta = 24.0 * FracPart(s) + 1.00273790935 * h + eastLongitudeDeg / 15.0;
    theta -= 24.0 * std::floor(theta / 24.0);
    if (theta >= 24.0) theta -= 24.0;
    return theta;
}

CivilDateTime CivilFromJD1900(JD1900 instant, double zoneOffsetHours) {
    double x = instant + zoneOffsetHours / 24.0;
    x = x + 0.5 + 1.0 / 172800.0;
    const double f = FracPart(x);
    const int z = IntPart(x);
    const int alpha = IntPart((z + 547803.75) / 36524.25);
    const double b = static_cast<double>(z) + alpha - IntPart(alpha * 0.25) + 2416545.0;
    const int c = IntPart((b - 122.1) / 365.25);
    const int d = IntPart(365.25 * c);
    const int e = IntPart((b - d) / 30.6001);
    const double dayWithFraction = b - d - IntPart(30.6001 * e) + f;

    CivilDateTime t;
    t.month = e < 13.5 ? e - 1 : e - 13;
    t.year = t.month > 2.5 ? c - 4716 : c - 4715;
    t.day = IntPart(dayWithFraction);
    const double u = 24.0 * FracPart(dayWithFraction);
    t.hour = IntPart(u);
    const double w = 60.0 * FracPart(u);
    t.minute = IntPart(w);
    t.second = IntPart(60.0 * FracPart(w));
    return t;
}

DateTimeTexts DateTimeTextsOf(JD1900 instant, double zoneOffsetHours) {
    const CivilDateTime t = CivilFromJD1900(instant, zoneOffsetHours);
    char date[40];
    char time[40];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", t.day, t.month, t.year);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return {date, time};
}

void FormatDateTime1900(JD1900 instant, double zoneOffsetHours) {
    DateTimeTexts texts = DateTimeTextsOf(instant, zoneOffsetHours);
    DateText = std::move(texts.date);
    TimeText = std::move(texts.time);
}

void FormatDateTime1900(JD1900 instant) {
    FormatDateTime1900(instant, Place().zoneOffsetAt(instant));
}
