// The accepted ranges of the pass search parameters. The pass dialog checks its fields
// against them and polaride-cli its options, with the same German messages; the
// search itself never runs beyond them.
#pragma once

#include <optional>
#include <string>

#include "prediction/pass_search.h"

inline constexpr int kMaxSearchNights = 366;            // "Anzahl Tage"
inline constexpr int kMaxSearchMinutes = 31 * 24 * 60;  // "Dauer (Min)"
inline constexpr double kMaxLimitingMagnitude = 99.0;   // "Grenzhelligkeit mag"
inline constexpr double kMinLimitingMagnitude = -30.0;

// The German message for the first parameter outside its range, in the order of the
// dialog's fields; nothing when all are inside. `count` is the number of nights, or of
// minutes in duration mode.
std::optional<std::string> SearchParameterProblem(const PassSearchParameters& parameters,
                                                  int count);
