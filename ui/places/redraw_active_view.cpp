#include "ui/places/redraw_active_view.h"

#include <QString>
#include <QWidget>
#include <exception>

#include "catalog/place_list.h"
#include "catalog/place_numbers.h"
#include "catalog/place_zone.h"
#include "chart/chart_view.h"
#include "chart/ephemeris_update.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/sky/main_window.h"

namespace {

std::function<void()>& ZoomChartRedraw() {
    static std::function<void()> draw;
    return draw;
}

}  // namespace

void SetZoomChartRedraw(std::function<void()> draw) { ZoomChartRedraw() = std::move(draw); }

void RedrawActiveView() {
    Shown().timeChanged = true;
    if (ChartView().zoomFactor == 1) {
        if (MainWindow* chart = AppWindows().mainWindow) chart->DrawChart();
        return;
    }
    try {
        UpdateEphemeris(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg,
                        Shown().currentJD);
    } catch (const std::exception& error) {
        // A data file stopped the update: reported, and the zoom chart is not drawn.
        AppDialogs().Message(QStringLiteral("Fehler"), QString::fromStdString(error.what()));
        return;
    }
    if (ZoomChartRedraw()) ZoomChartRedraw()();
}

std::string ZoneRuleNearListedPlace(double longitudeDeg, double latitudeDeg) {
    try {
        return location::ZoneRuleNearPlace(longitudeDeg, latitudeDeg,
                                           location::ReadPlaceFile("ORTE"));
    } catch (const std::exception&) {
        return {};
    }
}

void TakeOverPlace(const std::string& name, double longitudeDeg, double latitudeDeg,
                   std::optional<double> heightM, const std::string& zoneRule,
                   QWidget* pickingWindow) {
    Place().placeName = name;
    Place().longitudeDeg = longitudeDeg;
    location::SetPlaceLatitude(latitudeDeg, Place().latitudeDeg, Place().sinLatitude,
                               Place().cosLatitude);
    if (heightM) Place().heightM = *heightM;
    if (!zoneRule.empty()) Place().zoneRule = zoneRule;
    RedrawActiveView();
    pickingWindow->hide();
}
