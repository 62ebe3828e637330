#include "support/satellite_selection.h"

#include <gtest/gtest.h>

#include "satellite/loaded_elements.h"
#include "support/test_paths.h"

namespace testsupport {

void LoadTextAndSelectEverySatellite(const std::string& text) {
    TempDir dir;
    ScopedWorkingDir cwd(dir.path());
    WriteTextFile(dir / "elements.tle", text);
    ASSERT_TRUE(LoadElementFile("elements.tle").opened);
    SelectEverySatellite();
}

void LoadPassFixtureAndSelectEverySatellite(const std::string& name,
                                            const std::filesystem::path& workingFolder) {
    std::filesystem::copy_file(FixturePath("passes/" + name), workingFolder / name);
    ASSERT_TRUE(LoadElementFile(name).opened);
    ElementFile().elementFilePath = name;
    SelectEverySatellite();
}

}  // namespace testsupport
