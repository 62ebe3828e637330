#include "prediction/visible_part.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "core/constants.h"
#include "core/frames.h"
#include "prediction/scalar_search.h"

namespace {

constexpr double kDaySeconds = 86400.0;
constexpr double kRootToleranceS = 0.01;
constexpr double kPeakToleranceS = 0.5;
// No visible part is followed farther than a day from its listed instant.
constexpr double kLongestSideS = 86400.0;
// Offsets tried, in order, when the listed instant itself is not visible.
constexpr double kAnchorOffsetsS[] = {1, -1, 2, -2, 5, -5, 10, -10, 20, -20, 30, -30, 60, -60};
// The search around the listed instant for the brightest moment, which the pass search
// has already put there with "maximale Helligkeit suchen" (a flare lasts seconds).
constexpr double kListedBrightestSpanS = 10.0;

// The Sun for the observer at any instant, linear between the theory's values on the
// whole hours around it (off by far less than an arc second).
class SunTrack {
  public:
    explicit SunTrack(const ObserverPlace& place) : place_(place) {}

    // Right ascension, declination and geocentric X, Y, Z at the instant.
    SunView Place(JD1900 instant) {
        const double hours = instant * 24.0;
        const double node = std::floor(hours);
        if (node != node_) {
            node_ = node;
            first_ = SunViewFor(ObserverAtInstant(place_, node / 24.0));
            second_ = SunViewFor(ObserverAtInstant(place_, (node + 1.0) / 24.0));
        }
        const double f = hours - node;
        SunView sun;
        sun.rightAscension =
            first_.rightAscension +
            f * std::remainder(second_.rightAscension - first_.rightAscension, kTwoPi);
        sun.declination = first_.declination + f * (second_.declination - first_.declination);
        for (int i = 0; i < 3; ++i)
            sun.equatorialAu[i] =
                first_.equatorialAu[i] + f * (second_.equatorialAu[i] - first_.equatorialAu[i]);
        return sun;
    }

    // The same with the altitude and azimuth for the observer.
    SunView At(const ObserverAt& observer) {
        SunView sun = Place(observer.instant);
        const double hourAngle = HourAngle(observer.siderealHours, sun.rightAscension * 12.0 / kPi);
        const HorizontalCoords hz = EquatorialToHorizontal(
            hourAngle, sun.declination, observer.place.sinLatitude, observer.place.cosLatitude);
        sun.altitudeDeg = hz.altitude * kRadToDeg;
        sun.azimuthRad = hz.azimuth;
        return sun;
    }

  private:
    ObserverPlace place_;
    double node_ = std::nan("");
    SunView first_, second_;
};

// One moment of the pass, in seconds after the listed instant.
struct Moment {
    double s = 0.0;
    SatObservation seen;
};

PassEvent EventOf(JD1900 time, const SatObservation& seen) {
    PassEvent event;
    event.time = time;
    event.altitudeDeg = seen.altitudeDeg;
    event.azimuthDeg = std::fmod(seen.azimuthDeg + 180.0, 360.0);
    if (event.azimuthDeg < 0.0) event.azimuthDeg += 360.0;
    event.magnitude = seen.magnitude;
    event.shadowDepthKm = seen.shadowDepthKm;
    event.sunAltitudeDeg = seen.sunAltitudeDeg;
    return event;
}

class VisiblePart {
  public:
    VisiblePart(const SatelliteOrbit& orbit, const SatelliteLook& look, const ObserverPlace& place,
                const VisibilityLimits& limits, JD1900 listed, ResonanceCarry* carry)
        : orbit_(orbit),
          look_(look),
          place_(place),
          limits_(limits),
          listed_(listed),
          carry_(carry),
          sun_(place) {
        conditions_.push_back(PassLimit::Altitude);
        if (limits.shadow) conditions_.push_back(PassLimit::Shadow);
        if (limits.sunLimit) conditions_.push_back(PassLimit::Twilight);
        // Two minutes for a low orbit, longer for slower ones (at most a quarter hour).
        const double periodMinutes = 1440.0 / orbit.elements.meanMotionRevDay;
        stepS_ = 120.0 * std::clamp(periodMinutes / 200.0, 1.0, 7.5);
        if (!std::isfinite(stepS_)) stepS_ = 120.0;
    }

    PassEvents Find() {
        PassEvents events;
        Moment anchor{0.0, Observe(0.0)};
        for (std::size_t i = 0; !Visible(anchor.seen) && i < std::size(kAnchorOffsetsS); ++i)
            anchor = {kAnchorOffsetsS[i], Observe(kAnchorOffsetsS[i])};
        if (!Visible(anchor.seen)) return events;

        std::vector<Moment> inside{anchor};
        const Moment start = Boundary(anchor, -1.0, events.startLimit, inside);
        const Moment end = Boundary(anchor, 1.0, events.endLimit, inside);
        events.found = true;
        events.start = EventOf(Time(start.s), start.seen);
        events.end = EventOf(Time(end.s), end.seen);

        const Moment highest = Best(
            inside, start, end, [](const SatObservation& s) { return s.altitudeDeg; }, nullptr);
        events.highest = EventOf(Time(highest.s), highest.seen);
        if (limits_.brightest) {
            const Moment brightest = Best(
                inside, start, end, [](const SatObservation& s) { return -s.magnitude; }, &anchor);
            events.brightestFound = true;
            events.brightest = EventOf(Time(brightest.s), brightest.seen);
        }
        return events;
    }

  private:
    JD1900 Time(double s) const { return listed_ + s / kDaySeconds; }

    SatObservation Observe(double s) {
        const ObserverAt at = ObserverAtInstant(place_, Time(s));
        return ViewOf(Propagate(orbit_, at.instant, carry_), at, sun_.At(at), look_);
    }

    // Positive while the condition holds.
    double Margin(PassLimit condition, const SatObservation& s) const {
        switch (condition) {
            case PassLimit::Altitude:
                return s.altitudeDeg - limits_.minAltitudeDeg;
            case PassLimit::Shadow:
                return s.shadowDepthKm;
            case PassLimit::Twilight:
                return limits_.maxSunAltitudeDeg - s.sunAltitudeDeg;
            case PassLimit::Open:
                break;
        }
        return 1.0;
    }

    // The same at s, computing only what the condition needs (NaN when the orbit
    // fails there).
    double MarginAt(PassLimit condition, double s) {
        const JD1900 t = Time(s);
        switch (condition) {
            case PassLimit::Altitude:
                return QuickAltitude(orbit_, t, place_, carry_) - limits_.minAltitudeDeg;
            case PassLimit::Shadow: {
                const OrbitState state = Propagate(orbit_, t, carry_);
                if (state.failed()) return std::nan("");
                const Vector3& r = state.positionKm;
                const double positionER[3] = {r.x / kEarthRadiusKm, r.y / kEarthRadiusKm,
                                              r.z / kEarthRadiusKm};
                const SunView sun = sun_.Place(t);
                return ShadowDepth(positionER, sun.rightAscension, sun.declination);
            }
            case PassLimit::Twilight:
                return limits_.maxSunAltitudeDeg -
                       sun_.At(ObserverAtInstant(place_, t)).altitudeDeg;
            case PassLimit::Open:
                break;
        }
        return 1.0;
    }

    bool Visible(const SatObservation& s) const {
        if (s.failed() || !std::isfinite(s.magnitude) || !std::isfinite(s.shadowDepthKm) ||
            !std::isfinite(s.sunAltitudeDeg))
            return false;
        for (const PassLimit c : conditions_)
            if (!(Margin(c, s) > 0.0)) return false;
        return true;
    }

    // Follows the visible part from `from` in direction dir (-1 earlier, +1 later) in
    // coarse steps, keeping the visible moments in `inside`; the first step that
    // misses a condition brackets the boundary, which each missed condition's root
    // gives (the nearest one wins).
    Moment Boundary(const Moment& from, double dir, PassLimit& limit, std::vector<Moment>& inside) {
        Moment a = from;
        limit = PassLimit::Open;
        while (std::fabs(a.s + dir * stepS_) <= kLongestSideS) {
            const Moment b{a.s + dir * stepS_, Observe(a.s + dir * stepS_)};
            if (Visible(b.seen)) {
                inside.push_back(b);
                a = b;
                continue;
            }
            Moment nearest = a;
            for (const PassLimit c : conditions_) {
                const double mb = b.seen.failed() ? std::nan("") : Margin(c, b.seen);
                if (!(mb <= 0.0)) continue;
                const double root = FindRoot([&](double s) { return MarginAt(c, s); }, a.s, b.s,
                                             Margin(c, a.seen), mb, kRootToleranceS);
                if (limit == PassLimit::Open ||
                    std::fabs(root - a.s) < std::fabs(nearest.s - a.s)) {
                    nearest.s = root;
                    limit = c;
                }
            }
            // An orbit that fails there: the part ends with the last good moment.
            if (limit != PassLimit::Open) nearest.seen = Observe(nearest.s);
            return nearest;
        }
        return a;
    }

    // The moment of the largest value within the visible part: refined around the best
    // coarse moment (and around `also`, when given), compared with both ends.
    template <class Value>
    Moment Best(const std::vector<Moment>& inside, const Moment& start, const Moment& end,
                Value value, const Moment* also) {
        const Moment* coarse = &inside.front();
        for (const Moment& m : inside)
            if (value(m.seen) > value(coarse->seen)) coarse = &m;
        Moment best = value(end.seen) > value(start.seen) ? end : start;
        auto refine = [&](const Moment& centre, double halfWidth) {
            const double lo = std::max(start.s, centre.s - halfWidth);
            const double hi = std::min(end.s, centre.s + halfWidth);
            // The best moment observed on the way is the maximum found.
            Moment top = centre;
            FindMaximum(
                [&](double s) {
                    const Moment at{s, Observe(s)};
                    const double v = at.seen.failed() ? -1e9 : value(at.seen);
                    if (v > value(top.seen)) top = at;
                    return v;
                },
                lo, hi, kPeakToleranceS, centre.s, value(centre.seen));
            if (value(top.seen) > value(best.seen)) best = top;
        };
        refine(*coarse, stepS_);
        if (also) refine(*also, kListedBrightestSpanS);
        return best;
    }

    const SatelliteOrbit& orbit_;
    const SatelliteLook& look_;
    ObserverPlace place_;
    VisibilityLimits limits_;
    JD1900 listed_;
    ResonanceCarry* carry_;
    SunTrack sun_;
    std::vector<PassLimit> conditions_;
    double stepS_ = 120.0;
};

}  // namespace

PassEvents FindPassEvents(const SatelliteOrbit& orbit, const SatelliteLook& look,
                          const ObserverPlace& place, const VisibilityLimits& limits, JD1900 listed,
                          ResonanceCarry* carry) {
    return VisiblePart(orbit, look, place, limits, listed, carry).Find();
}
