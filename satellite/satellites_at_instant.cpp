#include "satellite/satellites_at_instant.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/observer_state.h"
#include "core/sun_moon.h"
#include "satellite/element_cache.h"
#include "satellite/flare.h"
#include "satellite/observation.h"
#include "satellite/satellite_state.h"

namespace {

std::string PadLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// x in fixed-point notation with the given decimals, "." whatever the locale.
std::string Fixed(double x, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "*";
    return std::string(buffer, result.ptr);
}

// Integer part (toward zero) in decimal, for any double.
std::string IntegerText(double x) { return Fixed(std::trunc(x) + 0.0, 0); }

// R(x, w): integer part of x + 0.5, padded to w.
std::string Rounded(double x, std::size_t width) { return PadLeft(IntegerText(x + 0.5), width); }
// F(x, d, w).
std::string FixedWidth(double x, int decimals, std::size_t width) {
    return PadLeft(Fixed(x, decimals), width);
}

std::string WithoutTrailingBlanks(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

bool Finite(double x) { return std::isfinite(x); }

}  // namespace

std::string RoundedField(double x, std::size_t width) { return Rounded(x, width); }
std::string FixedField(double x, int decimals, std::size_t width) {
    return FixedWidth(x, decimals, width);
}

bool ObserveSelectedSatellites(const SatelliteUi& ui,
                               const std::function<void(const std::string&)>& displayName) {
    const ObserverState& o = Observer();
    const double siderealHours = LocalSiderealTime(o.longitudeDeg, o.currentJD);
    PrepareObserver(siderealHours);
    const std::string savedCaption = ui.caption ? ui.caption() : std::string();
    auto finish = [&] {
        if (ui.setCaption && ui.caption) ui.setCaption(savedCaption);
    };

    SatelliteTable& table = Satellites();
    if (table.loadRequested) {
        const LoadResult load = LoadElementFile(ui, displayName);
        if (!load.opened) {
            finish();
            if (ui.showMessage) ui.showMessage("Fehler", load.errorText);
            return false;
        }
    }

    const SunState& sun = Sun();
    const int count = std::clamp(table.selectedCount, 0, kSatelliteCapacity);
    for (int k = 1; k <= count; ++k) {
        if (k % 100 == 0 && ui.setCaption)
            ui.setCaption("Berechne Erdsatelliten..." + std::to_string(k));
        const std::size_t kk = static_cast<std::size_t>(k);
        const ElementSet set = table.Selected(k - 1);
        const int row = table.SelectedRow(k - 1);
        const std::size_t rr = static_cast<std::size_t>(row);
        SatState().satelliteName = WithoutTrailingBlanks(set.nameLine);
        const bool flare = table.flareCapable[rr] != 0;
        MathErrorFlag = false;
        table.sky[kk] = SkyPosition{};
        if (PropagateRow(row, set.line1, set.line2, o.currentJD, flare) != OrbitError::None) {
            MathErrorFlag = false;
            continue;
        }
        const SatHorizontal hz = HorizontalPosition(siderealHours);
        // Below the horizon, or not a number: not on the chart.
        if (!(hz.sinAltitude > 0.0) || !Finite(hz.altitude) || !Finite(hz.azimuth)) continue;
        table.sky[kk] = {hz.altitude, hz.azimuth, true};

        const double altitudeDeg = hz.altitude * kRadToDeg;
        const double azimuthDeg = hz.azimuth * kRadToDeg;
        const double phaseDeg = PhaseAngle(altitudeDeg, azimuthDeg, sun.altitudeDeg, sun.azimuth);
        SatelliteMagnitude(phaseDeg * kDegToRad, SatState().rangeKm, table.standardMagnitude[rr]);
        if (flare) EvaluateFlare(sun.rightAscension, sun.declination);
        const double magnitude = Observation().magnitude;
        if (!Finite(magnitude)) continue;  // keeps its previous magnitude and shadow mark
        table.chartMagnitude[kk] = magnitude;
        const double depth = ShadowDepth(sun.rightAscension, sun.declination);
        if (std::isnan(depth)) continue;
        table.inShadow[kk] = depth < 0.0 ? 1 : 0;
    }
    MathErrorFlag = false;
    finish();
    return true;
}

std::string PositionHeader() {
    return std::string("    Name       |   Höhe    Entf     Sch |") + " Azimut  Höhe |" +
           "Rekt(2000.0)Dekl |  Phase    Mag";
}

PositionLineText PositionLine(int k) {
    const ObserverState& o = Observer();
    const double siderealHours = LocalSiderealTime(o.longitudeDeg, o.currentJD);
    PrepareObserver(siderealHours);

    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Selected(k);
    const int row = table.SelectedRow(k);
    const std::size_t rr = static_cast<std::size_t>(row);
    SatState().satelliteName = WithoutTrailingBlanks(set.nameLine);
    const bool flare = table.flareCapable[rr] != 0;
    PropagateRow(row, set.line1, set.line2, o.currentJD, flare);

    const SatHorizontal hz = HorizontalPosition(siderealHours);
    const double altitudeDeg = hz.altitude * kRadToDeg;
    const double azimuthDeg = hz.azimuth * kRadToDeg;
    const SunState& sun = Sun();
    const double phaseDeg = PhaseAngle(altitudeDeg, azimuthDeg, sun.altitudeDeg, sun.azimuth);
    SatelliteMagnitude(phaseDeg * kDegToRad, SatState().rangeKm, table.standardMagnitude[rr]);
    ShadowDepth(sun.rightAscension, sun.declination);
    EllipsoidHeight();
    ObservationValues& ov = Observation();
    ov.observedRangeKm = SatState().rangeKm;

    PositionLineText out;
    out.bold = !(ov.shadowDepthKm < 0.0);
    std::string name = set.nameLine.substr(0, std::min<std::size_t>(13, set.nameLine.size()));
    name.resize(13, ' ');
    const SatelliteState& st = SatState();
    std::string line = name + "|";
    line += Rounded(ov.heightKm, 7) + Rounded(st.rangeKm, 7) + Rounded(ov.shadowDepthKm, 7) + "|";
    line += FixedWidth(azimuthDeg + 180.0, 2, 6) + FixedWidth(altitudeDeg, 2, 6) + "|";
    const double raHours = std::trunc(st.rightAscension2000);
    line += PadLeft(IntegerText(st.rightAscension2000), 3) +
            FixedWidth((st.rightAscension2000 - raHours) * 60.0, 1, 5) +
            FixedWidth(st.declination2000 * kRadToDeg, 2, 7) + "|";
    line += FixedWidth(ov.phaseAngleDeg, 1, 6);
    if (flare) EvaluateFlare(sun.rightAscension, sun.declination);
    line += PadLeft(Fixed(ov.magnitude, 1) + (table.magnitudeKnown[rr] == 0 ? ":" : " "), 7);
    out.values = line;
    out.header = PositionHeader();

    AngularSpeed(set.line1, set.line2, altitudeDeg, azimuthDeg, siderealHours);
    return out;
}
