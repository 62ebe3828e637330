#include "core/observer_state.h"

#include <cmath>

namespace {
ObserverState gObserver;
}  // namespace

void ObserverState::setLatitude(double degrees) {
    latitudeDeg = degrees;
    sinLatitude = std::sin(degrees * kPi / 180.0);
    cosLatitude = std::cos(degrees * kPi / 180.0);
}

void ObserverState::setInstantFrame(double eastLongitudeDeg, JD1900 instant) {
    frame = FrameOfDateAt(instant);
    siderealHours = LocalApparentSiderealHours(frame, eastLongitudeDeg);
    dynamicJD = instant + DeltaT(year) / 24.0;
}

double ObserverState::zoneOffsetAt(JD1900 instant) const {
    return zoneRule.empty() ? zoneOffsetHours : ZoneAtInstant(zoneRule, instant).offsetHours;
}

std::string ObserverState::zoneNameAt(JD1900 instant) const {
    return zoneRule.empty() ? zoneName : " " + ZoneAtInstant(zoneRule, instant).name;
}

LocalTimeResolution ObserverState::instantFromLocal(int year, int month, int day, int hours,
                                                    int minutes, int seconds) const {
    if (!zoneRule.empty())
        return InstantFromZoneCivil(zoneRule, year, month, day, hours, minutes, seconds);
    LocalTimeResolution result;
    result.instant = InstantFromCivil(year, month, day, hours, minutes, seconds, zoneOffsetHours);
    result.zone = {zoneOffsetHours, zoneName};
    return result;
}

JD1900 ObserverState::localNoon(int year, int month, int day) const {
    const JD1900 day0 = JulianDay1900(year, month, day);
    if (zoneRule.empty()) return day0 + (12.0 - zoneOffsetHours) / 24.0;
    const double offset = zoneOffsetAt(day0 + 0.5 - zoneOffsetAt(day0 + 0.5) / 24.0);
    return day0 + (12.0 - offset) / 24.0;
}

HorizonOfDate ObserverState::horizon() const {
    return HorizonOfDateAt(frame, siderealHours, sinLatitude, cosLatitude);
}

ObserverState& Observer() { return gObserver; }

void ResetObserverState() { gObserver = ObserverState{}; }
