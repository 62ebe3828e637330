#include "chart/plot_tables.h"

#include <cmath>
#include <memory>

#include "core/frames.h"
#include "core/timescale.h"

namespace {
// The star table is large; keep it on the heap rather than in static storage.
StarPlotTableData& StarStorage() {
    static const std::unique_ptr<StarPlotTableData> table = std::make_unique<StarPlotTableData>();
    return *table;
}
LabelPlotTableData gLabels;
NebulaPlotTableData gNebulae;
}  // namespace

StarPlotTableData& StarPlotTable() { return StarStorage(); }
LabelPlotTableData& LabelPlotTable() { return gLabels; }
NebulaPlotTableData& NebulaPlotTable() { return gNebulae; }

void ResetStarPlotTable() {
    for (StarPlotEntry& e : StarStorage()) e = StarPlotEntry{};
}
void ResetLabelPlotTable() { gLabels = LabelPlotTableData{}; }
void ResetNebulaPlotTable() { gNebulae = NebulaPlotTableData{}; }

void ResetPlotTables() {
    ResetStarPlotTable();
    ResetLabelPlotTable();
    ResetNebulaPlotTable();
    ResetBodyPlotTable();
}

ChartPoint FixedObjectPosition(double raHours, double decDeg, double siderealHours, double sinLat,
                               double cosLat) {
    const double hourAngle = HourAngle(siderealHours, raHours);
    const HorizontalCoords hz =
        EquatorialToHorizontal(hourAngle, decDeg * kDegToRad, sinLat, cosLat);
    if (!AboveHorizon(hz.sinAltitude)) return {};
    return ProjectToChart(kPi / 2.0 - hz.altitude, hz.azimuth);
}
