#include "satellite/propagation.h"

#include <cmath>

#include "core/constants.h"

namespace {

constexpr double kJD1900OfDay1950 = 18261.5;  // 1949 December 31, 0:00 UT
constexpr double kRevDayPerRadMin = 1440.0 / kTwoPi;

Sgp4MeanElements Sgp4ElementsOf(const SgpElements& el) {
    Sgp4MeanElements m;
    m.epochDays1950 = Days1950OfJD1900(el.epoch);
    m.bstar = el.bstar;
    m.inclinationRad = el.inclination;
    m.nodeRad = el.node;
    m.eccentricity = el.eccentricity;
    m.perigeeRad = el.perigee;
    m.meanAnomalyRad = el.meanAnomaly;
    m.meanMotionRadMin = el.meanMotionRevDay / kRevDayPerRadMin;
    return m;
}

OrbitState StateOfSgp(const SgpElements& el, JD1900 T) {
    const SgpState s = PropagateSGP(el, T);
    OrbitState o;
    o.error = s.error;
    o.positionKm = {s.positionER[0] * kEarthRadiusKm, s.positionER[1] * kEarthRadiusKm,
                    s.positionER[2] * kEarthRadiusKm};
    const double kmPerSecond = kEarthRadiusKm / 60.0;
    o.velocityKmS = {s.velocityERmin[0] * kmPerSecond, s.velocityERmin[1] * kmPerSecond,
                     s.velocityERmin[2] * kmPerSecond};
    o.minutesSinceEpoch = s.minutesSinceEpoch;
    o.semiMajorAxisER = s.semiMajorAxisER;
    o.eccentricity = s.eccentricity;
    o.inclinationRad = el.inclination;
    // The secular node, and the mean anomaly of the long-period elements: the mean
    // argument of latitude less the perigee.
    const double tau = s.minutesSinceEpoch;
    o.nodeRad = el.node + el.nodeRate * tau;
    o.perigeeRad = s.perigeeRad;
    const double ls = Mod2Pi(el.l0 + (el.n0 + el.perigeeRate + el.nodeRate) * tau +
                             el.d1 * tau * tau + el.d2 * tau * tau * tau);
    const double p = s.semiMajorAxisER * (1.0 - s.eccentricity * s.eccentricity);
    const double axN = s.eccentricity * std::cos(s.perigeeRad);
    const double L = Mod2Pi(ls - el.cl * axN / p);
    o.meanAnomalyRad = Mod2Pi(Mod2Pi(L - o.nodeRad) - s.perigeeRad);
    o.meanMotionRevDay = s.meanMotionRevDay;
    o.nodeRate = s.nodeRate;
    o.perigeeRate = s.perigeeRate;
    o.radiusER = s.radiusER;
    o.argumentOfLatitudeRad = s.argumentOfLatitude;
    o.osculatingNodeRad = s.nodeRad;
    o.osculatingInclinationRad = s.inclinationRad;
    o.sinOsculatingNode = std::sin(s.nodeRad);
    o.cosOsculatingNode = std::cos(s.nodeRad);
    o.sinOsculatingInclination = std::sin(s.inclinationRad);
    o.cosOsculatingInclination = std::cos(s.inclinationRad);
    return o;
}

OrbitState StateOfSgp4(const SatelliteOrbit& orbit, JD1900 T, ResonanceCarry* carry) {
    const double minutes = (T - orbit.elements.epoch) * 1440.0;
    const Sgp4State s = PropagateSGP4(orbit.sgp4, minutes, carry);
    OrbitState o;
    o.error = s.error;
    o.positionKm = {s.positionKm[0], s.positionKm[1], s.positionKm[2]};
    o.velocityKmS = {s.velocityKmS[0], s.velocityKmS[1], s.velocityKmS[2]};
    o.minutesSinceEpoch = minutes;
    o.semiMajorAxisER = s.semiMajorAxisER;
    o.eccentricity = s.eccentricity;
    o.inclinationRad = s.inclinationRad;
    o.nodeRad = s.nodeRad;
    o.perigeeRad = s.perigeeRad;
    o.meanAnomalyRad = Mod2Pi(s.meanAnomalyRad);
    o.meanMotionRevDay = s.meanMotionRadMin * kRevDayPerRadMin;
    const Sgp4Orbit& e = orbit.sgp4;
    o.nodeRate = e.nodeDot + (e.deepSpace ? e.deep.nodeRate : 0.0);
    o.perigeeRate = e.perigeeDot + (e.deepSpace ? e.deep.perigeeRate : 0.0);
    o.radiusER = s.radiusER;
    o.argumentOfLatitudeRad = s.argumentOfLatitudeRad;
    o.osculatingNodeRad = s.osculatingNodeRad;
    o.osculatingInclinationRad = s.osculatingInclinationRad;
    o.sinOsculatingNode = s.sinOsculatingNode;
    o.cosOsculatingNode = s.cosOsculatingNode;
    o.sinOsculatingInclination = s.sinOsculatingInclination;
    o.cosOsculatingInclination = s.cosOsculatingInclination;
    return o;
}

}  // namespace

double Days1950OfJD1900(JD1900 instant) { return instant - kJD1900OfDay1950; }

SatelliteOrbit PrepareOrbit(const SgpElements& elements, OrbitModel model) {
    SatelliteOrbit orbit;
    orbit.model = model;
    orbit.readable = true;
    orbit.elements = elements;
    if (model == OrbitModel::Sgp4) orbit.sgp4 = InitSgp4(Sgp4ElementsOf(elements));
    return orbit;
}

SatelliteOrbit PrepareOrbit(std::string_view line1, std::string_view line2, OrbitModel model) {
    SgpElements elements;
    if (!ParseSgpElements(line1, line2, elements)) {
        SatelliteOrbit unreadable;
        unreadable.model = model;
        return unreadable;
    }
    return PrepareOrbit(elements, model);
}

OrbitState Propagate(const SatelliteOrbit& orbit, JD1900 T, ResonanceCarry* carry) {
    if (!orbit.readable) {
        OrbitState unreadable;
        unreadable.error = OrbitError::Unreadable;
        return unreadable;
    }
    if (!std::isfinite(T)) {
        OrbitState failed;
        failed.error = OrbitError::MathError;
        return failed;
    }
    return orbit.model == OrbitModel::Sgp ? StateOfSgp(orbit.elements, T)
                                          : StateOfSgp4(orbit, T, carry);
}
