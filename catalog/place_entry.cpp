#include "catalog/place_entry.h"

#include "catalog/place_numbers.h"
#include "core/display_options.h"
#include "core/number_text.h"
#include "core/observing_place.h"

namespace location {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// Longitude and latitude in that order; the latitude brings its sine and cosine along
// at once, so that a later failure never leaves them out of step.
PlaceEntryResult ApplyCoordinates(const std::string& longitude, const std::string& latitude,
                                  ObservingPlace& state) {
    const auto lon = numtext::ParseNumber(longitude);
    if (!lon || !LongitudeInRange(*lon)) return {PlaceField::Longitude, longitude};
    state.longitudeDeg = *lon;
    const auto lat = numtext::ParseNumber(latitude);
    if (!lat || !LatitudeInRange(*lat)) return {PlaceField::Latitude, latitude};
    SetPlaceLatitude(*lat, state.latitudeDeg, state.sinLatitude, state.cosLatitude);
    return {};
}

PlaceEntryResult ApplyHeight(const std::string& height, ObservingPlace& state) {
    if (IsBlank(height)) {
        state.heightM = 0.0;
        return {};
    }
    const auto value = numtext::ParseNumber(height);
    if (!value) return {PlaceField::Height, height};
    if (!HeightWithinBounds(*value)) return {PlaceField::HeightRange, height};
    state.heightM = *value;
    return {};
}

}  // namespace

bool LongitudeInRange(double longitudeDeg) {
    return longitudeDeg >= -180.0 && longitudeDeg <= 360.0;
}

bool LatitudeInRange(double latitudeDeg) { return latitudeDeg >= -90.0 && latitudeDeg <= 90.0; }

PlaceEntryResult ApplyPlaceEntry(const PlaceEntryFields& fields, ObservingPlace& state) {
    state.placeName = fields.name;
    if (auto result = ApplyCoordinates(fields.longitude, fields.latitude, state); !result.ok()) {
        return result;
    }
    return ApplyHeight(fields.height, state);
}

PlaceEntryResult ApplyParameterFields(const ParameterFields& fields, ObservingPlace& state,
                                      DisplayOptions& display) {
    state.placeName = fields.placeName;
    if (auto result = ApplyCoordinates(fields.longitude, fields.latitude, state); !result.ok()) {
        return result;
    }
    if (auto result = ApplyHeight(fields.height, state); !result.ok()) return result;
    state.zoneName = " " + fields.zoneName;
    const auto offset = numtext::ParseNumber(fields.zoneOffset);
    if (!offset) return {PlaceField::ZoneOffset, fields.zoneOffset};
    if (!ZoneOffsetWithinBounds(*offset)) return {PlaceField::ZoneOffsetRange, fields.zoneOffset};
    state.zoneOffsetHours = *offset;
    state.zoneRule = fields.zoneRule;
    const auto magnitude = numtext::ParseNumber(fields.limitingMagnitude);
    if (!magnitude) return {PlaceField::LimitingMagnitude, fields.limitingMagnitude};
    if (!ChartMagnitudeWithinBounds(*magnitude))
        return {PlaceField::LimitingMagnitudeRange, fields.limitingMagnitude};
    display.limitingMagnitude = *magnitude;
    return {};
}

ParameterFields ParameterFieldsOf(const ObservingPlace& state, const DisplayOptions& display,
                                  JD1900 instant) {
    ParameterFields fields;
    fields.placeName = state.placeName;
    fields.longitude = numtext::FormatNumber(state.longitudeDeg);
    fields.latitude = numtext::FormatNumber(state.latitudeDeg);
    fields.height = numtext::FormatNumber(state.heightM);
    const std::string zoneName = state.zoneNameAt(instant);
    const auto first = zoneName.find_first_not_of(' ');
    fields.zoneName = first == std::string::npos ? std::string() : zoneName.substr(first);
    fields.zoneOffset = numtext::FormatNumber(state.zoneOffsetAt(instant));
    fields.zoneRule = state.zoneRule;
    fields.limitingMagnitude = numtext::FormatNumber(display.limitingMagnitude);
    return fields;
}

std::string PlaceErrorMessage(PlaceField field) {
    switch (field) {
        case PlaceField::Longitude:
            return kLongitudeError;
        case PlaceField::Latitude:
            return kLatitudeError;
        case PlaceField::HeightRange:
            return kHeightError;
        case PlaceField::ZoneOffsetRange:
            return kZoneOffsetError;
        case PlaceField::LimitingMagnitudeRange:
            return kChartMagnitudeError;
        default:
            return {};
    }
}

}  // namespace location
