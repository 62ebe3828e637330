// polaride-cli sgp: one satellite of an element file at given instants as JSON.
#include <cmath>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "satellite/sgp_report.h"

namespace {

constexpr char kCommand[] = "sgp";
constexpr char kUsage[] =
    "sgp --tle DATEI (--index N | --catnr C) (--jd T | --minutes M)... [--lon L --lat B] "
    "[--height H] [--model sgp4|sgp] [--data VERZEICHNIS]";
constexpr double kMaxMinutes = 1.0e9;

std::string Help() {
    return std::string() +
           "  DATEI: Bahnelemente-Datei (Namenszeile und zwei Elementzeilen je Satellit)\n"
           "  N: Nummer des Satelliten in der Datei (ab 1); C: Katalognummer\n"
           "  T: Zeitpunkt in Tagen seit 1899-12-31 12:00 UT (JD1900, Weltzeit)\n"
           "  M: Minuten nach der Epoche der Elemente; beide Angaben mehrfach möglich\n" +
           cli::kPlaceHelp + cli::kModelHelp +
           "Ausgabe: ein JSON-Objekt je Zeitpunkt: position_km und velocity_km_s im\n"
           "System des Bahnmodells (TEME), alt_deg/az_deg (Azimut von Norden über Osten)\n"
           "im wahren Äquator und Äquinoktium des Datums, ra_date_hours/dec_date_deg des\n"
           "Datums und ra2000_hours/dec2000_deg bezogen auf 2000.0; math_error ist true\n"
           "und orbit_error nennt den Grund, wo die Bahn nicht berechnet werden konnte.\n"
           "Gelingt das zu keinem Zeitpunkt, ist der Status 1.\n";
}

int RunSgp(const std::vector<std::string>& args) {
    SgpReportRequest request;
    bool haveTle = false, haveIndex = false, haveCatnr = false;
    cli::PlaceOptions place;
    cli::ModelOption model;
    cli::OptionNames options = cli::kPlaceOptions;
    options.insert(options.end(), {"--tle", "--index", "--catnr", "--jd", "--minutes", "--model"});
    const std::string problem = cli::ReadOptions(
        args, options, {}, [&](const std::string& option, const std::string& value) {
            std::string problem;
            if (place.Take(option, value, problem)) return problem;
            if (model.Take(option, value, problem)) return problem;
            if (option == "--tle") {
                if (haveTle) return std::string("--tle ist doppelt angegeben");
                request.elementFile = value;
                haveTle = true;
                return problem;
            }
            if (option == "--index" || option == "--catnr") {
                if (haveIndex || haveCatnr)
                    return std::string("Nur eine Angabe --index oder --catnr");
                if (option == "--catnr") {
                    haveCatnr = true;
                    return cli::ReadCatalogNumber(option, value, request.catalogNumber);
                }
                haveIndex = true;
                problem = cli::ReadInteger(option, value, request.index);
                if (problem.empty() && request.index < 1)
                    problem = cli::InvalidEntry("--index: die Nummer zählt ab 1");
                return problem;
            }
            SgpReportRequest::Instant instant;
            instant.minutesSinceEpoch = option == "--minutes";
            problem = instant.minutesSinceEpoch ? cli::ReadNumber(option, value, instant.value)
                                                : cli::ReadInstant(option, value, instant.value);
            if (problem.empty() && std::fabs(instant.value) > kMaxMinutes)
                problem =
                    cli::InvalidEntry("--minutes: " + value + " liegt nicht zwischen -1E9 und 1E9");
            request.instants.push_back(instant);
            return problem;
        });
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    if (!haveTle) return cli::UsageProblem(kCommand, kUsage, "--tle fehlt");
    if (!haveIndex && !haveCatnr)
        return cli::UsageProblem(kCommand, kUsage, "--index oder --catnr fehlt");
    if (request.instants.empty())
        return cli::UsageProblem(kCommand, kUsage, "mindestens ein --jd oder --minutes fehlt");

    if (std::string error = cli::EnterDataFolder(place.dataDir, {&request.elementFile});
        !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);
    cli::SettingsSource settings;
    ObservingPlace observer;
    const std::string placeProblem = cli::ApplyPlace(place, cli::kUseHeight, settings, observer);
    request.model = cli::ApplyOrbitModel(model, settings);
    settings.PrintNote();
    if (!placeProblem.empty()) return cli::UsageProblem(kCommand, kUsage, placeProblem);
    request.longitudeDeg = observer.longitudeDeg;
    request.latitudeDeg = observer.latitudeDeg;
    request.heightM = observer.heightM;

    cli::LoadSatelliteMagnitudes();
    const SgpReport report = ComputeSgpReport(request);
    cli::PrintNote(report.loadNotice);
    if (!report.ok) return cli::Failure(kCommand, report.errorText);
    cli::PrintOut(report.json + "\n");
    const int count = static_cast<int>(request.instants.size());
    if (report.failedInstants == count)
        return cli::Failure(kCommand, "Die Bahn ließ sich zu keinem Zeitpunkt berechnen.");
    if (report.failedInstants > 0)
        cli::PrintNote("Die Bahn ließ sich zu " + std::to_string(report.failedInstants) + " von " +
                       std::to_string(count) + " Zeitpunkten nicht berechnen (math_error).");
    return cli::kSuccess;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunSgp};

}  // namespace
