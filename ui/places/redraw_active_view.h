// After the instant or the place changed: mark the satellites for recomputation and
// redraw the active view -- the main chart when zoomFactor is 1, otherwise the
// ephemeris update followed by the zoom drawing.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

void RedrawActiveView();

// A place picked in a map or the place list becomes the observer's: its name, the
// longitude, the latitude with its sine and cosine, when given the height, and the
// proposed zone rule (empty: the zone stays). Then the active view is drawn again and
// the picking window closes.
void TakeOverPlace(const std::string& name, double longitudeDeg, double latitudeDeg,
                   std::optional<double> heightM, const std::string& zoneRule,
                   QWidget* pickingWindow);
// The zone proposed for a place picked in a map: that of the nearest place of "ORTE"
// (empty when the file cannot be read).
std::string ZoneRuleNearListedPlace(double longitudeDeg, double latitudeDeg);

// The zoom window's drawing of its chart (DrawZoomChart(0)); the zoom window installs
// it when it is created and removes it (empty function) when it is destroyed.
void SetZoomChartRedraw(std::function<void()> draw);
