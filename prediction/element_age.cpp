#include "prediction/element_age.h"

#include <algorithm>
#include <cmath>

#include "satellite/satellite_table.h"

namespace {

// Epoch of selected set k; nullopt when the set cannot be read.
std::optional<JD1900> EpochOfSelected(int k) {
    const SatelliteOrbit& orbit = Satellites().SelectedOrbit(k);
    if (!orbit.readable) return std::nullopt;
    return orbit.elements.epoch;
}

std::string WholeDays(double days) { return std::to_string(static_cast<int>(std::floor(days))); }

}  // namespace

std::optional<double> ElementAgeDays(int k, JD1900 instant) {
    const std::optional<JD1900> epoch = EpochOfSelected(k);
    if (!epoch) return std::nullopt;
    return instant - *epoch;
}

StaleElements StaleSelectedElements(JD1900 from, JD1900 to) {
    StaleElements stale;
    for (int k = 0; k < Satellites().selectedCount; ++k) {
        const std::optional<JD1900> epoch = EpochOfSelected(k);
        if (!epoch) continue;
        // The age is largest at the window's end, the distance to an epoch ahead at its start.
        const double age = std::max(from, to) - *epoch;
        const double ahead = *epoch - std::min(from, to);
        if (age > kElementAgeLimitDays) {
            ++stale.satellites;
            stale.largestAgeDays = std::max(stale.largestAgeDays, age);
        }
        if (ahead > kElementAgeLimitDays) {
            ++stale.futureSatellites;
            stale.largestFutureDays = std::max(stale.largestFutureDays, ahead);
        }
    }
    return stale;
}

std::string StaleElementsText(const StaleElements& stale) {
    std::string text;
    if (stale.satellites > 0)
        text = "Die Elemente von " + std::to_string(stale.satellites) +
               " ausgewählten Satelliten sind älter als 14 Tage (bis zu " +
               WholeDays(stale.largestAgeDays) + " Tage).";
    if (stale.futureSatellites > 0)
        text += (text.empty() ? "" : "\n") + std::string("Die Elemente von ") +
                std::to_string(stale.futureSatellites) + " ausgewählten Satelliten liegen bis zu " +
                WholeDays(stale.largestFutureDays) + " Tage in der Zukunft.";
    return text;
}
