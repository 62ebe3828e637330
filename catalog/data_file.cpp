#include "catalog/data_file.h"

#include <utility>

#include "catalog/data_file_error.h"

DataFile::DataFile(std::string fileName)
    : fileName_(std::move(fileName)), file_(KeptDataFile(fileName_)) {}

bool DataFile::NextLine(std::string_view& line) {
    if (static_cast<std::size_t>(lineNumber_) >= file_->lines.size()) return false;
    line = file_->lines[static_cast<std::size_t>(lineNumber_)];
    ++lineNumber_;
    return true;
}

std::string_view DataFile::RequireLine() {
    std::string_view line;
    if (!NextLine(line)) throw DataFileError::EndOfFile(fileName_);
    return line;
}

std::string ReadLineOfFile(const std::string& fileName, int n) {
    const std::shared_ptr<const KeptFile> file = KeptDataFile(fileName);
    const std::size_t index = n < 1 ? 0 : static_cast<std::size_t>(n - 1);
    if (index >= file->lines.size()) throw DataFileError::EndOfFile(fileName);
    return std::string(file->lines[index]);
}
