// SGP4: the epoch quantities, the secular and drag terms, the long-period and
// short-period periodics, as in the report's equations (whose symbols the names keep).
#include "satellite/sgp4.h"

#include <cmath>

#include "core/timescale.h"

namespace {

constexpr double kJ2 = 0.001082616;
constexpr double kJ3 = -0.00000253881;
constexpr double kJ4 = -0.00000165597;
constexpr double kJ3OverJ2 = kJ3 / kJ2;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kRadius = kEarthRadiusKm;
constexpr double kVelocityKmS = kRadius * kSgp4Xke / 60.0;  // Earth radii per minute in km/s
// Below 1.5e-12 the factor 1 / (1 + cos i) of the long-period terms is held there.
constexpr double kRetrogradeLimit = 1.5e-12;

double LongPeriodLCoefficient(double sinI, double cosI) {
    const double denominator =
        std::fabs(cosI + 1.0) > kRetrogradeLimit ? 1.0 + cosI : kRetrogradeLimit;
    return -0.25 * kJ3OverJ2 * sinI * (3.0 + 5.0 * cosI) / denominator;
}

}  // namespace

double Sgp4SiderealAngle(double julianDateUt1) {
    const double t = (julianDateUt1 - 2451545.0) / 36525.0;
    double seconds = -6.2e-6 * t * t * t + 0.093104 * t * t +
                     (876600.0 * 3600.0 + 8640184.812866) * t + 67310.54841;
    double angle = std::fmod(seconds * (kPi / 180.0) / 240.0, kTwoPi);
    if (angle < 0.0) angle += kTwoPi;
    return angle;
}

Sgp4Orbit InitSgp4(const Sgp4MeanElements& el) {
    Sgp4Orbit o;
    o.elements = el;
    const double ecco = el.eccentricity;
    const double eccsq = ecco * ecco;
    const double omeosq = 1.0 - eccsq;
    const double rteosq = std::sqrt(omeosq);
    const double cosio = std::cos(el.inclinationRad);
    const double cosio2 = cosio * cosio;
    const double sinio = std::sin(el.inclinationRad);

    if (!(el.meanMotionRadMin > 0.0)) {
        o.epochError = OrbitError::MeanMotionNotPositive;
        return o;
    }
    if (!(ecco >= 0.0 && ecco < 1.0)) {
        o.epochError = OrbitError::EccentricityOutOfRange;
        return o;
    }

    // Brouwer's mean motion and semi-major axis from the element set's Kozai mean motion.
    const double ak = std::pow(kSgp4Xke / el.meanMotionRadMin, kTwoThirds);
    const double d1 = 0.75 * kJ2 * (3.0 * cosio2 - 1.0) / (rteosq * omeosq);
    double del = d1 / (ak * ak);
    const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
    del = d1 / (adel * adel);
    const double no = el.meanMotionRadMin / (1.0 + del);
    const double ao = std::pow(kSgp4Xke / no, kTwoThirds);
    o.meanMotion = no;
    o.semiMajorAxis = ao;
    const double po = ao * omeosq;
    const double con42 = 1.0 - 5.0 * cosio2;
    o.con41 = -con42 - cosio2 - cosio2;
    const double posq = po * po;
    const double rp = ao * (1.0 - ecco);
    o.siderealAtEpochRad = Sgp4SiderealAngle(el.epochDays1950 + 2433281.5);

    // The atmosphere's density parameter s and (q0 - s)^4, lowered for low perigees.
    double sfour = 78.0 / kRadius + 1.0;
    double qzms24 = std::pow((120.0 - 78.0) / kRadius, 4.0);
    const double perigeeKm = (rp - 1.0) * kRadius;
    if (perigeeKm < 156.0) {
        sfour = perigeeKm - 78.0;
        if (perigeeKm < 98.0) sfour = 20.0;
        qzms24 = std::pow((120.0 - sfour) / kRadius, 4.0);
        sfour = sfour / kRadius + 1.0;
    }
    o.simplifiedDrag = rp < 220.0 / kRadius + 1.0;

    const double pinvsq = 1.0 / posq;
    const double tsi = 1.0 / (ao - sfour);
    o.eta = ao * ecco * tsi;
    const double etasq = o.eta * o.eta;
    const double eeta = ecco * o.eta;
    const double psisq = std::fabs(1.0 - etasq);
    const double coef = qzms24 * std::pow(tsi, 4.0);
    const double coef1 = coef / std::pow(psisq, 3.5);
    const double cc2 =
        coef1 * no *
        (ao * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
         0.375 * kJ2 * tsi / psisq * o.con41 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
    o.cc1 = el.bstar * cc2;
    double cc3 = 0.0;
    if (ecco > 1.0e-4) cc3 = -2.0 * coef * tsi * kJ3OverJ2 * no * sinio / ecco;
    o.x1mth2 = 1.0 - cosio2;
    o.cc4 = 2.0 * no * coef1 * ao * omeosq *
            (o.eta * (2.0 + 0.5 * etasq) + ecco * (0.5 + 2.0 * etasq) -
             kJ2 * tsi / (ao * psisq) *
                 (-3.0 * o.con41 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                  0.75 * o.x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) *
                      std::cos(2.0 * el.perigeeRad)));
    o.cc5 = 2.0 * coef1 * ao * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

    // Secular rates of M, ω and Ω by J2 and J4.
    const double cosio4 = cosio2 * cosio2;
    const double temp1 = 1.5 * kJ2 * pinvsq * no;
    const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
    const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * no;
    o.meanAnomalyDot = no + 0.5 * temp1 * rteosq * o.con41 +
                       0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
    o.perigeeDot = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
                   temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
    const double xhdot1 = -temp1 * cosio;
    o.nodeDot =
        xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) * cosio;
    o.omgcof = el.bstar * cc3 * std::cos(el.perigeeRad);
    if (ecco > 1.0e-4) o.xmcof = -kTwoThirds * coef * el.bstar / eeta;
    o.nodecf = 3.5 * omeosq * xhdot1 * o.cc1;
    o.t2cof = 1.5 * o.cc1;
    o.xlcof = LongPeriodLCoefficient(sinio, cosio);
    o.aycof = -0.5 * kJ3OverJ2 * sinio;
    o.delmo = std::pow(1.0 + o.eta * std::cos(el.meanAnomalyRad), 3.0);
    o.sinmao = std::sin(el.meanAnomalyRad);
    o.x7thm1 = 7.0 * cosio2 - 1.0;
    o.sinio = sinio;
    o.cosio = cosio;
    o.axisOfMeanMotion = std::pow(kSgp4Xke / no, kTwoThirds);

    if (kTwoPi / no >= 225.0) {
        o.deepSpace = true;
        o.simplifiedDrag = true;
        o.deepEpoch.epochDays1950 = el.epochDays1950;
        o.deepEpoch.siderealAtEpochRad = o.siderealAtEpochRad;
        o.deepEpoch.elements = {ecco,          el.inclinationRad,  el.nodeRad,
                                el.perigeeRad, el.meanAnomalyRad, no};
        o.deepEpoch.meanAnomalyDot = o.meanAnomalyDot;
        o.deepEpoch.perigeeDot = o.perigeeDot;
        o.deepEpoch.nodeDot = o.nodeDot;
        o.deep = InitDeepSpace(o.deepEpoch);
    }

    if (!o.simplifiedDrag) {
        const double cc1sq = o.cc1 * o.cc1;
        o.d2 = 4.0 * ao * tsi * cc1sq;
        const double temp = o.d2 * tsi * o.cc1 / 3.0;
        o.d3 = (17.0 * ao + sfour) * temp;
        o.d4 = 0.5 * temp * ao * tsi * (221.0 * ao + 31.0 * sfour) * o.cc1;
        o.t3cof = o.d2 + 2.0 * cc1sq;
        o.t4cof = 0.25 * (3.0 * o.d3 + o.cc1 * (12.0 * o.d2 + 10.0 * cc1sq));
        o.t5cof = 0.2 * (3.0 * o.d4 + 12.0 * o.cc1 * o.d3 + 6.0 * o.d2 * o.d2 +
                         15.0 * cc1sq * (2.0 * o.d2 + cc1sq));
    }
    return o;
}

Sgp4State PropagateSGP4(const Sgp4Orbit& o, double t, ResonanceCarry* carry) {
    Sgp4State s;
    if (o.epochError != OrbitError::None) {
        s.error = o.epochError;
        return s;
    }
    const Sgp4MeanElements& el = o.elements;

    // Secular gravity and drag.
    const double xmdf = el.meanAnomalyRad + o.meanAnomalyDot * t;
    const double argpdf = el.perigeeRad + o.perigeeDot * t;
    const double nodedf = el.nodeRad + o.nodeDot * t;
    double argpm = argpdf;
    double mm = xmdf;
    const double t2 = t * t;
    double nodem = nodedf + o.nodecf * t2;
    double tempa = 1.0 - o.cc1 * t;
    double tempe = el.bstar * o.cc4 * t;
    double templ = o.t2cof * t2;
    if (!o.simplifiedDrag) {
        const double delomg = o.omgcof * t;
        const double delmtemp = 1.0 + o.eta * std::cos(xmdf);
        const double delm = o.xmcof * (delmtemp * delmtemp * delmtemp - o.delmo);
        const double temp = delomg + delm;
        mm = xmdf + temp;
        argpm = argpdf - temp;
        const double t3 = t2 * t;
        const double t4 = t3 * t;
        tempa = tempa - o.d2 * t2 - o.d3 * t3 - o.d4 * t4;
        tempe = tempe + el.bstar * o.cc5 * (std::sin(mm) - o.sinmao);
        templ = templ + o.t3cof * t3 + t4 * (o.t4cof + t * o.t5cof);
    }
    double nm = o.meanMotion;
    double em = el.eccentricity;
    double inclm = el.inclinationRad;
    if (o.deepSpace) {
        DeepSpaceElements mean{em, inclm, nodem, argpm, mm, nm};
        ApplyDeepSpaceSecular(o.deep, o.deepEpoch, t, mean, carry);
        em = mean.eccentricity;
        inclm = mean.inclinationRad;
        nodem = mean.nodeRad;
        argpm = mean.perigeeRad;
        mm = mean.meanAnomalyRad;
        nm = mean.meanMotionRadMin;
    }
    if (!(nm > 0.0)) {
        s.error = OrbitError::MeanMotionNotPositive;
        return s;
    }
    const double axisOfMeanMotion =
        o.deepSpace ? std::pow(kSgp4Xke / nm, kTwoThirds) : o.axisOfMeanMotion;
    const double am = axisOfMeanMotion * tempa * tempa;
    nm = kSgp4Xke / std::pow(am, 1.5);
    em -= tempe;
    if (!(em < 1.0 && em >= -0.001)) {
        s.error = OrbitError::EccentricityOutOfRange;
        return s;
    }
    if (em < 1.0e-6) em = 1.0e-6;
    mm += o.meanMotion * templ;
    double xlm = mm + argpm + nodem;
    nodem = std::fmod(nodem, kTwoPi);
    argpm = std::fmod(argpm, kTwoPi);
    xlm = std::fmod(xlm, kTwoPi);
    mm = std::fmod(xlm - argpm - nodem, kTwoPi);
    s.semiMajorAxisER = am;
    s.eccentricity = em;
    s.inclinationRad = inclm;
    s.nodeRad = nodem;
    s.perigeeRad = argpm;
    s.meanAnomalyRad = mm;
    s.meanMotionRadMin = nm;

    // Lunar-solar periodics.
    DeepSpaceElements p{em, inclm, nodem, argpm, mm, nm};
    double sinip = o.sinio;
    double cosip = o.cosio;
    double aycof = o.aycof, xlcof = o.xlcof;
    double con41 = o.con41, x1mth2 = o.x1mth2, x7thm1 = o.x7thm1;
    if (o.deepSpace) {
        ApplyDeepSpacePeriodics(o.deep, t, p);
        if (p.inclinationRad < 0.0) {
            p.inclinationRad = -p.inclinationRad;
            p.nodeRad += kPi;
            p.perigeeRad -= kPi;
        }
        if (!(p.eccentricity >= 0.0 && p.eccentricity <= 1.0)) {
            s.error = OrbitError::EccentricityOutOfRange;
            return s;
        }
        sinip = std::sin(p.inclinationRad);
        cosip = std::cos(p.inclinationRad);
        aycof = -0.5 * kJ3OverJ2 * sinip;
        xlcof = LongPeriodLCoefficient(sinip, cosip);
        const double cosisq = cosip * cosip;
        con41 = 3.0 * cosisq - 1.0;
        x1mth2 = 1.0 - cosisq;
        x7thm1 = 7.0 * cosisq - 1.0;
    }

    // Long-period periodics and Kepler's equation for E + ω.
    const double ep = p.eccentricity;
    const double axnl = ep * std::cos(p.perigeeRad);
    double temp = 1.0 / (am * (1.0 - ep * ep));
    const double aynl = ep * std::sin(p.perigeeRad) + temp * aycof;
    const double xl = p.meanAnomalyRad + p.perigeeRad + p.nodeRad + temp * xlcof * axnl;
    const double u = std::fmod(xl - p.nodeRad, kTwoPi);
    double eo1 = u;
    double tem5 = 9999.9;
    double sineo1 = 0.0, coseo1 = 0.0;
    for (int k = 1; std::fabs(tem5) >= 1.0e-12 && k <= 10; ++k) {
        sineo1 = std::sin(eo1);
        coseo1 = std::cos(eo1);
        tem5 = 1.0 - coseo1 * axnl - sineo1 * aynl;
        tem5 = (u - aynl * coseo1 + axnl * sineo1 - eo1) / tem5;
        if (std::fabs(tem5) >= 0.95) tem5 = tem5 > 0.0 ? 0.95 : -0.95;
        eo1 += tem5;
    }

    // Short-period periodics.
    const double ecose = axnl * coseo1 + aynl * sineo1;
    const double esine = axnl * sineo1 - aynl * coseo1;
    const double el2 = axnl * axnl + aynl * aynl;
    const double pl = am * (1.0 - el2);
    if (pl < 0.0) {
        s.error = OrbitError::SemiLatusRectumNegative;
        return s;
    }
    const double rl = am * (1.0 - ecose);
    const double rdotl = std::sqrt(am) * esine / rl;
    const double rvdotl = std::sqrt(pl) / rl;
    const double betal = std::sqrt(1.0 - el2);
    temp = esine / (1.0 + betal);
    const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
    const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
    double su = std::atan2(sinu, cosu);
    const double sin2u = (cosu + cosu) * sinu;
    const double cos2u = 1.0 - 2.0 * sinu * sinu;
    temp = 1.0 / pl;
    const double temp1 = 0.5 * kJ2 * temp;
    const double temp2 = temp1 * temp;
    const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41) + 0.5 * temp1 * x1mth2 * cos2u;
    su -= 0.25 * temp2 * x7thm1 * sin2u;
    const double xnode = p.nodeRad + 1.5 * temp2 * cosip * sin2u;
    const double xinc = p.inclinationRad + 1.5 * temp2 * cosip * sinip * cos2u;
    const double mvt = rdotl - nm * temp1 * x1mth2 * sin2u / kSgp4Xke;
    const double rvdot = rvdotl + nm * temp1 * (x1mth2 * cos2u + 1.5 * con41) / kSgp4Xke;

    // Orientation vectors, position and velocity.
    const double sinsu = std::sin(su), cossu = std::cos(su);
    const double snod = std::sin(xnode), cnod = std::cos(xnode);
    const double sini = std::sin(xinc), cosi = std::cos(xinc);
    const double xmx = -snod * cosi;
    const double xmy = cnod * cosi;
    const double ux = xmx * sinsu + cnod * cossu;
    const double uy = xmy * sinsu + snod * cossu;
    const double uz = sini * sinsu;
    const double vx = xmx * cossu - cnod * sinsu;
    const double vy = xmy * cossu - snod * sinsu;
    const double vz = sini * cossu;
    s.radiusER = mrt;
    s.argumentOfLatitudeRad = su;
    s.osculatingNodeRad = xnode;
    s.osculatingInclinationRad = xinc;
    s.sinOsculatingNode = snod;
    s.cosOsculatingNode = cnod;
    s.sinOsculatingInclination = sini;
    s.cosOsculatingInclination = cosi;
    const double mr = mrt * kRadius;
    s.positionKm[0] = mr * ux;
    s.positionKm[1] = mr * uy;
    s.positionKm[2] = mr * uz;
    s.velocityKmS[0] = (mvt * ux + rvdot * vx) * kVelocityKmS;
    s.velocityKmS[1] = (mvt * uy + rvdot * vy) * kVelocityKmS;
    s.velocityKmS[2] = (mvt * uz + rvdot * vz) * kVelocityKmS;
    // Below the Earth's surface (one Earth radius): decayed.
    if (mrt < 1.0) s.error = OrbitError::Subterranean;
    for (double x : {s.positionKm[0], s.positionKm[1], s.positionKm[2], s.velocityKmS[0],
                     s.velocityKmS[1], s.velocityKmS[2]})
        if (!std::isfinite(x) && s.error == OrbitError::None) s.error = OrbitError::MathError;
    return s;
}
