// Rising and setting of the Sun (and the twilights) and the Moon for the local date (in
// the zone of the place) of an instant at a place. Results are JD1900 UT; 0 means there
// is no such event (polar day or night, no twilight, or an arithmetic failure).
#pragma once

#include "core/timescale.h"

struct ObservingPlace;

struct RiseSetTimes {
    JD1900 setting = 0.0;
    JD1900 rising = 0.0;
};

// Sun altitudes of the events, degrees.
inline constexpr double kSunriseAltitudeDeg = -0.833;
inline constexpr double kCivilTwilightDeg = -6.0;          // "Bürgerliche Dämmerung"
inline constexpr double kNauticalTwilightDeg = -12.0;      // "Nautische Dämmerung"
inline constexpr double kAstronomicalTwilightDeg = -18.0;  // "Astronomische Dämmerung"

// Setting and rising of the Sun's centre through altitude h0Deg. Leaves SunState holding
// the last instant computed; the date texts are not touched.
RiseSetTimes SunRiseSet(double h0Deg, const ObservingPlace& place, JD1900 instant);

// Setting and rising of the Moon (horizon altitude -0.567 deg, topocentric); `year` is
// that of the displayed date, whose DeltaT the Moon's sidereal time takes.
RiseSetTimes MoonRiseSet(const ObservingPlace& place, JD1900 instant, int year);
