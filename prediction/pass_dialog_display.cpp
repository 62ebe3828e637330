#include "prediction/pass_dialog_display.h"

#include <algorithm>
#include <cmath>

#include "core/observing_place.h"
#include "prediction/night_window.h"

namespace {

struct Side {
    SunTransit sun;
    bool darkAllDay = false;  // the Sun stays below the limit
    bool noDarkness = false;  // the Sun never gets down to the limit
};

Side SideAt(JD1900 noon, double deltaTDays, double limitDeg, const ObservingPlace& place) {
    Side side;
    side.sun = SunTransitNear(noon, deltaTDays, limitDeg, place);
    if (std::fabs(side.sun.cosH0) >= 1.0) {
        // Highest altitude of the Sun that day.
        const double highestDeg =
            90.0 - std::fabs(place.latitudeDeg - side.sun.declination * kRadToDeg);
        side.darkAllDay = limitDeg > highestDeg;
        side.noDarkness = !side.darkAllDay;
    }
    return side;
}

double HourAngleDays(const SunTransit& sun) {
    const double c = std::clamp(sun.cosH0, -1.0, 1.0);
    return std::acos(c) * kRadToDeg / 360.0;
}

}  // namespace

JD1900 DurationStart(const datetext::Date& date, const datetext::Time& time,
                     const ObservingPlace& place) {
    return place
        .instantFromLocal(date.year, date.month, date.day, time.hour, time.minute, time.second)
        .instant.instant;
}

NightSpan ComputeNightSpan(int year, int month, int day, int hour, int nights, double limitDeg,
                           bool firstHalf, bool secondHalf, const ObservingPlace& place) {
    NightSpan span;
    if (hour < 12) --day;
    const double deltaTDays = DeltaT(year) / 24.0;
    const JD1900 noon = place.localNoon(year, month, day);
    const double latitudeDeg = place.latitudeDeg;

    // The limit is raised at most to the horizon: a limit there already is not raised
    // again (nor announced twice).
    auto raise = [&](Side& side, JD1900 at) {
        const double raised = RaisedSunLimitDeg(side.sun.declination * kRadToDeg, latitudeDeg);
        if (!(raised > limitDeg)) return;
        limitDeg = raised;
        span.raisedLimitsDeg.push_back(limitDeg);
        side = SideAt(at, deltaTDays, limitDeg, place);
    };

    // Evening of the first night. A raised limit below the horizon lies above the Sun's
    // lowest altitude, so the Sun crosses it on both sides of the lower transit; a Sun
    // that stays above the horizon leaves no window, shown as the lower transit.
    Side evening = SideAt(noon, deltaTDays, limitDeg, place);
    if (evening.noDarkness) raise(evening, noon);
    if (evening.darkAllDay)
        span.start = evening.sun.transit;
    else if (evening.noDarkness)
        span.start = evening.sun.transit + 0.5;
    else
        span.start = SecantStep(evening.sun.transit + HourAngleDays(evening.sun), limitDeg,
                                deltaTDays, place);

    // Morning after the last night.
    const JD1900 lastNoon = noon + nights;
    Side morning = SideAt(lastNoon, deltaTDays, limitDeg, place);
    if (morning.darkAllDay) {
        span.end = morning.sun.transit;
        span.limitDeg = limitDeg;
        return span;
    }
    if (morning.noDarkness) raise(morning, lastNoon);
    if (morning.noDarkness)
        span.end = morning.sun.transit - 0.5;
    else
        span.end = SecantStep(morning.sun.transit - HourAngleDays(morning.sun), limitDeg,
                              deltaTDays, place);

    if (firstHalf && !secondHalf) span.end = LowerTransitBefore(span.end, deltaTDays, place);
    if (secondHalf && !firstHalf) span.start = LowerTransitAfter(span.start, deltaTDays, place);
    span.limitDeg = limitDeg;
    return span;
}
