#include "support/ui/satellite_fixture.h"

#include <sstream>

#include "chart/chart_view.h"
#include "core/observer_state.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"

namespace testsupport {

void ResetSatelliteWindowRecords() {
    ResetObserverState();
    ResetChartView();
    ResetSatelliteTable();
    ResetSelectionState();
}

void LoadAndSelectAll(const std::string& text) {
    std::istringstream in(text);
    LoadElementStream(in);
    ClearSelectionLists();
    EnsureLeftList();
    for (int r = 1; r <= Observer().satelliteCount; ++r) AddToSelection(r);
}

}  // namespace testsupport
