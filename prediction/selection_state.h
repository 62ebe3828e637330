// The selection lists of the satellite selection window, shared with the windows that
// show the selection (ground tracks, orbit-class lists, satellite information).
//
// Together with the selection fields of SatelliteTable (selectedSets, selectedRows,
// selectedCount, rowSelected) they describe one set in one order; only the
// operations of selection_model.h change them, always all together.
#pragma once

#include "satellite/satellite_table.h"

struct SelectionState {
    // Left list: the display name of every table row in table order (filled by the
    // element load; DisplayName of satellite_table.h).
    TextLines leftList;
    // Right list: the left-list lines of the selected satellites in selection order.
    TextLines rightList;
    // Source of the satellite information window: set for the selection, cleared for
    // the whole table.
    bool infoFromSelection = false;
    // The drift limit (degrees per day) last entered in a "maximale Drift" input box;
    // 0 before the first. The orbit-class lists compare their drifts with it.
    double driftLimitDegDay = 0.0;
};

// The one SelectionState of the process.
SelectionState& Selection();
// Back to a freshly constructed state (tests).
void ResetSelectionState();
