// polaride-cli elements: current elements from the element service into a file.
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/number_text.h"
#include "download/element_update.h"

namespace {

constexpr char kCommand[] = "elements";
constexpr char kUsage[] =
    "elements (--group NAME | --catnr C[,C...]) [--format tle|csv] --out DATEI [--url ADRESSE] "
    "[--timeout S] [--force] [--data VERZEICHNIS]";
constexpr double kMaxTimeoutSeconds = 86400.0;

std::string Help() {
    std::string groups;
    for (const ElementGroup& g : ElementGroups())
        groups += std::string(groups.empty() ? "" : ", ") + g.name;
    return "  NAME: Gruppe des Elementdienstes, z. B. " + groups +
           "\n"
           "  C: Katalognummern (1 bis 339999), durch Kommas getrennt; mit --group zusätzlich\n"
           "  --format: tle (Namenszeile und zwei Elementzeilen) oder csv (OMM); Vorgabe: csv\n"
           "           für eine DATEI auf .csv, sonst tle\n"
           "  DATEI: wird erst ersetzt, wenn die Antwort Bahnelemente enthält\n"
           "  ADRESSE: statt " +
           std::string(kDefaultElementServiceUrl) + " (auch " + kElementServiceUrlVariable +
           " oder\n"
           "           Zeile 24 von polaride.cfg); angehängt wird ?GROUP=NAME&FORMAT=... oder\n"
           "           ?CATNR=C&FORMAT=...\n"
           "  S: längste Dauer des ganzen Abrufs in Sekunden (Vorgabe: " +
           cli::NumberText(kDefaultDownloadDeadlineMs / 1000.0) +
           ")\n"
           "  --force: auch laden, wenn dieselbe Anfrage DATEI vor weniger als zwei Stunden\n"
           "           schrieb (der Dienst bittet, dieselben Elemente höchstens alle zwei\n"
           "           Stunden abzurufen)\n"
           "  --data: Datenverzeichnis mit polaride.cfg (Vorgabe: das Arbeitsverzeichnis)\n"
           "Ausgabe: \"N Satelliten geschrieben\"; bei einem Fehler Status 1, eine Meldung auf\n"
           "der Fehlerausgabe und DATEI unverändert.\n";
}

// --timeout: seconds above 0, at most a day.
std::string ReadTimeout(const std::string& value, int& milliseconds) {
    double seconds = 0.0;
    if (std::string problem = cli::ReadNumber("--timeout", value, seconds); !problem.empty())
        return problem;
    if (!std::isfinite(seconds) || seconds <= 0.0 || seconds > kMaxTimeoutSeconds)
        return cli::InvalidEntry("--timeout " + value + ": Sekunden größer als 0 und höchstens " +
                                 cli::NumberText(kMaxTimeoutSeconds));
    milliseconds = std::max(1, static_cast<int>(std::lround(seconds * 1000.0)));
    return {};
}

int RunElements(const std::vector<std::string>& args) {
    ElementUpdateRequest request;
    std::optional<std::string> url;
    std::string dataDir;
    bool haveFormat = false;
    const std::string problem = cli::ReadOptions(
        args, {"--group", "--catnr", "--format", "--out", "--url", "--timeout", "--data"},
        {"--force"}, [&](const std::string& option, const std::string& value) -> std::string {
            if (option == "--group") {
                request.query.group = value;
                return CheckGroupName(value);
            }
            if (option == "--catnr") {
                const std::string wrong = ReadCatalogNumberList(value, request.query.catalogNumbers);
                return wrong.empty() ? wrong : "--catnr: " + wrong;
            }
            if (option == "--format") {
                if (value != "tle" && value != "csv") return "--format: tle oder csv";
                request.query.format = value == "csv" ? ElementFormat::Csv : ElementFormat::Tle;
                haveFormat = true;
                return {};
            }
            if (option == "--timeout") return ReadTimeout(value, request.deadlineMs);
            if (option == "--out") request.targetPath = value;
            if (option == "--url") url = value;
            if (option == "--data") dataDir = value;
            if (option == "--force") request.force = true;
            return {};
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (request.query.group.empty() && request.query.catalogNumbers.empty())
        return cli::UsageProblem(kCommand, kUsage, "--group oder --catnr fehlt");
    if (request.targetPath.empty()) return cli::UsageProblem(kCommand, kUsage, "--out fehlt");
    if (!haveFormat) request.query.format = FormatOfFileName(request.targetPath);
    // A relative DATEI stays where the caller named it, as with every command.
    if (!dataDir.empty()) {
        if (std::string error = cli::EnterDataFolder(dataDir, {&request.targetPath});
            !error.empty())
            return cli::UsageProblem(kCommand, kUsage, error);
    }
    // The address: --url, else POLARIDE_ELEMENTS_URL, else line 24 of the settings.
    cli::SettingsSource settings;
    const std::string& configured = settings.ElementServiceUrl();
    request.baseUrl = url ? *url : ElementServiceUrl(configured);
    if (!configured.empty() && request.baseUrl == configured)
        settings.Taken("Adresse des Elementdienstes " + configured);
    settings.PrintNote();

    int argc = 1;
    char name[] = "polaride-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const ElementUpdateResult result = RunElementUpdate(request);
    switch (result.status) {
        case ElementUpdateStatus::Written:
            cli::PrintOut(result.message + "\n");
            return cli::kSuccess;
        case ElementUpdateStatus::FreshCopyKept:
            cli::PrintNote(result.message + " (--force lädt trotzdem)");
            cli::PrintOut(numtext::CountOf(result.sets, "Satellit", "Satelliten") +
                          " in der vorhandenen Datei\n");
            return cli::kSuccess;
        default:
            return cli::Failure(kCommand, result.message);
    }
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunElements};

}  // namespace
