// The observing place and the clock as the satellite tests and benchmarks set them
// (header only: the benchmarks use it without the test library).
#pragma once

#include <string>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"

namespace testsupport {

inline void PlaceObserver(const std::string& name, double longitudeDeg, double latitudeDeg,
                          double heightM, double zoneOffsetHours) {
    Place().placeName = name;
    Place().longitudeDeg = longitudeDeg;
    Place().setLatitude(latitudeDeg);
    Place().heightM = heightM;
    Place().zoneOffsetHours = zoneOffsetHours;
    Place().zoneRule.clear();  // a fixed zone
}

// Berlin, 13.4° E, 52.5° N.
inline void PlaceObserverInBerlin(double heightM, double zoneOffsetHours) {
    PlaceObserver("Berlin", 13.4, 52.5, heightM, zoneOffsetHours);
}

// The clock set to a local date and time of the observer's zone, with the dynamical
// time and the date and time texts that go with it.
inline void SetObserverLocalTime(int year, int month, int day, double hour) {
    Shown().year = year;
    Shown().currentJD = JulianDay1900(year, month, day) + (hour - Place().zoneOffsetHours) / 24.0;
    Shown().dynamicJD = Shown().currentJD + DeltaT(year) / 24.0;
    FormatDateTime1900(Shown().currentJD);
}

}  // namespace testsupport
