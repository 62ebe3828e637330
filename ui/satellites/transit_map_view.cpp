#include "ui/satellites/transit_map_view.h"

#include <QEvent>
#include <QWidget>

#include "chart/germany_map_geometry.h"
#include "chart/transit_picture.h"
#include "chart/world_map_geometry.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/world_map_window.h"
#include "ui/satellites/transit_search_job.h"

namespace {

// Drops the map's overlay when its window is hidden.
class OverlayKeeper : public QObject {
  public:
    OverlayKeeper(QWidget* window, std::function<void()> drop)
        : QObject(window), drop_(std::move(drop)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            drop_();
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> drop_;
};

void KeepUntilHidden(QWidget* window, std::function<void()> drop) {
    for (OverlayKeeper* old : window->findChildren<OverlayKeeper*>(Qt::FindDirectChildrenOnly)) {
        window->removeEventFilter(old);
        old->deleteLater();
    }
    window->installEventFilter(new OverlayKeeper(window, std::move(drop)));
}

bool OnGermanyMap(double longitudeDeg, double latitudeDeg) {
    const location::GermanyMapGeometry whole(435, 300);
    const location::MapPixel p = whole.ToPixel(longitudeDeg, latitudeDeg);
    return p.x >= 0.0 && p.x < whole.width() && p.y >= 0.0 && p.y < whole.height();
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
                         const GeodeticPoint& place) {
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
        window->overlay = [window, line, at](Canvas& canvas) {
            DrawCentreLine(canvas, line, at, [window](double lon, double lat) {
                const location::MapPixel p = window->geometry().ToPixel(lon, lat);
                return QPointF(p.x, p.y);
            });
        };
        KeepUntilHidden(window, [window] { window->overlay = {}; });
        ShowInFront(window);
        window->DrawMap();
        return true;
    }
    WorldMapWindow* window = windows.worldMapWindow;
    if (!window) return false;
    window->overlay = [line, at](Canvas& canvas) {
        DrawCentreLine(canvas, line, at, [](double lon, double lat) {
            const location::WorldPixel p = location::WorldPixelOfPlace(lon, lat);
            return QPointF(p.x, p.y);
        });
    };
    KeepUntilHidden(window, [window] { window->overlay = {}; });
    ShowInFront(window);
    window->DrawMap();
    return true;
}
