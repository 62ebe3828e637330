#include "prediction/quartic.h"

#include <algorithm>
#include <cmath>

#include "core/timescale.h"

namespace {

void AddRoot(QuarticRoots& roots, double x) {
    if (roots.count < 4 && std::isfinite(x)) roots.x[roots.count++] = x;
}

// Real roots of x^2 + p x + q = 0.
// A discriminant that is negative only by rounding counts as zero (a double root).
void AddQuadraticRoots(QuarticRoots& roots, double p, double q) {
    double disc = p * p / 4.0 - q;
    if (disc < 0.0 && disc >= -1e-12 * std::max(p * p / 4.0, std::fabs(q))) disc = 0.0;
    if (disc < 0.0) return;
    const double w = std::sqrt(disc);
    AddRoot(roots, -p / 2.0 + w);
    AddRoot(roots, -p / 2.0 - w);
}

// All real roots of x^3 + b x^2 + c x + d = 0.
void AddCubicRoots(QuarticRoots& roots, double b, double c, double d) {
    const double p = c - b * b / 3.0;
    const double q = 2.0 * b * b * b / 27.0 - b * c / 3.0 + d;
    const double disc = q * q / 4.0 + p * p * p / 27.0;
    const double shift = -b / 3.0;
    if (disc > 0.0) {
        const double w = std::sqrt(disc);
        AddRoot(roots, std::cbrt(-q / 2.0 + w) + std::cbrt(-q / 2.0 - w) + shift);
        return;
    }
    if (p == 0.0) {  // then q = 0 too: a triple root
        AddRoot(roots, shift);
        return;
    }
    const double r = 2.0 * std::sqrt(-p / 3.0);
    const double arg = std::clamp(3.0 * q / (p * r), -1.0, 1.0);
    const double phi = std::acos(arg) / 3.0;
    AddRoot(roots, r * std::cos(phi) + shift);
    AddRoot(roots, r * std::cos(phi - 2.0 * kPi / 3.0) + shift);
    AddRoot(roots, r * std::cos(phi - 4.0 * kPi / 3.0) + shift);
}

// One Newton step on the monic quartic, kept only when it brings the value closer to 0.
double Polish(double x, double a, double b, double c, double d) {
    for (int i = 0; i < 2; ++i) {
        const double f = (((x + a) * x + b) * x + c) * x + d;
        const double df = ((4.0 * x + 3.0 * a) * x + 2.0 * b) * x + c;
        if (df == 0.0) break;
        const double y = x - f / df;
        const double g = (((y + a) * y + b) * y + c) * y + d;
        if (!(std::fabs(g) < std::fabs(f))) break;
        x = y;
    }
    return x;
}

}  // namespace

double LargestCubicRoot(double b, double c, double d) {
    QuarticRoots roots;
    AddCubicRoots(roots, b, c, d);
    double best = roots.x[0];
    for (int i = 1; i < roots.count; ++i) best = std::max(best, roots.x[i]);
    return best;
}

QuarticRoots SolveQuartic(double a0, double a1, double a2, double a3, double a4) {
    QuarticRoots roots;
    if (a0 == 0.0) {
        if (a1 != 0.0) {
            AddCubicRoots(roots, a2 / a1, a3 / a1, a4 / a1);
        } else if (a2 != 0.0) {
            AddQuadraticRoots(roots, a3 / a2, a4 / a2);
        } else if (a3 != 0.0) {
            AddRoot(roots, -a4 / a3);
        }
        return roots;
    }
    const double a = a1 / a0, b = a2 / a0, c = a3 / a0, d = a4 / a0;
    // Depressed quartic y^4 + p y^2 + q y + r = 0 with x = y - a/4.
    const double a2q = a * a;
    const double p = b - 3.0 * a2q / 8.0;
    const double q = c - a * b / 2.0 + a2q * a / 8.0;
    const double r = d - a * c / 4.0 + a2q * b / 16.0 - 3.0 * a2q * a2q / 256.0;
    const double shift = -a / 4.0;

    QuarticRoots depressed;
    const double scale = std::max({1.0, std::fabs(p), std::sqrt(std::fabs(r))});
    if (std::fabs(q) <= 1e-14 * scale * std::sqrt(scale)) {
        // Biquadratic: y^2 = z with z^2 + p z + r = 0.
        QuarticRoots z;
        AddQuadraticRoots(z, p, r);
        for (int i = 0; i < z.count; ++i) {
            if (z.x[i] < 0.0) continue;
            const double y = std::sqrt(z.x[i]);
            AddRoot(depressed, y);
            AddRoot(depressed, -y);
        }
    } else {
        // Resolvent cubic 8m^3 + 8p m^2 + (2p^2 - 8r) m - q^2 = 0; its largest root is
        // positive because the cubic is -q^2 < 0 at m = 0.
        const double m = LargestCubicRoot(p, p * p / 4.0 - r, -q * q / 8.0);
        if (m > 0.0) {
            const double s = std::sqrt(2.0 * m);
            const double t = q / (2.0 * s);
            AddQuadraticRoots(depressed, -s, p / 2.0 + m + t);
            AddQuadraticRoots(depressed, s, p / 2.0 + m - t);
        }
    }
    for (int i = 0; i < depressed.count; ++i)
        AddRoot(roots, Polish(depressed.x[i] + shift, a, b, c, d));
    return roots;
}
