#include "support/ui/satellite_fixture.h"

#include <sstream>

#include "chart/chart_view.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"

namespace testsupport {

void ResetSatelliteWindowRecords() {
    ResetObserverRecords();
    ResetChartView();
    ResetSatelliteTable();
    ResetSelectionState();
}

void LoadAndSelectAll(const std::string& text) {
    std::istringstream in(text);
    LoadElementStream(in);
    ClearSelectionLists();
    EnsureLeftList();
    for (int r = 1; r <= ElementFile().satelliteCount; ++r) AddToSelection(r);
}

}  // namespace testsupport
