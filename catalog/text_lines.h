// Reads a text file of the working directory line by line (CR LF or LF, 8-bit).
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace location {

// The file could not be opened or read.
class FileOpenError : public std::runtime_error {
  public:
    // Missing: "Datei nicht gefunden: NAME" (core/text_file.h).
    explicit FileOpenError(const std::string& fileName);
    // Any other failure, with its message.
    FileOpenError(const std::string& fileName, const std::string& message);
    const std::string& fileName() const { return fileName_; }

  private:
    std::string fileName_;
};

// All lines without their line ends; a final line end adds no empty line. Throws
// FileOpenError when the file is missing or cannot be read (a folder in its place, an
// input/output error: "Datei kann nicht gelesen werden: NAME").
std::vector<std::string> ReadTextLines(const std::string& path);

}  // namespace location
