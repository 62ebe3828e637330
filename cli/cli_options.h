// Reading "--name value" pairs from a command's arguments.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Takes one option and its value; returns a problem text, empty when it was fine.
using OptionHandler = std::function<std::string(const std::string& option, const std::string& value)>;

// Walks the arguments as option/value pairs in order and hands each to take. Returns the
// first problem: "Unbekannte Option: X" for a name not in known, "Wert fehlt für X" for a
// last option without value, or what take returned; empty when all were taken.
std::string ReadOptions(const std::vector<std::string>& args,
                        std::initializer_list<std::string_view> known, const OptionHandler& take);

}  // namespace cli
