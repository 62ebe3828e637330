// polaride-cli elements: current elements from the element service into a file.
#include <QCoreApplication>
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
    "[--force]";

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
           ");\n"
           "           angehängt wird ?GROUP=NAME&FORMAT=... oder ?CATNR=C&FORMAT=...\n"
           "  --force: auch laden, wenn DATEI jünger als zwei Stunden ist (der Dienst bittet,\n"
           "           dieselben Elemente höchstens alle zwei Stunden abzurufen)\n"
           "Ausgabe: \"N Satelliten geschrieben\"; bei einem Fehler Status 1, eine Meldung auf\n"
           "der Fehlerausgabe und DATEI unverändert.\n";
}

int RunElements(const std::vector<std::string>& args) {
    ElementUpdateRequest request;
    request.baseUrl = ElementServiceUrl();
    bool haveFormat = false;
    const std::string problem = cli::ReadOptions(
        args, {"--group", "--catnr", "--format", "--out", "--url"}, {"--force"},
        [&](const std::string& option, const std::string& value) -> std::string {
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
            if (option == "--out") request.targetPath = value;
            if (option == "--url") request.baseUrl = value;
            if (option == "--force") request.force = true;
            return {};
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (request.query.group.empty() && request.query.catalogNumbers.empty())
        return cli::UsageProblem(kCommand, kUsage, "--group oder --catnr fehlt");
    if (request.targetPath.empty()) return cli::UsageProblem(kCommand, kUsage, "--out fehlt");
    if (!haveFormat) request.query.format = FormatOfFileName(request.targetPath);

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
