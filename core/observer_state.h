// The process-wide observer: place, zone, instant, display flags and the loaded
// element file. Created once when the main window starts (from "polaride.cfg" and the
// computer clock) and read and written by every window; the engines read it. How the
// chart is drawn on the screen (rotation, zoom, pointer, geometry) is the chart's own
// record, ChartView() in chart/chart_view.h.
#pragma once

#include <string>

#include "core/frame_of_date.h"
#include "core/timescale.h"
#include "core/zone_rule.h"

struct ObserverState {
    // Place and zone.
    std::string placeName;      // "Beobachtungsort"
    double longitudeDeg = 0.0;  // east positive; 0..360 and -180..180 both valid
    double latitudeDeg = 0.0;   // north positive
    double sinLatitude = 0.0;   // kept in step with latitudeDeg
    double cosLatitude = 1.0;
    double heightM = 0.0;            // above sea level
    std::string zoneName = " UT";    // with one leading blank, e.g. " MEZ"
    double zoneOffsetHours = 0.0;    // zone time minus UTC
    // The zone by rule of the time-zone database ("Europe/Berlin"); empty: the fixed
    // zone of zoneName and zoneOffsetHours. Every local time goes through zoneOffsetAt
    // and zoneNameAt, which give the offset and name in force at that instant.
    std::string zoneRule;
    double limitingMagnitude = 5.0;  // "Grenzgröße (mag)"

    // Instant.
    JD1900 currentJD = 36525.0;  // the displayed instant, UT
    int year = 2000;             // calendar year of the displayed date (for DeltaT)
    double siderealHours = 0.0;  // local apparent sidereal time of currentJD
    JD1900 dynamicJD = 36525.0;  // currentJD + DeltaT/24
    FrameOfDate frame;           // the true equator and equinox of currentJD
    bool timeChanged = true;     // recompute satellites at the next drawing
    JD1900 trailOriginJD = 0.0;  // start of the current run of single time steps
    int timeStepSeconds = 6;     // step of the "+" and "-" keys
    int latestYear = 9999;       // latest year the zoom and pass dialogs accept

    // Display flags ("Ansicht"), kept in the settings file.
    bool showPlanetNames = true;         // "Planetennamen"
    bool showConstellationNames = true;  // "Sternbildnamen"
    bool showConstellationLines = true;  // "Sternbildlinien"
    bool showAltitudeLines = false;      // "Höhenlinien"
    bool showZodiac = false;             // "Tierkreis"

    // Satellites.
    std::string elementFilePath;  // loaded element file; empty: none loaded
    int satelliteCount = 0;
    int trackedSatellite = -1;  // followed by the zoom window; -1 none

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
    // The frame of date of an instant, the local apparent sidereal time at an east
    // longitude and the ephemeris time (DeltaT of `year`): frame, siderealHours and
    // dynamicJD.
    void setInstantFrame(double eastLongitudeDeg, JD1900 instant);
    // The horizon of the place and instant of the last setInstantFrame.
    HorizonOfDate horizon() const;
};

// The one ObserverState of the process.
ObserverState& Observer();
// Back to a freshly constructed state (tests).
void ResetObserverState();
