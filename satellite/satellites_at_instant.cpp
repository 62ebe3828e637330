#include "satellite/satellites_at_instant.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/frame_of_date.h"
#include "core/sun_moon.h"
#include "satellite/observation.h"

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

bool Finite(double x) { return std::isfinite(x); }

}  // namespace

std::string RoundedField(double x, std::size_t width) { return Rounded(x, width); }
std::string FixedField(double x, int decimals, std::size_t width) {
    return FixedWidth(x, decimals, width);
}

bool ObserveSelectedSatellites(JD1900 instant, const ObserverPlace& place, const SatelliteUi& ui,
                               const std::function<void(const std::string&)>& displayName) {
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

    // One observer and one Sun for every satellite of the instant.
    const ObserverAt observer = ObserverAtInstant(place, instant);
    const SunView sun = SunViewFor(observer);
    const int count = std::clamp(table.selectedCount, 0, table.RowSlots());
    for (int k = 1; k <= count; ++k) {
        if (k % 100 == 0 && ui.setCaption)
            ui.setCaption("Berechne Erdsatelliten..." + std::to_string(k));
        const std::size_t kk = static_cast<std::size_t>(k);
        table.sky[kk] = SkyPosition{};
        const OrbitState state = Propagate(table.SelectedOrbit(k - 1), instant);
        if (state.failed()) continue;
        const SatObservation seen = ViewOf(state, observer, sun, table.SelectedLook(k - 1));
        // Below the horizon, or not a number: not on the chart.
        if (seen.failed() || !(seen.sinAltitude > 0.0)) continue;
        table.sky[kk] = {seen.altitudeDeg * kDegToRad, seen.azimuthDeg * kDegToRad, true};
        if (!Finite(seen.magnitude)) continue;  // keeps its previous magnitude and shadow mark
        table.chartMagnitude[kk] = seen.magnitude;
        if (std::isnan(seen.shadowDepthKm)) continue;
        table.inShadow[kk] = seen.shadowDepthKm < 0.0 ? 1 : 0;
    }
    finish();
    return true;
}

std::string PositionHeader() {
    return std::string("    Name       |   Höhe    Entf     Sch |") + " Azimut  Höhe |" +
           "Rekt(2000.0)Dekl |  Phase    Mag";
}

PositionLineText PositionLine(int k, JD1900 instant, const ObserverPlace& place) {
    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Selected(k);
    const int row = table.SelectedRow(k);
    const FrameOfDate frame = FrameOfDateAt(instant);
    const SatObservation seen =
        ObserveSatellite(table.SelectedOrbit(k), table.SelectedLook(k), instant, place, &frame);

    PositionLineText out;
    out.bold = !(seen.shadowDepthKm < 0.0);
    std::string name = set.nameLine.substr(0, std::min<std::size_t>(13, set.nameLine.size()));
    name.resize(13, ' ');
    std::string line = name + "|";
    line +=
        Rounded(seen.heightKm, 7) + Rounded(seen.rangeKm, 7) + Rounded(seen.shadowDepthKm, 7) + "|";
    line += FixedWidth(seen.azimuthDeg + 180.0, 2, 6) + FixedWidth(seen.altitudeDeg, 2, 6) + "|";
    const double raHours = std::trunc(seen.ra2000Hours);
    line += PadLeft(IntegerText(seen.ra2000Hours), 3) +
            FixedWidth((seen.ra2000Hours - raHours) * 60.0, 1, 5) +
            FixedWidth(seen.dec2000Deg, 2, 7) + "|";
    line += FixedWidth(seen.phaseAngleDeg, 1, 6);
    const bool known =
        table.HasRowSlot(row) && table.magnitudeKnown[static_cast<std::size_t>(row)] != 0;
    line += PadLeft(Fixed(seen.magnitude, 1) + (known ? " " : ":"), 7);
    out.values = line;
    out.header = PositionHeader();
    out.angularSpeedDegSec =
        AngularSpeed(table.SelectedOrbit(k), place, instant, seen.altitudeDeg, seen.azimuthDeg);
    return out;
}

SatelliteDetailValues SelectedSatelliteDetails(int k, JD1900 instant, const ObserverPlace& place) {
    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Selected(k);
    return SatelliteDetails(table.SelectedOrbit(k), table.SelectedLook(k), set.nameLine, set.line1,
                            set.line2, instant, place, FrameOfDateAt(instant));
}

SatelliteDetailValues RowSatelliteDetails(int r, JD1900 instant, const ObserverPlace& place) {
    const SatelliteTable& table = Satellites();
    const ElementSet set = table.Row(r);
    SatelliteLook look = table.LookOfRow(r);
    look.flareCapable = false;
    return SatelliteDetails(table.OrbitOfRow(r), look, set.nameLine, set.line1, set.line2, instant,
                            place, FrameOfDateAt(instant));
}

SatObservation ObserveSelected(int k, JD1900 T, const ObserverPlace& place) {
    const SatelliteTable& table = Satellites();
    return ObserveSatellite(table.SelectedOrbit(k), table.SelectedLook(k), T, place);
}
