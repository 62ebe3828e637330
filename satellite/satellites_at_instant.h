// The selected satellites at the chart instant (sky positions, magnitudes, shadow
// marks) and the one-line position table of the zoom window.
#pragma once

#include <string>

#include "core/timescale.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"

// For every selected satellite at the instant, seen from the place: its sky position (not above
// the horizon when it failed, is below the horizon or not a number), chartMagnitude
// and inShadow in Satellites(); the chart projects the positions
// (chart/satellite_plot.h).
// Runs LoadElementFile first when Satellites().loadRequested is set; a load that
// cannot open its file reports the error through ui.showMessage ("Fehler") and returns
// false. Progress "Berechne Erdsatelliten..." every 100 satellites; the caption is
// restored at the end.
bool ObserveSelectedSatellites(JD1900 instant, const ObserverPlace& place,
                               const SatelliteUi& ui = {},
                               const std::function<void(const std::string&)>& displayName = {});

// Fields of the position line: R(x, w) is the integer part (toward zero) of x + 0.5,
// F(x, d, w) x with d decimals; both padded on the left with blanks to w characters.
std::string RoundedField(double x, std::size_t width);
std::string FixedField(double x, int decimals, std::size_t width);

// The header of the position table.
std::string PositionHeader();

struct PositionLineText {
    std::string header;  // upper status bar
    std::string values;  // lower status bar
    bool bold = false;   // values in bold type when the satellite is sunlit
    double angularSpeedDegSec = 0.0;
};
// Position line of selected set k (from 0) at the instant from the place, with its angular
// speed.
PositionLineText PositionLine(int k, JD1900 instant, const ObserverPlace& place);

// The information values of selected set k (from 0) at the instant from the place, with the
// flare of a flare-capable satellite.
SatelliteDetailValues SelectedSatelliteDetails(int k, JD1900 instant, const ObserverPlace& place);
// The same for row r of the whole table, never with a flare.
SatelliteDetailValues RowSatelliteDetails(int r, JD1900 instant, const ObserverPlace& place);

// Selected set k (from 0) at instant T seen from the place.
SatObservation ObserveSelected(int k, JD1900 T, const ObserverPlace& place);
