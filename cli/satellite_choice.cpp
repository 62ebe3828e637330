#include "cli/satellite_choice.h"

#include <sstream>

#include "prediction/pass_list_file.h"
#include "prediction/selection_model.h"

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

}  // namespace cli
