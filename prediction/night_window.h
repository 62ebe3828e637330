// The night window of the pass search: from the evening instant at which the Sun sinks
// below the maximum Sun altitude to the morning instant at which it rises above it
// again, optionally cut at the Sun's lower transit (local midnight) to the first or
// the second half of the night. Instants are JD1900 UT.
#pragma once

#include <string>
#include <vector>

#include "core/timescale.h"

struct ObservingPlace;

// The search window of the pass dialog: start and end of the window searched, and the
// window of the last night that had a sunset or sunrise at the limit.
struct PassWindowState {
    JD1900 windowStart = 0.0;
    JD1900 windowEnd = 0.0;
    JD1900 savedStart = 0.0;
    JD1900 savedEnd = 0.0;
};
PassWindowState& PassWindow();
void ResetPassWindow();

// The Sun near one local noon.
struct SunTransit {
    JD1900 transit = 0.0;      // upper transit (UT)
    double declination = 0.0;  // radians, from the Sun at local noon
    double cosH0 = 0.0;        // cosine of the hour angle at which the Sun stands at the limit
};
// Transit of the Sun after local noon `noon` (UT) and the hour-angle cosine for the
// altitude limit at the place. deltaTDays = ephemeris time minus UT in days.
SunTransit SunTransitNear(JD1900 noon, double deltaTDays, double limitDeg,
                          const ObservingPlace& place);

// Altitude of the Sun in degrees at t seen from the place.
double SunAltitudeDeg(JD1900 t, double deltaTDays, const ObservingPlace& place);
// The Sun's hour angle at t at the place, radians in -pi..pi.
double SunHourAngle(JD1900 t, double deltaTDays, const ObservingPlace& place);
// One secant step over 0.001 day towards the instant at which the Sun stands at the limit.
JD1900 SecantStep(JD1900 t, double limitDeg, double deltaTDays, const ObservingPlace& place);
// The Sun's lower transit (local midnight) before `end`, two steps.
JD1900 LowerTransitBefore(JD1900 end, double deltaTDays, const ObservingPlace& place);
// The Sun's lower transit after `start`, two steps.
JD1900 LowerTransitAfter(JD1900 start, double deltaTDays, const ObservingPlace& place);

// The Sun's lowest altitude on a day of declination declinationDeg at latitudeDeg (its
// altitude at the lower transit, |latitude + declination| - 90), raised to the next
// 0.01 degree strictly above it: the limit offered when the Sun never gets down to
// the chosen one. Above the lowest altitude the Sun sets below the limit and rises
// again, so the short window about local midnight exists; a limit cut toward zero
// would lie below it and leave no window at all. The limit is raised at most to the
// horizon (0): a Sun that stays above the horizon all night leaves no dark sky to
// search, whatever the limit.
double RaisedSunLimitDeg(double declinationDeg, double latitudeDeg);

// What the night of a date looks like at the limit.
enum class NightKind {
    Normal,      // the Sun sets below and rises above the limit
    DarkAllDay,  // the Sun stays below the limit from noon to noon
    NoDarkness,  // the Sun never gets down to the limit: no window
};

struct NightWindowResult {
    NightKind kind = NightKind::Normal;
    JD1900 start = 0.0;
    JD1900 end = 0.0;
    JD1900 eveningNoon = 0.0;  // local noon of the day on whose evening the night begins (UT)
};

// The night that begins on the evening of the local date year-month-day (hour < 12
// selects the night that began the evening before) at the place, in its zone.
// A side without a sunset (or sunrise) at the limit while the other side has one is
// closed symmetrically about the Sun's lower transit; a night with no darkness at all
// gives NoDarkness.
NightWindowResult ComputeNightWindow(int year, int month, int day, int hour,
                                     double maxSunAltitudeDeg, bool firstHalf, bool secondHalf,
                                     const ObservingPlace& place);

// The night of the local date and hour of instant (zone of the place), as
// ComputeNightWindow; PassWindow() stays as it is.
NightWindowResult NightOfInstant(JD1900 instant, double maxSunAltitudeDeg, bool firstHalf,
                                 bool secondHalf, const ObservingPlace& place);
// PassWindow() becomes the window of the night (and its saved window).
void SetPassWindow(const NightWindowResult& night);

// The same as NightOfInstant, and sets PassWindow().windowStart/windowEnd (and the saved window)
// unless the night has no darkness, which leaves the window unchanged: the search
// skips such a night.
NightWindowResult NightWindow(JD1900 instant, double maxSunAltitudeDeg, bool firstHalf,
                              bool secondHalf, const ObservingPlace& place);

// A night without darkness at its Sun limit (a white night, or the midnight Sun).
struct NightWithoutDarkness {
    JD1900 eveningNoon = 0.0;  // as in NightWindowResult
    double limitDeg = 0.0;     // the limit the Sun did not get down to
};
// The German note naming such nights, consecutive ones of the same limit together
// (the dates are those of the evenings, in the zone of the place):
// "Kein dunkler Himmel in der Nacht vom 15.12.2026: die Sonne sinkt nicht unter 0°."
// "Kein dunkler Himmel in den Nächten vom 15.12.2026 bis 20.12.2026: ..."
// One line per group; empty when there are none.
std::string NightsWithoutDarknessText(const std::vector<NightWithoutDarkness>& nights,
                                      const ObservingPlace& place);
