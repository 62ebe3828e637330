// The Sun, the Moon, the planets and the minor body placed on the chart: their sky
// positions (core/sun_moon.h, core/planets.h, core/minor_body.h) projected into the
// body plot table (chart/chart_projection.h) and the chart records below. Each Plot
// step runs right after the computation it projects.
#pragma once

#include "core/bodies.h"
#include "core/timescale.h"

struct SunOnChart {
    double chartX = 0.0;  // (0, 0) below the horizon
    double chartY = 0.0;
    double discRadius = 0.0;  // pixels, unrounded (the drawing stores the drawn radius)
};

struct MoonOnChart {
    double chartX = 0.0;  // (0, 0) when not above the horizon
    double chartY = 0.0;
    double discRadius = 0.0;  // pixels, written by the ephemeris update
    double limbAngle = 0.0;   // chart direction of the lit limb, radians
};

struct MinorBodyOnChart {
    double chartX = 0.0;  // (0, 0) unless above the horizon
    double chartY = 0.0;
    double tailX = 0.0;  // (0, 0) unless the tail is drawn
    double tailY = 0.0;
};

SunOnChart& SunPlot();
MoonOnChart& MoonPlot();
MinorBodyOnChart& MinorBodyPlot();
// Back to nothing plotted (tests).
void ResetBodyPlots();

// Sun(): plot table entry 0 (position, distance), position and drawn disc radius.
void PlotSun();
// Moon(): plot table entry 1 (position, distance), position and lit-limb direction.
void PlotMoon();
// Planets() entries first..last into the plot table (position, magnitude, distance).
void PlotPlanets(int first = kBodyMercury, int last = kBodyVesta);
// MinorBody(): its position and tail end.
void PlotMinorBody();

// PlanetPositions(t) and its plot. When the asteroid file fails, the planets it
// computed are plotted before its error goes on (Ceres and Vesta keep their entries).
void PlanetPositionsOnChart(JD1900 t);
