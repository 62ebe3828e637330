#include "chart/catalog/data_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "chart/catalog/data_file_error.h"

DataFile::DataFile(std::string fileName) : fileName_(std::move(fileName)) {
    std::error_code ec;
    if (std::filesystem::is_directory(fileName_, ec)) throw DataFileError::FileNotFound(fileName_);
    std::ifstream in(fileName_, std::ios::binary);
    if (!in) throw DataFileError::FileNotFound(fileName_);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size > 0) {
        contents_.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(contents_.data(), size);
        if (!in) throw DataFileError::FileNotFound(fileName_);
    } else if (size < 0) {
        // Not seekable: read it as a stream.
        in.clear();
        contents_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
}

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
