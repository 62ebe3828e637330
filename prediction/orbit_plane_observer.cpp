#include "prediction/orbit_plane_observer.h"

#include "core/observing_place.h"

OrbitPlaneInput OrbitPlaneInputForObserver(double inclinationDeg, double eccentricity,
                                           JD1900 instant) {
    OrbitPlaneInput in;
    in.inclinationDeg = inclinationDeg;
    in.eccentricity = eccentricity;
    in.latitudeDeg = Place().latitudeDeg;
    in.heightM = Place().heightM;
    in.longitudeDeg = Place().longitudeDeg;
    in.instant = instant;
    return in;
}
