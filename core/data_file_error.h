// The error a missing or malformed data file raises in the astronomy core. The caller
// (chart drawing, ephemeris update, command line) catches it, reports it and goes on.
#pragma once

#include <stdexcept>
#include <string>

class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string fileName, const std::string& what)
        : std::runtime_error(what), fileName_(std::move(fileName)) {}
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};
