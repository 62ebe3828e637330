#include "ui/satellites/transit_map_view.h"

#include <QWidget>

#include "chart/transit_picture.h"
#include "chart/world_map_geometry.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/world_map_window.h"
#include "ui/satellites/transit_search_job.h"

namespace {

// Within the box around Germany's borders (the Germany map shows more, but only
// Germany's borders and towns).
bool OnGermanyMap(double longitudeDeg, double latitudeDeg) {
    return latitudeDeg >= 47.2 && latitudeDeg <= 55.1 && longitudeDeg >= 5.8 &&
           longitudeDeg <= 15.1;
}

}  // namespace

TransitMap MapForCentreLine(const TransitApproach& approach, const GeodeticPoint& place) {
    const GeodeticPoint& line = approach.centreLine.nearest.point;
    const bool germany =
        OnGermanyMap(place.longitudeDeg, place.latitudeDeg) &&
        (!approach.centreLine.found || OnGermanyMap(line.longitudeDeg, line.latitudeDeg));
    return germany ? TransitMap::Germany : TransitMap::World;
}

bool ShowCentreLineOnMap(const TransitApproach& approach, const TransitSatellite& satellite,
                         const GeodeticPoint& place, const QStringList& legend) {
    const Windows& windows = AppWindows();
    const TransitMap map = MapForCentreLine(approach, place);
    const bool germany = map == TransitMap::Germany;
    const std::vector<CentreLinePoint> line = TransitCentreLineOf(
        approach, satellite.orbit, place,
        germany ? kGermanyLineHalfSpanSeconds : kWorldLineHalfSpanSeconds, germany ? 1.0 : 5.0);
    if (line.empty()) return false;
    const MapPlace at{place.longitudeDeg, place.latitudeDeg};
    if (germany) {
        GermanyMapWindow* window = windows.germanyMapWindow;
        if (!window) return false;
        window->overlay = [window, line, at, legend](Canvas& canvas) {
            DrawCentreLine(
                canvas, line, at,
                [window](double lon, double lat) {
                    const location::MapPixel p = window->geometry().ToPixel(lon, lat);
                    return QPointF(p.x, p.y);
                },
                legend);
        };
        ShowInFront(window);
        window->DrawMap();
        return true;
    }
    WorldMapWindow* window = windows.worldMapWindow;
    if (!window) return false;
    window->overlay = [line, at, legend](Canvas& canvas) {
        DrawCentreLine(
            canvas, line, at,
            [](double lon, double lat) {
                const location::WorldPixel p = location::WorldPixelOfPlace(lon, lat);
                return QPointF(p.x, p.y);
            },
            legend);
    };
    ShowInFront(window);
    window->DrawMap();
    return true;
}
