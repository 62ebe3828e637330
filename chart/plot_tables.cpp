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

HorizontalCoords FixedObjectHorizontal(const HorizonOfDate& horizon, double raHours,
                                       double decDeg) {
    return ApparentHorizontal(horizon, UnitVectorOf(raHours * kPi / 12.0, decDeg * kDegToRad));
}

ChartPoint FixedObjectPosition(const HorizonOfDate& horizon, double raHours, double decDeg) {
    // A unit vector: its zenith component is the sine of the altitude, and the angles
    // are needed only above the horizon.
    const Vector3 v =
        ApparentInHorizon(horizon, UnitVectorOf(raHours * kPi / 12.0, decDeg * kDegToRad));
    if (!AboveHorizon(v.z)) return {};
    const HorizontalCoords hz = HorizontalOfVector(v);
    return ProjectToChart(kPi / 2.0 - hz.altitude, hz.azimuth);
}
