// The loaded element sets and the selection, and the load of an element file.
//
// An element file is a sequence of records of a NORAD two-line element set: a name
// line, line 1 and line 2, or line 1 and line 2 alone (the set is then named by its
// catalogue number). The lines are kept as text; the numbers are cut from fixed
// columns once per load into each row's prepared orbit (propagation.h), which every
// propagation reads.
//
// Numbering: rows are 1..ElementFile().satelliteCount; selection positions count from 1
// in the per-row and per-selection arrays below (index 0 is unused) and from 0 in the
// text lists (allSets, selectedSets, selectedRows).
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "core/bodies.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/orbit_model.h"
#include "satellite/propagation.h"

// The per-row and per-selection arrays below start with room for this many rows and
// grow with a larger file (ReserveRows); element files of any size load, bounded only
// by kMaxDataFileBytes.
inline constexpr int kPreparedRows = 20000;

// One element set as read from the file: name line, line 1, line 2 (unchanged).
struct ElementSet {
    std::string nameLine;
    std::string line1;
    std::string line2;
};

// Text lines kept in order, read by position.
using TextLines = std::vector<std::string>;

struct SatelliteTable {
    // Three lines per loaded set in file order: row r has its name line at 3(r-1),
    // line 1 at 3(r-1)+1 and line 2 at 3(r-1)+2.
    TextLines allSets;
    // By row 1..RowSlots() (index 0 unused).
    std::vector<double> standardMagnitude = std::vector<double>(kPreparedRows + 1, 0.0);
    std::vector<std::uint8_t> magnitudeKnown = std::vector<std::uint8_t>(kPreparedRows + 1, 0);
    std::vector<std::uint8_t> flareCapable = std::vector<std::uint8_t>(kPreparedRows + 1, 0);
    std::vector<std::uint8_t> rowSelected = std::vector<std::uint8_t>(kPreparedRows + 1, 0);
    // By row: the line of the element file on which the row's record begins (its name
    // line, or its line 1 when the record has no name line); 0 when not read from a file.
    std::vector<int> fileLine = std::vector<int>(kPreparedRows + 1, 0);

    // The selection: three lines per selected set in selection order (laid out like
    // allSets), its row number in decimal per selected set, and their number.
    TextLines selectedSets;
    TextLines selectedRows;
    std::int32_t selectedCount = 0;

    // By selection position 1..selectedCount (index 0 unused), the chart instant of the
    // last ObserveSelectedSatellites: sky position, magnitude, shadow mark, and the
    // chart's pixel position of it (both 0: not drawn; chart/satellite_plot.h). A row is
    // selected at most once, so these hold as many positions as there are row slots.
    std::vector<SkyPosition> sky = std::vector<SkyPosition>(kPreparedRows + 1);
    std::vector<double> chartX = std::vector<double>(kPreparedRows + 1, 0.0);
    std::vector<double> chartY = std::vector<double>(kPreparedRows + 1, 0.0);
    std::vector<double> chartMagnitude = std::vector<double>(kPreparedRows + 1, 0.0);
    std::vector<std::uint8_t> inShadow = std::vector<std::uint8_t>(kPreparedRows + 1, 0);

    // Set by "Datei laden" around its ComputeSatellites call: the computation loads
    // ElementFile().elementFilePath first.
    bool loadRequested = false;

    // The orbit model of every row's orbit, and the orbits by row 1..satelliteCount
    // (index 0 unused), parsed from the lines at the load.
    OrbitModel orbitModel = OrbitModel::Sgp4;
    std::vector<SatelliteOrbit> orbits;
    // The orbits of copies whose line 1 was edited apart from their row's ("ndot
    // ändern" changes only the copy it was asked for): row, that copy's line 1, orbit.
    struct CopyOrbit {
        int row = 0;
        std::string line1;
        SatelliteOrbit orbit;
    };
    std::vector<CopyOrbit> copyOrbits;

    // Rows the per-row and per-selection arrays have room for; ReserveRows grows them
    // (never shrinks) to at least count, new entries zero.
    int RowSlots() const { return static_cast<int>(rowSelected.size()) - 1; }
    bool HasRowSlot(int r) const { return r >= 1 && r <= RowSlots(); }
    void ReserveRows(int count);

    // The orbit of row r; an unreadable one when r is out of range.
    const SatelliteOrbit& OrbitOfRow(int r) const;
    // The orbit of the selected set at position k counted from 0 (of its own lines).
    const SatelliteOrbit& SelectedOrbit(int k) const;
    // Standard magnitude and flare mark of row r.
    SatelliteLook LookOfRow(int r) const;
    SatelliteLook SelectedLook(int k) const { return LookOfRow(SelectedRow(k)); }
    // Appends a row with the lines of set and its orbit (growing the arrays when the
    // row has no slot yet); returns its number.
    int AppendRow(ElementSet set);
    // Appends a row with the lines of set only; PrepareNewOrbits then parses the
    // orbits of every row appended so (on every core for a large file).
    int AppendRowLines(ElementSet set);
    void PrepareNewOrbits();
    // Replaces line 1 of row r in the table, or of the selected set at position k
    // (from 0) in the selection, and parses that copy again; the other copy keeps its
    // lines and its orbit.
    void ReplaceLine1(int r, const std::string& line1);
    void ReplaceSelectedLine1(int k, const std::string& line1);
    // Prepares every row's orbit for another model.
    void SetOrbitModel(OrbitModel model);

    // Lines of row r (1-based); empty lines when r is out of range.
    ElementSet Row(int r) const;
    // Lines of the selected set at position k counted from 0.
    ElementSet Selected(int k) const;
    // Row number of the selected set at position k counted from 0; 0 when the
    // position or its text is invalid.
    int SelectedRow(int k) const;
};

// The one satellite table of the process.
SatelliteTable& Satellites();
// Back to an empty table, no load request (tests).
void ResetSatelliteTable();

// Hooks through which the engine reaches the windows; every one is optional.
struct SatelliteUi {
    // Caption of the active chart window (the zoom window while it is shown, else the
    // main window), read before a computation and set again at its end.
    std::function<std::string()> caption;
    // Sets that caption (progress texts such as "Lese Satelliten-Elemente...100").
    std::function<void(const std::string&)> setCaption;
    // A message box with an OK button: caption and text.
    std::function<void(const std::string& caption, const std::string& text)> showMessage;
    // Called once a new element file has been read, before the old table goes:
    // disable the pass menu entries, clear the pass list, the selection window's
    // lists and text field and the ground-track labels.
    std::function<void()> clearSatelliteViews;
};

// Reads the catalogue numbers (columns 3-7 of every line 1) of a flare list file,
// three lines per record without blank-line tolerance.
// A missing file gives an empty list; a folder in its place or a read error gives the
// numbers read before it, and errorText (when given) says that the file is unreadable.
std::vector<double> ReadFlareList(const std::string& path = "iridiums.tle",
                                  std::string* errorText = nullptr);

// Display name of a set in the selection list: columns 3-7 of line 1 when the name
// line is empty or begins with a blank, otherwise the first 16 characters of it.
std::string DisplayName(const ElementSet& set);
// The whole name of a set for lists and chart labels: the name field of the name line
// (its first 24 characters) without trailing blanks, or columns 3-7 of line 1 as
// DisplayName gives them when the set has no name.
std::string WholeDisplayName(const ElementSet& set);

// Outcome of a load.
struct LoadResult {
    bool opened = false;     // false: the file could not be opened or read, nothing changed
    std::string errorText;   // German text for the error box when !opened
    int satelliteCount = 0;  // rows stored
    // German notes on what was not loaded, one per line: lines that start no record,
    // element lines whose fixed columns do not hold what the format puts there (by line
    // number and columns; their set is skipped), lines too long for the reader ("Zeile
    // zu lang"; their set is skipped), wrong checksum digits (the set is kept), an
    // unreadable "iridiums.tle"; empty
    // when the whole file was taken.
    std::string noticeText;
};

// Reads an element file into Satellites(): first reads the whole file (a pipe, a FIFO
// or a device serve as well: nothing is sought or sized; at most kMaxDataFileBytes, so
// an endless input ends with a message; when the file cannot be opened or read the
// loaded table, the selection and satelliteCount stay as they were and the result
// says so), then replaces the table completely: flare marks from "iridiums.tle" in
// the working directory, standard magnitudes from the name lines or MagnitudeTable()
// (by catalogue number), the file line of each row, as many rows as the file holds
// sets, no selection. Sets ElementFile().satelliteCount, trackedSatellite = -1 and timeChanged.
//
// Records (see element_records.h): empty lines are passed over; a line 1 directly
// followed by its line 2 (both with the element lines' form and the same catalogue
// number) is a set without a name line; otherwise a line that is not an element line
// followed by lines beginning with "1" and "2" is a named set. A line that starts
// neither is not taken and reading goes on with the next line, so one bad line never
// shifts the records after it. A set is taken when its element lines hold in every
// fixed column what the format puts there (CheckElementLines). An OMM CSV file is
// converted first (omm_csv.h); its refused records are named by their file line.
//
// Progress goes to ui.setCaption every 100 records; ui.clearSatelliteViews is called
// before the table is replaced; displayName receives the display name of every stored
// record in order (the selection window's list of all satellites); a non-empty
// noticeText is shown through ui.showMessage with the caption "Info".
LoadResult LoadElementFile(const std::string& path, const SatelliteUi& ui = {},
                           const std::function<void(const std::string&)>& displayName = {});
// The same reading an opened stream.
LoadResult LoadElementStream(std::istream& in, const SatelliteUi& ui = {},
                             const std::function<void(const std::string&)>& displayName = {});
// The same for ElementFile().elementFilePath.
LoadResult LoadElementFile(const SatelliteUi& ui = {},
                           const std::function<void(const std::string&)>& displayName = {});
