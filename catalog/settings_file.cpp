#include "catalog/settings_file.h"

#include <cmath>
#include <map>
#include <optional>
#include <system_error>

#include "catalog/place_numbers.h"
#include "core/display_options.h"
#include "core/latin1_text.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/replace_file.h"
#include "core/text_file.h"

namespace {

SettingsFields& SettingsInstance() {
    static SettingsFields fields;
    return fields;
}

std::map<int, std::function<void(SettingsFields&)>>& Collectors() {
    static std::map<int, std::function<void(SettingsFields&)>> collectors;
    return collectors;
}

int nextCollectorId = 1;

// The text in Latin-1; false when it holds a character Latin-1 has not (or is no
// valid UTF-8).
bool Utf8ToLatin1(const std::string& text, std::string& latin1) {
    latin1.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            latin1 += static_cast<char>(c);
            continue;
        }
        // Only the two-byte sequences of U+0080..U+00FF fit Latin-1.
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= text.size()) return false;
        const unsigned char next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80) return false;
        latin1 += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    return true;
}

// The lines of a file's contents; CR LF and LF both end a line, a last line
// without an end counts.
std::vector<std::string> SplitLines(const std::string& contents) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        std::string line = contents.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string OutOfRangeMessage(int line, const std::string& text, double low, double high) {
    return "Zeile " + std::to_string(line) + ": '" + numtext::Excerpt(text) +
           "' liegt nicht zwischen " + numtext::FormatNumber(low) + " und " +
           numtext::FormatNumber(high);
}

std::string TooLongMessage(int line, const std::string& text) {
    return "Zeile " + std::to_string(line) + ": '" +
           numtext::Excerpt(Latin1ToUtf8(text.substr(0, numtext::kExcerptChars + 1))) +
           "' ist zu lang (" + std::to_string(text.size()) + " Zeichen, höchstens " +
           std::to_string(kMaxSettingsLineLength) + ")";
}

// The raw lines of the file at path; empty when it cannot be read.
std::vector<std::string> RawLines(const std::string& path) {
    std::string contents;
    if (ReadFileContents(path, contents) != FileReadStatus::Ok) return {};
    return SplitLines(contents);
}

}  // namespace

SettingsFields& Settings() { return SettingsInstance(); }
PassDialogSettings& PassDialogFields() { return SettingsInstance().pass; }
SelectionFilterSettings& SelectionFilterFields() { return SettingsInstance().selection; }

void ResetSettings() {
    SettingsInstance() = SettingsFields{};
    Collectors().clear();
}

void ApplyDefaultObserverSettings(ObservingPlace& place, DisplayOptions& display) {
    place.placeName = "Berlin";
    place.longitudeDeg = 13.405;
    place.latitudeDeg = 52.52;
    place.heightM = 34;
    place.zoneName = " MEZ";
    place.zoneOffsetHours = 1;
    place.zoneRule = kCentralEuropeanZoneRule;
    display.limitingMagnitude = 5;
    display.showPlanetNames = true;
    display.showConstellationNames = true;
    display.showConstellationLines = true;
    display.showAltitudeLines = false;
    display.showZodiac = false;
    place.setLatitude(place.latitudeDeg);
}

int AddSettingsCollector(std::function<void(SettingsFields&)> collector) {
    const int id = nextCollectorId++;
    Collectors()[id] = std::move(collector);
    return id;
}

void RemoveSettingsCollector(int id) { Collectors().erase(id); }

std::string FlagWord(const std::array<bool, 5>& flags) {
    std::string word;
    for (bool flag : flags) word += flag ? '1' : '0';
    return word;
}

std::array<bool, 5> FlagsFromWord(std::string_view word) {
    std::array<bool, 5> flags{};
    for (size_t i = 0; i < flags.size(); ++i) flags[i] = i < word.size() && word[i] == '1';
    return flags;
}

std::string FolderOfElementFile(std::string_view fileName) {
    const auto separator = fileName.find_last_of("\\/");
    if (separator == std::string_view::npos) return std::string();
    return std::string(fileName.substr(0, separator + 1));
}

std::vector<std::string> SettingsLines(const ObservingPlace& place, const DisplayOptions& display,
                                       JD1900 instant, const SettingsFields& fields) {
    const PassDialogSettings& pass = fields.pass;
    const SelectionFilterSettings& selection = fields.selection;
    std::vector<std::string> lines = {
        place.placeName,
        numtext::FormatNumber(place.longitudeDeg),
        numtext::FormatNumber(place.latitudeDeg),
        numtext::FormatNumber(place.heightM),
        place.zoneNameAt(instant),
        numtext::FormatNumber(place.zoneOffsetAt(instant)),
        numtext::FormatNumber(display.limitingMagnitude),
        FolderOfElementFile(fields.elementFileName),
        std::to_string(fields.elementFilterIndex),
        fields.elementFileName,
        pass.days,
        pass.minSatelliteAltitude,
        pass.maxSunAltitude,
        pass.limitingMagnitude,
        FlagWord(pass.options),
        FlagWord({display.showPlanetNames, display.showConstellationNames,
                  display.showConstellationLines, display.showAltitudeLines, display.showZodiac}),
        selection.namePrefix,
        selection.perigeeMin,
        selection.perigeeMax,
        selection.apogeeMin,
        selection.apogeeMax,
        selection.inclinationMin,
        selection.inclinationMax,
    };
    std::vector<std::string> entries;
    if (!place.zoneRule.empty())
        entries.push_back(std::string(kZoneRuleEntry) + "=" + place.zoneRule);
    if (fields.classicOrbitModel) entries.push_back(std::string(kOrbitModelEntry) + "=SGP");
    if (!fields.elementServiceUrl.empty() || !entries.empty())
        lines.push_back(fields.elementServiceUrl);
    lines.insert(lines.end(), entries.begin(), entries.end());
    return lines;
}

SettingsReadResult ReadSettingsFile(const std::string& path, ObservingPlace& place,
                                    DisplayOptions& display, SettingsFields& fields) {
    SettingsReadResult result;
    auto fail = [&result](const std::string& message) {
        if (!result.errorText.empty()) result.errorText += "\n";
        result.errorText += message;
        result.ok = false;
    };

    std::string contents;
    if (ReadFileContents(path, contents) != FileReadStatus::Ok) {
        fail(FailedFileMessage(path));
        place.setLatitude(place.latitudeDeg);
        return result;
    }
    const std::vector<std::string> lines = SplitLines(contents);
    result.linesRead = static_cast<int>(lines.size());

    // Line n (1-based, up to the last named entry) as UTF-8 text, or nullptr when the
    // file is shorter or the line is too long to be any value the windows hold.
    std::vector<std::optional<std::string>> texts;
    for (std::size_t i = 0; i < lines.size() && i < kSettingsLineCount + 1 + kMaxNamedEntries;
         ++i) {
        if (lines[i].size() <= kMaxSettingsLineLength) {
            texts.push_back(Latin1ToUtf8(lines[i]));
        } else {
            texts.emplace_back();
            fail(InFileMessage(TooLongMessage(static_cast<int>(i) + 1, lines[i]), path));
        }
    }
    auto line = [&texts](int n) -> const std::string* {
        if (n > static_cast<int>(texts.size()) || !texts[n - 1]) return nullptr;
        return &*texts[n - 1];
    };
    if (result.linesRead < kSettingsLineCount) fail(EndOfFileMessage(path));

    // A number outside [low, high] is refused like one that does not convert: the
    // line keeps its default, so that no start works with a place or zone that no
    // window would accept.
    auto number = [&](int n, double& target, double low, double high) {
        const std::string* text = line(n);
        if (!text) return;
        double value = 0.0;
        if (!numtext::ParseReal(*text, value))
            fail(InFileMessage(numtext::BadRealMessage(*text), path));
        else if (value < low || value > high)
            fail(InFileMessage(OutOfRangeMessage(n, *text, low, high), path));
        else
            target = value;
    };
    auto copy = [&](int n, std::string& target) {
        if (const std::string* text = line(n)) target = *text;
    };

    using namespace location;
    copy(1, place.placeName);
    number(2, place.longitudeDeg, kMinLongitudeDeg, kMaxLongitudeDeg);
    number(3, place.latitudeDeg, -kMaxAbsLatitudeDeg, kMaxAbsLatitudeDeg);
    number(4, place.heightM, kMinHeightM, kMaxHeightM);
    if (const std::string* text = line(5)) {
        // Written before zones by rule: the Central European names follow its rule.
        place.zoneName = *text;
        const std::string_view name = numtext::Trim(*text);
        place.zoneRule = name == "MEZ" || name == "MESZ" ? kCentralEuropeanZoneRule : "";
    }
    number(6, place.zoneOffsetHours, -kMaxAbsStoredZoneOffsetHours, kMaxAbsStoredZoneOffsetHours);
    number(7, display.limitingMagnitude, kMinChartMagnitude, kMaxChartMagnitude);
    copy(8, fields.elementFolder);
    if (const std::string* text = line(9)) {
        int index = 0;
        if (!numtext::ParseInteger(*text, index))
            fail(InFileMessage(numtext::BadIntegerMessage(*text), path));
        else if (index < 1 || index > kElementFileTypeCount)
            fail(InFileMessage(OutOfRangeMessage(9, *text, 1, kElementFileTypeCount), path));
        else
            fields.elementFilterIndex = index;
    }
    copy(10, fields.elementFileName);
    copy(11, fields.pass.days);
    copy(12, fields.pass.minSatelliteAltitude);
    copy(13, fields.pass.maxSunAltitude);
    copy(14, fields.pass.limitingMagnitude);
    if (const std::string* text = line(15)) fields.pass.options = FlagsFromWord(*text);
    if (const std::string* text = line(16)) {
        const auto flags = FlagsFromWord(*text);
        display.showPlanetNames = flags[0];
        display.showConstellationNames = flags[1];
        display.showConstellationLines = flags[2];
        display.showAltitudeLines = flags[3];
        display.showZodiac = flags[4];
    }
    copy(17, fields.selection.namePrefix);
    copy(18, fields.selection.perigeeMin);
    copy(19, fields.selection.perigeeMax);
    copy(20, fields.selection.apogeeMin);
    copy(21, fields.selection.apogeeMax);
    copy(22, fields.selection.inclinationMin);
    copy(23, fields.selection.inclinationMax);
    if (const std::string* text = line(kSettingsLineCount + 1))
        fields.elementServiceUrl = numtext::Trim(*text);
    // Named entries; one this program does not know is passed over (a later version's).
    for (int n = kSettingsLineCount + 2; n <= static_cast<int>(texts.size()); ++n) {
        const std::string* text = line(n);
        if (!text) continue;
        const std::size_t equals = text->find('=');
        const std::string name(numtext::Trim(text->substr(0, equals)));
        const std::string value =
            equals == std::string::npos ? std::string() : std::string(numtext::Trim(text->substr(equals + 1)));
        if (name == kZoneRuleEntry) {
            if (ZoneRuleKnown(value))
                place.zoneRule = value;
            else
                fail(InFileMessage("Zeile " + std::to_string(n) + ": Zeitzone '" +
                                       numtext::Excerpt(value) + "' unbekannt",
                                   path));
            continue;
        }
        if (name != kOrbitModelEntry) continue;
        if (value == "SGP")
            fields.classicOrbitModel = true;
        else if (value == "SGP4")
            fields.classicOrbitModel = false;
        else
            fail(InFileMessage("Zeile " + std::to_string(n) + ": Bahnmodell '" +
                                   numtext::Excerpt(value) + "' unbekannt (SGP4 oder SGP)",
                               path));
    }

    place.setLatitude(place.latitudeDeg);
    return result;
}

bool WriteSettingsFile(const std::string& path, const ObservingPlace& place,
                       const DisplayOptions& display, JD1900 instant, SettingsFields& fields,
                       std::string* errorText, std::string* keptText) {
    for (auto& [id, collector] : Collectors())
        if (collector) collector(fields);
    fields.elementFolder = FolderOfElementFile(fields.elementFileName);

    // A text that Latin-1 cannot hold would come back changed ("Ωmega" as "?mega"):
    // such a line keeps what the file held before, and the caller says so.
    const std::vector<std::string> lines = SettingsLines(place, display, instant, fields);
    std::vector<std::string> oldLines;
    bool oldLinesRead = false;
    std::string kept;
    std::string contents;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string latin1;
        if (!Utf8ToLatin1(lines[i], latin1)) {
            if (!oldLinesRead) {
                oldLines = RawLines(path);
                oldLinesRead = true;
            }
            latin1 = i < oldLines.size() ? oldLines[i] : std::string();
            kept += "\nZeile " + std::to_string(i + 1) + ": " + lines[i];
        }
        contents += latin1;
        contents += "\r\n";
    }
    if (keptText) *keptText = kept.empty() ? std::string() : kept.substr(1);

    const ReplaceFileResult written = ReplaceFileContents(path, contents);
    if (!written.ok && errorText) *errorText = written.errorText;
    return written.ok;
}
