// Back to fresh records for a pass search test: observer, satellite table, night window
// and pass list, before and after each test.
#pragma once

#include "prediction/night_window.h"
#include "prediction/pass_list.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"

inline void ResetPassSearchRecords() {
    ResetObserverRecords();
    ResetSatelliteTable();
    ResetPassWindow();
    ResetPassList();
}
