// Kepler's relation between the anomalies of an elliptic orbit (no Qt).
#pragma once

#include <cmath>

// Mean anomaly of a true anomaly ν for an eccentricity e < 1, radians in (-π, π]:
// E = 2·atan(√((1 - e)/(1 + e))·tan(ν/2)), M = E - e·sin E.
inline double MeanAnomalyOfTrue(double trueAnomaly, double e) {
    const double E =
        2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(trueAnomaly / 2.0));
    return E - e * std::sin(E);
}
