// Plot tables of the chart: where the last drawing put every star, constellation label,
// nebula and body, read back by the identification on click, the zoom window and
// printing. Positions are pixels (y downwards); (0, 0) means not on the chart.
#pragma once

#include <array>
#include <string>

#include "chart/chart_projection.h"
#include "core/frame_of_date.h"

inline constexpr int kStarPlotCount = 15639;
inline constexpr int kLabelPlotCount = 89;
inline constexpr int kNebulaPlotCount = 50;

struct StarPlotEntry {
    double x = 0.0;
    double y = 0.0;
    double magnitude = 0.0;     // written only when the star is plotted
    std::string constellation;  // 3 characters
};

struct LabelPlotEntry {
    double x = 0.0;
    double y = 0.0;
    std::string text;  // label line from column 10 to the end
};

struct NebulaPlotEntry {
    double x = 0.0;
    double y = 0.0;
    double size = 0.0;         // size value s of the catalogue
    double drawnRadius = 0.0;  // pixels
};

using StarPlotTableData = std::array<StarPlotEntry, kStarPlotCount>;
using LabelPlotTableData = std::array<LabelPlotEntry, kLabelPlotCount>;
using NebulaPlotTableData = std::array<NebulaPlotEntry, kNebulaPlotCount>;

// The one table of each kind in the process (index = catalogue record number, from 0).
StarPlotTableData& StarPlotTable();
LabelPlotTableData& LabelPlotTable();
NebulaPlotTableData& NebulaPlotTable();
void ResetStarPlotTable();
void ResetLabelPlotTable();
void ResetNebulaPlotTable();
// All four tables, the body table included.
void ResetPlotTables();

// Apparent altitude and chart azimuth of a catalogue object (star, label, nebula):
// right ascension in hours and declination in degrees of 2000.0, seen on the horizon
// of date (annual aberration, precession, nutation, apparent sidereal time).
HorizontalCoords FixedObjectHorizontal(const HorizonOfDate& horizon, double raHours, double decDeg);
// Its chart position; (0, 0) when the object is not above the horizon.
ChartPoint FixedObjectPosition(const HorizonOfDate& horizon, double raHours, double decDeg);
