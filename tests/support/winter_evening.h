// The evening the chart tests and benchmarks draw: 2026-01-15 20:00 MEZ (19:00 UT), a
// winter evening with Orion in the south-east (header only: the benchmarks use it
// without the test library).
#pragma once

#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "core/observer_state.h"
#include "core/timescale.h"

namespace testsupport {

inline JD1900 WinterEvening() { return JulianDay1900(2026, 1, 15) + 19.0 / 24.0; }

// The shipped default place and options, a chart of the design size, the winter evening.
inline void SetDefaultObserverOnWinterEvening() {
    ObserverState& o = Observer();
    ApplyDefaultObserverSettings(o);
    ChartView().setChartGeometry(648, 488);
    o.currentJD = WinterEvening();
    o.year = 2026;
}

}  // namespace testsupport
