// What the charts show ("Ansicht") and down to which magnitude ("Grenzgröße"). Set by
// the view menu, the observer dialog (limiting magnitude) and the settings load; the
// chart drawing reads it.
#pragma once

struct DisplayOptions {
    double limitingMagnitude = 5.0;      // "Grenzgröße (mag)"
    bool showPlanetNames = true;         // "Planetennamen"
    bool showConstellationNames = true;  // "Sternbildnamen"
    bool showConstellationLines = true;  // "Sternbildlinien"
    bool showAltitudeLines = false;      // "Höhenlinien"
    bool showZodiac = false;             // "Tierkreis"
};

// The one set of display options of the process.
DisplayOptions& ViewOptions();
// Back to the defaults (tests).
void ResetViewOptions();
