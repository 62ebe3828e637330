// Element sets for window tests: loaded from text as "Datei laden" reads a file, every
// satellite then moved to the selection list through the selection window's model.
#pragma once

#include <string>

namespace testsupport {

// The records a satellite window works on, back to their start: observer, chart view,
// satellite table and selection.
void ResetSatelliteWindowRecords();

// Loads the element text (name line, line 1, line 2 per satellite) and selects all.
void LoadAndSelectAll(const std::string& text);

}  // namespace testsupport
