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
#include "chart/sky_chart.h"
#include "core/minor_body.h"
#include "core/observer_state.h"
#include "core/planets.h"
#include "core/sun_moon.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/sky/main_window_interaction.h"

namespace charttest {

// 2026-01-15 20:00 MEZ (19:00 UT): a winter evening, Orion in the south-east.
inline JD1900 WinterEvening() { return JulianDay1900(2026, 1, 15) + 19.0 / 24.0; }

class ChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // What the chart keeps from one drawing to the next; the computed records (Sun,
        // Moon, planets, minor body, sky shades) are written afresh by every drawing.
        ResetObserverState();
        ResetChartView();
        ResetPlotTables();
        ResetChartTexts();
        ResetChartHooks();
        ResetSatelliteTable();
        ResetSelectionState();
        ResetSettings();
        ObserverState& o = Observer();
        ApplyDefaultObserverSettings(o);
        ChartView().setChartGeometry(648, 488);
        o.showPlanetNames = false;
        o.showConstellationNames = false;
        o.showConstellationLines = false;
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
        ObserverState& o = Observer();
        o.currentJD = t;
        o.year = CivilFromJD1900(t, o.zoneOffsetHours).year;
        o.timeChanged = true;
    }
    // Sun and Moon alone for an instant (search helper).
    static void SunMoonAt(JD1900 t) {
        SetInstant(t);
        const ObserverState& o = Observer();
        UpdateSunMoon(o.cosLatitude, o.sinLatitude, o.longitudeDeg, t);
    }
    long Px(double x, double y) const { return canvas->PixelRgb(IntPart(x), IntPart(y)); }

    testsupport::ScopedWorkingDir workingDir{testsupport::DataPath("")};
    testsupport::ScopedScriptedDialogs dialogs;
    std::unique_ptr<Canvas> canvas;
    int repaints = 0;
};

}  // namespace charttest
