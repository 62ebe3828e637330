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

ObserverState& Observer() { return gObserver; }

void ResetObserverState() { gObserver = ObserverState{}; }
