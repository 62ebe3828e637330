// "--select PRÄFIX | --catnr C[,C...] | --all": which loaded satellites a command
// works on, chosen as the selection window chooses them.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace cli {

inline const OptionNames kSatelliteChoiceOptions = {"--select", "--catnr"};
inline constexpr const char* kSatelliteChoiceFlag = "--all";

struct SatelliteChoice {
    std::string prefix;
    std::vector<double> catalogNumbers;
    bool all = false;
    // Takes --select, --catnr or --all: true when it was one of them (problem then
    // holds the message of a catalogue number that does not convert).
    bool Take(const std::string& option, const std::string& value, std::string& problem);
    // The message when not exactly one way of choosing was given; empty when fine.
    std::string Problem() const;
    // Selects in the loaded table, in table order: "alle wählen", the catalogue numbers,
    // or the name filter on an empty selection (case ignored).
    void Apply() const;
};

// Loads the element file as "Datei laden" does (the selection lists follow it) and
// makes the choice; the German message when the file cannot be read, holds no set or
// no set is chosen, else empty. Notes of the load go to standard error.
std::string LoadAndChoose(const std::string& path, const SatelliteChoice& choice);

}  // namespace cli
