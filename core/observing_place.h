// The place of observation and its civil zone, as the observer dialog, the maps, the
// place list and entry and the settings load set them. Every other module reads it;
// the engines receive what they need of it as arguments.
#pragma once

#include <string>

#include "core/timescale.h"
#include "core/zone_rule.h"

struct ObservingPlace {
    std::string placeName;      // "Beobachtungsort"
    double longitudeDeg = 0.0;  // east positive; 0..360 and -180..180 both valid
    double latitudeDeg = 0.0;   // north positive
    double sinLatitude = 0.0;   // kept in step with latitudeDeg
    double cosLatitude = 1.0;
    double heightM = 0.0;          // above sea level
    std::string zoneName = " UT";  // with one leading blank, e.g. " MEZ"
    double zoneOffsetHours = 0.0;  // zone time minus UTC
    // The zone by rule of the time-zone database ("Europe/Berlin"); empty: the fixed
    // zone of zoneName and zoneOffsetHours. Every local time goes through zoneOffsetAt
    // and zoneNameAt, which give the offset and name in force at that instant.
    std::string zoneRule;

    // The zone offset (hours) and name (with its leading blank, as zoneName) in force
    // at an instant: those of the rule, else the fixed ones.
    double zoneOffsetAt(JD1900 instant) const;
    std::string zoneNameAt(JD1900 instant) const;
    // A local civil date and time of the zone as UT: by the rule (a time in the gap of
    // a change to summer time is Skipped, one in the repeated hour the earlier instant),
    // else with zoneOffsetHours (always Unique).
    LocalTimeResolution instantFromLocal(int year, int month, int day, int hours, int minutes,
                                         int seconds) const;
    // UT of noon of a local date (in the offset in force at that noon).
    JD1900 localNoon(int year, int month, int day) const;

    // Keeps sinLatitude and cosLatitude in step with latitudeDeg.
    void setLatitude(double degrees);
};

// The one place of the process.
ObservingPlace& Place();
// Back to a freshly constructed place (tests).
void ResetPlace();
