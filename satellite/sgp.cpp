// SGP after Spacetrack Report No. 3 (Hoots and Roehrich, 1980), section "SGP", with a
// bounded Kepler iteration.
#include "satellite/sgp.h"

#include <cmath>
#include <optional>

#include "core/constants.h"
#include "satellite/catalog_number.h"
#include "satellite/column_number.h"

namespace {

constexpr double kK1 = 0.000811962;         // (3/4) J2
constexpr double kJ2Quarter = 0.000270654;  // J2/4
constexpr double kJ2Eighth = 0.000135327;   // J2/8
constexpr double kHalfJ3OverJ2 = -0.0011725351214408562;
constexpr double k134Over81 = 1.6543209876543209877;
constexpr double kRevPerDay = 3.030085503472222e-6;  // 2 pi / 1440^2
constexpr double kDeg = 0.017453292519943295769;
constexpr double kEccentricityFloor = 1.0e-6;
constexpr double kKeplerTolerance = 1.0e-6;
constexpr int kKeplerMaxCorrections = 11;

// Integer field: blanks before the digits only, an optional sign, then digits.
std::optional<int> ColumnInteger(std::string_view line, int first, int last) {
    std::string_view text = ColumnText(line, first, last);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// A number written as prefix + columns (+ suffix + more columns), e.g. "0" + ".50000000".
std::optional<double> Composed(std::string_view a, std::string_view b, std::string_view c = {},
                               std::string_view d = {}, std::string_view e = {}) {
    char buffer[64];
    std::size_t n = 0;
    for (std::string_view part : {a, b, c, d, e}) {
        if (n + part.size() > sizeof buffer) return std::nullopt;
        for (char ch : part) buffer[n++] = ch;
    }
    return ParseNumber(std::string_view(buffer, n));
}

bool Finite(double x) { return std::isfinite(x); }

// Angle reduced into [0, 2 pi) like Mod2Pi, also for angles beyond the range of a
// 32-bit integer count of turns.
double Reduce2Pi(double x) {
    const double r = x - kTwoPi * std::trunc(x / kTwoPi);
    return r >= 0.0 ? r : r + kTwoPi;
}

// x^(2/3): the cube root of x squared; a non-positive base gives 1.0 and a failure.
double TwoThirdsPower(double x, bool& failed) {
    if (!(x > 0.0)) {
        failed = true;
        return 1.0;
    }
    return std::cbrt(x * x);
}

}  // namespace

bool ParseSgpElements(std::string_view line1, std::string_view line2, SgpElements& out) {
    const auto year2 = ColumnInteger(line1, 19, 20);
    const auto day = ColumnInteger(line1, 21, 23);
    const auto fraction = Composed("0", ColumnText(line1, 24, 32));
    const auto ndot2 = Composed(ColumnText(line1, 34, 34), "0", ColumnText(line1, 35, 43));
    const auto nddot6 = Composed(ColumnText(line1, 45, 45), "0.", ColumnText(line1, 46, 50), "E",
                                 ColumnText(line1, 51, 52));
    const auto bstar = Composed(ColumnText(line1, 54, 54), "0.", ColumnText(line1, 55, 59), "E",
                                ColumnText(line1, 60, 61));
    const auto inclination = ColumnNumber(line2, 9, 16);
    const auto node = ColumnNumber(line2, 18, 25);
    const auto eccentricity = Composed("0.", ColumnText(line2, 27, 33));
    const auto perigee = ColumnNumber(line2, 35, 42);
    const auto meanAnomaly = ColumnNumber(line2, 44, 51);
    const auto meanMotion = ColumnNumber(line2, 53, 63);
    if (!year2 || !day || !fraction || !ndot2 || !nddot6 || !inclination || !node ||
        !eccentricity || !perigee || !meanAnomaly || !meanMotion)
        return false;

    SgpElementNumbers numbers;
    numbers.catalogNumber = CatalogNumberOfLine(line1).value_or(0.0);
    numbers.year2 = *year2;
    numbers.day = *day;
    numbers.dayFraction = *fraction;
    numbers.ndot2 = *ndot2;
    numbers.nddot6 = *nddot6;
    // A missing drag term is no drag (SGP does not read it).
    numbers.bstar = bstar.value_or(0.0);
    numbers.inclinationDeg = *inclination;
    numbers.nodeDeg = *node;
    numbers.eccentricity = *eccentricity;
    numbers.perigeeDeg = *perigee;
    numbers.meanAnomalyDeg = *meanAnomaly;
    numbers.meanMotionRevDay = *meanMotion;
    out = SgpElementsOf(numbers);
    return true;
}

SgpElements SgpElementsOf(const SgpElementNumbers& numbers) {
    SgpElements el;
    el.catalogNumber = numbers.catalogNumber;
    const int year = numbers.year2 >= 57 ? 1900 + numbers.year2 : 2000 + numbers.year2;
    el.epoch = JulianDay1900(year, 1, numbers.day) + numbers.dayFraction;
    el.ndot2 = numbers.ndot2;
    el.nddot6 = numbers.nddot6;
    el.bstar = numbers.bstar;
    el.inclination = numbers.inclinationDeg * kDeg;
    el.node = numbers.nodeDeg * kDeg;
    el.eccentricity = numbers.eccentricity;
    el.perigee = numbers.perigeeDeg * kDeg;
    el.meanAnomaly = numbers.meanAnomalyDeg * kDeg;
    el.meanMotionRevDay = numbers.meanMotionRevDay;

    // Units and epoch quantities (model steps 2 and 3).
    el.n0 = el.meanMotionRevDay * kRevPerDay * 1440.0;
    el.d1 = el.ndot2 * kRevPerDay;
    el.d2 = el.nddot6 * kRevPerDay / 1440.0;
    const double c = std::cos(el.inclination);
    const double s = std::sin(el.inclination);
    el.cosI = c;
    el.sinI = s;
    const double e0 = el.eccentricity;
    bool powerFailed = false;
    auto power = [&powerFailed](double base, double exponent) {
        double result = 1.0;
        if (!PowerOf(base, exponent, result)) powerFailed = true;
        return result;
    };
    if (el.n0 == 0.0) {
        el.epochFailed = true;  // ke / n0 divides by zero
    } else {
        const double a1 = power(kGravityKe / el.n0, 2.0 / 3.0);
        const double delta1 = kK1 * (3.0 * c * c - 1.0) / (a1 * a1 * power(1.0 - e0 * e0, 1.5));
        el.a0 = a1 * (1.0 - delta1 / 3.0 - delta1 * delta1 - k134Over81 * delta1 * delta1 * delta1);
        const double p0 = el.a0 * (1.0 - e0 * e0);
        el.q0 = el.a0 * (1.0 - e0);
        el.l0 = el.meanAnomaly + el.perigee + el.node;
        el.perigeeRate = kK1 * (5.0 * c * c - 1.0) * el.n0 / (p0 * p0);
        el.nodeRate = -2.0 * kK1 * c * el.n0 / (p0 * p0);
        el.cy = kHalfJ3OverJ2 * s;
        el.cl = kHalfJ3OverJ2 * 0.5 * s * (3.0 + 5.0 * c) / (1.0 + c);
        if (p0 == 0.0 || 1.0 + c == 0.0 || !Finite(el.a0) || !Finite(el.perigeeRate) ||
            !Finite(el.nodeRate) || !Finite(el.cl))
            el.epochFailed = true;
    }
    el.epochPowerFailed = powerFailed;
    return el;
}

SgpState PropagateSGP(const SgpElements& el, JD1900 T) {
    SgpState st;
    // The first failure met; a decay or a position inside the Earth lets the
    // computation go on, any other failure ends it.
    OrbitError& error = st.error;
    auto note = [&error](OrbitError e) {
        if (error == OrbitError::None) error = e;
    };
    auto fail = [&](OrbitError e) {
        note(e);
        return st;
    };
    if (el.epochPowerFailed)  // Power goes on with 1.0
        note(el.n0 > 0.0 ? OrbitError::EccentricityOutOfRange : OrbitError::MeanMotionNotPositive);
    if (el.epochFailed)
        return fail(el.n0 == 0.0 ? OrbitError::MeanMotionNotPositive : OrbitError::MathError);
    const double c = el.cosI;
    const double s = el.sinI;

    // Step 3 outputs.
    st.perigeeRate = el.perigeeRate;
    st.nodeRate = el.nodeRate;

    // Step 4.
    const double tau = (T - el.epoch) * 1440.0;
    if (!Finite(tau)) return fail(OrbitError::MathError);
    st.minutesSinceEpoch = tau;

    // Step 5.
    const double n = el.n0 + 2.0 * el.d1 * tau + 3.0 * el.d2 * tau * tau;
    st.meanMotionRevDay = n * 1440.0 / kTwoPi;

    // Step 6. n <= 0: the power gives 1.0, so a = a0, and the orbit has decayed.
    bool decayed = false;
    const double a = el.a0 * TwoThirdsPower(el.n0 / n, decayed);
    if (decayed || !(n > 0.0)) note(OrbitError::MeanMotionNotPositive);
    if (!Finite(a) || a == 0.0) return fail(OrbitError::MathError);
    st.semiMajorAxisER = a;
    const double e = a > el.q0 ? 1.0 - el.q0 / a : kEccentricityFloor;
    st.eccentricity = e;
    const double p = a * (1.0 - e * e);

    // Step 7.
    const double nodeS = el.node + el.nodeRate * tau;
    const double perigeeS = el.perigee + el.perigeeRate * tau;
    st.perigeeRad = perigeeS;
    const double ls = Reduce2Pi(el.l0 + (el.n0 + el.perigeeRate + el.nodeRate) * tau +
                                el.d1 * tau * tau + el.d2 * tau * tau * tau);

    // Step 8.
    if (p == 0.0) return fail(OrbitError::MathError);
    const double axN = e * std::cos(perigeeS);
    const double ayN = e * std::sin(perigeeS) - el.cy / p;
    const double l = Reduce2Pi(ls - el.cl * axN / p);
    const double u0 = Reduce2Pi(l - nodeS);
    if (!Finite(axN) || !Finite(ayN) || !Finite(u0)) return fail(OrbitError::MathError);

    // Step 9: Kepler's equation for E + omega, at most 11 corrections of at most 1 rad.
    double w = u0;
    double delta = 1.0;
    double sw = 0.0, cw = 0.0;
    for (int j = 0;; ++j) {
        sw = std::sin(w);
        cw = std::cos(w);
        if (std::fabs(delta) < kKeplerTolerance || j == kKeplerMaxCorrections) break;
        const double denominator = 1.0 - cw * axN - sw * ayN;
        if (denominator == 0.0) return fail(OrbitError::MathError);
        delta = (u0 - ayN * cw + axN * sw - w) / denominator;
        if (!Finite(delta)) return fail(OrbitError::MathError);
        if (std::fabs(delta) > 1.0) delta = delta > 0.0 ? 1.0 : -1.0;
        w += delta;
    }

    // Step 10.
    const double eCosE = axN * cw + ayN * sw;
    const double eSinE = axN * sw - ayN * cw;
    const double eL2 = axN * axN + ayN * ayN;
    const double pL = a * (1.0 - eL2);
    const double r = a * (1.0 - eCosE);
    // Division by zero or root of a negative number.
    if (eL2 > 1.0) return fail(OrbitError::EccentricityOutOfRange);
    if (pL <= 0.0) return fail(OrbitError::SemiLatusRectumNegative);
    if (r == 0.0 || a < 0.0) return fail(OrbitError::MathError);
    const double rDot = kGravityKe * std::sqrt(a) * eSinE / r;
    const double rNuDot = kGravityKe * std::sqrt(pL) / r;
    const double g = eSinE / (1.0 + std::sqrt(1.0 - eL2));
    const double sinU = (a / r) * (sw - ayN - axN * g);
    const double cosU = (a / r) * (cw - axN + ayN * g);
    const double u = AngleOf(cosU, sinU);

    // Step 11: short-period corrections.
    const double sin2u = 2.0 * sinU * cosU;
    const double cos2u = 1.0 - 2.0 * sinU * sinU;
    const double pL2 = pL * pL;
    const double rk = r + kJ2Quarter * s * s * cos2u / pL;
    const double uk = u - kJ2Eighth * (7.0 * c * c - 1.0) * sin2u / pL2;
    const double nodeK = nodeS + kK1 * c * sin2u / pL2;
    const double ik = el.inclination + kK1 * c * s * cos2u / pL2;
    if (!Finite(rk) || !Finite(uk) || !Finite(nodeK) || !Finite(ik) || !Finite(rDot) ||
        !Finite(rNuDot))
        return fail(OrbitError::MathError);
    st.radiusER = rk;
    st.argumentOfLatitude = uk;
    st.nodeRad = nodeK;
    st.inclinationRad = ik;

    // Step 12: orientation vectors.
    const double sinNode = std::sin(nodeK), cosNode = std::cos(nodeK);
    const double sinI = std::sin(ik), cosI = std::cos(ik);
    const double sinUk = std::sin(uk), cosUk = std::cos(uk);
    const double mx = -sinNode * cosI, my = cosNode * cosI, mz = sinI;
    const double nx = cosNode, ny = sinNode;
    const double ux = mx * sinUk + nx * cosUk;
    const double uy = my * sinUk + ny * cosUk;
    const double uz = mz * sinUk;
    st.positionER[0] = rk * ux;
    st.positionER[1] = rk * uy;
    st.positionER[2] = rk * uz;
    // A position below the ellipsoid is no orbit: the satellite has come down.
    {
        const double xy = rk * std::sqrt(ux * ux + uy * uy);
        const double psi = std::atan2(rk * uz, xy);
        const double cosPsi = std::cos(psi);
        const double surfaceKm = EllipsoidRadiusKm(cosPsi);
        if (kEarthRadiusKm * rk < surfaceKm) note(OrbitError::Subterranean);
    }
    {
        const double vx = mx * cosUk - nx * sinUk;
        const double vy = my * cosUk - ny * sinUk;
        const double vz = mz * cosUk;
        st.velocityERmin[0] = rDot * ux + rNuDot * vx;
        st.velocityERmin[1] = rDot * uy + rNuDot * vy;
        st.velocityERmin[2] = rDot * uz + rNuDot * vz;
    }

    return st;
}
