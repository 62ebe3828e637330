#include "catalog/text_lines.h"

#include <sstream>

#include "core/text_file.h"

namespace location {

FileOpenError::FileOpenError(const std::string& fileName)
    : std::runtime_error(MissingFileMessage(fileName)), fileName_(fileName) {}

FileOpenError::FileOpenError(const std::string& fileName, const std::string& message)
    : std::runtime_error(message), fileName_(fileName) {}

std::vector<std::string> ReadTextLines(const std::string& path) {
    std::string contents;
    switch (ReadFileContents(path, contents)) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::Missing:
            throw FileOpenError(path);
        case FileReadStatus::Unreadable:
            throw FileOpenError(path, UnreadableFileMessage(path));
    }
    std::istringstream in(contents);
    std::vector<std::string> lines;
    std::string line;
    while (GetLineWithoutCr(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace location
