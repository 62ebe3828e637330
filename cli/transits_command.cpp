// polaride-cli transits: satellites in front of the Sun and the Moon seen from the
// place, with the centre line of each approach; a German table or, with --json, an
// array of approaches.
#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_settings.h"
#include "cli/command_registry.h"
#include "cli/satellite_choice.h"
#include "core/json_text.h"
#include "core/observing_place.h"
#include "prediction/pass_events.h"
#include "prediction/transit_list_text.h"
#include "prediction/transit_search.h"
#include "satellite/catalog_number.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"

namespace {

std::string DateText(const cli::CivilDate& d) {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(d.day) + "." + two(d.month) + "." + std::to_string(d.year);
}

constexpr char kCommand[] = "transits";
constexpr char kUsage[] =
    "transits --tle DATEI (--select PRÄFIX | --catnr C[,C...] | --all) --date tt.mm.jjjj "
    "[--days 14] [--max-sep 1] [--radius 15] [--lon L --lat B] [--height H] [--zone Z | --tz "
    "NAME] [--place NAME] [--model sgp4|sgp] [--data VERZEICHNIS] [--json]";

std::string Help() {
    return std::string() +
           "Sucht die Vorübergänge von Satelliten vor Sonne und Mond, solange deren Mitte\n"
           "über dem Horizont steht (ohne Refraktion), ab 0 Uhr Ortszeit des Datums.\n"
           "  --days: Anzahl Tage (Vorgabe 14, bis 60)\n"
           "  --max-sep: größter Abstand des Satelliten von der Mitte in Grad (Vorgabe 1)\n"
           "  --radius: auch melden, wenn die Zentrallinie näher als so viele km am Ort\n"
           "            vorbeiläuft (Vorgabe 15)\n" +
           cli::kPlaceHelp + cli::kModelHelp +
           "Die Zentrallinie ist die Spur am Boden (in der Höhe des Orts), von der aus der\n"
           "Satellit genau über die Mitte zieht; genannt werden ihr nächster Punkt, seine\n"
           "Entfernung und Richtung und die halbe Breite des Streifens, von dem aus er die\n"
           "Scheibe kreuzt.\n"
           "--json: ein Feld mit catnr, name, body (sun/moon), jd1900 (UT), utc,\n"
           "separation_deg, body_radius_deg, is_transit, duration_s, body_alt_deg, body_az_deg\n"
           "(von Nord über Ost), range_km, angular_speed_deg_s, centre_line_km,\n"
           "centre_line_azimuth_deg, centre_line_jd1900, centre_line_lat_deg,\n"
           "centre_line_lon_deg, strip_half_width_km "
           "und, wo die Maße bekannt sind, satellite_size_arcsec (Länge und Breite in\n"
           "Bogensekunden).\n";
}

struct Options {
    std::string tlePath;
    cli::SatelliteChoice choice;
    bool json = false, dateGiven = false;
    cli::CivilDate date;
    int days = 14;
    double maxSeparationDeg = 1.0, radiusKm = 15.0;
    cli::PlaceOptions place;
    cli::ModelOption model;
};

std::string TakeOption(Options& o, const std::string& option, const std::string& value) {
    std::string problem;
    if (o.place.Take(option, value, problem) || o.model.Take(option, value, problem) ||
        o.choice.Take(option, value, problem))
        return problem;
    if (option == "--json") {
        o.json = true;
    } else if (option == "--tle") {
        o.tlePath = value;
    } else if (option == "--date") {
        o.dateGiven = true;
        problem = cli::ReadDate(option, value, o.date);
    } else if (option == "--days") {
        problem = cli::ReadInteger(option, value, o.days);
        if (problem.empty() && (o.days < 1 || o.days > 60))
            problem = cli::InvalidEntry("--days " + value + " liegt nicht zwischen 1 und 60");
    } else {
        double& target = option == "--max-sep" ? o.maxSeparationDeg : o.radiusKm;
        problem = cli::ReadNumber(option, value, target);
        if (problem.empty() && option == "--max-sep" && (target <= 0.0 || target > 10.0))
            problem = cli::InvalidEntry("--max-sep " + value + " liegt nicht zwischen 0 und 10");
        if (problem.empty() && option == "--radius" && (target < 0.0 || target > 500.0))
            problem = cli::InvalidEntry("--radius " + value + " liegt nicht zwischen 0 und 500");
    }
    return problem;
}

std::string ParseOptions(const std::vector<std::string>& args, Options& o) {
    cli::OptionNames names = cli::kPlaceOptions;
    names.insert(names.end(), cli::kSatelliteChoiceOptions.begin(),
                 cli::kSatelliteChoiceOptions.end());
    names.insert(names.end(),
                 {"--place", "--tle", "--date", "--days", "--max-sep", "--radius", "--model"});
    const std::string problem =
        cli::ReadOptions(args, names, {"--json", cli::kSatelliteChoiceFlag},
                         [&o](const std::string& option, const std::string& value) {
                             return TakeOption(o, option, value);
                         });
    if (!problem.empty()) return problem;
    if (o.tlePath.empty()) return "--tle fehlt";
    if (!o.dateGiven) return "--date fehlt";
    return o.choice.Problem();
}

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    return s;
}

// The selected sets as the search takes them (their orbits stay in the table).
std::vector<TransitCandidate> SelectedCandidates() {
    const SatelliteTable& table = Satellites();
    std::vector<TransitCandidate> candidates;
    for (int k = 0; k < table.selectedCount; ++k) {
        const ElementSet set = table.Selected(k);
        TransitCandidate c;
        c.catalogNumber = static_cast<int>(CatalogNumberOfLine(set.line1).value_or(0.0));
        c.name = TrimRight(set.nameLine);
        c.orbit = &table.SelectedOrbit(k);
        candidates.push_back(std::move(c));
    }
    return candidates;
}

jsontext::Json ApproachJson(const TransitApproach& a) {
    using jsontext::JsonNumber;
    using jsontext::JsonString;
    jsontext::Json j = {{"catnr", JsonNumber(a.catalogNumber)},
                        {"name", JsonString(a.name)},
                        {"body", a.body == TransitBody::Sun ? "sun" : "moon"},
                        {"jd1900", JsonNumber(std::round(a.instant * 1e9) / 1e9)},
                        {"utc", JsonString(UtcIsoText(a.instant))},
                        {"separation_deg", JsonNumber(a.separationDeg)},
                        {"body_radius_deg", JsonNumber(a.bodyRadiusDeg)},
                        {"is_transit", a.isTransit},
                        {"duration_s", JsonNumber(a.durationS)},
                        {"body_alt_deg", JsonNumber(a.bodyAltitudeDeg)},
                        {"body_az_deg", JsonNumber(a.bodyAzimuthDeg)},
                        {"range_km", JsonNumber(a.rangeKm)},
                        {"angular_speed_deg_s", JsonNumber(a.angularSpeedDegS)}};
    const CentreLineNearest& c = a.centreLine;
    auto orNull = [&c](double value) { return c.found ? JsonNumber(value) : jsontext::Json(); };
    j["centre_line_km"] = orNull(c.distanceKm);
    j["centre_line_azimuth_deg"] = orNull(c.azimuthDeg);
    j["centre_line_jd1900"] = orNull(c.nearest.instant);
    j["centre_line_lat_deg"] = orNull(c.nearest.point.latitudeDeg);
    j["centre_line_lon_deg"] = orNull(c.nearest.point.longitudeDeg);
    j["strip_half_width_km"] = orNull(c.nearest.stripHalfWidthKm);
    if (a.sizeArcsec)
        j["satellite_size_arcsec"] = {JsonNumber(*a.sizeArcsec), JsonNumber(*a.sizeWidthArcsec)};
    return j;
}

int RunTransits(const std::vector<std::string>& args) {
    Options o;
    if (std::string problem = ParseOptions(args, o); !problem.empty())
        return cli::UsageProblem(kCommand, kUsage, problem);
    if (std::string error = cli::EnterDataFolder(o.place.dataDir, {&o.tlePath}); !error.empty())
        return cli::UsageProblem(kCommand, kUsage, error);

    ObservingPlace& observer = Place();
    cli::SettingsSource settings;
    std::string problem = cli::ApplyPlace(o.place, cli::kUseHeight | cli::kUseZone | cli::kUseName,
                                          settings, observer);
    cli::ApplyOrbitModel(o.model, settings);
    settings.PrintNote();
    if (!problem.empty()) return cli::UsageProblem(kCommand, kUsage, problem);
    const LocalTimeResolution local =
        observer.instantFromLocal(o.date.year, o.date.month, o.date.day, 0, 0, 0);
    if (local.kind == LocalTimeKind::Skipped)
        return cli::UsageProblem(kCommand, kUsage, local.message);

    if (std::string error = cli::LoadAndChoose(o.tlePath, o.choice); !error.empty())
        return cli::Failure(kCommand, error);
    ElementFile().elementFilePath = o.tlePath;

    TransitSearchParameters search;
    search.place = {observer.latitudeDeg, observer.longitudeDeg, observer.heightM / 1000.0};
    search.start = local.instant.instant;
    search.days = o.days;
    search.maxSeparationDeg = o.maxSeparationDeg;
    search.radiusKm = o.radiusKm;
    const std::vector<TransitApproach> found = SearchTransits(SelectedCandidates(), search);

    if (o.json) {
        jsontext::Json array = jsontext::Json::array();
        for (const TransitApproach& a : found) array.push_back(ApproachJson(a));
        cli::PrintOut(jsontext::JsonRows(array, jsontext::Layout::Spaced, "  ") + "\n");
        return cli::kSuccess;
    }
    std::string text = "Transite vor Sonne und Mond: " + observer.placeName + ", " +
                       (o.days == 1 ? std::string("1 Tag") : std::to_string(o.days) + " Tage") +
                       " ab " + DateText(o.date) + ", Abstand bis " +
                       GermanNumber(o.maxSeparationDeg, 2) + "°, Zentrallinie bis " +
                       GermanNumber(o.radiusKm, 1) + " km\n";
    if (found.empty()) {
        cli::PrintOut(text + "Keine Annäherungen gefunden.\n");
        return cli::kSuccess;
    }
    text += TransitListHeading() + "  (Zeiten" + observer.zoneNameAt(found.front().instant) + ")\n";
    for (const TransitApproach& a : found)
        text += TransitListLine(a, observer.zoneOffsetAt(a.instant)) + "\n";
    cli::PrintOut(text);
    return cli::kSuccess;
}

cli::RegisterCommand reg{kCommand, kUsage, Help(), RunTransits};

}  // namespace
