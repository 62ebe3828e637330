// The names of the selected satellites beside their dots on the main and the zoom
// chart ("Ansicht → Satellitennamen"), and whether they are shown.
//
// Until the user switches the toggle, the names follow the selection: they are shown
// while at most kSatelliteNamesSelectionLimit satellites are selected (more would
// cover the sky). Switching fixes the choice (the opposite of what is shown at that
// moment) for the rest of the session; it is not kept in the settings file.
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>
#include <vector>

class Canvas;
struct CanvasFont;

inline constexpr int kSatelliteNamesSelectionLimit = 20;

enum class SatelliteNamesChoice { FollowSelection, Shown, Hidden };

// The one choice of the process.
SatelliteNamesChoice& SatelliteNamesSetting();
// Whether the charts write the names now (the choice, or the selection count).
bool SatelliteNamesShown();
// The user's switch: fixes the choice to the opposite of SatelliteNamesShown().
void SwitchSatelliteNames();

// Greedy placement of a label of `size` for a dot at `dot`: the first rectangle, `gap`
// pixels beside the dot, to the right, upper right, lower right, left, upper left or
// lower left of it (the upper and lower ones a label height off the middle one), that
// `fits` (stays inside the chart) and overlaps none of `placed`; nullopt when none
// does.
std::optional<QRect> PlaceLabel(QPoint dot, QSize size, int gap, const std::vector<QRect>& placed,
                                const std::function<bool(const QRect&)>& fits);

// Writes the whole name of every selected satellite with a chart position beside its
// dot in `font`, transparent, each placed by PlaceLabel among those already written:
// `map` gives the canvas point of a chart position (Satellites().chartX/chartY).
void WriteSatelliteNames(Canvas& canvas, const CanvasFont& font,
                         const std::function<QPoint(double x, double y)>& map,
                         const std::function<bool(const QRect&)>& fits, int gap);
