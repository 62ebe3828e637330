#include "cli/satellite_choice.h"

#include <sstream>

#include "cli/cli_output.h"
#include "prediction/pass_list_file.h"
#include "prediction/selection_model.h"
#include "satellite/satellite_table.h"

namespace cli {

bool SatelliteChoice::Take(const std::string& option, const std::string& value,
                           std::string& problem) {
    if (option == kSatelliteChoiceFlag) {
        all = true;
    } else if (option == "--select") {
        prefix = value;
    } else if (option == "--catnr") {
        std::stringstream list(value);
        std::string item;
        double number = 0.0;
        while (problem.empty() && std::getline(list, item, ',')) {
            problem = ReadCatalogNumber(option, item, number);
            catalogNumbers.push_back(number);
        }
    } else {
        return false;
    }
    return true;
}

std::string SatelliteChoice::Problem() const {
    const int choices = (all ? 1 : 0) + (prefix.empty() ? 0 : 1) + (catalogNumbers.empty() ? 0 : 1);
    if (choices != 1) return "genau eine Auswahl angeben: --select, --catnr oder --all";
    return {};
}

void SatelliteChoice::Apply() const {
    if (all)
        SelectAllRows();
    else if (!catalogNumbers.empty())
        SelectCatalogNumbers(catalogNumbers);
    else
        ApplyNameFilter(Utf8ToLatin1(prefix));  // name lines are Latin-1
}

std::string LoadAndChoose(const std::string& path, const SatelliteChoice& choice) {
    SatelliteUi ui;
    ui.clearSatelliteViews = ClearSelectionLists;
    const LoadResult load = LoadElementFile(path, ui, AppendLeftListName);
    if (!load.opened) return load.errorText;
    PrintNote(load.noticeText);
    if (load.satelliteCount == 0) return "Keine Satelliten geladen aus " + path;
    choice.Apply();
    if (Satellites().selectedCount == 0) return "Kein Satellit ausgewählt";
    return {};
}

}  // namespace cli
