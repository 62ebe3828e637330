// The orbit model every element set is propagated with: SGP4/SDP4 (the model the
// element sets are fitted for) or the classic SGP.
#pragma once

#include <optional>
#include <string_view>

enum class OrbitModel { Sgp4, Sgp };

// "SGP4/SDP4" or "SGP (klassisch)", as the settings and the windows name them.
std::string_view OrbitModelName(OrbitModel model);
// The model of a command-line word: "sgp4" or "sgp".
std::optional<OrbitModel> OrbitModelOfWord(std::string_view word);
