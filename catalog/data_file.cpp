#include "catalog/data_file.h"

#include <utility>

#include "catalog/data_file_error.h"
#include "core/text_file.h"

DataFile::DataFile(std::string fileName)
    : fileName_(std::move(fileName)),
      contents_(ReadFileContentsOrThrow<DataFileError>(fileName_)) {}

bool DataFile::NextLine(std::string_view& line) {
    if (position_ >= contents_.size()) return false;
    const std::string_view rest = std::string_view(contents_).substr(position_);
    std::size_t end = rest.find('\n');
    std::size_t next = 0;
    if (end == std::string_view::npos) {
        end = rest.size();
        next = rest.size();
    } else {
        next = end + 1;
    }
    std::string_view text = rest.substr(0, end);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    position_ += next;
    ++lineNumber_;
    line = text;
    return true;
}

std::string_view DataFile::RequireLine() {
    std::string_view line;
    if (!NextLine(line)) throw DataFileError::EndOfFile(fileName_);
    return line;
}

std::string ReadLineOfFile(const std::string& fileName, int n) {
    DataFile file(fileName);
    for (int i = 1; i < n; ++i) file.RequireLine();
    return std::string(file.RequireLine());
}
