#include "core/frame_of_date.h"

#include <erfa.h>

#include <cmath>

namespace {

constexpr double kJd1900 = 2415020.0;
constexpr double kAuKm = 149597870.7;
constexpr double kLightKmPerDay = 299792.458 * 86400.0;

double Normalised(double angle) {
    angle = std::fmod(angle, kTwoPi);
    return angle < 0.0 ? angle + kTwoPi : angle;
}

int YearOf(JD1900 instant) { return CivilFromJD1900(instant, 0.0).year; }

}  // namespace

Vector3 Matrix3::operator*(const Vector3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Matrix3 Matrix3::Transposed() const {
    Matrix3 t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t.m[i][j] = m[j][i];
    return t;
}

FrameOfDate FrameOfDateAt(JD1900 instant) {
    FrameOfDate f;
    f.instant = instant;
    // Two-part Julian dates keep the precision of the fraction of the day.
    const double ut1 = kJd1900, ut2 = instant;
    const double tt1 = kJd1900, tt2 = instant + DeltaT(YearOf(instant)) / 24.0;
    double rnpb[3][3];
    eraPnm06a(tt1, tt2, rnpb);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) f.j2000ToDate.m[i][j] = rnpb[i][j];
    eraNut06a(tt1, tt2, &f.nutationLongitudeRad, &f.nutationObliquityRad);
    f.meanObliquityRad = eraObl06(tt1, tt2);
    f.gastRad = Normalised(eraGst06a(ut1, ut2, tt1, tt2));
    f.gmstRad = Normalised(eraGmst06(ut1, ut2, tt1, tt2));
    f.gmst1982Rad = Normalised(eraGmst82(ut1, ut2));
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(tt1, tt2, heliocentric, barycentric);
    const double toC = kAuKm / kLightKmPerDay;  // au per day over c
    f.earthVelocityOverC = {barycentric[1][0] * toC, barycentric[1][1] * toC,
                            barycentric[1][2] * toC};
    f.earthSunDistanceAu = std::sqrt(heliocentric[0][0] * heliocentric[0][0] +
                                     heliocentric[0][1] * heliocentric[0][1] +
                                     heliocentric[0][2] * heliocentric[0][2]);
    return f;
}

Vector3 ApparentOfDate(const FrameOfDate& f, const Vector3& p) {
    double natural[3] = {p.x, p.y, p.z};
    double v[3] = {f.earthVelocityOverC.x, f.earthVelocityOverC.y, f.earthVelocityOverC.z};
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    double proper[3];
    eraAb(natural, v, f.earthSunDistanceAu, std::sqrt(1.0 - v2), proper);
    return f.j2000ToDate * Vector3{proper[0], proper[1], proper[2]};
}

Vector3 J2000OfDate(const FrameOfDate& f, const Vector3& ofDate) {
    return f.j2000ToDate.Transposed() * ofDate;
}

double LocalApparentSiderealHours(const FrameOfDate& f, double eastLongitudeDeg) {
    double hours = (f.gastRad / kTwoPi) * 24.0 + eastLongitudeDeg / 15.0;
    hours = std::fmod(hours, 24.0);
    return hours < 0.0 ? hours + 24.0 : hours;
}

Vector3 UnitVectorOf(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

void RaDecOf(const Vector3& v, double& ra, double& dec) {
    ra = Normalised(std::atan2(v.y, v.x));
    dec = std::atan2(v.z, std::sqrt(v.x * v.x + v.y * v.y));
}
