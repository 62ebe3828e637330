#include "cli/cli_options.h"

#include <algorithm>

namespace cli {

std::string ReadOptions(const std::vector<std::string>& args,
                        std::initializer_list<std::string_view> known, const OptionHandler& take) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (std::find(known.begin(), known.end(), option) == known.end())
            return "Unbekannte Option: " + option;
        if (i + 1 >= args.size()) return "Wert fehlt für " + option;
        const std::string& value = args[++i];
        std::string problem = take(option, value);
        if (!problem.empty()) return problem;
    }
    return {};
}

}  // namespace cli
