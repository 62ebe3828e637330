#include "download/element_query.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

#include "core/number_text.h"
#include "satellite/catalog_number.h"

namespace {

constexpr std::size_t kMaxCatalogNumbers = 50;

std::string FormatName(ElementFormat format) { return format == ElementFormat::Csv ? "csv" : "tle"; }

}  // namespace

const std::vector<ElementGroup>& ElementGroups() {
    static const std::vector<ElementGroup> groups = {
        {"visual", "hellste"},
        {"stations", "Raumstationen"},
        {"active", "alle aktiven"},
        {"starlink", "Starlink"},
        {"gnss", "Navigation"},
        {"geo", "geostationär"},
        {"weather", "Wetter"},
        {"amateur", "Amateurfunk"},
        {"science", "Wissenschaft"},
    };
    return groups;
}

std::string ElementServiceUrl(const std::string& configured) {
    if (const char* variable = std::getenv(kElementServiceUrlVariable); variable && *variable)
        return variable;
    return configured.empty() ? kDefaultElementServiceUrl : configured;
}

std::vector<std::string> ElementQueryUrls(const std::string& base, const ElementQuery& query) {
    const std::string join = base.find('?') == std::string::npos ? "?" : "&";
    const std::string format = "&FORMAT=" + FormatName(query.format);
    std::vector<std::string> urls;
    if (!query.group.empty()) urls.push_back(base + join + "GROUP=" + query.group + format);
    for (long number : query.catalogNumbers)
        urls.push_back(base + join + "CATNR=" + std::to_string(number) + format);
    return urls;
}

std::string CheckGroupName(std::string_view group) {
    if (group.empty()) return "Bitte eine Gruppe wählen.";
    const bool fine = std::all_of(group.begin(), group.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_';
    });
    return fine ? std::string() : "Ungültiger Gruppenname: " + std::string(group);
}

std::string ReadCatalogNumberList(std::string_view text, std::vector<long>& numbers) {
    numbers.clear();
    while (!numtext::Trim(text).empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = numtext::Trim(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        long number = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), number);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size() || number < 1 ||
            number > kMaxCatalogNumber)
            return "Ungültige Katalognummer: '" + std::string(item) + "' (1 bis " +
                   std::to_string(kMaxCatalogNumber) + ")";
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end())
            numbers.push_back(number);
    }
    if (numbers.size() > kMaxCatalogNumbers)
        return "Höchstens " + std::to_string(kMaxCatalogNumbers) +
               " Katalognummern auf einmal; für mehr bitte eine Gruppe laden.";
    return {};
}

ElementFormat FormatOfFileName(std::string_view fileName) {
    if (fileName.size() < 4) return ElementFormat::Tle;
    std::string ending(fileName.substr(fileName.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".csv" ? ElementFormat::Csv : ElementFormat::Tle;
}

std::string DefaultElementFileName(const ElementQuery& query) {
    const std::string stem = query.group.empty() ? "katalognummern" : query.group;
    return stem + "." + FormatName(query.format);
}
