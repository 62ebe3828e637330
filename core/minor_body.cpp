#include "core/minor_body.h"

#include <cmath>
#include <sstream>

#include "core/bodies.h"
#include "core/displayed_instant.h"
#include "core/ephemeris_file_error.h"
#include "core/frame_of_date.h"
#include "core/frames.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/text_file.h"
#include "core/vector3.h"

namespace {

MinorBodyState gMinorBody;

constexpr double kGauss = 0.01720209895;  // radians per day
constexpr char kFileName[] = "KOMET";

struct CometElements {
    int year = 0;
    int month = 0;
    double day = 0.0;
    double q = 0.0;
    double e = 0.0;
    double perihelionDeg = 0.0;
    double nodeDeg = 0.0;
    double inclinationDeg = 0.0;
    double equinox = 2000.0;
    double g = 0.0;
    double kappa = 0.0;
    double tailAu = 0.0;
};

class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in) {}
    std::string Next() {
        std::string line;
        if (!GetLineWithoutCr(in_, line)) throw EphemerisFileError::EndOfFile(kFileName);
        return line;
    }
    double Real() { return RealOf(Next()); }
    // A real number that must be greater than (or at least) `bound` to describe an orbit.
    double RealAbove(std::string_view quantity, double bound, bool boundAllowed) {
        const std::string line = Next();
        const double v = RealOf(line);
        if (boundAllowed ? v < bound : v <= bound)
            throw EphemerisFileError::BadValue(
                kFileName, quantity, numtext::Trim(line),
                boundAllowed ? "sie darf nicht negativ sein" : "sie muss größer als 0 sein");
        return v;
    }
    int Integer() {
        const std::string line = Next();
        int v = 0;
        if (!numtext::ParseInteger(line, v))
            throw EphemerisFileError::BadInteger(kFileName, numtext::Trim(line));
        return v;
    }

  private:
    static double RealOf(const std::string& line) {
        double v = 0.0;
        if (!numtext::ParseReal(line, v))
            throw EphemerisFileError::BadFloat(kFileName, numtext::Trim(line));
        return v;
    }

    std::istream& in_;
};

CometElements ReadCometFile() {
    std::istringstream in(ReadFileContentsOrThrow<EphemerisFileError>(kFileName));
    LineReader r(in);
    gMinorBody.name = r.Next();
    CometElements c;
    c.year = r.Integer();
    c.month = r.Integer();
    c.day = r.Real();
    c.q = r.RealAbove("Periheldistanz", 0.0, false);  // 0 or less: no orbit
    c.e = r.RealAbove("Exzentrizität", 0.0, true);
    c.perihelionDeg = r.Real();
    c.nodeDeg = r.Real();
    c.inclinationDeg = r.Real();
    c.equinox = r.Real();
    c.g = r.Real();
    c.kappa = r.Real();
    c.tailAu = r.Real();
    return c;
}

// Eccentric anomaly of an ellipse for a mean anomaly in [0, 2pi).
double EllipticAnomaly(double m, double e) {
    if (m == 0.0) return 0.0;
    double ecc = AngleOf(std::cos(m) - e, std::sin(m));
    for (int n = 0; n < 100; ++n) {
        const double d = (e * std::sin(ecc) + m - ecc) / (1.0 - e * std::cos(ecc));
        ecc += d;
        if (std::fabs(d) < 1e-8) return ecc;
    }
    // Newton did not settle (e very close to 1): bisection on the monotonic equation.
    double lo = 0.0, hi = kTwoPi;
    for (int n = 0; n < 200; ++n) {
        ecc = 0.5 * (lo + hi);
        if (ecc - e * std::sin(ecc) < m)
            lo = ecc;
        else
            hi = ecc;
    }
    return ecc;
}

// True anomaly of a hyperbola from the hyperbolic Kepler equation e sinh H - H = M.
double HyperbolicTrueAnomaly(double e, double q, double dt) {
    const double a = q / (e - 1.0);
    const double m = kGauss * dt / std::sqrt(a * a * a);
    double h = std::asinh(m / e);
    for (int n = 0; n < 100; ++n) {
        const double d = (e * std::sinh(h) - h - m) / (e * std::cosh(h) - 1.0);
        h -= d;
        if (std::fabs(d) < 1e-12 * (1.0 + std::fabs(h))) break;
    }
    return 2.0 * std::atan(std::sqrt((e + 1.0) / (e - 1.0)) * std::tanh(h / 2.0));
}

// Light time per astronomical unit, days.
constexpr double kLightDaysPerAu = 0.0057755183;

struct SkyPlace {
    double raHours = 0.0;  // 2000.0
    double dec = 0.0;
    double raDateHours = 0.0;  // apparent, true equator and equinox of date
    double decDate = 0.0;
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;
    SkyPosition sky;
};

// Right ascension and declination of a geocentric vector, precessed to 2000.0, and
// where it is seen: with the annual aberration on the horizon of date.
SkyPlace Observe(const Vector3& g, double equinox, const FrameOfDate& frame,
                 const HorizonOfDate& horizon) {
    const double delta = std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
    const EquatorialHours eq = PrecessByAnnualRates(AngleOf(g.x, g.y) * 12.0 / kPi,
                                                    SafeArcSin(g.z / delta), 2000.0 - equinox);
    SkyPlace p;
    p.raHours = eq.raHours;
    p.dec = eq.dec;
    const Vector3 unit2000 = UnitVectorOf(eq.raHours * kPi / 12.0, eq.dec);
    double raDate = 0.0;
    RaDecOf(ApparentOfDate(frame, unit2000), raDate, p.decDate);
    p.raDateHours = raDate * 12.0 / kPi;
    const HorizontalCoords hz = ApparentHorizontal(horizon, unit2000);
    p.altitudeDeg = hz.altitude * kRadToDeg;
    p.azimuthDeg = hz.azimuth * kRadToDeg;
    p.sky = {hz.altitude, hz.azimuth, AboveHorizon(hz.sinAltitude)};
    return p;
}

}  // namespace

MinorBodyState& MinorBody() { return gMinorBody; }
void ResetMinorBodyState() { gMinorBody = MinorBodyState{}; }

double NearParabolicAnomaly(double e, double q, double daysFromPerihelion,
                            double startTrueAnomaly) {
    const double lambda = (1.0 - e) / (1.0 + e);
    const double w = kGauss * daysFromPerihelion * std::sqrt((1.0 + e) / q) / (2.0 * q);
    double tau = std::tan(startTrueAnomaly / 2.0);
    for (int step = 0; step < 50; ++step) {
        const double tau2 = tau * tau;
        double sum = 0.0;        // series of F
        double sumDeriv = 0.0;   // series of F'
        double lambdaPow = 1.0;  // lambda^(j-1)
        double tauPow = tau2;    // tau^(2j)
        for (int j = 1;; ++j) {
            const double sign = (j % 2 == 0) ? 1.0 : -1.0;
            const double c = sign * (j - (j + 1) * lambda) * lambdaPow;
            sum += c * tauPow * tau / (2 * j + 1);
            sumDeriv += c * tauPow;
            const double nextPower = lambdaPow * lambda * tauPow * tau2;  // lambda^j tau^(2j+2)
            if (j + 1 > 50 || std::fabs(nextPower) < 1e-8) break;
            lambdaPow *= lambda;
            tauPow *= tau2;
        }
        const double f = tau - sum - w;
        const double fDeriv = 1.0 - sumDeriv;
        const double correction = f / fDeriv;
        tau -= correction;
        if (std::fabs(correction) < 1e-4) break;
    }
    return 2.0 * std::atan(tau);
}

OrbitPlanePoint OrbitPlanePosition(double q, double e, double dt) {
    OrbitPlanePoint p;
    if (e < 1.0) {
        const double a = q / (1.0 - e);
        const double m = Mod2Pi(kGauss * dt / std::pow(a, 1.5));
        const double ecc = EllipticAnomaly(m, e);
        p.r = a * (1.0 - e * std::cos(ecc));
        p.x = a * (std::cos(ecc) - e);
        p.y = a * std::sqrt(1.0 - e * e) * std::sin(ecc);
        return p;
    }
    const double w = 1.5 * kGauss * dt / std::sqrt(2.0 * q * q * q);
    const double s = 2.0 * std::sinh(std::asinh(w) / 3.0);
    p.r = q * (1.0 + s * s);
    p.x = 2.0 * q - p.r;
    p.y = p.r * std::sin(2.0 * std::atan(s));
    if (e > 1.0) {
        double v = NearParabolicAnomaly(e, q, dt, AngleOf(p.x, p.y));
        // The series in tan(v/2) converges only while |lambda| tan^2(v/2) < 1; outside that
        // range (strongly hyperbolic orbits far from perihelion) solve the hyperbolic
        // Kepler equation instead.
        const double lambda = (1.0 - e) / (1.0 + e);
        const double tau = std::tan(v / 2.0);
        if (!std::isfinite(v) || std::fabs(lambda) * tau * tau > 0.5)
            v = HyperbolicTrueAnomaly(e, q, dt);
        p.r = q * (1.0 + e) / (1.0 + e * std::cos(v));
        p.x = p.r * std::cos(v);
        p.y = p.r * std::sin(v);
    }
    return p;
}

bool MinorBodyPosition(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown) {
    const CometElements c = ReadCometFile();
    const SunState& sun = Sun();
    MinorBodyState& m = gMinorBody;

    const JD1900 perihelion = JulianDay1900(c.year, c.month, IntPart(c.day)) + FracPart(c.day);

    const double w = c.perihelionDeg * kDegToRad;
    const double node = c.nodeDeg * kDegToRad;
    const double inc = c.inclinationDeg * kDegToRad;
    const double se = sun.sinObliquity, ce = sun.cosObliquity;
    const double px = std::cos(w) * std::cos(node) - std::sin(w) * std::sin(node) * std::cos(inc);
    const double qx = -std::sin(w) * std::cos(node) - std::cos(w) * std::sin(node) * std::cos(inc);
    const double a = std::cos(w) * std::sin(node) + std::sin(w) * std::cos(node) * std::cos(inc);
    const double b = -std::sin(w) * std::sin(node) + std::cos(w) * std::cos(node) * std::cos(inc);
    const double py = a * ce - std::sin(w) * std::sin(inc) * se;
    const double pz = a * se + std::sin(w) * std::sin(inc) * ce;
    const double qy = b * ce - std::cos(w) * std::sin(inc) * se;
    const double qz = b * se + std::cos(w) * std::sin(inc) * ce;

    // The Sun referred to the equinox of the elements (general precession 50.256"/yr).
    const double lambdaSun =
        sun.trueLongitude - (t / 365.25 + 1900.0 - c.equinox) * 0.0002436479635784084;
    const Vector3 sunVec{sun.distance * std::cos(lambdaSun),
                         sun.distance * std::sin(lambdaSun) * ce,
                         sun.distance * std::sin(lambdaSun) * se};
    // The body where its light left it: light time from the distance, twice.
    OrbitPlanePoint op;
    Vector3 helio, geo;
    double delta = 0.0;
    for (int pass = 0; pass < 2; ++pass) {
        op = OrbitPlanePosition(c.q, c.e, t - delta * kLightDaysPerAu - perihelion);
        helio = {op.x * px + op.y * qx, op.x * py + op.y * qy, op.x * pz + op.y * qz};
        geo = {helio.x + sunVec.x, helio.y + sunVec.y, helio.z + sunVec.z};
        delta = std::sqrt(geo.x * geo.x + geo.y * geo.y + geo.z * geo.z);
    }

    const HorizonOfDate horizon = shown.horizon(place);
    const SkyPlace seen = Observe(geo, c.equinox, shown.frame, horizon);
    m.distance = delta * 149.6;
    m.sunDistance = op.r;
    m.magnitude = c.g + 5.0 * std::log10(delta) + c.kappa * std::log10(op.r);
    m.raHours = seen.raHours;
    m.declination = seen.dec;
    m.raDateHours = seen.raDateHours;
    m.declinationDate = seen.decDate;
    m.altitudeDeg = seen.altitudeDeg;
    m.azimuthDeg = seen.azimuthDeg;
    m.sky = seen.sky;
    m.hasTail = false;
    m.tailSky = SkyPosition{};
    if (seen.sky.aboveHorizon && m.magnitude < 10.0) {
        const double scale = 1.0 + c.tailAu / op.r;
        const Vector3 tail{helio.x * scale + sunVec.x, helio.y * scale + sunVec.y,
                           helio.z * scale + sunVec.z};
        m.hasTail = true;
        m.tailSky = Observe(tail, c.equinox, shown.frame, horizon).sky;
    }
    return true;
}
