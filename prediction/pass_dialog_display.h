// The search window that the pass prediction dialog shows while its fields are
// edited: one window of a number of minutes from a typed date and time ("Dauer in
// Minuten"), or the span of a number of nights from the evening of the chart's date.
// Instants are JD1900 UT, local dates and times those of the place's zone.
#pragma once

#include <string>
#include <vector>

#include "core/date_text.h"
#include "core/timescale.h"
#include "prediction/night_window.h"

// Start of the window of the duration mode: the local date and time in the zone of
// the place, as UT (ObservingPlace::instantFromLocal; the dialog refuses a time in the
// gap of a change to summer time before a search).
JD1900 DurationStart(const datetext::Date& date, const datetext::Time& time,
                     const ObservingPlace& place);

// The span of `nights` nights at the place beginning on the evening of the local date
// (an hour below 12 selects the night that began the evening before).
struct NightSpan {
    JD1900 start = 0.0;
    JD1900 end = 0.0;
    // The limit in degrees after any raise, and each new limit announced (the Sun
    // never got down to the limit on the first or the last day). A limit is raised
    // at most to 0: a Sun above the horizon all night leaves that night without a
    // window, which the search then names.
    double limitDeg = 0.0;
    std::vector<double> raisedLimitsDeg;
};
NightSpan ComputeNightSpan(int year, int month, int day, int hour, int nights, double limitDeg,
                           bool firstHalf, bool secondHalf, const ObservingPlace& place);
