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

double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Matrix3 FromErfa(const double r[3][3]) {
    Matrix3 out;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out.m[i][j] = r[i][j];
    return out;
}

FrameOfDate ComputeFrame(JD1900 instant) {
    FrameOfDate f;
    f.instant = instant;
    // Two-part Julian dates keep the precision of the fraction of the day.
    const double ut1 = kJd1900, ut2 = instant;
    const double tt1 = kJd1900, tt2 = instant + DeltaT(YearOf(instant)) / 24.0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
    eraPn06a(tt1, tt2, &f.nutationLongitudeRad, &f.nutationObliquityRad, &f.meanObliquityRad, rb,
             rp, rbp, rn, rbpn);
    f.j2000ToDate = FromErfa(rbpn);
    f.j2000ToMeanOfDate = FromErfa(rbp);
    f.meanToTrueOfDate = FromErfa(rn);
    f.gastRad = Normalised(eraGst06(ut1, ut2, tt1, tt2, rbpn));
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

// Annual aberration of a unit direction for an observer moving at v (over c), with
// 1/γ = sqrt(1 - v²): p' = (p/γ + (1 + p·v/(1 + 1/γ)) v) / (1 + p·v), a unit vector
// again.
Vector3 AberrationOf(const Vector3& v, double inverseGamma, const Vector3& p) {
    const double pv = Dot(p, v);
    const double q = 1.0 + pv / (1.0 + inverseGamma);
    const double r = 1.0 / (1.0 + pv);
    return {(inverseGamma * p.x + q * v.x) * r, (inverseGamma * p.y + q * v.y) * r,
            (inverseGamma * p.z + q * v.z) * r};
}

}  // namespace

Vector3 Matrix3::operator*(const Vector3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Matrix3 Matrix3::operator*(const Matrix3& b) const {
    Matrix3 out;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out.m[i][j] = m[i][0] * b.m[0][j] + m[i][1] * b.m[1][j] + m[i][2] * b.m[2][j];
    return out;
}

Matrix3 Matrix3::Transposed() const {
    Matrix3 t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t.m[i][j] = m[j][i];
    return t;
}

FrameOfDate FrameOfDateAt(JD1900 instant) {
    // The nutation series and the Earth's velocity cost some 80 µs; the sky of one
    // instant asks for its frame several times (Sun and Moon, stars, hover read-out).
    thread_local bool cached = false;
    thread_local FrameOfDate last;
    if (!cached || last.instant != instant) {
        last = ComputeFrame(instant);
        cached = true;
    }
    return last;
}

Vector3 Aberrated(const FrameOfDate& f, const Vector3& unit2000) {
    const Vector3& v = f.earthVelocityOverC;
    return AberrationOf(v, std::sqrt(1.0 - Dot(v, v)), unit2000);
}

Vector3 ApparentOfDate(const FrameOfDate& f, const Vector3& unit2000) {
    return f.j2000ToDate * Aberrated(f, unit2000);
}

Vector3 CatalogueOfApparent(const FrameOfDate& f, const Vector3& apparent) {
    const Vector3 seen = J2000OfDate(f, apparent);
    // The aberration is 1e-4 of the direction: each step gains four digits.
    Vector3 p = seen;
    for (int step = 0; step < 3; ++step) {
        const Vector3 a = Aberrated(f, p);
        p = {p.x + seen.x - a.x, p.y + seen.y - a.y, p.z + seen.z - a.z};
    }
    const double n = std::sqrt(Dot(p, p));
    return {p.x / n, p.y / n, p.z / n};
}

Vector3 J2000OfDate(const FrameOfDate& f, const Vector3& ofDate) {
    return f.j2000ToDate.Transposed() * ofDate;
}

double LocalApparentSiderealHours(const FrameOfDate& f, double eastLongitudeDeg) {
    double hours = (f.gastRad / kTwoPi) * 24.0 + eastLongitudeDeg / 15.0;
    hours = std::fmod(hours, 24.0);
    return hours < 0.0 ? hours + 24.0 : hours;
}

HorizonOfDate HorizonOfDateAt(const FrameOfDate& f, double localSiderealHours, double sinLat,
                              double cosLat) {
    // Equator of date to hour angle and declination: (cos δ cos H, −cos δ sin H, sin δ)
    // with H = θ − α; then south = sin φ x − cos φ z, west = −y, zenith = cos φ x + sin φ z.
    const double theta = localSiderealHours * kPi / 12.0;
    const double c = std::cos(theta), s = std::sin(theta);
    Matrix3 hourAngle;
    hourAngle.m[0][0] = c;
    hourAngle.m[0][1] = s;
    hourAngle.m[1][0] = -s;
    hourAngle.m[1][1] = c;
    Matrix3 horizon;
    horizon.m[0][0] = sinLat;
    horizon.m[0][2] = -cosLat;
    horizon.m[1][1] = -1.0;
    horizon.m[2][0] = cosLat;
    horizon.m[2][2] = sinLat;
    HorizonOfDate h;
    h.earthVelocityOverC = f.earthVelocityOverC;
    h.inverseLorentzFactor = std::sqrt(1.0 - Dot(f.earthVelocityOverC, f.earthVelocityOverC));
    h.dateToHorizon = horizon * hourAngle;
    h.j2000ToHorizon = h.dateToHorizon * f.j2000ToDate;
    return h;
}

HorizontalCoords HorizontalOfVector(const Vector3& v) {
    const double length = std::sqrt(Dot(v, v));
    HorizontalCoords out;
    out.sinAltitude = length > 0.0 ? v.z / length : 0.0;
    out.altitude = std::atan2(v.z, std::sqrt(v.x * v.x + v.y * v.y));
    out.azimuth = std::atan2(v.y, v.x);
    return out;
}

Vector3 ApparentInHorizon(const HorizonOfDate& h, const Vector3& unit2000) {
    return h.j2000ToHorizon * AberrationOf(h.earthVelocityOverC, h.inverseLorentzFactor, unit2000);
}

HorizontalCoords ApparentHorizontal(const HorizonOfDate& h, const Vector3& unit2000) {
    return HorizontalOfVector(ApparentInHorizon(h, unit2000));
}

Vector3 CatalogueAtHorizontal(const FrameOfDate& f, const HorizonOfDate& h, double altitude,
                              double chartAzimuth) {
    const Vector3 local{std::cos(altitude) * std::cos(chartAzimuth),
                        std::cos(altitude) * std::sin(chartAzimuth), std::sin(altitude)};
    return CatalogueOfApparent(f, h.dateToHorizon.Transposed() * local);
}

Vector3 UnitVectorOf(double ra, double dec) {
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

void RaDecOf(const Vector3& v, double& ra, double& dec) {
    ra = Normalised(std::atan2(v.y, v.x));
    dec = std::atan2(v.z, std::sqrt(v.x * v.x + v.y * v.y));
}
