#include "prediction/orbit_plane_observer.h"

#include "core/observer_state.h"

OrbitPlaneInput OrbitPlaneInputForObserver(double inclinationDeg, double eccentricity,
                                           JD1900 instant) {
    const ObserverState& observer = Observer();
    OrbitPlaneInput in;
    in.inclinationDeg = inclinationDeg;
    in.eccentricity = eccentricity;
    in.latitudeDeg = observer.latitudeDeg;
    in.heightM = observer.heightM;
    in.longitudeDeg = observer.longitudeDeg;
    in.instant = instant;
    return in;
}
