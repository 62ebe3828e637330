#include "prediction/scalar_search.h"

#include <cmath>
#include <utility>

namespace {

constexpr int kMaxCalls = 100;

}  // namespace

// Brent (1973), "Algorithms for Minimization without Derivatives", chapter 4: bisection
// guarding inverse quadratic interpolation and the secant step.
double FindRoot(const std::function<double(double)>& f, double a, double b, double fa, double fb,
                double tolerance) {
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int i = 0; i < kMaxCalls; ++i) {
        if ((fb > 0.0) == (fc > 0.0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 0.5 * tolerance;
        const double m = 0.5 * (c - b);
        if (std::fabs(m) <= tol || fb == 0.0) break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2.0 * m * s;
                q = 1.0 - s;
            } else {
                const double r = fb / fc;
                const double t = fa / fc;
                p = s * (2.0 * m * t * (t - r) - (b - a) * (r - 1.0));
                q = (t - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0)
                q = -q;
            else
                p = -p;
            if (2.0 * p < std::fmin(3.0 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        fb = f(b);
        if (!std::isfinite(fb)) return b;
    }
    return b;
}

// Brent's localmin (chapter 5) on -f.
ScalarMaximum FindMaximum(const std::function<double(double)>& f, double a, double b,
                          double tolerance, double x0, double f0) {
    constexpr double kGolden = 0.3819660112501051;  // (3 - sqrt 5) / 2
    if (a > b) std::swap(a, b);
    double x = x0, w = x, v = x;
    double fx = -f0, fw = fx, fv = fx;
    double d = 0.0, e = 0.0;
    for (int i = 0; i < kMaxCalls; ++i) {
        const double m = 0.5 * (a + b);
        const double tol = 0.5 * tolerance;
        if (std::fabs(x - m) <= 2.0 * tol - 0.5 * (b - a)) break;
        bool golden = true;
        if (std::fabs(e) > tol) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2.0 * (q - r);
            if (q > 0.0)
                p = -p;
            else
                q = -q;
            r = e;
            e = d;
            if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                if (u - a < 2.0 * tol || b - u < 2.0 * tol) d = x < m ? tol : -tol;
                golden = false;
            }
        }
        if (golden) {
            e = (x < m ? b : a) - x;
            d = kGolden * e;
        }
        const double u = x + (std::fabs(d) >= tol ? d : (d > 0.0 ? tol : -tol));
        const double fu = -f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, -fx};
}
