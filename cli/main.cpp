#include <algorithm>
#include <iostream>

#include "cli/command_registry.h"

namespace cli {
std::vector<CommandInfo>& Commands() {
    static std::vector<CommandInfo> commands;
    return commands;
}
}  // namespace cli

namespace {
int PrintUsage() {
    std::cerr << "Aufruf: polaride-cli BEFEHL [OPTIONEN]\nBefehle:\n";
    auto commands = cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands) std::cerr << "  " << c.usage << "\n";
    return 2;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) return PrintUsage();
    const std::string name = argv[1];
    for (const auto& c : cli::Commands()) {
        if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "Unbekannter Befehl: " << name << "\n";
    return PrintUsage();
}
