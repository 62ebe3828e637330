// SDP4's deep-space steps. The names of the intermediate quantities are those of the
// report's equations, so that each line can be checked against them.
#include "satellite/sdp4_deep_space.h"

#include <cmath>

#include "core/timescale.h"
#include "satellite/sgp4.h"

namespace {

// Earth's rotation, radians per minute.
constexpr double kEarthRotation = 4.37526908801129966e-3;

// Solar and lunar constants.
constexpr double kZns = 1.19459e-5, kZes = 0.01675;
constexpr double kZnl = 1.5835218e-4, kZel = 0.05490;

// Inclinations within 3 degrees of 0 or 180: the node terms of the Sun and the Moon
// are left out there, where they would divide by sin i.
bool NearEquatorial(double inclination) {
    return inclination < 5.2359877e-2 || inclination > kPi - 5.2359877e-2;
}

// The lunar or solar coefficients of one body (the s and z quantities of the report).
struct BodyCoefficients {
    double s1, s2, s3, s4, s5, s6, s7;
    double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

BodyCoefficients Coefficients(double zcosg, double zsing, double zcosi, double zsini,
                              double zcosh, double zsinh, double cc, double cosim, double sinim,
                              double cosomm, double sinomm, double em, double emsq,
                              double betasq, double rtemsq, double xnoi) {
    const double a1 = zcosg * zcosh + zsing * zcosi * zsinh;
    const double a3 = -zsing * zcosh + zcosg * zcosi * zsinh;
    const double a7 = -zcosg * zsinh + zsing * zcosi * zcosh;
    const double a8 = zsing * zsini;
    const double a9 = zsing * zsinh + zcosg * zcosi * zcosh;
    const double a10 = zcosg * zsini;
    const double a2 = cosim * a7 + sinim * a8;
    const double a4 = cosim * a9 + sinim * a10;
    const double a5 = -sinim * a7 + cosim * a8;
    const double a6 = -sinim * a9 + cosim * a10;

    const double x1 = a1 * cosomm + a2 * sinomm;
    const double x2 = a3 * cosomm + a4 * sinomm;
    const double x3 = -a1 * sinomm + a2 * cosomm;
    const double x4 = -a3 * sinomm + a4 * cosomm;
    const double x5 = a5 * sinomm;
    const double x6 = a6 * sinomm;
    const double x7 = a5 * cosomm;
    const double x8 = a6 * cosomm;

    BodyCoefficients c{};
    c.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    c.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    c.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    c.z1 = 3.0 * (a1 * a1 + a2 * a2) + c.z31 * emsq;
    c.z2 = 6.0 * (a1 * a3 + a2 * a4) + c.z32 * emsq;
    c.z3 = 3.0 * (a3 * a3 + a4 * a4) + c.z33 * emsq;
    c.z11 = -6.0 * a1 * a5 + emsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    c.z12 = -6.0 * (a1 * a6 + a3 * a5) +
            emsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    c.z13 = -6.0 * a3 * a6 + emsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    c.z21 = 6.0 * a2 * a5 + emsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    c.z22 = 6.0 * (a4 * a5 + a2 * a6) +
            emsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    c.z23 = 6.0 * a4 * a6 + emsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    c.z1 = c.z1 + c.z1 + betasq * c.z31;
    c.z2 = c.z2 + c.z2 + betasq * c.z32;
    c.z3 = c.z3 + c.z3 + betasq * c.z33;
    c.s3 = cc * xnoi;
    c.s2 = -0.5 * c.s3 / rtemsq;
    c.s4 = c.s3 * rtemsq;
    c.s1 = -15.0 * em * c.s4;
    c.s5 = x1 * x3 + x2 * x4;
    c.s6 = x2 * x3 + x1 * x4;
    c.s7 = x2 * x4 - x1 * x3;
    return c;
}

// The half-day resonance: the tesseral coefficients D (Earth radii, per minute²).
void InitHalfDayResonance(DeepSpaceTerms& d, double em, double cosim, double sinim, double nm,
                          double aonv) {
    const double emsq = em * em;
    const double eoc = em * emsq;
    const double cosisq = cosim * cosim;
    const double g201 = -0.306 - (em - 0.64) * 0.440;
    double g211, g310, g322, g410, g422, g520, g521, g532, g533;
    if (em <= 0.65) {
        g211 = 3.616 - 13.2470 * em + 16.2900 * emsq;
        g310 = -19.302 + 117.3900 * em - 228.4190 * emsq + 156.5910 * eoc;
        g322 = -18.9068 + 109.7927 * em - 214.6334 * emsq + 146.5816 * eoc;
        g410 = -41.122 + 242.6940 * em - 471.0940 * emsq + 313.9530 * eoc;
        g422 = -146.407 + 841.8800 * em - 1629.014 * emsq + 1083.4350 * eoc;
        g520 = -532.114 + 3017.977 * em - 5740.032 * emsq + 3708.2760 * eoc;
    } else {
        g211 = -72.099 + 331.819 * em - 508.738 * emsq + 266.724 * eoc;
        g310 = -346.844 + 1582.851 * em - 2415.925 * emsq + 1246.113 * eoc;
        g322 = -342.585 + 1554.908 * em - 2366.899 * emsq + 1215.972 * eoc;
        g410 = -1052.797 + 4758.686 * em - 7193.992 * emsq + 3651.957 * eoc;
        g422 = -3581.690 + 16178.110 * em - 24462.770 * emsq + 12422.520 * eoc;
        if (em > 0.715)
            g520 = -5149.66 + 29936.92 * em - 54087.36 * emsq + 31324.56 * eoc;
        else
            g520 = 1464.74 - 4664.75 * em + 3763.64 * emsq;
    }
    if (em < 0.7) {
        g533 = -919.22770 + 4988.6100 * em - 9064.7700 * emsq + 5542.21 * eoc;
        g521 = -822.71072 + 4568.6173 * em - 8491.4146 * emsq + 5337.524 * eoc;
        g532 = -853.66600 + 4690.2500 * em - 8624.7700 * emsq + 5341.4 * eoc;
    } else {
        g533 = -37995.780 + 161616.52 * em - 229838.20 * emsq + 109377.94 * eoc;
        g521 = -51752.104 + 218913.95 * em - 309468.16 * emsq + 146349.42 * eoc;
        g532 = -40023.880 + 170470.89 * em - 242699.48 * emsq + 115605.82 * eoc;
    }
    const double sini2 = sinim * sinim;
    const double f220 = 0.75 * (1.0 + 2.0 * cosim + cosisq);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * sinim * (1.0 - 2.0 * cosim - 3.0 * cosisq);
    const double f322 = -1.875 * sinim * (1.0 + 2.0 * cosim - 3.0 * cosisq);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 = 9.84375 * sinim *
                        (sini2 * (1.0 - 2.0 * cosim - 5.0 * cosisq) +
                         0.33333333 * (-2.0 + 4.0 * cosim + 6.0 * cosisq));
    const double f523 = sinim * (4.92187512 * sini2 * (-2.0 - 4.0 * cosim + 10.0 * cosisq) +
                                 6.56250012 * (1.0 + 2.0 * cosim - 3.0 * cosisq));
    const double f542 =
        29.53125 * sinim * (2.0 - 8.0 * cosim + cosisq * (-12.0 + 8.0 * cosim + 10.0 * cosisq));
    const double f543 =
        29.53125 * sinim * (-2.0 - 8.0 * cosim + cosisq * (12.0 + 8.0 * cosim - 10.0 * cosisq));

    constexpr double root22 = 1.7891679e-6, root44 = 7.3636953e-9, root54 = 2.1765803e-9;
    constexpr double root32 = 3.7393792e-7, root52 = 1.1428639e-7;
    const double xno2 = nm * nm;
    const double ainv2 = aonv * aonv;
    double temp1 = 3.0 * xno2 * ainv2;
    double temp = temp1 * root22;
    d.d2201 = temp * f220 * g201;
    d.d2211 = temp * f221 * g211;
    temp1 = temp1 * aonv;
    temp = temp1 * root32;
    d.d3210 = temp * f321 * g310;
    d.d3222 = temp * f322 * g322;
    temp1 = temp1 * aonv;
    temp = 2.0 * temp1 * root44;
    d.d4410 = temp * f441 * g410;
    d.d4422 = temp * f442 * g422;
    temp1 = temp1 * aonv;
    temp = temp1 * root52;
    d.d5220 = temp * f522 * g520;
    d.d5232 = temp * f523 * g532;
    temp = 2.0 * temp1 * root54;
    d.d5421 = temp * f542 * g521;
    d.d5433 = temp * f543 * g533;
}

// The one-day resonance: the coefficients δ1..δ3.
void InitSynchronousResonance(DeepSpaceTerms& d, double emsq, double cosim, double sinim,
                              double nm, double aonv) {
    constexpr double q22 = 1.7891679e-6, q31 = 2.1460748e-6, q33 = 2.2123015e-7;
    const double g200 = 1.0 + emsq * (-2.5 + 0.8125 * emsq);
    const double g310 = 1.0 + 2.0 * emsq;
    const double g300 = 1.0 + emsq * (-6.0 + 6.60937 * emsq);
    const double f220 = 0.75 * (1.0 + cosim) * (1.0 + cosim);
    const double f311 = 0.9375 * sinim * sinim * (1.0 + 3.0 * cosim) - 0.75 * (1.0 + cosim);
    double f330 = 1.0 + cosim;
    f330 = 1.875 * f330 * f330 * f330;
    const double del1 = 3.0 * nm * nm * aonv * aonv;
    d.del2 = 2.0 * del1 * f220 * g200 * q22;
    d.del3 = 3.0 * del1 * f330 * g300 * q33 * aonv;
    d.del1 = del1 * f311 * g310 * q31 * aonv;
}

}  // namespace

DeepSpaceTerms InitDeepSpace(const DeepSpaceEpoch& epoch) {
    DeepSpaceTerms d;
    const DeepSpaceElements& el = epoch.elements;
    d.siderealAtEpochRad = epoch.siderealAtEpochRad;
    const double nm = el.meanMotionRadMin;
    const double em = el.eccentricity;
    const double snodm = std::sin(el.nodeRad), cnodm = std::cos(el.nodeRad);
    const double sinomm = std::sin(el.perigeeRad), cosomm = std::cos(el.perigeeRad);
    const double sinim = std::sin(el.inclinationRad), cosim = std::cos(el.inclinationRad);
    const double emsq = em * em;
    const double betasq = 1.0 - emsq;
    const double rtemsq = std::sqrt(betasq);

    // The Moon's node and the orientation of its orbit at the epoch.
    const double day = epoch.epochDays1950 + 18261.5;
    const double xnodce = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
    const double stem = std::sin(xnodce), ctem = std::cos(xnodce);
    const double zcosil = 0.91375164 - 0.03568096 * ctem;
    const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
    const double zsinhl = 0.089683511 * stem / zsinil;
    const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
    const double gam = 5.8351514 + 0.0019443680 * day;
    double zx = 0.39785416 * stem / zsinil;
    const double zy = zcoshl * ctem + 0.91744867 * zsinhl * stem;
    zx = std::atan2(zx, zy);
    zx = gam + zx - xnodce;
    const double zcosgl = std::cos(zx), zsingl = std::sin(zx);

    // The Sun (ecliptic of 1950) and the Moon.
    constexpr double c1ss = 2.9864797e-6, c1l = 4.7968065e-7;
    constexpr double zsinis = 0.39785416, zcosis = 0.91744867;
    constexpr double zcosgs = 0.1945905, zsings = -0.98088458;
    const double xnoi = 1.0 / nm;
    const BodyCoefficients sun =
        Coefficients(zcosgs, zsings, zcosis, zsinis, cnodm, snodm, c1ss, cosim, sinim, cosomm,
                     sinomm, em, emsq, betasq, rtemsq, xnoi);
    const BodyCoefficients moon =
        Coefficients(zcosgl, zsingl, zcosil, zsinil, zcoshl * cnodm + zsinhl * snodm,
                     snodm * zcoshl - cnodm * zsinhl, c1l, cosim, sinim, cosomm, sinomm, em,
                     emsq, betasq, rtemsq, xnoi);
    d.zmol = std::fmod(4.7199672 + 0.22997150 * day - gam, kTwoPi);
    d.zmos = std::fmod(6.2565837 + 0.017201977 * day, kTwoPi);

    // Long-period coefficients.
    d.se2 = 2.0 * sun.s1 * sun.s6;
    d.se3 = 2.0 * sun.s1 * sun.s7;
    d.si2 = 2.0 * sun.s2 * sun.z12;
    d.si3 = 2.0 * sun.s2 * (sun.z13 - sun.z11);
    d.sl2 = -2.0 * sun.s3 * sun.z2;
    d.sl3 = -2.0 * sun.s3 * (sun.z3 - sun.z1);
    d.sl4 = -2.0 * sun.s3 * (-21.0 - 9.0 * emsq) * kZes;
    d.sgh2 = 2.0 * sun.s4 * sun.z32;
    d.sgh3 = 2.0 * sun.s4 * (sun.z33 - sun.z31);
    d.sgh4 = -18.0 * sun.s4 * kZes;
    d.sh2 = -2.0 * sun.s2 * sun.z22;
    d.sh3 = -2.0 * sun.s2 * (sun.z23 - sun.z21);
    d.ee2 = 2.0 * moon.s1 * moon.s6;
    d.e3 = 2.0 * moon.s1 * moon.s7;
    d.xi2 = 2.0 * moon.s2 * moon.z12;
    d.xi3 = 2.0 * moon.s2 * (moon.z13 - moon.z11);
    d.xl2 = -2.0 * moon.s3 * moon.z2;
    d.xl3 = -2.0 * moon.s3 * (moon.z3 - moon.z1);
    d.xl4 = -2.0 * moon.s3 * (-21.0 - 9.0 * emsq) * kZel;
    d.xgh2 = 2.0 * moon.s4 * moon.z32;
    d.xgh3 = 2.0 * moon.s4 * (moon.z33 - moon.z31);
    d.xgh4 = -18.0 * moon.s4 * kZel;
    d.xh2 = -2.0 * moon.s2 * moon.z22;
    d.xh3 = -2.0 * moon.s2 * (moon.z23 - moon.z21);

    // Secular rates.
    const double ses = sun.s1 * kZns * sun.s5;
    const double sis = sun.s2 * kZns * (sun.z11 + sun.z13);
    const double sls = -kZns * sun.s3 * (sun.z1 + sun.z3 - 14.0 - 6.0 * emsq);
    const double sghs = sun.s4 * kZns * (sun.z31 + sun.z33 - 6.0);
    double shs = -kZns * sun.s2 * (sun.z21 + sun.z23);
    if (NearEquatorial(el.inclinationRad)) shs = 0.0;
    if (sinim != 0.0) shs = shs / sinim;
    const double sgs = sghs - cosim * shs;
    d.eccentricityRate = ses + moon.s1 * kZnl * moon.s5;
    d.inclinationRate = sis + moon.s2 * kZnl * (moon.z11 + moon.z13);
    d.meanAnomalyRate = sls - kZnl * moon.s3 * (moon.z1 + moon.z3 - 14.0 - 6.0 * emsq);
    const double sghl = moon.s4 * kZnl * (moon.z31 + moon.z33 - 6.0);
    double shll = -kZnl * moon.s2 * (moon.z21 + moon.z23);
    if (NearEquatorial(el.inclinationRad)) shll = 0.0;
    d.perigeeRate = sgs + sghl;
    d.nodeRate = shs;
    if (sinim != 0.0) {
        d.perigeeRate -= cosim / sinim * shll;
        d.nodeRate += shll / sinim;
    }

    // Resonances: one-day orbits (mean motion 0.8 to 1.2 rev/day) and half-day orbits of
    // eccentricity 0.5 and more (1.9 to 2.1 rev/day).
    if (nm < 0.0052359877 && nm > 0.0034906585) d.resonance = 1;
    if (nm >= 8.26e-3 && nm <= 9.24e-3 && em >= 0.5) d.resonance = 2;
    if (d.resonance == 0) return d;
    const double theta = d.siderealAtEpochRad;
    const double aonv = std::pow(nm / kSgp4Xke, 2.0 / 3.0);
    if (d.resonance == 2) {
        InitHalfDayResonance(d, em, cosim, sinim, nm, aonv);
        d.xlamo = std::fmod(el.meanAnomalyRad + el.nodeRad + el.nodeRad - theta - theta, kTwoPi);
        d.xfact = epoch.meanAnomalyDot + d.meanAnomalyRate +
                  2.0 * (epoch.nodeDot + d.nodeRate - kEarthRotation) - nm;
    } else {
        InitSynchronousResonance(d, emsq, cosim, sinim, nm, aonv);
        d.xlamo = std::fmod(el.meanAnomalyRad + el.nodeRad + el.perigeeRad - theta, kTwoPi);
        d.xfact = epoch.meanAnomalyDot + epoch.perigeeDot + epoch.nodeDot - kEarthRotation +
                  d.meanAnomalyRate + d.perigeeRate + d.nodeRate - nm;
    }
    return d;
}

void ApplyDeepSpaceSecular(const DeepSpaceTerms& d, const DeepSpaceEpoch& epoch, double t,
                           DeepSpaceElements& m, ResonanceCarry* carry) {
    const double theta = std::fmod(d.siderealAtEpochRad + t * kEarthRotation, kTwoPi);
    m.eccentricity += d.eccentricityRate * t;
    m.inclinationRad += d.inclinationRate * t;
    m.perigeeRad += d.perigeeRate * t;
    m.nodeRad += d.nodeRate * t;
    m.meanAnomalyRad += d.meanAnomalyRate * t;
    const double n0 = epoch.elements.meanMotionRadMin;
    m.meanMotionRadMin = n0;
    if (d.resonance == 0) return;

    // The resonance: the mean longitude λ and mean motion n integrated from the epoch in
    // steps of half a day (720 minutes), the last part by a Taylor series, from the
    // epoch or from where a carry left it.
    constexpr double fasx2 = 0.13130908, fasx4 = 2.8843198, fasx6 = 0.37448087;
    constexpr double g22 = 5.7686396, g32 = 0.95240898, g44 = 1.8014998;
    constexpr double g52 = 1.0508330, g54 = 4.4108898;
    constexpr double stepp = 720.0, step2 = 259200.0;
    const double delt = t > 0.0 ? stepp : -stepp;
    double atime = 0.0;
    double xli = d.xlamo;
    double xni = n0;
    if (carry && carry->atime != 0.0 && t * carry->atime > 0.0 &&
        std::fabs(t) >= std::fabs(carry->atime)) {
        atime = carry->atime;
        xli = carry->xli;
        xni = carry->xni;
    }
    double xndt = 0.0, xldot = 0.0, xnddt = 0.0, ft = 0.0;
    for (;;) {
        if (d.resonance != 2) {
            xndt = d.del1 * std::sin(xli - fasx2) + d.del2 * std::sin(2.0 * (xli - fasx4)) +
                   d.del3 * std::sin(3.0 * (xli - fasx6));
            xldot = xni + d.xfact;
            xnddt = d.del1 * std::cos(xli - fasx2) +
                    2.0 * d.del2 * std::cos(2.0 * (xli - fasx4)) +
                    3.0 * d.del3 * std::cos(3.0 * (xli - fasx6));
            xnddt *= xldot;
        } else {
            const double xomi = epoch.elements.perigeeRad + epoch.perigeeDot * atime;
            const double x2omi = xomi + xomi;
            const double x2li = xli + xli;
            xndt = d.d2201 * std::sin(x2omi + xli - g22) + d.d2211 * std::sin(xli - g22) +
                   d.d3210 * std::sin(xomi + xli - g32) + d.d3222 * std::sin(-xomi + xli - g32) +
                   d.d4410 * std::sin(x2omi + x2li - g44) + d.d4422 * std::sin(x2li - g44) +
                   d.d5220 * std::sin(xomi + xli - g52) + d.d5232 * std::sin(-xomi + xli - g52) +
                   d.d5421 * std::sin(xomi + x2li - g54) + d.d5433 * std::sin(-xomi + x2li - g54);
            xldot = xni + d.xfact;
            xnddt = d.d2201 * std::cos(x2omi + xli - g22) + d.d2211 * std::cos(xli - g22) +
                    d.d3210 * std::cos(xomi + xli - g32) + d.d3222 * std::cos(-xomi + xli - g32) +
                    d.d5220 * std::cos(xomi + xli - g52) + d.d5232 * std::cos(-xomi + xli - g52) +
                    2.0 * (d.d4410 * std::cos(x2omi + x2li - g44) +
                           d.d4422 * std::cos(x2li - g44) +
                           d.d5421 * std::cos(xomi + x2li - g54) +
                           d.d5433 * std::cos(-xomi + x2li - g54));
            xnddt *= xldot;
        }
        if (std::fabs(t - atime) < stepp) {
            ft = t - atime;
            break;
        }
        xli = xli + xldot * delt + xndt * step2;
        xni = xni + xndt * delt + xnddt * step2;
        atime += delt;
    }
    if (carry) *carry = {atime, xli, xni};
    const double nm = xni + xndt * ft + xnddt * ft * ft * 0.5;
    const double xl = xli + xldot * ft + xndt * ft * ft * 0.5;
    if (d.resonance != 1)
        m.meanAnomalyRad = xl - 2.0 * m.nodeRad + 2.0 * theta;
    else
        m.meanAnomalyRad = xl - m.nodeRad - m.perigeeRad + theta;
    m.meanMotionRadMin = nm;
}

void ApplyDeepSpacePeriodics(const DeepSpaceTerms& d, double t, DeepSpaceElements& p) {
    // The Sun.
    double zm = d.zmos + kZns * t;
    double zf = zm + 2.0 * kZes * std::sin(zm);
    double sinzf = std::sin(zf);
    double f2 = 0.5 * sinzf * sinzf - 0.25;
    double f3 = -0.5 * sinzf * std::cos(zf);
    const double ses = d.se2 * f2 + d.se3 * f3;
    const double sis = d.si2 * f2 + d.si3 * f3;
    const double sls = d.sl2 * f2 + d.sl3 * f3 + d.sl4 * sinzf;
    const double sghs = d.sgh2 * f2 + d.sgh3 * f3 + d.sgh4 * sinzf;
    const double shs = d.sh2 * f2 + d.sh3 * f3;
    // The Moon.
    zm = d.zmol + kZnl * t;
    zf = zm + 2.0 * kZel * std::sin(zm);
    sinzf = std::sin(zf);
    f2 = 0.5 * sinzf * sinzf - 0.25;
    f3 = -0.5 * sinzf * std::cos(zf);
    const double sel = d.ee2 * f2 + d.e3 * f3;
    const double sil = d.xi2 * f2 + d.xi3 * f3;
    const double sll = d.xl2 * f2 + d.xl3 * f3 + d.xl4 * sinzf;
    const double sghl = d.xgh2 * f2 + d.xgh3 * f3 + d.xgh4 * sinzf;
    const double shll = d.xh2 * f2 + d.xh3 * f3;

    const double pe = ses + sel;
    const double pinc = sis + sil;
    const double pl = sls + sll;
    double pgh = sghs + sghl;
    double ph = shs + shll;

    p.inclinationRad += pinc;
    p.eccentricity += pe;
    const double sinip = std::sin(p.inclinationRad);
    const double cosip = std::cos(p.inclinationRad);
    if (p.inclinationRad >= 0.2) {
        ph /= sinip;
        pgh -= cosip * ph;
        p.perigeeRad += pgh;
        p.nodeRad += ph;
        p.meanAnomalyRad += pl;
        return;
    }
    // Low inclinations: the node and perigee through the vector elements (Lyddane),
    // which stay regular where sin i goes to zero.
    const double sinop = std::sin(p.nodeRad), cosop = std::cos(p.nodeRad);
    double alfdp = sinip * sinop;
    double betdp = sinip * cosop;
    const double dalf = ph * cosop + pinc * cosip * sinop;
    const double dbet = -ph * sinop + pinc * cosip * cosop;
    alfdp += dalf;
    betdp += dbet;
    p.nodeRad = std::fmod(p.nodeRad, kTwoPi);
    double xls = p.meanAnomalyRad + p.perigeeRad + cosip * p.nodeRad;
    const double dls = pl + pgh - pinc * p.nodeRad * sinip;
    xls += dls;
    const double xnoh = p.nodeRad;
    p.nodeRad = std::atan2(alfdp, betdp);
    if (std::fabs(xnoh - p.nodeRad) > kPi) {
        if (p.nodeRad < xnoh)
            p.nodeRad += kTwoPi;
        else
            p.nodeRad -= kTwoPi;
    }
    p.meanAnomalyRad += pl;
    p.perigeeRad = xls - p.meanAnomalyRad - cosip * p.nodeRad;
}
