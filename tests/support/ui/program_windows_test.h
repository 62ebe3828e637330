// The program's windows as the program starts them, in a working folder of their own
// with the settings file and the shipped magnitude table; the shared records are fresh
// before every test and after it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "catalog/settings_file.h"
#include "chart/chart_hooks.h"
#include "chart/chart_view.h"
#include "chart/pass_path.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"

namespace testsupport {

inline std::string ShippedSettingsText() { return ReadTextFile(DataPath("polaride.cfg")); }

class ProgramWindowsTest : public testing::Test {
  protected:
    void SetUp() override { ResetSharedRecords(); }
    void TearDown() override {
        windows.reset();
        ResetChartHooks();
        cwd.reset();
        ResetSharedRecords();
    }
    // Closes windows started before, then starts them in `folder` with the settings text
    // written as its polaride.cfg; the dialogs shown so far are forgotten.
    void StartWindows(const std::filesystem::path& folder,
                      const std::string& settingsText = ShippedSettingsText()) {
        windows.reset();
        cwd.reset();
        WriteTextFile(folder / "polaride.cfg", settingsText);
        std::filesystem::copy_file(DataPath("SATMAG"), folder / "SATMAG");
        cwd = std::make_unique<ScopedWorkingDir>(folder);
        windows = std::make_unique<ProgramWindows>();
        dialogs->Clear();
    }
    static void ResetSharedRecords() {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
        ResetSatelliteTable();
        ResetSelectionState();
        ResetPassWindow();
        ResetPassList();
        ShownPassPath() = {};
    }

    TempDir dir;
    ScopedScriptedDialogs dialogs;
    std::unique_ptr<ScopedWorkingDir> cwd;
    std::unique_ptr<ProgramWindows> windows;
};

}  // namespace testsupport
