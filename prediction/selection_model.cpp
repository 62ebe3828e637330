#include "prediction/selection_model.h"

#include <algorithm>
#include <deque>
#include <string>
#include <unordered_map>

#include "core/displayed_instant.h"
#include "prediction/selection_state.h"
#include "satellite/catalog_number.h"
#include "satellite/column_number.h"
#include "satellite/loaded_elements.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"

namespace {

// Rows that the table really holds (the count and the line list agree after a load).
int LoadedRows() {
    const int fromLines = static_cast<int>(Satellites().allSets.size() / 3);
    return std::clamp(ElementFile().satelliteCount, 0, fromLines);
}

const std::string& NameLineOfRow(int row) { return Satellites().allSets[3 * (row - 1)]; }
const std::string& Line1OfRow(int row) { return Satellites().allSets[3 * (row - 1) + 1]; }
const std::string& Line2OfRow(int row) { return Satellites().allSets[3 * (row - 1) + 2]; }

bool IsSelected(int row) { return Satellites().rowSelected[row] != 0; }

std::string LeftListLine(int row) {
    const auto& left = Selection().leftList;
    if (row >= 1 && row <= static_cast<int>(left.size())) return left[row - 1];
    return DisplayName(Satellites().Row(row));
}

// Whether one orbit-class condition holds for a row; false for sets that fail.
bool InOrbitClass(int row, OrbitClass orbitClass, double d, JD1900 T) {
    const std::string& line2 = Line2OfRow(row);
    if (orbitClass == OrbitClass::Geosync) {
        const auto n = ColumnNumber(line2, 53, 63);
        return n && GeosyncMeanMotion(*n, d);
    }
    const SatelliteOrbit& orbit = Satellites().OrbitOfRow(row);
    const OrbitState state = Propagate(orbit, T);
    if (state.failed()) return false;
    if (orbitClass == OrbitClass::Sunsync) return SunsyncNodeRate(state.nodeRate, d);
    return MolniyaOrbit(state.perigeeRate, orbit.elements.eccentricity,
                        orbit.elements.meanMotionRevDay, d);
}

// Keeps the first `count` selected satellites and lets the chart forget the tracked
// one and redraw.
void KeepFirstSelected(int count) {
    SatelliteTable& table = Satellites();
    table.selectedSets.resize(3 * static_cast<std::size_t>(count));
    table.selectedRows.resize(static_cast<std::size_t>(count));
    Selection().rightList.resize(static_cast<std::size_t>(count));
    table.selectedCount = count;
    Tracking().trackedSatellite = -1;
    Shown().timeChanged = true;
}

}  // namespace

void ClearSelectionLists() {
    SatelliteTable& table = Satellites();
    for (const std::string& text : table.selectedRows) {
        const int row = std::atoi(text.c_str());
        if (table.HasRowSlot(row)) table.rowSelected[row] = 0;
    }
    table.selectedSets.clear();
    table.selectedRows.clear();
    table.selectedCount = 0;
    Selection().leftList.clear();
    Selection().rightList.clear();
}

void AppendLeftListName(const std::string& name) { Selection().leftList.push_back(name); }

void EnsureLeftList() {
    const int rows = LoadedRows();
    auto& left = Selection().leftList;
    if (static_cast<int>(left.size()) == rows) return;
    left.clear();
    left.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) left.push_back(DisplayName(Satellites().Row(row)));
}

void SyncSelectionLists() {
    Selection().leftList.clear();
    EnsureLeftList();
    SatelliteTable& table = Satellites();
    auto& right = Selection().rightList;
    right.clear();
    right.reserve(static_cast<std::size_t>(std::max(table.selectedCount, 0)));
    for (int k = 0; k < table.selectedCount; ++k)
        right.push_back(LeftListLine(table.SelectedRow(k)));
}

bool AddToSelection(int row) {
    if (row < 1 || row > LoadedRows() || IsSelected(row)) return false;
    SatelliteTable& table = Satellites();
    table.selectedSets.push_back(NameLineOfRow(row));
    table.selectedSets.push_back(Line1OfRow(row));
    table.selectedSets.push_back(Line2OfRow(row));
    table.selectedRows.push_back(std::to_string(row));
    table.rowSelected[row] = 1;
    ++table.selectedCount;
    Selection().rightList.push_back(LeftListLine(row));
    Shown().timeChanged = true;
    return true;
}

void RemoveFromSelection(std::vector<int> positions) {
    SatelliteTable& table = Satellites();
    const int count = table.selectedCount;
    std::vector<char> drop(static_cast<std::size_t>(count), 0);
    bool any = false;
    for (int position : positions)
        if (position >= 0 && position < count) drop[position] = any = true;
    if (!any) return;

    auto& right = Selection().rightList;
    int kept = 0;
    for (int k = 0; k < count; ++k) {
        if (drop[k]) {
            const int row = table.SelectedRow(k);
            if (table.HasRowSlot(row)) table.rowSelected[row] = 0;
            continue;
        }
        if (kept != k) {
            for (int line = 0; line < 3; ++line)
                table.selectedSets[3 * kept + line] = std::move(table.selectedSets[3 * k + line]);
            table.selectedRows[kept] = std::move(table.selectedRows[k]);
            right[kept] = std::move(right[k]);
        }
        ++kept;
    }
    KeepFirstSelected(kept);
}

int AddMarkedRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    int added = 0;
    for (int row : rows)
        if (AddToSelection(row)) ++added;
    return added;
}

int SelectAllRows(const SelectionProgress& progress) {
    SatelliteTable& table = Satellites();
    const int rows = LoadedRows();
    table.selectedSets.reserve(3 * static_cast<std::size_t>(rows));
    table.selectedRows.reserve(static_cast<std::size_t>(rows));
    Selection().rightList.reserve(static_cast<std::size_t>(rows));
    int added = 0;
    for (int row = 1; row <= rows; ++row) {
        if (!AddToSelection(row)) continue;
        ++added;
        if (progress) progress(table.selectedCount);
    }
    return added;
}

void RemoveAllRows(const SelectionProgress& progress) {
    SatelliteTable& table = Satellites();
    while (table.selectedCount > 0) {
        const int k = table.selectedCount - 1;
        const int row = table.SelectedRow(k);
        if (table.HasRowSlot(row)) table.rowSelected[row] = 0;
        KeepFirstSelected(k);
        if (progress) progress(k);
    }
}

void ApplyNameFilter(std::string_view prefix) {
    SatelliteTable& table = Satellites();
    if (table.selectedCount == 0) {
        for (int row = 1, rows = LoadedRows(); row <= rows; ++row)
            if (!IsSelected(row) &&
                MatchNamePrefix(NameLineOfRow(row), prefix) == PrefixMatch::Begins)
                AddToSelection(row);
        return;
    }
    std::vector<int> drop;
    for (int k = table.selectedCount - 1; k >= 0; --k)
        if (MatchNamePrefix(table.selectedSets[3 * k], prefix) == PrefixMatch::Differs)
            drop.push_back(k);
    RemoveFromSelection(std::move(drop));
}

void ApplyNameSearch(std::string_view text) {
    SatelliteTable& table = Satellites();
    if (table.selectedCount == 0) {
        for (int row = 1, rows = LoadedRows(); row <= rows; ++row)
            if (!IsSelected(row) &&
                MatchesNameSearch(NameLineOfRow(row), CatalogNumberOfLine(Line1OfRow(row)), text))
                AddToSelection(row);
        return;
    }
    std::vector<int> drop;
    for (int k = table.selectedCount - 1; k >= 0; --k)
        if (!MatchesNameSearch(table.selectedSets[3 * k],
                               CatalogNumberOfLine(table.selectedSets[3 * k + 1]), text))
            drop.push_back(k);
    RemoveFromSelection(std::move(drop));
}

std::string SelectionListLine(int row) {
    const ElementSet set = Satellites().Row(row);
    std::string line = WholeDisplayName(set);
    line.resize(std::max<std::size_t>(line.size(), kNameFieldLength), ' ');
    std::string number;
    if (const auto value = CatalogNumberOfLine(set.line1))
        number = std::to_string(static_cast<long>(*value));
    return line + "  " + std::string(number.size() < 6 ? 6 - number.size() : 0, ' ') + number;
}

FilterOutcome ApplyRangeFilter(RangeKind kind, std::string_view loText, std::string_view hiText) {
    FilterOutcome outcome;
    const BoundsReading reading = ReadRangeBounds(kind, loText, hiText);
    if (reading.status == BoundsStatus::RequiredMissing) {
        outcome.status = FilterStatus::RequiredMissing;
        return outcome;
    }
    if (reading.status == BoundsStatus::NotANumber) {
        outcome.status = FilterStatus::NotANumber;
        outcome.badText = reading.badText;
        return outcome;
    }
    SatelliteTable& table = Satellites();
    if (table.selectedCount == 0) {
        for (int row = 1, rows = LoadedRows(); row <= rows; ++row) {
            if (IsSelected(row)) continue;
            const auto orbit = OrbitFiguresOf(Line2OfRow(row), &outcome.badText);
            if (!orbit) {
                outcome.status = FilterStatus::NotANumber;
                return outcome;
            }
            if (StrictlyInside(RangeValue(kind, *orbit), reading.bounds)) AddToSelection(row);
        }
        return outcome;
    }
    std::vector<int> drop;
    for (int k = table.selectedCount - 1; k >= 0; --k) {
        const auto orbit = OrbitFiguresOf(table.selectedSets[3 * k + 2], &outcome.badText);
        if (!orbit) {
            outcome.status = FilterStatus::NotANumber;
            break;
        }
        if (OutsideClosed(RangeValue(kind, *orbit), reading.bounds)) drop.push_back(k);
    }
    RemoveFromSelection(std::move(drop));
    return outcome;
}

int SelectCatalogNumbers(const std::vector<double>& numbers) {
    int added = 0;
    for (int row = 1, rows = LoadedRows(); row <= rows; ++row) {
        const auto number = CatalogNumberOfLine(Line1OfRow(row));
        if (!IsSelected(row) && number &&
            std::find(numbers.begin(), numbers.end(), *number) != numbers.end() &&
            AddToSelection(row))
            ++added;
    }
    return added;
}

std::vector<double> SelectedCatalogNumbers() {
    const SatelliteTable& table = Satellites();
    std::vector<double> numbers;
    for (int k = 0; k < table.selectedCount; ++k)
        if (const auto number = CatalogNumberOfLine(table.Selected(k).line1))
            numbers.push_back(*number);
    return numbers;
}

int ReselectCatalogNumbers(const std::vector<double>& numbers) {
    // The rows of each number in table order, so that a large selection costs one pass.
    std::unordered_map<double, std::deque<int>> rowsOf;
    for (int row = 1, rows = LoadedRows(); row <= rows; ++row)
        if (const auto number = CatalogNumberOfLine(Line1OfRow(row)); number && !IsSelected(row))
            rowsOf[*number].push_back(row);
    int added = 0;
    for (const double wanted : numbers) {
        const auto found = rowsOf.find(wanted);
        if (found == rowsOf.end() || found->second.empty()) continue;
        if (AddToSelection(found->second.front())) ++added;
        found->second.pop_front();
    }
    return added;
}

int ApplyOrbitClass(OrbitClass orbitClass, double driftDegDay, JD1900 T) {
    int added = 0;
    for (int row = 1, rows = LoadedRows(); row <= rows; ++row)
        if (!IsSelected(row) && InOrbitClass(row, orbitClass, driftDegDay, T) &&
            AddToSelection(row))
            ++added;
    return added;
}

bool SelectionInvariantHolds() {
    const SatelliteTable& table = Satellites();
    const auto& right = Selection().rightList;
    const int count = table.selectedCount;
    if (count < 0 || static_cast<int>(table.selectedRows.size()) != count ||
        static_cast<int>(right.size()) != count ||
        static_cast<int>(table.selectedSets.size()) != 3 * count)
        return false;
    const int rows = LoadedRows();
    std::vector<char> seen(static_cast<std::size_t>(rows) + 1, 0);
    for (int k = 0; k < count; ++k) {
        const int row = table.SelectedRow(k);
        if (row < 1 || row > rows || seen[row] || !table.rowSelected[row]) return false;
        seen[row] = 1;
        // Line 1 may carry a changed ndot/2 (satellite information); the name line,
        // the catalogue number and line 2 always match the table.
        if (table.selectedSets[3 * k] != NameLineOfRow(row) ||
            table.selectedSets[3 * k + 2] != Line2OfRow(row) ||
            ColumnText(table.selectedSets[3 * k + 1], 1, 7) != ColumnText(Line1OfRow(row), 1, 7) ||
            right[k] != LeftListLine(row))
            return false;
    }
    for (int row = 1; row <= rows; ++row)
        if ((table.rowSelected[row] != 0) != (seen[row] != 0)) return false;
    return true;
}
