// The visible part of a pass as an observer reads it: where it begins, its highest
// point (and its brightest moment when the search looks for it) and where it ends,
// with what begins and ends it.
#pragma once

#include <string>
#include <string_view>

#include "core/timescale.h"

// What bounds the visible part: the minimum altitude (the satellite rises or sets),
// the Earth's shadow (exit or entry), the Sun's altitude limit (the sky becomes dark
// enough or too bright), or nothing within a day of the listed instant.
enum class PassLimit { Altitude, Shadow, Twilight, Open };

// The satellite at one moment of its pass.
struct PassEvent {
    JD1900 time = 0.0;  // UT
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // from north through east, [0, 360)
    double magnitude = 0.0;
    double shadowDepthKm = 0.0;  // outside the shadow cylinder; negative inside
    double sunAltitudeDeg = 0.0;
};

struct PassEvents {
    bool found = false;  // false: no visible moment near the listed instant
    PassEvent start, highest, end;
    PassLimit startLimit = PassLimit::Altitude, endLimit = PassLimit::Altitude;
    bool brightestFound = false;  // searched with "maximale Helligkeit suchen"
    PassEvent brightest;

    double DurationSeconds() const { return (end.time - start.time) * 86400.0; }
};

// "rise", "shadow", "twilight" ("open" when nothing bounds it).
std::string_view StartReasonText(PassLimit limit);
// "set", "shadow", "twilight" ("open").
std::string_view EndReasonText(PassLimit limit);

// The 16-point compass word of the event's azimuth, without padding ("SW", "NNO").
std::string EventCompassWord(const PassEvent& event);

// An instant as ISO 8601 in UTC, to the second: "2026-04-27T01:02:35Z".
std::string UtcIsoText(JD1900 instant);
