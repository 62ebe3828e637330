#include "satellite/flare.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "core/timescale.h"

namespace {

constexpr double kPanelTiltDeg = -40.0;
constexpr double kPanelYawDeg[3] = {0.0, 120.0, -120.0};
constexpr double kBrightestFlare = -6.1;

double Norm(const double a[3]) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }

void Cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

void Scale(double a[3], double factor) {
    for (int i = 0; i < 3; ++i) a[i] *= factor;
}

}  // namespace

double AngularDistance(double lambda1Deg, double beta1Deg, double lambda2Deg, double beta2Deg) {
    const double l1 = lambda1Deg * kDegToRad, b1 = beta1Deg * kDegToRad;
    const double l2 = lambda2Deg * kDegToRad, b2 = beta2Deg * kDegToRad;
    const double c = std::cos(l1 - l2) * std::cos(b1) * std::cos(b2) + std::sin(b1) * std::sin(b2);
    double d = std::acos(std::clamp(c, -1.0, 1.0)) * kRadToDeg;
    if (d < 0.1) {
        double dl = std::fabs(l1 - l2);
        if (dl > kPi) dl = kTwoPi - dl;
        const double across = dl * std::cos((b1 + b2) / 2.0);
        d = std::sqrt(across * across + (b1 - b2) * (b1 - b2)) * kRadToDeg;
    }
    return d;
}

double FlareAngle(const double r[3], const double v[3], const double t[3], double sunRaDeg,
                  double sunDecDeg, double tiltDeg, double yawDeg) {
    // Body frame: x along the velocity, y along the orbit normal, z = x cross y.
    double bx[3] = {v[0], v[1], v[2]};
    Scale(bx, 1.0 / Norm(bx));
    double by[3];
    Cross(r, v, by);
    Scale(by, 1.0 / Norm(by));
    double bz[3];
    Cross(bx, by, bz);
    Scale(bz, 1.0 / Norm(bz));

    const double tilt = tiltDeg * kDegToRad, yaw = yawDeg * kDegToRad;
    double axes[3][3];
    for (int i = 0; i < 3; ++i) {
        const double e1 = i == 0 ? 1.0 : 0.0, e2 = i == 1 ? 1.0 : 0.0, e3 = i == 2 ? 1.0 : 0.0;
        const double p = std::cos(tilt) * e1 - std::sin(tilt) * e3;
        const double q = e2;
        const double w = std::sin(tilt) * e1 + std::cos(tilt) * e3;
        const double p2 = std::cos(yaw) * p + std::sin(yaw) * q;
        const double q2 = std::cos(yaw) * q - std::sin(yaw) * p;
        for (int j = 0; j < 3; ++j) axes[i][j] = bx[j] * p2 + by[j] * q2 + bz[j] * w;
    }
    const double t1 = axes[0][0] * t[0] + axes[0][1] * t[1] + axes[0][2] * t[2];
    const double t2 = axes[1][0] * t[0] + axes[1][1] * t[1] + axes[1][2] * t[2];
    const double t3 = axes[2][0] * t[0] + axes[2][1] * t[1] + axes[2][2] * t[2];
    if (t1 > 0.0) return 180.0;  // the observer sees the back of the panel
    double u[3];
    for (int j = 0; j < 3; ++j) u[j] = -t1 * axes[0][j] + t2 * axes[1][j] + t3 * axes[2][j];
    const double alpha = AngleOf(u[0], u[1]) * kRadToDeg;
    const double xy = std::sqrt(u[0] * u[0] + u[1] * u[1]);
    const double delta =
        (xy == 0.0 ? (u[2] >= 0.0 ? kPi / 2.0 : -kPi / 2.0) : std::atan(u[2] / xy)) * kRadToDeg;
    const double d = AngularDistance(sunRaDeg, sunDecDeg, alpha, delta);
    return std::isnan(d) ? 180.0 : d;
}

double FlareMagnitude(double flareAngleDeg, double rangeKm, double phaseAngleDeg) {
    double m = flareAngleDeg > 0.3 ? 4.3 * std::log10(flareAngleDeg - 0.25) - 1.3 : kBrightestFlare;
    if (m < kBrightestFlare) m = kBrightestFlare;
    m = m - 15.0 + 5.0 * std::log10(rangeKm);
    m = m - 2.5 * std::log10(std::cos(phaseAngleDeg * kDegToRad / 2.0));
    return m;
}

double CombinedMagnitude(double flareMagnitude, double ordinaryMagnitude) {
    return flareMagnitude -
           2.5 * std::log10(1.0 + Power(10.0, 0.4 * (flareMagnitude - ordinaryMagnitude)));
}

FlareResult EvaluateFlare(const double positionER[3], const double velocity[3],
                          const double towardsSatellite[3], double sunRaRad, double sunDecRad,
                          double rangeKm, double phaseAngleDeg, double ordinaryMagnitude) {
    FlareResult result;
    for (int j = 0; j < 3; ++j) {
        const double a = FlareAngle(positionER, velocity, towardsSatellite, sunRaRad * kRadToDeg,
                                    sunDecRad * kRadToDeg, kPanelTiltDeg, kPanelYawDeg[j]);
        if (result.mirror == 0 || a < result.angleDeg) {
            result.angleDeg = a;
            result.mirror = j + 1;
        }
    }
    const double flare = FlareMagnitude(result.angleDeg, rangeKm, phaseAngleDeg);
    result.magnitude = CombinedMagnitude(flare, ordinaryMagnitude);
    return result;
}
