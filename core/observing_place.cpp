#include "core/observing_place.h"

#include <cmath>

namespace {
ObservingPlace gPlace;
}  // namespace

void ObservingPlace::setLatitude(double degrees) {
    latitudeDeg = degrees;
    sinLatitude = std::sin(degrees * kPi / 180.0);
    cosLatitude = std::cos(degrees * kPi / 180.0);
}

double ObservingPlace::zoneOffsetAt(JD1900 instant) const {
    return zoneRule.empty() ? zoneOffsetHours : ZoneAtInstant(zoneRule, instant).offsetHours;
}

std::string ObservingPlace::zoneNameAt(JD1900 instant) const {
    return zoneRule.empty() ? zoneName : " " + ZoneAtInstant(zoneRule, instant).name;
}

LocalTimeResolution ObservingPlace::instantFromLocal(int year, int month, int day, int hours,
                                                     int minutes, int seconds) const {
    if (!zoneRule.empty())
        return InstantFromZoneCivil(zoneRule, year, month, day, hours, minutes, seconds);
    LocalTimeResolution result;
    result.instant = InstantFromCivil(year, month, day, hours, minutes, seconds, zoneOffsetHours);
    result.zone = {zoneOffsetHours, zoneName};
    return result;
}

JD1900 ObservingPlace::localNoon(int year, int month, int day) const {
    const JD1900 day0 = JulianDay1900(year, month, day);
    if (zoneRule.empty()) return day0 + (12.0 - zoneOffsetHours) / 24.0;
    const double offset = zoneOffsetAt(day0 + 0.5 - zoneOffsetAt(day0 + 0.5) / 24.0);
    return day0 + (12.0 - offset) / 24.0;
}

ObservingPlace& Place() { return gPlace; }

void ResetPlace() { gPlace = ObservingPlace{}; }
