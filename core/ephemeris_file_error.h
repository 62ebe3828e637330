// The error a missing or malformed data file ("ASTEROID.TXT", "KOMET") raises in the
// astronomy core. The caller (chart drawing, ephemeris update, command line) catches it,
// shows what() and goes on. The messages are those of the sky data readers.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

class EphemerisFileError : public std::runtime_error {
  public:
    EphemerisFileError(std::string fileName, const std::string& message)
        : std::runtime_error(message), fileName_(std::move(fileName)) {}
    const std::string& fileName() const { return fileName_; }

    static EphemerisFileError FileNotFound(std::string fileName) {
        return {std::move(fileName), "Datei nicht gefunden"};
    }
    static EphemerisFileError EndOfFile(std::string fileName) {
        return {std::move(fileName), "Lesen über Dateiende hinaus"};
    }
    static EphemerisFileError BadFloat(std::string fileName, std::string_view text) {
        return {std::move(fileName),
                "'" + std::string(text) + "' ist kein gültiger Gleitkommawert"};
    }
    static EphemerisFileError BadInteger(std::string fileName, std::string_view text) {
        return {std::move(fileName), "'" + std::string(text) + "' ist kein gültiger Integerwert"};
    }

  private:
    std::string fileName_;
};
