#include "support/ui/program_windows_test.h"

#include "catalog/settings_file.h"
#include "chart/chart_hooks.h"
#include "core/observer_state.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"

namespace testsupport {

namespace fs = std::filesystem;

std::string ShippedSettingsText() { return ReadTextFile(DataPath("polaride.cfg")); }

void ProgramWindowsTest::ResetSharedRecords() {
    ResetObserverState();
    ResetSettings();
    ResetSatelliteTable();
    ResetSelectionState();
    ResetPassWindow();
    ResetPassList();
}

void ProgramWindowsTest::TearDown() {
    windows.reset();
    ResetChartHooks();
    cwd.reset();
    ResetSharedRecords();
}

void ProgramWindowsTest::StartWindows(const fs::path& folder, const std::string& settingsText) {
    windows.reset();
    cwd.reset();
    WriteTextFile(folder / "polaride.cfg", settingsText);
    fs::copy_file(DataPath("SATMAG"), folder / "SATMAG");
    cwd = std::make_unique<ScopedWorkingDir>(folder);
    windows = std::make_unique<ProgramWindows>();
    dialogs->Clear();
}

}  // namespace testsupport
