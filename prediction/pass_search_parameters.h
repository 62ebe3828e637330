// What the pass dialog (or the command line) asks of the pass search.
#pragma once

struct PassSearchParameters {
    int nights = 1;                   // "Anzahl Tage" (night mode)
    double minAltitudeDeg = 10.0;     // "minimale Satellitenhöhe"
    double maxSunAltitudeDeg = -5.0;  // "maximale Sonnenhöhe"
    double limitingMagnitude = 6.0;   // "Grenzhelligkeit mag"
    bool shadow = true;               // "Schattenberechnung"
    bool firstHalf = true;            // "erste Nachthälfte"
    bool secondHalf = true;           // "zweite Nachthälfte"
    // "Dauer in Minuten": one window, PassWindow().windowStart .. windowEnd, which the
    // caller sets (the dialog from its "von" fields and the minutes).
    bool durationMode = false;
    bool brightest = false;  // "maximale Helligkeit suchen"
    // Spare the work that cannot give a pass (search_bounds.h): satellites whose orbit
    // never comes high enough at the observer's latitude, and with the shadow search
    // the stretches of a night in which they cannot be high enough and sunlit. The
    // list is the same either way (off to compare).
    bool workBounds = true;
    // Worker threads of the search; 0 = one per core. The list is the same for any.
    int threads = 0;
};
