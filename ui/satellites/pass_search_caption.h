// The pass list window's caption while a search runs and after it: the place, the
// progress with the hint how to abort, and the number of passes found with the orbit
// model that found them.
#pragma once

#include <string>

#include "prediction/pass_search.h"

std::string PassSearchCaption(const PassSearchProgress& progress, const std::string& placeName,
                              std::string_view modelName);
