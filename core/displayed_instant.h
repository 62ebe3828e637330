// The instant the windows show, with its frame of date and sidereal time. Set by the
// main window's time control (clock, keys, "Zeit" dialogs) and the ephemeris update,
// which computes the frame; the windows read it and pass the instant to the engines.
#pragma once

#include "core/frame_of_date.h"
#include "core/timescale.h"

struct ObservingPlace;

struct DisplayedInstant {
    JD1900 currentJD = 36525.0;  // the displayed instant, UT
    int year = 2000;             // calendar year of the displayed date (for DeltaT)
    double siderealHours = 0.0;  // local apparent sidereal time of currentJD
    JD1900 dynamicJD = 36525.0;  // currentJD + DeltaT/24
    FrameOfDate frame;           // the true equator and equinox of currentJD
    bool timeChanged = true;     // recompute satellites at the next drawing
    JD1900 trailOriginJD = 0.0;  // start of the current run of single time steps
    int timeStepSeconds = 6;     // step of the "+" and "-" keys
    int latestYear = 9999;       // latest year the zoom and pass dialogs accept

    // The frame of date of an instant, the local apparent sidereal time at an east
    // longitude and the ephemeris time (DeltaT of `year`): frame, siderealHours and
    // dynamicJD.
    void setInstantFrame(double eastLongitudeDeg, JD1900 instant);
    // The horizon of a place at the instant of the last setInstantFrame.
    HorizonOfDate horizon(const ObservingPlace& place) const;
};

// The one displayed instant of the process.
DisplayedInstant& Shown();
// Back to a freshly constructed instant (tests).
void ResetShown();
