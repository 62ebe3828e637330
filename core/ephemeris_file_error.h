// The error a missing, unreadable or malformed data file ("ASTEROID.TXT", "KOMET") raises
// in the astronomy core. The caller (chart drawing, ephemeris update, command line)
// catches it, shows what() and goes on. The messages are those of the sky data readers.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/text_file.h"

class EphemerisFileError : public std::runtime_error {
  public:
    EphemerisFileError(std::string fileName, const std::string& message)
        : std::runtime_error(message), fileName_(std::move(fileName)) {}
    const std::string& fileName() const { return fileName_; }

    // The messages name the file once (core/text_file.h).
    static EphemerisFileError FileNotFound(std::string fileName) {
        std::string message = MissingFileMessage(fileName);
        return {std::move(fileName), message};
    }
    // A folder in the file's place or an input/output error while reading it.
    static EphemerisFileError Unreadable(std::string fileName) {
        std::string message = UnreadableFileMessage(fileName);
        return {std::move(fileName), message};
    }
    static EphemerisFileError EndOfFile(std::string fileName) {
        std::string message = EndOfFileMessage(fileName);
        return {std::move(fileName), message};
    }
    static EphemerisFileError BadFloat(std::string fileName, std::string_view text) {
        std::string message = InFileMessage(numtext::BadRealMessage(text), fileName);
        return {std::move(fileName), message};
    }
    static EphemerisFileError BadInteger(std::string fileName, std::string_view text) {
        std::string message = InFileMessage(numtext::BadIntegerMessage(text), fileName);
        return {std::move(fileName), message};
    }
    // A number that cannot stand for the quantity: "Periheldistanz '0' ist ungültig: sie
    // muss größer als 0 sein (KOMET)".
    static EphemerisFileError BadValue(std::string fileName, std::string_view quantity,
                                       std::string_view text, std::string_view requirement) {
        std::string message =
            InFileMessage(std::string(quantity) + " '" + std::string(text) +
                              "' ist ungültig: " + std::string(requirement),
                          fileName);
        return {std::move(fileName), message};
    }

  private:
    std::string fileName_;
};
