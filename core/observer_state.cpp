#include "core/observer_state.h"

#include <cmath>

namespace {
ObserverState gObserver;
// Height of the main window's bars that its outer height includes besides the chart.
constexpr int kMainBarsHeight = 48;
}  // namespace

void ObserverState::setLatitude(double degrees) {
    latitudeDeg = degrees;
    sinLatitude = std::sin(degrees * kPi / 180.0);
    cosLatitude = std::cos(degrees * kPi / 180.0);
}

void ObserverState::setChartGeometry(int windowWidth, int windowHeight) {
    chartCentreX = static_cast<int>(windowWidth * 0.6140625);
    chartCentreY = (windowHeight - kMainBarsHeight) / 2;
    chartRadius = static_cast<int>((windowHeight - kMainBarsHeight) * 0.46875);
    zoomFrameHalfHeight = windowHeight / 4 - 12;
    zoomFrameHalfWidth = windowWidth / 4 - 4;
}

ObserverState& Observer() { return gObserver; }

void ResetObserverState() { gObserver = ObserverState{}; }
