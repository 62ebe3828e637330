// Reads a text file of the working directory line by line (CR LF or LF, 8-bit).
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace location {

// The file could not be opened or read.
class FileOpenError : public std::runtime_error {
  public:
    explicit FileOpenError(const std::string& fileName);
    const std::string& fileName() const { return fileName_; }

  private:
    std::string fileName_;
};

// All lines without their line ends; a final line end adds no empty line.
std::vector<std::string> ReadTextLines(const std::string& path);

}  // namespace location
