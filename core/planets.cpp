#include "core/planets.h"

#include <cmath>

#include "core/asteroids.h"
#include "core/displayed_instant.h"
#include "core/frame_of_date.h"
#include "core/frames.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/uranus_vsop87.h"

namespace {

PlanetTable gPlanets;

// What the chart's positions depend on besides the instant: the frame of date, the local
// sidereal time and the latitude of the place.
struct ChartView {
    const FrameOfDate& frame;
    double siderealHours;
    double sinLatitude;
    double cosLatitude;
};

constexpr double kGauss = 0.01720209895;  // radians per day

struct Elements {
    double a = 0.0;
    double e = 0.0;
    double i = 0.0;      // radians
    double omega = 0.0;  // argument of perihelion, radians
    double node = 0.0;   // radians
    double m = 0.0;      // mean anomaly, radians
};

struct Poly {
    double c0, c1, c2;
    double At(double T) const { return c0 + c1 * T + c2 * T * T; }
};

struct MeanElementTable {
    double a;
    Poly e, i, omega, node, m;
};

// Mean elements of date (ecliptic and mean equinox of date), T centuries from JD1900 = 0.
constexpr MeanElementTable kMeanElements[5] = {
    {0.3870986,
     {0.20561421, 0.00002046, -0.00000003},
     {7.002881, 0.0018608, -0.0000183},
     {28.753753, 0.3702806, 0.0001208},
     {47.145944, 1.1852083, 0.0001739},
     {102.27938, 149472.51529, 0.000007}},
    {0.7233316,
     {0.00682069, -0.00004774, 0.000000091},
     {3.393631, 0.0010058, -0.000001},
     {54.384186, 0.5081861, -0.0013864},
     {75.779647, 0.89985, 0.00041},
     {212.60322, 58517.80387, 0.001286}},
    {1.5236883,
     {0.0933129, 0.000092064, -0.000000077},
     {1.850333, -0.000675, 0.0000126},
     {285.431761, 1.0697667, 0.0001313},
     {48.786442, 0.7709917, -0.0000014},
     {319.51913, 19139.85475, 0.000181}},
    {5.202561,
     {0.04833475, 0.00016418, -0.0000004676},
     {1.308736, -0.0056961, 0.0000039},
     {273.277558, 0.5994317, 0.00070405},
     {99.443414, 1.01053, 0.00035222},
     {225.32833, 3034.69202, -0.000722}},
    {9.554747,
     {0.05589232, -0.0003455, -0.000000728},
     {2.492519, -0.0039189, -0.00001549},
     {338.3078, 1.0852207, 0.00097854},
     {112.790414, 0.8731951, -0.00015218},
     {175.46622, 1221.55147, -0.000502}},
};

// Main mutual perturbation of Jupiter and Saturn in mean longitude, degrees. It is a
// correction of the mean longitude and therefore enters the mean anomaly with a plus sign.
struct JupiterSaturnTerms {
    double jupiter = 0.0;
    double saturn = 0.0;
};

JupiterSaturnTerms JupiterSaturnPerturbation(double T) {
    const double nu = T / 5.0 + 0.1;
    const double p = ReducedRad(237.47555 + 3034.9061 * T);
    const double q = ReducedRad(265.9165 + 1222.1139 * T);
    const double v = 5.0 * q - 2.0 * p;
    JupiterSaturnTerms out;
    out.jupiter = (0.331364 - 0.010281 * nu - 0.004692 * nu * nu) * std::sin(v) +
                  (0.003228 - 0.064436 * nu + 0.002075 * nu * nu) * std::cos(v) -
                  (0.003083 + 0.000275 * nu - 0.000489 * nu * nu) * std::sin(2.0 * v);
    out.saturn = (-0.814181 + 0.01815 * nu - 0.016714 * nu * nu) * std::sin(v) +
                 (-0.010497 + 0.160906 * nu - 0.0041 * nu * nu) * std::cos(v) -
                 0.148811 * std::sin(q - p);
    return out;
}

Elements MeanElements(int planet, double T) {
    const MeanElementTable& t = kMeanElements[planet];
    double mDeg = t.m.At(T);
    if (planet == 3 || planet == 4) {
        const JupiterSaturnTerms js = JupiterSaturnPerturbation(T);
        mDeg += planet == 3 ? js.jupiter : js.saturn;
    }
    Elements el;
    el.a = t.a;
    el.e = t.e.At(T);
    el.i = t.i.At(T) * kDegToRad;
    el.omega = t.omega.At(T) * kDegToRad;
    el.node = t.node.At(T) * kDegToRad;
    el.m = ReducedRad(mDeg);
    return el;
}

double SolveKepler(double m, double e) {
    double ecc = m;
    for (int n = 0; n < 100; ++n) {  // converges in a handful of steps for e < 1
        const double d = (m + e * std::sin(ecc) - ecc) / (1.0 - e * std::cos(ecc));
        ecc += d;
        if (std::fabs(d) < 1e-6) break;
    }
    return ecc;
}

// Light time per astronomical unit, days.
constexpr double kLightDaysPerAu = 0.0057755183;
// Mean obliquity of 2000.0 (IAU 2006), the frame of the asteroid elements.
constexpr double kObliquity2000Rad = 84381.406 / 3600.0 * kDegToRad;

// Heliocentric position of a body at one instant: the mean equator and equinox of date
// (AU), its distance from the Sun and its ecliptic longitude of date in degrees.
struct Heliocentric {
    Vector3 p;
    double r = 0.0;
    double longitudeDeg = 0.0;
};

// Ecliptic to equatorial coordinates with the obliquity of SunState (mean, of date).
Vector3 EquatorialOfEcliptic(double x, double y, double z) {
    const SunState& sun = Sun();
    return {x, y * sun.cosObliquity - z * sun.sinObliquity,
            y * sun.sinObliquity + z * sun.cosObliquity};
}

// Heliocentric ecliptic position (of the elements' frame) on an elliptic orbit.
Vector3 OrbitPoint(const Elements& el, double& r) {
    const double ecc = SolveKepler(el.m, el.e);
    r = el.a * (1.0 - el.e * std::cos(ecc));
    const double v = 2.0 * std::atan(std::sqrt((1.0 + el.e) / (1.0 - el.e)) * std::tan(ecc / 2.0));
    const double u = v + el.omega;
    return {
        r * (std::cos(el.node) * std::cos(u) - std::sin(el.node) * std::sin(u) * std::cos(el.i)),
        r * (std::sin(el.node) * std::cos(u) + std::cos(el.node) * std::sin(u) * std::cos(el.i)),
        r * std::sin(el.i) * std::sin(u)};
}

Heliocentric MajorPlanetAt(int index, JD1900 t) {
    Heliocentric h;
    const Vector3 e = OrbitPoint(MeanElements(index - kBodyMercury, t / 36525.0), h.r);
    h.longitudeDeg = AngleOf(e.x, e.y) * kRadToDeg;
    h.p = EquatorialOfEcliptic(e.x, e.y, e.z);
    return h;
}

Heliocentric UranusAt(JD1900 t) {
    const UranusLBR u = UranusHeliocentric(t);
    Heliocentric h;
    h.r = u.r;
    h.longitudeDeg = u.l * kRadToDeg;
    h.p = EquatorialOfEcliptic(u.r * std::cos(u.b) * std::cos(u.l),
                               u.r * std::cos(u.b) * std::sin(u.l), u.r * std::sin(u.b));
    return h;
}

// The asteroid elements refer to the ecliptic and equinox of 2000.0: precessed to the
// mean equator of date with the chart's frame.
Heliocentric AsteroidAt(const AsteroidElements& el, double daysFromEpoch,
                        const FrameOfDate& frame) {
    Elements e;
    e.a = el.semiMajorAxis;
    e.e = el.eccentricity;
    e.i = el.inclinationDeg * kDegToRad;
    e.omega = el.perihelionDeg * kDegToRad;
    e.node = el.nodeDeg * kDegToRad;
    e.m = el.meanAnomalyDeg * kDegToRad + kGauss * daysFromEpoch / std::sqrt(e.a * e.a * e.a);
    Heliocentric h;
    const Vector3 ecl = OrbitPoint(e, h.r);
    h.longitudeDeg = AngleOf(ecl.x, ecl.y) * kRadToDeg;
    const double c = std::cos(kObliquity2000Rad), s = std::sin(kObliquity2000Rad);
    const Vector3 eq2000{ecl.x, ecl.y * c - ecl.z * s, ecl.y * s + ecl.z * c};
    h.p = frame.j2000ToMeanOfDate * eq2000;
    return h;
}

// Where a body is seen from the Earth centre at ephemeris time t: the body at the time
// its light left it (t - light time), the Earth (the Sun theory's geometric position) at
// t; then the annual aberration and the nutation of the chart's frame, which bring the
// direction to the true equator and equinox of date.
struct SeenPosition {
    Heliocentric body;  // at the time of emission
    double delta = 0.0;
    EquatorialCoords apparent;
};

template <class BodyAt>
SeenPosition SeenFromEarth(const BodyAt& bodyAt, JD1900 t, const FrameOfDate& frame) {
    const SunState& sun = Sun();
    const Vector3 sunFromEarth =
        EquatorialOfEcliptic(sun.distance * std::cos(sun.trueLongitude),
                             sun.distance * std::sin(sun.trueLongitude), 0.0);
    SeenPosition s;
    Vector3 g;
    double tau = 0.0, length = 0.0;
    for (int pass = 0; pass < 2; ++pass) {
        s.body = bodyAt(t - tau);
        g = {s.body.p.x + sunFromEarth.x, s.body.p.y + sunFromEarth.y, s.body.p.z + sunFromEarth.z};
        length = std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
        if (pass == 0) s.delta = length;  // the distance at t
        tau = length * kLightDaysPerAu;
    }
    FrameOfDate meanOfDate = frame;  // the Earth's velocity in the axes of g
    meanOfDate.earthVelocityOverC = frame.j2000ToMeanOfDate * frame.earthVelocityOverC;
    const Vector3 seen = Aberrated(meanOfDate, {g.x / length, g.y / length, g.z / length});
    RaDecOf(frame.meanToTrueOfDate * seen, s.apparent.ra, s.apparent.dec);
    return s;
}

double PhaseAngleDeg(double r, double delta, double sunDistance) {
    const double c = (r * r + delta * delta - sunDistance * sunDistance) / (2.0 * r * delta);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, c))) * kRadToDeg;
}

// Horizontal coordinates and chart position of a body; stores the plot-table entry.
void PlaceForChart(int index, const SeenPosition& seen, double magnitude, const ChartView& view) {
    PlanetPosition& p = gPlanets[index];
    p.valid = true;
    p.rightAscension = seen.apparent.ra;
    p.declination = seen.apparent.dec;
    p.distance = seen.delta;
    p.sunDistance = seen.body.r;
    p.heliocentricLongitudeDeg = seen.body.longitudeDeg;
    p.magnitude = magnitude;
    const double hourAngle = HourAngle(view.siderealHours, seen.apparent.ra * 12.0 / kPi);
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, seen.apparent.dec, view.sinLatitude, view.cosLatitude);
    p.altitudeDeg = hz.altitude * kRadToDeg;
    p.azimuth = hz.azimuth;
    p.sky = {hz.altitude, hz.azimuth, AboveHorizon(hz.sinAltitude)};
}

void ComputeMajorPlanet(int index, JD1900 t, const ChartView& view) {
    const SeenPosition seen =
        SeenFromEarth([index](JD1900 at) { return MajorPlanetAt(index, at); }, t, view.frame);
    const double r = seen.body.r;
    const double beta = PhaseAngleDeg(r, seen.delta, Sun().distance);
    double mag = 5.0 * std::log10(r * seen.delta);
    switch (index) {
        case kBodyMercury:
            mag += 1.16 + 0.0284 * (beta - 50.0) + 0.0001023 * (beta - 50.0) * (beta - 50.0);
            break;
        case kBodyVenus:
            mag += -4.0 + 0.0132 * beta + 4.25e-7 * beta * beta * beta;
            break;
        case kBodyMars:
            mag += -1.3 + 0.0149 * beta;
            break;
        case kBodyJupiter:
            mag += -8.93;
            break;
        default:
            mag += -8.6 + SaturnRingTerm(seen.body.longitudeDeg, t / 36525.0);
            break;
    }
    gPlanets[index].phaseAngleDeg = beta;
    PlaceForChart(index, seen, mag, view);
}

template <size_t N>
double SumSeries(const uranus_vsop87::VsopTerm (&terms)[N], double t) {
    double s = 0.0;
    for (const auto& term : terms) s += term.a * std::cos(term.b + term.c * t);
    return s;
}

void ComputeUranus(JD1900 t, const ChartView& view) {
    const SeenPosition seen = SeenFromEarth(UranusAt, t, view.frame);
    gPlanets[kBodyUranus].phaseAngleDeg = 0.0;
    PlaceForChart(kBodyUranus, seen, 5.0 * std::log10(seen.body.r * seen.delta) - 7.15, view);
}

// Phase function of the H, G magnitude system; tan(beta/2)^p with 0 for beta = 0.
double PhasePower(double tanHalf, double exponent) {
    return tanHalf > 0.0 ? Power(tanHalf, exponent) : 0.0;
}

void ComputeAsteroid(int index, const AsteroidElements& el, JD1900 t, JD1900 epoch,
                     const ChartView& view) {
    const SeenPosition seen = SeenFromEarth(
        [&](JD1900 at) { return AsteroidAt(el, at - epoch, view.frame); }, t, view.frame);
    const double r = seen.body.r;
    const double beta = PhaseAngleDeg(r, seen.delta, Sun().distance);
    const double tanHalf = std::tan(beta * kDegToRad / 2.0);
    const double phi1 = std::exp(-3.33 * PhasePower(tanHalf, 0.63));
    const double phi2 = std::exp(-1.87 * PhasePower(tanHalf, 1.22));
    const double h = index == kBodyCeres ? 3.34 - 2.5 * std::log10(0.88 * phi1 + 0.12 * phi2)
                                         : 3.2 - 2.5 * std::log10(0.68 * phi1 + 0.32 * phi2);
    gPlanets[index].phaseAngleDeg = beta;
    PlaceForChart(index, seen, h + 5.0 * std::log10(r * seen.delta), view);
}

}  // namespace

PlanetTable& Planets() { return gPlanets; }
void ResetPlanets() { gPlanets = PlanetTable{}; }

UranusLBR UranusHeliocentric(JD1900 t) {
    using namespace uranus_vsop87;
    const double tm = (t / 36525.0 - 1.0) / 10.0;
    UranusLBR u;
    u.l = (SumSeries(kL0, tm) + tm * (SumSeries(kL1, tm) + tm * SumSeries(kL2, tm))) * 1e-8;
    u.l = Mod2Pi(u.l);
    u.b = (SumSeries(kB0, tm) + tm * (SumSeries(kB1, tm) + tm * SumSeries(kB2, tm))) * 1e-8;
    u.r = (SumSeries(kR0, tm) +
           tm * (SumSeries(kR1, tm) +
                 tm * (SumSeries(kR2, tm) + tm * (SumSeries(kR3, tm) + tm * SumSeries(kR4, tm))))) *
          1e-8;
    return u;
}

double SaturnRingTerm(double heliocentricLongitudeDeg, double centuries) {
    double b = heliocentricLongitudeDeg + 11.4 - 1.4 * centuries;
    b -= 180.0 * IntPart(b / 180.0);
    b = 90.0 - std::fabs(90.0 - b);
    if (b < 30.0) return -0.02 * b;
    if (b > 60.0) return -0.9;
    return -0.01 * b - 0.3;
}

void PlanetPositions(JD1900 t, const ObservingPlace& place, const DisplayedInstant& shown) {
    const ChartView view{shown.frame, shown.siderealHours, place.sinLatitude, place.cosLatitude};
    for (int i = kBodyMercury; i <= kBodySaturn; ++i) ComputeMajorPlanet(i, t, view);
    ComputeUranus(t, view);
    const AsteroidPair pair = SelectAsteroidPair(t);
    // The days since the epoch count from the second line's epoch for both.
    ComputeAsteroid(kBodyCeres, pair.ceres, t, pair.vesta.epoch, view);
    ComputeAsteroid(kBodyVesta, pair.vesta, t, pair.vesta.epoch, view);
}
