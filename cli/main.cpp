#include <algorithm>
#include <cerrno>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <system_error>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/command_registry.h"
#include "core/system_error_text.h"

namespace cli {
std::vector<CommandInfo>& Commands() {
    static std::vector<CommandInfo> commands;
    return commands;
}
}  // namespace cli

namespace {

std::string UsageText() {
    std::string text =
        "Aufruf: polaride-cli BEFEHL [OPTIONEN] (BEFEHL --help erklärt sie)\nBefehle:\n";
    auto commands = cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands) text += "  " + c.usage + "\n";
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        cli::PrintErr(UsageText());
        return cli::kBadUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        cli::PrintOut(UsageText());
        return cli::kSuccess;
    }
    for (const auto& c : cli::Commands()) {
        if (c.name != name) continue;
        const std::vector<std::string> args(argv + 2, argv + argc);
        if (cli::HelpWanted(args)) {
            cli::PrintOut("Aufruf: polaride-cli " + c.usage + "\n" + c.help);
            return cli::kSuccess;
        }
        try {
            const int status = c.run(args);
            std::cout.flush();
            if (!std::cout) return cli::Failure(name, "Die Ausgabe ließ sich nicht schreiben.");
            return status;
        } catch (const std::system_error& e) {
            // What the system refused is said in German like every other failure.
            const bool errorNumber = e.code().category() == std::generic_category() ||
                                     e.code().category() == std::system_category();
            return cli::Failure(name, "Fehler: " + (errorNumber ? SystemErrorText(e.code().value())
                                                                : std::string(e.what())));
        } catch (const std::bad_alloc&) {
            return cli::Failure(name, "Fehler: " + SystemErrorText(ENOMEM));
        } catch (const std::exception& e) {
            // Whatever an engine could not handle ends the command with a message,
            // never with an abort.
            return cli::Failure(name, std::string("Fehler: ") + e.what());
        }
    }
    cli::PrintErr("Unbekannter Befehl: " + name);
    cli::PrintErr(UsageText());
    return cli::kBadUsage;
}
