#include <gtest/gtest.h>

#include <cmath>

#include "core/timescale.h"
#include "satellite/anomaly.h"

namespace {

TEST(Anomaly, MeanAnomalyOfTrueAnomaly) {
    EXPECT_NEAR(MeanAnomalyOfTrue(0.0, 0.3), 0.0, 1e-15);
    EXPECT_NEAR(MeanAnomalyOfTrue(kPi, 0.3), kPi, 1e-12);
    EXPECT_NEAR(MeanAnomalyOfTrue(1.0, 0.0), 1.0, 1e-15);
    // Kepler: the result satisfies M = E - e sin E with tan(v/2) = sqrt((1+e)/(1-e)) tan(E/2).
    const double e = 0.2, v = 2.0;
    const double E = 2.0 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
    EXPECT_NEAR(MeanAnomalyOfTrue(v, e), E - e * std::sin(E), 1e-15);
    EXPECT_NEAR(MeanAnomalyOfTrue(-v, e), -(E - e * std::sin(E)), 1e-15);
    EXPECT_NEAR(Mod2Pi(MeanAnomalyOfTrue(-v, e)), kTwoPi - (E - e * std::sin(E)), 1e-12);
}

}  // namespace
