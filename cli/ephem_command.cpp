// polaride-cli ephem: one full ephemeris for a place and instant as JSON.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "core/ephemeris_report.h"
#include "core/number_text.h"

namespace {

constexpr char kCommand[] = "ephem";
constexpr char kUsage[] =
    "ephem --jd T [--lon L --lat B] [--height M] [--zone H | --tz NAME] [--stars] "
    "[--data VERZEICHNIS]";

std::string Help() {
    return std::string() + "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n" +
           cli::kPlaceHelp +
           "  --stars: dazu die Sterne mit Eigennamen (STERNNAM) im Feld stars\n"
           "Ausgabe: ein JSON-Objekt mit Sternzeit (lst_hours, wahre Ortssternzeit),\n"
           "Sonne, Mond, Planeten, Ceres, Vesta, dem Kleinkörper aus KOMET und den Auf-\n"
           "und Untergängen des Ortsdatums. Höhe und Azimut (alt_deg, az_deg, Azimut von\n"
           "Norden über Osten) sind im System des Datums gerechnet (wahrer Äquator, wahres\n"
           "Äquinoktium, wahre Sternzeit). Rektaszension und Deklination (ra_hours,\n"
           "dec_deg) von Sonne, Mond, Planeten, Ceres, Vesta und Sternen sind scheinbare\n"
           "Örter des Datums, die des Kleinkörpers gelten für 2000.0 (die des Datums\n"
           "stehen in ra_date_hours, dec_date_deg).\n"
           "Rektaszension und Deklination des Mondes sind geozentrisch, Höhe und Azimut\n"
           "topozentrisch; die topozentrischen Werte stehen in topo_ra_hours und\n"
           "topo_dec_deg.\n"
           "Fehlt ASTEROID.TXT oder KOMET, fehlen deren Einträge und der Status ist 1;\n"
           "fehlt mit --stars STERNNAM oder STERNKAT, endet der Befehl mit Status 1.\n";
}

// The named stars of "STERNNAM" at their catalogue places of "STERNKAT", seen from the
// place and instant of the request.
std::vector<ReportStar> NamedStars(const EphemerisRequest& request) {
    std::vector<std::pair<int, std::string>> named;
    ReadNamedStars([&](int, const NamedStarRecord& star) {
        int number = 0;
        if (numtext::ParseInteger(star.starNumber, number))
            named.emplace_back(number, std::string(numtext::Trim(star.name)));
    });
    std::map<int, std::optional<std::pair<double, double>>> places;
    for (const auto& n : named) places[n.first] = std::nullopt;
    ReadStarRecords([&](int number, const StarRecord& star) {
        if (const auto it = places.find(number); it != places.end())
            it->second = std::pair{star.rightAscensionHours, star.declinationDeg};
    });
    std::vector<ReportStar> stars;
    for (const auto& [number, name] : named)
        if (const auto& place = places[number])
            stars.push_back(ApparentStar(request, name, place->first, place->second));
    return stars;
}

int RunEphem(const std::vector<std::string>& args) {
    EphemerisRequest request;
    bool haveJd = false;
    bool withStars = false;
    cli::PlaceOptions place;
    cli::OptionNames options = cli::kPlaceOptions;
    options.push_back("--jd");
    const std::string problem = cli::ReadOptions(
        args, options, {"--stars"}, [&](const std::string& option, const std::string& value) {
            std::string problem;
            if (option == "--stars") {
                withStars = true;
                return problem;
            }
            if (place.Take(option, value, problem)) return problem;
            haveJd = true;
            return cli::ReadInstant(option, value, request.instant);
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (!haveJd) return cli::UsageProblem(kCommand, kUsage, "--jd fehlt");
    if (std::string error = cli::EnterDataFolder(place.dataDir); !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);

    cli::SettingsSource settings;
    ObservingPlace observer;
    const std::string placeProblem =
        cli::ApplyPlace(place, cli::kUseHeight | cli::kUseZone, settings, observer);
    settings.PrintNote();
    if (!placeProblem.empty()) return cli::UsageProblem(kCommand, kUsage, placeProblem);
    request.longitudeDeg = observer.longitudeDeg;
    request.latitudeDeg = observer.latitudeDeg;
    request.heightM = observer.heightM;
    request.zoneOffsetHours = observer.zoneOffsetHours;
    request.zoneRule = observer.zoneRule;

    EphemerisReport report = ComputeEphemerisReport(request);
    if (withStars) {
        try {
            report.stars = NamedStars(request);
        } catch (const DataFileError& e) {
            return cli::Failure(kCommand, e.what());
        }
    }
    cli::PrintOut(EphemerisReportJson(report) + "\n");
    for (const std::string& w : report.warnings)
        cli::PrintErr(std::string("polaride-cli ephem: ") + w + " (Eintrag ausgelassen)");
    return report.warnings.empty() ? cli::kSuccess : cli::kFailure;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunEphem};

}  // namespace
