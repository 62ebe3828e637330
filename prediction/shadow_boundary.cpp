#include "prediction/shadow_boundary.h"

#include <cmath>

#include "prediction/quartic.h"
#include "satellite/anomaly.h"
#include "satellite/propagation.h"

ShadowAnomalies ShadowBoundaryAnomalies(const ShadowOrbit& o) {
    const double cw = std::cos(o.perigee), sw = std::sin(o.perigee);
    const double cn = std::cos(o.node), sn = std::sin(o.node);
    const double ci = std::cos(o.inclination), si = std::sin(o.inclination);
    // Unit vectors towards the perigee (P) and 90 degrees ahead of it in the plane (Q).
    const double P[3] = {cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si};
    const double Q[3] = {-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si};
    const double b1 = o.sun[0] * P[0] + o.sun[1] * P[1] + o.sun[2] * P[2];
    const double b2 = o.sun[0] * Q[0] + o.sun[1] * Q[1] + o.sun[2] * Q[2];

    const double e = o.eccentricity;
    const double p = o.semiMajorAxisER * (1.0 - e * e);
    const double g = 1.0 / (p * p);
    const double d = b2 * b2 - b1 * b1;
    const double u = 1.0 - b2 * b2;
    const double e2 = e * e;
    const double A0 =
        e2 * e2 * g * g - 2.0 * e2 * g * d + (b1 * b1 + b2 * b2) * (b1 * b1 + b2 * b2);
    const double A1 = 4.0 * e2 * e * g * g - 4.0 * e * g * d;
    const double A2 =
        6.0 * e2 * g * g - 2.0 * g * d - 2.0 * e2 * g * u + 2.0 * d * u - 4.0 * b1 * b1 * b2 * b2;
    const double A3 = 4.0 * e * g * g - 4.0 * e * g * u;
    const double A4 = g * g - 2.0 * g * u + u * u;
    const QuarticRoots roots = SolveQuartic(A0, A1, A2, A3, A4);

    // Up to eight candidates, two anomalies per root.
    double nu[8], S[8], C[8];
    int n = 0;
    for (int r = 0; r < roots.count; ++r) {
        const double x = roots.x[r];
        const double y = std::fabs(x) >= 1.0 ? 0.0 : std::sqrt(1.0 - x * x);
        for (const double sign : {1.0, -1.0}) {
            const double v = AngleOf(x, sign * y);
            const double cv = std::cos(v), sv = std::sin(v);
            const double c = b1 * cv + b2 * sv;
            nu[n] = v;
            S[n] = (1.0 + e * cv) * (1.0 + e * cv) + p * p * c * c - p * p;
            C[n] = c;
            ++n;
        }
    }
    // A root brought in by squaring the shadow equation leaves the shadow function far
    // from zero; only true crossings (to rounding) are boundaries.
    constexpr double kResidualLimit = 1e-4;
    ShadowAnomalies result;
    int first = -1;
    for (int pass = 0; pass < 2; ++pass) {
        int best = -1;
        for (int i = 0; i < n; ++i) {
            if (!(C[i] < 0.0) || !(std::fabs(S[i]) < kResidualLimit)) continue;
            // A double root gives the same anomaly twice: the second must differ.
            if (first >= 0 && std::fabs(std::remainder(nu[i] - nu[first], kTwoPi)) < 1e-6) continue;
            if (best < 0 || std::fabs(S[i]) < std::fabs(S[best])) best = i;
        }
        if (best < 0) break;
        result.trueAnomaly[result.count++] = nu[best];
        first = best;
    }
    return result;
}

ShadowBoundaryResult ShadowBoundary(const SatelliteOrbit& satellite, const SatelliteLook& look,
                                    const ObserverPlace& place, JD1900 windowStart,
                                    JD1900 windowEnd, JD1900 t, const double sunEquatorial[3],
                                    double minAltitudeDeg, double maxSunAltitudeDeg) {
    // Mean elements of the model at t.
    const OrbitState s = Propagate(satellite, t);
    if (s.failed()) return {};
    const double a = s.semiMajorAxisER;
    const double e = s.eccentricity;
    const double meanAnomalyAtT = s.meanAnomalyRad;
    const double revPerDay = s.meanMotionRevDay;

    ShadowOrbit orbit;
    orbit.semiMajorAxisER = a;
    orbit.eccentricity = e;
    orbit.inclination = s.inclinationRad;
    orbit.node = s.nodeRad;
    orbit.perigee = s.perigeeRad;
    const double* sun = sunEquatorial;
    const double r = std::sqrt(sun[0] * sun[0] + sun[1] * sun[1] + sun[2] * sun[2]);
    if (r > 0.0) {
        orbit.sun[0] = sun[0] / r;
        orbit.sun[1] = sun[1] / r;
        orbit.sun[2] = sun[2] / r;
    }
    const ShadowAnomalies anomalies = ShadowBoundaryAnomalies(orbit);

    ShadowBoundaryResult result;
    double bestAltitude = 0.0;
    for (int i = 0; i < anomalies.count; ++i) {
        double dM =
            (Mod2Pi(MeanAnomalyOfTrue(anomalies.trueAnomaly[i], e)) - meanAnomalyAtT) * kRadToDeg;
        while (dM > 180.0) dM -= 360.0;
        while (dM <= -180.0) dM += 360.0;
        const JD1900 tb = t + dM / 360.0 / revPerDay;
        if (!std::isfinite(tb)) continue;
        const SatObservation seen = ObserveSatellite(satellite, look, tb, place);
        const bool usable = !seen.failed() && seen.altitudeDeg > minAltitudeDeg &&
                            seen.sunAltitudeDeg < maxSunAltitudeDeg && tb >= windowStart &&
                            tb <= windowEnd;
        if (!usable) continue;
        if (!result.found || seen.altitudeDeg > bestAltitude) {
            result.found = true;
            result.time = tb;
            bestAltitude = seen.altitudeDeg;
        }
    }
    return result;
}
