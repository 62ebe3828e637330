// The computing steps that the chart drawing and the ephemeris update share: one
// code path, with optional drawing callbacks for the chart.
#pragma once

#include <functional>

// Step "stars": every STERNKAT record; fills StarPlotTable. `plotted` is called for
// each star on the chart with its number (1-based), truncated-free position and
// magnitude.
void ComputeStarPositions(
    const std::function<void(int number, double x, double y, double magnitude)>& plotted = {});

// Step "constellation labels": the first 89 SNAMEN records into LabelPlotTable.
void ComputeLabelPositions();

// Step "nebulae": the first 50 NEBEL records into NebulaPlotTable. When the object is
// above the horizon and the Sun below -9 degrees its drawn radius is computed
// (truncated with a minimum of 2 pixels when `chartRadii`, else unrounded), and
// `visible` is called with its number when its disc lies wholly above the horizon.
void ComputeNebulaPositions(bool chartRadii, const std::function<void(int number)>& visible = {});

// The Moon's drawn radius (unrounded) into MoonState::discRadius.
void ComputeMoonDiscRadius();
