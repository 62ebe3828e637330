#include "satellite/satellite_table.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "core/observer_state.h"
#include "satellite/column_number.h"
#include "satellite/element_cache.h"
#include "satellite/magnitude_table.h"
#include "satellite/text_lines.h"

namespace {

SatelliteTable gSatelliteTable;

constexpr std::size_t kLongNameLine = 80;  // longer name lines are reported with a read error

// One line of an element file with the tolerance of one empty line before it.
struct TolerantLine {
    std::string text;
    bool error = false;      // the reader failed (a line too long for it)
    std::size_t length = 0;  // characters in the line as it was in the file (at least)
};

TolerantLine ReadTolerant(std::istream& in) {
    TolerantLine result;
    bool tooLong = false;
    ReadTextLine(in, result.text, tooLong);
    if (!tooLong && result.text.empty()) ReadTextLine(in, result.text, tooLong);
    result.error = tooLong || in.bad();
    result.length = tooLong ? kMaxKeptLineLength + 1 : result.text.size();
    return result;
}

std::string OpenError(const std::string& path) {
    return "Datei " + path + " kann nicht geöffnet werden.";
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

std::vector<double> ReadFlareList(const std::string& path) {
    std::vector<double> numbers;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return numbers;
    std::ifstream in(path, std::ios::binary);
    if (!in) return numbers;
    std::string name, line1, line2;
    bool tooLong = false;
    while (numbers.size() < static_cast<std::size_t>(kFlareListCapacity)) {
        if (!ReadTextLine(in, name, tooLong) || tooLong) break;
        if (!ReadTextLine(in, line1, tooLong) || tooLong) break;
        const auto number = ColumnNumber(line1, 3, 7);
        if (!number) break;  // a record that does not convert ends the list
        numbers.push_back(*number);
        if (!ReadTextLine(in, line2, tooLong) || tooLong) break;
    }
    return numbers;
}

std::string DisplayName(const ElementSet& set) {
    if (set.nameLine.empty() || set.nameLine.front() == ' ')
        return std::string(ColumnText(set.line1, 3, 7));
    return set.nameLine.substr(0, 16);
}

LoadResult LoadElementFile(const std::string& path, const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    LoadResult result;
    // Open first: a file that cannot be opened leaves the loaded table as it was.
    std::error_code ec;
    std::ifstream in;
    if (!path.empty() && !std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open()) {
        result.errorText = OpenError(path);
        return result;
    }
    return LoadElementStream(in, ui, displayName);
}

LoadResult LoadElementStream(std::istream& in, const SatelliteUi& ui,
                             const std::function<void(const std::string&)>& displayName) {
    LoadResult result;
    result.opened = true;
    if (ui.clearSatelliteViews) ui.clearSatelliteViews();

    SatelliteTable& table = Satellites();
    ObserverState& observer = Observer();
    const int oldCount = std::clamp(observer.satelliteCount, 0, kSatelliteCapacity);
    if (oldCount > 0) {
        std::fill(table.chartX.begin() + 1, table.chartX.begin() + 1 + oldCount, 0.0);
        std::fill(table.chartY.begin() + 1, table.chartY.begin() + 1 + oldCount, 0.0);
    }
    table.allSets = TSat1{};
    table.selectedSets = TSat1{};
    table.selectedRows = TSat1{};
    table.selectedCount = 0;
    std::fill(table.rowSelected.begin(), table.rowSelected.end(), 0);
    ClearElementCache();

    // Flare-capable numbers, sorted for the membership test.
    std::vector<double> flareList = ReadFlareList("iridiums.tle");
    std::sort(flareList.begin(), flareList.end());

    observer.satelliteCount = 0;
    observer.trackedSatellite = -1;
    int r = 0;
    int s = 1;  // magnitude search start, entry number from 1
    const SatelliteMagnitudeTable& magnitudes = MagnitudeTable();
    const int magnitudeCount = std::clamp(magnitudes.count, 0, kMagnitudeTableCapacity);

    while (!AtEndOfText(in)) {
        if (r % 100 == 0 && ui.setCaption)
            ui.setCaption("Lese Satelliten-Elemente..." + std::to_string(r));

        const TolerantLine name = ReadTolerant(in);
        if (name.error) {
            if (ui.showMessage && name.length > kLongNameLine)
                ui.showMessage("Info", "Zeile zu lang");
            break;
        }
        const TolerantLine line1 = ReadTolerant(in);
        const TolerantLine line2 = line1.error ? TolerantLine{} : ReadTolerant(in);
        if (line1.error || line2.error) {
            if (ui.showMessage && name.length > kLongNameLine)
                ui.showMessage("Info", "Zeile zu lang");
            break;
        }

        // Values of the record's row, written before it is known whether it is stored.
        const std::size_t row = static_cast<std::size_t>(r + 1);
        const double catalog = ColumnNumber(line1.text, 3, 7).value_or(0.0);
        table.flareCapable[row] =
            std::binary_search(flareList.begin(), flareList.end(), catalog) ? 1 : 0;
        if (const auto nameMagnitude = ColumnNumber(name.text, 31, 35)) {
            table.standardMagnitude[row] = *nameMagnitude;
            table.magnitudeKnown[row] = 1;
        } else {
            table.standardMagnitude[row] = 6.0;
            table.magnitudeKnown[row] = 0;
            for (int entry = s; entry <= magnitudeCount; ++entry) {
                const MagnitudeTableEntry& candidate =
                    magnitudes.entries[static_cast<std::size_t>(entry - 1)];
                if (candidate.catalogNumber == catalog) {
                    table.standardMagnitude[row] = candidate.magnitude;
                    table.magnitudeKnown[row] = 1;
                    s = entry;
                    break;
                }
            }
        }

        if (line1.text.empty() || line2.text.empty()) continue;  // incomplete record: dropped
        table.rowSelected[row] = 0;
        ++r;
        ElementSet set{name.text, line1.text, line2.text};
        if (displayName) displayName(DisplayName(set));
        table.allSets.push_back(std::move(set.nameLine));
        table.allSets.push_back(std::move(set.line1));
        table.allSets.push_back(std::move(set.line2));
        if (r == kSatelliteCapacity) break;
    }

    observer.satelliteCount = r;
    table.selectedCount = 0;
    observer.timeChanged = true;
    result.satelliteCount = r;
    return result;
}

LoadResult LoadElementFile(const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    return LoadElementFile(Observer().elementFilePath, ui, displayName);
}
