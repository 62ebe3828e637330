// Taking over typed place values (the parameter dialog and the new-place window).
// The fields are checked in order; the first failure ends the taking over and the
// values taken before it stay taken over.
#pragma once

#include <string>

#include "core/timescale.h"

struct DisplayOptions;
struct ObservingPlace;

namespace location {

enum class PlaceField {
    None,               // everything taken over
    Longitude,          // "Fehler bei geografischer Länge"
    Latitude,           // "Fehler bei geografischer Breite"
    Height,             // not a number
    ZoneOffset,         // not a number
    LimitingMagnitude,  // not a number
    // Numbers outside the bounds of place_numbers.h ("Ungültige Eingabe").
    HeightRange,             // kHeightError
    ZoneOffsetRange,         // kZoneOffsetError
    LimitingMagnitudeRange,  // kChartMagnitudeError
};

struct PlaceEntryResult {
    PlaceField failed = PlaceField::None;
    std::string badText;  // the text that did not convert (number fields)
    bool ok() const { return failed == PlaceField::None; }
};

// The four fields of the new-place window.
struct PlaceEntryFields {
    std::string name;
    std::string longitude;
    std::string latitude;
    std::string height;
};

// The seven fields of the parameter dialog.
struct ParameterFields {
    std::string placeName;
    std::string longitude;
    std::string latitude;
    std::string height;
    std::string zoneName;  // without its leading blank
    std::string zoneOffset;
    std::string limitingMagnitude;
    std::string zoneRule;  // the zone by rule; empty: the fixed zone of the two fields above
};

inline constexpr const char* kInvalidEntryCaption = "Ungültige Eingabe";
inline constexpr const char* kLongitudeError = "Fehler bei geografischer Länge";
inline constexpr const char* kLatitudeError = "Fehler bei geografischer Breite";

// Longitude accepted in -180..360 (both -180..180 and 0..360 east), latitude -90..90.
bool LongitudeInRange(double longitudeDeg);
bool LatitudeInRange(double latitudeDeg);

// Name, longitude, latitude (with its sine and cosine), height (empty gives 0).
PlaceEntryResult ApplyPlaceEntry(const PlaceEntryFields& fields, ObservingPlace& state);

// The parameter dialog: as above, then zone name (stored with one leading blank),
// zone offset, zone rule (taken as it is) and limiting magnitude (into `display`). Height,
// zone offset and limiting magnitude must lie inside the bounds of place_numbers.h.
PlaceEntryResult ApplyParameterFields(const ParameterFields& fields, ObservingPlace& state,
                                      DisplayOptions& display);

// The parameter dialog's fields as shown for a place (zone name without leading blanks;
// with a rule, the name and offset in force at `instant`, the displayed one).
ParameterFields ParameterFieldsOf(const ObservingPlace& state, const DisplayOptions& display,
                                  JD1900 instant);

// The message box text of a failed longitude or latitude or of a number outside its
// bounds; empty for a number field that did not convert.
std::string PlaceErrorMessage(PlaceField field);

}  // namespace location
