// The deep-space branch of SGP4 (SDP4) for orbits of 225 minutes and more: the secular
// and long-period perturbations by the Sun and the Moon, and the resonances of
// half-day (12 h, high eccentricity) and one-day (geosynchronous) orbits with the
// Earth's tesseral harmonics. After Hoots & Roehrich, Spacetrack Report No. 3 (1980),
// with the corrections of Vallado, Crawford, Hujsak & Kelso, "Revisiting Spacetrack
// Report #3" (AIAA 2006-6753). Units: Earth radii, minutes, radians.
#pragma once

// Elements that the deep-space steps carry forward: mean elements at an instant.
struct DeepSpaceElements {
    double eccentricity = 0.0;
    double inclinationRad = 0.0;
    double nodeRad = 0.0;
    double perigeeRad = 0.0;
    double meanAnomalyRad = 0.0;
    double meanMotionRadMin = 0.0;
};

// What the epoch fixes for the deep-space steps.
struct DeepSpaceTerms {
    // Lunar-solar long-period terms: the coefficients of the Sun (s..) and of the Moon
    // (x.., e3, ee2) and the mean anomalies of both at the epoch.
    double se2 = 0, se3 = 0, si2 = 0, si3 = 0, sl2 = 0, sl3 = 0, sl4 = 0;
    double sgh2 = 0, sgh3 = 0, sgh4 = 0, sh2 = 0, sh3 = 0;
    double ee2 = 0, e3 = 0, xi2 = 0, xi3 = 0, xl2 = 0, xl3 = 0, xl4 = 0;
    double xgh2 = 0, xgh3 = 0, xgh4 = 0, xh2 = 0, xh3 = 0;
    double zmos = 0, zmol = 0;
    // Lunar-solar secular rates, per minute.
    double eccentricityRate = 0, inclinationRate = 0, meanAnomalyRate = 0;
    double nodeRate = 0, perigeeRate = 0;
    // Resonance: 0 none, 1 one-day (synchronous), 2 half-day.
    int resonance = 0;
    double d2201 = 0, d2211 = 0, d3210 = 0, d3222 = 0, d4410 = 0;
    double d4422 = 0, d5220 = 0, d5232 = 0, d5421 = 0, d5433 = 0;
    double del1 = 0, del2 = 0, del3 = 0;
    double xfact = 0, xlamo = 0;
    double siderealAtEpochRad = 0;  // Greenwich sidereal angle at the epoch
};

// The near-earth quantities of the epoch that the deep-space steps read.
struct DeepSpaceEpoch {
    double epochDays1950 = 0.0;  // JD - 2433281.5
    double siderealAtEpochRad = 0.0;
    DeepSpaceElements elements;  // mean elements of the set, Brouwer mean motion
    double meanAnomalyDot = 0.0, perigeeDot = 0.0, nodeDot = 0.0;  // J2/J4 secular rates
};

DeepSpaceTerms InitDeepSpace(const DeepSpaceEpoch& epoch);

// Where the resonance integration stood after a propagation: the next propagation
// to a later time on the same side of the epoch goes on from there instead of from
// the epoch, in the same steps, so the result is the same to the last bit. Owned by
// the caller (one per orbit and thread).
struct ResonanceCarry {
    double atime = 0.0;  // minutes after the epoch; 0: nothing carried
    double xli = 0.0;
    double xni = 0.0;
};

// Secular lunar-solar effects and the resonance integration up to t minutes after the
// epoch. `mean` holds the near-earth secular elements at t on entry (eccentricity,
// inclination, node, perigee and mean anomaly) and the deep-space ones on return,
// with the mean motion.
void ApplyDeepSpaceSecular(const DeepSpaceTerms& terms, const DeepSpaceEpoch& epoch, double t,
                           DeepSpaceElements& mean, ResonanceCarry* carry = nullptr);

// Lunar-solar long-period perturbations at t minutes after the epoch, applied to the
// eccentricity, inclination, node, perigee and mean anomaly of `elements`.
void ApplyDeepSpacePeriodics(const DeepSpaceTerms& terms, double t, DeepSpaceElements& elements);
