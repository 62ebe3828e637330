#include "prediction/pass_search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

#include "core/non_copyable.h"
#include "core/observer_state.h"
#include "prediction/night_window.h"
#include "prediction/pass_orbit.h"
#include "prediction/search_bounds.h"
#include "prediction/search_limits.h"
#include "prediction/shadow_boundary.h"
#include "prediction/visible_part.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"

namespace {

bool g_searchActive = false;
bool g_abortRequested = false;

PassListState& ListStorage() {
    static PassListState list;
    return list;
}

constexpr double kSecond = 1.0 / 86400.0;
// Longest brightness sweep in one direction (one day of 10-second steps): a pass that
// never ends (the Sun never rising) must not hold the search forever.
constexpr int kMaxSweepSteps = 8640;

// Marks the search as running for its lifetime.
class ActiveGuard : NonCopyable {
  public:
    ActiveGuard() { g_searchActive = true; }
    ~ActiveGuard() { g_searchActive = false; }
};

int Percent(long long part, long long whole) {
    return whole > 0
               ? static_cast<int>(100.0 * static_cast<double>(part) / static_cast<double>(whole))
               : 0;
}

void Report(PassSearchListener& listener, PassSearchProgress::Stage stage, int percent = 0,
            int passCount = 0) {
    listener.progress({stage, percent, passCount});
}

bool Finite(const SatObservation& s) {
    return std::isfinite(s.altitudeDeg) && std::isfinite(s.azimuthDeg) &&
           std::isfinite(s.rangeKm) && std::isfinite(s.magnitude) &&
           std::isfinite(s.shadowDepthKm) && std::isfinite(s.sunAltitudeDeg);
}

// Work between two looks at the user's input (repaints, the right-button abort)
// inside one satellite's search, counted in propagations.
constexpr int kPropagationsPerPulse = 300;

// What a satellite's search reports back to the driver as it goes.
class SearchPulse {
  public:
    explicit SearchPulse(PassSearchListener& listener) : listener_(listener) {}
    // One more propagation; now and then let pending input through. True when the
    // user asked to stop.
    bool Tick() {
        if (++count_ % kPropagationsPerPulse == 0) {
            listener_.processPendingEvents();
        }
        return g_abortRequested;
    }

  private:
    PassSearchListener& listener_;
    long long count_ = 0;
};

// One satellite of one window.
class SatelliteSearch {
  public:
    SatelliteSearch(int k, const SatelliteOrbit& orbit, const SatelliteLook& look,
                    const ObserverPlace& place, const PassSearchParameters& p, JD1900 start,
                    JD1900 end, double maxSunAltitudeDeg, double limitingMagnitude,
                    SearchPulse& pulse, const SunAltitudeProfile* sun = nullptr,
                    double shadowedBelowDeg = -180.0)
        : k_(k),
          orbit_(orbit),
          el_(orbit.elements),
          look_(look),
          place_(place),
          p_(p),
          start_(start),
          end_(end),
          maxSun_(maxSunAltitudeDeg),
          limMag_(limitingMagnitude),
          pulse_(pulse),
          sun_(sun),
          shadowedBelow_(shadowedBelowDeg) {}

    void Run() {
        const double e = el_.eccentricity;
        const double n = el_.meanMotionRevDay;
        if (PlaneCrossingApplies(e, n))
            PlaneCrossing();
        else
            CulminationScan();
    }

  private:
    bool Stopped() const { return g_abortRequested; }

    SatObservation Observe(JD1900 t) {
        pulse_.Tick();
        last_ = ObserveSatellite(orbit_, look_, t, place_, nullptr, &carry_);
        return last_;
    }

    // Where the satellite stands relative to the observer's closest approach to its
    // orbital plane at t.
    struct PlaneLook {
        bool ok = false;
        double phase = 0.0;     // argument of latitude of the foot point minus the
                                // satellite's, radians in (-pi, pi]
        double distance = 0.0;  // observer's signed distance from the plane, Earth radii
        double observer = 0.0;  // observer's distance from the Earth's centre
        double radius = 0.0;    // satellite's distance from the Earth's centre
    };
    PlaneLook LookAt(JD1900 t) {
        pulse_.Tick();
        PlaneLook look;
        const OrbitState s = Propagate(orbit_, t, &carry_);
        if (s.failed()) return look;
        const Vector3 rho = ObserverVectorER(place_, t);
        const double incl = s.osculatingInclinationRad;
        const double sn = std::sin(s.osculatingNodeRad), cn = std::cos(s.osculatingNodeRad);
        const double si = std::sin(incl), ci = std::cos(incl);
        // Orbit pole, node direction and the in-plane direction 90 degrees past the node
        // (the argument of latitude counts from the node towards it).
        const Vector3 pole{si * sn, -si * cn, ci};
        const Vector3 nodeDir{cn, sn, 0.0};
        const Vector3 ahead{-sn * ci, cn * ci, si};
        const double D = pole.x * rho.x + pole.y * rho.y + pole.z * rho.z;
        const Vector3 q{rho.x - D * pole.x, rho.y - D * pole.y, rho.z - D * pole.z};
        // The foot point's argument of latitude from both in-plane components: the sign
        // of the observer's z alone is wrong near the equator, where the foot point can
        // lie on the other side of the equator than the observer.
        const double uFoot = std::atan2(q.x * ahead.x + q.y * ahead.y + q.z * ahead.z,
                                        q.x * nodeDir.x + q.y * nodeDir.y);
        look.phase = std::remainder(uFoot - s.argumentOfLatitudeRad, kTwoPi);
        look.distance = D;
        look.observer = std::sqrt(rho.x * rho.x + rho.y * rho.y + rho.z * rho.z);
        look.radius = s.radiusER;
        look.ok = std::isfinite(look.phase) && std::isfinite(D) && std::isfinite(look.radius);
        return look;
    }

    // Plane-crossing method: the moments when the satellite passes the foot point of
    // the observer on its orbital plane (the phase between them goes through zero),
    // observed only when the observer is close enough to the plane for the satellite
    // to reach the minimum altitude. The phase is sampled six times per revolution,
    // so no crossing is missed and none is found twice; each crossing is refined by
    // regula falsi.
    void PlaneCrossing() {
        const double n = el_.meanMotionRevDay;
        const double P = 1.0 / n;  // days per revolution
        const double step = P / 6.0;
        const double hMin = p_.minAltitudeDeg * kDegToRad;
        bool startTaken = false, endTaken = false;

        JD1900 tPrev = start_ - P / 2.0;
        PlaneLook prev = LookAt(tPrev);
        const long long steps = static_cast<long long>(std::ceil((end_ - tPrev + P / 2.0) / step));
        // A crossing can give a pass up to half a revolution away (the shadow boundary
        // of the pass): a step is left out when the satellite is in the Earth's shadow
        // wherever it could be seen, from that far before to that far after it.
        const double reach = 0.6 * P;
        const bool shadowBound = sun_ != nullptr && shadowedBelow_ > -90.0;
        bool prevLeftOut = false;
        for (long long i = 1; i <= steps && !Stopped(); ++i) {
            const JD1900 t = tPrev + step;
            ++planeSteps;
            if (shadowBound && sun_->StaysBelow(tPrev - reach, t + reach, shadowedBelow_)) {
                ++planeStepsInShadow;
                prevLeftOut = true;
                tPrev = t;
                continue;
            }
            if (std::exchange(prevLeftOut, false)) prev = LookAt(tPrev);
            const PlaneLook cur = LookAt(t);
            const bool crossed = prev.ok && cur.ok && (prev.phase > 0.0) != (cur.phase > 0.0) &&
                                 std::fabs(prev.phase - cur.phase) < kPi;
            if (crossed) {
                // Regula falsi on the phase.
                JD1900 a = tPrev, b = t;
                double fa = prev.phase, fb = cur.phase;
                JD1900 o = a;
                PlaneLook at = prev;
                for (int j = 0; j < 8 && !Stopped(); ++j) {
                    o = a + (b - a) * fa / (fa - fb);
                    at = LookAt(o);
                    if (!at.ok) break;
                    if (std::fabs(at.phase) * P / kTwoPi < 0.2 / 86400.0) break;
                    if ((at.phase > 0.0) == (fa > 0.0)) {
                        a = o;
                        fa = at.phase;
                    } else {
                        b = o;
                        fb = at.phase;
                    }
                }
                if (at.ok && Reachable(at, hMin)) {
                    if (o > end_ && o - end_ < P / 2.0) o = end_;
                    if (o < start_ && start_ - o < P / 2.0) o = start_;
                    // A pass cut by a window end is taken there once.
                    bool take = o >= start_ && o <= end_;
                    if (take && o == start_) take = !std::exchange(startTaken, true);
                    if (take && o == end_) take = !std::exchange(endTaken, true);
                    if (take) Evaluate(o, false);
                }
            }
            tPrev = t;
            prev = cur;
        }
    }

    // Whether a satellite at the foot point can stand at least hMin high: the observer
    // is no farther from the plane than the largest such distance.
    static bool Reachable(const PlaneLook& look, double hMin) {
        const double c = std::cos(hMin) * look.observer / look.radius;
        double dMax = look.observer;
        if (std::fabs(c) < 1.0) {
            const double gamma = std::asin(c);
            // Central angle between the observer and the satellite's sub-point; beyond
            // a quarter turn (a limit below the horizon) any distance will do.
            const double lambda = kPi / 2.0 - gamma - hMin;
            if (lambda < kPi / 2.0) dMax = look.observer * std::sin(lambda);
        }
        return std::fabs(look.distance) <= dMax;
    }

    // Culmination scan in minutes after the window start, refined in three levels.
    // Every loop advances in time; the finer levels stop after a bounded number of
    // steps (a peak lies within 2.1 coarser steps), so a satellite costs at most about
    // one propagation per three minutes of window plus a fixed amount per culmination.
    void CulminationScan() {
        const double span = (end_ - start_) * 1440.0;
        const double n = el_.meanMotionRevDay;
        double w = -3.0;
        double a = -90.0;
        auto altitude = [&](double minutes) {
            pulse_.Tick();
            return QuickAltitude(orbit_, start_ + minutes / 1440.0, place_, &carry_);
        };
        do {
            bool left = false;
            for (const double I : {3.0, 0.3, 0.03}) {
                a = -90.0;
                double previous = -90.0;
                const int maxSteps = I == 3.0 ? std::numeric_limits<int>::max() : 40;
                int stepCount = 0;
                do {
                    previous = a;
                    w += I;
                    if (w > span + I || Stopped()) {
                        left = true;
                        break;
                    }
                    a = altitude(w);
                } while (!(a < previous && previous > -10.0) && ++stepCount < maxSteps);
                if (left) break;
                w -= 2.1 * I;
            }
            if (Stopped()) return;
            if (a >= p_.minAltitudeDeg) {
                w += 1.1 * 0.03;
                const JD1900 o = std::clamp(start_ + w / 1440.0, start_, end_);
                a = Evaluate(o, true);
            }
            if (n < 1.5) return;
            // On to the next rising.
            double previous = a;
            do {
                previous = a;
                w += 10.0;
                if (w > span || Stopped()) break;
                a = altitude(w);
            } while (!(a > previous));
        } while (w <= span && !Stopped());
    }

    // Steps o while the magnitude improves, backward then forward, then one step back.
    void FineSearch(JD1900& o, double step) {
        for (const double dir : {-1.0, 1.0}) {
            for (int i = 0; i < kMaxSweepSteps && !Stopped(); ++i) {
                const double previous = last_.magnitude;
                o += dir * step;
                Observe(o);
                if (last_.failed() || !(last_.magnitude < previous) ||
                    last_.altitudeDeg <= p_.minAltitudeDeg || last_.sunAltitudeDeg > maxSun_)
                    break;
            }
        }
        o -= step;
        Observe(o);
    }

    // Brightest moment of the plane-crossing variant: coarse sweeps of 10 s both ways
    // while the satellite is high enough in a dark enough sky, then the fine search.
    void BrightestCoarse(JD1900& o) {
        double best = last_.magnitude;
        JD1900 tBest = o;
        const JD1900 o0 = o;
        for (const double dir : {-1.0, 1.0}) {
            o = o0;
            if (dir > 0.0) Observe(o);
            for (int i = 0; i < kMaxSweepSteps && !last_.failed() && !Stopped() &&
                            last_.altitudeDeg > p_.minAltitudeDeg && last_.sunAltitudeDeg < maxSun_;
                 ++i) {
                o += dir * 10.0 * kSecond;
                Observe(o);
                if (!last_.failed() && last_.magnitude < best) {
                    best = last_.magnitude;
                    tBest = o;
                }
            }
        }
        o = tBest;
        Observe(o);
        FineSearch(o, kSecond);
    }

    // Candidate evaluation; returns the satellite altitude found at o.
    double Evaluate(JD1900 o, bool scanVariant) {
        Observe(o);
        // A failed orbit gives no candidate: nothing may be made of its leftover values.
        if (last_.failed()) return std::numeric_limits<double>::quiet_NaN();
        const double altitudeAtO = last_.altitudeDeg;
        if (!Finite(last_) || last_.altitudeDeg < p_.minAltitudeDeg) return altitudeAtO;
        if (p_.brightest) {
            if (scanVariant) {
                FineSearch(o, 10.0 * kSecond);
                FineSearch(o, kSecond);
            } else {
                BrightestCoarse(o);
            }
        }
        bool shadowFlag = false;
        if (p_.shadow && last_.shadowDepthKm < 0.0 && last_.sunAltitudeDeg < 0.0) {
            const ShadowBoundaryResult b =
                ShadowBoundary(orbit_, look_, place_, start_, end_, o, last_.sunEquatorial,
                               p_.minAltitudeDeg, maxSun_);
            if (!b.found) return altitudeAtO;
            o = b.time;
            Observe(o);
            shadowFlag = true;
        }
        if (last_.failed() || !Finite(last_) || last_.magnitude > limMag_) return altitudeAtO;
        AddPassLine(o, shadowFlag);
        return altitudeAtO;
    }

    // What bounds the visible part of a pass: the minimum altitude, the shadow when
    // the search looks for it, and the Sun's limit in a night search (a search of a
    // number of minutes lists passes in daylight too: there the limit counts only for
    // a pass listed in a dark enough sky).
    VisibilityLimits Limits(const SatObservation& seen) const {
        VisibilityLimits limits;
        limits.minAltitudeDeg = p_.minAltitudeDeg;
        limits.shadow = p_.shadow;
        limits.sunLimit = !p_.durationMode || seen.sunAltitudeDeg < maxSun_;
        limits.maxSunAltitudeDeg = maxSun_;
        limits.brightest = p_.brightest;
        return limits;
    }

    void AddPassLine(JD1900 o, bool shadowFlag) {
        const SatObservation seen = last_;
        const SatelliteTable& table = Satellites();
        PassRecord pass;
        pass.time = o;
        pass.altitudeDeg = seen.altitudeDeg;
        pass.shadowBoundary = shadowFlag;
        pass.azimuthDeg = seen.azimuthDeg;
        pass.rangeKm = seen.rangeKm;
        pass.magnitude = seen.magnitude;
        pass.sunAltitudeDeg = seen.sunAltitudeDeg;
        const int row = table.SelectedRow(k_);
        pass.magnitudeKnown = row > 0 && row < static_cast<int>(table.magnitudeKnown.size()) &&
                              table.magnitudeKnown[row] != 0;
        pass.satelliteNumber = k_;
        pass.name = table.Selected(k_).nameLine;
        pass.catalogNumber = el_.catalogNumber;
        pass.directionDeg =
            MotionDirection(orbit_, look_, place_, seen.altitudeDeg, seen.azimuthDeg, o);
        last_ = seen;
        // An orbit that fails ten seconds later has no pass here either.
        if (!std::isfinite(pass.directionDeg)) return;
        pass.events = FindPassEvents(orbit_, look_, place_, Limits(seen), o, &carry_);
        added.push_back(std::move(pass));
    }

  public:
    std::vector<PassRecord> added;

  private:
    int k_;
    const SatelliteOrbit& orbit_;
    const SgpElements& el_;
    SatelliteLook look_;
    ObserverPlace place_;
    ResonanceCarry carry_;  // the deep-space integration, carried from instant to instant
    const PassSearchParameters& p_;
    JD1900 start_, end_;
    double maxSun_, limMag_;
    SearchPulse& pulse_;
    const SunAltitudeProfile* sun_;
    double shadowedBelow_;
    SatObservation last_;

  public:
    long long planeSteps = 0, planeStepsInShadow = 0;
};

}  // namespace

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

}  // namespace

PassListState& PassList() { return ListStorage(); }
void ResetPassList() { ListStorage() = PassListState{}; }
std::vector<JD1900> PassInstants(const PassListState& list) {
    std::vector<JD1900> instants;
    for (const PassRecord& pass : list.passes) instants.push_back(pass.time);
    return instants;
}
bool PlaneCrossingApplies(double eccentricity, double meanMotionRevDay) {
    return eccentricity < 0.1 && meanMotionRevDay >= 1.5;
}
bool PassSearchActive() { return g_searchActive; }
void RequestPassSearchAbort() { g_abortRequested = true; }

namespace {

// The heading, then "Zeile 12: NAME: reason" for each satellite.
std::string SkippedLines(std::string text, const std::vector<SkippedSatellite>& skipped) {
    for (const SkippedSatellite& s : skipped) {
        text += "\n";
        if (s.fileLine > 0) text += "Zeile " + std::to_string(s.fileLine) + ": ";
        text += s.name + ": " + s.reason;
    }
    return text;
}

}  // namespace

std::string SkippedSatellitesText(const std::vector<SkippedSatellite>& skipped) {
    if (skipped.empty()) return {};
    return SkippedLines(std::to_string(skipped.size()) +
                            (skipped.size() == 1 ? " Satellit wurde" : " Satelliten wurden") +
                            " nicht berechnet:",
                        skipped);
}

std::string NoSatelliteSearchedText(const std::vector<SkippedSatellite>& skipped) {
    return SkippedLines(skipped.size() == 1
                            ? std::string("Der ausgewählte Satellit ließ sich nicht berechnen:")
                            : "Keiner der " + std::to_string(skipped.size()) +
                                  " ausgewählten Satelliten ließ sich berechnen:",
                        skipped);
}

PassSearchResult PassSearch(const PassSearchParameters& parameters, PassSearchListener& listener) {
    PassSearchResult result;
    if (g_searchActive) {
        result.outcome = PassSearchOutcome::Refused;
        return result;
    }
    ActiveGuard active;
    ObserverState& observer = Observer();
    PassListState& list = PassList();

    g_abortRequested = false;
    listener.searchStarted();
    Report(listener, PassSearchProgress::Stage::Started);
    listener.setStatusHeading(std::string(kSearchHeading));
    list = PassListState{};
    listener.clearList();

    // The search never runs beyond the dialog's own limits, whoever set the parameters.
    const int nights =
        parameters.durationMode ? 1 : std::clamp(parameters.nights, 0, kMaxSearchNights);
    std::vector<char> skippedAlready;
    auto skip = [&](int k, const std::string& reason) {
        if (static_cast<std::size_t>(k) >= skippedAlready.size())
            skippedAlready.resize(static_cast<std::size_t>(k) + 1, 0);
        if (skippedAlready[static_cast<std::size_t>(k)]) return;
        skippedAlready[static_cast<std::size_t>(k)] = 1;
        const SatelliteTable& table = Satellites();
        const int row = table.SelectedRow(k);
        SkippedSatellite s;
        s.fileLine = row > 0 && static_cast<std::size_t>(row) < table.fileLine.size()
                         ? table.fileLine[static_cast<std::size_t>(row)]
                         : 0;
        std::string name = table.Selected(k).nameLine;
        while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
        s.name = name;
        s.reason = reason;
        result.skipped.push_back(std::move(s));
    };
    // What each satellite's orbit can reach over the whole search, decided once.
    std::vector<OrbitReach> reaches;
    std::vector<char> reachKnown;
    const JD1900 searchFrom =
        parameters.durationMode ? PassWindow().windowStart : observer.currentJD - 1.0;
    const JD1900 searchTo = parameters.durationMode
                                ? PassWindow().windowStart + kMaxSearchMinutes / 1440.0
                                : observer.currentJD + nights + 1.0;
    auto reachOf = [&](int k, const SatelliteOrbit& orbit) -> const OrbitReach& {
        const auto i = static_cast<std::size_t>(k);
        if (i >= reaches.size()) {
            reaches.resize(i + 1);
            reachKnown.resize(i + 1, 0);
        }
        if (!reachKnown[i]) {
            reachKnown[i] = 1;
            reaches[i] = ReachOfOrbit(orbit, observer.latitudeDeg, parameters.minAltitudeDeg,
                                      searchFrom, searchTo);
            if (!reaches[i].reachesAltitude) ++result.satellitesOutOfReach;
        }
        return reaches[i];
    };
    SearchPulse pulse(listener);
    PassSearchSpan span;
    for (int d = 0; d < nights; ++d) {
        double maxSun = parameters.maxSunAltitudeDeg;
        double limMag = parameters.limitingMagnitude;
        if (!listener.readNightLimits(maxSun, limMag)) {
            result.outcome = PassSearchOutcome::Failed;
            return result;
        }
        bool dark = true;
        if (!parameters.durationMode) {
            const NightWindowResult night = NightWindow(
                observer.currentJD + d, maxSun, parameters.firstHalf, parameters.secondHalf);
            dark = night.kind != NightKind::NoDarkness;
            if (!dark) result.nightsWithoutDarkness.push_back({night.eveningNoon, maxSun});
            if (d == 0) span = {PassSearchSpan::Kind::Nights, night.eveningNoon, night.eveningNoon};
            span.last = night.eveningNoon;
        }
        if (dark) ++result.nightsSearched;
        const JD1900 start = PassWindow().windowStart;
        JD1900 end = PassWindow().windowEnd;
        if (parameters.durationMode) {
            end = std::min(end, start + kMaxSearchMinutes / 1440.0);
            span = {PassSearchSpan::Kind::Window, start, end};
        }
        if (!std::isfinite(start) || !std::isfinite(end)) dark = false;
        const SatelliteTable& table = Satellites();
        const int K = table.selectedCount;
        // The Sun over the window, for the stretches in the Earth's shadow.
        const bool shadowBound =
            parameters.workBounds && parameters.shadow && !parameters.brightest && dark;
        const SunAltitudeProfile sun = shadowBound
                                           ? SunAltitudeProfile(PlaceOf(observer), start, end)
                                           : SunAltitudeProfile(PlaceOf(observer), 0.0, -1.0);
        for (int k = 0; k < K && k < Satellites().selectedCount; ++k) {
            const bool searchable = dark && !(static_cast<std::size_t>(k) < skippedAlready.size() &&
                                              skippedAlready[static_cast<std::size_t>(k)]);
            if (searchable) {
                const SatelliteOrbit& orbit = table.SelectedOrbit(k);
                // An unreadable or impossible set is named and left out; the others are
                // searched.
                const std::string why =
                    orbit.readable ? ImpossibleElements(orbit, start, end) : "Elemente nicht lesbar";
                if (!why.empty()) {
                    skip(k, why);
                } else if (const OrbitReach& reach = reachOf(k, orbit);
                           !parameters.workBounds || reach.reachesAltitude) {
                    // The shadow bound for near-Earth orbits only: a deep-space orbit
                    // carries its integration from instant to instant.
                    const double shadowedBelow =
                        shadowBound && !reach.deepSpace
                            ? ShadowedBelowSunAltitudeDeg(reach.greatestRadiusKm,
                                                          parameters.minAltitudeDeg)
                            : -180.0;
                    const bool bounded = shadowedBelow > -90.0 && sun.GetsBelow(shadowedBelow);
                    SatelliteSearch search(k, orbit, table.SelectedLook(k), PlaceOf(observer),
                                           parameters, start, end, maxSun, limMag, pulse,
                                           bounded ? &sun : nullptr, shadowedBelow);
                    search.Run();
                    result.planeSteps += search.planeSteps;
                    result.planeStepsInShadow += search.planeStepsInShadow;
                    for (PassRecord& pass : search.added) {
                        const std::string line = SearchLine(pass);
                        list.lines.push_back(line);
                        list.passes.push_back(std::move(pass));
                        listener.appendListLine(line);
                    }
                }
            }
            if (k % 10 == 0) {
                Report(
                    listener, PassSearchProgress::Stage::Computing,
                    Percent(static_cast<long long>(d) * K + k, static_cast<long long>(nights) * K));
            }
            if (!g_abortRequested) listener.processPendingEvents();
            if (g_abortRequested) break;
        }
        if (g_abortRequested) {
            g_abortRequested = false;
            listener.setStatusHeading("");
            result.outcome = PassSearchOutcome::Aborted;
            break;
        }
    }

    // Time order, equal times by the rest of the line. The times are compared as
    // numbers: their text sorts wrongly across a sign or a change of width.
    Report(listener, PassSearchProgress::Stage::Sorting);
    std::vector<std::size_t> order(list.lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        const JD1900 a = list.passes[i].time, b = list.passes[j].time;
        if (a != b) return a < b;
        return list.lines[i] < list.lines[j];
    });

    PassListState sorted;
    const std::size_t count = order.size();
    for (std::size_t j = 0; j < count; ++j) {
        const PassRecord& pass = list.passes[order[j]];
        const DateTimeTexts texts = DateTimeTextsOf(pass.time, observer.zoneOffsetAt(pass.time));
        sorted.lines.push_back(DisplayLine(pass, texts.date, texts.time));
        sorted.passes.push_back(list.passes[order[j]]);
        if (j % 20 == 0) Report(listener, PassSearchProgress::Stage::Ordering, Percent(j, count));
    }
    sorted.span = span;
    list = std::move(sorted);

    listener.clearList();
    for (std::size_t j = 0; j < count; ++j) {
        listener.appendListLine(list.lines[j]);
        if (j % 20 == 0) Report(listener, PassSearchProgress::Stage::Listing, Percent(j, count));
        if (j == 100) listener.repaintList();
    }
    Report(listener, PassSearchProgress::Stage::Done, 0, static_cast<int>(count));
    if (!result.nightsWithoutDarkness.empty())
        listener.nightsWithoutDarkness(NightsWithoutDarknessText(result.nightsWithoutDarkness));
    // Not one selected satellite could be searched: that is a failure, not an empty list.
    const bool noneSearched =
        count == 0 && result.outcome == PassSearchOutcome::Finished && !result.skipped.empty() &&
        result.skipped.size() == static_cast<std::size_t>(Satellites().selectedCount);
    if (count == 0) observer.trackedSatellite = -1;
    if (noneSearched) {
        result.outcome = PassSearchOutcome::Failed;
        listener.searchFailed(NoSatelliteSearchedText(result.skipped));
    } else if (count == 0) {
        listener.noPasses();
    } else {
        listener.passesFound(static_cast<int>(count));
    }
    listener.setStatusHeading(std::string(kDisplayHeading));
    if (!noneSearched && !result.skipped.empty())
        listener.satellitesSkipped(SkippedSatellitesText(result.skipped));
    return result;
}
