// The evening the chart tests and benchmarks draw: 2026-01-15 20:00 MEZ (19:00 UT), a
// winter evening with Orion in the south-east (header only: the benchmarks use it
// without the test library).
#pragma once

#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/timescale.h"

namespace testsupport {

inline JD1900 WinterEvening() { return JulianDay1900(2026, 1, 15) + 19.0 / 24.0; }

// The shipped default place and options, a chart of the design size, the winter evening.
inline void SetDefaultObserverOnWinterEvening() {
    ApplyDefaultObserverSettings(Place(), ViewOptions());
    ChartView().setChartGeometry(648, 488);
    Shown().currentJD = WinterEvening();
    Shown().year = 2026;
}

}  // namespace testsupport
