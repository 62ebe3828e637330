#include "cli/cli_options.h"

#include <algorithm>
#include <filesystem>

#include "catalog/place_entry.h"
#include "core/date_text.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "satellite/catalog_number.h"

namespace cli {

namespace {

bool Contains(const OptionNames& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string Named(std::string_view option, const std::string& message) {
    return std::string(option) + ": " + message;
}

// "--out: ..." when the output names the same existing regular file as an input.
std::string OutputOverInput(const std::vector<std::pair<std::string, std::string>>& files) {
    namespace fs = std::filesystem;
    for (const auto& [output, outPath] : files) {
        std::error_code ec;
        if (!Contains(kOutputFileOptions, output) || !fs::is_regular_file(outPath, ec)) continue;
        for (const auto& [input, inPath] : files)
            if (Contains(kInputFileOptions, input) && fs::equivalent(outPath, inPath, ec))
                return Named(output, "'" + outPath + "' ist die Eingabedatei von " + input +
                                         " und würde überschrieben");
    }
    return {};
}

}  // namespace

std::string ReadOptions(const std::vector<std::string>& args, const OptionNames& valueOptions,
                        const OptionNames& flags, const OptionHandler& take) {
    std::vector<std::pair<std::string, std::string>> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        std::string problem;
        if (Contains(flags, option)) {
            problem = take(option, std::string());
        } else if (!Contains(valueOptions, option)) {
            return "Unbekannte Option: " + option;
        } else if (i + 1 >= args.size()) {
            return "Wert fehlt für " + option;
        } else if (Contains(kOutputFileOptions, option) && args[i + 1].empty()) {
            return Named(option, "kein Dateiname angegeben");
        } else {
            const std::string& value = args[++i];
            if (Contains(kOutputFileOptions, option) || Contains(kInputFileOptions, option))
                files.emplace_back(option, value);
            problem = take(option, value);
        }
        if (!problem.empty()) return problem;
    }
    return OutputOverInput(files);
}

bool HelpWanted(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::string ReadNumber(std::string_view option, const std::string& text, double& value) {
    if (numtext::ParseReal(text, value)) return {};
    return Named(option, numtext::BadRealMessage(text));
}

std::string ReadInteger(std::string_view option, const std::string& text, int& value) {
    if (numtext::ParseInteger(text, value)) return {};
    return Named(option, numtext::BadIntegerMessage(text));
}

std::string ReadDate(std::string_view option, const std::string& text, CivilDate& date) {
    const std::optional<CivilDate> d = datetext::ParseDate(text);
    if (d && d->year <= Shown().latestYear) {
        date = *d;
        return {};
    }
    return Named(option, datetext::BadDateMessage(text));
}

std::string ReadTime(std::string_view option, const std::string& text, CivilTime& time) {
    if (const std::optional<CivilTime> t = datetext::ParseTime(text)) {
        time = *t;
        return {};
    }
    return Named(option, "'" + text + "' ist keine gültige Zeit");
}

std::string ReadInstant(std::string_view option, const std::string& text, JD1900& instant) {
    double value = 0.0;
    if (std::string problem = ReadNumber(option, text, value); !problem.empty()) return problem;
    const JD1900 first = JulianDay1900(1, 1, 1);
    const JD1900 last = JulianDay1900(Shown().latestYear + 1, 1, 1);
    if (value < first || value >= last)
        return InvalidEntry(Named(option, text + " liegt nicht zwischen 01.01.0001 und 31.12." +
                                              std::to_string(Shown().latestYear)));
    instant = value;
    return {};
}

std::string ReadCatalogNumber(std::string_view option, const std::string& text, double& number) {
    int value = 0;
    if (!numtext::ParseInteger(text, value) || value < 0 || value > kMaxCatalogNumber)
        return InvalidEntry(Named(option, "'" + text + "' ist keine Katalognummer (0.." +
                                              std::to_string(kMaxCatalogNumber) + ")"));
    number = value;
    return {};
}

std::string InvalidEntry(const std::string& text) {
    return std::string(location::kInvalidEntryCaption) + ": " + text;
}

}  // namespace cli
