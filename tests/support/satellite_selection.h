// Element sets loaded as "Datei laden" reads them, with every satellite then selected in
// file order as the pass search expects the selection. SelectEverySatellite is header
// only: the benchmarks use it without the test library.
#pragma once

#include <filesystem>
#include <string>

#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"

namespace testsupport {

inline void SelectEverySatellite() {
    SatelliteTable& t = Satellites();
    for (int r = 1; r <= ElementFile().satelliteCount; ++r) {
        const ElementSet s = t.Row(r);
        t.selectedSets.insert(t.selectedSets.end(), {s.nameLine, s.line1, s.line2});
        t.selectedRows.push_back(std::to_string(r));
        t.rowSelected[r] = 1;
        ++t.selectedCount;
    }
}

// Loads the text (name line, line 1, line 2 per satellite) from an element file in a
// fresh folder and selects every satellite.
void LoadTextAndSelectEverySatellite(const std::string& text);

// Copies the fixture passes/NAME into the working folder, loads it by its bare name as
// the program's element file and selects every satellite.
void LoadPassFixtureAndSelectEverySatellite(const std::string& name,
                                            const std::filesystem::path& workingFolder);

}  // namespace testsupport
