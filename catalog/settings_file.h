// The settings file "polaride.cfg": 23 positional lines, one value per line, Latin-1,
// lines ended by CR LF (CR LF and LF are read alike).
//
//  1 place name            9 element-file dialog: file type 1..4
//  2 longitude, deg east  10 element-file dialog: full path of the last file
//  3 latitude, deg        11-14 pass dialog fields: days, min. satellite altitude,
//  4 height, m                  max. Sun altitude, limiting magnitude (texts as typed)
//  5 zone name (" MEZ")   15 pass dialog options, five digits "0"/"1"
//  6 zone offset, h       16 chart display flags, five digits "0"/"1"
//  7 limiting magnitude   17-23 selection window filters: name, perigee min/max,
//  8 folder of line 10          apogee min/max, inclination min/max (texts as typed)
// 24 (optional) the address of the element service, written only when one was set
//    (empty when a later line follows)
// 25.. (optional) named entries "Name=Wert", each written only when it differs from
//    the default: "Bahnmodell=SGP" for the classic orbit model, "Zeitzone=Europe/Berlin"
//    for a zone by rule (lines 5 and 6 then hold its name and offset at the displayed
//    instant, for readers that know only a fixed zone). A file without that entry whose
//    zone name is " MEZ" or " MESZ" is read as "Europe/Berlin"; any other zone stays fixed.
//
// The main window reads the file at creation (into the place, the display options and
// SettingsFields) and writes it when it closes. The pass dialog and the selection window take their
// field texts from PassDialogFields() / SelectionFilterFields() when they are created
// and hand their current texts back through a collector (AddSettingsCollector) that
// runs before every write.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/timescale.h"

struct DisplayOptions;
struct ObservingPlace;

inline constexpr const char* kSettingsFileName = "polaride.cfg";
inline constexpr int kSettingsLineCount = 23;
// At most this many named entries follow line 24; the name of the orbit model's.
inline constexpr int kMaxNamedEntries = 16;
inline constexpr const char* kOrbitModelEntry = "Bahnmodell";
inline constexpr const char* kZoneRuleEntry = "Zeitzone";
// The zone of the Central European names of line 5 and of a first run.
inline constexpr const char* kCentralEuropeanZoneRule = "Europe/Berlin";
// The longest line the reader takes (a path of the longest length a system allows);
// a longer one is refused like a number that does not convert.
inline constexpr std::size_t kMaxSettingsLineLength = 4096;
// The file types of the element-file dialog: all, old names, two-line, OMM CSV.
inline constexpr int kElementFileTypeCount = 4;

// Lines 11-15: the pass prediction dialog's fields.
struct PassDialogSettings {
    std::string days = "1";                   // "Anzahl Tage"
    std::string minSatelliteAltitude = "10";  // "minimale Satellitenhöhe"
    std::string maxSunAltitude = "-5";        // "maximale Sonnenhöhe"
    std::string limitingMagnitude = "6";      // "Grenzhelligkeit mag"
    // Line 15 check boxes: "Schattenberechnung", "erste Nachthälfte",
    // "zweite Nachthälfte", "Dauer in Minuten", "maximale Helligkeit suchen".
    std::array<bool, 5> options{true, true, true, false, false};
};

// Lines 17-23: the satellite selection window's filter fields.
struct SelectionFilterSettings {
    std::string namePrefix = "Iridium";  // "nach Namen auswählen"
    std::string perigeeMin = "0";
    std::string perigeeMax;
    std::string apogeeMin;
    std::string apogeeMax = "10000000000";
    std::string inclinationMin = "0";
    std::string inclinationMax = "180";
};

// Lines 8-10 and 11-15, 17-23: everything of the file that is not the place, the displayed instant
// or the view options.
struct SettingsFields {
    std::string elementFolder;    // line 8, derived from elementFileName when written
    int elementFilterIndex = 3;   // line 9, 1..4 ("TLE-Dateien (*.tle)" by design)
    std::string elementFileName;  // line 10, the dialog's proposed file name
    PassDialogSettings pass;
    SelectionFilterSettings selection;
    std::string elementServiceUrl;   // line 24; empty: the public service
    bool classicOrbitModel = false;  // "Bahnmodell=SGP": SGP instead of SGP4/SDP4
};

// The one SettingsFields of the process, and handy views of its parts.
SettingsFields& Settings();
PassDialogSettings& PassDialogFields();
SelectionFilterSettings& SelectionFilterFields();
// Back to the design defaults, and no collectors (tests).
void ResetSettings();

// The observer values of a first run (lines 1-7 and 16), used for every line that
// cannot be read: the same values as the shipped data/polaride.cfg.
void ApplyDefaultObserverSettings(ObservingPlace& place, DisplayOptions& display);

// Called before every write so that open windows put their current field texts into
// the SettingsFields. Returns an id for RemoveSettingsCollector.
int AddSettingsCollector(std::function<void(SettingsFields&)> collector);
void RemoveSettingsCollector(int id);

// ---- Line formats -------------------------------------------------------------

// Five flags as the number 10000·d1 + 1000·d2 + 100·d3 + 10·d4 + d5 padded with
// zeros to five characters ("00001").
std::string FlagWord(const std::array<bool, 5>& flags);
// Flag i is on exactly when character i is "1" (missing or other characters: off).
std::array<bool, 5> FlagsFromWord(std::string_view word);
// Line 8: the file name without what follows its last "\" (or "/"), e.g.
// "C:\bahn\iss.tle" -> "C:\bahn\"; no separator or empty: "".
std::string FolderOfElementFile(std::string_view fileName);

// The 23 lines as the writer produces them (UTF-8 texts, no line ends), line 24 when an
// element service address is set or a named entry follows, and the named entries. The
// zone name and offset of lines 5 and 6 are those in force at `instant`.
std::vector<std::string> SettingsLines(const ObservingPlace& place, const DisplayOptions& display,
                                       JD1900 instant, const SettingsFields& fields);

// ---- Reading and writing ------------------------------------------------------

struct SettingsReadResult {
    bool ok = true;         // every line present and every number readable
    int linesRead = 0;      // lines present in the file (at most 23 are used)
    std::string errorText;  // German messages of the failures, one a line; empty when ok
};

// Reads the file into `place` and `display` (lines 1-7, 16; sine and cosine of the latitude
// follow) and `fields` (lines 8-15, 17-23). A line that is missing, does not convert
// or lies outside the values the windows accept (longitude -180..360, latitude
// -90..90, the bounds of catalog/place_numbers.h, file type 1..4), and any line longer
// than kMaxSettingsLineLength, keeps the default; messages quote a line's first
// characters only (numtext::Excerpt);
// a missing file leaves everything at the defaults. Shows nothing: the caller
// reports errorText (every failure, one per line).
SettingsReadResult ReadSettingsFile(const std::string& path, ObservingPlace& place,
                                    DisplayOptions& display, SettingsFields& fields);

// Writes the 23 lines (Latin-1, CR LF) to a temporary file beside `path` and renames
// it over `path`, checking every write and the final commit, so that a failure never
// leaves a truncated or empty file: the old one stays as it was. Runs the collectors
// first. Returns false with the system's description in errorText on failure.
// A line whose text Latin-1 cannot hold is not changed into another text: it keeps
// the old file's line (empty without one), and keptText names each such line
// ("Zeile 10: ...", one per line; empty when none).
bool WriteSettingsFile(const std::string& path, const ObservingPlace& place,
                       const DisplayOptions& display, JD1900 instant, SettingsFields& fields,
                       std::string* errorText = nullptr, std::string* keptText = nullptr);
