// The computing half of the chart for one instant: sidereal and ephemeris time, the
// Sun, the sky shades, the Moon, the stars, labels and nebulae of the sky data files,
// the planets and the minor body, written into the shared records and plot tables
// without drawing. The main chart (DrawSkyChart) runs the same steps and draws
// between them; the zoom window, the maps, the place windows and the pass list call
// UpdateEphemeris instead when the zoom window is the active chart.
//
// UpdateEphemeris reads the sky data files through the catalogue readers and is
// therefore linked from the chart library (chart/sky_chart_compute.cpp); the sky
// shades and UpdateSunMoon are plain core code.
#pragma once

#include "core/timescale.h"

// Grey levels derived from the Sun's altitude by the last drawing or update.
struct SkyShades {
    int skyGrey = 0;     // the sky disc is RGB(level, level, level)
    int lineGrey = 120;  // constellation lines and nebula circles
};

SkyShades& ChartShades();
void ResetChartShades();

// Sky grey level for a Sun altitude in degrees (truncated to whole degrees first):
// 160 at or above the horizon, 100 at -12 deg, 40 at -18 deg, 0 from about -22 deg.
int SkyGreyLevel(double sunAltitudeDeg);
// Line grey level: 180 at or above the horizon, falling to 120 at -18 deg and below.
int LineGreyLevel(double sunAltitudeDeg);

// The frame of date with the apparent sidereal time, dynamicJD, the Sun (SunState with
// its chart values, BodyPlotTable entry 0), the sky shades and the Moon (MoonState,
// entry 1) for an instant at a place. Writes frame, siderealHours and dynamicJD of
// the observer records (Place(), Shown()).
void UpdateSunAndShades(double cosLatitude, double sinLatitude, double eastLongitudeDeg,
                        JD1900 instant);

// The frame of date with the sidereal time, ephemeris time, the Sun (right ascension,
// declination, altitude) and the Moon; nothing else.
void UpdateSunMoon(double cosLatitude, double sinLatitude, double eastLongitudeDeg, JD1900 instant);

// Everything the chart computes for the instant (see above). A missing or malformed
// data file stops the update at that step and throws the reader's error (DataFileError
// or EphemerisFileError); the values computed before it stay.
void UpdateEphemeris(double cosLatitude, double sinLatitude, double eastLongitudeDeg,
                     JD1900 instant);
