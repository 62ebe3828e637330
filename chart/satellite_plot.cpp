#include "chart/satellite_plot.h"

#include <algorithm>
#include <cstddef>

#include "chart/chart_projection.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"

bool ComputeSatellites(const SatelliteUi& ui,
                       const std::function<void(const std::string&)>& displayName) {
    const bool opened =
        ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()), ui, displayName);
    if (!opened) return false;
    SatelliteTable& table = Satellites();
    const int count = std::clamp(table.selectedCount, 0, table.RowSlots());
    for (int k = 1; k <= count; ++k) {
        const std::size_t kk = static_cast<std::size_t>(k);
        const SkyPosition& sky = table.sky[kk];
        const ChartPoint p =
            sky.aboveHorizon ? ProjectToChart(kPi / 2.0 - sky.altitude, sky.azimuth) : ChartPoint{};
        table.chartX[kk] = p.x;
        table.chartY[kk] = p.y;
    }
    return true;
}
