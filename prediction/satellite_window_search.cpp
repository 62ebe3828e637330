#include "prediction/satellite_window_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "core/constants.h"
#include "prediction/pass_orbit.h"
#include "prediction/plane_crossing_bounds.h"
#include "prediction/search_bounds.h"
#include "prediction/shadow_boundary.h"
#include "prediction/visible_part.h"
#include "satellite/observation.h"
#include "satellite/propagation.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
// Longest brightness sweep in one direction (one day of 10-second steps): a pass that
// never ends (the Sun never rising) must not hold the search forever.
constexpr int kMaxSweepSteps = 8640;
// The most an observer's distance from an orbital plane changes per second, in units
// of the observer's distance from the Earth's centre: the Earth's turn (7.29e-5 rad/s)
// and an allowance for the plane's own turning (the node's drift and the short-period
// swing of the osculating plane stay below 1e-5 rad/s).
constexpr double kPlaneDriftPerSecond = 7.2921e-5 + 3e-5;
// The longest stretch of steps one look may leave out for the observer's distance from
// the plane (a day of a low orbit's steps).
constexpr long long kMostStepsAhead = 96;

bool Finite(const SatObservation& s) {
    return std::isfinite(s.altitudeDeg) && std::isfinite(s.azimuthDeg) &&
           std::isfinite(s.rangeKm) && std::isfinite(s.magnitude) &&
           std::isfinite(s.shadowDepthKm) && std::isfinite(s.sunAltitudeDeg);
}

// One satellite of one window.
class SatelliteSearch {
  public:
    SatelliteSearch(const SatelliteWindow& w, std::vector<PassEntry>& added)
        : added_(added),
          k_(w.satelliteNumber),
          satellite_(*w.satellite),
          orbit_(w.satellite->orbit),
          el_(orbit_.elements),
          look_(w.satellite->look),
          place_(*w.place),
          p_(*w.parameters),
          start_(w.start),
          end_(w.end),
          maxSun_(p_.maxSunAltitudeDeg),
          limMag_(p_.limitingMagnitude),
          abort_(*w.abort),
          sun_(w.sun),
          shadowedBelow_(w.shadowedBelowDeg),
          greatestRadiusER_(w.greatestRadiusKm / kEarthRadiusKm),
          altitudeRate_(GreatestAltitudeRateDegPerMinute(el_, end_)) {}

    void Run() {
        const double e = el_.eccentricity;
        const double n = el_.meanMotionRevDay;
        if (PlaneCrossingApplies(e, n))
            PlaneCrossing();
        else
            CulminationScan();
    }

  private:
    bool Stopped() const { return abort_.load(std::memory_order_relaxed); }

    SatObservation Observe(JD1900 t) {
        const ObserverAt observer = ObserverAtInstant(place_, t);
        last_ = ViewOf(StateAt(t), observer, SunViewFor(observer), look_);
        return last_;
    }

    // The orbit at t; a near-Earth orbit's state at the instant just propagated is
    // reused (a crossing is looked at and then observed at the same instant). A
    // deep-space orbit is always propagated, its integration carried from instant to
    // instant.
    const OrbitState& StateAt(JD1900 t) {
        if (!(stateKnown_ && t == stateTime_)) {
            state_ = Propagate(orbit_, t, &carry_);
            stateTime_ = t;
            stateKnown_ = !deepSpace_;
        }
        return state_;
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
        PlaneLookGeometry geometry;
    };
    PlaneLook LookAt(JD1900 t) {
        PlaneLook look;
        const OrbitState& s = StateAt(t);
        if (s.failed()) return look;
        const Vector3 rho = ObserverVectorER(place_, t);
        const double sn = s.sinOsculatingNode, cn = s.cosOsculatingNode;
        const double si = s.sinOsculatingInclination, ci = s.cosOsculatingInclination;
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
        look.geometry = {pole, rho, look.phase, s.meanMotionRevDay, s.eccentricity, deepSpace_};
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
        // Steps up to this one need no look: no crossing in them is worth refining.
        long long leftOutUntil = prev.ok ? StepsToLeaveOut(prev, step * 86400.0, hMin) : 0;
        bool prevLeftOut = false;
        for (long long i = 1; i <= steps && !Stopped(); ++i) {
            const JD1900 t = tPrev + step;
            ++planeSteps;
            const bool inShadow =
                shadowBound && sun_->StaysBelow(tPrev - reach, t + reach, shadowedBelow_);
            if (!inShadow && i > leftOutUntil && prevLeftOut) {
                // The step starts where a step was left out: the look there may leave
                // out more.
                prev = LookAt(tPrev);
                prevLeftOut = false;
                if (prev.ok) leftOutUntil = i - 1 + StepsToLeaveOut(prev, step * 86400.0, hMin);
            }
            if (inShadow || i <= leftOutUntil) {
                ++(inShadow ? planeStepsInShadow : planeStepsLeftOut);
                prevLeftOut = true;
                tPrev = t;
                continue;
            }
            const PlaneLook cur = LookAt(t);
            const bool crossed = prev.ok && cur.ok && (prev.phase > 0.0) != (cur.phase > 0.0) &&
                                 std::fabs(prev.phase - cur.phase) < kPi;
            if (crossed && !OutOfReachBetween(prev, cur, step * 86400.0, hMin)) {
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
            if (cur.ok) leftOutUntil = i + StepsToLeaveOut(cur, step * 86400.0, hMin);
            tPrev = t;
            prev = cur;
        }
    }

    // How many steps after a look need no look of their own (none while the bounds are
    // off): those before the phase can reach zero, and those over which the observer
    // stays too far from the plane (plane_crossing_bounds.h, and the coarser bound of
    // StepsOutOfReach).
    long long StepsToLeaveOut(const PlaneLook& look, double stepSeconds, double hMin) {
        if (!(greatestRadiusER_ > 0.0)) return 0;
        const long long farSteps = StepsOutOfReach(look, stepSeconds, hMin);
        return std::max(
            {farSteps, StepsBeforeAnyCrossing(look.geometry, stepSeconds),
             StepsOutOfReachAhead(look.geometry, stepSeconds, widestDistance_, kMostStepsAhead)});
    }

    // How many steps after a look at the observer far from the plane hold no crossing
    // that can be Reachable, the distance changing no faster than kPlaneDriftPerSecond
    // allows and the satellite never farther from the Earth's centre than its greatest
    // distance.
    long long StepsOutOfReach(const PlaneLook& look, double stepSeconds, double hMin) {
        // The observer's distance from the Earth's centre hardly ever changes from one
        // look to the next: the largest distance is worked out again only when it does.
        if (look.observer != widestObserver_) {
            PlaneLook widest = look;
            widest.radius = greatestRadiusER_;
            widest.distance = 0.0;
            widestObserver_ = look.observer;
            widestDistance_ = LargestReachableDistance(widest, hMin);
        }
        const double dMax = widestDistance_;
        const double margin = std::fabs(look.distance) - dMax;
        const double perStep = look.observer * kPlaneDriftPerSecond * stepSeconds;
        if (!(margin > perStep)) return 0;
        return static_cast<long long>(std::floor(margin / perStep)) - 1;
    }

    // Whether no moment between two looks `seconds` apart can be Reachable: the
    // observer's distance from the plane changes by no more than the Earth's turn
    // (and a generous allowance for the plane's own turning) carries it, and the
    // largest distance that is reachable grows with the satellite's distance from the
    // Earth's centre, which between the looks exceeds the larger one by less than 5 %
    // for the near-circular orbits of this method.
    static bool OutOfReachBetween(const PlaneLook& a, const PlaneLook& b, double seconds,
                                  double hMin) {
        PlaneLook widest;
        widest.observer = std::max(a.observer, b.observer);
        widest.radius = 1.05 * std::max(a.radius, b.radius);
        widest.distance = std::max(std::fabs(a.distance), std::fabs(b.distance)) -
                          widest.observer * kPlaneDriftPerSecond * seconds;
        return widest.distance > 0.0 && !Reachable(widest, hMin);
    }

    // Whether a satellite at the foot point can stand at least hMin high: the observer
    // is no farther from the plane than the largest such distance.
    static bool Reachable(const PlaneLook& look, double hMin) {
        return std::fabs(look.distance) <= LargestReachableDistance(look, hMin);
    }
    // The largest such distance; it grows with the satellite's distance look.radius.
    static double LargestReachableDistance(const PlaneLook& look, double hMin) {
        const double c = std::cos(hMin) * look.observer / look.radius;
        double dMax = look.observer;
        if (std::fabs(c) < 1.0) {
            const double gamma = std::asin(c);
            // Central angle between the observer and the satellite's sub-point; beyond
            // a quarter turn (a limit below the horizon) any distance will do.
            const double lambda = kPi / 2.0 - gamma - hMin;
            if (lambda < kPi / 2.0) dMax = look.observer * std::sin(lambda);
        }
        return dMax;
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
                    if (I == 3.0 && !(a < previous && previous > -10.0)) {
                        // Steps at which the satellite stays below -10 degrees can
                        // neither be nor follow a culmination: jump over them.
                        const double below = StepsSurelyBelow(a, -10.0, I);
                        if (below > 0.0) {
                            w += below * I;
                            a = previous = -90.0;
                        }
                    }
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

    // How many steps of `minutes` after an altitude surely stay below limitDeg (none
    // while the bounds are off, or when a low minimum altitude makes the altitude at
    // the window's end count).
    double StepsSurelyBelow(double altitudeDeg, double limitDeg, double minutes) const {
        if (!(greatestRadiusER_ > 0.0) || !(p_.minAltitudeDeg > limitDeg)) return 0.0;
        const double steps =
            std::floor((limitDeg - 0.01 - altitudeDeg) / (altitudeRate_ * minutes));
        return steps >= 1.0 ? std::min(steps, 1e6) : 0.0;
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

    void AddPassLine(JD1900 o, bool shadowFlag) {
        // An abort may have cut one of the loops that found this moment short.
        if (Stopped()) return;
        const SatObservation& seen = last_;
        PassEntry pass;
        pass.time = o;
        pass.altitudeDeg = seen.altitudeDeg;
        pass.shadowBoundary = shadowFlag;
        pass.azimuthDeg = seen.azimuthDeg;
        pass.rangeKm = seen.rangeKm;
        pass.magnitude = seen.magnitude;
        pass.sunAltitudeDeg = seen.sunAltitudeDeg;
        pass.magnitudeKnown = satellite_.magnitudeKnown;
        pass.satelliteNumber = k_;
        pass.directionDeg = MotionDirection(orbit_, place_, seen.altitudeDeg, seen.azimuthDeg, o);
        // An orbit that fails ten seconds later has no pass here either.
        if (!std::isfinite(pass.directionDeg)) return;
        added_.push_back(pass);
    }

    std::vector<PassEntry>& added_;
    int k_;
    const PassSatellite& satellite_;
    const SatelliteOrbit& orbit_;
    const SgpElements& el_;
    SatelliteLook look_;
    ObserverPlace place_;
    ResonanceCarry carry_;  // the deep-space integration, carried from instant to instant
    bool deepSpace_ = orbit_.model == OrbitModel::Sgp4 && orbit_.sgp4.deepSpace;
    OrbitState state_;
    JD1900 stateTime_ = 0.0;
    bool stateKnown_ = false;
    const PassSearchParameters& p_;
    JD1900 start_, end_;
    double maxSun_, limMag_;
    const std::atomic<bool>& abort_;
    const SunAltitudeProfile* sun_;
    double shadowedBelow_;
    double greatestRadiusER_;
    double altitudeRate_;  // the most the satellite's altitude changes per minute
    // The largest reachable distance at the greatest radius, for this observer distance.
    double widestObserver_ = std::numeric_limits<double>::quiet_NaN();
    double widestDistance_ = 0.0;
    SatObservation last_;

  public:
    long long planeSteps = 0, planeStepsInShadow = 0, planeStepsLeftOut = 0;
};

}  // namespace

VisibilityLimits PassVisibilityLimits(const PassSearchParameters& p, double sunAltitudeDeg) {
    VisibilityLimits limits;
    limits.minAltitudeDeg = p.minAltitudeDeg;
    limits.shadow = p.shadow;
    limits.sunLimit = !p.durationMode || sunAltitudeDeg < p.maxSunAltitudeDeg;
    limits.maxSunAltitudeDeg = p.maxSunAltitudeDeg;
    limits.brightest = p.brightest;
    return limits;
}

bool PlaneCrossingApplies(double eccentricity, double meanMotionRevDay) {
    return eccentricity < 0.1 && meanMotionRevDay >= 1.5;
}

SatelliteWindowWork SearchSatelliteWindow(const SatelliteWindow& window,
                                          std::vector<PassEntry>& passes) {
    SatelliteSearch search(window, passes);
    search.Run();
    return {search.planeSteps, search.planeStepsInShadow, search.planeStepsLeftOut};
}
