// Closed-form polynomial roots and the shadow-boundary anomalies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/timescale.h"
#include "prediction/quartic.h"
#include "prediction/shadow_boundary.h"

namespace {

// Coefficients of s * (x - r1)(x - r2)(x - r3)(x - r4), highest power first.
std::vector<double> FromRoots(double s, const std::vector<double>& r) {
    std::vector<double> c{s};
    for (double root : r) {
        std::vector<double> next(c.size() + 1, 0.0);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i] += c[i];
            next[i + 1] -= root * c[i];
        }
        c = next;
    }
    return c;
}

std::vector<double> Sorted(const QuarticRoots& q) {
    std::vector<double> v(q.x, q.x + q.count);
    std::sort(v.begin(), v.end());
    return v;
}

struct QuarticCase {
    const char* what;
    double scale;
    std::vector<double> roots;
};

TEST(Quartic, RecoversFourRealRoots) {
    const QuarticCase cases[] = {
        {"distinct", 1.0, {-2.0, -0.5, 0.25, 3.0}},
        {"scaled leading coefficient", -7.5, {-0.9, -0.1, 0.3, 0.95}},
        {"symmetric (biquadratic)", 2.0, {-0.8, -0.3, 0.3, 0.8}},
        {"two double roots", 1.0, {-0.4, -0.4, 0.6, 0.6}},
        {"cosine range", 1e-3, {-0.99, -0.7, 0.2, 0.999}},
    };
    for (const QuarticCase& c : cases) {
        const std::vector<double> a = FromRoots(c.scale, c.roots);
        const QuarticRoots q = SolveQuartic(a[0], a[1], a[2], a[3], a[4]);
        ASSERT_EQ(q.count, 4) << c.what;
        const std::vector<double> got = Sorted(q);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.roots[i], 2e-6) << c.what;
    }
}

TEST(Quartic, ComplexPairsGiveNoRoots) {
    // (x^2 + 1)(x^2 + 2x + 5): no real root.
    const QuarticRoots none = SolveQuartic(1.0, 2.0, 6.0, 2.0, 5.0);
    EXPECT_EQ(none.count, 0);
    // (x^2 + 1)(x - 1)(x + 2) = x^4 + x^3 - x^2 + x - 2: two real roots.
    const QuarticRoots two = SolveQuartic(1.0, 1.0, -1.0, 1.0, -2.0);
    ASSERT_EQ(two.count, 2);
    const std::vector<double> got = Sorted(two);
    EXPECT_NEAR(got[0], -2.0, 1e-9);
    EXPECT_NEAR(got[1], 1.0, 1e-9);
}

TEST(Quartic, LeadingZeroFallsBackToLowerDegree) {
    const QuarticRoots cubic = SolveQuartic(0.0, 1.0, -6.0, 11.0, -6.0);  // (x-1)(x-2)(x-3)
    ASSERT_EQ(cubic.count, 3);
    const std::vector<double> got = Sorted(cubic);
    EXPECT_NEAR(got[0], 1.0, 1e-9);
    EXPECT_NEAR(got[2], 3.0, 1e-9);
    EXPECT_EQ(SolveQuartic(0.0, 0.0, 1.0, 0.0, 1.0).count, 0);  // x^2 + 1
}

TEST(Quartic, LargestCubicRootBothForms) {
    // Three real roots (trigonometric form) and one real root (Cardano).
    EXPECT_NEAR(LargestCubicRoot(-6.0, 11.0, -6.0), 3.0, 1e-12);
    EXPECT_NEAR(LargestCubicRoot(0.0, 1.0, -2.0), 1.0, 1e-12);  // (x-1)(x^2+x+2)
    EXPECT_NEAR(LargestCubicRoot(-3.0, 3.0, -1.0), 1.0, 1e-5);  // triple root
}

// A circular equatorial orbit of radius a with the Sun along +x: the satellite is at
// (a cos v, a sin v) (perigee on the x axis) and crosses the shadow cylinder where
// |a sin v| = 1 on the night side (x < 0).
TEST(ShadowBoundary, CircularOrbitCrossesCylinderWhereGeometrySays) {
    for (const double a : {1.06, 1.5, 3.0, 6.6}) {
        ShadowOrbit o;
        o.semiMajorAxisER = a;
        o.eccentricity = 0.0;
        const ShadowAnomalies s = ShadowBoundaryAnomalies(o);
        ASSERT_EQ(s.count, 2) << a;
        const double expected = std::asin(1.0 / a);  // distance of v from pi
        std::vector<double> got{s.trueAnomaly[0], s.trueAnomaly[1]};
        std::sort(got.begin(), got.end());
        EXPECT_NEAR(got[0], kPi - expected, 1e-6) << a;
        EXPECT_NEAR(got[1], kPi + expected, 1e-6) << a;
    }
}

// An eccentric, inclined orbit under several Sun directions: the chosen anomalies are
// the night-side crossings of the shadow cylinder that a fine sweep along the orbit
// finds, and they lie on the cylinder.
TEST(ShadowBoundary, EccentricInclinedOrbitBoundariesMatchASweep) {
    const double suns[][3] = {{0.3, 0.9, -0.2}, {-0.6, 0.2, 0.7}, {0.1, -0.9, -0.4}};
    for (const auto& sunRaw : suns) {
        ShadowOrbit o;
        o.semiMajorAxisER = 1.4;
        o.eccentricity = 0.15;
        o.inclination = 1.0;
        o.node = 0.7;
        o.perigee = 2.1;
        const double len =
            std::sqrt(sunRaw[0] * sunRaw[0] + sunRaw[1] * sunRaw[1] + sunRaw[2] * sunRaw[2]);
        for (int i = 0; i < 3; ++i) o.sun[i] = sunRaw[i] / len;
        const double cw = std::cos(o.perigee), sw = std::sin(o.perigee);
        const double cn = std::cos(o.node), sn = std::sin(o.node);
        const double ci = std::cos(o.inclination), si = std::sin(o.inclination);
        const double P[3] = {cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si};
        const double Q[3] = {-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si};
        // Distance outside the cylinder and the component along the Sun at anomaly v.
        auto geometry = [&](double v, double& along) {
            const double e = o.eccentricity;
            const double r = o.semiMajorAxisER * (1 - e * e) / (1 + e * std::cos(v));
            double pos[3];
            for (int i = 0; i < 3; ++i) pos[i] = r * (std::cos(v) * P[i] + std::sin(v) * Q[i]);
            along = pos[0] * o.sun[0] + pos[1] * o.sun[1] + pos[2] * o.sun[2];
            return std::sqrt(pos[0] * pos[0] + pos[1] * pos[1] + pos[2] * pos[2] - along * along) -
                   1.0;
        };
        std::vector<double> crossings;
        double along = 0.0;
        double previous = geometry(0.0, along);
        const int steps = 200000;
        for (int k = 1; k <= steps; ++k) {
            const double v = kTwoPi * k / steps;
            const double d = geometry(v, along);
            if ((d > 0) != (previous > 0) && along < 0) crossings.push_back(v);
            previous = d;
        }
        ASSERT_EQ(crossings.size(), 2u);
        const ShadowAnomalies s = ShadowBoundaryAnomalies(o);
        ASSERT_EQ(s.count, 2);
        std::vector<double> got{Mod2Pi(s.trueAnomaly[0]), Mod2Pi(s.trueAnomaly[1])};
        std::sort(got.begin(), got.end());
        for (int k = 0; k < 2; ++k) {
            EXPECT_NEAR(got[k], crossings[k], kTwoPi / steps * 1.01);
            EXPECT_NEAR(geometry(got[k], along), 0.0, 1e-6);
            EXPECT_LT(along, 0.0);
        }
    }
}

TEST(ShadowBoundary, OrbitThatNeverEntersTheShadowHasNoBoundary) {
    // The orbital plane faces the Sun (Sun along the pole of an equatorial orbit).
    ShadowOrbit o;
    o.semiMajorAxisER = 1.2;
    o.sun[0] = 0.0;
    o.sun[2] = 1.0;
    EXPECT_EQ(ShadowBoundaryAnomalies(o).count, 0);
    // Sun 20 degrees from the pole: the orbit stays 1.5 sin 70 = 1.41 Earth radii from
    // the Sun line.
    o.semiMajorAxisER = 1.5;
    o.sun[0] = std::sin(20 * kDegToRad);
    o.sun[2] = std::cos(20 * kDegToRad);
    EXPECT_EQ(ShadowBoundaryAnomalies(o).count, 0);
    // Sun 60 degrees from the pole: it dips to 0.75 and crosses twice.
    o.sun[0] = std::sin(60 * kDegToRad);
    o.sun[2] = std::cos(60 * kDegToRad);
    EXPECT_EQ(ShadowBoundaryAnomalies(o).count, 2);
}

}  // namespace
