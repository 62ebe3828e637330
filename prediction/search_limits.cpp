#include "prediction/search_limits.h"

#include <cmath>

namespace {

bool Within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

std::optional<std::string> SearchParameterProblem(const PassSearchParameters& p, int count) {
    if (p.durationMode) {
        if (count < 1 || count > kMaxSearchMinutes)
            return "Die Dauer muss zwischen 1 und " + std::to_string(kMaxSearchMinutes) +
                   " Minuten liegen.";
    } else if (count < 1 || count > kMaxSearchNights) {
        return "Die Anzahl Tage muss zwischen 1 und " + std::to_string(kMaxSearchNights) +
               " liegen.";
    }
    if (!Within(p.minAltitudeDeg, -90.0, 90.0))
        return std::string("Die minimale Satellitenhöhe muss zwischen -90 und 90 Grad liegen.");
    if (!Within(p.maxSunAltitudeDeg, -90.0, 90.0))
        return std::string("Die maximale Sonnenhöhe muss zwischen -90 und 90 Grad liegen.");
    if (!Within(p.limitingMagnitude, kMinLimitingMagnitude, kMaxLimitingMagnitude))
        return std::string("Die Grenzhelligkeit muss zwischen -30 und 99 mag liegen.");
    return std::nullopt;
}
