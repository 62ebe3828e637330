// Marks every satellite of the loaded element table as selected, in file order, as the
// pass search expects the selection (header only: the suites using it link the
// satellite library, the others do not).
#pragma once

#include <string>

#include "core/observer_state.h"
#include "satellite/satellite_table.h"

namespace testsupport {

inline void SelectEverySatellite() {
    SatelliteTable& t = Satellites();
    for (int r = 1; r <= Observer().satelliteCount; ++r) {
        const ElementSet s = t.Row(r);
        t.selectedSets.insert(t.selectedSets.end(), {s.nameLine, s.line1, s.line2});
        t.selectedRows.push_back(std::to_string(r));
        t.rowSelected[r] = 1;
        ++t.selectedCount;
    }
}

}  // namespace testsupport
