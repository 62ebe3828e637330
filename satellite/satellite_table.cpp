#include "satellite/satellite_table.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <sstream>

#include "core/displayed_instant.h"
#include "core/text_file.h"
#include "satellite/catalog_number.h"
#include "satellite/column_number.h"
#include "satellite/core_blocks.h"
#include "satellite/element_records.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/omm_csv.h"
#include "satellite/text_lines.h"

namespace {

SatelliteTable gSatelliteTable;

// Orbits prepared by one thread at least; fewer rows are not worth another thread.
constexpr std::size_t kRowsPerWorker = 2000;

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

// "Zeile 5 Spalten 53-63 (mittlere Bewegung), Zeile 9 Spalte 2 (Leerzeichen)".
std::string FaultList(const std::vector<MalformedElementLine>& lines) {
    std::string text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k == kMaxListedRuns) {
            text += " und weitere (insgesamt " + std::to_string(lines.size()) + " Zeilen)";
            break;
        }
        if (!text.empty()) text += ", ";
        text += "Zeile " + std::to_string(lines[k].line) + " " + FaultColumnsText(lines[k].fault);
    }
    return text;
}

// The error text of an element file or stream (fileName empty) that was not read.
std::string UnreadInputText(const std::string& fileName, bool tooLarge) {
    if (!fileName.empty())
        return tooLarge ? TooLargeFileMessage(fileName) : UnreadableFileMessage(fileName);
    return tooLarge ? "Die Bahnelemente sind größer als " +
                          std::to_string(kMaxDataFileBytes >> 20) + " MB und wurden nicht gelesen."
                    : "Die Bahnelemente können nicht gelesen werden.";
}

}  // namespace

SatelliteTable& Satellites() { return gSatelliteTable; }

void ResetSatelliteTable() { gSatelliteTable = SatelliteTable{}; }

const SatelliteOrbit& SatelliteTable::OrbitOfRow(int r) const {
    static const SatelliteOrbit unreadable;
    if (r < 1 || static_cast<std::size_t>(r) >= orbits.size()) return unreadable;
    return orbits[static_cast<std::size_t>(r)];
}

void SatelliteTable::ReserveRows(int count) {
    if (count <= RowSlots()) return;
    const std::size_t size = static_cast<std::size_t>(count) + 1;
    for (auto* v : {&magnitudeKnown, &flareCapable, &rowSelected, &inShadow}) v->resize(size, 0);
    for (auto* v : {&standardMagnitude, &chartX, &chartY, &chartMagnitude}) v->resize(size, 0.0);
    fileLine.resize(size, 0);
    sky.resize(size);
}

SatelliteLook SatelliteTable::LookOfRow(int r) const {
    SatelliteLook look;
    if (!HasRowSlot(r)) return look;
    look.standardMagnitude = standardMagnitude[static_cast<std::size_t>(r)];
    look.flareCapable = flareCapable[static_cast<std::size_t>(r)] != 0;
    return look;
}

int SatelliteTable::AppendRow(ElementSet set) {
    const int row = AppendRowLines(std::move(set));
    PrepareNewOrbits();
    return row;
}

int SatelliteTable::AppendRowLines(ElementSet set) {
    allSets.push_back(std::move(set.nameLine));
    allSets.push_back(std::move(set.line1));
    allSets.push_back(std::move(set.line2));
    const int row = static_cast<int>(allSets.size() / 3);
    if (row > RowSlots()) ReserveRows(std::max(row, 2 * RowSlots()));
    return row;
}

void SatelliteTable::PrepareNewOrbits() {
    if (orbits.empty()) orbits.emplace_back();
    const std::size_t first = orbits.size(), end = allSets.size() / 3 + 1;
    if (first >= end) return;
    orbits.resize(end);
    // Each orbit depends on its own lines only.
    ForBlocksOnEveryCore(first, end, kRowsPerWorker, [this](std::size_t from, std::size_t to) {
        for (std::size_t r = from; r < to; ++r)
            orbits[r] =
                PrepareOrbit(allSets[3 * (r - 1) + 1], allSets[3 * (r - 1) + 2], orbitModel);
    });
}

const SatelliteOrbit& SatelliteTable::SelectedOrbit(int k) const {
    const int row = SelectedRow(k);
    const std::size_t at = 3 * static_cast<std::size_t>(k) + 1;
    if (row < 1 || at >= selectedSets.size() || selectedSets[at] == Row(row).line1)
        return OrbitOfRow(row);
    for (const CopyOrbit& copy : copyOrbits)
        if (copy.row == row && copy.line1 == selectedSets[at]) return copy.orbit;
    return OrbitOfRow(row);
}

void SatelliteTable::ReplaceLine1(int r, const std::string& line1) {
    if (r < 1 || static_cast<std::size_t>(r) >= orbits.size()) return;
    std::string& own = allSets[3 * static_cast<std::size_t>(r - 1) + 1];
    // Selected copies keep the lines and the orbit they had.
    for (std::size_t k = 0; k < selectedRows.size(); ++k)
        if (SelectedRow(static_cast<int>(k)) == r && 3 * k + 1 < selectedSets.size() &&
            selectedSets[3 * k + 1] == own)
            copyOrbits.push_back({r, own, orbits[static_cast<std::size_t>(r)]});
    own = line1;
    orbits[static_cast<std::size_t>(r)] = PrepareOrbit(line1, Row(r).line2, orbitModel);
}

void SatelliteTable::ReplaceSelectedLine1(int k, const std::string& line1) {
    const int row = SelectedRow(k);
    const std::size_t at = 3 * static_cast<std::size_t>(k) + 1;
    if (row < 1 || at + 1 >= selectedSets.size()) return;
    selectedSets[at] = line1;
    copyOrbits.push_back({row, line1, PrepareOrbit(line1, selectedSets[at + 1], orbitModel)});
}

void SatelliteTable::SetOrbitModel(OrbitModel model) {
    orbitModel = model;
    auto prepare = [model](SatelliteOrbit& orbit) {
        if (orbit.readable)
            orbit = PrepareOrbit(orbit.elements, model);
        else
            orbit.model = model;
    };
    for (std::size_t r = 1; r < orbits.size(); ++r) prepare(orbits[r]);
    for (CopyOrbit& copy : copyOrbits) prepare(copy.orbit);
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
    if (result.ec != std::errc() || !HasRowSlot(row)) return 0;
    return row;
}

std::vector<double> ReadFlareList(const std::string& path, std::string* errorText) {
    std::vector<double> numbers;
    std::string contents;
    bool tooLarge = false;
    const FileReadStatus status = ReadFileContents(path, contents, kMaxDataFileBytes, &tooLarge);
    if (status == FileReadStatus::Unreadable && errorText)
        *errorText = tooLarge ? TooLargeFileMessage(path) : UnreadableFileMessage(path);
    std::istringstream in(std::move(contents));
    std::string name, line1, line2;
    bool tooLong = false;
    for (;;) {
        if (!ReadTextLine(in, name, tooLong) || tooLong) break;
        if (!ReadTextLine(in, line1, tooLong) || tooLong) break;
        const auto number = CatalogNumberOfLine(line1);
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

std::string WholeDisplayName(const ElementSet& set) {
    if (set.nameLine.empty() || set.nameLine.front() == ' ') return DisplayName(set);
    std::string name = set.nameLine.substr(0, 24);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
    return name;
}

namespace {

// Reads every record first and replaces the table only when the text could be read:
// a read error leaves the loaded satellites as a file that cannot be opened does.
LoadResult LoadElements(std::string_view text, const std::string& fileName, const SatelliteUi& ui,
                        const std::function<void(const std::string&)>& displayName,
                        const std::vector<int>& recordLines = {}) {
    LoadResult result;
    std::vector<std::string> notes;

    // Flare-capable numbers, sorted for the membership test.
    std::string flareError;
    std::vector<double> flareList = ReadFlareList("iridiums.tle", &flareError);
    std::sort(flareList.begin(), flareList.end());
    if (!flareError.empty()) notes.push_back(flareError);

    std::size_t captioned = static_cast<std::size_t>(-1);
    ElementReading reading = ReadElementSets(text, [&](std::size_t sets) {
        if (sets % 100 == 0 && sets != captioned && ui.setCaption) {
            captioned = sets;
            ui.setCaption("Lese Satelliten-Elemente..." + std::to_string(sets));
        }
    });
    if (reading.readError) {
        result.errorText = UnreadInputText(fileName, false);
        return result;
    }

    result.opened = true;
    if (ui.clearSatelliteViews) ui.clearSatelliteViews();
    SatelliteTable& table = Satellites();
    const int oldCount = std::clamp(ElementFile().satelliteCount, 0, table.RowSlots());
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
    table.copyOrbits.clear();
    Tracking().trackedSatellite = -1;

    const MagnitudeLookup magnitudes(MagnitudeTable());
    const bool recordLinesGiven = recordLines.size() == reading.sets.size();
    table.allSets.reserve(3 * reading.sets.size());
    table.ReserveRows(static_cast<int>(reading.sets.size()));
    int r = 0;
    for (ReadElementSet& read : reading.sets) {
        const std::size_t row = static_cast<std::size_t>(++r);
        const double catalog = reading.numbers[row - 1].catalogNumber;
        table.flareCapable[row] =
            std::binary_search(flareList.begin(), flareList.end(), catalog) ? 1 : 0;
        std::optional<double> magnitude = ColumnNumber(read.set.nameLine, 31, 35);
        if (!magnitude) magnitude = magnitudes.Find(catalog);
        table.standardMagnitude[row] = magnitude.value_or(6.0);
        table.magnitudeKnown[row] = magnitude ? 1 : 0;
        table.fileLine[row] = recordLinesGiven ? recordLines[row - 1] : read.fileLine;
        if (displayName) displayName(DisplayName(read.set));
        table.AppendRowLines(std::move(read.set));
    }
    // The numbers were cut from the lines as they were read.
    // Every row's orbit is written over: the old ones stay until then, so a file of the
    // same size writes its orbits once.
    table.orbits.resize(reading.sets.size() + 1);
    table.orbits[0] = SatelliteOrbit{};
    ForBlocksOnEveryCore(
        1, table.orbits.size(), kRowsPerWorker, [&](std::size_t from, std::size_t to) {
            for (std::size_t row = from; row < to; ++row)
                table.orbits[row] =
                    PrepareOrbit(SgpElementsOf(reading.numbers[row - 1]), table.orbitModel);
        });
    ElementFile().satelliteCount = r;
    Shown().timeChanged = true;
    result.satelliteCount = r;

    if (!reading.incompleteLines.empty())
        notes.push_back("Nicht geladen (kein vollständiger Elementsatz): " +
                        LineRuns(reading.incompleteLines) + ".");
    if (!reading.malformedLines.empty())
        notes.push_back("Nicht geladen (Elementzeile nicht im festen Spaltenformat): " +
                        FaultList(reading.malformedLines) + ".");
    if (!reading.tooLongLines.empty())
        notes.push_back("Nicht geladen (Zeile zu lang, mehr als " +
                        std::to_string(kMaxKeptLineLength) +
                        " Zeichen): " + LineRuns(reading.tooLongLines) + ".");
    if (!reading.checksumLines.empty())
        notes.push_back(
            "Prüfziffer falsch (Satz trotzdem geladen): " + LineRuns(reading.checksumLines) + ".");
    for (const std::string& note : notes) {
        if (!result.noticeText.empty()) result.noticeText += "\n";
        result.noticeText += note;
    }
    if (!result.noticeText.empty() && ui.showMessage) ui.showMessage("Info", result.noticeText);
    return result;
}

// An element text, two-line or OMM CSV; an OMM file's records are turned into
// element lines and loaded as a two-line file would be, records that cannot be
// converted named by their file line.
LoadResult LoadElementText(std::string text, const std::string& fileName, const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    if (!IsOmmCsv(text)) return LoadElements(text, fileName, ui, displayName);
    const OmmConversion converted = ConvertOmmCsv(text);
    LoadResult result =
        LoadElements(converted.elementText, fileName, ui, displayName, converted.recordLines);
    if (!result.opened) return result;
    std::string notice;
    if (!converted.missingColumns.empty()) {
        notice = "OMM-Spalten fehlen:";
        for (std::size_t k = 0; k < converted.missingColumns.size(); ++k)
            notice += (k == 0 ? " " : ", ") + converted.missingColumns[k];
        notice += ".";
    }
    if (!converted.unreadableLines.empty()) {
        if (!notice.empty()) notice += "\n";
        notice += "Nicht geladen (OMM-Datensatz nicht lesbar): Zeile";
        if (converted.unreadableLines.size() > 1) notice += "n";
        for (std::size_t k = 0; k < converted.unreadableLines.size(); ++k)
            notice += (k == 0 ? " " : ", ") + std::to_string(converted.unreadableLines[k]);
        notice += ".";
    }
    if (!notice.empty())
        result.noticeText = notice + (result.noticeText.empty() ? "" : "\n") + result.noticeText;
    return result;
}

}  // namespace

LoadResult LoadElementFile(const std::string& path, const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    // Read whole before anything changes, without seeking or asking for a size (a pipe,
    // a FIFO or a device serve as well as a file), at most kMaxDataFileBytes: a file
    // that cannot be read leaves the loaded table as it was.
    LoadResult result;
    std::string text;
    bool tooLarge = false;
    switch (ReadFileContents(path, text, kMaxDataFileBytes, &tooLarge)) {
        case FileReadStatus::Ok:
            return LoadElementText(std::move(text), path, ui, displayName);
        case FileReadStatus::Missing:
            result.errorText = MissingFileMessage(path);
            break;
        case FileReadStatus::Unreadable:
            result.errorText = UnreadInputText(path, tooLarge);
            break;
    }
    return result;
}

LoadResult LoadElementStream(std::istream& in, const SatelliteUi& ui,
                             const std::function<void(const std::string&)>& displayName) {
    std::string text;
    bool tooLarge = false;
    if (ReadStreamContents(in, text, kMaxDataFileBytes, &tooLarge) != FileReadStatus::Ok) {
        LoadResult result;
        result.errorText = UnreadInputText(std::string(), tooLarge);
        return result;
    }
    return LoadElementText(std::move(text), std::string(), ui, displayName);
}

LoadResult LoadElementFile(const SatelliteUi& ui,
                           const std::function<void(const std::string&)>& displayName) {
    return LoadElementFile(ElementFile().elementFilePath, ui, displayName);
}
