// Back to freshly constructed place, displayed instant, display options, element file
// and tracking: the records every window and engine test starts from.
#pragma once

#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "satellite/loaded_elements.h"

inline void ResetObserverRecords() {
    ResetPlace();
    ResetShown();
    ResetViewOptions();
    ResetElementFile();
    ResetTracking();
}

// Place, displayed instant and display options of one observer, apart from the
// process-wide records: what the settings file and the clock read and write.
struct ObserverRecords : ObservingPlace, DisplayedInstant, DisplayOptions {};
