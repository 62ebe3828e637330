// Rising and setting of the Sun (and the twilights) and the Moon for the local date of
// ObserverState::currentJD at the observer's place. Results are JD1900 UT; 0 means there
// is no such event (polar day or night, no twilight, or an arithmetic failure).
#pragma once

#include "core/timescale.h"

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
RiseSetTimes SunRiseSet(double h0Deg);

// Setting and rising of the Moon (horizon altitude -0.567 deg, topocentric).
RiseSetTimes MoonRiseSet();
