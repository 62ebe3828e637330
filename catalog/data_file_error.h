// The failure of a data-file read: which file, what went wrong, and the German
// message the program shows for it. Readers throw it; the windows catch it and show
// `what()` through the Dialogs service; the operation that read stops there.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

enum class DataErrorKind {
    FileNotFound,  // missing: "Datei nicht gefunden: STERNKAT"
    Unreadable,    // a folder in its place, no permission, an input/output error
    BadNumber,     // a numeric field that does not convert
    EndOfFile,     // a line needed beyond the end of the file: "Lesen über Dateiende hinaus: SNAMEN"
};

class DataFileError : public std::runtime_error {
  public:
    DataFileError(DataErrorKind kind, std::string fileName, const std::string& message);

    DataErrorKind kind() const { return kind_; }
    // The bare file name that failed ("STERNKAT", ...); empty for a field converted
    // outside any file.
    const std::string& fileName() const { return fileName_; }

    // The messages as the program shows them (UTF-8), each naming the file once
    // (core/text_file.h).
    static DataFileError FileNotFound(std::string fileName);
    // "Datei kann nicht gelesen werden: STERNKAT".
    static DataFileError Unreadable(std::string fileName);
    static DataFileError EndOfFile(std::string fileName);
    // `fieldText` is the field as cut from its columns, quoted in the message:
    // "'x.5' ist kein gültiger Gleitkommawert (STERNKAT)" / "'x' ist kein gültiger
    // Integerwert (SLINIEN)"; without the name when fileName is empty.
    static DataFileError BadFloat(std::string fileName, std::string_view fieldText);
    static DataFileError BadInteger(std::string fileName, std::string_view fieldText);

  private:
    DataErrorKind kind_;
    std::string fileName_;
};
