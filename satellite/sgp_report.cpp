#include "core/timescale.h"
#include "satellite/sgp_report.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/constants.h"
#include "core/frame_of_date.h"
#include "core/json_text.h"
#include "core/number_text.h"
#include "satellite/catalog_number.h"
#include "satellite/column_number.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

namespace {

using jsontext::Json;
using jsontext::JsonNumber;
using jsontext::JsonString;

std::string TrimmedName(const std::string& nameLine) {
    std::size_t end = nameLine.size();
    while (end > 0 && (nameLine[end - 1] == ' ' || nameLine[end - 1] == '\r')) --end;
    return nameLine.substr(0, end);
}

}  // namespace

SgpReport ComputeSgpReport(const SgpReportRequest& request) {
    SgpReport report;
    Satellites().orbitModel = request.model;
    const LoadResult load = LoadElementFile(request.elementFile);
    if (!load.opened) {
        report.errorText = load.errorText;
        return report;
    }
    report.loadNotice = load.noticeText;
    SatelliteTable& table = Satellites();
    int row = 0;
    if (request.index > 0) {
        if (request.index <= load.satelliteCount) row = request.index;
    } else {
        for (int r = 1; r <= load.satelliteCount && row == 0; ++r) {
            const auto number = CatalogNumberOfLine(table.Row(r).line1);
            if (number && *number == request.catalogNumber) row = r;
        }
    }
    if (row == 0) {
        const std::string number =
            jsontext::JsonLine(JsonNumber(request.catalogNumber), jsontext::Layout::Compact);
        report.errorText =
            request.index > 0
                ? "Satellit Nummer " + std::to_string(request.index) + " nicht in der Datei (" +
                      numtext::CountOf(load.satelliteCount, "Satellit", "Satelliten") + ")."
                : "Katalognummer " + number + " nicht in der Datei.";
        return report;
    }
    const ElementSet set = table.Row(row);
    table.selectedSets = {set.nameLine, set.line1, set.line2};
    table.selectedRows = {std::to_string(row)};
    table.selectedCount = 1;
    table.rowSelected[static_cast<std::size_t>(row)] = 1;
    const SatelliteOrbit& orbit = table.OrbitOfRow(row);
    const SatelliteLook look = table.LookOfRow(row);
    const SgpElements& elements = orbit.elements;
    const bool parsed = orbit.readable;
    const ObserverPlace place = PlaceOf(request.longitudeDeg, request.latitudeDeg, request.heightM);

    Json objects = Json::array();
    for (const SgpReportRequest::Instant& instant : request.instants) {
        const JD1900 t =
            instant.minutesSinceEpoch ? elements.epoch + instant.value / 1440.0 : instant.value;
        const OrbitState state = Propagate(orbit, t);
        const bool usable = std::isfinite(t) && std::fabs(t) < 1e7;
        const FrameOfDate frame = FrameOfDateAt(usable ? t : 0.0);
        const ObserverAt observer = ObserverAtInstant(place, t, &frame);
        const SatObservation seen = ViewOf(state, observer, SunViewFor(observer), look);
        double azimuthNorth = seen.azimuthDeg + 180.0;
        if (azimuthNorth >= 360.0) azimuthNorth -= 360.0;

        Json json = {
            {"name", JsonString(TrimmedName(set.nameLine))},
            {"catnr", JsonNumber(CatalogNumberOfLine(set.line1).value_or(0.0))},
            {"model", request.model == OrbitModel::Sgp ? "sgp" : "sgp4"},
            {"epoch_jd1900", parsed ? JsonNumber(elements.epoch) : nullptr},
            {"minutes_since_epoch", parsed ? JsonNumber((t - elements.epoch) * 1440.0) : nullptr}};
        // Nothing of a failed propagation is meaningful: its values are null.
        const bool failed = seen.failed() || !usable;
        auto Value = [failed](double x) { return failed ? Json(nullptr) : JsonNumber(x); };
        auto VectorValue = [failed](const Vector3& v) {
            return failed ? Json(nullptr) : Json{JsonNumber(v.x), JsonNumber(v.y), JsonNumber(v.z)};
        };
        json["position_km"] = VectorValue(state.positionKm);
        json["velocity_km_s"] = VectorValue(state.velocityKmS);
        json["ra2000_hours"] = Value(seen.ra2000Hours);
        json["dec2000_deg"] = Value(seen.dec2000Deg);
        json["ra_date_hours"] = Value(seen.raOfDateHours);
        json["dec_date_deg"] = Value(seen.decOfDateDeg);
        json["range_km"] = Value(seen.rangeKm);
        json["alt_deg"] = Value(seen.altitudeDeg);
        json["az_deg"] = Value(azimuthNorth);
        json["height_km"] = Value(seen.heightKm);
        json["shadow_depth_km"] = Value(seen.shadowDepthKm);
        json["magnitude"] = Value(seen.magnitude);
        json["phase_angle_deg"] = Value(seen.phaseAngleDeg);
        if (look.flareCapable) json["flare_angle_deg"] = Value(seen.flareAngleDeg);
        json["math_error"] = failed;
        json["orbit_error"] = OrbitErrorWord(failed && !seen.failed() ? OrbitError::MathError
                                                                      : seen.error);
        if (failed) ++report.failedInstants;
        objects.push_back(std::move(json));
    }
    // One instant: its object; several: an array with one object per line.
    report.json = objects.size() == 1
                      ? jsontext::JsonLine(objects.front(), jsontext::Layout::Compact)
                      : jsontext::JsonRows(objects, jsontext::Layout::Compact, "");
    report.ok = true;
    return report;
}
