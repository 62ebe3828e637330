#include "cli/cli_settings.h"

#include "satellite/satellite_table.h"

#include <filesystem>

#include "catalog/place_entry.h"
#include "catalog/place_numbers.h"
#include "cli/cli_output.h"
#include "core/number_text.h"
#include "core/replace_file.h"
#include "core/text_file.h"
#include "satellite/magnitude_table.h"

namespace cli {

namespace {

// Zone names for a zone given by its offset.
std::string ZoneName(double offset) {
    if (offset == 1.0) return " MEZ";
    if (offset == 2.0) return " MESZ";
    if (offset == 0.0) return " UT";
    return " UT" + std::string(offset > 0 ? "+" : "") + NumberText(offset);
}

// The message of a place value outside its bounds: which field, and where the value
// came from.
std::string OutOfBounds(const char* field, const char* option, bool given, double value) {
    return InvalidEntry(std::string(field) + " (" +
                        (given ? std::string(option) + " " : std::string("polaride.cfg: ")) +
                        NumberText(value) + ")");
}

}  // namespace

std::string NumberText(double value) { return numtext::FormatNumber(value); }

bool PlaceOptions::Take(const std::string& option, const std::string& value, std::string& problem) {
    double number = 0.0;
    std::optional<double>* target = option == "--lon"      ? &lon
                                    : option == "--lat"    ? &lat
                                    : option == "--height" ? &height
                                    : option == "--zone"   ? &zone
                                                           : nullptr;
    if (target) {
        problem = ReadNumber(option, value, number);
        if (problem.empty()) *target = number;
    } else if (option == "--tz") {
        tz = value;
    } else if (option == "--place") {
        name = value;
    } else if (option == "--data") {
        dataDir = value;
    } else {
        return false;
    }
    return true;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

std::string EnterDataFolder(const std::string& dir) {
    if (!dir.empty()) {
        std::error_code ec;
        std::filesystem::current_path(dir, ec);
        if (ec) return "Verzeichnis nicht gefunden: " + dir;
    }
    RemoveStaleTemporaries(".");
    return {};
}

std::string EnterDataFolder(const std::string& dir, std::initializer_list<std::string*> paths) {
    for (std::string* path : paths) *path = AbsolutePath(*path);
    return EnterDataFolder(dir);
}

SettingsSource::SettingsSource() {
    ApplyDefaultObserverSettings(place_, display_);
    ObservingPlace readPlace = place_;
    DisplayOptions readDisplay = display_;
    SettingsFields fields;
    const SettingsReadResult result =
        ReadSettingsFile(kSettingsFileName, readPlace, readDisplay, fields);
    if (result.ok) {
        place_ = readPlace;
        display_ = readDisplay;
        fields_ = fields;
        return;
    }
    // The first problem is enough to say why; a damaged file can have many. The
    // reader's messages quote a long line by its first characters only.
    std::string first = result.errorText.substr(0, result.errorText.find('\n'));
    if (first.empty()) first = UnreadableFileMessage(kSettingsFileName);
    problem_ = first;
}

void SettingsSource::Taken(std::string description) { taken_.push_back(std::move(description)); }

void SettingsSource::PrintNote() const {
    if (taken_.empty()) return;
    std::string values;
    for (const std::string& t : taken_) values += (values.empty() ? "" : ", ") + t;
    if (problem_.empty()) {
        cli::PrintNote(std::string("aus ") + kSettingsFileName + ": " + values);
        return;
    }
    // The problem names the file.
    cli::PrintNote(problem_ + "; die Einstellungen werden nicht verwendet");
    cli::PrintNote("es gelten die Vorgaben: " + values);
}

bool ModelOption::Take(const std::string& option, const std::string& value,
                       std::string& problem) {
    if (option != "--model") return false;
    model = OrbitModelOfWord(value);
    if (!model) problem = "--model: '" + value + "' ist kein Bahnmodell (sgp4 oder sgp)";
    return true;
}

OrbitModel ApplyOrbitModel(const ModelOption& option, SettingsSource& settings) {
    OrbitModel model = settings.ClassicOrbitModel() ? OrbitModel::Sgp : OrbitModel::Sgp4;
    if (option.model)
        model = *option.model;
    else if (model == OrbitModel::Sgp)
        settings.Taken("Bahnmodell " + std::string(OrbitModelName(model)));
    Satellites().orbitModel = model;
    return model;
}

std::string ApplyPlace(const PlaceOptions& options, int use, SettingsSource& settings,
                       ObservingPlace& observer) {
    const ObservingPlace& file = settings.FilePlace();
    if (options.lon.has_value() != options.lat.has_value())
        return "--lon und --lat gehören zusammen";
    const bool givenPlace = options.lon.has_value();
    const double lon = options.lon.value_or(file.longitudeDeg);
    const double lat = options.lat.value_or(file.latitudeDeg);
    if (!location::LongitudeWithinBounds(lon))
        return OutOfBounds(location::kLongitudeError, "--lon", givenPlace, lon);
    if (!location::LatitudeWithinBounds(lat))
        return OutOfBounds(location::kLatitudeError, "--lat", givenPlace, lat);
    observer.longitudeDeg = lon;
    observer.setLatitude(lat);
    const std::string coordinates = "Länge " + NumberText(lon) + ", Breite " + NumberText(lat);
    if (!givenPlace)
        settings.Taken(use & kUseName
                           ? "Ort " + numtext::Excerpt(file.placeName) + " (" + coordinates + ")"
                           : coordinates);
    if (use & kUseName) {
        observer.placeName = options.name ? *options.name
                             : givenPlace ? "L " + NumberText(lon) + " B " + NumberText(lat)
                                          : file.placeName;
    }
    if (use & kUseHeight) {
        const double height = options.height.value_or(file.heightM);
        if (!location::HeightWithinBounds(height))
            return OutOfBounds(location::kHeightError, "--height", options.height.has_value(),
                               height);
        observer.heightM = height;
        if (!options.height) settings.Taken("Höhe " + NumberText(height) + " m");
    }
    if (use & kUseZone) {
        if (options.zone && options.tz) return "--tz und --zone schließen einander aus";
        if (options.tz) {
            if (!ZoneRuleKnown(*options.tz))
                return "--tz: '" + numtext::Excerpt(*options.tz) +
                       "' ist keine Zeitzone der Zeitzonen-Datenbank (z. B. Europe/Berlin)";
            observer.zoneRule = *options.tz;
            observer.zoneOffsetHours = file.zoneOffsetHours;
            observer.zoneName = file.zoneName;
            return {};
        }
        if (!options.zone && !file.zoneRule.empty()) {
            observer.zoneRule = file.zoneRule;
            observer.zoneOffsetHours = file.zoneOffsetHours;
            observer.zoneName = file.zoneName;
            settings.Taken("Zeitzone " + file.zoneRule);
            return {};
        }
        observer.zoneRule.clear();
        const double zone = options.zone.value_or(file.zoneOffsetHours);
        // The settings file's offset was checked as the file is read (it may hold one
        // that earlier versions accepted); --zone must name a real zone.
        if (options.zone && !location::ZoneOffsetWithinBounds(zone))
            return OutOfBounds(location::kZoneOffsetError, "--zone", true, zone);
        observer.zoneOffsetHours = zone;
        observer.zoneName = options.zone ? ZoneName(zone) : file.zoneName;
        if (!options.zone) settings.Taken("Zeitzone " + NumberText(zone) + " h");
    }
    return {};
}

void LoadSatelliteMagnitudes() {
    std::string error;
    if (!std::filesystem::exists("SATMAG")) {
        ResetMagnitudeTable();
        PrintNote(MissingFileMessage("SATMAG") + " (Standardhelligkeiten nur aus den Namenszeilen)");
    } else if (!LoadMagnitudeTable("SATMAG", &error)) {
        PrintNote(error);
    }
}

}  // namespace cli
