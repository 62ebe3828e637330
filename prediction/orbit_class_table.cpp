#include "prediction/orbit_class_table.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "core/column_text.h"
#include "core/observer_state.h"
#include "prediction/ground_track.h"
#include "prediction/orbit_plane_observer.h"
#include "prediction/satellite_info_format.h"
#include "prediction/satellite_info_plane.h"
#include "satellite/column_number.h"
#include "satellite/satellite_table.h"
#include "satellite/propagation.h"

namespace {

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
std::optional<GroundPoint> PointAt(const SatelliteOrbit& orbit, JD1900 t) {
    const double longitude = Observer().longitudeDeg;
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

void FillGeosync(const ElementSet& set, const SatelliteOrbit& orbit, JD1900 T, double limit,
                 OrbitClassRow& row, bool& beyond, std::string& prefix) {
    if (const auto now = PointAt(orbit, T)) {
        const double v = RoundedTo(now->longitudeDeg, 0.01);
        prefix = GeosyncLongitudePrefix(v, prefix);
        row[5] = prefix + FixedDecimals(v, 2);
    }
    const auto epoch = EpochOf(set.line1);
    if (!epoch) return;
    if (const auto then = PointAt(orbit, *epoch)) {
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

void FillSunsync(const ElementSet& set, const SatelliteOrbit& orbit, JD1900 T, double limit,
                 OrbitClassRow& row, bool& beyond) {
    row[5] = Columns(set.line2, 35, 42);
    const OrbitState state = Propagate(orbit, T);
    if (state.failed()) return;
    const double rate = state.nodeRate * kRadToDeg * 1440.0 - 0.9856;
    row[8] = (rate >= 0.0 ? "  " : " ") + FixedDecimals(rate, 3);
    if (std::fabs(rate) > limit) beyond = true;

    const auto inclination = ColumnNumber(set.line2, 9, 16);
    const auto eccentricity = ParseNumber("0." + Columns(set.line2, 27, 33));
    if (!inclination || !eccentricity) return;
    OrbitPlaneInput in = OrbitPlaneInputForObserver(*inclination, *eccentricity, T);
    in.argumentOfLatitude = state.argumentOfLatitudeRad;
    in.perigeeRad = state.perigeeRad;
    in.meanMotionRevDay = state.meanMotionRevDay;
    in.nodeRad = state.osculatingNodeRad;
    in.nodeRateRadMin = state.nodeRate;
    const OrbitPlanePassage passage = ComputeOrbitPlanePassage(in);
    if (!passage.passes) return;
    const auto clock = [](JD1900 t) {
        const JD1900 minute = IntPart(t * 1440.0 + 0.5) / 1440.0;
        return " " + DateTimeTextsOf(minute, Observer().zoneOffsetAt(minute)).time.substr(0, 5);
    };
    row[6] = clock(passage.ascending);
    row[7] = clock(passage.descending);
}

void FillMolniya(const ElementSet& set, const SatelliteOrbit& orbit, JD1900 T, double limit,
                 OrbitClassRow& row, bool& beyond, std::string& prefix) {
    row[6] = Columns(set.line2, 53, 59);
    row[7] = "0." + Columns(set.line2, 27, 30);
    const OrbitState state = Propagate(orbit, T);
    if (state.failed()) return;
    const double node =
        RoundedTo(ModPositive(state.osculatingNodeRad * kRadToDeg, 360.0), 0.0001);
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

OrbitClassFill BuildOrbitClassRows(OrbitClass orbitClass, JD1900 T, double driftLimitDegDay) {
    const SatelliteTable& table = Satellites();
    OrbitClassFill fill;
    std::string prefix;
    const std::string dateText = DateText, timeText = TimeText;
    for (int k = 0; k < table.selectedCount; ++k) {
        const ElementSet set = table.Selected(k);
        const SatelliteOrbit& orbit = table.SelectedOrbit(k);
        OrbitClassRow row;
        FillShared(set, row);
        switch (orbitClass) {
            case OrbitClass::Geosync:
                FillGeosync(set, orbit, T, driftLimitDegDay, row, fill.driftBeyondLimit, prefix);
                break;
            case OrbitClass::Sunsync:
                FillSunsync(set, orbit, T, driftLimitDegDay, row, fill.driftBeyondLimit);
                break;
            case OrbitClass::Molniya:
                FillMolniya(set, orbit, T, driftLimitDegDay, row, fill.driftBeyondLimit, prefix);
                break;
        }
        fill.rows.push_back(std::move(row));
    }
    DateText = dateText;
    TimeText = timeText;
    return fill;
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
    std::optional<std::string> bad;
    // true when row a sorts after row b; a cell that is not a number stops the sort.
    const auto greater = [&](int a, int b) {
        const std::string& x = rows[a][column];
        const std::string& y = rows[b][column];
        if (!numeric) return x > y;
        const auto vx = ParseNumber(x);
        if (!vx) {
            bad = x;
            return false;
        }
        const auto vy = ParseNumber(y);
        if (!vy) {
            bad = y;
            return false;
        }
        return *vx > *vy;
    };
    for (int gap = n / 2; gap >= 1; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (int v = 0; v + gap < n; ++v) {
                const bool after = greater(v, v + gap);
                if (bad) return bad;
                if (after) {
                    std::swap(rows[v], rows[v + gap]);
                    swapped = true;
                }
            }
        }
    }
    return std::nullopt;
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
