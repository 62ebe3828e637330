#include "prediction/element_age.h"

#include <algorithm>
#include <cmath>

#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

namespace {

// Epoch of selected set k; nullopt when the set cannot be read.
std::optional<JD1900> EpochOfSelected(int k) {
    const ElementSet set = Satellites().Selected(k);
    SgpElements elements;
    if (!ParseSgpElements(set.line1, set.line2, elements)) return std::nullopt;
    return elements.epoch;
}

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
        // The distance from the epoch is largest at one end of the window.
        const double largest = std::max(std::fabs(from - *epoch), std::fabs(to - *epoch));
        if (largest <= kElementAgeLimitDays) continue;
        ++stale.satellites;
        stale.largestAgeDays = std::max(stale.largestAgeDays, largest);
    }
    return stale;
}

std::string StaleElementsText(const StaleElements& stale) {
    if (stale.satellites == 0) return {};
    const std::string days = std::to_string(static_cast<int>(std::floor(stale.largestAgeDays)));
    return "Die Elemente von " + std::to_string(stale.satellites) +
           " ausgewählten Satelliten sind älter als 14 Tage (bis zu " + days + " Tage).";
}
