#include "prediction/transit_export.h"

#include "prediction/pass_events.h"
#include "prediction/pass_export.h"
#include "prediction/pass_lines.h"

namespace {

std::string Row(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) row += (i > 0 ? "," : "") + CsvField(fields[i]);
    return row + "\r\n";
}

}  // namespace

std::string TransitTableText(const std::vector<TransitApproach>& approaches) {
    std::string out =
        Row({"catnr", "name", "body", "utc", "jd1900", "separation_deg", "body_radius_deg",
             "is_transit", "duration_s", "body_alt_deg", "body_az_deg", "range_km",
             "centre_line_km", "centre_line_azimuth_deg", "strip_half_width_km"});
    for (const TransitApproach& a : approaches) {
        const CentreLineNearest& c = a.centreLine;
        auto lineField = [&c](double value, int decimals) {
            return c.found ? FixedText(value, decimals) : std::string();
        };
        out += Row(
            {std::to_string(a.catalogNumber), a.name, a.body == TransitBody::Sun ? "sun" : "moon",
             UtcIsoText(a.instant), FixedText(a.instant, 9), FixedText(a.separationDeg, 4),
             FixedText(a.bodyRadiusDeg, 4), a.isTransit ? "true" : "false",
             FixedText(a.durationS, 2), FixedText(a.bodyAltitudeDeg, 2),
             FixedText(a.bodyAzimuthDeg, 2), FixedText(a.rangeKm, 1), lineField(c.distanceKm, 2),
             lineField(c.azimuthDeg, 1), lineField(c.nearest.stripHalfWidthKm, 2)});
    }
    return out;
}
