// polaride-cli ephem: one full ephemeris for a place and instant as JSON.
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/ephemeris_report.h"

namespace {

constexpr char kCommand[] = "ephem";
constexpr char kUsage[] =
    "ephem --jd T [--lon L --lat B] [--height M] [--zone H] [--data VERZEICHNIS]";

std::string Help() {
    return std::string() + "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n" +
           cli::kPlaceHelp +
           "Ausgabe: ein JSON-Objekt mit Sternzeit, Sonne, Mond, Planeten, Ceres, Vesta,\n"
           "dem Kleinkörper aus KOMET und den Auf- und Untergängen des Ortsdatums.\n"
           "Rektaszension und Deklination des Mondes (ra_hours, dec_deg) sind\n"
           "geozentrisch, Höhe und Azimut (alt_deg, az_deg) topozentrisch; die\n"
           "topozentrischen Werte stehen in topo_ra_hours und topo_dec_deg.\n"
           "Fehlt ASTEROID.TXT oder KOMET, fehlen deren Einträge und der Status ist 1.\n";
}

int RunEphem(const std::vector<std::string>& args) {
    EphemerisRequest request;
    bool haveJd = false;
    cli::PlaceOptions place;
    cli::OptionNames options = cli::kPlaceOptions;
    options.push_back("--jd");
    const std::string problem = cli::ReadOptions(
        args, options, {}, [&](const std::string& option, const std::string& value) {
            std::string problem;
            if (place.Take(option, value, problem)) return problem;
            haveJd = true;
            return cli::ReadInstant(option, value, request.instant);
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (!haveJd) return cli::UsageProblem(kCommand, kUsage, "--jd fehlt");
    if (std::string error = cli::EnterDataFolder(place.dataDir); !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);

    cli::SettingsSource settings;
    ObserverState observer;
    const std::string placeProblem =
        cli::ApplyPlace(place, cli::kUseHeight | cli::kUseZone, settings, observer);
    settings.PrintNote();
    if (!placeProblem.empty()) return cli::UsageProblem(kCommand, kUsage, placeProblem);
    request.longitudeDeg = observer.longitudeDeg;
    request.latitudeDeg = observer.latitudeDeg;
    request.heightM = observer.heightM;
    request.zoneOffsetHours = observer.zoneOffsetHours;

    const EphemerisReport report = ComputeEphemerisReport(request);
    cli::PrintOut(EphemerisReportJson(report) + "\n");
    for (const std::string& w : report.warnings)
        cli::PrintErr(std::string("polaride-cli ephem: ") + w + " (Eintrag ausgelassen)");
    return report.warnings.empty() ? cli::kSuccess : cli::kFailure;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunEphem};

}  // namespace
