#include "prediction/plane_crossing_bounds.h"

#include <algorithm>
#include <cmath>

#include "core/timescale.h"

namespace {

// The Earth's turn against the stars, radians per second.
constexpr double kEarthTurnPerSecond = 7.2921158553e-5;
// The most the plane turns per second (node drift and the swing of the osculating plane
// stay far below), counted twice for the foot point: the plane's turning moves the foot
// point and the axes its angle is counted from.
constexpr double kPlaneTurnPerSecond = 3e-5;
// The slow drift of the node, radians per second: the lowest near-Earth orbits drift by
// 1.9e-6, deep-space orbits by far less.
constexpr double kNodeDriftPerSecond = 3e-6;
// How far the osculating plane swings about its mean position, as a part of the
// observer's distance from the Earth's centre: some 1e-3 from the Earth's flattening,
// more with the Moon and the Sun.
double PlaneSwing(bool deepSpace) { return deepSpace ? 0.03 : 0.01; }

double Length(const Vector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

long long StepsBeforeAnyCrossing(const PlaneLookGeometry& look, double stepSeconds) {
    const double n = look.meanMotionRevDay * kTwoPi / 86400.0;
    if (!(n > 0.0) || !(stepSeconds > 0.0) || !std::isfinite(look.phase)) return 0;
    // The satellite's angular rate in the orbit lies between those at perigee and
    // apogee of a Kepler orbit with a slightly larger eccentricity, with 3 % for the
    // perturbations.
    const double e = std::min(look.eccentricity + 0.005, 0.5);
    if (!(e >= 0.0)) return 0;
    const double kepler = std::pow(1.0 - e * e, -1.5);
    const double satelliteMax = 1.03 * n * (1.0 + e) * (1.0 + e) * kepler;
    const double satelliteMin = 0.97 * n * (1.0 - e) * (1.0 - e) * kepler;
    // The foot point turns with the observer's projection on the plane, whose length
    // never falls below what the largest distance from the plane leaves; that distance
    // is bounded by the parts of the pole and the observer along and across the axis,
    // which the Earth's turn and the node's drift do not change.
    const Vector3& p = look.pole;
    const Vector3& o = look.observer;
    const double r = Length(o);
    const double largestDistance = std::fabs(p.z * o.z) +
                                   std::hypot(p.x, p.y) * std::hypot(o.x, o.y) +
                                   PlaneSwing(look.deepSpace) * r;
    if (!(largestDistance < r)) return 0;
    const double leastProjection = std::sqrt(r * r - largestDistance * largestDistance);
    const double footMax = (kEarthTurnPerSecond + 2.0 * kPlaneTurnPerSecond) * r / leastProjection;
    const double fastest = satelliteMax + footMax;
    const double phase = look.phase;
    const double toZero =
        satelliteMin > footMax ? (phase > 0.0 ? phase : kTwoPi + phase) : std::fabs(phase);
    const double steps = std::floor(toZero / fastest / stepSeconds);
    return steps > 0.0 ? static_cast<long long>(std::min(steps, 1e6)) : 0;
}

long long StepsOutOfReachAhead(const PlaneLookGeometry& look, double stepSeconds,
                               double reachableDistance, long long maxSteps) {
    const Vector3& p = look.pole;
    const Vector3& o = look.observer;
    if (!(stepSeconds > 0.0) || !std::isfinite(reachableDistance)) return 0;
    // Distance from the plane after a turn by theta: along + across cos + sideways sin.
    const double along = p.z * o.z;
    const double across = p.x * o.x + p.y * o.y;
    const double sideways = p.y * o.x - p.x * o.y;
    const double amplitude = std::hypot(across, sideways);
    const double r = Length(o);
    if (!std::isfinite(along + amplitude + r)) return 0;
    // Within half a step from its middle the sinusoid changes by at most this much.
    const double halfStepChange = amplitude * kEarthTurnPerSecond * stepSeconds / 2.0;
    const double swing = PlaneSwing(look.deepSpace) * r;
    const double drift = std::hypot(p.x, p.y) * std::hypot(o.x, o.y) * kNodeDriftPerSecond;
    // The turn to the middle of step k, by rotating from one middle to the next.
    const double stepTurn = kEarthTurnPerSecond * stepSeconds;
    const double cosStep = std::cos(stepTurn), sinStep = std::sin(stepTurn);
    double cosTurn = std::cos(stepTurn / 2.0), sinTurn = std::sin(stepTurn / 2.0);
    for (long long k = 1; k <= maxSteps; ++k) {
        if (k > 1) {
            const double c = cosTurn * cosStep - sinTurn * sinStep;
            sinTurn = sinTurn * cosStep + cosTurn * sinStep;
            cosTurn = c;
        }
        const double distance = along + across * cosTurn + sideways * sinTurn;
        const double allowance =
            halfStepChange + swing + drift * static_cast<double>(k) * stepSeconds;
        if (!(std::fabs(distance) - allowance > reachableDistance)) return k - 1;
    }
    return maxSteps;
}
