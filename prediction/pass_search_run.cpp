#include "prediction/pass_search_run.h"

#include <algorithm>
#include <charconv>
#include <thread>
#include <tuple>

#include "prediction/satellite_window_search.h"
#include "prediction/search_bounds.h"

namespace {

std::string ShortNumber(double x) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, x);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("?");
}

// No satellite circles the Earth faster than about 16.5 revolutions a day (a circular
// orbit at the surface makes 17.1); 20 leaves room for any real element set and
// refuses values that only describe an orbit inside the Earth.
constexpr double kMaxMeanMotionRevDay = 20.0;

// Why a parsed element set cannot be searched over [start, end], or empty.
std::string ImpossibleElements(const SatelliteOrbit& orbit, JD1900 start, JD1900 end) {
    const SgpElements& el = orbit.elements;
    const double n = el.meanMotionRevDay;
    if (!(n > 0.0) || !(n <= kMaxMeanMotionRevDay))
        return "mittlere Bewegung " + ShortNumber(n) + " U/Tag ist keine Erdumlaufbahn";
    if (!(el.eccentricity >= 0.0 && el.eccentricity < 1.0))
        return "Exzentrizität " + ShortNumber(el.eccentricity) + " ist keine Erdumlaufbahn";
    if (orbit.model == OrbitModel::Sgp4) {
        if (orbit.sgp4.epochError != OrbitError::None) return "Bahn nicht berechenbar";
        // SGP4's drag brings a decaying orbit down: it fails by the window's end.
        const OrbitError atStart = Propagate(orbit, start).error;
        const OrbitError atEnd = Propagate(orbit, end).error;
        if (atStart != OrbitError::None || atEnd != OrbitError::None)
            return "Bahn zerfällt im Suchzeitraum";
        return {};
    }
    if (el.epochFailed || el.epochPowerFailed) return "Bahn nicht berechenbar";
    // The mean motion n0 + 2 d1 tau + 3 d2 tau^2 must stay positive over the window
    // (tau in minutes after the epoch): at both ends and at the turning point between.
    auto meanMotionAt = [&](double tau) {
        return el.n0 + 2.0 * el.d1 * tau + 3.0 * el.d2 * tau * tau;
    };
    const double tau0 = (start - el.epoch) * 1440.0, tau1 = (end - el.epoch) * 1440.0;
    bool decays = !(meanMotionAt(tau0) > 0.0) || !(meanMotionAt(tau1) > 0.0);
    if (el.d2 != 0.0) {
        const double turn = -el.d1 / (3.0 * el.d2);
        if (turn > tau0 && turn < tau1 && !(meanMotionAt(turn) > 0.0)) decays = true;
    }
    if (decays) return "Bahn zerfällt im Suchzeitraum";
    return {};
}

// What the search of one satellite over every night leaves.
struct SatelliteSlot {
    std::vector<PassEntry> passes;  // night by night, each in the order found
    int skippedNight = -1;          // the first night its elements could not be searched
    std::string reason;
    bool outOfReach = false;
    long long planeSteps = 0, planeStepsInShadow = 0, planeStepsOutOfReach = 0;
};

// Satellite k over the nights of the snapshot. Once left out, a satellite stays out.
void SearchSatellite(const PassSearchSnapshot& snapshot, int k, PassSearchControl& control,
                     SatelliteSlot& slot) {
    const PassSatellite& satellite = (*snapshot.satellites)[static_cast<std::size_t>(k)];
    const PassSearchParameters& p = snapshot.parameters;
    // What the orbit can reach over the whole search, decided once.
    bool reachKnown = false;
    OrbitReach reach;
    const int nights = static_cast<int>(snapshot.nights.size());
    for (int d = 0; d < nights && !control.AbortRequested(); ++d) {
        const SearchNight& night = snapshot.nights[static_cast<std::size_t>(d)];
        control.AddDone(1);
        if (!night.dark || slot.skippedNight >= 0) continue;
        // An unreadable or impossible set is named and left out; the others are searched.
        const std::string why = satellite.orbit.readable
                                    ? ImpossibleElements(satellite.orbit, night.start, night.end)
                                    : "Elemente nicht lesbar";
        if (!why.empty()) {
            slot.skippedNight = d;
            slot.reason = why;
            continue;
        }
        if (!reachKnown) {
            reachKnown = true;
            reach = ReachOfOrbit(satellite.orbit, snapshot.observer.latitudeDeg, p.minAltitudeDeg,
                                 snapshot.searchFrom, snapshot.searchTo);
            slot.outOfReach = !reach.reachesAltitude;
        }
        if (p.workBounds && !reach.reachesAltitude) continue;
        // The shadow bound for near-Earth orbits only: a deep-space orbit carries its
        // integration from instant to instant.
        const double shadowedBelow =
            night.sun && !reach.deepSpace
                ? ShadowedBelowSunAltitudeDeg(reach.greatestRadiusKm, p.minAltitudeDeg)
                : -180.0;
        const bool bounded = shadowedBelow > -90.0 && night.sun->GetsBelow(shadowedBelow);
        SatelliteWindow window;
        window.satelliteNumber = k;
        window.satellite = &satellite;
        window.place = &snapshot.place;
        window.parameters = &p;
        window.start = night.start;
        window.end = night.end;
        window.sun = bounded ? night.sun.get() : nullptr;
        window.shadowedBelowDeg = shadowedBelow;
        window.greatestRadiusKm = p.workBounds ? reach.greatestRadiusKm : 0.0;
        window.abort = &control.AbortFlag();
        const SatelliteWindowWork work = SearchSatelliteWindow(window, slot.passes);
        slot.planeSteps += work.planeSteps;
        slot.planeStepsInShadow += work.planeStepsInShadow;
        slot.planeStepsOutOfReach += work.planeStepsOutOfReach;
    }
    slot.passes.shrink_to_fit();
}

// Every satellite's slot, the satellites shared out one at a time among the workers.
std::vector<SatelliteSlot> SearchAll(const PassSearchSnapshot& snapshot,
                                     PassSearchControl& control) {
    const std::size_t count = snapshot.satellites->size();
    std::vector<SatelliteSlot> slots(count);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k = next.fetch_add(1); k < count && !control.AbortRequested();
             k = next.fetch_add(1))
            SearchSatellite(snapshot, static_cast<int>(k), control, slots[k]);
    };
    {
        std::vector<std::jthread> helpers;
        for (int w = 1; w < control.WorkersFor(count); ++w) helpers.emplace_back(work);
        work();
    }
    return slots;
}

std::string TrimmedName(std::string name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
    return name;
}

// The satellites left out, in the order of the nights and within one by selection.
std::vector<SkippedSatellite> SkippedOf(const PassSearchSnapshot& snapshot,
                                        const std::vector<SatelliteSlot>& slots) {
    std::vector<std::pair<int, std::size_t>> order;
    for (std::size_t k = 0; k < slots.size(); ++k)
        if (slots[k].skippedNight >= 0) order.emplace_back(slots[k].skippedNight, k);
    std::sort(order.begin(), order.end());
    std::vector<SkippedSatellite> skipped;
    for (const auto& [night, k] : order) {
        const PassSatellite& satellite = (*snapshot.satellites)[k];
        skipped.push_back({satellite.fileLine, TrimmedName(satellite.nameLine), slots[k].reason});
    }
    return skipped;
}

// The values of an entry in the order they break a tie of time and search line.
auto TieValues(const PassEntry& e) {
    return std::tie(e.satelliteNumber, e.altitudeDeg, e.azimuthDeg, e.rangeKm, e.directionDeg,
                    e.magnitude, e.sunAltitudeDeg, e.shadowBoundary, e.magnitudeKnown);
}

// Time order, equal times by the rest of the search line, equal lines by the values
// behind them; sorted in place. The times are compared as numbers: their text sorts
// wrongly across a sign or a change of width.
void SortByTime(std::vector<PassEntry>& passes, const PassSatellites& satellites) {
    std::sort(passes.begin(), passes.end(), [&](const PassEntry& a, const PassEntry& b) {
        if (a.time != b.time) return a.time < b.time;
        const std::string lineA = SearchLine(RecordWithoutEvents(a, &satellites));
        const std::string lineB = SearchLine(RecordWithoutEvents(b, &satellites));
        if (lineA != lineB) return lineA < lineB;
        return TieValues(a) < TieValues(b);
    });
}

}  // namespace

int PassSearchControl::WorkersFor(std::size_t satellites) const {
    const int wanted =
        threads_ > 0 ? threads_ : static_cast<int>(std::thread::hardware_concurrency());
    return static_cast<int>(std::clamp<std::size_t>(static_cast<std::size_t>(std::max(wanted, 1)),
                                                    1, std::max<std::size_t>(satellites, 1)));
}

int PassSearchControl::Percent() const {
    const long long total = UnitsTotal();
    return total > 0 ? static_cast<int>(100.0 * static_cast<double>(UnitsDone()) /
                                        static_cast<double>(total))
                     : 0;
}

void PassSearchControl::Start(long long totalUnits) {
    done_.store(0, std::memory_order_relaxed);
    total_.store(totalUnits, std::memory_order_relaxed);
}

PassSearchFinding RunPassSearch(const PassSearchSnapshot& snapshot, PassSearchControl& control) {
    PassSearchFinding finding;
    PassSearchResult& result = finding.result;
    result.nightsSearched = snapshot.nightsSearched;
    result.nightsWithoutDarkness = snapshot.nightsWithoutDarkness;
    const PassSatellites& satellites = *snapshot.satellites;
    control.Start(static_cast<long long>(satellites.size()) *
                  static_cast<long long>(snapshot.nights.size()));

    std::vector<SatelliteSlot> slots = SearchAll(snapshot, control);
    if (control.AbortRequested()) result.outcome = PassSearchOutcome::Aborted;
    result.skipped = SkippedOf(snapshot, slots);

    PassListState& list = finding.list;
    std::size_t count = 0;
    for (const SatelliteSlot& slot : slots) count += slot.passes.size();
    list.passes.reserve(count);
    for (SatelliteSlot& slot : slots) {
        if (slot.outOfReach) ++result.satellitesOutOfReach;
        result.planeSteps += slot.planeSteps;
        result.planeStepsInShadow += slot.planeStepsInShadow;
        result.planeStepsOutOfReach += slot.planeStepsOutOfReach;
        list.passes.insert(list.passes.end(), slot.passes.begin(), slot.passes.end());
        std::vector<PassEntry>().swap(slot.passes);
    }
    SortByTime(list.passes, satellites);
    list.span = snapshot.span;
    list.satellites = snapshot.satellites;
    list.observer = snapshot.observer;
    list.parameters = snapshot.parameters;

    // Not one selected satellite could be searched: that is a failure, not an empty list.
    if (list.passes.empty() && result.outcome == PassSearchOutcome::Finished &&
        !result.skipped.empty() && result.skipped.size() == satellites.size())
        result.outcome = PassSearchOutcome::Failed;
    return finding;
}
