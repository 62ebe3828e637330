// The program's windows as the program starts them, in a working folder of their own
// with the settings file and the shipped magnitude table; the shared records are fresh
// before every test and after it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"

namespace testsupport {

std::string ShippedSettingsText();

class ProgramWindowsTest : public testing::Test {
  protected:
    void SetUp() override { ResetSharedRecords(); }
    void TearDown() override;
    // Closes windows started before, then starts them in `folder` with the settings text
    // written as its polaride.cfg; the dialogs shown so far are forgotten.
    void StartWindows(const std::filesystem::path& folder,
                      const std::string& settingsText = ShippedSettingsText());
    static void ResetSharedRecords();

    TempDir dir;
    ScopedScriptedDialogs dialogs;
    std::unique_ptr<ScopedWorkingDir> cwd;
    std::unique_ptr<ProgramWindows> windows;
};

}  // namespace testsupport
