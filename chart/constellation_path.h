// The constellation figures as one pen path, for every chart-like view.
#pragma once

#include <QPoint>
#include <functional>

class Canvas;
struct ConstellationLineList;
struct StarPlotEntry;

// Walks the list: each entry moves the pen to its star's plot position, mapped by
// `map`, or draws a line to it when the entry is positive and both this star and the
// one before are on the chart (`onChart`). A star number outside the star plot table
// breaks the path without moving the pen.
void DrawConstellationPath(Canvas& canvas, const ConstellationLineList& list,
                           const std::function<bool(const StarPlotEntry&)>& onChart,
                           const std::function<QPoint(double, double)>& map);
