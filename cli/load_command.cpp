// polaride-cli load: an element file loaded as "Datei laden" loads it, with the time
// each load takes (for timing large files).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/number_text.h"
#include "satellite/satellite_table.h"

namespace {

constexpr char kCommand[] = "load";
constexpr char kUsage[] = "load --tle DATEI [--repeat N] [--data VERZEICHNIS]";
constexpr int kMaxRepeats = 1000;

std::string Help() {
    return "  DATEI: Bahnelemente-Datei (Namenszeilen und Elementzeilen oder OMM-CSV)\n"
           "  N: so oft laden (1 bis " +
           std::to_string(kMaxRepeats) +
           ", Vorgabe 1)\n"
           "  --data: Datenverzeichnis mit SATMAG und iridiums.tle (Vorgabe: das\n"
           "          Arbeitsverzeichnis)\n"
           "Ausgabe: \"N Satelliten geladen\" und die kürzeste, mittlere und längste Ladezeit\n"
           "in Millisekunden (Lesen der Datei, Prüfen der Zeilen, Bahnen vorbereiten); die\n"
           "Hinweise des Ladens auf der Fehlerausgabe.\n";
}

int RunLoad(const std::vector<std::string>& args) {
    std::string path, dataDir;
    int repeats = 1;
    const std::string problem = cli::ReadOptions(
        args, {"--tle", "--repeat", "--data"}, {},
        [&](const std::string& option, const std::string& value) -> std::string {
            if (option == "--tle") path = value;
            if (option == "--data") dataDir = value;
            if (option != "--repeat") return {};
            std::string wrong = cli::ReadInteger(option, value, repeats);
            if (wrong.empty() && (repeats < 1 || repeats > kMaxRepeats))
                wrong = cli::InvalidEntry("--repeat: 1 bis " + std::to_string(kMaxRepeats));
            return wrong;
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (path.empty()) return cli::UsageProblem(kCommand, kUsage, "--tle fehlt");
    if (std::string error = cli::EnterDataFolder(dataDir, {&path}); !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);
    cli::LoadSatelliteMagnitudes();

    std::vector<double> milliseconds;
    LoadResult result;
    for (int k = 0; k < repeats; ++k) {
        const auto start = std::chrono::steady_clock::now();
        result = LoadElementFile(path);
        const auto end = std::chrono::steady_clock::now();
        if (!result.opened) return cli::Failure(kCommand, result.errorText);
        milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    cli::PrintNote(result.noticeText);
    double sum = 0.0;
    for (double ms : milliseconds) sum += ms;
    const auto [least, most] = std::minmax_element(milliseconds.begin(), milliseconds.end());
    const auto text = [](double ms) { return numtext::FormatNumber(std::round(ms * 10.0) / 10.0); };
    cli::PrintOut(numtext::CountOf(result.satelliteCount, "Satellit", "Satelliten") +
                  " geladen\nLadezeit (ms, " + std::to_string(repeats) + " Mal): kürzeste " +
                  text(*least) + ", mittlere " + text(sum / repeats) + ", längste " + text(*most) +
                  "\n");
    return cli::kSuccess;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunLoad};

}  // namespace
