// Shared set-up of the sky chart tests: the shipped data files as working directory,
// Berlin as the place, fresh shared records, scripted dialogs, and a main chart canvas
// of the design size.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "catalog/settings_file.h"
#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/ephemeris_update.h"
#include "chart/plot_tables.h"
#include "chart/satellite_names.h"
#include "chart/sky_chart.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/minor_body.h"
#include "core/observing_place.h"
#include "core/planets.h"
#include "core/sun_moon.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "support/winter_evening.h"
#include "ui/sky/main_window_interaction.h"

namespace charttest {

using testsupport::WinterEvening;
// `minute` minutes after 2026-04-20 19:00 UT, an evening close to the epochs of the
// shipped April element sets.
inline JD1900 AprilEvening(int minute) {
    return JulianDay1900(2026, 4, 20) + 19.0 / 24.0 + minute / 1440.0;
}

// What the chart keeps from one drawing to the next; the computed records (Sun, Moon,
// planets, minor body, sky shades) are written afresh by every drawing.
inline void ResetChartRecords() {
    ResetObserverRecords();
    ResetChartView();
    ResetPlotTables();
    ResetChartTexts();
    ResetChartHooks();
    ResetSatelliteTable();
    ResetSettings();
    SatelliteNamesSetting() = SatelliteNamesChoice::FollowSelection;
}

class ChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetChartRecords();
        ResetSelectionState();
        ApplyDefaultObserverSettings(Place(), ViewOptions());
        ChartView().setChartGeometry(648, 488);
        ViewOptions().showPlanetNames = false;
        ViewOptions().showConstellationNames = false;
        ViewOptions().showConstellationLines = false;
        SetInstant(WinterEvening());
        ChartHooks().blinkWaitMs = 0;
        canvas = std::make_unique<Canvas>(640, 442, Qt::black);
        SetMainChartCanvas(canvas.get(), [this] { ++repaints; });
    }
    void TearDown() override {
        SetMainChartCanvas(nullptr);
        ResetChartHooks();
    }

    static void SetInstant(JD1900 t) {
        Shown().currentJD = t;
        Shown().year = CivilFromJD1900(t, Place().zoneOffsetHours).year;
        Shown().timeChanged = true;
    }
    // Sun and Moon alone for an instant (search helper).
    static void SunMoonAt(JD1900 t) {
        SetInstant(t);
        UpdateSunMoon(Place().cosLatitude, Place().sinLatitude, Place().longitudeDeg, t);
    }
    // The shipped April element sets loaded, every satellite selected.
    static void SelectAprilSatellites() {
        ASSERT_TRUE(LoadElementFile(testsupport::DataPath("visual-2026-04.tle").string()).opened);
        EnsureLeftList();
        SelectAllRows();
    }
    long Px(double x, double y) const { return canvas->PixelRgb(IntPart(x), IntPart(y)); }

    testsupport::ScopedWorkingDir workingDir{testsupport::DataPath("")};
    testsupport::ScopedScriptedDialogs dialogs;
    std::unique_ptr<Canvas> canvas;
    int repaints = 0;
};

}  // namespace charttest
