#include "location/text_lines.h"

#include <fstream>

namespace location {

FileOpenError::FileOpenError(const std::string& fileName)
    : std::runtime_error("Datei nicht gefunden: " + fileName), fileName_(fileName) {}

std::vector<std::string> ReadTextLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileOpenError(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (in.bad()) throw FileOpenError(path);
    return lines;
}

}  // namespace location
