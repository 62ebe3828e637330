// What to ask the element service for: a group of satellites or single catalogue
// numbers, as two-line elements or as OMM CSV, and the address the question goes to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The public GP element service of CelesTrak; POLARIDE_ELEMENTS_URL or the settings
// entry replaces it (a local server in tests, a mirror).
inline constexpr char kDefaultElementServiceUrl[] = "https://celestrak.org/NORAD/elements/gp.php";
inline constexpr char kElementServiceUrlVariable[] = "POLARIDE_ELEMENTS_URL";

enum class ElementFormat { Tle, Csv };

// The groups offered in the window: the service's group name and what it holds.
struct ElementGroup {
    const char* name;
    const char* description;
};
const std::vector<ElementGroup>& ElementGroups();

struct ElementQuery {
    std::string group;                  // a group name, or empty when numbers are asked for
    std::vector<long> catalogNumbers;   // single satellites, each one request
    ElementFormat format = ElementFormat::Tle;
};

// The service address in use: POLARIDE_ELEMENTS_URL when set, else the configured
// one when not empty, else kDefaultElementServiceUrl.
std::string ElementServiceUrl(const std::string& configured = {});

// The addresses of a query: base + "?GROUP=<group>&FORMAT=<tle|csv>" for a group, one
// address with "?CATNR=<n>&FORMAT=..." for each catalogue number ("&" instead of "?"
// when the base already has a query).
std::vector<std::string> ElementQueryUrls(const std::string& base, const ElementQuery& query);

// Checks of the entries, each returning a German problem text (empty when fine):
//  a group name of letters, digits, "-" and "_":
std::string CheckGroupName(std::string_view group);
//  catalogue numbers separated by "," (blanks allowed), 1..339999, at most 50:
std::string ReadCatalogNumberList(std::string_view text, std::vector<long>& numbers);

// The format a file name asks for: OMM CSV for a name ending in ".csv" (any case).
ElementFormat FormatOfFileName(std::string_view fileName);
// "<group>.tle" or "<group>.csv"; "katalognummern.tle" for numbers alone.
std::string DefaultElementFileName(const ElementQuery& query);
