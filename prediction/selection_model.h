// The operations of the satellite selection window on Satellites() and Selection(),
// without any window. Every operation keeps the right list, selectedSets (three lines
// per entry), selectedRows, selectedCount and rowSelected describing the same set in
// the same order: adding appends at the end, removing deletes the entry and its lines
// and clears its flag. Every removal sets Tracking().trackedSatellite to -1.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/timescale.h"
#include "prediction/selection_rules.h"
#include "satellite/loaded_elements.h"

// Called after each single addition or removal of "alle wählen" / "alle löschen" with
// the new selectedCount.
using SelectionProgress = std::function<void(int selectedCount)>;

// Empties the left and right lists and the selection of the table (before a new
// element file is loaded).
void ClearSelectionLists();
// Appends a display name to the left list (called by the element load per record).
void AppendLeftListName(const std::string& name);
// Rebuilds the left list from the table when its length does not match satelliteCount.
void EnsureLeftList();
// Rebuilds both lists from the table and its selection (the left list from every row,
// the right list from selectedRows), so that the window shows the table as it is even
// when a load replaced it without telling the window.
void SyncSelectionLists();

// Adds table row r (1-based) at the end; false when it is out of range or selected.
bool AddToSelection(int row);
// Removes the selection entries at the given positions (from 0, any order); the
// result equals removing them one by one from the last to the first.
void RemoveFromSelection(std::vector<int> positions);

// Arrow to the right: adds every marked row (1-based) not yet selected, in table order.
int AddMarkedRows(std::vector<int> rows);
// "alle wählen": every not yet selected row in table order.
int SelectAllRows(const SelectionProgress& progress = {});
// "alle löschen": removes all entries from the last to the first.
void RemoveAllRows(const SelectionProgress& progress = {});

// Name filter with prefix P: an empty selection takes every not yet selected row whose
// name line begins with P (case ignored); a non-empty one drops every entry whose name
// line is at least as long as P and does not begin with it.
void ApplyNameFilter(std::string_view prefix);
// Name search of the selection window with text T (MatchesNameSearch of
// selection_rules.h: any part of the name in any case, or the catalogue number): an
// empty selection takes every not yet selected row that matches, in table order; a
// non-empty one drops every entry that does not match.
void ApplyNameSearch(std::string_view text);

// The line of table row r in the selection window's lists: its whole name
// (WholeDisplayName) padded to 24 characters, two blanks and the catalogue number
// right-aligned in 6 (blank when line 1 has none), so that sets of the same name are
// told apart. The lists of the other windows and the printed table keep the
// left-list lines.
std::string SelectionListLine(int row);

// Outcome of a filter that reads numbers.
enum class FilterStatus { Done, RequiredMissing, NotANumber };
struct FilterOutcome {
    FilterStatus status = FilterStatus::Done;
    std::string badText;  // NotANumber: the text that did not convert
};

// Range filter from the two field texts: on an empty selection adds the rows with
// lo < v < hi, on a non-empty one removes the entries with v < lo or v > hi (from the
// last to the first). A line 2 that does not convert ends the filter there with
// NotANumber; the changes made before that satellite stay.
FilterOutcome ApplyRangeFilter(RangeKind kind, std::string_view loText, std::string_view hiText);

// Catalogue-number selection: adds every not yet selected row whose catalogue number
// (line 1, columns 3-7) is one of the numbers, in table order; never removes. Returns
// the number added.
int SelectCatalogNumbers(const std::vector<double>& numbers);

// The catalogue numbers of the selection in its order (a set without one is left out),
// and selecting them again after a new element file was loaded: for each number in
// turn the first not yet selected row that has it. Returns the number added.
std::vector<double> SelectedCatalogNumbers();
int ReselectCatalogNumbers(const std::vector<double>& numbers);

// Orbit-class selection with drift limit d (degrees per day, d >= 0): adds every not
// yet selected row of the class, in table order; never removes. sunsync and Molniya
// propagate each set at instant T; sets that fail there are skipped. Returns the number
// added.
int ApplyOrbitClass(OrbitClass orbitClass, double driftDegDay, JD1900 T);

// True when the right list, selectedSets, selectedRows, selectedCount and rowSelected
// describe the same set in the same order (checks of tests and debug builds).
bool SelectionInvariantHolds();
