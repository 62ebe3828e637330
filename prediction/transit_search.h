// Satellites in front of the Sun and the Moon: every close approach of a satellite to
// the centre of either body while the body's centre stands above the (geometric)
// horizon, seen from one place, over a window of days.
//
// An approach is a local minimum of the angle between the satellite and the body's
// centre (topocentric, apparent; geometry in transit_geometry.h), found to 0.01 s by
// Brent's method. It is listed when that least separation is at most maxSeparationDeg,
// or when the centre line (transit_centre_line.h) passes within radiusKm of the place:
// a place d km beside the centre line sees the satellite at most d / range from the
// centre, so the scan looks at every minimum below the larger of maxSeparationDeg and
// radiusKm over the least possible range (the perigee height less the place's), with
// a margin.
//
// The scan steps along the separation: from range ρ, with the satellite's speed v
// relative to the observer at most V, the line of sight turns in a time dt by at most
// ln(ρ / (ρ − V dt)), so a step that keeps this below half the distance to the scan
// limit cannot step over an approach; the other half is left for the body's own motion.
// Near the limit the steps stay small enough to sample any approach several times, so a
// transit of half a second is not stepped over.
//
// A pure function of its arguments: it reads no process-wide record, and the satellites
// are searched on every core (std::thread).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "prediction/transit_centre_line.h"
#include "prediction/transit_geometry.h"

// One satellite to search.
struct TransitCandidate {
    int catalogNumber = 0;
    std::string name;
    const SatelliteOrbit* orbit = nullptr;  // must outlive the search
};

struct TransitSearchParameters {
    GeodeticPoint place;  // the observer (height in km)
    JD1900 start = 0.0;   // UT
    double days = 14.0;
    double maxSeparationDeg = 1.0;
    double radiusKm = 15.0;  // list an approach whose centre line comes this near
    int threads = 0;         // 0: every core
};

// The size of a satellite with known dimensions (largest and smallest extent, metres).
struct SatelliteDimensions {
    double lengthM = 0.0;
    double widthM = 0.0;
};
std::optional<SatelliteDimensions> KnownSatelliteDimensions(int catalogNumber);

struct TransitApproach {
    int catalogNumber = 0;
    std::string name;
    TransitBody body = TransitBody::Sun;
    JD1900 instant = 0.0;        // closest approach, UT
    double separationDeg = 0.0;  // least separation from the body's centre
    double bodyRadiusDeg = 0.0;  // the body's apparent radius
    bool isTransit = false;      // separation < radius
    double durationS = 0.0;      // on the disc (0 when no transit)
    double bodyAltitudeDeg = 0.0;
    double bodyAzimuthDeg = 0.0;  // from north through east
    double rangeKm = 0.0;
    double angularSpeedDegS = 0.0;          // the satellite's, on the sky
    std::optional<double> sizeArcsec;       // largest extent seen, when known
    std::optional<double> sizeWidthArcsec;  // smallest extent seen, when known
    CentreLineNearest centreLine;           // nearest point of the centre line
};

// Called with the number of satellites searched so far and the total; returning false
// ends the search early (what was found so far is returned).
using TransitProgress = std::function<bool(int done, int total)>;

// Every listed approach of the satellites, in time order.
std::vector<TransitApproach> SearchTransits(const std::vector<TransitCandidate>& satellites,
                                            const TransitSearchParameters& parameters,
                                            const TransitProgress& progress = {});

// The bodies over the window: their track and the spans (UT) in which each one's centre
// stands above the place's horizon. Built once for a search.
struct TransitBodies {
    struct Span {
        JD1900 from = 0.0, to = 0.0;
    };
    BodyTrack track;
    std::vector<Span> above[2];  // by TransitBody
};
TransitBodies PrepareTransitBodies(const TransitSearchParameters& parameters);

// The approaches of one satellite (the search's step for each satellite).
std::vector<TransitApproach> SearchSatelliteTransits(const TransitCandidate& satellite,
                                                     const TransitSearchParameters& parameters,
                                                     const TransitBodies& bodies);
