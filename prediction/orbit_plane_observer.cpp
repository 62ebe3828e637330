#include "prediction/orbit_plane_observer.h"

#include "core/observing_place.h"

OrbitPlaneInput OrbitPlaneInputForObserver(double inclinationDeg, double eccentricity,
                                           const ObservingPlace& place, JD1900 instant) {
    OrbitPlaneInput in;
    in.inclinationDeg = inclinationDeg;
    in.eccentricity = eccentricity;
    in.latitudeDeg = place.latitudeDeg;
    in.heightM = place.heightM;
    in.longitudeDeg = place.longitudeDeg;
    in.instant = instant;
    return in;
}
