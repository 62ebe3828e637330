#include "chart/chart_view.h"

#include "chart/chart_geometry.h"

namespace {
ChartViewState gView;
}  // namespace

void ChartViewState::setChartGeometry(int windowWidth, int windowHeight) {
    chartCentreX = static_cast<int>(windowWidth * 0.6140625);
    chartCentreY = (windowHeight - kMainBarsHeight) / 2;
    chartRadius = static_cast<int>((windowHeight - kMainBarsHeight) * 0.46875);
    zoomFrameHalfHeight = windowHeight / 4 - 12;
    zoomFrameHalfWidth = windowWidth / 4 - 4;
}

ChartViewState& ChartView() { return gView; }

void ResetChartView() { gView = ChartViewState{}; }
