// How old the elements of the selected satellites are at the instants a prediction
// uses: elements more than 14 days from their epoch are no longer to be trusted.
#pragma once

#include <optional>
#include <string>

#include "core/timescale.h"

inline constexpr double kElementAgeLimitDays = 14.0;

// Instant minus the epoch of selected set k (from 0), days; nullopt when the set
// cannot be read.
std::optional<double> ElementAgeDays(int k, JD1900 instant);

struct StaleElements {
    int satellites = 0;           // selected sets more than the limit from their epoch
    double largestAgeDays = 0.0;  // the largest distance from an epoch, days
};
// The selected sets whose epoch lies more than kElementAgeLimitDays from some instant
// of the window [from, to].
StaleElements StaleSelectedElements(JD1900 from, JD1900 to);

// "Die Elemente von N ausgewählten Satelliten sind älter als 14 Tage (bis zu X Tage)."
// (empty when none is).
std::string StaleElementsText(const StaleElements& stale);
