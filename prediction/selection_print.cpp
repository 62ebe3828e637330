#include "prediction/selection_print.h"

#include <cstdio>

#include "prediction/selection_rules.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"

int SelectionPageCount(int satellites) {
    if (satellites <= 0) return 0;
    return (satellites + kSatellitesPerPage - 1) / kSatellitesPerPage;
}

std::optional<std::string> SelectionPrintRow(const ElementSet& set, const std::string& listLine,
                                             double standardMagnitude, bool magnitudeKnown,
                                             std::string* badText) {
    const auto orbit = OrbitFiguresOf(set.line2, badText);
    if (!orbit) return std::nullopt;
    std::string number(ColumnText(set.line1, 3, 7));
    number.resize(5, ' ');
    std::string row = " " + number + "   ";
    std::string name = listLine;
    if (name.size() < 18) name.resize(18, ' ');
    row += name;
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%10.1f%8.4f%9.1f%7.0f%8.0f", orbit->inclinationDeg,
                  orbit->eccentricity, orbit->periodMin, orbit->perigeeKm, orbit->apogeeKm);
    row += buffer;
    if (magnitudeKnown) {
        std::snprintf(buffer, sizeof buffer, "%6.1f", standardMagnitude);
        row += buffer;
    }
    return row;
}

std::optional<std::vector<PrintedPage>> SelectionPrintPages(std::string* badText) {
    const SatelliteTable& table = Satellites();
    const auto& right = Selection().rightList;
    std::vector<PrintedPage> pages;
    for (int k = 0; k < table.selectedCount; ++k) {
        const int onPage = k % kSatellitesPerPage + 1;
        if (onPage == 1) {
            pages.emplace_back();
            pages.back().push_back({10, -100, kSelectionHeading1});
            pages.back().push_back({10, -150, kSelectionHeading2});
        }
        const int row = table.SelectedRow(k);
        const bool rowValid = table.HasRowSlot(row);
        const auto text =
            SelectionPrintRow(table.Selected(k), k < static_cast<int>(right.size()) ? right[k] : "",
                              rowValid ? table.standardMagnitude[row] : 0.0,
                              rowValid && table.magnitudeKnown[row] != 0, badText);
        if (!text) return std::nullopt;
        pages.back().push_back({10, -195 - 45 * onPage, *text});
    }
    return pages;
}
