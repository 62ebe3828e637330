// How old the elements of the selected satellites are at the instants a prediction
// uses: elements more than 14 days from their epoch, before it or after it, are no
// longer to be trusted.
#pragma once

#include <optional>
#include <string>

#include "core/timescale.h"

inline constexpr double kElementAgeLimitDays = 14.0;

// Instant minus the epoch of selected set k (from 0), days; nullopt when the set
// cannot be read.
std::optional<double> ElementAgeDays(int k, JD1900 instant);

struct StaleElements {
    int satellites = 0;              // selected sets older than the limit at the window's end
    double largestAgeDays = 0.0;     // the largest age, days
    int futureSatellites = 0;        // selected sets whose epoch lies more than the limit
                                     // after the window's start
    double largestFutureDays = 0.0;  // the farthest epoch after the start, days
};
// The selected sets whose epoch lies more than kElementAgeLimitDays from some instant
// of the window [from, to]: before it (old elements) or after it (elements from the
// future). A set far from both ends of a long window counts in both.
StaleElements StaleSelectedElements(JD1900 from, JD1900 to);

// "Die Elemente von N ausgewählten Satelliten sind älter als 14 Tage (bis zu X Tage)."
// and "Die Elemente von N ausgewählten Satelliten liegen bis zu X Tage in der Zukunft.",
// on two lines when both apply; empty when none does.
std::string StaleElementsText(const StaleElements& stale);
