#include "prediction/element_age.h"

#include <algorithm>
#include <cmath>

#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

std::optional<double> ElementAgeDays(int k, JD1900 instant) {
    const ElementSet set = Satellites().Selected(k);
    SgpElements elements;
    if (!ParseSgpElements(set.line1, set.line2, elements)) return std::nullopt;
    return instant - elements.epoch;
}

StaleElements StaleSelectedElements(JD1900 from, JD1900 to) {
    StaleElements stale;
    for (int k = 0; k < Satellites().selectedCount; ++k) {
        // The distance from the epoch is largest at one end of the window.
        const auto first = ElementAgeDays(k, from);
        const auto last = ElementAgeDays(k, to);
        if (!first || !last) continue;
        const double largest = std::max(std::fabs(*first), std::fabs(*last));
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
