// What every command shares: the place (options, else the settings file
// "polaride.cfg"), the data folder, and the satellite magnitudes of "SATMAG".
//
// The settings file is the one in the data folder (the working directory after
// --data). It is used only when it reads without a problem; a file that is missing or
// has a bad line is not used at all, and the values of a first run stand in for it
// (Berlin, the pass dialog's design defaults). Either way a note on standard error
// names every value that did not come from an option.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "catalog/settings_file.h"
#include "cli/cli_options.h"
#include "core/display_options.h"
#include "core/observing_place.h"
#include "satellite/orbit_model.h"

namespace cli {

// The options of the place and the data folder; "--place" names the place where a
// command shows it.
inline const OptionNames kPlaceOptions = {"--lon", "--lat", "--height", "--zone", "--tz", "--data"};

// The lines of a command's help that explain the options above.
inline constexpr const char* kPlaceHelp =
    "  --lon/--lat: geographische Länge in Grad, östlich positiv (-180..360), und Breite\n"
    "  --height: Höhe über dem Meer in Metern; --zone: feste Zeitzone minus UTC in Stunden\n"
    "  --tz: Zeitzone der Zeitzonen-Datenbank mit Sommerzeit (z. B. Europe/Berlin,\n"
    "        America/Santiago); nicht mit --zone. Ohne beide gilt die Zeitzone aus\n"
    "        polaride.cfg\n"
    "  --data: Datenverzeichnis mit polaride.cfg, SATMAG und den übrigen Dateien\n"
    "          (Vorgabe: das Arbeitsverzeichnis)\n"
    "  Was fehlt, kommt aus polaride.cfg (ohne lesbare Datei: Berlin); ein Hinweis auf\n"
    "  der Fehlerausgabe nennt diese Werte.\n";

struct PlaceOptions {
    std::optional<double> lon, lat, height, zone;
    std::optional<std::string> name, tz;
    std::string dataDir;
    // Takes one of kPlaceOptions or "--place": true when it was one of them (problem
    // then holds the message of a value that does not convert).
    bool Take(const std::string& option, const std::string& value, std::string& problem);
};

// The caller's relative path made absolute, so that it stays valid in the data folder.
std::string AbsolutePath(const std::string& path);
// Makes the data folder the working directory (nothing for an empty name) and removes
// the temporary files that killed writes left there; a German problem text when the
// folder cannot be entered.
std::string EnterDataFolder(const std::string& dir);
// The same after making the caller's paths absolute (AbsolutePath), so that they stay
// valid in the data folder.
std::string EnterDataFolder(const std::string& dir, std::initializer_list<std::string*> paths);

class SettingsSource {
  public:
    // Reads "polaride.cfg" of the working directory.
    SettingsSource();
    const ObservingPlace& FilePlace() const { return place_; }
    const DisplayOptions& FileDisplay() const { return display_; }
    const PassDialogSettings& PassDialog() const { return fields_.pass; }
    // Line 24, empty when the file has none (or is not used).
    const std::string& ElementServiceUrl() const { return fields_.elementServiceUrl; }
    bool ClassicOrbitModel() const { return fields_.classicOrbitModel; }
    // The description of a value that came from the file (or its stand-ins).
    void Taken(std::string description);
    // "Hinweis: aus polaride.cfg: ..." (or why the file was not used and that the
    // defaults stood in) when any value was taken.
    void PrintNote() const;

  private:
    ObservingPlace place_;
    DisplayOptions display_;
    SettingsFields fields_;
    std::string problem_;  // why the file is not used; empty: it is used
    std::vector<std::string> taken_;
};

// "--model sgp4|sgp": the orbit model of the commands that propagate satellites.
inline const OptionNames kModelOptions = {"--model"};
inline constexpr const char* kModelHelp =
    "  --model: Bahnmodell sgp4 (SGP4/SDP4, Vorgabe) oder sgp (klassisch); ohne Angabe\n"
    "           das Bahnmodell aus polaride.cfg\n";
struct ModelOption {
    std::optional<OrbitModel> model;
    // Takes "--model": true when it was that option (problem then holds the message of
    // a word that names no model).
    bool Take(const std::string& option, const std::string& value, std::string& problem);
};
// The orbit model of the option, else of the settings (noted when it is the classic
// one), for every set loaded from now on.
OrbitModel ApplyOrbitModel(const ModelOption& option, SettingsSource& settings);

// Which values of the place a command uses besides longitude and latitude.
enum PlaceUse { kUseHeight = 1, kUseZone = 2, kUseName = 4 };

// Sets the observer's place (longitude, latitude with its sine and cosine, and the
// values of `use`) from the options, else from the settings. --lon and --lat go
// together; without --place a place given by them is named "L x B y". Returns the
// message of a value outside the bounds the windows accept, empty when all are fine.
std::string ApplyPlace(const PlaceOptions& options, int use, SettingsSource& settings,
                       ObservingPlace& observer);

// Reads "SATMAG" of the working directory into the magnitude table; says on standard
// error when it is missing or unreadable (the magnitudes then come from the name lines).
void LoadSatelliteMagnitudes();

// Text of a number as the settings file writes it ("13.405", "-5").
std::string NumberText(double value);

}  // namespace cli
