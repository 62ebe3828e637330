#include "satellite/satellite_table.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/observer_state.h"
#include "core/text_file.h"
#include "satellite/catalog_number.h"
#include "satellite/column_number.h"
#include "satellite/element_records.h"
#include "satellite/element_cache.h"
#include "satellite/magnitude_table.h"
#include "satellite/omm_csv.h"
#include "satellite/text_lines.h"

namespace {

SatelliteTable gSatelliteTable;

// Notes on lines that were not taken list at most this many runs of line numbers.
constexpr std::size_t kMaxListedRuns = 10;

// "Zeile 7", "Zeilen 9-12", ... for ascending line numbers.
std::string LineRuns(const std::vector<int>& lines) {
    std::string text;
    std::size_t runs = 0;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1) ++j;
        if (++runs > kMaxListedRuns) {
            text += " und weitere (insgesamt " + std::to_string(lines.size()) + " Zeilen)";
            break;
        }
        if (!text.empty()) text += ", ";
        text += j == i ? "Zeile " + std::to_string(lines[i])
                       : "Zeilen " + std::to_string(lines[i]) + "-" + std::to_string(lines[j]);
        i = j + 1;
    }
    return text;
}

}  // namespace

SatelliteTable& Satellites() { return gSatelliteTable; }

void ResetSatelliteTable() {
    gSatelliteTable = SatelliteTable{};
    ClearElementCache();
}

ElementSet SatelliteTable::Row(int r) const {
    if (r < 1) return {};
    const std::size_t base = 3 * static_cast<std::size_t>(r - 1);
    if (base + 2 >= allSets.size()) return {};
    return {allSets[base], allSets[base + 1], allSets[base + 2]};
}

ElementSet SatelliteTable::Selected(int k) const {
    if (k < 0) return {};
    const std::size_t base = 3 * static_cast<std::size_t>(k);
    if (base + 2 >= selectedSets.size()) return {};
    return {selectedSets[base], selectedSets[base + 1], selectedSets[base + 2]};
}

int SatelliteTable::SelectedRow(int k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= selectedRows.size()) return 0;
    const std::string& text = selectedRows[static_cast<std::size_t>(k)];
    int row = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), row);
    if (result.ec != std::errc() || row < 1 || row > kSatelliteCapacity) return 0;
    return row;
}

std::vector<double> ReadFlareList(const std::string& path, std::string* errorText) {
    std::vector<double> numbers;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        if (errorText) *errorText = UnreadableFileMessage(path);
        return numbers;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return numbers;
    std::string name, line1, line2;
    bool tooLong = false;
    while (numbers.size() < static_cast<std::size_t>(kFlareListCapacity)) {
        if (!ReadTextLine(in, name, tooLong) || tooLong) break;
        if (!ReadTextLine(in, line1, tooLong) || tooLong) break;
        const auto number = CatalogNumberOfLine(line1);
        if (!number) break;  // a record that does not convert ends the list
        numbers.push_back(*number);
        if (!ReadTextLine(in, line2, tooLong) || tooLong) break;
    }
    if (in.bad() && errorText) *errorText = UnreadableFileMessage(path);
    return numbers;
}

std::string DisplayName(const ElementSet& set) {
    if (set.nameLine.empty() || set.nameLine.front() == ' ')
        return std::string(ColumnText(set.line1, 3, 7));
    return set.nameLine.substr(0, 16);
}

namespace {

// A record read from the file, with the values derived at load time.
struct LoadedRecord {
    ElementSet set;
    int fileLine = 0;
    double magnitude = 6.0;
    std::uint8_t magnitudeKnown = 0;
    std::uint8_t flareCapable = 0;
};

// Reads every record first and replaces the table only when the file could be read:
// a read error leaves the loaded satellites as a file that cannot be opened does.
LoadResult LoadElements(std::istream& in, const std::string& fileName, const SatelliteUi& ui,
                        const std::function<void(const std::string&)>& displayName) {
    LoadResult result;
    std::vector<std::string> notes;

    // Flare-capable numbers, sorted for the membership test.
    std::string flareError;
    std::vector<double> flareList = ReadFlareList("iridiums.tle", &flareError);
    std::sort(flareList.begin(), flareList.end());
    if (!flareError.empty()) notes.push_back(flareError);

    int s = 1;  // magnitude search start, entry number from 1
    const SatelliteMagnitudeTable& magnitudes = MagnitudeTable();
    const int magnitudeCount = std::clamp(magnitudes.count, 0, kMagnitudeTableCapacity);

    std::vector<LoadedRecord> records;
    ElementRecordReader lines(in);
    std::size_t captioned = static_cast<std::size_t>(-1);
    while (records.size() < static_cast<std::size_t>(kSatelliteCapacity)) {
        if (records.size() % 100 == 0 && records.size() != captioned && ui.setCaption) {
            captioned = records.size();
            ui.setCaption("Lese Satelliten-Elemente..." + std::to_string(records.size()));
        }
        LoadedRecord record;
        if (!lines.Next(record.set, record.fileLine)) break;

        const double catalog = CatalogNumberOfLine(record.set.line1).value_or(0.0);
        record.flareCapable =
            std::binary_search(flareList.begin(), flareList.end(), catalog) ? 1 : 0;
        if (const auto nameMagnitude = ColumnNumber(record.set.nameLine, 31, 35)) {
            record.magnitude = *nameMagnitude;
            record.magnitudeKnown = 1;
        } else {
            for (int entry = s; entry <= magnitudeCount; ++entry) {
                const MagnitudeTableEntry& candidate =
                    magnitudes.entries[static_cast<std::size_t>(entry - 1)];
                if (candidate.catalogNumber == catalog) {
                    record.magnitude = candidate.magnitude;
                    record.magnitudeKnown = 1;
                    s = entry;
                    break;
                }
            }
        }
        records.push_back(std::move(record));
    }
    // Only a line that is left over tells that the limit cut the file.
    const int beyondLimit =
        records.size() == static_cast<std::size_t>(kSatelliteCapacity) ? lines.NextLineNumber() : 0;

    if (lines.readError()) {
        result.errorText = fileName.empty() ? "Die Bahnelemente können nicht gelesen werden."
                                            : UnreadableFileMessage(fileName);
        return result;
    }

    result.opened = true;
    if (ui.clearSatelliteViews) ui.clearSatelliteViews();
    SatelliteTable& table = Satellites();
    ObserverState& observer = Observer();
    const int oldCount = std::clamp(observer.satelliteCount, 0, kSatelliteCapacity);
    if (oldCount > 0) {
        std::fill(table.sky.begin() + 1, table.sky.begin() + 1 + oldCount, SkyPosition{});
        std::fill(table.chartX.begin() + 1, table.chartX.begin() + 1 + oldCount, 0.0);
        std::fill(table.chartY.begin() + 1, table.chartY.begin() + 1 + oldCount, 0.0);
    }
    table.allSets = TextLines{};
    table.selectedSets = TextLines{};
    table.selectedRows = TextLines{};
    table.selectedCount = 0;
    std::fill(table.rowSelected.begin(), table.rowSelected.end(), 0);
    ClearElementCache();
    observer.trackedSatellite = -1;

    table.allSets.reserve(3 * records.size());
    int r = 0;
    for (LoadedRecord& record : records) {
        const std::size_t row = static_cast<std::size_t>(++r);
        table.standardMagnitude[row] = record.magnitude;
        table.magnitudeKnown[row] = record.magnitudeKnown;
        table.flareCapable[row] = record.flareCapable;
        table.fileLine[row] = record.fileLine;
        if (displayName) displayName(DisplayName(record.set));
        table.allSets.push_back(std::move(record.set.nameLine));
        table.allSets.push_back(std::move(record.set.line1));
        table.allSets.push_back(std::move(record.set.line2));
    }
    observer.satelliteCount = r;
    observer.timeChanged = true;
    result.satelliteCount = r;

    if (!lines.skippedLines().empty())
        notes.push_back("Nicht geladen (kein vollständiger Elementsatz): " +
                        LineRuns(lines.skippedLines()) + ".");
    if (const int line = lines.tooLongLine(); line > 0)
        notes.push_back("Zeile zu lang: Zeile " + std::to_string(line) + " hat mehr als " +
                        std::to_string(kMaxKeptLineLength) +
                        " Zeichen; die Datei wurde nur bis Zeile " + std::to_string(line - 1) +
                        " gelesen.");
    if (beyondLimit > 0)
        notes.push_back("Mehr als " + std::to_string(kSatelliteCapacity) +
                        " Elementsätze: geladen sind die ersten " +
                        std::to_string(kSatelliteCapacity) + ", die Datei ab Zeile " +
                        std::to_string(beyondLimit) + " wurde nicht gelesen.");
    for (const std::string& note : notes) {
        if (!result.noticeText.empty()) result.noticeText += "\n";
        result.noticeText += note;
    }
    if (!result.noticeText.empty() && ui.showMessage) ui.showMessage("Info", result.noticeText);
    return result;
}

}  // namespace

namespace {

// An OMM CSV file: its records turned into element lines and loaded as a two-line
// file would be; records that cannot be converted are named by their file line.
LoadResult LoadOmmCsv(std::istream& in, const std::string& path, const SatelliteUi& ui,
                      const std::function<void(const std::string&)>& displayName) {
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        LoadResult result;
        result.errorText = UnreadableFileMessage(path);
        return result;
    }
    const OmmConversion converted = ConvertOmmCsv(contents.str());
    std::istringstream lines(converted.elementText);
    LoadResult result = LoadElements(lines, path, ui, displayName);
    if (result.opened && !converted.unreadableLines.empty()) {
        std::string notice = "Nicht geladen (OMM-Datensatz nicht lesbar): Zeile";
        if (converted.unreadableLines.size() > 1) notice += "n";
        for (std::size_t k = 0; k < converted.unreadableLines.size(); ++k)
            notice += (k == 0 ? " " : ", ") + std::to_string(converted.unreadableLines[k]);
        result.noticeText =
            notice + "." + (result.noticeText.empty() ? "" : "\n") + result.noticeText;
    }
    return result;
}

}  // namespace

LoadResult LoadElementFile(const std::string& path, const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    LoadResult result;
    // Open first: a file that cannot be opened leaves the loaded table as it was.
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_directory(path, ec)) {
        result.errorText = UnreadableFileMessage(path);
        return result;
    }
    std::ifstream in;
    if (!path.empty()) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        result.errorText = FailedFileMessage(path);
        return result;
    }
    char start[16] = {};
    in.read(start, sizeof start);
    const bool omm = IsOmmCsv(std::string_view(start, static_cast<std::size_t>(in.gcount())));
    in.clear();
    in.seekg(0);
    if (!omm) return LoadElements(in, path, ui, displayName);
    return LoadOmmCsv(in, path, ui, displayName);
}

LoadResult LoadElementStream(std::istream& in, const SatelliteUi& ui,
                             const std::function<void(const std::string&)>& displayName) {
    return LoadElements(in, std::string(), ui, displayName);
}

LoadResult LoadElementFile(const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    return LoadElementFile(Observer().elementFilePath, ui, displayName);
}
