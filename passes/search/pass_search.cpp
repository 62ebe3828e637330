#include "passes/search/pass_search.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/observer_state.h"
#include "passes/search/night_window.h"
#include "passes/search/pass_orbit.h"
#include "passes/search/shadow_boundary.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

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
class ActiveGuard {
  public:
    ActiveGuard() { g_searchActive = true; }
    ~ActiveGuard() { g_searchActive = false; }
    ActiveGuard(const ActiveGuard&) = delete;
    ActiveGuard& operator=(const ActiveGuard&) = delete;
};

// Keeps DateText and TimeText as they were.
class SavedDateTimeTexts {
  public:
    SavedDateTimeTexts() : date_(DateText), time_(TimeText) {}
    ~SavedDateTimeTexts() {
        DateText = date_;
        TimeText = time_;
    }
    SavedDateTimeTexts(const SavedDateTimeTexts&) = delete;
    SavedDateTimeTexts& operator=(const SavedDateTimeTexts&) = delete;

  private:
    std::string date_, time_;
};

std::string Percent(long long part, long long whole) {
    return std::to_string(whole > 0 ? static_cast<int>(100.0 * static_cast<double>(part) /
                                                       static_cast<double>(whole))
                                    : 0) +
           "%";
}

bool Finite(const SatObservation& s) {
    return std::isfinite(s.altitudeDeg) && std::isfinite(s.azimuthDeg) &&
           std::isfinite(s.rangeKm) && std::isfinite(s.magnitude) &&
           std::isfinite(s.shadowDepthKm) && std::isfinite(s.sunAltitudeDeg);
}

// Mean anomaly of a true anomaly (not reduced) and the eccentric anomaly on the way.
double MeanOfTrue(double nu, double e, double* eccentricAnomaly = nullptr) {
    const double E = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(nu / 2.0));
    if (eccentricAnomaly) *eccentricAnomaly = E;
    return E - e * std::sin(E);
}

// One satellite of one window.
class SatelliteSearch {
  public:
    SatelliteSearch(int k, const SgpElements& elements, const PassSearchParameters& p, JD1900 start,
                    JD1900 end, double maxSunAltitudeDeg, double limitingMagnitude)
        : k_(k),
          el_(elements),
          p_(p),
          start_(start),
          end_(end),
          maxSun_(maxSunAltitudeDeg),
          limMag_(limitingMagnitude) {}

    void Run() {
        const double e = el_.eccentricity;
        const double n = el_.meanMotionRevDay;
        if (PlaneCrossingApplies(e, n))
            PlaneCrossing();
        else
            CulminationScan();
    }

  private:
    SatObservation Observe(JD1900 t) {
        last_ = ObserveSatellite(k_, t);
        return last_;
    }

    // Plane-crossing method: per revolution, the moment the observer is closest to the
    // orbital plane, observed only when the satellite can reach the minimum altitude.
    void PlaneCrossing() {
        const double e = el_.eccentricity;
        const double n = el_.meanMotionRevDay;
        const double incl = el_.inclination;
        const double sigma = incl <= kPi / 2.0 ? 1.0 : -1.0;
        const double hMin = p_.minAltitudeDeg * kDegToRad;
        const double a = Power(0.0743669161 / (n * kTwoPi / 1440.0), 2.0 / 3.0);

        struct Foot {
            double r = 0.0;  // days from the node passage to the foot point
            double E = 0.0;  // eccentric anomaly at the foot point
        };
        auto pole = [&](double node) {
            Vector3 v{sigma * std::sin(incl) * std::sin(node),
                      -sigma * std::sin(incl) * std::cos(node), sigma * std::cos(incl)};
            const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
            return Vector3{v.x / len, v.y / len, v.z / len};
        };
        auto dot = [](const Vector3& u, const Vector3& v) {
            return u.x * v.x + u.y * v.y + u.z * v.z;
        };
        auto footPoint = [&](const Vector3& rho, const Vector3& ph, double D, double node,
                             double perigee, double M0, double P) {
            const Vector3 q{rho.x - D * ph.x, rho.y - D * ph.y, rho.z - D * ph.z};
            const double ql = std::sqrt(dot(q, q));
            double cosBeta = ql > 0.0 ? (std::cos(node) * q.x + std::sin(node) * q.y) / ql : 1.0;
            cosBeta = std::clamp(cosBeta, -1.0, 1.0);
            const double beta = std::acos(cosBeta);
            const double signZ = rho.z > 0.0 ? 1.0 : (rho.z < 0.0 ? -1.0 : 0.0);
            double nuF = beta * signZ - perigee;
            nuF -= kTwoPi * std::trunc(nuF / kTwoPi);
            Foot f;
            double Mf = MeanOfTrue(nuF, e, &f.E);
            if (Mf < 0.0) Mf += kTwoPi;
            double delta = Mf - M0;
            if (delta < 0.0 && rho.z > 0.0) delta += kTwoPi;
            f.r = delta / (kTwoPi * n);
            if (f.r > P) f.r -= P;
            return f;
        };

        JD1900 J = start_ - 0.03;
        for (;;) {
            // Node passage before J.
            const OrbitState s = ElementsAt(el_, J);
            const double M1 = MeanOfTrue(s.argumentOfLatitude - s.perigee, e);
            const double M0 = MeanOfTrue(-s.perigee, e);
            double dM = M1 - M0;
            if (dM < -kPi) dM += kTwoPi;
            J -= dM / (kTwoPi * n);
            const double perigee = s.perigee;
            // Nodal period.
            const double P = 1.0 / (n + s.perigeeRate * (180.0 / kPi) * 1440.0 / 360.0);
            if (!(P > 0.0) || !std::isfinite(J)) return;

            Vector3 rho = ObserverVectorER(J);
            const double rhoLen = std::sqrt(dot(rho, rho));
            OrbitState atJ = ElementsAt(el_, J);
            Vector3 ph = pole(atJ.node);
            double D = dot(ph, rho);
            Foot foot = footPoint(rho, ph, D, atJ.node, perigee, M0, P);

            // Largest distance from the plane at which the satellite can stand h_min high.
            const double rs = a * (1.0 - e * std::cos(foot.E));
            const double c = std::cos(hMin) * rhoLen / rs;
            double dMax = rhoLen;
            if (std::fabs(c) < 1.0) {
                const double gamma = std::asin(c);
                dMax = rhoLen * std::sin(kPi / 2.0 - gamma - hMin);
            }

            // Test at the foot-point time.
            rho = ObserverVectorER(J + foot.r);
            const OrbitState atFoot = ElementsAt(el_, J + foot.r);
            ph = pole(atFoot.node);
            D = dot(ph, rho);
            if (std::fabs(D) <= dMax) {
                foot = footPoint(rho, ph, D, atFoot.node, perigee, M0, P);
                JD1900 o = J + foot.r;
                if (o > end_ && o - end_ < P / 2.0) o = end_;
                if (o < start_ && start_ - o < P / 2.0) o = start_;
                if (o >= start_ && o <= end_) Evaluate(o, false);
            }
            J += 1.05 * P;
            if (!(J <= end_)) return;
        }
    }

    // Culmination scan in minutes after the window start, refined in three levels.
    void CulminationScan() {
        const double span = (end_ - start_) * 1440.0;
        const double n = el_.meanMotionRevDay;
        double w = -3.0;
        double a = -90.0;
        auto altitude = [&](double minutes) {
            return QuickAltitude(el_, start_ + minutes / 1440.0);
        };
        do {
            bool left = false;
            for (const double I : {3.0, 0.3, 0.03}) {
                a = -90.0;
                double previous = -90.0;
                do {
                    previous = a;
                    w += I;
                    if (w > span + I) {
                        left = true;
                        break;
                    }
                    a = altitude(w);
                } while (!(a < previous && previous > -10.0));
                if (left) break;
                w -= 2.1 * I;
            }
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
                if (w > span) break;
                a = altitude(w);
            } while (!(a > previous));
        } while (w <= span);
    }

    // Steps o while the magnitude improves, backward then forward, then one step back.
    void FineSearch(JD1900& o, double step) {
        for (const double dir : {-1.0, 1.0}) {
            for (int i = 0; i < kMaxSweepSteps; ++i) {
                const double previous = last_.magnitude;
                o += dir * step;
                Observe(o);
                if (!(last_.magnitude < previous) || last_.altitudeDeg <= p_.minAltitudeDeg ||
                    last_.sunAltitudeDeg > maxSun_)
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
            for (int i = 0; i < kMaxSweepSteps && last_.altitudeDeg > p_.minAltitudeDeg &&
                            last_.sunAltitudeDeg < maxSun_;
                 ++i) {
                o += dir * 10.0 * kSecond;
                Observe(o);
                if (last_.magnitude < best) {
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
                ShadowBoundary(k_, el_, start_, end_, o, p_.minAltitudeDeg, maxSun_);
            if (!b.found) return altitudeAtO;
            o = b.time;
            Observe(o);
            shadowFlag = true;
        }
        if (!Finite(last_) || last_.magnitude > limMag_) return altitudeAtO;
        AddPassLine(o, shadowFlag);
        return altitudeAtO;
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
        pass.directionDeg = MotionDirection(k_, seen.altitudeDeg, seen.azimuthDeg, o);
        last_ = seen;
        added.push_back(std::move(pass));
    }

  public:
    std::vector<PassRecord> added;

  private:
    int k_;
    const SgpElements& el_;
    const PassSearchParameters& p_;
    JD1900 start_, end_;
    double maxSun_, limMag_;
    SatObservation last_;
};

}  // namespace

PassListState& PassList() { return ListStorage(); }
void ResetPassList() { ListStorage() = PassListState{}; }
bool PlaneCrossingApplies(double eccentricity, double meanMotionRevDay) {
    return eccentricity < 0.1 && meanMotionRevDay >= 1.5;
}
bool PassSearchActive() { return g_searchActive; }
void RequestPassSearchAbort() { g_abortRequested = true; }

std::string SkippedSatellitesText(const std::vector<SkippedSatellite>& skipped) {
    if (skipped.empty()) return {};
    std::string text = std::to_string(skipped.size()) +
                       (skipped.size() == 1 ? " Satellit wurde" : " Satelliten wurden") +
                       " nicht berechnet:";
    for (const SkippedSatellite& s : skipped) {
        text += "\n";
        if (s.fileLine > 0) text += "Zeile " + std::to_string(s.fileLine) + ": ";
        text += s.name + ": " + s.reason;
    }
    return text;
}

std::string PassListCaption(const std::string& placeName) {
    return " Polaride - Sichtbarkeitsbedingungen für " + placeName;
}

PassSearchResult PassSearch(const PassSearchParameters& parameters, PassSearchListener& listener) {
    PassSearchResult result;
    if (g_searchActive) {
        result.outcome = PassSearchOutcome::Refused;
        return result;
    }
    ActiveGuard active;
    SavedDateTimeTexts savedTexts;
    ObserverState& observer = Observer();
    PassListState& list = PassList();

    g_abortRequested = false;
    listener.searchStarted();
    listener.setCaption(PassListCaption(observer.placeName));
    listener.setStatusHeading(std::string(kSearchHeading));
    list = PassListState{};
    listener.clearList();

    const int nights = parameters.durationMode ? 1 : std::max(0, parameters.nights);
    for (int d = 0; d < nights; ++d) {
        if (!parameters.durationMode) FormatDateTime1900(observer.currentJD + d);
        double maxSun = parameters.maxSunAltitudeDeg;
        double limMag = parameters.limitingMagnitude;
        if (!listener.readNightLimits(maxSun, limMag)) {
            result.outcome = PassSearchOutcome::Failed;
            return result;
        }
        bool dark = true;
        if (!parameters.durationMode)
            dark = NightWindow(maxSun, parameters.firstHalf, parameters.secondHalf);
        if (dark)
            ++result.nightsSearched;
        else
            ++result.nightsWithoutDarkness;
        const JD1900 start = PassWindow().windowStart;
        const JD1900 end = PassWindow().windowEnd;
        const SatelliteTable& table = Satellites();
        const int K = table.selectedCount;
        for (int k = 0; k < K && k < Satellites().selectedCount; ++k) {
            if (dark) {
                const ElementSet set = table.Selected(k);
                SgpElements elements;
                if (!ParseSgpElements(set.line1, set.line2, elements)) {
                    listener.searchFailed("'" + set.line2 + "' ist kein gültiger Gleitkommawert");
                    result.outcome = PassSearchOutcome::Failed;
                    return result;
                }
                SatelliteSearch search(k, elements, parameters, start, end, maxSun, limMag);
                search.Run();
                MathErrorFlag = false;
                for (PassRecord& pass : search.added) {
                    const std::string line = SearchLine(pass);
                    list.lines.push_back(line);
                    list.passes.push_back(std::move(pass));
                    listener.appendListLine(line);
                }
            }
            if (k % 10 == 0) {
                listener.setCaption(
                    "Berechne Durchgänge " +
                    Percent(static_cast<long long>(d) * K + k, static_cast<long long>(nights) * K) +
                    "       (Abbruch mit rechter Maustaste)");
            }
            listener.processPendingEvents();
            if (g_abortRequested) break;
        }
        if (g_abortRequested) {
            g_abortRequested = false;
            listener.setStatusHeading("");
            result.outcome = PassSearchOutcome::Aborted;
            break;
        }
    }

    // Time order: the lines begin with the fixed-width time.
    listener.setCaption("Sortiere Durchgänge");
    std::vector<std::size_t> order(list.lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t i, std::size_t j) { return list.lines[i] < list.lines[j]; });

    PassListState sorted;
    const std::size_t count = order.size();
    for (std::size_t j = 0; j < count; ++j) {
        const std::string& searchLine = list.lines[order[j]];
        JD1900 time = list.passes[order[j]].time;
        SearchLineTime(searchLine, time);
        sorted.keys.push_back(PassKey(searchLine));
        FormatDateTime1900(time);
        sorted.lines.push_back(DisplayLine(searchLine, DateText, TimeText));
        sorted.passes.push_back(list.passes[order[j]]);
        if (j % 20 == 0)
            listener.setCaption("Erstelle Liste von Durchgängen " + Percent(j, count) + "");
    }
    list = std::move(sorted);

    listener.clearList();
    for (std::size_t j = 0; j < count; ++j) {
        listener.appendListLine(list.lines[j]);
        if (j % 20 == 0) listener.setCaption("Schreibe Liste von Durchgängen " + Percent(j, count));
        if (j == 100) listener.repaintList();
    }
    listener.setCaption(PassListCaption(observer.placeName) + " (" + std::to_string(count) +
                        " Durchgänge)");
    if (count == 0) {
        observer.trackedSatellite = -1;
        listener.noPasses();
    } else {
        listener.passesFound(static_cast<int>(count));
    }
    listener.setStatusHeading(std::string(kDisplayHeading));
    return result;
}
