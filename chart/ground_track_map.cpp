#include "chart/ground_track_map.h"

#include <cmath>

#include "chart/canvas.h"
#include "chart/world_map_geometry.h"
#include "prediction/ground_track.h"

namespace {
constexpr int kMapRows = 300;  // rows of the world map
}  // namespace

MapPixel SatelliteMapPixel(double longitudeDeg, double latitudeDeg) {
    return {IntPart(longitudeDeg * 1.725 + 310.5), IntPart(151.5 - latitudeDeg * 1.661111)};
}

MapPixel ObserverMapPixel(double longitudeDeg, double latitudeDeg) {
    const location::WorldPixel p = location::WorldPixelOfPlace(longitudeDeg, latitudeDeg);
    return {p.x, p.y};
}

bool TrackSegmentDrawn(MapPixel from, MapPixel to) { return std::abs(to.x - from.x) < 311; }

void DrawDaySide(Canvas& canvas, JD1900 t, double observerLongitudeDeg, int mapWidth) {
    const SunDirection sun = SunAt(t);
    // MidnightColumn works on the image width of the world map; both maps are 622 wide.
    const double siderealHours = LocalSiderealTime(observerLongitudeDeg, t);
    int antiSolarColumn =
        location::MidnightColumn(siderealHours, observerLongitudeDeg, sun.rightAscensionRad);
    antiSolarColumn += (mapWidth - location::kWorldImageWidth) / 2;
    const CanvasPen savedPen = canvas.Pen();
    canvas.SetPen(QColor(255, 255, 0), 1, PenMode::Xor);
    for (int row = 0; row < kMapRows; ++row) {
        for (const location::ColumnRun& run :
             location::DaylightRuns(row, antiSolarColumn, sun.declinationRad)) {
            canvas.MoveTo(run.from, row + 1);
            canvas.LineTo(run.to, row + 1);
        }
    }
    canvas.Pen() = savedPen;
}
