#include "prediction/orbit_class_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "core/column_text.h"
#include "core/observing_place.h"
#include "core/zone_rule.h"
#include "prediction/ground_track.h"
#include "prediction/satellite_info_format.h"
#include "prediction/satellite_info_plane.h"
#include "satellite/column_number.h"
#include "satellite/core_blocks.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"

namespace {

// Rows computed by one thread at least.
constexpr std::size_t kRowsPerBlock = 500;

std::string Columns(const std::string& line, int first, int last) {
    return std::string(ColumnText(line, first, last));
}

// Epoch of line 1: year columns 19-20 (57..99 → 19yy, else 20yy), day of the year
// columns 21-23 and the fraction "0" + columns 24-32 (the point stands in column 24).
std::optional<JD1900> EpochOf(const std::string& line1) {
    const auto year = ColumnNumber(line1, 19, 20);
    const auto day = ColumnNumber(line1, 21, 23);
    const auto fraction = ParseNumber("0" + Columns(line1, 24, 32));
    if (!year || !day || !fraction) return std::nullopt;
    const int yy = IntPart(*year);
    const int fullYear = yy >= 57 ? 1900 + yy : 2000 + yy;
    return JulianDay1900(fullYear, 1, IntPart(*day)) + *fraction;
}

// Sub-satellite point of an orbit at instant t for the observer's longitude.
std::optional<GroundPoint> PointAt(const SatelliteOrbit& orbit, JD1900 t, double longitude) {
    GroundPoint p;
    if (!SubSatellitePoint(orbit, t, LocalSiderealTime(longitude, t), longitude, p))
        return std::nullopt;
    return p;
}

void FillShared(const ElementSet& set, OrbitClassRow& row) {
    row[0] = set.nameLine;
    row[1] = Columns(set.line1, 3, 7);
    row[2] = Columns(set.line1, 10, 17);
    row[3] = Columns(set.line2, 9, 16);
    row[4] = Columns(set.line2, 18, 25);
    row[9] = Columns(set.line1, 19, 32);
}

// What the orbit of a row gives for its class: the sub-satellite points now and at
// the epoch (geosynchronous), the state now (the others) and the passages through the
// orbital plane (sun-synchronous). Each row's alone, so the rows are computed on every
// core.
struct OrbitValues {
    std::optional<GroundPoint> now, atEpoch;
    bool epochRead = false;
    OrbitState state;
    std::optional<OrbitPlanePassage> passage;
};

OrbitValues ValuesOf(const OrbitClassInput& input, const OrbitClassSatellite& satellite) {
    const ElementSet& set = satellite.set;
    const SatelliteOrbit& orbit = satellite.orbit;
    const JD1900 T = input.instant;
    OrbitValues values;
    if (input.orbitClass == OrbitClass::Geosync) {
        values.now = PointAt(orbit, T, input.longitudeDeg);
        const auto epoch = EpochOf(set.line1);
        values.epochRead = epoch.has_value();
        if (epoch) values.atEpoch = PointAt(orbit, *epoch, input.longitudeDeg);
        return values;
    }
    values.state = Propagate(orbit, T);
    if (input.orbitClass == OrbitClass::Molniya || values.state.failed()) return values;
    const auto inclination = ColumnNumber(set.line2, 9, 16);
    const auto eccentricity = ParseNumber("0." + Columns(set.line2, 27, 33));
    if (!inclination || !eccentricity) return values;
    OrbitPlaneInput in;
    in.inclinationDeg = *inclination;
    in.eccentricity = *eccentricity;
    in.latitudeDeg = input.latitudeDeg;
    in.heightM = input.heightM;
    in.longitudeDeg = input.longitudeDeg;
    in.instant = T;
    in.argumentOfLatitude = values.state.argumentOfLatitudeRad;
    in.perigeeRad = values.state.perigeeRad;
    in.meanMotionRevDay = values.state.meanMotionRevDay;
    in.nodeRad = values.state.osculatingNodeRad;
    in.nodeRateRadMin = values.state.nodeRate;
    values.passage = ComputeOrbitPlanePassage(in);
    return values;
}

void FillGeosync(const ElementSet& set, const OrbitValues& values, double limit, OrbitClassRow& row,
                 bool& beyond, std::string& prefix) {
    if (const auto& now = values.now) {
        const double v = RoundedTo(now->longitudeDeg, 0.01);
        prefix = GeosyncLongitudePrefix(v, prefix);
        row[5] = prefix + FixedDecimals(v, 2);
    }
    if (!values.epochRead) return;
    if (const auto& then = values.atEpoch) {
        const double v = RoundedTo(then->longitudeDeg, 0.01);
        prefix = GeosyncLongitudePrefix(v, prefix);
        row[6] = prefix + FixedDecimals(v, 2);
        row[7] = prefix + FixedDecimals(RoundedTo(then->latitudeDeg, 0.01), 2);
    }
    const auto n = ColumnNumber(set.line2, 53, 63);
    if (!n || *n == 0.0) return;
    const double drift = RoundedTo(-(1440.0 / *n - 1436.068) * 0.25, 0.001);
    row[8] = prefix + FixedDecimals(drift, 3);
    if (std::fabs(drift) > limit) beyond = true;
}

// The zone offset (hours) of the input's local times at an instant.
double ZoneOffsetAt(const OrbitClassInput& input, JD1900 instant) {
    return input.zoneRule.empty() ? input.zoneOffsetHours
                                  : ZoneAtInstant(input.zoneRule, instant).offsetHours;
}

void FillSunsync(const OrbitClassInput& input, const ElementSet& set, const OrbitValues& values,
                 OrbitClassRow& row, bool& beyond) {
    const double limit = input.driftLimitDegDay;
    row[5] = Columns(set.line2, 35, 42);
    const OrbitState& state = values.state;
    if (state.failed()) return;
    const double rate = state.nodeRate * kRadToDeg * 1440.0 - 0.9856;
    row[8] = (rate >= 0.0 ? "  " : " ") + FixedDecimals(rate, 3);
    if (std::fabs(rate) > limit) beyond = true;
    if (!values.passage || !values.passage->passes) return;
    const OrbitPlanePassage& passage = *values.passage;
    const auto clock = [&input](JD1900 t) {
        const JD1900 minute = IntPart(t * 1440.0 + 0.5) / 1440.0;
        return " " + DateTimeTextsOf(minute, ZoneOffsetAt(input, minute)).time.substr(0, 5);
    };
    row[6] = clock(passage.ascending);
    row[7] = clock(passage.descending);
}

void FillMolniya(const ElementSet& set, const OrbitValues& values, double limit, OrbitClassRow& row,
                 bool& beyond, std::string& prefix) {
    row[6] = Columns(set.line2, 53, 59);
    row[7] = "0." + Columns(set.line2, 27, 30);
    const OrbitState& state = values.state;
    if (state.failed()) return;
    const double node = RoundedTo(ModPositive(state.osculatingNodeRad * kRadToDeg, 360.0), 0.0001);
    std::string text = ShortestText(node);
    // A whole number gets its decimal point before the zeros that fill the cell.
    if (text.find('.') == std::string::npos) text += '.';
    if (node < 100.0) text = " " + text;
    if (node < 10.0) text = " " + text;
    while (text.size() < 8) text += '0';
    row[5] = text;
    const double drift = RoundedTo(state.perigeeRate * kRadToDeg * 1440.0, 0.001);
    if (std::fabs(drift) > limit) beyond = true;
    prefix = MolniyaDriftPrefix(drift, prefix);
    row[8] = prefix + FixedDecimals(drift, 3);
}

}  // namespace

OrbitClassRow OrbitClassHeadings(OrbitClass orbitClass) {
    switch (orbitClass) {
        case OrbitClass::Geosync:
            return {" Name",   "Norad",   "Cospar", "   i   ", " Knoten",
                    " AktLbd", " Lambda", " Beta",  " Drift",  " Epoche"};
        case OrbitClass::Sunsync:
            return {" Name",   "Norad",   "Cospar", "   i   ", " Knoten",
                    " Peri  ", " S->N  ", " N->S",  " Drift",  " Epoche"};
        case OrbitClass::Molniya:
            break;
    }
    return {" Name",   "Norad",   "Cospar", "   i   ", " Knoten",
            " AktKnt", "   n   ", "  e  ",  " Drift",  " Epoche"};
}

std::optional<OrbitClass> OrbitClassOfHeadings(const OrbitClassRow& headings) {
    if (headings[6] == " Lambda") return OrbitClass::Geosync;
    if (headings[6] == " S->N  ") return OrbitClass::Sunsync;
    if (headings[5] == " AktKnt") return OrbitClass::Molniya;
    return std::nullopt;
}

std::string OrbitClassTitle(OrbitClass orbitClass) {
    switch (orbitClass) {
        case OrbitClass::Geosync:
            return "Geosynchrone Satelliten ";
        case OrbitClass::Sunsync:
            return "Sonnensynchrone Satelliten ";
        case OrbitClass::Molniya:
            break;
    }
    return "Molniya Satelliten ";
}

std::string OrbitClassHeadingLine(OrbitClass orbitClass) {
    std::string line = "  Name           Norad  Cospar       i       Knoten";
    switch (orbitClass) {
        case OrbitClass::Geosync:
            return line + "    AktLbd   Lambda    Beta    Drift   Epoche";
        case OrbitClass::Sunsync:
            return line + "    Peri      S->N    N->S     Drift   Epoche";
        case OrbitClass::Molniya:
            break;
    }
    return line + "    AktKnt     n        e      Drift   Epoche";
}

std::string GeosyncLongitudePrefix(double v, const std::string& previous) {
    if (v <= -100.0) return previous;
    if (v <= -10.0) return " ";
    if (v <= 0.0) return "  ";
    if (v < 10.0) return "   ";
    if (v < 100.0) return "  ";
    return " ";
}

std::string MolniyaDriftPrefix(double v, const std::string& previous) {
    if (-10.0 < v && v < 0.0) return " ";
    if (0.0 <= v && v < 10.0) return "  ";
    if (10.0 <= v && v < 100.0) return " ";
    return previous;
}

double RoundedTo(double v, double step) {
    const double scale = std::round(1.0 / step);
    return IntPart(v * scale + 0.5) / scale;
}

std::string FixedDecimals(double v, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

OrbitClassInput OrbitClassInputOfSelection(OrbitClass orbitClass, JD1900 T, double driftLimitDegDay,
                                           const ObservingPlace& observer) {
    const SatelliteTable& table = Satellites();
    OrbitClassInput input;
    input.orbitClass = orbitClass;
    input.instant = T;
    input.driftLimitDegDay = driftLimitDegDay;
    input.longitudeDeg = observer.longitudeDeg;
    input.latitudeDeg = observer.latitudeDeg;
    input.heightM = observer.heightM;
    input.zoneRule = observer.zoneRule;
    input.zoneOffsetHours = observer.zoneOffsetHours;
    const int count = std::max(table.selectedCount, 0);
    input.satellites.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        input.satellites.push_back({table.Selected(k), table.SelectedOrbit(k)});
    return input;
}

OrbitClassFill BuildOrbitClassRows(const OrbitClassInput& input) {
    OrbitClassFill fill;
    std::string prefix;
    const std::size_t count = input.satellites.size();
    std::vector<OrbitValues> values(count);
    ForBlocksOnEveryCore(0, count, kRowsPerBlock, [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k) values[k] = ValuesOf(input, input.satellites[k]);
    });
    // The texts in selection order: a cell's prefix may be that of the row before.
    const double limit = input.driftLimitDegDay;
    fill.rows.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const ElementSet& set = input.satellites[k].set;
        OrbitClassRow row;
        FillShared(set, row);
        switch (input.orbitClass) {
            case OrbitClass::Geosync:
                FillGeosync(set, values[k], limit, row, fill.driftBeyondLimit, prefix);
                break;
            case OrbitClass::Sunsync:
                FillSunsync(input, set, values[k], row, fill.driftBeyondLimit);
                break;
            case OrbitClass::Molniya:
                FillMolniya(set, values[k], limit, row, fill.driftBeyondLimit, prefix);
                break;
        }
        fill.rows.push_back(std::move(row));
    }
    return fill;
}

OrbitClassFill BuildOrbitClassRows(OrbitClass orbitClass, JD1900 T, double driftLimitDegDay,
                                   const ObservingPlace& observer) {
    return BuildOrbitClassRows(
        OrbitClassInputOfSelection(orbitClass, T, driftLimitDegDay, observer));
}

bool OrbitClassColumnNumeric(OrbitClass orbitClass, int column) {
    if (column < 3 || column > 8) return false;
    if (orbitClass == OrbitClass::Sunsync && (column == 6 || column == 7)) return false;
    return true;
}

std::optional<std::string> SortOrbitClassRows(std::vector<OrbitClassRow>& rows,
                                              OrbitClass orbitClass, int column) {
    if (column < 0 || column > 9) return std::nullopt;
    const bool numeric = OrbitClassColumnNumeric(orbitClass, column);
    const int n = static_cast<int>(rows.size());
    // The sort moves the rows' places with the key each is compared by, read once: the
    // number of a numeric cell, else the rank of the text among the column's texts
    // (which compares as the texts do). The rows take their places at the end.
    struct Place {
        std::optional<double> key;  // none: not a number
        int row = 0;
    };
    std::vector<Place> places(rows.size());
    for (int r = 0; r < n; ++r) places[r].row = r;
    if (numeric) {
        for (Place& place : places) place.key = ParseNumber(rows[place.row][column]);
    } else {
        std::vector<std::string_view> texts;
        for (const OrbitClassRow& row : rows) texts.push_back(row[column]);
        std::sort(texts.begin(), texts.end());
        for (Place& place : places) {
            const std::string_view text = rows[place.row][column];
            place.key = static_cast<double>(std::lower_bound(texts.begin(), texts.end(), text) -
                                            texts.begin());
        }
    }
    std::optional<std::string> bad;
    // true when the row at place a sorts after the row at place b; a cell that is not a
    // number stops the sort.
    const auto greater = [&](const Place& a, const Place& b) {
        if (!a.key) {
            bad = rows[a.row][column];
            return false;
        }
        if (!b.key) {
            bad = rows[b.row][column];
            return false;
        }
        return *a.key > *b.key;
    };
    const auto sort = [&] {
        for (int gap = n / 2; gap >= 1; gap /= 2) {
            bool swapped = true;
            while (swapped) {
                swapped = false;
                for (int v = 0; v + gap < n; ++v) {
                    const bool after = greater(places[v], places[v + gap]);
                    if (bad) return;
                    if (after) {
                        std::swap(places[v], places[v + gap]);
                        swapped = true;
                    }
                }
            }
        }
    };
    sort();
    std::vector<OrbitClassRow> sorted;
    sorted.reserve(rows.size());
    for (const Place& place : places) sorted.push_back(std::move(rows[place.row]));
    rows = std::move(sorted);
    return bad;
}

int ColumnAtX(const std::vector<int>& widths, int x) {
    int left = 0;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        const int right = left + widths[c];
        if (left < x && x < right) return c;
        if (x < right) return 0;  // on a border (or left of the grid)
        left = right;
    }
    return -1;
}

std::string OrbitClassPrintedRow(const OrbitClassRow& row) {
    std::string name = row[0];
    name.resize(16, ' ');
    std::string line = name + " ";
    for (int c = 1; c <= 9; ++c) line += row[c] + "  ";
    return line;
}

std::vector<GridRowRange> OrbitClassPages(int gridRows, int rowsPerPage) {
    std::vector<GridRowRange> pages;
    for (int first = 0; first < gridRows; first += rowsPerPage)
        pages.push_back({first, std::min(first + rowsPerPage, gridRows) - 1});
    return pages;
}

std::string OrbitClassFileText(OrbitClass orbitClass, const std::vector<OrbitClassRow>& rows) {
    const std::string title = OrbitClassTitle(orbitClass);
    std::string text = title + "\r\n" + title + "\r\n" + OrbitClassHeadingLine(orbitClass) + "\r\n";
    for (const OrbitClassRow& row : rows) text += OrbitClassPrintedRow(row) + "\r\n";
    return text;
}
