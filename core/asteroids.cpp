#include "core/asteroids.h"

#include <sstream>

#include "core/ephemeris_file_error.h"
#include "core/number_text.h"
#include "core/text_file.h"

namespace {

std::string_view Columns(std::string_view line, size_t first, size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

double Field(std::string_view line, size_t first, size_t last, const std::string& fileName) {
    const std::string_view text = Columns(line, first, last);
    double v = 0.0;
    if (!numtext::ParseReal(text, v))
        throw EphemerisFileError::BadFloat(fileName, numtext::Trim(text));
    return v;
}

}  // namespace

AsteroidElements ParseAsteroidLine(std::string_view line, const std::string& fileName) {
    AsteroidElements e;
    e.epoch = Field(line, 1, 7, fileName) + 0.5 - 2415020.0;
    e.meanAnomalyDeg = Field(line, 8, 16, fileName);
    e.semiMajorAxis = Field(line, 17, 25, fileName);
    e.eccentricity = Field(line, 26, 34, fileName);
    e.nodeDeg = Field(line, 35, 43, fileName);
    e.perihelionDeg = Field(line, 44, 52, fileName);
    e.inclinationDeg = Field(line, 53, 61, fileName);
    return e;
}

AsteroidPair SelectAsteroidPair(JD1900 t, const std::string& path) {
    const std::string name = path;
    std::istringstream in(ReadFileContentsOrThrow<EphemerisFileError>(path));
    std::string first;
    std::string second;
    if (!GetLineWithoutCr(in, first)) throw EphemerisFileError::EndOfFile(name);
    for (;;) {
        if (!GetLineWithoutCr(in, second)) throw EphemerisFileError::EndOfFile(name);
        // Step on while the pair's epoch lies more than 100 days before t. Stopping at the
        // first pair within that bound (rather than waiting for |d| < 100) keeps a gap in
        // the file or an instant exactly between two epochs on the nearest earlier pair.
        // Only the epoch of a pair that is stepped over is read.
        if (t - (Field(first, 1, 7, name) + 0.5 - 2415020.0) <= 100.0) break;
        std::string next;
        if (!GetLineWithoutCr(in, next) || numtext::Trim(next).empty())
            break;  // end: the last pair
        first.swap(next);
    }
    return {ParseAsteroidLine(first, name), ParseAsteroidLine(second, name)};
}
