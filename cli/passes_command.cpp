// polaride-cli passes: the pass search of the pass dialog without windows. The text
// output is the file the pass list window saves ("Speichern"); --json gives the same
// passes as a JSON array.
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "cli/command_registry.h"
#include "core/observer_state.h"
#include "passes/search/night_window.h"
#include "passes/search/pass_lines.h"
#include "passes/search/pass_list_file.h"
#include "passes/search/pass_search.h"
#include "satellite/column_number.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"

#ifdef POLARIDE_WITH_GUI
#include "app/settings_file.h"
#endif

namespace {

constexpr const char* kUsage =
    "passes --tle DATEI (--select PRÄFIX | --catnr C[,C...] | --all) --date tt.mm.jjjj [--time "
    "hh:mm:ss] "
    "[--nights N | --minutes M] [--min-alt 10] [--max-sun -5] [--mag 6] [--no-shadow] "
    "[--first-half] "
    "[--second-half] [--brightest] [--lon L --lat B --height H --zone Z] [--place NAME] [--json] "
    "[--out DATEI]";

struct Options {
    std::string tlePath;
    std::string selectPrefix;
    std::vector<double> catalogNumbers;
    bool selectAll = false;
    std::string date, time = "12:00:00";
    std::optional<int> nights, minutes;
    PassSearchParameters search;
    std::optional<double> lon, lat, height, zone;
    std::optional<std::string> place;
    bool json = false;
    std::string outPath;
};

int Fail(const std::string& text) {
    std::cerr << "polaride-cli passes: " << text << "\n";
    return 2;
}

bool ToNumber(const std::string& text, double& value) {
    const std::optional<double> v = ParseNumber(text);
    if (!v || !std::isfinite(*v)) return false;
    value = *v;
    return true;
}

bool ToInt(const std::string& text, int& value) {
    const char* b = text.data();
    const char* e = b + text.size();
    const auto r = std::from_chars(b, e, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == e;
}

// "dd.mm.yyyy" and "hh:mm:ss" (seconds optional).
bool ParseDate(const std::string& text, int& day, int& month, int& year) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return false;
    return ToInt(text.substr(0, 2), day) && ToInt(text.substr(3, 2), month) &&
           ToInt(text.substr(6, 4), year) && day >= 1 && day <= 31 && month >= 1 && month <= 12;
}
bool ParseTime(const std::string& text, int& hour, int& minute, int& second) {
    second = 0;
    if (text.size() != 5 && text.size() != 8) return false;
    if (text[2] != ':' || (text.size() == 8 && text[5] != ':')) return false;
    if (!ToInt(text.substr(0, 2), hour) || !ToInt(text.substr(3, 2), minute)) return false;
    if (text.size() == 8 && !ToInt(text.substr(6, 2), second)) return false;
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

// Pass dialog defaults and the observer from "polaride.cfg" when it is there.
void ApplySettingsFile(PassSearchParameters& search) {
#ifdef POLARIDE_WITH_GUI
    if (!std::filesystem::exists(kSettingsFileName)) return;
    ReadSettingsFile(kSettingsFileName, Observer(), Settings());
    const PassDialogSettings& pass = PassDialogFields();
    int days = 0;
    double value = 0.0;
    if (ParseSettingsInteger(pass.days, days)) search.nights = days;
    if (ParseSettingsNumber(pass.minSatelliteAltitude, value)) search.minAltitudeDeg = value;
    if (ParseSettingsNumber(pass.maxSunAltitude, value)) search.maxSunAltitudeDeg = value;
    if (ParseSettingsNumber(pass.limitingMagnitude, value)) search.limitingMagnitude = value;
    search.shadow = pass.options[0];
    search.secondHalf = pass.options[2];
    search.firstHalf = pass.options[1] || !pass.options[2];
    // Duration mode and its minutes come from the command line only.
    search.brightest = pass.options[4];
#else
    (void)search;
#endif
}

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, Options& o) {
    bool halfGiven = false;
    o.search.firstHalf = o.search.secondHalf = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) -> bool {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        double x = 0.0;
        int n = 0;
        if (a == "--json") {
            o.json = true;
        } else if (a == "--all") {
            o.selectAll = true;
        } else if (a == "--no-shadow") {
            o.search.shadow = false;
        } else if (a == "--shadow") {
            o.search.shadow = true;
        } else if (a == "--brightest") {
            o.search.brightest = true;
        } else if (a == "--first-half" || a == "--second-half") {
            if (!halfGiven) o.search.firstHalf = o.search.secondHalf = false;
            halfGiven = true;
            (a == "--first-half" ? o.search.firstHalf : o.search.secondHalf) = true;
        } else if (!value(v)) {
            return "Unbekannte Option oder fehlender Wert: " + a;
        } else if (a == "--tle") {
            o.tlePath = v;
        } else if (a == "--select") {
            o.selectPrefix = v;
        } else if (a == "--catnr") {
            std::stringstream list(v);
            std::string item;
            while (std::getline(list, item, ',')) {
                if (!ToNumber(item, x)) return "Ungültige Katalognummer: " + item;
                o.catalogNumbers.push_back(x);
            }
        } else if (a == "--date") {
            o.date = v;
        } else if (a == "--time") {
            o.time = v;
        } else if (a == "--nights" || a == "--days") {
            if (!ToInt(v, n) || n < 1) return "Ungültige Anzahl Tage: " + v;
            o.nights = n;
        } else if (a == "--minutes") {
            if (!ToInt(v, n) || n < 0) return "Ungültige Dauer: " + v;
            o.minutes = n;
        } else if (a == "--min-alt" || a == "--max-sun" || a == "--mag" || a == "--lon" ||
                   a == "--lat" || a == "--height" || a == "--zone") {
            if (!ToNumber(v, x)) return "Keine Zahl bei " + a + ": " + v;
            if (a == "--min-alt") o.search.minAltitudeDeg = x;
            if (a == "--max-sun") o.search.maxSunAltitudeDeg = x;
            if (a == "--mag") o.search.limitingMagnitude = x;
            if (a == "--lon") o.lon = x;
            if (a == "--lat") o.lat = x;
            if (a == "--height") o.height = x;
            if (a == "--zone") o.zone = x;
        } else if (a == "--place") {
            o.place = v;
        } else if (a == "--out") {
            o.outPath = v;
        } else {
            return "Unbekannte Option: " + a;
        }
    }
    if (o.tlePath.empty()) return std::string("--tle fehlt");
    if (o.date.empty()) return std::string("--date fehlt");
    if (o.nights && o.minutes) return std::string("--nights und --minutes schließen sich aus");
    const int choices = (o.selectAll ? 1 : 0) + (o.selectPrefix.empty() ? 0 : 1) +
                        (o.catalogNumbers.empty() ? 0 : 1);
    if (choices != 1)
        return std::string("genau eine Auswahl angeben: --select, --catnr oder --all");
    if (o.lat && std::fabs(*o.lat) > 90.0) return std::string("Breite außerhalb -90..90");
    return std::nullopt;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The selection as the selection window would make it: name prefix (case ignored),
// catalogue numbers, or everything, in table order.
void Select(const Options& o) {
    SatelliteTable& table = Satellites();
    table.selectedSets.clear();
    table.selectedRows.clear();
    table.selectedCount = 0;
    const std::set<double> wanted(o.catalogNumbers.begin(), o.catalogNumbers.end());
    const std::string prefix = Upper(o.selectPrefix);
    for (int r = 1; r <= Observer().satelliteCount; ++r) {
        const ElementSet set = table.Row(r);
        bool take = o.selectAll;
        if (!prefix.empty())
            take = set.nameLine.size() >= prefix.size() &&
                   Upper(set.nameLine.substr(0, prefix.size())) == prefix;
        if (!wanted.empty()) {
            const std::optional<double> c = ColumnNumber(set.line1, 3, 7);
            take = c && wanted.count(*c) > 0;
        }
        table.rowSelected[r] = take ? 1 : 0;
        if (!take) continue;
        table.selectedSets.push_back(set.nameLine);
        table.selectedSets.push_back(set.line1);
        table.selectedSets.push_back(set.line2);
        table.selectedRows.push_back(std::to_string(r));
        ++table.selectedCount;
    }
}

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonNumber(double x) {
    if (!std::isfinite(x)) return "null";
    return ShortestDecimal(x);
}

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    return s;
}

std::string PassesJson(const PassListState& list) {
    std::string out = "[";
    for (std::size_t j = 0; j < list.passes.size(); ++j) {
        const PassRecord& p = list.passes[j];
        FormatDateTime1900(p.time);
        double az = p.azimuthDeg + 180.0;
        if (az >= 360.0) az -= 360.0;
        out += j == 0 ? "\n" : ",\n";
        out += "  {\"time_jd1900\": " + FixedText(p.time, 9) +
               ", \"date\": " + JsonString(DateText) + ", \"time\": " + JsonString(TimeText) +
               ", \"name\": " + JsonString(TrimRight(CharSlice(p.name, 0, 24))) +
               ", \"catnr\": " + JsonNumber(p.catalogNumber) +
               ", \"sat_index\": " + std::to_string(p.satelliteNumber) +
               ", \"alt_deg\": " + JsonNumber(p.altitudeDeg) + ", \"az_deg\": " + JsonNumber(az) +
               ", \"compass\": " + JsonString(TrimRight(CompassWord(p.azimuthDeg))) +
               ", \"range_km\": " + JsonNumber(p.rangeKm) +
               ", \"direction_deg\": " + JsonNumber(p.directionDeg) +
               ", \"magnitude\": " + JsonNumber(p.magnitude) +
               ", \"magnitude_known\": " + (p.magnitudeKnown ? "true" : "false") +
               ", \"sun_alt_deg\": " + JsonNumber(p.sunAltitudeDeg) +
               ", \"shadow_boundary\": " + (p.shadowBoundary ? "true" : "false") + "}";
    }
    return out + (list.passes.empty() ? "]\n" : "\n]\n");
}

class CliListener : public PassSearchListener {
  public:
    void searchFailed(const std::string& message) override { std::cerr << message << "\n"; }
    void noPasses() override { std::cerr << kNoPassesText << "\n"; }
};

int RunPasses(const std::vector<std::string>& args) {
    Options o;
    ApplySettingsFile(o.search);
    if (const auto error = ParseOptions(args, o)) {
        std::cerr << "polaride-cli passes: " << *error << "\nAufruf: polaride-cli " << kUsage
                  << "\n";
        return 2;
    }
    ObserverState& observer = Observer();
    if (o.lon) observer.longitudeDeg = *o.lon;
    if (o.lat) observer.setLatitude(*o.lat);
    if (o.height) observer.heightM = *o.height;
    if (o.zone) observer.zoneOffsetHours = *o.zone;
    if (o.place) observer.placeName = *o.place;

    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (!ParseDate(o.date, day, month, year)) return Fail("Ungültiges Datum: " + o.date);
    if (!ParseTime(o.time, hour, minute, second)) return Fail("Ungültige Uhrzeit: " + o.time);
    observer.year = year;
    observer.currentJD = JulianDay1900(year, month, day) +
                         (hour + minute / 60.0 + second / 3600.0 - observer.zoneOffsetHours) / 24.0;
    observer.dynamicJD = observer.currentJD + DeltaT(year) / 24.0;
    FormatDateTime1900(observer.currentJD);

    if (std::filesystem::exists("SATMAG")) LoadMagnitudeTable("SATMAG");
    const LoadResult load = LoadElementFile(o.tlePath);
    if (!load.opened) {
        std::cerr << load.errorText << "\n";
        return 1;
    }
    observer.elementFilePath = o.tlePath;
    Select(o);

    if (o.nights) o.search.nights = *o.nights;
    if (o.minutes) {
        o.search.durationMode = true;
        PassWindow().windowStart = observer.currentJD;
        PassWindow().windowEnd = observer.currentJD + *o.minutes / 1440.0;
    }
    CliListener listener;
    const PassSearchResult result = PassSearch(o.search, listener);
    if (result.outcome == PassSearchOutcome::Failed) return 1;
    const PassListState& list = PassList();

    std::string text;
    if (o.json) {
        text = PassesJson(list);
    } else {
        text = PassListFileText(PassListFileLines(observer.placeName, observer.longitudeDeg,
                                                  observer.latitudeDeg, observer.zoneOffsetHours,
                                                  observer.elementFilePath, list.lines));
    }
    if (o.outPath.empty()) {
        std::cout << text << std::flush;
    } else {
        std::ofstream out(o.outPath, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::cerr << "Fehler beim Schreiben von " << o.outPath << "\n";
            return 1;
        }
    }
    if (result.nightsWithoutDarkness > 0)
        std::cerr << result.nightsWithoutDarkness << " Nacht/Nächte ohne Dunkelheit übersprungen\n";
    return 0;
}

cli::RegisterCommand reg{"passes", kUsage, RunPasses};

}  // namespace
