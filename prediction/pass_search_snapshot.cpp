#include "prediction/pass_search_snapshot.h"

#include <algorithm>
#include <cmath>

#include "core/displayed_instant.h"
#include "prediction/search_limits.h"
#include "satellite/satellite_table.h"

std::shared_ptr<const PassSatellites> SnapshotOfSelection() {
    const SatelliteTable& table = Satellites();
    auto satellites = std::make_shared<PassSatellites>();
    satellites->reserve(static_cast<std::size_t>(std::max(table.selectedCount, 0)));
    for (int k = 0; k < table.selectedCount; ++k) {
        PassSatellite s;
        s.orbit = table.SelectedOrbit(k);
        s.look = table.SelectedLook(k);
        s.nameLine = table.Selected(k).nameLine;
        const int row = table.SelectedRow(k);
        const auto r = static_cast<std::size_t>(row);
        s.magnitudeKnown = row > 0 && r < table.magnitudeKnown.size() && table.magnitudeKnown[r];
        s.fileLine = row > 0 && r < table.fileLine.size() ? table.fileLine[r] : 0;
        satellites->push_back(std::move(s));
    }
    return satellites;
}

PassSearchSnapshot TakePassSearchSnapshot(const PassSearchParameters& parameters) {
    PassSearchSnapshot snap;
    snap.parameters = parameters;
    PassSearchParameters& p = snap.parameters;
    // The search never runs beyond the dialog's own limits, whoever set the parameters.
    p.nights = p.durationMode ? 1 : std::clamp(p.nights, 0, kMaxSearchNights);
    snap.observer = Place();
    snap.place = PlaceOf(snap.observer);
    const JD1900 now = Shown().currentJD;
    const PassWindowState window = PassWindow();
    snap.searchFrom = p.durationMode ? window.windowStart : now - 1.0;
    snap.searchTo =
        p.durationMode ? window.windowStart + kMaxSearchMinutes / 1440.0 : now + p.nights + 1.0;

    // A night without darkness keeps the window before it, as the dialog's window does.
    JD1900 start = window.windowStart, end = window.windowEnd;
    for (int d = 0; d < p.nights; ++d) {
        bool dark = true;
        if (p.durationMode) {
            end = std::min(end, start + kMaxSearchMinutes / 1440.0);
            snap.span = {PassSearchSpan::Kind::Window, start, end};
        } else {
            const NightWindowResult night = NightOfInstant(
                now + d, p.maxSunAltitudeDeg, p.firstHalf, p.secondHalf, snap.observer);
            dark = night.kind != NightKind::NoDarkness;
            if (dark) {
                start = night.start;
                end = night.end;
                snap.lastWindowKnown = true;
                snap.lastWindow = night;
            } else {
                snap.nightsWithoutDarkness.push_back({night.eveningNoon, p.maxSunAltitudeDeg});
            }
            if (d == 0) snap.span = {PassSearchSpan::Kind::Nights, night.eveningNoon, 0.0};
            snap.span.last = night.eveningNoon;
        }
        if (dark) ++snap.nightsSearched;
        if (!std::isfinite(start) || !std::isfinite(end)) dark = false;
        SearchNight n;
        n.dark = dark;
        n.start = start;
        n.end = end;
        if (dark && p.workBounds && p.shadow && !p.brightest)
            n.sun = std::make_shared<const SunAltitudeProfile>(snap.place, start, end);
        snap.nights.push_back(std::move(n));
    }
    snap.satellites = SnapshotOfSelection();
    return snap;
}
