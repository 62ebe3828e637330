#include "prediction/transit_search.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "core/constants.h"
#include "prediction/scalar_search.h"

using namespace vectors;

namespace {

constexpr double kSecondDays = 1.0 / 86400.0;
constexpr double kEarthGmKm3S2 = 398600.4418;
constexpr double kObserverSpeedKmS = 0.47;  // the Earth's rotation at the equator
constexpr double kBodyRateRadS = 2e-5;      // topocentric motion of the Moon, with margin
constexpr double kLongestStepS = 1200.0;
constexpr double kShortestStepS = 0.02;

// The body's centre above the horizon: the sine of its altitude.
double BodySinAltitude(const BodyTrack& track, const Vector3& placeKm, TransitBody body, JD1900 t) {
    const double gmst = Gmst1982Rad(t);
    const Vector3 toBody = Minus(EarthFixedOfTeme(track.BodyKm(body, t), gmst), placeKm);
    const GeodeticPoint p = GeodeticOf(placeKm);
    const double lat = p.latitudeDeg * kDegToRad, lon = p.longitudeDeg * kDegToRad;
    const Vector3 up{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
    return Dot(toBody, up) / Length(toBody);
}

// The least range at which the satellite can be seen: its perigee height less the
// place's height, at least 100 km.
double LeastRangeKm(const SatelliteOrbit& orbit, JD1900 t, double placeHeightKm) {
    const OrbitState s = Propagate(orbit, t);
    if (s.failed()) return 100.0;
    const double perigeeKm = s.semiMajorAxisER * kEarthRadiusKm * (1.0 - s.eccentricity);
    return std::max(100.0, perigeeKm - kWgs84RadiusKm - placeHeightKm);
}

// The fastest the satellite moves relative to the observer (km/s): its speed at
// perigee (or now, if larger) plus the observer's.
double FastestRelativeSpeed(const OrbitState& s) {
    const double a = s.semiMajorAxisER * kEarthRadiusKm;
    const double e = std::clamp(s.eccentricity, 0.0, 0.999);
    const double perigeeSpeed = std::sqrt(kEarthGmKm3S2 / a * (1.0 + e) / (1.0 - e));
    return std::max(perigeeSpeed, Length(s.velocityKmS)) + kObserverSpeedKmS;
}

// The separation of the satellite from the body's centre (radians) and its range (km):
// what the scan needs of an instant.
struct Closeness {
    double separationRad = 0.0;
    double rangeKm = 0.0;
};
Closeness ClosenessOf(const TransitSky& sky, TransitBody body) {
    const Vector3 toSatellite = Minus(sky.satelliteKm, sky.observerKm);
    const Vector3 toBody = Minus(sky.bodyKm[static_cast<int>(body)], sky.observerKm);
    return {AngleBetween(toSatellite, toBody), Length(toSatellite)};
}

struct Sample {
    double t = 0.0;  // JD1900
    double separation = 0.0;
};

class SatelliteScan {
  public:
    SatelliteScan(const TransitCandidate& satellite, const TransitSearchParameters& parameters,
                  const TransitBodies& bodies)
        : satellite_(satellite),
          parameters_(parameters),
          geometry_(*satellite.orbit, parameters.place, bodies.track),
          bodies_(bodies) {
        const double leastRange =
            LeastRangeKm(*satellite.orbit, parameters.start, parameters.place.heightKm);
        const double limit =
            std::max(parameters.maxSeparationDeg * kDegToRad, parameters.radiusKm / leastRange);
        scanLimit_ = 1.5 * limit + 0.05 * kDegToRad;
    }

    std::vector<TransitApproach> Run() {
        for (TransitBody body : {TransitBody::Sun, TransitBody::Moon})
            for (const TransitBodies::Span& span : bodies_.above[static_cast<int>(body)])
                if (!ScanSpan(body, span)) return found_;
        return found_;
    }

  private:
    double SeparationAt(TransitBody body, double t) const {
        return ClosenessOf(geometry_.At(t), body).separationRad;
    }

    // Scans one span in which the body is up; false when the orbit failed.
    bool ScanSpan(TransitBody body, const TransitBodies::Span& span) {
        Sample before, middle;
        int count = 0;
        double t = span.from;
        while (true) {
            const TransitSky sky = geometry_.At(t);
            if (sky.failed) return false;
            const Closeness view = ClosenessOf(sky, body);
            const Sample now{t, view.separationRad};
            if (count >= 2 && middle.separation < before.separation &&
                middle.separation <= now.separation && middle.separation < scanLimit_)
                Refine(body, before.t, middle, now.t);
            before = middle;
            middle = now;
            ++count;
            if (t >= span.to) return true;
            const double room = std::max(view.separationRad - scanLimit_, scanLimit_ / 8.0);
            const double speed = FastestRelativeSpeed(sky.orbit);
            const double satelliteStep = view.rangeKm * (1.0 - std::exp(-room / 2.0)) / speed;
            const double bodyStep = room / 2.0 / kBodyRateRadS;
            const double step =
                std::clamp(std::min(satelliteStep, bodyStep), kShortestStepS, kLongestStepS);
            t = std::min(span.to, t + step * kSecondDays);
        }
    }

    void Refine(TransitBody body, double from, const Sample& middle, double to) {
        // Seconds from the middle sample keep the search's numbers small.
        auto separation = [&](double s) { return SeparationAt(body, middle.t + s * kSecondDays); };
        const ScalarMaximum m =
            FindMaximum([&](double s) { return -separation(s); }, (from - middle.t) / kSecondDays,
                        (to - middle.t) / kSecondDays, 0.005, 0.0, -middle.separation);
        const JD1900 instant = middle.t + m.x * kSecondDays;
        const TransitSky sky = geometry_.At(instant);
        const TransitView view = ViewFrom(sky, parameters_.place, body);
        if (view.bodyAltitudeDeg <= 0.0) return;

        TransitApproach a;
        a.catalogNumber = satellite_.catalogNumber;
        a.name = satellite_.name;
        a.body = body;
        a.instant = instant;
        a.separationDeg = view.separationRad * kRadToDeg;
        a.bodyRadiusDeg = view.bodyRadiusRad * kRadToDeg;
        a.isTransit = view.separationRad < view.bodyRadiusRad;
        a.bodyAltitudeDeg = view.bodyAltitudeDeg;
        a.bodyAzimuthDeg = view.bodyAzimuthDeg;
        a.rangeKm = view.rangeKm;
        a.angularSpeedDegS = view.angularSpeedRadS * kRadToDeg;
        if (const auto size = KnownSatelliteDimensions(a.catalogNumber)) {
            a.sizeArcsec = size->lengthM / 1000.0 / view.rangeKm * kRadToDeg * 3600.0;
            a.sizeWidthArcsec = size->widthM / 1000.0 / view.rangeKm * kRadToDeg * 3600.0;
        }
        if (a.isTransit) a.durationS = DiscTime(body, instant, view);
        a.centreLine = NearestCentreLinePoint(geometry_, body, instant);
        const bool nearLine = a.centreLine.found && a.centreLine.distanceKm <= parameters_.radiusKm;
        if (a.separationDeg <= parameters_.maxSeparationDeg || nearLine) found_.push_back(a);
    }

    // The time on the disc: from the entry to the exit, where the separation equals the
    // body's radius.
    double DiscTime(TransitBody body, JD1900 instant, const TransitView& view) const {
        auto overRadius = [&](double s) {
            return SeparationAt(body, instant + s * kSecondDays) - view.bodyRadiusRad;
        };
        const double reach = 3.0 * view.bodyRadiusRad / std::max(view.angularSpeedRadS, 1e-7) + 1.0;
        const double inside = overRadius(0.0);
        const double early = overRadius(-reach), late = overRadius(reach);
        if (early <= 0.0 || late <= 0.0) return 0.0;
        const double entry = FindRoot(overRadius, -reach, 0.0, early, inside, 1e-4);
        const double exit = FindRoot(overRadius, 0.0, reach, inside, late, 1e-4);
        return exit - entry;
    }

    const TransitCandidate& satellite_;
    const TransitSearchParameters& parameters_;
    TransitGeometry geometry_;
    const TransitBodies& bodies_;
    double scanLimit_ = 0.0;
    std::vector<TransitApproach> found_;
};

bool Earlier(const TransitApproach& a, const TransitApproach& b) {
    if (a.instant != b.instant) return a.instant < b.instant;
    return a.catalogNumber < b.catalogNumber;
}

}  // namespace

std::optional<SatelliteDimensions> KnownSatelliteDimensions(int catalogNumber) {
    // Published extents: the International Space Station across its truss and along
    // its modules.
    switch (catalogNumber) {
        case 25544:
            return SatelliteDimensions{109.0, 73.0};
        default:
            return std::nullopt;
    }
}

TransitBodies PrepareTransitBodies(const TransitSearchParameters& parameters) {
    const JD1900 end = parameters.start + parameters.days;
    TransitBodies bodies{BodyTrack(parameters.start - 0.01, end + 0.01), {}};
    const Vector3 placeKm = EarthFixedOf(parameters.place);
    constexpr double kStepDays = 10.0 / 1440.0;
    for (TransitBody body : {TransitBody::Sun, TransitBody::Moon}) {
        auto sinAltitude = [&](double t) {
            return BodySinAltitude(bodies.track, placeKm, body, t);
        };
        std::vector<TransitBodies::Span>& spans = bodies.above[static_cast<int>(body)];
        double t = parameters.start, value = sinAltitude(t);
        bool up = value > 0.0;
        double rise = t;
        while (t < end) {
            const double next = std::min(end, t + kStepDays);
            const double nextValue = sinAltitude(next);
            if ((value > 0.0) != (nextValue > 0.0)) {
                const double crossing = FindRoot(sinAltitude, t, next, value, nextValue, 1e-6);
                if (nextValue > 0.0) {
                    rise = crossing;
                } else if (up) {
                    spans.push_back({rise, crossing});
                }
                up = nextValue > 0.0;
            }
            t = next;
            value = nextValue;
        }
        if (up) spans.push_back({rise, end});
    }
    return bodies;
}

std::vector<TransitApproach> SearchSatelliteTransits(const TransitCandidate& satellite,
                                                     const TransitSearchParameters& parameters,
                                                     const TransitBodies& bodies) {
    if (!satellite.orbit || !satellite.orbit->readable) return {};
    return SatelliteScan(satellite, parameters, bodies).Run();
}

std::vector<TransitApproach> SearchTransits(const std::vector<TransitCandidate>& satellites,
                                            const TransitSearchParameters& parameters,
                                            const TransitProgress& progress) {
    const TransitBodies bodies = PrepareTransitBodies(parameters);
    const int total = static_cast<int>(satellites.size());
    int threads = parameters.threads > 0 ? parameters.threads
                                         : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, std::max(1, total));

    std::atomic<int> next{0}, done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::vector<TransitApproach> all;
    auto work = [&] {
        for (int i = next++; i < total && !stop; i = next++) {
            std::vector<TransitApproach> found =
                SearchSatelliteTransits(satellites[i], parameters, bodies);
            std::lock_guard<std::mutex> lock(mutex);
            all.insert(all.end(), found.begin(), found.end());
            ++done;
            if (progress && !progress(done, total)) stop = true;
        }
    };
    std::vector<std::thread> pool;
    for (int i = 1; i < threads; ++i) pool.emplace_back(work);
    work();
    for (std::thread& thread : pool) thread.join();
    std::sort(all.begin(), all.end(), Earlier);
    return all;
}
