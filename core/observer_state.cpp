#include "core/observer_state.h"

#include <cmath>

namespace {
ObserverState gObserver;
}  // namespace

void ObserverState::setLatitude(double degrees) {
    latitudeDeg = degrees;
    sinLatitude = std::sin(degrees * kPi / 180.0);
    cosLatitude = std::cos(degrees * kPi / 180.0);
}

void ObserverState::setInstantFrame(double eastLongitudeDeg, JD1900 instant) {
    frame = FrameOfDateAt(instant);
    siderealHours = LocalApparentSiderealHours(frame, eastLongitudeDeg);
    dynamicJD = instant + DeltaT(year) / 24.0;
}

HorizonOfDate ObserverState::horizon() const {
    return HorizonOfDateAt(frame, siderealHours, sinLatitude, cosLatitude);
}

ObserverState& Observer() { return gObserver; }

void ResetObserverState() { gObserver = ObserverState{}; }
