// polaride-cli sub-commands register themselves here; main() dispatches on the first
// argument and answers "--help" with the command's usage and help text. A command
// gets the remaining arguments and returns the exit status
// (cli_output.h: 0 success, 1 failure, 2 refused options, with a German message on
// standard error).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cli {

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    std::string name;
    std::string usage;  // one German line shown by "polaride-cli" without arguments
    std::string help;   // German lines explaining the options, for "--help"
    CommandFunction run;
};

std::vector<CommandInfo>& Commands();

// Put one of these at namespace scope in the command's source file.
struct RegisterCommand {
    RegisterCommand(std::string name, std::string usage, std::string help, CommandFunction run) {
        Commands().push_back({std::move(name), std::move(usage), std::move(help), std::move(run)});
    }
};

}  // namespace cli
