#include "satellite/orbit_model.h"

std::string_view OrbitModelName(OrbitModel model) {
    return model == OrbitModel::Sgp ? "SGP (klassisch)" : "SGP4/SDP4";
}

std::optional<OrbitModel> OrbitModelOfWord(std::string_view word) {
    if (word == "sgp4") return OrbitModel::Sgp4;
    if (word == "sgp") return OrbitModel::Sgp;
    return std::nullopt;
}
