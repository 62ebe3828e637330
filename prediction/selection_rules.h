// The rules of the satellite selection window, without any window: orbit figures from
// line 2 of an element set, the name prefix test and the name search, the range
// bounds of the perigee, apogee and inclination filters, and the three orbit-class
// conditions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Orbit figures of one element set, cut from line 2 (mean motion columns 53-63,
// eccentricity "0." + columns 27-33, inclination columns 9-16).
struct OrbitFigures {
    double meanMotionRevDay = 0.0;
    double eccentricity = 0.0;
    double inclinationDeg = 0.0;
    double semiMajorAxisKm = 0.0;  // (ke / (n·2π/1440))^(2/3) · kEarthRadiusKm
    double perigeeKm = 0.0;        // a·(1 - e) - kEarthRadiusKm
    double apogeeKm = 0.0;         // a·(1 + e) - kEarthRadiusKm
    double periodMin = 0.0;        // 1440 / n
};

// The figures of a line 2; nullopt when one of the three columns is not a number.
// badText then receives the text that did not convert (for the error message).
std::optional<OrbitFigures> OrbitFiguresOf(std::string_view line2, std::string* badText = nullptr);

// Name prefix test of the name filter: the first prefix-length characters of the name
// line compared with the prefix without regard to case.
enum class PrefixMatch { TooShort, Begins, Differs };
PrefixMatch MatchNamePrefix(std::string_view nameLine, std::string_view prefix);

// Name search of the selection window: the text, without blanks at either end, found
// anywhere in the name (the first kNameFieldLength characters of the name line)
// without regard to case (ASCII and Latin-1 letters), or, when it is all digits,
// equal to the catalogue number. An empty text matches every set.
inline constexpr int kNameFieldLength = 24;
bool MatchesNameSearch(std::string_view nameLine, std::optional<double> catalogNumber,
                       std::string_view text);

// The three range filters.
enum class RangeKind { Perigee, Apogee, Inclination };

struct RangeBounds {
    double lo = 0.0;
    double hi = 0.0;
};

enum class BoundsStatus { Ok, RequiredMissing, NotANumber };

struct BoundsReading {
    BoundsStatus status = BoundsStatus::Ok;
    RangeBounds bounds;
    std::string badText;  // NotANumber: the field text that did not convert
};

// Bounds from the two field texts: perigee needs the maximum (minimum 0 when empty),
// apogee needs the minimum (maximum 10000000000 when empty), inclination takes 0 and
// 180 for empty fields. A field holding only blanks counts as empty.
BoundsReading ReadRangeBounds(RangeKind kind, std::string_view loText, std::string_view hiText);

// The filtered value of a satellite: perigee height, apogee height (km) or inclination (°).
double RangeValue(RangeKind kind, const OrbitFigures& orbit);

// An empty selection takes satellites strictly inside the bounds; a non-empty one
// drops those outside the closed interval.
inline bool StrictlyInside(double v, const RangeBounds& b) { return b.lo < v && v < b.hi; }
inline bool OutsideClosed(double v, const RangeBounds& b) { return v < b.lo || v > b.hi; }

// The message box of a required bound left empty: caption and text.
struct RequiredBoundMessage {
    const char* caption;
    const char* text;
};
RequiredBoundMessage RequiredBoundMessageOf(RangeKind kind);

// Orbit classes of the selection window.
enum class OrbitClass { Geosync, Sunsync, Molniya };

// Proposed answer of the "maximale Drift" input box: "0.1" or "0.01" (Molniya).
const char* DefaultDriftText(OrbitClass orbitClass);
// d from the answer of the input box (absolute value); nullopt when not a number.
std::optional<double> ReadDriftAnswer(std::string_view answer);

// geosync: 1440/(1436.068 + 4d) < n < 1440/(1436.068 - 4d), n in revolutions per day.
bool GeosyncMeanMotion(double meanMotionRevDay, double driftDegDay);
// sunsync: |Ω̇·(180/π)·1440 - 0.9856| < d, Ω̇ the SGP node rate in radians per minute.
bool SunsyncNodeRate(double nodeRateRadMin, double driftDegDay);
// Molniya: |ω̇·(180/π)·1440| < d and e > 0.2 and n > 1.5.
bool MolniyaOrbit(double perigeeRateRadMin, double eccentricity, double meanMotionRevDay,
                  double driftDegDay);

// Rates of the SGP model in radians per minute as degrees per day.
double DegreesPerDay(double radiansPerMinute);

// Caption prefix of the orbit-class list window after a class selection:
// "Geosynchrone Satelliten (", "Sonnensynchrone Satelliten (", "Molniya Satelliten (".
const char* OrbitClassCaptionPrefix(OrbitClass orbitClass);
