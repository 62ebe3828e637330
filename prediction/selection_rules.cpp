#include "prediction/selection_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/constants.h"
#include "core/timescale.h"
#include "satellite/column_number.h"

namespace {

constexpr double kSiderealDayMin = 1436.068;
constexpr double kSunNodeRateDegDay = 0.9856;  // the mean Sun's motion, degrees per day
constexpr double kDefaultApogeeMax = 10000000000.0;

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t') return false;
    return true;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Upper case of a Latin-1 character: ASCII letters and the accented small letters
// 0xE0-0xFE (without the division sign 0xF7).
char UpperLatin1(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    return UpperAscii(c);
}

std::string_view WithoutOuterBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// One bound: the default when the field is empty, else its number.
bool ReadBound(std::string_view text, double fallback, double& value, std::string& badText) {
    if (IsBlank(text)) {
        value = fallback;
        return true;
    }
    const auto number = ParseNumber(text);
    if (!number) {
        badText = std::string(text);
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

std::optional<OrbitFigures> OrbitFiguresOf(std::string_view line2, std::string* badText) {
    const auto fail = [&](std::string_view text) -> std::optional<OrbitFigures> {
        if (badText) *badText = std::string(text);
        return std::nullopt;
    };
    const auto n = ColumnNumber(line2, 53, 63);
    if (!n) return fail(ColumnText(line2, 53, 63));
    const std::string eccentricityText = "0." + std::string(ColumnText(line2, 27, 33));
    const auto e = ParseNumber(eccentricityText);
    if (!e) return fail(eccentricityText);
    const auto i = ColumnNumber(line2, 9, 16);
    if (!i) return fail(ColumnText(line2, 9, 16));

    OrbitFigures orbit;
    orbit.meanMotionRevDay = *n;
    orbit.eccentricity = *e;
    orbit.inclinationDeg = *i;
    // A mean motion of 0 gives an infinite axis and period; the comparisons with the
    // bounds still work with infinities, so no satellite is dropped for it.
    orbit.semiMajorAxisKm =
        std::pow(kGravityKe / (*n * kTwoPi / 1440.0), 2.0 / 3.0) * kEarthRadiusKm;
    orbit.perigeeKm = orbit.semiMajorAxisKm * (1.0 - *e) - kEarthRadiusKm;
    orbit.apogeeKm = orbit.semiMajorAxisKm * (1.0 + *e) - kEarthRadiusKm;
    orbit.periodMin = 1440.0 / *n;
    return orbit;
}

PrefixMatch MatchNamePrefix(std::string_view nameLine, std::string_view prefix) {
    if (nameLine.size() < prefix.size()) return PrefixMatch::TooShort;
    for (std::size_t k = 0; k < prefix.size(); ++k)
        if (UpperAscii(nameLine[k]) != UpperAscii(prefix[k])) return PrefixMatch::Differs;
    return PrefixMatch::Begins;
}

bool MatchesNameSearch(std::string_view nameLine, std::optional<double> catalogNumber,
                       std::string_view text) {
    text = WithoutOuterBlanks(text);
    if (catalogNumber && !text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        double number = 0.0;
        for (char c : text) number = 10.0 * number + (c - '0');
        if (number == *catalogNumber) return true;
    }
    const std::string_view name = nameLine.substr(0, kNameFieldLength);
    const auto found = std::search(name.begin(), name.end(), text.begin(), text.end(),
                                   [](char a, char b) { return UpperLatin1(a) == UpperLatin1(b); });
    return found != name.end() || text.empty();
}

BoundsReading ReadRangeBounds(RangeKind kind, std::string_view loText, std::string_view hiText) {
    BoundsReading reading;
    if ((kind == RangeKind::Perigee && IsBlank(hiText)) ||
        (kind == RangeKind::Apogee && IsBlank(loText))) {
        reading.status = BoundsStatus::RequiredMissing;
        return reading;
    }
    const double loDefault = 0.0;
    const double hiDefault = kind == RangeKind::Inclination ? 180.0 : kDefaultApogeeMax;
    if (!ReadBound(loText, loDefault, reading.bounds.lo, reading.badText) ||
        !ReadBound(hiText, hiDefault, reading.bounds.hi, reading.badText))
        reading.status = BoundsStatus::NotANumber;
    return reading;
}

double RangeValue(RangeKind kind, const OrbitFigures& orbit) {
    switch (kind) {
        case RangeKind::Perigee:
            return orbit.perigeeKm;
        case RangeKind::Apogee:
            return orbit.apogeeKm;
        case RangeKind::Inclination:
            return orbit.inclinationDeg;
    }
    return 0.0;
}

RequiredBoundMessage RequiredBoundMessageOf(RangeKind kind) {
    if (kind == RangeKind::Apogee)
        return {"Apogäumshöhe fehlt", "Die minimale Apogäumshöhe muß angegeben werden"};
    return {"Perigäumshöhe fehlt", "Die maximale Perigäumshöhe muß angegeben werden"};
}

const char* DefaultDriftText(OrbitClass orbitClass) {
    return orbitClass == OrbitClass::Molniya ? "0.01" : "0.1";
}

std::optional<double> ReadDriftAnswer(std::string_view answer) {
    const auto value = ParseNumber(answer);
    if (!value) return std::nullopt;
    return std::fabs(*value);
}

double DegreesPerDay(double radiansPerMinute) { return radiansPerMinute * (180.0 / kPi) * 1440.0; }

bool GeosyncMeanMotion(double meanMotionRevDay, double driftDegDay) {
    // A drift of 359 degrees per day or more leaves no upper limit (instead of a
    // division by zero or a negative limit that would select nothing).
    const double slowest = kSiderealDayMin - 4.0 * driftDegDay;
    const double upper = slowest > 0.0 ? 1440.0 / slowest : std::numeric_limits<double>::infinity();
    return 1440.0 / (kSiderealDayMin + 4.0 * driftDegDay) < meanMotionRevDay &&
           meanMotionRevDay < upper;
}

bool SunsyncNodeRate(double nodeRateRadMin, double driftDegDay) {
    return std::fabs(DegreesPerDay(nodeRateRadMin) - kSunNodeRateDegDay) < driftDegDay;
}

bool MolniyaOrbit(double perigeeRateRadMin, double eccentricity, double meanMotionRevDay,
                  double driftDegDay) {
    return std::fabs(DegreesPerDay(perigeeRateRadMin)) < driftDegDay && eccentricity > 0.2 &&
           meanMotionRevDay > 1.5;
}

const char* OrbitClassCaptionPrefix(OrbitClass orbitClass) {
    switch (orbitClass) {
        case OrbitClass::Geosync:
            return "Geosynchrone Satelliten (";
        case OrbitClass::Sunsync:
            return "Sonnensynchrone Satelliten (";
        case OrbitClass::Molniya:
            return "Molniya Satelliten (";
    }
    return "";
}
