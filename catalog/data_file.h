// A data file opened by its bare name in the working directory, read whole and
// closed again, then handed out line by line. Lines end in CR LF or LF; the line
// texts exclude the line end. A last line without a line end counts as a line.
#pragma once

#include <string>
#include <string_view>

class DataFile {
  public:
    // Throws DataFileError::FileNotFound when the file is missing, ::Unreadable when it
    // cannot be read (a folder in its place, an input/output error).
    explicit DataFile(std::string fileName);

    const std::string& fileName() const { return fileName_; }

    // The next line, or false at the end of the file. The view stays valid as long
    // as the DataFile lives.
    bool NextLine(std::string_view& line);
    // The next line; throws DataFileError::EndOfFile at the end of the file.
    std::string_view RequireLine();
    // Line number of the line last returned (1 for the first; 0 before any).
    int lineNumber() const { return lineNumber_; }

  private:
    std::string fileName_;
    std::string contents_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

// Reads the first `count` lines of the named file, numbered from 1: each line is parsed
// by parse(line, fileName) and the record handed to visit(number, record). Throws
// DataFileError (FileNotFound, Unreadable, EndOfFile when the file has fewer lines, or
// whatever parse throws).
template <typename Parse, typename Visit>
void ReadNumberedRecords(const std::string& fileName, int count, const Parse& parse,
                         const Visit& visit) {
    DataFile file(fileName);
    for (int n = 1; n <= count; ++n) {
        const std::string_view line = file.RequireLine();
        visit(n, parse(line, file.fileName().c_str()));
    }
}

// Line n (counted from 1; n < 1 gives line 1) of the named file as text: the lines
// before it are read and discarded. Throws DataFileError (FileNotFound, Unreadable,
// EndOfFile).
std::string ReadLineOfFile(const std::string& fileName, int n);
